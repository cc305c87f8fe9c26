// Start-up with the game's files as a player may have them: the right message once, and
// a game that either ends at its first tick or plays on, in silence when it must.
#include "fakes/boxanswerer.h"
#include "fakes/gamefiles.h"
#include "fakes/shellfakes.h"
#include "platform/commandline.h"
#include "window/mainform.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

using namespace porimogu;
using namespace porimogu::testing;

namespace {

// The command line, as a grown-up may write it in a desktop entry or a kiosk's start
// line: help wins wherever it stands (before a lone "--"), then the version; options
// combine, take `--opt value` and `--opt=value`, and whatever cannot be taken is a
// complaint that leaves the rest as it would be without it.
TEST(CommandLine, EachOptionIsTakenAndAnythingElseIsSaidAndLeftOut)
{
    using Ask = CommandLine::Ask;
    using Kind = CommandLine::Complaint::Kind;
    using Complaints = QList<CommandLine::Complaint>;
    const struct {
        QStringList args;
        Ask ask = Ask::Play;
        bool fullScreen = false, childLock = false, noMusic = false;
        std::optional<int> speed = {};
        QString language = {};
        Complaints complaints = {};
    } rows[] = {
        {{}},
        {{"--fullscreen"}, Ask::Play, true},
        {{"--child-lock"}, Ask::Play, true, true},
        {{"--no-music"}, Ask::Play, false, false, true},
        {{"--speed", "2"}, Ask::Play, false, false, false, 2},
        {{"--speed=102"}, Ask::Play, false, false, false, 102},
        {{"--language", "de", "--no-music", "--speed=10", "--child-lock"}, Ask::Play, true, true, true, 10, "de"},
        {{"--language=pt_BR"}, Ask::Play, false, false, false, {}, "pt_BR"},
        {{"--speed", "1"}, Ask::Play, false, false, false, {}, {}, {{Kind::BadSpeed, "1"}}},
        {{"--speed=103", "--no-music"}, Ask::Play, false, false, true, {}, {}, {{Kind::BadSpeed, "103"}}},
        {{"--speed", "fast"}, Ask::Play, false, false, false, {}, {}, {{Kind::BadSpeed, "fast"}}},
        {{"--speed=", "--fullscreen"}, Ask::Play, true, false, false, {}, {}, {{Kind::BadSpeed, ""}}},
        {{"--fullscreen", "--speed"}, Ask::Play, true, false, false, {}, {}, {{Kind::NeedsValue, "--speed"}}},
        {{"--bogus", "--no-music", "game.mid"}, Ask::Play, false, false, true, {}, {},
         {{Kind::Unknown, "--bogus"}, {Kind::Unknown, "game.mid"}}},
        {{"--fullscreen=yes", "-x"}, Ask::Play, false, false, false, {}, {},
         {{Kind::Unknown, "--fullscreen=yes"}, {Kind::Unknown, "-x"}}},
        {{"--help"}, Ask::Help},
        {{"-h"}, Ask::Help},
        {{"--fullscreen", "--version", "--help"}, Ask::Help, true},
        {{"--version"}, Ask::Version},
        {{"--", "--help", "--fullscreen"}, Ask::Play, false, false, false, {}, {},
         {{Kind::Unknown, "--help"}, {Kind::Unknown, "--fullscreen"}}},
        {{"--launch-error", "no-home", "", "HOME is not set"}, Ask::LaunchError},
        {{"--launch-error", "--help"}, Ask::Help, false, false, false, {}, {}, {{Kind::Unknown, "--launch-error"}}},
    };
    for (const auto& row : rows) {
        const CommandLine line = ReadCommandLine(QStringList{QStringLiteral("porimogu")} + row.args);
        const std::string said = row.args.join(u' ').toStdString();
        EXPECT_EQ(line.ask, row.ask) << said;
        EXPECT_EQ(line.fullScreen, row.fullScreen) << said;
        EXPECT_EQ(line.childLock, row.childLock) << said;
        EXPECT_EQ(line.noMusic, row.noMusic) << said;
        EXPECT_EQ(line.speed, row.speed) << said;
        EXPECT_EQ(line.language, row.language) << said;
        EXPECT_EQ(line.complaints, row.complaints) << said;
        EXPECT_EQ(porimogu::Complaints(line).size(), row.complaints.size()) << said;
    }
    EXPECT_EQ(porimogu::Complaints(ReadCommandLine({"porimogu", "--speed=1"})),
              QStringList{QStringLiteral("はやさ 1 は つかえません: 2 から 102 の かずです。40 で はじめます")});
    const QString help = HelpText(QStringLiteral("porimogu"));
    for (const OptionRow& option : OptionTable())
        EXPECT_TRUE(help.contains(QLatin1String(option.name))) << option.name;
    EXPECT_TRUE(help.contains(QStringLiteral("  --speed N       ゲームの はやさ N で はじめます: 2 から 102")));
    EXPECT_TRUE(VersionText().startsWith(QStringLiteral("porimogu 2.")));
}

// The launcher's reasons: each key its own text about the folder, with the system's
// words below; a key this game does not know still shows the folder and the words.
TEST(CommandLine, TheLaunchersReasonIsShownWithItsFolder)
{
    const auto shown = [](const char* key) {
        return LaunchErrorText(ReadCommandLine({"porimogu", "--launch-error", key, "/h/p", "denied"}));
    };
    EXPECT_EQ(shown("no-home"), QStringLiteral("ホームフォルダが わからないので できません\ndenied"));
    EXPECT_EQ(shown("cannot-write"), QStringLiteral("/h/p に かきこめないので できません\ndenied"));
    for (const char* key : {"not-a-folder", "cannot-make", "cannot-enter"})
        EXPECT_TRUE(shown(key).startsWith(QStringLiteral("/h/p "))) << key;
    EXPECT_EQ(shown("from-a-newer-launcher"), QStringLiteral("/h/p\ndenied"));
}

void Write(const char* name, const QByteArray& bytes)
{
    QFile f(QString::fromLatin1(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray Encoded(const QImage& image, const char* format = "BMP")
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

const QString kNoSheet = QStringLiteral("game.bmp がないので できません");
const QString kBadSheet = QStringLiteral("game.bmp が よめないので できません");
const QString kNotMidi = QStringLiteral("game.mid は MIDI データではありません.");
const QString kBrokenMidi = QStringLiteral("game.mid の MIDI データが こわれています.");
const QString kUnsupportedMidi = QStringLiteral("game.mid の MIDI データの形式には 対応していません.");
const QString kUnreadableMidi = QStringLiteral("game.mid が よめません.");

// A game.mid of the given header fields, each track only its end.
QByteArray Midi(int format, int tracks, int division)
{
    QByteArray bytes("MThd\0\0\0\6", 8);
    for (int v : {format, tracks, division}) {
        bytes += char(v >> 8);
        bytes += char(v & 0xFF);
    }
    for (int i = 0; i < tracks; ++i)
        bytes += QByteArray("MTrk\0\0\0\4\0\xff\x2f\0", 12);
    return bytes;
}

struct StartRow {
    const char* what;
    std::function<void()> make = {};  // in a folder that holds a good game.bmp and an empty game.mid
    QStringList said = {};            // every box, from start-up through a new game's first tick
    bool ends = false;                // the window closes at its first tick
    bool music = false;               // the real music player (else a quiet one, game.mid unopened)
    bool silent = false;              // the music item is unchecked once the file is said
    bool unchecked = false;           // the player unchecks the music item before the game
    bool asPlayer = false;            // made while the permission bits bind the test
};

} // namespace

// One start of the window per row: what it says, then either its end at the first tick
// or a game that starts on Enter and plays.
TEST(StartUp, EachFileAPlayerMayHaveIsSaidOnceAndTheGameEndsOrPlaysOn)
{
    QByteArray lying = Encoded(SyntheticSheet());
    for (int field : {18, 22})  // width and height: 100000 each
        lying.replace(field, 4, QByteArray("\xA0\x86\x01\x00", 4));
    const auto sheet = [](QByteArray bytes) { return [bytes] { Write("game.bmp", bytes); }; };
    const auto tune = [](QByteArray bytes) { return [bytes] { Write("game.mid", bytes); }; };
    const auto replace = [](const char* name, std::function<void()> make) {
        return [name, make] { ::unlink(name); make(); };
    };
    const StartRow rows[] = {
        {.what = "game.bmp missing", .make = [] { ::unlink("game.bmp"); }, .said = {kNoSheet}, .ends = true},
        {.what = "game.bmp missing, game.mid no music: the music is said first",
         .make = [] { ::unlink("game.bmp"); Write("game.mid", "not music"); }, .said = {kNotMidi, kNoSheet},
         .ends = true, .music = true},
        {.what = "game.bmp empty", .make = sheet({}), .said = {kBadSheet}, .ends = true},
        {.what = "game.bmp text", .make = sheet("not a picture\n"), .said = {kBadSheet}, .ends = true},
        {.what = "game.bmp truncated", .make = sheet(Encoded(SyntheticSheet()).left(100000)), .said = {kBadSheet}, .ends = true},
        {.what = "game.bmp a FIFO", .make = replace("game.bmp", [] { ASSERT_EQ(::mkfifo("game.bmp", 0644), 0); }),
         .said = {kBadSheet}, .ends = true},
        {.what = "game.bmp a directory", .make = replace("game.bmp", [] { ASSERT_TRUE(QDir().mkdir("game.bmp")); }),
         .said = {kBadSheet}, .ends = true},
        {.what = "game.bmp a dangling link", .make = replace("game.bmp", [] { ASSERT_EQ(::symlink("gone.bmp", "game.bmp"), 0); }),
         .said = {kBadSheet}, .ends = true},
        {.what = "game.bmp unreadable", .make = [] { ::chmod("game.bmp", 0); }, .said = {kBadSheet}, .ends = true, .asPlayer = true},
        {.what = "game.bmp claims 100000 x 100000", .make = sheet(lying), .said = {kBadSheet}, .ends = true},
        {.what = "game.bmp a PNG renamed", .make = sheet(Encoded(SyntheticSheet(), "PNG")), .said = {kBadSheet}, .ends = true},
        {.what = "game.bmp 1 bit", .make = sheet(BitmapFile(256, 256, 1))},
        {.what = "game.bmp 4 bits", .make = sheet(BitmapFile(256, 256, 4))},
        {.what = "game.bmp 8 bits", .make = sheet(BitmapFile(256, 256, 8))},
        {.what = "game.bmp 8 bits RLE", .make = sheet(BitmapFile(256, 256, 8, 1))},
        {.what = "game.bmp 24 bits", .make = sheet(BitmapFile(256, 256, 24))},
        {.what = "game.bmp 32 bits with colour masks", .make = sheet(BitmapFile(256, 256, 32, 3))},
        {.what = "game.bmp 32 bits with alpha, a later header", .make = sheet(BitmapFile(256, 256, 32, 3, 124))},
        {.what = "game.bmp 1 x 1", .make = sheet(BitmapFile(1, 1, 24))},
        {.what = "game.bmp 16 x 16", .make = sheet(BitmapFile(16, 16, 24))},
        {.what = "game.bmp 4096 x 4096", .make = sheet(BitmapFile(4096, 4096, 24))},
        {.what = "game.mid missing, music checked", .make = [] { ::unlink("game.mid"); },
         .said = {QStringLiteral("音楽データが ありません"), QStringLiteral("MCI ﾃﾞﾊﾞｲｽがありません.")}, .music = true},
        {.what = "game.mid missing, music unchecked", .make = [] { ::unlink("game.mid"); },
         .said = {QStringLiteral("音楽データが ありません")}, .music = true, .unchecked = true},
        {.what = "game.mid empty", .make = tune({}), .said = {kNotMidi}, .music = true, .silent = true},
        {.what = "game.mid text", .make = tune("not music\n"), .said = {kNotMidi}, .music = true, .silent = true},
        {.what = "game.mid truncated", .make = tune(Midi(0, 1, 96).left(20)), .said = {kBrokenMidi}, .music = true, .silent = true},
        {.what = "game.mid a directory", .make = replace("game.mid", [] { ASSERT_TRUE(QDir().mkdir("game.mid")); }),
         .said = {kUnreadableMidi}, .music = true, .silent = true},
        {.what = "game.mid unreadable", .make = [] { Write("game.mid", Midi(0, 1, 96)); ::chmod("game.mid", 0); },
         .said = {kUnreadableMidi}, .music = true, .silent = true, .asPlayer = true},
        {.what = "game.mid with 1,000 tracks", .make = tune(Midi(1, 1000, 96)), .said = {kUnsupportedMidi}, .music = true, .silent = true},
        {.what = "game.mid zero division", .make = tune(Midi(0, 1, 0)), .said = {kBrokenMidi}, .music = true, .silent = true},
    };
    for (const StartRow& row : rows) {
        SCOPED_TRACE(row.what);
        ScratchDir dir;
        ::chmod(QFile::encodeName(dir.Path()).constData(), 0755);  // open to nobody
        Write("game.bmp", Encoded(SyntheticSheet()));
        Write("game.mid", {});
        row.make();
        NullSound sound;
        NullMusic quiet;
        TMainForm::Options o;
        o.startTimers = false;
        o.sound = &sound;
        o.openMusic = row.music;
        o.music = row.music ? nullptr : &quiet;
        BoxAnswerer boxes;
        std::unique_ptr<TMainForm> form;
        {
            std::optional<AsNobody> player;
            if (row.asPlayer && !player.emplace().Binds()) {
                std::cout << "skipped: " << row.what << " (the test cannot take on another user)\n";
                continue;
            }
            form = std::make_unique<TMainForm>(0u, o);
        }
        if (row.ends) {
            EXPECT_EQ(boxes.texts, row.said);
            EXPECT_FALSE(form->CloseRequested());
            form->Timer1Timer();
            EXPECT_TRUE(form->CloseRequested());
            continue;
        }
        EXPECT_EQ(form->K2->isChecked(), !row.silent);
        if (row.unchecked)
            form->K2->trigger();
        QTest::keyPress(form.get(), Qt::Key_Return);
        form->Timer1Timer();
        QTest::keyRelease(form.get(), Qt::Key_Return);
        EXPECT_EQ(form->GameRules().State(), GameState::Playing);
        // A failed request is said once its tick has returned.
        (void)QTest::qWaitFor([&] { return boxes.texts.size() >= row.said.size(); }, 2000);
        QTest::qWait(20);
        EXPECT_EQ(boxes.texts, row.said);
        if (row.silent) {  // and nothing more, to the end
            form->K1->trigger();
            form->Timer1Timer();
            form->FormDestroy();
            QTest::qWait(20);
            EXPECT_EQ(boxes.texts, row.said);
        }
    }
}
