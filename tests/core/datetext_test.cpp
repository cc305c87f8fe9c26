// The date text of score lines: the picture letters, the eras, and where the format
// comes from.
#include "core/datetext.h"

#include <gtest/gtest.h>

using namespace porimogu;

namespace {

QString Format(const QDate& date, const QString& format, const DateTextLocale& locale = DateTextLocale{})
{
    return FormatDateText(date, format, locale);
}

// Restores the local clock and the system locale after a test replaced them.
class TodaySource : public ::testing::Test {
protected:
    void TearDown() override { SetDateTextSource({}, {}); }
};

} // namespace

TEST(DateText, YearMonthAndDayNumbers)
{
    const QDate date(2005, 3, 4);
    EXPECT_EQ(Format(date, QStringLiteral("yy/MM/dd")), QStringLiteral("05/03/04"));
    EXPECT_EQ(Format(date, QStringLiteral("y/M/d")), QStringLiteral("5/3/4"));
    EXPECT_EQ(Format(date, QStringLiteral("yyyy-mm-dd")), QStringLiteral("2005-03-04"));
    EXPECT_EQ(Format(date, QStringLiteral("yyy")), QStringLiteral("2005"));
    EXPECT_EQ(Format(QDate(1997, 11, 21), QStringLiteral("YY/mm/DD")), QStringLiteral("97/11/21"));
    EXPECT_EQ(Format(QDate(2010, 12, 31), QStringLiteral("y m d")), QStringLiteral("10 12 31"));
}

TEST(DateText, NamesFromTheLocaleAndTheJapaneseDayNames)
{
    const QDate friday(2005, 3, 4);
    EXPECT_EQ(Format(friday, QStringLiteral("mmm mmmm ddd dddd")), QStringLiteral("Mar March Fri Friday"));
    EXPECT_EQ(Format(friday, QStringLiteral("aaa")), QStringLiteral("金"));
    EXPECT_EQ(Format(friday, QStringLiteral("aaaa")), QStringLiteral("金曜日"));
    EXPECT_EQ(Format(QDate(2005, 3, 6), QStringLiteral("(AAA)")), QStringLiteral("(日)"));
    // A lone "a" is no picture.
    EXPECT_EQ(Format(friday, QStringLiteral("a d")), QStringLiteral("a 4"));

    DateTextLocale german = DateTextLocaleFor(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(Format(friday, QStringLiteral("dddd, d. mmmm"), german), QStringLiteral("Freitag, 4. März"));
}

TEST(DateText, ErasStartOnTheirDaysAndTheFirstFiveMeijiYearsHaveNone)
{
    EXPECT_EQ(Format(QDate(1872, 6, 1), ConvertDateFormat(QStringLiteral("ggge"))), QStringLiteral("1872"));
    EXPECT_EQ(Format(QDate(1872, 6, 1), QStringLiteral("gee")), QStringLiteral("1872"));
    EXPECT_EQ(Format(QDate(1867, 12, 31), QStringLiteral("g e")), QStringLiteral(" 1867"));
    EXPECT_EQ(Format(QDate(1873, 1, 1), QStringLiteral("ggge")), QStringLiteral("明治6"));

    EXPECT_EQ(Format(QDate(1989, 1, 7), QStringLiteral("ggge年")), QStringLiteral("昭和64年"));
    EXPECT_EQ(Format(QDate(1989, 1, 8), QStringLiteral("ggge年")), QStringLiteral("平成1年"));
    EXPECT_EQ(Format(QDate(1997, 11, 21), QStringLiteral("g ee")), QStringLiteral("H 09"));
    EXPECT_EQ(Format(QDate(1997, 11, 21), QStringLiteral("gg e")), QStringLiteral("平 9"));
    EXPECT_EQ(Format(QDate(1926, 12, 25), QStringLiteral("ggg ee")), QStringLiteral("昭和 01"));
    EXPECT_EQ(Format(QDate(2019, 4, 30), QStringLiteral("ggge")), QStringLiteral("平成31"));
    EXPECT_EQ(Format(QDate(2019, 5, 1), QStringLiteral("ggge")), QStringLiteral("令和1"));
}

TEST(DateText, SeparatorQuotesAndOtherCharacters)
{
    DateTextLocale dots;
    dots.separator = u'.';
    const QDate date(2005, 3, 4);
    EXPECT_EQ(Format(date, QStringLiteral("dd/mm/yy"), dots), QStringLiteral("04.03.05"));
    EXPECT_EQ(Format(date, QStringLiteral("dd'/'mm\"/\"yy"), dots), QStringLiteral("04/03/05"));
    EXPECT_EQ(Format(date, QStringLiteral("'day' d, \"year's\" yyyy")), QStringLiteral("day 4, year's 2005"));
    EXPECT_EQ(Format(date, QStringLiteral("yyyy年m月d日")), QStringLiteral("2005年3月4日"));
    EXPECT_EQ(Format(date, QStringLiteral("d 'open")), QStringLiteral("4 open"));
}

TEST(DateText, WholeFormatsNestTwoLevelsAtMost)
{
    DateTextLocale locale;
    locale.shortFormat = QStringLiteral("yy/mm/dd");
    locale.longFormat = QStringLiteral("yyyy, ddddd");
    const QDate date(2005, 3, 4);
    EXPECT_EQ(Format(date, QStringLiteral("[ddddd]"), locale), QStringLiteral("[05/03/04]"));
    EXPECT_EQ(Format(date, QStringLiteral("dddddd"), locale), QStringLiteral("2005, 05/03/04"));
    locale.shortFormat = QStringLiteral("d ddddd");  // names itself: ends after two levels
    EXPECT_EQ(Format(date, QStringLiteral("ddddd"), locale), QStringLiteral("4 4 "));
}

TEST(DateText, ReadingAFormatTurnsGgIntoGgg)
{
    EXPECT_EQ(ConvertDateFormat(QStringLiteral("gge")), QStringLiteral("ggge"));
    EXPECT_EQ(ConvertDateFormat(QStringLiteral("GG/e")), QStringLiteral("ggg/e"));
    EXPECT_EQ(ConvertDateFormat(QStringLiteral("ggg")), QStringLiteral("gggg"));
    EXPECT_EQ(ConvertDateFormat(QStringLiteral("'gg' gg")), QStringLiteral("'gg' ggg"));
    EXPECT_EQ(ConvertDateFormat(QStringLiteral("\"a'gg\" g")), QStringLiteral("\"a'gg\" g"));
    EXPECT_EQ(ConvertDateFormat(QStringLiteral("yy/MM/dd")), QStringLiteral("yy/MM/dd"));
}

TEST(DateText, CLocaleGivesTheFormOfTheDefaultLines)
{
    const DateTextLocale c = DateTextLocaleFor(QLocale::c());
    EXPECT_EQ(c.shortFormat, QStringLiteral("yy/MM/dd"));
    EXPECT_EQ(c.separator, u'/');
    EXPECT_EQ(Format(QDate(1997, 11, 21), c.shortFormat, c), QStringLiteral("97/11/21"));

    const DateTextLocale ja = DateTextLocaleFor(QLocale(QLocale::Japanese, QLocale::Japan));
    EXPECT_EQ(Format(QDate(1997, 11, 21), ja.shortFormat, ja), QStringLiteral("1997/11/21"));
    const DateTextLocale de = DateTextLocaleFor(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(de.separator, u'.');
}

TEST(DateText, LocaleFormatsPrintAsTheLocaleItselfPrints)
{
    // Qt's formats, turned into picture letters, give the text Qt gives: literal
    // letters and quotes stay literal.
    const QDate date(2005, 3, 4);
    for (const QLocale& locale :
         {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::English, QLocale::UnitedKingdom),
          QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::French, QLocale::France),
          QLocale(QLocale::Japanese, QLocale::Japan), QLocale(QLocale::Chinese, QLocale::China),
          QLocale(QLocale::Korean, QLocale::SouthKorea), QLocale(QLocale::Russian, QLocale::Russia),
          QLocale(QLocale::Spanish, QLocale::Spain), QLocale(QLocale::Portuguese, QLocale::Brazil),
          QLocale(QLocale::Bulgarian, QLocale::Bulgaria), QLocale(QLocale::Hungarian, QLocale::Hungary)}) {
        const DateTextLocale info = DateTextLocaleFor(locale);
        EXPECT_EQ(Format(date, info.shortFormat, info), locale.toString(date, QLocale::ShortFormat))
            << locale.name().toStdString() << " " << locale.dateFormat(QLocale::ShortFormat).toStdString();
        EXPECT_EQ(Format(date, info.longFormat, info), locale.toString(date, QLocale::LongFormat))
            << locale.name().toStdString() << " " << locale.dateFormat(QLocale::LongFormat).toStdString();
    }
    EXPECT_EQ(PicturesFromQtFormat(QStringLiteral("d 'de' MMMM, ''yy")),
              QStringLiteral("d 'd''e' MMMM, \"'\"yy"));
}

