#pragma once
// Tops.dat, the top-ten file: the one place where the game reads it, merges a new line
// into it and writes it, for the recording at a game's end and for the top list alike.
// Every routine takes the file as it is at that moment: another game in the same folder
// may have written it since it was last read. Failures throw GameError with the game's
// own text.
#include "core/scores.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <utility>

namespace porimogu {

// The file's name, in the working directory.
inline constexpr char kTopsFileName[] = "Tops.dat";
// The longest file taken for a score list: eleven lines need well under a kilobyte.
inline constexpr qint64 kMaxTopsFileBytes = 1 << 20;
// The most lines taken: even lines crafted against the sort's pivot sort within about
// a second at this count (the work grows with its square).
inline constexpr qsizetype kMaxTopsLines = 10000;

// The player, as the file reaches them when it cannot be used: the error box, and a
// question answered Yes (true) or No.
struct ScoreFilePlayer {
    std::function<void(const QString& message)> ShowError;
    std::function<bool(const QString& question)> Confirm;
};

class TopsFile {
public:
    explicit TopsFile(QString fileName = QString::fromLatin1(kTopsFileName)) : fileName_(std::move(fileName)) {}
    const QString& FileName() const { return fileName_; }
    bool Exists() const;

    // --- the file's text -------------------------------------------------------------
    // Replaces `lines` with the file's text lines: a line ends at CR, LF or CR LF; a NUL
    // byte ends the text; a final break adds no empty line. Throws "ﾌｧｲﾙ %s は開けません"
    // when the file cannot be read or is no regular file (a FIFO is never waited on),
    // "ﾌｧｲﾙ %s は大きすぎて開けません" when it is longer than kMaxTopsFileBytes or holds
    // more than kMaxTopsLines lines; `lines` is then unchanged. Gives the file's bytes as
    // read.
    QByteArray Load(ScoreList& lines) const;
    // Writes every line followed by CR LF (ScoreList::Text), through a temporary file
    // that replaces the old one only when everything was written. Throws
    // "ﾌｧｲﾙ %s を作成できません" on failure, and when the name is a FIFO, device or
    // directory; the old file is then untouched. A symbolic link stays and its target
    // gets the new text.
    void Save(const ScoreList& lines) const;

    // --- the top list ------------------------------------------------------------------
    // What the list shows: the file's lines, or the default lines where there is none,
    // sorted. Throws Load's errors.
    void LoadForShowing(ScoreList& lines) const;
    // OK: the file's lines as it holds them now, sorted, so that a line another game or
    // program wrote after `shown` was loaded stays; `shown` itself where there is no
    // such file (or a name the save will refuse). Nothing is written when the file's
    // lines already stand in that order. A file that can no longer be read is said and
    // may be kept aside for a fresh list (Recover, into `shown`). Throws Save's and
    // Recover's errors.
    void SaveSorted(ScoreList& shown, const ScoreFilePlayer& player) const;

    // --- the recording at a game's end -------------------------------------------------
    // The file loaded and sorted as the top list sorts it, with a second line to rank
    // against: true. When it cannot be used, Recover: true with the fresh default list
    // in `lines`, false when the file stays as it was.
    bool LoadForRanking(ScoreList& lines, const ScoreFilePlayer& player) const;
    // The new line joins what the file holds now (`ranked` is the file as it was when the
    // points were ranked; a file gone meanwhile stands for the default lines): the lowest
    // line gives way, unless scores written meanwhile all rank above this one, and then
    // it is this line that has no place. True; false when the file could no longer be
    // used and stays as it was (LoadForRanking).
    bool Merge(const QByteArray& line, const ScoreList& ranked, const ScoreFilePlayer& player) const;

    // --- a file that cannot be used ----------------------------------------------------
    // A score file that cannot be used is never deleted: it is kept aside under the first
    // free name of the file's name + ".bad", ".bad2", ".bad3", ... ".bad99" (empty when
    // all are taken), renamed so that nothing already there is ever replaced.
    QString SetAsideName() const;
    // After the file could not be used: shows `message`, then asks whether to keep the
    // file aside under SetAsideName and start afresh. Yes: the file is renamed, the
    // default lines are saved as a new file and left in `lines`; true. No: nothing
    // changes; false. Throws "ﾌｧｲﾙ %s の名前を変更できません" when no free name is left or
    // the renaming fails, and Save's error when the new file cannot be written (the old
    // one then stays under its new name).
    bool Recover(const QString& message, const ScoreFilePlayer& player, ScoreList& lines) const;

private:
    QString fileName_;
};

} // namespace porimogu
