#include "platform/commandline.h"

#include "platform/title.h"

#include <QCoreApplication>

#ifndef PORIMOGU_VERSION
#error "PORIMOGU_VERSION is set by the build"
#endif

namespace porimogu {

CommandLine ReadCommandLine(const QStringList& args)
{
    CommandLine line;
    if (args.size() == 3 && args.at(1) == QLatin1String("--launch-error")) {
        line.ask = CommandLine::Ask::LaunchError;
        line.launchError = args.at(2);
        return line;
    }
    bool help = false;
    bool version = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == QLatin1String("--"))
            break;
        help = help || a == QLatin1String("--help") || a == QLatin1String("-h");
        version = version || a == QLatin1String("--version");
        line.fullScreen = line.fullScreen || a == QLatin1String("--fullscreen");
        if (a == QLatin1String("--language") && i + 1 < args.size())
            line.language = args.at(++i);
        else if (a.startsWith(QLatin1String("--language=")))
            line.language = a.mid(11);
    }
    if (help)
        line.ask = CommandLine::Ask::Help;
    else if (version)
        line.ask = CommandLine::Ask::Version;
    return line;
}

QString HelpText(const QString& program, const QStringList& languages)
{
    // One text a paragraph (and one an option), so that each is translated whole.
    const auto said = [](const char* text) { return QCoreApplication::translate("CommandLine", text); };
    const auto option = [&said](const char* name, const char* what) {
        return QStringLiteral("  %1%2\n").arg(QLatin1String(name), -16).arg(said(what));
    };
    return said(QT_TRANSLATE_NOOP("CommandLine", "つかいかた: %1 [オプション]...")).arg(program) + QLatin1Char('\n')
        + GameTitle() + QLatin1String(": ")
        + said(QT_TRANSLATE_NOOP("CommandLine", "ちいさな こどもの ための ゲームです。ぽっけを やじるしキーで "
                                                "うごかして、80 びょうの あいだに たべものを たべます。"))
        + QLatin1String("\n\n")
        + option("--fullscreen", QT_TRANSLATE_NOOP("CommandLine", "ぜんがめんで はじめます (F11 で きりかえ)"))
        + option("--language CODE", QT_TRANSLATE_NOOP("CommandLine", "この ことばで はじめます: %1"))
              .arg(languages.join(QLatin1Char(' ')))
        + option("-h, --help", QT_TRANSLATE_NOOP("CommandLine", "この せつめいを だして おわります"))
        + option("--version", QT_TRANSLATE_NOOP("CommandLine", "バージョンを だして おわります"));
}

QString VersionText()
{
    return QStringLiteral("porimogu " PORIMOGU_VERSION "\n")
        + QStringLiteral("Copyright (C) 2026 The Porimogu developers\n")
        + QCoreApplication::translate("CommandLine",
                                      "ライセンス GPL-3+: GNU GPL バージョン 3 以降 <https://gnu.org/licenses/gpl.html>。"
                                      "これは フリーソフトウェアです。かえることも くばることも できます。"
                                      "ほうりつで ゆるされる かぎり、なんの ほしょうも ありません。")
        + QLatin1Char('\n');
}

} // namespace porimogu
