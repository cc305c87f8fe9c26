// What each command of the menus does in each game state, down to the dialogs it
// opens, and what a game run from the menus asks of the music and the floor.
#include "fakes/shownform.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

using namespace porimogu;
using namespace porimogu::testing;

namespace {

class MenuCommands : public ShownFormTest {
protected:
    bool FloorIsClean() { return form_->Buffers().Back() == form_->Buffers().Background(); }
};

} // namespace

TEST_F(MenuCommands, TopListOnlyWhileWaiting)
{
    for (GameState s : kAllStates) {
        SCOPED_TRACE(Name(s));
        G().SetState(s);
        const auto seen = Run([&] { form_->K3->trigger(); });
        if (s == GameState::Waiting) {
            ASSERT_EQ(seen.size(), 1u);
            EXPECT_EQ(seen[0].widget, top_);
        } else {
            EXPECT_TRUE(seen.empty());
        }
        EXPECT_EQ(G().State(), s);
    }
}

TEST_F(MenuCommands, TopListClosedHandsTheKeyboardBackToTheGame)
{
    ASSERT_TRUE(MainWindowActive());
    ASSERT_EQ(Run([&] { form_->K3->trigger(); }).size(), 1u);
    EXPECT_TRUE(MainWindowActive());
}

TEST_F(MenuCommands, TheGamesEndAndTheWindowLosingTheKeyboardLetGoOfThePointer)
{
    // Held on the field when the game ends: the top list opens over it.
    QTest::mousePress(form_->PlayField, Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(G().Pointer().Held);
    G().SetState(GameState::Over);
    G().G().WaitCount = 0;
    ASSERT_EQ(Run([&] { form_->Timer1Timer(); }).size(), 1u);
    EXPECT_EQ(G().State(), GameState::Waiting);
    EXPECT_FALSE(G().Pointer().Held);
    const QPoint at(G().Actors()[0].X, G().Actors()[0].Y);
    QTest::mouseMove(form_->PlayField, QPoint(0, 0));
    form_->Timer1Timer();
    EXPECT_EQ(QPoint(G().Actors()[0].X, G().Actors()[0].Y), at) << "a drag after it steers nothing";
    QTest::mouseRelease(form_->PlayField, Qt::LeftButton, {}, QPoint(0, 0));

    // Held when another window takes the keyboard.
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    QTest::mousePress(form_->PlayField, Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(G().Pointer().Held);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(G().Pointer().Held);
}

TEST_F(MenuCommands, SpeedDialogOpensBesideTheGameExceptWhilePlaying)
{
    for (GameState s : kAllStates) {
        SCOPED_TRACE(Name(s));
        G().SetState(s);
        const auto seen = Run([&] { form_->KV1->trigger(); });
        EXPECT_TRUE(seen.empty());  // never modal
        if (s == GameState::Playing) {
            EXPECT_FALSE(about_->isVisible());
            EXPECT_EQ(about_->ClientHeight(), TAboutBox::kNormalHeight);
        } else {
            EXPECT_TRUE(about_->isVisible());
            EXPECT_EQ(about_->ClientHeight(), 294);
            EXPECT_FALSE(about_->isModal());
            QTest::mouseClick(about_->OKButton, Qt::LeftButton);
            EXPECT_FALSE(about_->isVisible());
            EXPECT_TRUE(MainWindowActive());
        }
        EXPECT_EQ(G().State(), s);
    }
}

TEST_F(MenuCommands, VersionIsModalAtItsCurrentHeightInEveryState)
{
    for (GameState s : kAllStates) {
        SCOPED_TRACE(Name(s));
        G().SetState(s);
        const auto seen = Run([&] { form_->KV2->trigger(); });
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].widget, about_);
        EXPECT_EQ(seen[0].aboutHeight, 190);
        EXPECT_FALSE(about_->isVisible());
        EXPECT_TRUE(MainWindowActive());
    }

    // The speed dialog closed by its close box keeps its height for the version item.
    G().SetState(GameState::Waiting);
    form_->KV1->trigger();
    about_->close();
    auto seen = Run([&] { form_->KV2->trigger(); });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].widget, about_);
    EXPECT_EQ(seen[0].aboutHeight, 294);

    // Closed by OK, the next version dialog is back at the normal height.
    form_->KV1->trigger();
    QTest::mouseClick(about_->OKButton, Qt::LeftButton);
    seen = Run([&] { form_->KV2->trigger(); });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].aboutHeight, 190);
}

