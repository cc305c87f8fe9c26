// The main window around the rules: key mapping, geometry, and what a frame shows.
#include "core/messages.h"
#include "dialogs/centring.h"
#include "fakes/shellfakes.h"
#include "window/framebuffers.h"
#include "input/keys.h"
#include "window/mainform.h"
#include "window/statuspanel.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>

using namespace porimogu;
using namespace porimogu::testing;

namespace {

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.IsValid());
        ASSERT_TRUE(SyntheticSheet().save(QStringLiteral("game.bmp"), "BMP"));
        QFile mid(QStringLiteral("game.mid"));  // present, so no message box at start
        ASSERT_TRUE(mid.open(QIODevice::WriteOnly));
        TMainForm::Options o;
        o.openMusic = false;
        o.startTimers = false;
    o.makeRules = OpenRules;
        o.makeRules = OpenRules;
        o.sound = &sound_;
        o.music = &music_;
        form_ = std::make_unique<TMainForm>(0u, o);
    }
    void TearDown() override
    {
        form_.reset();
    }
    OpenGame& G() { return Rules(*form_); }
    void HideItems()
    {
        for (int i = 1; i < kActorCount; ++i) {
            G().Actors()[i].Visible = 0;
            G().Actors()[i].Ticks = 1;  // not a respawn tick
        }
    }
    const Actor& Player() { return G().Actors()[0]; }
    QColor FrontAt(int x, int y) const { return form_->Buffers().Front().pixelColor(x, y); }

    ScratchDir dir_;
    NullSound sound_;
    NullMusic music_;
    std::unique_ptr<TMainForm> form_;
};

} // namespace

TEST(KeyMapping, GameKeysAndKeypadWithNumLockOnAndOff)
{
    EXPECT_EQ(VirtualKeyFor(Qt::Key_Return, Qt::NoModifier), 13);
    EXPECT_EQ(VirtualKeyFor(Qt::Key_Enter, Qt::KeypadModifier), 13);
    EXPECT_EQ(VirtualKeyFor(Qt::Key_Escape, Qt::NoModifier), 27);
    EXPECT_EQ(VirtualKeyFor(Qt::Key_Left, Qt::NoModifier), 37);
    EXPECT_EQ(VirtualKeyFor(Qt::Key_Up, Qt::NoModifier), 38);
    EXPECT_EQ(VirtualKeyFor(Qt::Key_Right, Qt::NoModifier), 39);
    EXPECT_EQ(VirtualKeyFor(Qt::Key_Down, Qt::NoModifier), 40);
    // NumLock on: the keypad gives digits.
    EXPECT_EQ(VirtualKeyFor(Qt::Key_2, Qt::KeypadModifier), 98);
    EXPECT_EQ(VirtualKeyFor(Qt::Key_4, Qt::KeypadModifier), 100);
    EXPECT_EQ(VirtualKeyFor(Qt::Key_6, Qt::KeypadModifier), 102);
    EXPECT_EQ(VirtualKeyFor(Qt::Key_8, Qt::KeypadModifier), 104);
    // NumLock off: the same keys arrive as arrows.
    EXPECT_EQ(VirtualKeyFor(Qt::Key_Down, Qt::KeypadModifier), 40);
    EXPECT_EQ(VirtualKeyFor(Qt::Key_Up, Qt::KeypadModifier), 38);
    // The digit row, other keypad keys and letters change no flag.
    EXPECT_EQ(VirtualKeyFor(Qt::Key_8, Qt::NoModifier), 0);
    EXPECT_EQ(VirtualKeyFor(Qt::Key_5, Qt::KeypadModifier), 0);
    EXPECT_EQ(VirtualKeyFor(Qt::Key_Space, Qt::NoModifier), 0);
    EXPECT_EQ(VirtualKeyFor(Qt::Key_A, Qt::NoModifier), 0);
}

