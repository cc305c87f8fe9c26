// desktopl10n: writes the desktop entry and the AppStream metainfo in every language
// the game has, from their templates and the translation files.
//
//   desktopl10n DESKTOP_IN DESKTOP_OUT METAINFO_IN METAINFO_OUT TS...
//
// A template names each text by its Japanese: after a desktop entry's `Key[ja]=text`
// line (Name, GenericName, Comment, Keywords) come `Key[xx]=` lines with the text's
// translation from the DesktopEntry context of each .ts file; after the metainfo's
// `<name xml:lang="ja">` and `<summary xml:lang="ja">` lines come the same in every
// language, and after its `<lang>ja</lang>` one `<lang>` for each. A text a
// translation file does not translate (or leaves unfinished) is an error: the entry
// speaks every language whole or the build stops.
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <algorithm>

#include <cstdio>
#include <stdexcept>

namespace {

struct Translation {
    QString language;             // as the .ts file names it: de, pt_BR, zh_CN
    QMap<QString, QString> texts; // Japanese source -> translation, DesktopEntry only
};

[[noreturn]] void Fail(const QString& message)
{
    throw std::runtime_error(message.toStdString());
}

QString ReadAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("cannot read %1").arg(path));
    return QString::fromUtf8(f.readAll());
}

void WriteAll(const QString& path, const QString& text)
{
    QFile f(path);
    const QByteArray bytes = text.toUtf8();
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        Fail(QStringLiteral("cannot write %1").arg(path));
}

Translation ReadTs(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("cannot read %1").arg(path));
    Translation t;
    QXmlStreamReader xml(&f);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("TS")) {
            t.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && context == QLatin1String("DesktopEntry")) {
            const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString text = xml.readElementText().simplified();
            if (finished && !text.isEmpty())
                t.texts.insert(source, text);
        }
    }
    if (xml.hasError())
        Fail(QStringLiteral("%1: %2").arg(path, xml.errorString()));
    if (t.language.isEmpty())
        Fail(QStringLiteral("%1 names no language").arg(path));
    return t;
}

QString Translated(const Translation& t, const QString& source)
{
    const auto it = t.texts.constFind(source);
    if (it == t.texts.constEnd())
        Fail(QStringLiteral("porimogu_%1.ts does not translate \"%2\" (DesktopEntry)").arg(t.language, source));
    return *it;
}

// A desktop entry's value: backslashes escaped; a keyword list ends with ';'.
QString DesktopValue(const QString& key, QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    if (key == QLatin1String("Keywords") && !text.endsWith(QLatin1Char(';')))
        text += QLatin1Char(';');
    return text;
}

QString XmlText(const QString& text)
{
    return text.toHtmlEscaped();
}

QString XmlSource(QString text)
{
    return text.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&apos;"), QLatin1String("'"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

QString Desktop(const QString& in, const QList<Translation>& all)
{
    static const QRegularExpression keyLine(
        QStringLiteral("^(Name|GenericName|Comment|Keywords)\\[ja\\]=(.*)$"));
    QStringList out;
    for (const QString& line : in.split(QLatin1Char('\n'))) {
        out << line;
        const QRegularExpressionMatch m = keyLine.match(line);
        if (!m.hasMatch())
            continue;
        const QString key = m.captured(1);
        for (const Translation& t : all)
            out << QStringLiteral("%1[%2]=%3").arg(key, t.language, DesktopValue(key, Translated(t, m.captured(2))));
    }
    return out.join(QLatin1Char('\n'));
}

QString Metainfo(const QString& in, const QList<Translation>& all)
{
    static const QRegularExpression textLine(
        QStringLiteral("^(\\s*)<(name|summary) xml:lang=\"ja\">(.*)</\\2>$"));
    static const QRegularExpression langLine(QStringLiteral("^(\\s*)<lang>ja</lang>$"));
    QStringList out;
    for (const QString& line : in.split(QLatin1Char('\n'))) {
        out << line;
        if (const QRegularExpressionMatch m = textLine.match(line); m.hasMatch()) {
            for (const Translation& t : all)
                out << QStringLiteral("%1<%2 xml:lang=\"%3\">%4</%2>")
                           .arg(m.captured(1), m.captured(2), t.language,
                                XmlText(Translated(t, XmlSource(m.captured(3)))));
        } else if (const QRegularExpressionMatch l = langLine.match(line); l.hasMatch()) {
            for (const Translation& t : all)
                out << QStringLiteral("%1<lang>%2</lang>").arg(l.captured(1), t.language);
        }
    }
    return out.join(QLatin1Char('\n'));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: desktopl10n DESKTOP_IN DESKTOP_OUT METAINFO_IN METAINFO_OUT TS...\n");
        return 2;
    }
    try {
        QList<Translation> all;
        for (int i = 5; i < argc; ++i)
            all << ReadTs(QString::fromLocal8Bit(argv[i]));
        std::sort(all.begin(), all.end(),
                  [](const Translation& a, const Translation& b) { return a.language < b.language; });
        WriteAll(QString::fromLocal8Bit(argv[2]), Desktop(ReadAll(QString::fromLocal8Bit(argv[1])), all));
        WriteAll(QString::fromLocal8Bit(argv[4]), Metainfo(ReadAll(QString::fromLocal8Bit(argv[3])), all));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "desktopl10n: %s\n", e.what());
        return 1;
    }
    return 0;
}