// A hide filter: counts how often a widget was hidden.
class HideCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Hide)
            ++hides;
        return false;
    }
    int hides = 0;
};

TEST_F(MenuCommands, VersionWhileTheSpeedDialogIsOpenOnlyShowsTheErrorBox)
{
    form_->KV1->trigger();
    about_->ScrollBar1->setValue(60);
    HideCounter counter;
    about_->installEventFilter(&counter);
    const auto seen = Run([&] { form_->KV2->trigger(); });
    about_->removeEventFilter(&counter);

    ASSERT_EQ(seen.size(), 1u);
    EXPECT_NE(seen[0].widget, about_);
    EXPECT_EQ(seen[0].text, QStringLiteral("表示されているｳｨﾝﾄﾞｳをﾓｰﾀﾞﾙにすることはできません."));
    EXPECT_EQ(counter.hides, 0);
    EXPECT_TRUE(about_->isVisible());
    EXPECT_FALSE(about_->isModal());
    EXPECT_EQ(about_->ClientHeight(), 294);
    EXPECT_EQ(about_->ScrollBar1->value(), 60);
    EXPECT_EQ(form_->Timer1->interval(), 60);
}

TEST_F(MenuCommands, HelpOpensBesideTheGameInEveryState)
{
    for (GameState s : kAllStates) {
        SCOPED_TRACE(Name(s));
        G().SetState(s);
        const auto seen = Run([&] { form_->KK1->trigger(); });
        EXPECT_TRUE(seen.empty());
        EXPECT_TRUE(help_->isVisible());
        EXPECT_FALSE(help_->isModal());
        // The game goes on behind it: while waiting, the items roam.
        const QImage before = form_->Buffers().Front().copy();
        for (int t = 0; t < 5; ++t)
            form_->Timer1Timer();
        EXPECT_EQ(G().State(), s);
        if (s == GameState::Waiting) {
            EXPECT_NE(form_->Buffers().Front(), before);
        }
        QTest::mouseClick(help_->Button1, Qt::LeftButton);
        EXPECT_FALSE(help_->isVisible());
        EXPECT_TRUE(MainWindowActive());
    }
}

TEST_F(MenuCommands, QuitClosesTheWindowInEveryStateWithoutRecording)
{
    for (GameState s : kAllStates) {
        SCOPED_TRACE(Name(s));
        MakeForm();
        G().SetState(s);
        G().G().Points = 5000;
        const auto seen = Run([&] { form_->KX1->trigger(); });
        EXPECT_TRUE(seen.empty());
        EXPECT_TRUE(form_->CloseRequested());
        EXPECT_FALSE(form_->isVisible());
        EXPECT_FALSE(QFile::exists(QStringLiteral("Tops.dat")));
    }
}

