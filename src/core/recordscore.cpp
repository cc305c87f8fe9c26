// The end of a game: rank the points against Tops.dat, ask a qualifying player's name,
// record the line and show the top list.
#include "core/datetext.h"
#include "core/errors.h"
#include "core/game.h"
#include "core/scores.h"

#include <QCoreApplication>
#include <QFile>

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

bool Game::LoadForRanking(ScoreList& lines, const QString& fileName)
{
    try {
        // Sorted as the top list sorts it: a file its close box left in appended order
        // is ranked, and loses its lowest line, by the order the player was shown.
        lines.LoadFromFile(fileName);
        lines.Sort();
        ReadWholeNumber(CommaField(lines.Line(1), 1));
        return true;
    } catch (const GameError& e) {
        ports_.dialogs->ShowError(e.message());
    }
    return OfferFreshScoreList([this](const QString& question) { return ports_.dialogs->Confirm(question); },
                               lines, fileName);
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
    const QString fileName = QString::fromLatin1(kTopsFileName);
    if (QFile::exists(fileName)) {
        if (!LoadForRanking(lines, fileName)) {
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
            // is undone. A file gone meanwhile stands for the default lines.
            ScoreList now;
            if (!QFile::exists(fileName))
                FillDefaults(now);
            else if (!LoadForRanking(now, fileName)) {
                ports_.window->SetFrameTimerEnabled(true);
                return;
            }
            // The lowest line gives way, unless scores written meanwhile all rank above
            // this one: then it is this line that has no place.
            if (now.Lines() == lines.Lines() || CompareScoreLines(line, now.Line(0)) >= 0) {
                now.Remove(0);
                now.Append(line);
                now.SaveToFile(fileName);
            }
            g_.PlayerName = name;
        }
    }

    ports_.dialogs->ShowTopList();
    ports_.window->SetFrameTimerEnabled(true);
}

} // namespace porimogu
