// What the player hears about from the window when game.mid is missing: the not-open
// error at every new game, pause and resume while the music item is checked, and no
// request at all while it is not.
#include "appfakes.h"
#include "boxanswerer.h"
#include "mainform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace porimogu;
using namespace porimogu::testing;

namespace {

class MusicCallsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.IsValid());
        QImage sheet(256, 256, QImage::Format_RGB32);
        sheet.fill(QColor(10, 200, 10));
        ASSERT_TRUE(sheet.save(QStringLiteral("game.bmp"), "BMP"));
        TMainForm::Options o;
        o.startTimers = false;
        o.sound = &sound_;
        {
            BoxAnswerer startUp;  // "音楽データが ありません"
            form_ = std::make_unique<TMainForm>(0u, o);
            startUpTexts_ = startUp.texts;
        }
    }
    void TearDown() override
    {
        form_.reset();
    }
    void Tick() { form_->Timer1Timer(); }
    // A new game, a pause, a resume: one tick each.
    void PlayPauseResume()
    {
        form_->GameRules().G().StartRequest = true;
        Tick();
        form_->GameRules().G().PauseRequest = true;
        Tick();
        form_->GameRules().G().StartRequest = true;
        Tick();
    }

    ScratchDir dir_;
    NullSound sound_;
    std::unique_ptr<TMainForm> form_;
    QStringList startUpTexts_;
};

} // namespace

TEST_F(MusicCallsTest, MissingMusicIsSaidAtStartAndAtEveryRequestWhileChecked)
{
    EXPECT_EQ(startUpTexts_, QStringList{QStringLiteral("音楽データが ありません")});
    EXPECT_TRUE(form_->K2->isChecked());
    BoxAnswerer boxes;
    PlayPauseResume();
    const QString notOpen = QStringLiteral("MCI ﾃﾞﾊﾞｲｽがありません.");
    EXPECT_EQ(boxes.texts, (QStringList{notOpen, notOpen, notOpen}));
    EXPECT_EQ(form_->GameRules().State(), GameState::Playing);  // each state change stood
    form_->FormDestroy();
    EXPECT_EQ(boxes.texts.size(), 4);
}

TEST_F(MusicCallsTest, UncheckedMusicMakesNoRequestForAWholeGame)
{
    form_->K2->trigger();
    EXPECT_FALSE(form_->K2->isChecked());
    EXPECT_FALSE(form_->GameRules().G().MusicFlag);
    BoxAnswerer boxes;
    PlayPauseResume();
    form_->GameRules().KQ1Click();
    Tick();  // over
    EXPECT_EQ(form_->GameRules().State(), GameState::Over);
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join(QLatin1Char('|')).toStdString();
}
