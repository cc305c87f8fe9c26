// The score list and its order, and the score-line text routines.
#include "fakes/scorefiles.h"
#include "core/scores.h"

#include <QRandomGenerator>

#include <algorithm>
#include <vector>

#include <pthread.h>

using namespace porimogu;
using namespace porimogu::scorefiles;

namespace {

// The game's quicksort as it always was (recursion on the lower part, loop on the upper),
// kept here as the measure of the order the bounded one must give on every input.
void ReferenceQuickSort(QList<QByteArray>& items, int low, int high)
{
    int i = 0;
    do {
        i = low;
        int j = high;
        const QByteArray pivot = items[(low + high) / 2];
        do {
            while (CompareScoreLines(items[i], pivot) < 0)
                ++i;
            while (CompareScoreLines(items[j], pivot) > 0)
                --j;
            if (i <= j)
                std::swap(items[i++], items[j--]);
        } while (i <= j);
        if (low < j)
            ReferenceQuickSort(items, low, j);
        low = i;
    } while (i < high);
}

// Lines arranged so that every middle pivot is the largest line of its part: the
// recursion of the old sort went one level deeper for every line.
QList<QByteArray> EveryPivotTheLargest(int count)
{
    std::vector<int> slot(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        slot[std::size_t(i)] = i;
    std::vector<int> value(static_cast<std::size_t>(count));
    for (int high = count - 1; high >= 0; --high) {
        const int mid = high / 2;
        value[std::size_t(slot[std::size_t(mid)])] = high;
        std::swap(slot[std::size_t(mid)], slot[std::size_t(high)]);
    }
    QList<QByteArray> lines;
    for (int v : value)
        lines.append(ZeroPad(v, 5) + ",97/11/21,x");
    return lines;
}

// Runs f(arg) on a thread with a stack of `bytes`.
void OnSmallStack(std::size_t bytes, void* (*f)(void*), void* arg)
{
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, bytes);
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attr, f, arg), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attr);
}

} // namespace

TEST(CommaField, TakesFieldsByNumberAndGivesEmptyBeyond)
{
    const QByteArray line = Sjis("00900,97/11/21,かめよ");
    EXPECT_EQ(CommaField(line, 1), "00900");
    EXPECT_EQ(CommaField(line, 2), "97/11/21");
    EXPECT_EQ(CommaField(line, 3), Sjis("かめよ"));
    EXPECT_EQ(CommaField(line, 4), "");
    EXPECT_EQ(CommaField(line, 0), "");
    EXPECT_EQ(CommaField(",97/11/21,x", 1), "");
    EXPECT_EQ(CommaField("a,,c", 2), "");
    EXPECT_EQ(CommaField("00100,97/11/21,a,b", 3), "a");  // a comma in a name ends field 3
    // ア and ヂ are 83 41 and 83 61: trail bytes that look like "A" and "a" pass whole.
    EXPECT_EQ(CommaField("1,2," + Sjis("アヂ"), 3), QByteArray("\x83\x41\x83\x61"));
}

TEST(Padding, ZeroPadAndBlankPadWorkOnWidth)
{
    EXPECT_EQ(ZeroPad(7, 5), "00007");
    EXPECT_EQ(ZeroPad(12345, 5), "12345");
    EXPECT_EQ(ZeroPad(123456, 5), "00000");
    EXPECT_EQ(ZeroPad(0, 5), "00000");
    EXPECT_EQ(BlankPad("7", 5), "    7");
    EXPECT_EQ(BlankPad("123456", 5), "123456");
    EXPECT_EQ(BlankPad("100", 8), "     100");
}

TEST(ReadWholeNumber, ReadsDigitsWithLeadingZerosAndRefusesTheRest)
{
    EXPECT_EQ(ReadWholeNumber("00100"), 100);
    EXPECT_EQ(ReadWholeNumber("-5"), -5);
    EXPECT_EQ(ErrorOf([] { ReadWholeNumber("12x"); }), QStringLiteral("'12x' は整数ではありません"));
    EXPECT_EQ(ErrorOf([] { ReadWholeNumber(""); }), QStringLiteral("'' は整数ではありません"));
    EXPECT_EQ(ErrorOf([] { ReadWholeNumber("2147483648"); }), QStringLiteral("'2147483648' は整数ではありません"));
    EXPECT_EQ(ErrorOf([] { ReadWholeNumber(Sjis("かめ")); }), QStringLiteral("'かめ' は整数ではありません"));
}

TEST(ScoreList, IndexOutsideTheListFails)
{
    ScoreList list;
    const QString error = QStringLiteral("ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています");
    list.Append("a");
    list.Append("b");
    EXPECT_EQ(ErrorOf([&] { (void)list.Line(2); }), error);
    EXPECT_EQ(ErrorOf([&] { (void)list.Line(-1); }), error);
    EXPECT_EQ(ErrorOf([&] { list.Remove(2); }), error);
    list.Remove(0);
    EXPECT_EQ(list.Lines(), QList<QByteArray>{"b"});
}