TEST(KeyMapping, ShiftAloneVersusOtherModifiers)
{
    EXPECT_EQ(ShiftStateFor(Qt::Key_Shift, Qt::NoModifier, true), unsigned(ssShift));
    EXPECT_EQ(ShiftStateFor(Qt::Key_Shift, Qt::ShiftModifier, false), 0u);
    EXPECT_EQ(ShiftStateFor(Qt::Key_Right, Qt::ShiftModifier | Qt::KeypadModifier, true), unsigned(ssShift));
    EXPECT_EQ(ShiftStateFor(Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier, true),
              unsigned(ssShift | ssCtrl));
    EXPECT_EQ(ShiftStateFor(Qt::Key_Control, Qt::ShiftModifier, true), unsigned(ssShift | ssCtrl));
}

TEST_F(MainFormTest, KeysSetFlagsAndAutoRepeatReleasesAreIgnored)
{
    QTest::keyPress(form_.get(), Qt::Key_Right);
    EXPECT_TRUE(G().G().DirectionFlags.Right);
    // Xvfb sends a held key as release+press pairs marked as repeats.
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(form_.get(), &repeatRelease);
    EXPECT_TRUE(G().G().DirectionFlags.Right);
    QTest::keyRelease(form_.get(), Qt::Key_Right);
    EXPECT_FALSE(G().G().DirectionFlags.Right);

    QTest::keyPress(form_.get(), Qt::Key_8, Qt::KeypadModifier);
    EXPECT_TRUE(G().G().DirectionFlags.Up);
    QTest::keyPress(form_.get(), Qt::Key_Shift, Qt::NoModifier);
    EXPECT_TRUE(G().G().ShiftFlag);
    QTest::keyPress(form_.get(), Qt::Key_Control, Qt::ShiftModifier);
    EXPECT_FALSE(G().G().ShiftFlag);
    QTest::keyPress(form_.get(), Qt::Key_Return);
    EXPECT_TRUE(G().G().StartRequest);
}

TEST_F(MainFormTest, WindowGeometryAndStartTexts)
{
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("ぽっけの ぽりもぐ ゲーム"));
    EXPECT_EQ(form_->centralWidget()->size(), QSize(632, 486));
    EXPECT_EQ(form_->Bevel1->geometry(), QRect(16, 6, 600, 440));
    EXPECT_EQ(form_->PlayField->geometry(), QRect(20, 10, 592, 432));
    EXPECT_EQ(form_->Panel1->geometry(), QRect(0, 454, 632, 32));
    EXPECT_EQ(form_->Panel1->Label1->text(), QStringLiteral("Time: 80 秒 "));
    EXPECT_EQ(form_->Panel1->Label2->text(), QStringLiteral("Point: 1000 点 "));
    EXPECT_EQ(form_->Panel1->Label3->text(), QStringLiteral("Label3"));
    EXPECT_EQ(form_->Timer1->interval(), 40);
    EXPECT_EQ(form_->Timer2->interval(), 1000);

    // Only the status bar follows the window's size.
    form_->resize(form_->width() + 100, form_->height() + 50);
    QApplication::processEvents();
    EXPECT_EQ(form_->Bevel1->geometry(), QRect(16, 6, 600, 440));
    EXPECT_EQ(form_->PlayField->geometry(), QRect(20, 10, 592, 432));
    EXPECT_EQ(form_->Panel1->geometry(), QRect(0, 504, 732, 32));
}

// The state label's colour tells the state at a glance: the button face while waiting,
// the panel's own colour while playing, yellow while paused, lime when over.
TEST(StatusBar, TheStateLabelsColourSaysTheState)
{
    TStatusPanel panel;
    const QPalette& pal = panel.palette();
    const struct {
        GameState state;
        QColor colour;
    } rows[] = {{GameState::Waiting, pal.color(QPalette::Button)},
                {GameState::Playing, pal.color(QPalette::Window)},
                {GameState::Paused, QColor(255, 255, 0)},
                {GameState::Over, QColor(0, 255, 0)},
                {GameState::Waiting, pal.color(QPalette::Button)}};
    for (const auto& row : rows) {
        panel.ShowState(row.state);
        EXPECT_EQ(panel.Label3->palette().color(QPalette::Window), row.colour) << int(row.state);
        EXPECT_EQ(panel.Label3->text(), StateText(row.state)) << int(row.state);
    }
    EXPECT_NE(pal.color(QPalette::Button), pal.color(QPalette::Window));
}

