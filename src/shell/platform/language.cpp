#include "platform/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <algorithm>

#ifndef PORIMOGU_INSTALLED_TRANSLATIONS
#define PORIMOGU_INSTALLED_TRANSLATIONS "../../share/porimogu/translations"
#endif

namespace porimogu {

namespace {

const QString kSourceLanguage = QStringLiteral("ja");
const QString kFallbackLanguage = QStringLiteral("en");

QString FileFor(const QString& language)
{
    return QStringLiteral("porimogu_%1.qm").arg(language);
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

// The codes a desktop's name for a language may have a file under, best first:
// "de-AT" -> de_AT, de; "zh-Hant-HK" -> zh_TW; "pt-PT" -> pt_BR.
QStringList Candidates(const QString& wanted)
{
    QString name = wanted;
    for (QChar stop : {QLatin1Char('.'), QLatin1Char('@')}) {
        const qsizetype at = name.indexOf(stop);
        if (at >= 0)
            name.truncate(at);
    }
    QStringList parts = name.replace(QLatin1Char('-'), QLatin1Char('_')).split(QLatin1Char('_'));
    const QString language = parts.takeFirst().toLower();
    if (language == QLatin1String("zh")) {
        for (const QString& p : parts) {
            const QString part = p.toLower();
            if (part == QLatin1String("hant") || part == QLatin1String("tw") || part == QLatin1String("hk")
                || part == QLatin1String("mo"))
                return {QStringLiteral("zh_TW")};
        }
        return {QStringLiteral("zh_CN")};
    }
    if (language == QLatin1String("pt"))
        return {QStringLiteral("pt_BR")};
    QStringList codes;
    for (const QString& p : parts) {
        if (p.size() == 2)  // a country, not a script
            codes << language + QLatin1Char('_') + p.toUpper();
    }
    codes << language;
    return codes;
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

QString MatchLanguage(const QString& wanted, const QStringList& dirs)
{
    const QString lower = wanted.trimmed().toLower();
    if (lower.isEmpty())
        return {};
    if (lower == QLatin1String("c") || lower.startsWith(QLatin1String("c.")) || lower == QLatin1String("posix"))
        return kSourceLanguage;
    for (const QString& code : Candidates(wanted.trimmed())) {
        if (code == kSourceLanguage || !FindFile(code, dirs).isEmpty())
            return code;
    }
    return {};
}

QString ChooseLanguage(const QStringList& uiLanguages, const QStringList& dirs)
{
    if (uiLanguages.isEmpty())
        return kSourceLanguage;
    for (const QString& wanted : uiLanguages) {
        if (const QString language = MatchLanguage(wanted, dirs); !language.isEmpty())
            return language;
    }
    return FindFile(kFallbackLanguage, dirs).isEmpty() ? kSourceLanguage : kFallbackLanguage;
}

QString InstallTranslations(const QStringList& uiLanguages, const QStringList& dirs)
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
    const QString language = ChooseLanguage(uiLanguages, dirs);
    if (language != kSourceLanguage) {
        game = new QTranslator(QCoreApplication::instance());
        if (!game->load(FindFile(language, dirs)))
            return InstallQtTranslation(kSourceLanguage, qt);
        QCoreApplication::installTranslator(game);
    }
    return InstallQtTranslation(language, qt);
}

QString InstallTranslations(const QLocale& locale, const QStringList& dirs)
{
    return InstallTranslations(locale.uiLanguages(), dirs);
}

StartLanguage InstallStartLanguage(const QString& asked, const QStringList& desktop, const QStringList& dirs)
{
    const QString match = asked.isEmpty() ? QString() : MatchLanguage(asked, dirs);
    StartLanguage start;
    start.language = InstallTranslations(match.isEmpty() ? desktop : QStringList{match}, dirs);
    if (!asked.isEmpty() && match.isEmpty())
        start.complaint = QCoreApplication::translate(
                              "CommandLine", "「%1」という ことばは ありません。デスクトップの ことばで はじめます")
                              .arg(asked);
    return start;
}

QStringList GameLanguages(const QStringList& dirs)
{
    QStringList codes{kSourceLanguage};
    for (const QString& dir : dirs) {
        for (const QString& file : QDir(dir).entryList({FileFor(QStringLiteral("*"))}, QDir::Files)) {
            const QString code = file.mid(9, file.size() - 12);
            if (!codes.contains(code))
                codes << code;
        }
    }
    std::sort(codes.begin(), codes.end());
    return codes;
}

QStringList FontFamilies(const QString& language)
{
    // Chinese and Korean share the Han letters with Japanese but not their shapes, and the
    // Japanese font has no Hangul: each gets its own cut of Noto Sans CJK. The Japanese
    // font's Cyrillic letters are a kana wide, each standing apart, and it lacks
    // Ukrainian і ї є ґ: Russian and Ukrainian are written in DejaVu Sans. The Japanese
    // font holds the accented Latin letters; DejaVu Sans the odd quote („) it lacks.
    const QString japanese = QStringLiteral("IPAPGothic");
    const QString latin = QStringLiteral("DejaVu Sans");
    if (language == QLatin1String("zh_CN"))
        return {QStringLiteral("Noto Sans CJK SC"), japanese, latin};
    if (language == QLatin1String("zh_TW"))
        return {QStringLiteral("Noto Sans CJK TC"), japanese, latin};
    if (language == QLatin1String("ko"))
        return {QStringLiteral("Noto Sans CJK KR"), japanese, latin};
    if (language == QLatin1String("ru") || language == QLatin1String("uk"))
        return {latin, japanese};
    return {japanese, latin};
}

} // namespace porimogu
