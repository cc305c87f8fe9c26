#pragma once
// The language the game speaks: the desktop's, as Qt reads it (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG). The game is written in Japanese; a language with a translation
// file (porimogu_<language>.qm, or porimogu_<language>_<COUNTRY>.qm where the language
// is written differently by country, as Chinese is) is spoken in it; every other one,
// C and POSIX included, gets the Japanese texts. Qt's own texts (the edit boxes'
// context menu, the command line's help) follow in the same language.
#include <QLocale>
#include <QString>
#include <QStringList>

namespace porimogu {

// Where the translation files are looked for: beside the program (the build tree) and
// where an installed game keeps them.
QStringList TranslationDirs();

// The language that `uiLanguages` (most wanted first) comes to, given the translation
// files in `dirs`: the first that is Japanese or has a file; "ja" when none does. The
// answer names the file: "en", "zh_TW".
QString ChooseLanguage(const QStringList& uiLanguages, const QStringList& dirs);

// Installs the game's and Qt's translations for `locale` on the running application,
// replacing those installed before; returns the language chosen ("ja": none needed).
// Call after the application object exists and before any window is built.
QString InstallTranslations(const QLocale& locale = QLocale::system(),
                            const QStringList& dirs = TranslationDirs());

} // namespace porimogu