TEST(Centring, TheOuterFrameGoesToTheMiddleRoundedDown)
{
    const struct { QRect screen; QSize outer; QPoint expected; } cases[] = {
        {QRect(0, 0, 1024, 768), QSize(632, 504), QPoint(196, 132)},   // the game window, no frame
        {QRect(0, 0, 1024, 768), QSize(633, 505), QPoint(195, 131)},   // odd sizes round down
        {QRect(0, 0, 1024, 768), QSize(640, 532), QPoint(192, 118)},   // a framed one
        {QRect(1024, 0, 800, 600), QSize(336, 360), QPoint(1256, 120)}, // a second screen
        {QRect(0, 0, 600, 400), QSize(640, 532), QPoint(0, 0)},        // larger than the screen
    };
    for (const auto& c : cases)
        EXPECT_EQ(CentredTopLeft(c.screen, c.outer), c.expected) << c.outer.width() << "x" << c.outer.height();
}

TEST_F(MainFormTest, TheWindowOpensInTheMiddleOfTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(form_->frameGeometry().topLeft(), CentredTopLeft(screen, form_->frameGeometry().size()));
    EXPECT_EQ(form_->frameGeometry().topLeft(),
              QPoint((screen.width() - form_->width()) / 2, (screen.height() - form_->height()) / 2));
}

TEST_F(MainFormTest, ThePlayFieldFrameIsALoweredBoxOnePixelWide)
{
    const QImage frame = form_->Bevel1->grab().toImage();
    ASSERT_EQ(frame.size(), QSize(600, 440));
    const QRgb shadow = form_->palette().color(QPalette::Dark).rgb();
    const QRgb light = form_->palette().color(QPalette::Light).rgb();
    const QRgb face = form_->palette().color(QPalette::Window).rgb();
    ASSERT_NE(shadow, light);
    const struct { int x, y; QRgb colour; } pixels[] = {
        {0, 0, shadow}, {598, 0, shadow}, {0, 438, shadow},    // top and left
        {599, 0, light}, {599, 439, light}, {0, 439, light},   // right and bottom
        {300, 0, shadow}, {0, 220, shadow}, {300, 439, light}, {599, 220, light},
        {1, 1, face}, {598, 438, face}, {300, 1, face}, {1, 220, face},  // no second line
    };
    for (const auto& p : pixels)
        EXPECT_EQ(frame.pixel(p.x, p.y), p.colour) << "at " << p.x << "," << p.y;
}

TEST_F(MainFormTest, FrameShowsFloorAndPlayerTilesInPlace)
{
    HideItems();
    form_->Timer1Timer();
    const QImage& front = form_->Buffers().Front();
    ASSERT_EQ(front.size(), QSize(592, 432));
    EXPECT_EQ(FrontAt(0, 0), TileColour(1));
    EXPECT_EQ(FrontAt(591, 431), TileColour(1));
    // ぽっけ stands at (280, 200) facing down: tiles 32, 33, 48, 49.
    EXPECT_EQ(FrontAt(280, 200), TileColour(32));
    EXPECT_EQ(FrontAt(296, 200), TileColour(33));
    EXPECT_EQ(FrontAt(280, 216), TileColour(48));
    EXPECT_EQ(FrontAt(311, 231), TileColour(49));
    EXPECT_EQ(FrontAt(279, 200), TileColour(1));
    EXPECT_EQ(FrontAt(312, 200), TileColour(1));
}

TEST_F(MainFormTest, LowerSpritesCoverHigherOnes)
{
    HideItems();
    Actor& item = G().Actors()[1];
    item = Actor{};
    item.X = 280; item.Y = 210; item.BaseImage = 96; item.Image = 96; item.Size = 2;
    item.Visible = 1; item.Ticks = 1;
    G().SetState(GameState::Paused);  // items stand still
    form_->Timer1Timer();
    EXPECT_EQ(FrontAt(280, 210), TileColour(96));   // the lower item is in front
    EXPECT_EQ(FrontAt(280, 205), TileColour(32));   // the player shows above it
}

