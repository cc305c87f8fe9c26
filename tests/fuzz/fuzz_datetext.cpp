// Date format pictures -> the date text, and the score line's date as TodayText gives it.
// Input: 2 bytes year, 1 month, 1 day, 2 locale index, 1 mode, then the picture in UTF-8.
#include "fuzzcheck.h"

#include "core/datetext.h"
#include "core/scores.h"

#include <QList>

using namespace porimogu;
using porimogu::fuzz::Require;

namespace {

// Every locale Qt knows: the short and long formats the game can meet.
const QList<QLocale>& Locales()
{
    static const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    return locales;
}

// The longest short date format a user can set; longer pictures only come from here.
constexpr qsizetype kMaxPicture = 80;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 7)
        return 0;
    // Years from -2000 to 9999 (there is no year 0), every month and day.
    int year = (data[0] | data[1] << 8) % 12000 - 2000;
    if (year == 0)
        year = 1;
    QDate date(year, 1 + data[2] % 12, 1 + data[3] % 31);
    if (!date.isValid())
        date = QDate(year, 1 + data[2] % 12, 1);
    const QLocale& locale = Locales()[(data[4] | data[5] << 8) % Locales().size()];
    const bool qtFormat = (data[6] & 1) != 0;
    QString picture = QString::fromUtf8(reinterpret_cast<const char*>(data + 7), static_cast<qsizetype>(size - 7));
    picture.truncate(kMaxPicture);

    DateTextLocale settings = DateTextLocaleFor(locale);
    settings.shortFormat = ConvertDateFormat(qtFormat ? PicturesFromQtFormat(picture) : picture);
    const QString text = FormatDateText(date, settings.shortFormat, settings);
    Require(text.size() <= 2'000'000, "the text stays bounded");

    SetDateTextSource([date] { return date; }, [settings] { return settings; });
    const QByteArray line = TodayText();
    SetDateTextSource({}, {});
    Require(!line.isEmpty(), "a date text");
    Require(!line.contains(',') && !line.contains('\r') && !line.contains('\n') && !line.contains('\0'),
            "the date cannot break a score line");
    const std::optional<QByteArray> again = ToShiftJis(FromShiftJis(line));
    Require(again && *again == line, "the date is whole Shift-JIS");
    return 0;
}
