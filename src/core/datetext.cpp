#include "core/datetext.h"

#include "core/scores.h"

#include <array>
#include <utility>

namespace porimogu {

namespace {

struct Era {
    QString letter;
    QString character;
    QString name;
    QDate start;
};

// The eras a date can fall in, oldest first.
const std::array<Era, 5>& Eras()
{
    static const std::array<Era, 5> eras = {{
        {QStringLiteral("M"), QStringLiteral("明"), QStringLiteral("明治"), QDate(1868, 1, 1)},
        {QStringLiteral("T"), QStringLiteral("大"), QStringLiteral("大正"), QDate(1912, 7, 30)},
        {QStringLiteral("S"), QStringLiteral("昭"), QStringLiteral("昭和"), QDate(1926, 12, 25)},
        {QStringLiteral("H"), QStringLiteral("平"), QStringLiteral("平成"), QDate(1989, 1, 8)},
        {QStringLiteral("R"), QStringLiteral("令"), QStringLiteral("令和"), QDate(2019, 5, 1)},
    }};
    return eras;
}

// The era of date, or none before 1868-01-01 and in the first five years of the
// first era (before the calendar of eras applied to dates).
const Era* EraOf(const QDate& date)
{
    const Era* found = nullptr;
    for (const Era& era : Eras()) {
        if (era.start <= date)
            found = &era;
    }
    if (found == &Eras().front() && date.year() - found->start.year() + 1 < 6)
        return nullptr;
    return found;
}

QString Digits(int value, int minDigits)
{
    return QStringLiteral("%1").arg(value, minDigits, 10, QLatin1Char('0'));
}

bool IsAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool IsQuote(QChar c)
{
    return c == u'\'' || c == u'"';
}

qsizetype RunLength(const QString& format, qsizetype p)
{
    const QChar letter = format[p].toLower();
    qsizetype q = p + 1;
    while (q < format.size() && format[q].toLower() == letter)
        ++q;
    return q - p;
}

bool StartsWithNoCase(const QString& format, qsizetype p, QStringView word)
{
    return QStringView(format).mid(p, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

// Nested formats (ddddd, dddddd) expand two levels deep at most, so a format that
// names itself ends.
constexpr int kMaxNesting = 2;

void AppendFormatted(QString& out, const QDate& date, const QString& format,
                     const DateTextLocale& locale, int depth)
{
    static const std::array<QString, 7> shortDays = {
        QStringLiteral("日"), QStringLiteral("月"), QStringLiteral("火"), QStringLiteral("水"),
        QStringLiteral("木"), QStringLiteral("金"), QStringLiteral("土")};
    const int dayIndex = date.dayOfWeek() % 7;  // 0 = Sunday

    qsizetype p = 0;
    while (p < format.size()) {
        const QChar c = format[p];
        const char16_t letter = c.toLower().unicode();
        if (letter == u'y' || letter == u'm' || letter == u'd' || letter == u'g' || letter == u'e') {
            const qsizetype count = RunLength(format, p);
            p += count;
            const Era* era = EraOf(date);
            switch (letter) {
            case u'y':
                if (count == 1)
                    out += QString::number(date.year() % 100);
                else if (count == 2)
                    out += Digits(date.year() % 100, 2);
                else
                    out += Digits(date.year(), 4);
                break;
            case u'm':
                if (count <= 2)
                    out += Digits(date.month(), static_cast<int>(count));
                else
                    out += locale.names.monthName(date.month(), count == 3 ? QLocale::ShortFormat
                                                                            : QLocale::LongFormat);
                break;
            case u'd':
                if (count <= 2)
                    out += Digits(date.day(), static_cast<int>(count));
                else if (count <= 4)
                    out += locale.names.dayName(date.dayOfWeek(), count == 3 ? QLocale::ShortFormat
                                                                              : QLocale::LongFormat);
                else if (depth < kMaxNesting)
                    AppendFormatted(out, date, count == 5 ? locale.shortFormat : locale.longFormat,
                                    locale, depth + 1);
                break;
            case u'g':
                if (era)
                    out += count == 1 ? era->letter : count == 2 ? era->character : era->name;
                break;
            default:  // e
                if (!era)
                    out += Digits(date.year(), 4);
                else
                    out += Digits(date.year() - era->start.year() + 1, count == 1 ? 1 : 2);
                break;
            }
        } else if (letter == u'a' && StartsWithNoCase(format, p, u"aaaa")) {
            out += shortDays[static_cast<std::size_t>(dayIndex)] + QStringLiteral("曜日");
            p += 4;
        } else if (letter == u'a' && StartsWithNoCase(format, p, u"aaa")) {
            out += shortDays[static_cast<std::size_t>(dayIndex)];
            p += 3;
        } else if (c == u'/') {
            out += locale.separator;
            ++p;
        } else if (IsQuote(c)) {
            qsizetype close = format.indexOf(c, p + 1);
            if (close < 0)
                close = format.size();
            out += QStringView(format).mid(p + 1, close - p - 1);
            p = close + 1;
        } else {
            out += c;
            ++p;
        }
    }
}

// Appends one literal character of a Qt format so that it prints as itself.
void AppendLiteral(QString& out, QChar c)
{
    if (c == u'\'')
        out += QStringLiteral("\"'\"");
    else if (c == u'"')
        out += QStringLiteral("'\"'");
    else if (IsAsciiLetter(c) || c == u'/')
        out += QLatin1Char('\'') + c + QLatin1Char('\'');
    else
        out += c;
}

std::function<QDate()>& TodaySource()
{
    static std::function<QDate()> source;
    return source;
}

std::function<DateTextLocale()>& LocaleSource()
{
    static std::function<DateTextLocale()> source;
    return source;
}

bool FitsScoreLine(const QByteArray& text)
{
    return !text.isEmpty() && !text.contains(',') && !text.contains('\r') && !text.contains('\n')
        && !text.contains('\0');
}

} // namespace

QString ConvertDateFormat(const QString& format)
{
    QString out;
    QChar quote;  // the quote that opened quoted mode, or null
    qsizetype p = 0;
    while (p < format.size()) {
        const QChar c = format[p];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            out += c;
            ++p;
        } else if (IsQuote(c)) {
            quote = c;
            out += c;
            ++p;
        } else if (StartsWithNoCase(format, p, u"gg")) {
            out += QStringLiteral("ggg");
            p += 2;
        } else {
            out += c;
            ++p;
        }
    }
    return out;
}

QString PicturesFromQtFormat(const QString& qtFormat)
{
    QString out;
    qsizetype p = 0;
    const qsizetype n = qtFormat.size();
    while (p < n) {
        const QChar c = qtFormat[p];
        if (c == u'\'') {
            if (p + 1 < n && qtFormat[p + 1] == u'\'') {  // '' is one quote
                AppendLiteral(out, c);
                p += 2;
                continue;
            }
            ++p;
            while (p < n) {
                if (qtFormat[p] == u'\'') {
                    if (p + 1 < n && qtFormat[p + 1] == u'\'') {
                        AppendLiteral(out, u'\'');
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                AppendLiteral(out, qtFormat[p]);
                ++p;
            }
        } else if (c == u'd' || c == u'M' || c == u'y') {
            out += c;
            ++p;
        } else if (c == u'/') {
            out += c;
            ++p;
        } else {
            AppendLiteral(out, c);
            ++p;
        }
    }
    return out;
}

DateTextLocale DateTextLocaleFor(const QLocale& locale)
{
    DateTextLocale result;
    result.names = locale;
    result.longFormat = ConvertDateFormat(PicturesFromQtFormat(locale.dateFormat(QLocale::LongFormat)));
    if (locale.language() == QLocale::C) {
        result.shortFormat = QStringLiteral("yy/MM/dd");
        result.separator = u'/';
        return result;
    }
    const QString qtShort = locale.dateFormat(QLocale::ShortFormat);
    result.shortFormat = qtShort.isEmpty() ? QStringLiteral("m/d/yy")
                                           : ConvertDateFormat(PicturesFromQtFormat(qtShort));
    result.separator = u'/';
    for (const QChar c : qtShort) {
        // Invisible direction marks are not separators.
        if (!c.isLetter() && !IsQuote(c) && c.category() != QChar::Other_Format) {
            result.separator = c;
            break;
        }
    }
    return result;
}

QString FormatDateText(const QDate& date, const QString& format, const DateTextLocale& locale)
{
    QString out;
    AppendFormatted(out, date, format, locale, 0);
    return out;
}

QByteArray TodayText()
{
    const QDate today = TodaySource() ? TodaySource()() : QDate::currentDate();
    const DateTextLocale locale = LocaleSource() ? LocaleSource()() : DateTextLocaleFor(QLocale::system());
    const std::optional<QByteArray> text = ToShiftJis(FormatDateText(today, locale.shortFormat, locale));
    if (text && FitsScoreLine(*text))
        return *text;
    return FormatDateText(today, QStringLiteral("yy/MM/dd"), DateTextLocale{}).toLatin1();
}

void SetDateTextSource(std::function<QDate()> today, std::function<DateTextLocale()> locale)
{
    TodaySource() = std::move(today);
    LocaleSource() = std::move(locale);
}

} // namespace porimogu
