// Names the score file can hold: accented letters as their plain letters, the letters
// Shift-JIS holds as typed, the others left for the prompt to refuse.
#include "core/plainletters.h"
#include "core/scores.h"

#include <gtest/gtest.h>

namespace porimogu {
namespace {

TEST(PlainLetters, AccentsGoLettersShiftJisHoldsStayOthersAreLeftToBeRefused)
{
    const struct {
        const char* typed;
        const char* kept;
        const char* from;  // the first letter changed, and what it became
        const char* to;
    } rows[] = {
        {"Zoé", "Zoe", "é", "e"},
        {"Jürgen", "Jurgen", "ü", "u"},
        {"Łucja", "Lucja", "Ł", "L"},
        {"Straße", "Strasse", "ß", "ss"},
        {"Ærø", "AEro", "Æ", "AE"},
        {"Œdipe Ðan Þór", "OEdipe Dan THor", "Œ", "OE"},
        {"François Ñandú", "Francois Nandu", "ç", "c"},
        {"Nguyễn Đức", "Nguyen Duc", "ễ", "e"},
        {"Zoe\u0301", "Zoe", "", ""},              // the accent typed on its own
        {"Ελένη", "Ελενη", "έ", "ε"},             // Greek keeps its letters, not the accent
        {"Αλέξης", "Αλεξης", "έ", "ε"},
        {"Дмитрий Ёж", "Дмитрий Ёж", "", ""},     // the Russian alphabet as typed
        {"Олексій Їжак Євген Ґава", "Олексiй Iжак Евген Гава", "і", "i"},
        {"ぽっけ ｷｬﾝｾﾙ ＡＢＣ", "ぽっけ ｷｬﾝｾﾙ ＡＢＣ", "", ""},
        {"민준", "민준", "", ""},                 // Hangul: no plain form, refused
        {"张伟", "张伟", "", ""},                 // 张 is no JIS kanji
        {"Zoé😀", "Zoe😀", "é", "e"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        PlainChange change;
        const QString kept = PlainLetters(QString::fromUtf8(row.typed), &change);
        EXPECT_EQ(kept, QString::fromUtf8(row.kept));
        EXPECT_EQ(change.from, QString::fromUtf8(row.from));
        EXPECT_EQ(change.to, QString::fromUtf8(row.to));
    }
    for (const char* heldWhole : {"Zoé", "Łucja", "Ελένη", "Олексій"})
        EXPECT_TRUE(ToShiftJis(PlainLetters(QString::fromUtf8(heldWhole))).has_value()) << heldWhole;
}

} // namespace
} // namespace porimogu
