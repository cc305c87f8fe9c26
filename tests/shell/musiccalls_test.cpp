// What the player hears about from the window when game.mid is missing: the not-open
// error at every new game, pause and resume while the music item is checked, and no
// request at all while it is not.
#include "fakes/shellfakes.h"
#include "fakes/boxanswerer.h"
#include "window/mainform.h"
#include "window/statuspanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QTest>
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
        ASSERT_TRUE(SyntheticSheet().save(QStringLiteral("game.bmp"), "BMP"));
        TMainForm::Options o;
        o.startTimers = false;
    o.makeRules = OpenRules;
        o.makeRules = OpenRules;
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
        Rules(*form_).G().StartRequest = true;
        Tick();
        Rules(*form_).G().PauseRequest = true;
        Tick();
        Rules(*form_).G().StartRequest = true;
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
    // Each shown once its tick had returned.
    EXPECT_TRUE(QTest::qWaitFor([&] { return boxes.texts.size() == 3; }, 5000));
    EXPECT_EQ(boxes.texts, (QStringList{notOpen, notOpen, notOpen}));
    EXPECT_EQ(Rules(*form_).State(), GameState::Playing);  // each state change stood
    form_->FormDestroy();
    EXPECT_EQ(boxes.texts.size(), 4);
}

TEST_F(MusicCallsTest, UncheckedMusicMakesNoRequestForAWholeGame)
{
    form_->K2->trigger();
    EXPECT_FALSE(form_->K2->isChecked());
    EXPECT_FALSE(Rules(*form_).G().MusicFlag);
    BoxAnswerer boxes;
    PlayPauseResume();
    Rules(*form_).KQ1Click();
    Tick();  // over
    EXPECT_EQ(Rules(*form_).State(), GameState::Over);
    QTest::qWait(50);
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join(QLatin1Char('|')).toStdString();
}

// Once the frame timer stood still while this box was open.
TEST_F(MusicCallsTest, TicksGoOnBehindTheErrorBoxOfAFailedStart)
{
    // The real timers this time: Enter starts a game, whose music request fails inside
    // the frame tick; while that box is open the frame ticks must keep coming.
    Tick();  // waiting, and says so
    form_->Timer1->setInterval(10);
    form_->Timer1->start();
    form_->Timer2->start();
    QLabel* state = form_->Panel1->Label3;
    int ticks = 0;
    QObject::connect(form_->Timer1, &QTimer::timeout, [&] { ++ticks; });
    int ticksAtBox = 0, ticksLater = 0;
    QString stateLater;
    QImage fieldAtBox, fieldLater;
    int boxes = 0;
    QElapsedTimer openFor;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (!openFor.isValid()) {
            ++boxes;
            EXPECT_EQ(box->text(), QStringLiteral("MCI ﾃﾞﾊﾞｲｽがありません."));
            ticksAtBox = ticks;
            fieldAtBox = form_->Buffers().Front().copy();
            openFor.start();
        } else if (openFor.elapsed() >= 400) {
            ticksLater = ticks;
            stateLater = state->text();
            fieldLater = form_->Buffers().Front().copy();
            openFor.invalidate();
            box->close();
        }
    });
    watch.start();
    QTest::keyPress(form_.get(), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !fieldLater.isNull(); }, 5000));
    QTest::keyRelease(form_.get(), Qt::Key_Return);
    QTest::qWait(300);
    watch.stop();

    EXPECT_EQ(boxes, 1);  // one failure, one box
    EXPECT_EQ(Rules(*form_).State(), GameState::Playing);
    EXPECT_GE(ticksLater - ticksAtBox, 5);  // 10 ms ticks for 400 ms behind the box
    EXPECT_EQ(stateLater, QStringLiteral("ｹﾞｰﾑ中  がんばれ！！"));
    EXPECT_NE(fieldLater, fieldAtBox);
}
