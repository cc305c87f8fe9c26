#pragma once
// Names in the score file: Tops.dat is Shift-JIS, which holds Japanese, plain Latin
// letters, Greek and the Russian alphabet, but no accented letter. A name typed in a
// language with accents keeps its letters as their plain forms (Zoé -> Zoe, Jürgen ->
// Jurgen, Łucja -> Lucja, Straße -> Strasse); a letter with no plain form that
// Shift-JIS holds (Hangul, most simplified hanzi, emoji) stays as it is, for the name
// prompt to refuse.
#include <QString>

namespace porimogu {

// The first letter PlainLetters changed and what it became ("é", "e"); empty when none.
struct PlainChange {
    QString from;
    QString to;
};

// `text` with every letter Shift-JIS cannot hold replaced by its plain form when it has
// one that Shift-JIS holds: the letter without its accents (canonical decomposition,
// combining marks dropped), or from a small table for letters that do not decompose
// (ł đ ø æ œ ß þ ð ı ħ ŧ ŋ, and Ukrainian і ї є ґ as i i е г). Letters Shift-JIS holds,
// Japanese, Greek and Cyrillic among them, are kept exactly, half-width katakana too.
QString PlainLetters(const QString& text, PlainChange* change = nullptr);

} // namespace porimogu
