#include "platform/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#ifndef PORIMOGU_INSTALLED_TRANSLATIONS
#define PORIMOGU_INSTALLED_TRANSLATIONS "../../share/porimogu/translations"
#endif

namespace porimogu {

namespace {

const QString kSourceLanguage = QStringLiteral("ja");

QString FileFor(const QString& language)
{
    return QStringLiteral("porimogu_%1.qm").arg(language);
}

// "en-US", "en_US.UTF-8", "en" -> "en"; "C", "POSIX" -> "c", "posix".
QString LanguagePart(const QString& name)
{
    QString language = name;
    for (QChar stop : {QLatin1Char('-'), QLatin1Char('_'), QLatin1Char('.'), QLatin1Char('@')}) {
        const qsizetype at = language.indexOf(stop);
        if (at >= 0)
            language.truncate(at);
    }
    return language.toLower();
}

// The names a wanted language's file may have, most fitting first: the language of its
// own country, the country its script is usually written in, the bare language. So
// "zh-Hant-HK" looks for zh_HK, zh_TW, zh; "zh-Hans" and "zh" for zh_CN, zh;
// "en_GB.UTF-8" for en_GB, en_US, en.
QStringList FileNames(const QString& wanted, const QString& language)
{
    QString tag = wanted;
    for (QChar stop : {QLatin1Char('.'), QLatin1Char('@')}) {
        const qsizetype at = tag.indexOf(stop);
        if (at >= 0)
            tag.truncate(at);
    }
    QStringList names;
    const QLocale locale(tag.replace(QLatin1Char('_'), QLatin1Char('-')));
    if (locale.language() != QLocale::C && LanguagePart(locale.name()) == language) {
        names << locale.name() << QLocale(locale.language(), locale.script(), QLocale::AnyTerritory).name();
    }
    names << language;
    names.removeDuplicates();
    return names;
}

QString FindFile(const QString& language, const QStringList& dirs)
{
    for (const QString& dir : dirs) {
        const QFileInfo file(QDir(dir), FileFor(language));
        if (file.isFile() && file.isReadable())
            return file.filePath();
    }
    return {};
}

// Qt's own texts in `language` (from the system's Qt translations), when there are any.
QString InstallQtTranslation(const QString& language, QPointer<QTranslator>& qt)
{
    qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    return language;
}

} // namespace

QStringList TranslationDirs()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(QStringLiteral("translations")),
            QDir::cleanPath(program.filePath(QStringLiteral(PORIMOGU_INSTALLED_TRANSLATIONS)))};
}

QString ChooseLanguage(const QStringList& uiLanguages, const QStringList& dirs)
{
    for (const QString& wanted : uiLanguages) {
        const QString language = LanguagePart(wanted);
        if (language == kSourceLanguage || language == QLatin1String("c") || language == QLatin1String("posix"))
            return kSourceLanguage;
        if (language.isEmpty())
            continue;
        for (const QString& name : FileNames(wanted, language)) {
            if (!FindFile(name, dirs).isEmpty())
                return name;
        }
    }
    return kSourceLanguage;
}

QString InstallTranslations(const QLocale& locale, const QStringList& dirs)
{
    // Owned by the application; a second call (a test that changes the language)
    // takes the earlier ones away first.
    static QPointer<QTranslator> game;
    static QPointer<QTranslator> qt;
    for (QPointer<QTranslator>* t : {&game, &qt}) {
        if (*t) {
            QCoreApplication::removeTranslator(*t);
            delete t->data();
        }
    }
    const QString language = ChooseLanguage(locale.uiLanguages(), dirs);
    if (language != kSourceLanguage) {
        game = new QTranslator(QCoreApplication::instance());
        if (!game->load(FindFile(language, dirs)))
            return InstallQtTranslation(kSourceLanguage, qt);
        QCoreApplication::installTranslator(game);
    }
    return InstallQtTranslation(language, qt);
}

} // namespace porimogu
