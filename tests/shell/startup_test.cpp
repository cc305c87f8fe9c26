// Start-up with files that are missing or cannot be used: the right message once, and
// a game that either ends at its first tick or plays on in silence.
#include "appfakes.h"
#include "boxanswerer.h"
#include "platform/commandline.h"
#include "window/mainform.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

using namespace porimogu;
using namespace porimogu::testing;

namespace {

class StartUpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.IsValid());
    }
    void TearDown() override
    {
        form_.reset();
    }
    static void Write(const char* name, const QByteArray& bytes)
    {
        QFile f(QString::fromLatin1(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static void WriteSheet()
    {
        QImage sheet(256, 256, QImage::Format_RGB32);
        sheet.fill(QColor(10, 200, 10));
        ASSERT_TRUE(sheet.save(QStringLiteral("game.bmp"), "BMP"));
    }
    QStringList Start()
    {
        TMainForm::Options o;
        o.startTimers = false;
    o.makeRules = OpenRules;
        o.makeRules = OpenRules;
        o.sound = &sound_;
        BoxAnswerer boxes;
        form_ = std::make_unique<TMainForm>(0u, o);
        return boxes.texts;
    }

    ScratchDir dir_;
    NullSound sound_;
    std::unique_ptr<TMainForm> form_;
};

// The command line: help wins wherever it stands (before a lone "--"), then the
// version; the launcher's error is only ever the whole command line.
TEST(CommandLine, HelpAndVersionAreAnsweredWhereverTheyStand)
{
    using Ask = CommandLine::Ask;
    const struct {
        QStringList args;
        Ask ask;
        bool fullScreen;
    } rows[] = {
        {{}, Ask::Play, false},
        {{"--fullscreen"}, Ask::Play, true},
        {{"--help"}, Ask::Help, false},
        {{"-h"}, Ask::Help, false},
        {{"--fullscreen", "--version", "--help"}, Ask::Help, true},
        {{"--version"}, Ask::Version, false},
        {{"-platform", "offscreen", "--version"}, Ask::Version, false},
        {{"--", "--help", "--fullscreen"}, Ask::Play, false},
        {{"--launch-error", "--help"}, Ask::LaunchError, false},
        {{"--launch-error"}, Ask::Play, false},
        {{"--launch-error", "a", "--help"}, Ask::Help, false},
    };
    for (const auto& row : rows) {
        const CommandLine line = ReadCommandLine(QStringList{QStringLiteral("porimogu")} + row.args);
        const std::string said = row.args.join(u' ').toStdString();
        EXPECT_EQ(line.ask, row.ask) << said;
        EXPECT_EQ(line.fullScreen, row.fullScreen) << said;
    }
    EXPECT_EQ(ReadCommandLine({"porimogu", "--launch-error", "--help"}).launchError, QStringLiteral("--help"));
    EXPECT_TRUE(HelpText(QStringLiteral("porimogu")).contains(QStringLiteral("  --fullscreen    ")));
    EXPECT_TRUE(VersionText().startsWith(QStringLiteral("porimogu 2.")));
}

} // namespace

TEST_F(StartUpTest, AMissingOrUnreadableSheetIsSaidAndTheWindowClosesAtTheFirstTick)
{
    Write("game.mid", "not music");
    for (const bool present : {false, true}) {
        QFile::remove(QStringLiteral("game.bmp"));
        if (present)
            Write("game.bmp", "BM this is no picture");
        const QStringList texts = Start();
        ASSERT_EQ(texts.size(), 2);  // the music's complaint first, then the sheet's
        EXPECT_EQ(texts[1], present ? QStringLiteral("game.bmp が よめないので できません")
                                    : QStringLiteral("game.bmp がないので できません"));
        EXPECT_TRUE(Rules(*form_).G().QuitFlag);
        EXPECT_FALSE(form_->CloseRequested());
        form_->Timer1Timer();
        EXPECT_TRUE(form_->CloseRequested());
    }
}

TEST_F(StartUpTest, MusicThatCannotBeOpenedIsSaidOnceAndThenLeftAlone)
{
    WriteSheet();
    Write("game.mid", "This is a text file, not a MIDI file.\n");
    const QStringList texts = Start();
    EXPECT_EQ(texts, QStringList{QStringLiteral("game.mid は MIDI データではありません.")});
    EXPECT_FALSE(form_->K2->isChecked());
    EXPECT_FALSE(Rules(*form_).G().MusicFlag);

    BoxAnswerer later;
    Rules(*form_).G().StartRequest = true;
    form_->Timer1Timer();
    EXPECT_EQ(Rules(*form_).State(), GameState::Playing);
    Rules(*form_).G().PauseRequest = true;
    form_->Timer1Timer();
    form_->FormDestroy();
    EXPECT_TRUE(later.texts.isEmpty()) << later.texts.join(QLatin1Char('|')).toStdString();
}

TEST_F(StartUpTest, ASheetThatIsNoWholePictureIsUnreadable_ATruncatedOneWasTakenAndAFifoHungStartUp)
{
    Write("game.mid", "not music");
    QByteArray whole;
    QBuffer buffer(&whole);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(SyntheticSheet().save(&buffer, "BMP"));
    QByteArray lying = whole;
    for (int field : {18, 22})  // width and height: 100000 each
        lying.replace(field, 4, QByteArray("\xA0\x86\x01\x00", 4));
    struct Case {
        const char* what;
        std::function<void()> make;
    };
    const Case cases[] = {
        {"truncated", [&] { Write("game.bmp", whole.left(whole.size() - 4000)); }},
        {"100000 x 100000", [&] { Write("game.bmp", lying); }},
        {"a FIFO", [] { ASSERT_EQ(::mkfifo("game.bmp", 0644), 0); }},
        {"a directory", [] { ASSERT_TRUE(QDir().mkdir("game.bmp")); }},
        {"a dangling link", [] { ASSERT_EQ(::symlink("nowhere.bmp", "game.bmp"), 0); }},
    };
    for (const Case& c : cases) {
        ::unlink("game.bmp");
        ::rmdir("game.bmp");
        c.make();
        const QStringList texts = Start();
        ASSERT_EQ(texts.size(), 2) << c.what;
        EXPECT_EQ(texts[1], QStringLiteral("game.bmp が よめないので できません")) << c.what;
        EXPECT_TRUE(Rules(*form_).G().QuitFlag) << c.what;
    }
}