TEST_F(TodaySource, TodayTextUsesTheDateOfNowInTheLocalesShortFormat)
{
    SetDateTextSource([] { return QDate(1997, 11, 21); }, [] { return DateTextLocaleFor(QLocale::c()); });
    EXPECT_EQ(TodayText(), QByteArray("97/11/21"));
    SetDateTextSource([] { return QDate(2005, 3, 4); },
                      [] { return DateTextLocaleFor(QLocale(QLocale::German, QLocale::Germany)); });
    EXPECT_EQ(TodayText(), QByteArray("04.03.05"));
    SetDateTextSource([] { return QDate(2005, 3, 4); }, [] {
        DateTextLocale era = DateTextLocaleFor(QLocale::c());
        era.shortFormat = ConvertDateFormat(QStringLiteral("gge'年'm'月'd'日'"));
        return era;
    });
    EXPECT_EQ(TodayText(), QByteArray("\x95\xBD\x90\xAC" "17\x94\x4E" "3\x8C\x8E" "4\x93\xFA"));  // 平成17年3月4日
}

TEST_F(TodaySource, TextThatWouldBreakTheScoreLineFallsBackToTheDefaultForm)
{
    const auto withFormat = [](const QString& format) {
        SetDateTextSource([] { return QDate(2005, 3, 4); }, [format] {
            DateTextLocale locale = DateTextLocaleFor(QLocale::c());
            locale.shortFormat = format;
            return locale;
        });
        return TodayText();
    };
    EXPECT_EQ(withFormat(QStringLiteral("mmmm d, yyyy")), QByteArray("05/03/04"));         // a comma
    EXPECT_EQ(withFormat(QString::fromUtf8("d\u00e9m")), QByteArray("05/03/04"));          // no Shift-JIS
    EXPECT_EQ(withFormat(QString()), QByteArray("05/03/04"));                               // nothing
    EXPECT_EQ(withFormat(QStringLiteral("d.m.yyyy")), QByteArray("4.3.2005"));
    SetDateTextSource([] { return QDate(2005, 3, 4); },
                      [] { return DateTextLocaleFor(QLocale(QLocale::Arabic, QLocale::Egypt)); });
    EXPECT_EQ(TodayText(), QByteArray("05/03/04"));  // direction marks and Arabic digits
}
