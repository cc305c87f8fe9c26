// Start-up with files that are missing or cannot be used: the right message once, and
// a game that either ends at its first tick or plays on in silence.
#include "appfakes.h"
#include "boxanswerer.h"
#include "mainform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
        o.sound = &sound_;
        BoxAnswerer boxes;
        form_ = std::make_unique<TMainForm>(0u, o);
        return boxes.texts;
    }

    ScratchDir dir_;
    NullSound sound_;
    std::unique_ptr<TMainForm> form_;
};

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
        EXPECT_TRUE(form_->GameRules().G().QuitFlag);
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
    EXPECT_FALSE(form_->GameRules().G().MusicFlag);

    BoxAnswerer later;
    form_->GameRules().G().StartRequest = true;
    form_->Timer1Timer();
    EXPECT_EQ(form_->GameRules().State(), GameState::Playing);
    form_->GameRules().G().PauseRequest = true;
    form_->Timer1Timer();
    form_->FormDestroy();
    EXPECT_TRUE(later.texts.isEmpty()) << later.texts.join(QLatin1Char('|')).toStdString();
}