TEST_F(MenuCommands, UnderTheChildLockOnlyCtrlShiftQEndsTheGameAndTheOtherWaysShowTheLockBox)
{
    // A key held over one tick.
    const auto key = [&](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        return [this, k, m] {
            QTest::keyPress(form_.get(), k, m);
            form_->Timer1Timer();
            QTest::keyRelease(form_.get(), k, m);
        };
    };
    const struct Row {
        const char* what;
        GameState from;
        std::function<void()> act;
        bool box;
        GameState to;
    } rows[] = {
        {"Escape while waiting", GameState::Waiting, key(Qt::Key_Escape), false, GameState::Waiting},
        {"Escape while over", GameState::Over, key(Qt::Key_Escape), false, GameState::Over},
        {"Escape while playing", GameState::Playing, key(Qt::Key_Escape), false, GameState::Paused},
        {"おわり while waiting", GameState::Waiting, [&] { form_->KX1->trigger(); }, true, GameState::Waiting},
        {"おわり while playing", GameState::Playing, [&] { form_->KX1->trigger(); }, true, GameState::Playing},
        {"the close box", GameState::Waiting, [&] { form_->close(); }, true, GameState::Waiting},
        {"Alt+F4", GameState::Paused, key(Qt::Key_F4, Qt::AltModifier), true, GameState::Paused},
        {"F11", GameState::Waiting, key(Qt::Key_F11), false, GameState::Waiting},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        MakeForm();
        form_->SetChildLock(true);
        G().SetState(row.from);
        G().G().WaitCount = 3;
        const auto seen = Run(row.act);
        ASSERT_EQ(seen.size(), row.box ? 1u : 0u);
        if (row.box) {
            EXPECT_EQ(seen[0].name, QStringLiteral("LockBox"));
        }
        form_->Timer1Timer();
        EXPECT_EQ(G().State(), row.to);
        EXPECT_FALSE(form_->CloseRequested());
        EXPECT_TRUE(form_->isVisible());
        EXPECT_FALSE(form_->isFullScreen());
    }

    // The game's clock stands still behind the box and runs on after it.
    form_->Timer1->start();
    form_->Timer2->start();
    bool stoodStill = false;
    QTimer::singleShot(0, [&] {
        stoodStill = !form_->Timer1->isActive() && !form_->Timer2->isActive();
        QApplication::activeModalWidget()->close();
    });
    form_->KX1->trigger();
    EXPECT_TRUE(stoodStill);
    EXPECT_TRUE(form_->Timer1->isActive() && form_->Timer2->isActive());

    // Full screen, once there, comes back when the window system takes it away.
    MakeForm();
    form_->SetChildLock(true);
    form_->SetFullScreen(true);
    form_->setWindowState(Qt::WindowMaximized);
    ASSERT_FALSE(form_->isFullScreen());
    for (int i = 0; i < 10 && !form_->isFullScreen(); ++i)
        QCoreApplication::processEvents();
    EXPECT_TRUE(form_->isFullScreen());

    // Ctrl+Shift+Q ends the game, in the box as in the game's window.
    for (bool inBox : {false, true}) {
        SCOPED_TRACE(inBox);
        MakeForm();
        form_->SetChildLock(true);
        if (inBox) {
            QTimer::singleShot(0, [] {
                QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier);
            });
            form_->KX1->trigger();
        } else {
            QTest::keyClick(form_.get(), Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier);
        }
        EXPECT_TRUE(form_->CloseRequested());
        EXPECT_FALSE(form_->isVisible());
    }
}

TEST_F(MenuCommands, MusicOffForAWholeGameMakesNoMediaRequest)
{
    // One game through the menus: start, pause, resume, end early, record, wait again.
    auto playOneGame = [&] {
        form_->KS1->trigger();
        form_->Timer1Timer();
        EXPECT_EQ(G().State(), GameState::Playing);
        form_->Timer2Timer();
        form_->Timer1Timer();
        form_->K1->trigger();
        form_->Timer1Timer();
        EXPECT_EQ(G().State(), GameState::Paused);
        form_->K1->trigger();
        form_->Timer1Timer();
        EXPECT_EQ(G().State(), GameState::Playing);
        form_->KQ1->trigger();
        form_->Timer1Timer();
        EXPECT_EQ(G().State(), GameState::Over);
        while (G().G().WaitCount != 0)
            form_->Timer2Timer();
        const auto seen = Run([&] { form_->Timer1Timer(); });
        EXPECT_FALSE(seen.empty());  // the top list at least
        form_->Timer1->stop();
        EXPECT_EQ(G().State(), GameState::Waiting);
    };

    // With the music on, that course asks for all four requests ...
    playOneGame();
    using enum MusicRequest;
    EXPECT_EQ(music_.requests, (MusicRequests{Rewind, Play, Pause, Play, Stop}));

    // ... and with it off, not one. Neither does choosing the item.
    music_.requests.clear();
    form_->K2->trigger();
    ASSERT_FALSE(form_->K2->isChecked());
    playOneGame();
    EXPECT_EQ(music_.requests, MusicRequests{});

    // Turned off in the middle of a game, the piece is left playing: no request.
    form_->K2->trigger();
    form_->KS1->trigger();
    form_->Timer1Timer();
    music_.requests.clear();
    form_->K2->trigger();
    ASSERT_FALSE(G().G().MusicFlag);
    EXPECT_EQ(music_.requests, MusicRequests{});
}

