// The end of a game: rank the points against Tops.dat, ask a qualifying player's name,
// record the line and show the top list.
#include "core/datetext.h"
#include "core/errors.h"
#include "core/game.h"
#include "core/scores.h"
#include "core/topsfile.h"

#include <QCoreApplication>

namespace porimogu {

namespace {

// Longest name a score line holds, in Shift-JIS bytes.
constexpr qsizetype kMaxNameBytes = 21;

} // namespace

QByteArray NameToRecord(const QString& typed, const QByteArray& remembered)
{
    const std::optional<QByteArray> name = ToShiftJis(typed);
    if (!name || name->isEmpty() || name->size() > kMaxNameBytes || name->contains('\r')
        || name->contains('\n') || name->contains('\0'))
        return remembered;
    return *name;
}

void Game::RecordScore()
{
    ports_.window->SetFrameTimerEnabled(false);
    if (g_.MusicFlag) {
        // A player that was never opened must not cost the child the score: its
        // failure is said, and the recording goes on.
        try {
            ports_.music->StopMedia();
        } catch (const GameError& e) {
            ports_.dialogs->ShowError(e.message());
        }
    }

    ScoreList lines;
    const TopsFile file;
    const ScoreFilePlayer player{[this](const QString& message) { ports_.dialogs->ShowError(message); },
                                 [this](const QString& question) { return ports_.dialogs->Confirm(question); }};
    if (file.Exists()) {
        if (!file.LoadForRanking(lines, player)) {
            ports_.window->SetFrameTimerEnabled(true);
            return;
        }
        if (ReadWholeNumber(CommaField(lines.Line(1), 1)) < g_.Points) {
            const QString typed = ports_.dialogs->PromptForText(
                QCoreApplication::translate("NamePrompt", "EnterName"),
                QCoreApplication::translate("NamePrompt", "なまえをいれよう"), FromShiftJis(g_.PlayerName));
            const QByteArray name = NameToRecord(typed, g_.PlayerName);
            const QByteArray line = ZeroPad(g_.Points, 5) + ',' + TodayText() + ',' + name;
            // While the name was typed, another game or program may have written the
            // file: the line joins what the file holds now, so nothing written meanwhile
            // is undone.
            if (!file.Merge(line, lines, player)) {
                ports_.window->SetFrameTimerEnabled(true);
                return;
            }
            g_.PlayerName = name;
        }
    }

    ports_.dialogs->ShowTopList();
    ports_.window->SetFrameTimerEnabled(true);
}

} // namespace porimogu
