#pragma once
// The date text of a score line: today's local date in the user's short date format.
//
// Formats use the game's picture letters, compared without regard to case; a run of
// one letter is one field:
//   y, yy, yyy+       year (y: no century, no leading zero; yy: 2 digits; else 4)
//   m, mm             month number, at least that many digits
//   mmm, mmmm+        abbreviated / full month name of the locale
//   d, dd             day of the month, at least that many digits
//   ddd, dddd         abbreviated / full day name of the locale
//   ddddd, dddddd+    the whole short / long date format
//   g, gg, ggg+       era letter / era character / era name
//   e, ee+            era year (e: no leading zero; ee: 2 digits); the 4-digit year
//                     for dates before the first era
//   aaa, aaaa         the Japanese day name, short ("日") / long ("日曜日")
//   /                 the date separator
//   '…' or "…"        text copied without the quotes
// Every other character is copied unchanged.
#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QString>

#include <functional>

namespace porimogu {

// What formatting takes from the user's locale.
struct DateTextLocale {
    QString shortFormat;       // in picture letters, converted by ConvertDateFormat
    QString longFormat;        // the same, for dddddd
    QChar separator = u'/';    // what "/" outputs
    QLocale names = QLocale::c();  // month and day names
};

// The read-time conversion of a format: "gg" (any case) outside quotes becomes "ggg";
// quotes toggle quoted mode; everything else is copied.
QString ConvertDateFormat(const QString& format);

// A Qt date format (d, M, y; quoted literals with '' for a quote) in picture letters:
// literal letters and quotes are quoted so that they print as themselves.
QString PicturesFromQtFormat(const QString& qtFormat);

// The settings of a locale: its short and long date formats, the separator being the
// first non-letter of the short format, direction marks skipped ("/" when none). The C locale (no real
// setting: LANG unset, C, C.UTF-8, POSIX) gives "yy/MM/dd" with "/".
DateTextLocale DateTextLocaleFor(const QLocale& locale);

// date formatted with format (picture letters) and locale's settings.
QString FormatDateText(const QDate& date, const QString& format, const DateTextLocale& locale);

// Today's date, read now, in the short date format of QLocale::system(), as Shift-JIS
// bytes. A text that Shift-JIS cannot hold or that holds a comma or line break (it
// would break the score line) is replaced by the "yy/MM/dd" form.
QByteArray TodayText();

// Replaces where TodayText takes the date and the settings from; empty functions
// restore the local clock and QLocale::system(). For tests.
void SetDateTextSource(std::function<QDate()> today, std::function<DateTextLocale()> locale);

} // namespace porimogu
