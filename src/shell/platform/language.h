#pragma once
// The language the game speaks: the first of the desktop's languages, as Qt reads them
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), that the game has. The game is written in
// Japanese: Japanese, C and POSIX get the Japanese texts; a language with a translation
// file (porimogu_<code>.qm) is spoken in it; a desktop none of whose languages the game
// has gets English. Qt's own texts (the edit boxes' context menu, the command line's
// help) follow in the same language, and so do the fonts the game asks for.
#include <QLocale>
#include <QString>
#include <QStringList>

namespace porimogu {

// Where the translation files are looked for: beside the program (the build tree) and
// where an installed game keeps them.
QStringList TranslationDirs();

// The game's code for one language the desktop names ("de-DE", "de_DE.UTF-8", "zh-Hant",
// "pt"), when the game has that language given the files in `dirs`: "ja" for Japanese,
// C and POSIX, "zh_CN" for zh_CN/zh_SG/zh_Hans (and a bare zh), "zh_TW" for
// zh_TW/zh_HK/zh_MO/zh_Hant, "pt_BR" for any Portuguese; empty when it has not.
QString MatchLanguage(const QString& wanted, const QStringList& dirs);

// The language that `uiLanguages` (most wanted first) comes to: the first the game has;
// English when none is (Japanese when there is no English either); Japanese for an
// empty list.
QString ChooseLanguage(const QStringList& uiLanguages, const QStringList& dirs);

// Installs the game's and Qt's translations for `uiLanguages` on the running
// application, replacing those installed before; returns the language chosen ("ja":
// none needed). Call after the application object exists and before any window is built.
QString InstallTranslations(const QStringList& uiLanguages, const QStringList& dirs = TranslationDirs());
QString InstallTranslations(const QLocale& locale = QLocale::system(),
                            const QStringList& dirs = TranslationDirs());

// The language of a start: `asked` (--language, empty when not given) ahead of the
// desktop's languages. `complaint` is the one line to print on stderr when `asked` is
// not a language the game has (then the desktop's language is spoken), empty otherwise.
struct StartLanguage {
    QString language;
    QString complaint;
};
StartLanguage InstallStartLanguage(const QString& asked,
                                   const QStringList& desktop = QLocale::system().uiLanguages(),
                                   const QStringList& dirs = TranslationDirs());

// The codes of the languages the game has, given the files in `dirs`: "ja" and one
// for each translation, in the order of their codes.
QStringList GameLanguages(const QStringList& dirs = TranslationDirs());

// The installed font families the game's texts in `language` are drawn with, first
// choice first; the others are taken, in order, for a letter the first lacks. The
// game's forms name "ＭＳ Ｐゴシック": InstallFontSubstitutions makes it these.
QStringList FontFamilies(const QString& language);

} // namespace porimogu
