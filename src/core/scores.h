#pragma once
// The score list of the top ten with its order, the default lines and the small
// routines that take score lines apart and build them. Tops.dat itself is read and
// written by topsfile.h.
//
// A score line is "points,date,name" (points ZeroPad'ed to 5 digits). Lines and names
// are Shift-JIS bytes from file to file: nothing here re-encodes them. Lengths are
// byte counts; fields are split at the comma byte, which no Shift-JIS trail byte can be.
#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>
#include <utility>

namespace porimogu {

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
    // Replaces the list with these lines.
    void Assign(QList<QByteArray> lines) { lines_ = std::move(lines); }
    const QList<QByteArray>& Lines() const { return lines_; }

    // The text of the file that holds the list: every line followed by CR LF.
    QByteArray Text() const;
    // Ascending order of CompareScoreLines, by the game's quicksort (not stable).
    void Sort();

    // The text lines of a file's contents: a line ends at CR, LF or CR LF; a NUL byte
    // ends the text; a final break adds no empty line.
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

// The 11 lines that stand for a missing or cleared file, in ascending order.
const QList<QByteArray>& DefaultScoreLines();
// Clears the list, then appends the default lines in their order.
void FillDefaults(ScoreList& lines);

} // namespace porimogu