TEST(ScoreList, TextLinesEndAtCrLfOrCrLfAndANulEndsTheText)
{
    const QList<QByteArray> three = {"a", "b", "c"};
    EXPECT_EQ(ScoreList::SplitText("a\rb\rc"), three);
    EXPECT_EQ(ScoreList::SplitText("a\r\nb\nc"), three);
    EXPECT_EQ(ScoreList::SplitText(QByteArray("a\r\nb\r\nc\r\n\0d\r\n", 13)), three);
    EXPECT_EQ(ScoreList::SplitText(""), QList<QByteArray>{});
    EXPECT_EQ(ScoreList::SplitText("\r\n"), QList<QByteArray>{""});
    EXPECT_EQ(ScoreList::SplitText("a\r\r\nb"), (QList<QByteArray>{"a", "", "b"}));
}

TEST(ScoreOrder, ComparesDecodedTextIgnoringCaseNeverFoldingTrailBytes)
{
    EXPECT_EQ(CompareScoreLines("00100,97/11/21,abc", "00100,97/11/21,ABC"), 0);
    EXPECT_EQ(CompareScoreLines(Sjis("00100,97/11/21,ａｂ"), Sjis("00100,97/11/21,ＡＢ")), 0);
    EXPECT_LT(CompareScoreLines("00650,97/11/21,x", "00700,97/11/21,a"), 0);
    EXPECT_LT(CompareScoreLines("00100,97/11/21,z", "00100,97/11/22,a"), 0);
    // アホ is 83 41 83 7A and ヂセ is 83 61 83 5A: equal if bytes were case-folded.
    const QByteArray a = Sjis("00100,97/11/21,アホ");
    const QByteArray b = Sjis("00100,97/11/21,ヂセ");
    ScoreList list;
    list.Append(b);
    list.Append(a);
    list.Sort();
    EXPECT_EQ(list.Lines(), (QList<QByteArray>{a, b}));
}

TEST(ScoreOrder, SortPutsEveryPermutationOfTheDefaultsBackInTableOrder)
{
    QList<QByteArray> lines = DefaultScoreLines();
    std::reverse(lines.begin(), lines.end());
    for (int rotation = 0; rotation < 11; ++rotation) {
        ScoreList list;
        for (const QByteArray& line : lines)
            list.Append(line);
        list.Sort();
        EXPECT_EQ(list.Lines(), DefaultScoreLines()) << "rotation " << rotation;
        std::rotate(lines.begin(), lines.begin() + 3, lines.end());
    }
}

TEST(ScoreOrder, LinesThatCompareEqualEndInTheQuicksortsOrder)
{
    // Middle pivot, two cursors: "AB" and "ab" compare equal and come out exchanged
    // relative to a stable sort.
    ScoreList list;
    list.Append("00100,x,ab");
    list.Append("00100,x,AB");
    list.Append("00100,x,aa");
    list.Sort();
    EXPECT_EQ(list.Lines(), (QList<QByteArray>{"00100,x,aa", "00100,x,AB", "00100,x,ab"}));

    ScoreList one;
    one.Append("z");
    one.Sort();
    EXPECT_EQ(one.Lines(), QList<QByteArray>{"z"});
}

// The recursion once overflowed the stack.
TEST(ScoreOrder, ACraftedFileOfThousandsOfLinesSortsOnASmallStack)
{
    // 6000 lines needed 6000 nested calls: far more than 128 KB of stack holds.
    QList<QByteArray> lines = EveryPivotTheLargest(6000);
    ScoreList list;
    for (const QByteArray& line : lines)
        list.Append(line);
    OnSmallStack(128 * 1024, [](void* p) -> void* {
        static_cast<ScoreList*>(p)->Sort();
        return nullptr;
    }, &list);
    std::sort(lines.begin(), lines.end());  // distinct five-digit points: byte order is score order
    EXPECT_EQ(list.Lines(), lines);
}

TEST(ScoreOrder, TheOrderIsTheOldQuicksortsOnEveryInput)
{
    // Many lines that compare equal but differ in case: the only lines whose order a
    // different sort would change.
    QRandomGenerator random(20240611);
    for (int round = 0; round < 200; ++round) {
        QList<QByteArray> lines;
        const int count = 2 + int(random.bounded(40));
        for (int i = 0; i < count; ++i) {
            QByteArray name = "ab";
            for (char& c : name)
                if (random.bounded(2))
                    c = char(c - 'a' + 'A');
            lines.append(ZeroPad(int(random.bounded(4)) * 100, 5) + ",97/11/2" + char('0' + random.bounded(2)) + ',' + name);
        }
        QList<QByteArray> expected = lines;
        ReferenceQuickSort(expected, 0, int(expected.size()) - 1);
        ScoreList list;
        for (const QByteArray& line : lines)
            list.Append(line);
        list.Sort();
        ASSERT_EQ(list.Lines(), expected) << "round " << round;
    }
    QList<QByteArray> crafted = EveryPivotTheLargest(300);
    ScoreList list;
    for (const QByteArray& line : crafted)
        list.Append(line);
    list.Sort();
    ReferenceQuickSort(crafted, 0, int(crafted.size()) - 1);
    EXPECT_EQ(list.Lines(), crafted);
}
