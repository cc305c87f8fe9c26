#include "core/scores.h"

#include "core/errors.h"

#include <QCollator>
#include <QCoreApplication>
#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>

#include <utility>
#include <vector>

namespace porimogu {

namespace {

const char kEncoding[] = "Shift_JIS";

[[noreturn]] void Fail(const QString& message)
{
    throw GameError(message);
}

// Japanese, case-insensitive: the same order on every machine, whatever the user's
// locale (the C locale's collator would not ignore case).
const QCollator& ScoreCollator()
{
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Japanese, QLocale::Japan));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

// One line with its collation key, made once per sort: keys compare as the collator
// compares the decoded texts, at the cost of a byte comparison.
struct SortItem {
    QByteArray bytes;
    QCollatorSortKey key;
};

// Quicksort in place on items[low..high]: the middle item's key copied as the pivot,
// two cursors moving inwards and exchanging until they cross. Of the two parts left,
// the smaller is sorted by recursion and the larger by the next pass of the loop, so
// the depth stays below log2 of the count whatever the lines are. The parts are
// disjoint, so the order in which they are sorted does not change the result.
void QuickSort(std::vector<SortItem>& items, int low, int high)
{
    while (low < high) {
        int i = low;
        int j = high;
        const QCollatorSortKey pivot = items[static_cast<std::size_t>((low + high) / 2)].key;
        do {
            while (items[static_cast<std::size_t>(i)].key.compare(pivot) < 0)
                ++i;
            while (items[static_cast<std::size_t>(j)].key.compare(pivot) > 0)
                --j;
            if (i <= j) {
                std::swap(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(j)]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (j - low < high - i) {
            if (low < j)
                QuickSort(items, low, j);
            low = i;
        } else {
            if (i < high)
                QuickSort(items, i, high);
            high = j;
        }
    }
}

} // namespace

QString FromShiftJis(const QByteArray& bytes)
{
    QStringDecoder decoder(kEncoding, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

std::optional<QByteArray> ToShiftJis(const QString& text)
{
    QStringEncoder encoder(kEncoding, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError() || !encoder.isValid())
        return std::nullopt;
    return bytes;
}

void ScoreList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        Fail(QCoreApplication::translate("Scores", "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています"));
}

const QByteArray& ScoreList::Line(int index) const
{
    CheckIndex(index);
    return lines_[index];
}

void ScoreList::Remove(int index)
{
    CheckIndex(index);
    lines_.removeAt(index);
}

QList<QByteArray> ScoreList::SplitText(const QByteArray& text)
{
    QList<QByteArray> lines;
    const qsizetype end = [&text] {
        const qsizetype nul = text.indexOf('\0');
        return nul < 0 ? text.size() : nul;
    }();
    qsizetype p = 0;
    while (p < end) {
        const qsizetype start = p;
        while (p < end && text[p] != '\r' && text[p] != '\n')
            ++p;
        lines.append(text.mid(start, p - start));
        if (p < end && text[p] == '\r')
            ++p;
        if (p < end && text[p] == '\n')
            ++p;
    }
    return lines;
}

QByteArray ScoreList::Text() const
{
    QByteArray text;
    for (const QByteArray& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void ScoreList::Sort()
{
    if (Count() < 2)
        return;
    std::vector<SortItem> items;
    items.reserve(static_cast<std::size_t>(Count()));
    for (const QByteArray& line : lines_)
        items.push_back({line, ScoreCollator().sortKey(FromShiftJis(line))});
    QuickSort(items, 0, Count() - 1);
    for (int i = 0; i < Count(); ++i)
        lines_[i] = std::move(items[static_cast<std::size_t>(i)].bytes);
}

int CompareScoreLines(const QByteArray& a, const QByteArray& b)
{
    // By the keys the sort uses: the collator's own comparison puts an empty text before
    // one made only of characters it ignores (a byte Shift-JIS cannot decode becomes
    // one), where the keys hold them equal.
    const QCollator& collator = ScoreCollator();
    return collator.sortKey(FromShiftJis(a)).compare(collator.sortKey(FromShiftJis(b)));
}

QByteArray CommaField(const QByteArray& text, int n)
{
    if (n < 1 || text.isEmpty())
        return {};
    qsizetype start = 0;
    for (int field = 1; field < n; ++field) {
        const qsizetype comma = text.indexOf(',', start);
        if (comma < 0)
            return {};
        start = comma + 1;
    }
    const qsizetype comma = text.indexOf(',', start);
    return text.mid(start, comma < 0 ? -1 : comma - start);
}

QByteArray ZeroPad(std::int32_t number, int width)
{
    QByteArray digits = QByteArray::number(number);
    if (digits.size() > width)
        return QByteArray(qMax(width, 0), '0');
    return digits.rightJustified(width, '0');
}

QByteArray BlankPad(const QByteArray& text, int width)
{
    return text.rightJustified(width, ' ');
}

std::int32_t ReadWholeNumber(const QByteArray& field)
{
    qsizetype i = 0;
    while (i < field.size() && field[i] == ' ')
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    bool ok = i < field.size();
    std::int64_t value = 0;
    for (; ok && i < field.size(); ++i) {
        const char c = field[i];
        ok = c >= '0' && c <= '9' && value <= std::int64_t{1} << 31;
        value = value * 10 + (c - '0');
    }
    if (negative)
        value = -value;
    if (!ok || value > INT32_MAX || value < INT32_MIN)
        Fail(QCoreApplication::translate("Scores", "'%1' は整数ではありません").arg(FromShiftJis(field)));
    return static_cast<std::int32_t>(value);
}

TopListRow TopListRowAt(const ScoreList& lines, int r)
{
    const QByteArray& line = lines.Line(11 - r);
    return {BlankPad(QByteArray::number(r), 5), CommaField(line, 3),
            BlankPad(QByteArray::number(ReadWholeNumber(CommaField(line, 1))), 8), CommaField(line, 2)};
}

const QList<QByteArray>& DefaultScoreLines()
{
    static const QList<QByteArray> lines = {
        "00000,97/11/21,NewPlayer",
        "00100,97/11/21,\x82\xCC\x82\xEB\x82\xA2\x82\xCC\x82\xA9",                  // のろいのか
        "00200,97/11/21,\x82\xBB\x82\xF1\x82\xC8\x82\xC9",                          // そんなに
        "00300,97/11/21,\x82\xC7\x82\xA4\x82\xB5\x82\xC4",                          // どうして
        "00400,97/11/21,\x82\xE0\x82\xCC\x82\xCD\x82\xC8\x82\xA2",                  // ものはない
        "00500,97/11/21,\x82\xA0\x82\xE4\x82\xDD\x82\xCC\x82\xCC\x82\xEB\x82\xA2",  // あゆみののろい
        "00600,97/11/21,\x82\xA8\x82\xDC\x82\xA6\x82\xD9\x82\xC7",                  // おまえほど
        "00700,97/11/21,\x82\xB9\x82\xA9\x82\xA2\x82\xCC\x82\xA4\x82\xBF\x82\xC5",  // せかいのうちで
        "00800,97/11/21,\x82\xA9\x82\xDF\x82\xB3\x82\xF1\x82\xE6",                  // かめさんよ
        "00900,97/11/21,\x82\xA9\x82\xDF\x82\xE6",                                  // かめよ
        "01000,97/11/21,\x82\xE0\x82\xB5\x82\xE0\x82\xB5",                          // もしもし
    };
    return lines;
}

void FillDefaults(ScoreList& lines)
{
    lines.Clear();
    for (const QByteArray& line : DefaultScoreLines())
        lines.Append(line);
}

} // namespace porimogu
