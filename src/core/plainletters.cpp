#include "core/plainletters.h"

#include "core/scores.h"

#include <QChar>

namespace porimogu {

namespace {

// Letters with no canonical decomposition and a plain form in Shift-JIS. Ukrainian і
// and ї become the Latin i, which looks the same; є the Cyrillic е, ґ the г it is drawn
// from.
struct Plain {
    char16_t letter;
    const char16_t* plain;
};
constexpr Plain kPlain[] = {
    {u'ł', u"l"},  {u'Ł', u"L"},  {u'đ', u"d"},  {u'Đ', u"D"},  {u'ø', u"o"},  {u'Ø', u"O"},
    {u'æ', u"ae"}, {u'Æ', u"AE"}, {u'œ', u"oe"}, {u'Œ', u"OE"}, {u'ß', u"ss"}, {u'ẞ', u"SS"},
    {u'þ', u"th"}, {u'Þ', u"TH"}, {u'ð', u"d"},  {u'Ð', u"D"},  {u'ı', u"i"},  {u'ħ', u"h"},
    {u'Ħ', u"H"},  {u'ŧ', u"t"},  {u'Ŧ', u"T"},  {u'ŋ', u"n"},  {u'Ŋ', u"N"},  {u'ĸ', u"k"},
    {u'ŀ', u"l"},  {u'Ŀ', u"L"},  {u'ſ', u"s"},  {u'і', u"i"},  {u'І', u"I"},  {u'ї', u"i"},
    {u'Ї', u"I"},  {u'є', u"е"},  {u'Є', u"Е"},  {u'ґ', u"г"},  {u'Ґ', u"Г"},
};

bool Holds(const QString& text)
{
    return ToShiftJis(text).has_value();
}

// The plain form of one letter (one code point, as text), empty when it has none.
QString PlainForm(const QString& letter)
{
    if (letter.size() == 1) {
        for (const Plain& p : kPlain) {
            if (letter.at(0) == QChar(p.letter))
                return QString::fromUtf16(p.plain);
        }
    }
    QString plain;
    for (const QChar c : letter.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        plain += c;
    }
    if (plain == letter)
        return {};
    // A letter whose base has no plain form of its own either (ǿ: ø with an accent).
    if (!Holds(plain) && plain.size() == 1)
        return PlainForm(plain);
    return plain;
}

} // namespace

QString PlainLetters(const QString& text, PlainChange* change)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString letter = text.mid(i, n);
        i += n;
        if (Holds(letter)) {
            out += letter;
            continue;
        }
        if (letter.at(0).category() == QChar::Mark_NonSpacing)
            continue;  // an accent typed on its own, after its letter
        const QString plain = PlainForm(letter);
        if (plain.isEmpty() || !Holds(plain)) {
            out += letter;
            continue;
        }
        if (change && change->from.isEmpty())
            *change = PlainChange{letter, plain};
        out += plain;
    }
    return out;
}

} // namespace porimogu
