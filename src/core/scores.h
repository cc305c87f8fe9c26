#pragma once
// The top-ten file Tops.dat: the score list with its file rules and order, the
// default lines and the small routines that take score lines apart and build them.
//
// A score line is "points,date,name" (points ZeroPad'ed to 5 digits). Lines and names
// are Shift-JIS bytes from file to file: nothing here re-encodes them. Lengths are
// byte counts; fields are split at the comma byte, which no Shift-JIS trail byte can be.
#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace porimogu {

// The file's name, in the working directory.
inline constexpr char kTopsFileName[] = "Tops.dat";
// The longest file taken for a score list: eleven lines need well under a kilobyte.
inline constexpr qint64 kMaxTopsFileBytes = 1 << 20;
// The most lines taken: even lines crafted against the sort's pivot sort within about
// a second at this count (the work grows with its square).
inline constexpr qsizetype kMaxTopsLines = 10000;

// Shift-JIS (code page 932) <-> text. ToShiftJis gives nothing when the text holds a
// character that Shift-JIS cannot represent.
QString FromShiftJis(const QByteArray& bytes);
std::optional<QByteArray> ToShiftJis(const QString& text);

// An ordered list of score lines, indexed from 0. Every failure throws GameError with
// the game's own text.
class ScoreList {
public:
    int Count() const { return static_cast<int>(lines_.size()); }
    // Throws "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています" for an index outside 0..Count()-1.
    const QByteArray& Line(int index) const;
    void Append(const QByteArray& line) { lines_.append(line); }
    // The lines behind index move down by one. Same index error as Line.
    void Remove(int index);
    void Clear() { lines_.clear(); }
    const QList<QByteArray>& Lines() const { return lines_; }

    // Replaces the list with the file's text lines: a line ends at CR, LF or CR LF; a
    // NUL byte ends the text; a final break adds no empty line. Throws
    // "ﾌｧｲﾙ %s は開けません" when the file cannot be read or is no regular file (a FIFO
    // is never waited on), "ﾌｧｲﾙ %s は大きすぎて開けません" when it is longer than
    // kMaxTopsFileBytes or holds more than kMaxTopsLines lines; the list is then unchanged.
    // Gives the file's bytes as read.
    QByteArray LoadFromFile(const QString& fileName);
    // Writes every line followed by CR LF, through a temporary file that replaces the
    // old one only when everything was written. Throws "ﾌｧｲﾙ %s を作成できません"
    // on failure, and when the name is a FIFO, device or directory; the old file is
    // then untouched. A symbolic link stays and its target gets the new text.
    void SaveToFile(const QString& fileName) const;
    // The text SaveToFile writes: every line followed by CR LF.
    QByteArray Text() const;
    // Ascending order of CompareScoreLines, by the game's quicksort (not stable).
    void Sort();

    // The text lines of a file's contents, by the rules of LoadFromFile.
    static QList<QByteArray> SplitText(const QByteArray& text);

private:
    void CheckIndex(int index) const;

    QList<QByteArray> lines_;
};

// Whole lines compared as text decoded from Shift-JIS, by Japanese collation with
// letter case ignored: < 0, 0 or > 0. Never folds case byte by byte.
int CompareScoreLines(const QByteArray& a, const QByteArray& b);

// The n-th comma-separated field (n from 1); empty when n < 1, the text is empty or it
// has fewer than n fields.
QByteArray CommaField(const QByteArray& text, int n);
// number in decimal, filled with "0" on the left to width; a longer text becomes width
// "0" characters.
QByteArray ZeroPad(std::int32_t number, int width);
// text with blanks in front up to width bytes; a longer text is returned unchanged.
QByteArray BlankPad(const QByteArray& text, int width);
// A field read as a whole number (leading blanks, a sign and leading zeros allowed;
// 32-bit range). Throws "'%s' は整数ではありません" otherwise.
std::int32_t ReadWholeNumber(const QByteArray& field);

// The texts of row r (1 to 10) of the top list, from list line 11 - r: the rank
// blank-filled to 5, the name (field 3), the points (field 1 re-written without leading
// zeros, blank-filled to 8) and the date (field 2). Throws the list-index error when
// the list has no line 11 - r and the number error for a points field that is not a
// whole number.
struct TopListRow {
    QByteArray rank;
    QByteArray name;
    QByteArray points;
    QByteArray date;
};
TopListRow TopListRowAt(const ScoreList& lines, int r);

// The name a score line records for what the player typed: the typed text in
// Shift-JIS when it is 1 to 21 bytes and holds no line break or NUL; otherwise (empty,
// too long, not representable in Shift-JIS, or breaking the line) the remembered name.
QByteArray NameToRecord(const QString& typed, const QByteArray& remembered);
// A score file that cannot be used is never deleted: it is kept aside under the first
// free name of fileName + ".bad", ".bad2", ".bad3", ... ".bad99" (empty when all are
// taken), renamed so that nothing already there is ever replaced.
QString SetAsideName(const QString& fileName);
// After fileName could not be used as the score list (its error already shown): asks
// `ask` whether to keep it aside under SetAsideName and start afresh. Yes: the file is
// renamed, the default lines are saved as a new file and left in `lines`; true. No:
// nothing changes; false. Throws "ﾌｧｲﾙ %s の名前を変更できません" when no free name is
// left or the renaming fails, and the save's error when the new file cannot be written
// (the old one then stays under its new name).
bool OfferFreshScoreList(const std::function<bool(const QString& question)>& ask, ScoreList& lines,
                         const QString& fileName);

// What the top list's OK writes, in `lines`: fileName's lines as the file holds them
// now, sorted, so that a line another game or program wrote after `shown` was loaded
// stays; `shown` itself where there is no such file (or a name the save will refuse).
// False when the file's lines already stand in that order: nothing to write. Throws
// LoadFromFile's errors for a file that cannot be read.
bool SortedAsItIsNow(const ScoreList& shown, const QString& fileName, ScoreList& lines);

// The 11 lines that stand for a missing or cleared file, in ascending order.
const QList<QByteArray>& DefaultScoreLines();
// Clears the list, then appends the default lines in their order.
void FillDefaults(ScoreList& lines);

} // namespace porimogu