TEST_F(MainFormTest, TrailOnlyWhilePlaying)
{
    HideItems();
    G().G().TrailFlag = true;
    G().SetState(GameState::Playing);
    G().G().TimeLeft = 50;
    G().G().WaitCount = 3;
    form_->Timer1Timer();
    G().G().DirectionFlags.Right = true;
    form_->Timer1Timer();  // moves 12 right; the old frame stays on the floor
    EXPECT_NE(FrontAt(280, 200), TileColour(1));

    G().G().DirectionFlags.Right = false;
    G().SetState(GameState::Paused);
    form_->Timer1Timer();  // drawn over the smeared floor, then the floor is restored
    form_->Timer1Timer();
    EXPECT_EQ(FrontAt(280, 200), TileColour(1));
}

TEST_F(MainFormTest, AMouseHeldOnTheFieldStartsAGameAndLeadsHimThereUntilLetGo)
{
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    QTest::mousePress(form_->PlayField, Qt::LeftButton, {}, QPoint(100, 340));
    form_->Timer1Timer();
    EXPECT_EQ(G().State(), GameState::Playing);
    EXPECT_EQ(QPoint(Player().X, Player().Y), QPoint(268, 212)) << "the new game clears keys, not the pointer";
    HideItems();
    for (int t = 0; t < 30; ++t)
        form_->Timer1Timer();
    EXPECT_LE(std::abs(Player().X + 16 - 100), 6);
    EXPECT_LE(std::abs(Player().Y + 16 - 340), 6);
    EXPECT_EQ(Player().Image, 72) << "standing there, facing left, the longer way he walked";

    // Dragged out of the field to the right, with the up arrow held too: both lead.
    const QPoint at(Player().X, Player().Y);
    QTest::mouseMove(form_->PlayField, QPoint(900, Player().Y + 16));
    QTest::keyPress(form_.get(), Qt::Key_Up);
    form_->Timer1Timer();
    EXPECT_EQ(QPoint(Player().X, Player().Y), at + QPoint(12, -12));
    QTest::keyRelease(form_.get(), Qt::Key_Up);
    QTest::mouseMove(form_->PlayField, QPoint(900, Player().Y + 16));
    form_->Timer1Timer();
    EXPECT_EQ(QPoint(Player().X, Player().Y), at + QPoint(24, -12)) << "the key let go, the mouse still leads";

    // Lifted mid-way: he stops at once, facing the way he walked.
    QTest::mouseRelease(form_->PlayField, Qt::LeftButton, {}, QPoint(900, 0));
    form_->Timer1Timer();
    EXPECT_EQ(Player().X, at.x() + 24);
    EXPECT_EQ(Player().Image, 64);
    EXPECT_FALSE(G().Pointer().Held);
}

TEST_F(MainFormTest, TheFirstFingerResumesAPauseAndSteersUntilItLifts)
{
    static QPointingDevice* const screen = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    QSignalSpy downs(form_->PlayField, &TPlayField::MouseDown);
    QSignalSpy ups(form_->PlayField, &TPlayField::MouseUp);
    G().SetState(GameState::Paused);
    HideItems();
    QTest::touchEvent(form_->PlayField, screen).press(0, QPoint(500, 216));
    form_->Timer1Timer();
    EXPECT_EQ(G().State(), GameState::Playing);
    EXPECT_EQ(Player().X, 292);

    // A second finger is ignored; the first one's drag leads, beyond the field too.
    QTest::touchEvent(form_->PlayField, screen).stationary(0).press(1, QPoint(0, 216));
    form_->Timer1Timer();
    EXPECT_EQ(Player().X, 304);
    QTest::touchEvent(form_->PlayField, screen).move(0, QPoint(500, 600)).stationary(1);
    form_->Timer1Timer();
    EXPECT_EQ(QPoint(Player().X, Player().Y), QPoint(316, 212));

    // The first lifted: he stops, and the finger still down does not steer.
    QTest::touchEvent(form_->PlayField, screen).release(0, QPoint(500, 600)).stationary(1);
    QTest::touchEvent(form_->PlayField, screen).move(1, QPoint(0, 0));
    form_->Timer1Timer();
    EXPECT_EQ(QPoint(Player().X, Player().Y), QPoint(316, 212));
    QTest::touchEvent(form_->PlayField, screen).release(1, QPoint(0, 0));
    EXPECT_EQ(downs.count(), 1) << "one press, and no mouse press made of it";
    EXPECT_EQ(ups.count(), 1);
}