TEST_F(MenuCommands, TrailSmearsTheFloorOnlyWhilePlayingAndCleansInTheFirstTickElsewhere)
{
    form_->KS2->trigger();
    ASSERT_TRUE(G().G().TrailFlag);
    // Waiting: items roam, the floor stays clean after every tick.
    for (int i = 0; i < 3; ++i) {
        form_->Timer1Timer();
        EXPECT_TRUE(FloorIsClean());
    }

    form_->KS1->trigger();
    form_->Timer1Timer();
    ASSERT_EQ(G().State(), GameState::Playing);
    EXPECT_FALSE(FloorIsClean());
    G().G().DirectionFlags.Right = true;
    form_->Timer1Timer();
    form_->Timer1Timer();
    G().G().DirectionFlags.Right = false;
    // ぽっけ has walked on from (280, 200): the frame still shows him where he stood.
    const QImage& front = form_->Buffers().Front();
    EXPECT_NE(front.pixelColor(284, 204), TileColour(1));  // tile 1: the floor

    form_->K1->trigger();  // pause
    form_->Timer1Timer();
    ASSERT_EQ(G().State(), GameState::Paused);
    EXPECT_TRUE(FloorIsClean());

    form_->K1->trigger();  // resume
    form_->Timer1Timer();
    ASSERT_EQ(G().State(), GameState::Playing);
    EXPECT_FALSE(FloorIsClean());

    // Removing the check while playing cleans the floor at the next tick.
    form_->KS2->trigger();
    form_->Timer1Timer();
    EXPECT_TRUE(FloorIsClean());
    form_->KS2->trigger();
    form_->Timer1Timer();
    EXPECT_FALSE(FloorIsClean());

    form_->KQ1->trigger();
    form_->Timer1Timer();
    ASSERT_EQ(G().State(), GameState::Over);
    EXPECT_TRUE(FloorIsClean());
    for (int i = 0; i < 3; ++i) {
        form_->Timer1Timer();
        EXPECT_TRUE(FloorIsClean());
    }
}

TEST_F(MenuCommands, APauseFromTheMenuGoesOnAtAPressOnTheFieldAndAfterTheEndAPressOnlyWalksHim)
{
    form_->KS1->trigger();
    form_->Timer1Timer();
    form_->K1->trigger();
    form_->Timer1Timer();
    ASSERT_EQ(G().State(), GameState::Paused);
    QTest::mousePress(form_->PlayField, Qt::LeftButton, {}, QPoint(296, 40));
    QTest::mouseRelease(form_->PlayField, Qt::LeftButton, {}, QPoint(296, 40));
    form_->Timer1Timer();
    EXPECT_EQ(G().State(), GameState::Playing);

    // Over: held near the bottom and dragged beyond it, the press walks him down to the
    // border under the point, where he stands, and the game stays over.
    form_->KQ1->trigger();
    form_->Timer1Timer();
    ASSERT_EQ(G().State(), GameState::Over);
    QTest::mousePress(form_->PlayField, Qt::LeftButton, {}, QPoint(296, 420));
    QTest::mouseMove(form_->PlayField, QPoint(296, 470));
    for (int t = 0; t < 40; ++t)
        form_->Timer1Timer();
    EXPECT_EQ(Player().Y, 400);
    EXPECT_LE(std::abs(Player().X + 16 - 296), 6);
    EXPECT_EQ(Player().Image, 32) << "standing, facing down";
    EXPECT_EQ(G().State(), GameState::Over);
    QTest::mouseRelease(form_->PlayField, Qt::LeftButton, {}, QPoint(296, 470));
}
