#include "core/topsfile.h"

#include "core/errors.h"
#include "core/wholefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <utility>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace porimogu {

namespace {

[[noreturn]] void Fail(const QString& message)
{
    throw GameError(message);
}

// Renames without ever replacing what is at newName.
bool RenameNoReplace(const QString& oldName, const QString& newName)
{
    const QByteArray from = QFile::encodeName(oldName);
    const QByteArray to = QFile::encodeName(newName);
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without that kind of rename: a second link, then the old one goes.
    return ::link(from.constData(), to.constData()) == 0 && ::unlink(from.constData()) == 0;
}

} // namespace

bool TopsFile::Exists() const
{
    return QFile::exists(fileName_);
}

QByteArray TopsFile::Load(ScoreList& lines) const
{
    QByteArray text;
    switch (ReadWholeFile(fileName_, kMaxTopsFileBytes, text)) {
    case FileRead::Ok:
        break;
    case FileRead::TooLarge:
        Fail(QCoreApplication::translate("Scores", "ﾌｧｲﾙ %1 は大きすぎて開けません").arg(fileName_));
    default:
        Fail(QCoreApplication::translate("Scores", "ﾌｧｲﾙ %1 は開けません").arg(fileName_));
    }
    QList<QByteArray> split = ScoreList::SplitText(text);
    if (split.size() > kMaxTopsLines)
        Fail(QCoreApplication::translate("Scores", "ﾌｧｲﾙ %1 は大きすぎて開けません").arg(fileName_));
    lines.Assign(std::move(split));
    return text;
}

void TopsFile::Save(const ScoreList& lines) const
{
    // A FIFO, device or directory of that name is left alone: writing into it could
    // block, and replacing it would destroy what is there.
    if (IsThereButNotRegular(fileName_))
        Fail(QCoreApplication::translate("Scores", "ﾌｧｲﾙ %1 を作成できません").arg(fileName_));
    const QByteArray text = lines.Text();
    // Temp file, then rename: a failure at any point leaves the old file whole.
    // Unbuffered, so that a short write (disk full) shows in write's count: a buffered
    // QSaveFile would commit the truncated text as a success. Without commit the
    // temp file is removed.
    QSaveFile file(fileName_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(text) != text.size()
        || !file.commit())
        Fail(QCoreApplication::translate("Scores", "ﾌｧｲﾙ %1 を作成できません").arg(fileName_));
}

void TopsFile::LoadForShowing(ScoreList& lines) const
{
    if (Exists())
        Load(lines);
    else
        FillDefaults(lines);
    lines.Sort();
}

void TopsFile::SaveSorted(ScoreList& shown, const ScoreFilePlayer& player) const
{
    ScoreList lines;
    bool write = false;
    try {
        if (!QFileInfo::exists(fileName_) || IsThereButNotRegular(fileName_)) {
            lines = shown;
            write = true;
        } else {
            const QByteArray text = Load(lines);
            lines.Sort();
            write = lines.Text() != text;
        }
    } catch (const GameError& e) {
        Recover(e.message(), player, shown);
    }
    if (write)
        Save(lines);
}

bool TopsFile::LoadForRanking(ScoreList& lines, const ScoreFilePlayer& player) const
{
    try {
        // Sorted as the top list sorts it: a file its close box left in appended order
        // is ranked, and loses its lowest line, by the order the player was shown.
        Load(lines);
        lines.Sort();
        ReadWholeNumber(CommaField(lines.Line(1), 1));
        return true;
    } catch (const GameError& e) {
        return Recover(e.message(), player, lines);
    }
}

bool TopsFile::Merge(const QByteArray& line, const ScoreList& ranked, const ScoreFilePlayer& player) const
{
    ScoreList now;
    if (!Exists())
        FillDefaults(now);
    else if (!LoadForRanking(now, player))
        return false;
    if (now.Lines() == ranked.Lines() || CompareScoreLines(line, now.Line(0)) >= 0) {
        now.Remove(0);
        now.Append(line);
        Save(now);
    }
    return true;
}

QString TopsFile::SetAsideName() const
{
    for (int n = 1; n <= 99; ++n) {
        const QString name = fileName_ + QStringLiteral(".bad") + (n == 1 ? QString() : QString::number(n));
        if (!QFileInfo(name).exists() && !QFileInfo(name).isSymLink())
            return name;
    }
    return {};
}

bool TopsFile::Recover(const QString& message, const ScoreFilePlayer& player, ScoreList& lines) const
{
    player.ShowError(message);
    const QString aside = SetAsideName();
    if (aside.isEmpty())
        Fail(QCoreApplication::translate("Scores", "ﾌｧｲﾙ %1 の名前を変更できません").arg(fileName_));
    if (!player.Confirm(QCoreApplication::translate("Scores", "%1 を %2 という なまえで のこして、せいせきを はじめから つけなおしますか?")
                            .arg(fileName_, aside)))
        return false;
    if (!RenameNoReplace(fileName_, aside))
        Fail(QCoreApplication::translate("Scores", "ﾌｧｲﾙ %1 の名前を変更できません").arg(fileName_));
    FillDefaults(lines);
    Save(lines);
    return true;
}

} // namespace porimogu
