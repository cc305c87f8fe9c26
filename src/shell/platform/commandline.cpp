#include "platform/commandline.h"

#include "platform/title.h"

#include <QCoreApplication>

#ifndef PORIMOGU_VERSION
#error "PORIMOGU_VERSION is set by the build"
#endif

namespace porimogu {

namespace {

constexpr OptionRow kOptions[] = {
    {"--no-music", nullptr, nullptr, QT_TRANSLATE_NOOP("CommandLine", "おんがくなしで はじめます")},
    {"--speed", nullptr, "N",
     QT_TRANSLATE_NOOP("CommandLine", "ゲームの はやさ N で はじめます: %1 から %2、ちいさいほど はやい (ふつうは %3)")},
    {"--fullscreen", nullptr, nullptr, QT_TRANSLATE_NOOP("CommandLine", "ぜんがめんで はじめます (F11 で きりかえ)")},
    {"--child-lock", nullptr, nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "こどもロック: ぜんがめんで、おとなが Ctrl+Shift+Q で おわるまで つづきます")},
    {"--language", nullptr, "CODE", QT_TRANSLATE_NOOP("CommandLine", "この ことばで はじめます: %1")},
    {"--help", "-h", nullptr, QT_TRANSLATE_NOOP("CommandLine", "この せつめいを だして おわります")},
    {"--version", nullptr, nullptr, QT_TRANSLATE_NOOP("CommandLine", "バージョンを だして おわります")},
};

QString Said(const char* text)
{
    return QCoreApplication::translate("CommandLine", text);
}

const OptionRow* Row(QStringView name)
{
    for (const OptionRow& row : kOptions) {
        if (name == QLatin1String(row.name) || (row.shortName && name == QLatin1String(row.shortName)))
            return &row;
    }
    return nullptr;
}

bool Is(const OptionRow* row, const char* name)
{
    return row && qstrcmp(row->name, name) == 0;
}

} // namespace

std::span<const OptionRow> OptionTable()
{
    return kOptions;
}

CommandLine ReadCommandLine(const QStringList& args)
{
    using Kind = CommandLine::Complaint::Kind;
    CommandLine line;
    if (args.size() == 5 && args.at(1) == QLatin1String("--launch-error")) {
        line.ask = CommandLine::Ask::LaunchError;
        line.launchReason = args.at(2);
        line.launchPath = args.at(3);
        line.launchDetail = args.at(4);
        return line;
    }
    bool help = false;
    bool version = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == QLatin1String("--")) {
            // Nothing after it is an option, and the game takes no file.
            for (++i; i < args.size(); ++i)
                line.complaints.append({Kind::Unknown, args.at(i)});
            break;
        }
        const qsizetype equals = a.startsWith(QLatin1String("--")) ? a.indexOf(u'=') : -1;
        const QStringView name = equals < 0 ? QStringView(a) : QStringView(a).left(equals);
        const OptionRow* row = Row(name);
        if (!row || (equals >= 0 && !row->value)) {
            line.complaints.append({Kind::Unknown, a});
            continue;
        }
        QString value;
        if (row->value) {
            if (equals >= 0)
                value = a.mid(equals + 1);
            else if (i + 1 < args.size())
                value = args.at(++i);
            else {
                line.complaints.append({Kind::NeedsValue, a});
                continue;
            }
        }
        help = help || Is(row, "--help");
        version = version || Is(row, "--version");
        line.noMusic = line.noMusic || Is(row, "--no-music");
        line.childLock = line.childLock || Is(row, "--child-lock");
        line.fullScreen = line.fullScreen || Is(row, "--fullscreen") || line.childLock;
        if (Is(row, "--language"))
            line.language = value;
        if (Is(row, "--speed")) {
            bool number = false;
            const int speed = value.toInt(&number);
            if (number && speed >= kFastestSpeed && speed <= kSlowestSpeed)
                line.speed = speed;
            else {
                line.speed.reset();
                line.complaints.append({Kind::BadSpeed, value});
            }
        }
    }
    if (help)
        line.ask = CommandLine::Ask::Help;
    else if (version)
        line.ask = CommandLine::Ask::Version;
    return line;
}

QStringList Complaints(const CommandLine& line)
{
    using Kind = CommandLine::Complaint::Kind;
    QStringList said;
    for (const CommandLine::Complaint& c : line.complaints) {
        switch (c.kind) {
        case Kind::Unknown:
            said << Said(QT_TRANSLATE_NOOP("CommandLine", "%1 は わからないので、つかわずに はじめます")).arg(c.what);
            break;
        case Kind::NeedsValue:
            said << Said(QT_TRANSLATE_NOOP("CommandLine", "%1 の あとに あたいが ないので、つかわずに はじめます"))
                        .arg(c.what);
            break;
        case Kind::BadSpeed:
            said << Said(QT_TRANSLATE_NOOP("CommandLine",
                                           "はやさ %1 は つかえません: %2 から %3 の かずです。%4 で はじめます"))
                        .arg(c.what)
                        .arg(kFastestSpeed)
                        .arg(kSlowestSpeed)
                        .arg(kStartSpeed);
            break;
        }
    }
    return said;
}

QString LaunchErrorText(const CommandLine& line)
{
    static constexpr struct {
        const char* key;
        const char* text;
    } kReasons[] = {
        {"no-home", QT_TRANSLATE_NOOP("Launcher", "ホームフォルダが わからないので できません")},
        {"not-a-folder", QT_TRANSLATE_NOOP("Launcher", "%1 が フォルダでは ないので できません")},
        {"cannot-make", QT_TRANSLATE_NOOP("Launcher", "%1 を つくれないので できません")},
        {"cannot-write", QT_TRANSLATE_NOOP("Launcher", "%1 に かきこめないので できません")},
        {"cannot-enter", QT_TRANSLATE_NOOP("Launcher", "%1 に はいれないので できません")},
    };
    for (const auto& reason : kReasons) {
        if (line.launchReason == QLatin1String(reason.key)) {
            QString text = QCoreApplication::translate("Launcher", reason.text);
            if (text.contains(QLatin1String("%1")))
                text = text.arg(line.launchPath);
            return text + QLatin1Char('\n') + line.launchDetail;
        }
    }
    return line.launchPath + QLatin1Char('\n') + line.launchDetail;
}

QString HelpText(const QString& program, const QStringList& languages)
{
    // One text a paragraph (and one an option), so that each is translated whole.
    QString text = Said(QT_TRANSLATE_NOOP("CommandLine", "つかいかた: %1 [オプション]...")).arg(program)
        + QLatin1Char('\n') + GameTitle() + QLatin1String(": ")
        + Said(QT_TRANSLATE_NOOP("CommandLine", "ちいさな こどもの ための ゲームです。ぽっけを やじるしキーで "
                                                "うごかして、80 びょうの あいだに たべものを たべます。"))
        + QLatin1String("\n\n");
    for (const OptionRow& row : kOptions) {
        QString name = QLatin1String(row.name);
        if (row.shortName)
            name = QLatin1String(row.shortName) + QLatin1String(", ") + name;
        if (row.value)
            name += QLatin1Char(' ') + QLatin1String(row.value);
        QString help = Said(row.help);
        if (Is(&row, "--speed"))
            help = help.arg(kFastestSpeed).arg(kSlowestSpeed).arg(kStartSpeed);
        else if (Is(&row, "--language"))
            help = help.arg(languages.join(QLatin1Char(' ')));
        text += QStringLiteral("  %1%2\n").arg(name, -16).arg(help);
    }
    return text;
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
