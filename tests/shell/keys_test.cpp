// Whatever a child does with the keyboard, the game plays on: every key at once, a flood
// of key events, a key let go in another window. Afterwards it has said nothing, pauses,
// lets ぽっけ walk, and he stands again once the key is up.
#include "fakes/boxanswerer.h"
#include "fakes/shownform.h"

#include <QAction>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

using namespace porimogu;
using namespace porimogu::testing;

namespace {

class Keys : public ShownFormTest {
protected:
    // A key held across one tick, as the shortest press the game takes.
    void Tap(Qt::Key key)
    {
        QTest::keyPress(form_.get(), key);
        form_->Timer1Timer();
        QTest::keyRelease(form_.get(), key);
    }
};

// Every key a child can reach, except F10, which opens the menu bar.
const Qt::Key kEveryKey[] = {
    Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Shift,
    Qt::Key_Control, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Backspace, Qt::Key_Home, Qt::Key_End,
    Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Insert, Qt::Key_Delete, Qt::Key_F1, Qt::Key_F2, Qt::Key_F3,
    Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8, Qt::Key_F9, Qt::Key_F11, Qt::Key_F12,
    Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_D, Qt::Key_E, Qt::Key_F, Qt::Key_G, Qt::Key_H, Qt::Key_I,
    Qt::Key_J, Qt::Key_K, Qt::Key_L, Qt::Key_M, Qt::Key_N, Qt::Key_O, Qt::Key_P, Qt::Key_Q, Qt::Key_R,
    Qt::Key_S, Qt::Key_T, Qt::Key_U, Qt::Key_V, Qt::Key_W, Qt::Key_X, Qt::Key_Y, Qt::Key_Z, Qt::Key_0,
    Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6, Qt::Key_7, Qt::Key_8, Qt::Key_9,
};

} // namespace

TEST_F(Keys, WhateverTheKeyboardDoesTheGamePlaysOnAndNoKeyStaysHeld)
{
    const struct {
        const char* what;
        std::function<void()> act;
    } rows[] = {
        {"every key at once", [&] {
             for (Qt::Key k : kEveryKey)
                 QTest::keyPress(form_.get(), k);
             for (int t = 0; t < 12; ++t)
                 form_->Timer1Timer();
             for (Qt::Key k : kEveryKey)
                 QTest::keyRelease(form_.get(), k);
         }},
        {"10,000 arrow events, 40 between two ticks", [&] {
             const Qt::Key arrows[] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down};
             for (int i = 0; i < 10000; ++i) {
                 const Qt::Key k = arrows[(i / 2) % 4];
                 if (i % 2 == 0)
                     QTest::keyPress(form_.get(), k);
                 else
                     QTest::keyRelease(form_.get(), k);
                 if (i % 40 == 39)
                     form_->Timer1Timer();
             }
         }},
        {"a key let go in another window", [&] {
             QTest::keyPress(form_.get(), Qt::Key_Left);
             form_->Timer1Timer();
             form_->KK1->trigger();  // the help takes the keyboard
             help_->activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(help_));
             QTest::keyRelease(help_, Qt::Key_Left);
             help_->close();
             form_->activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
         }},
    };
    BoxAnswerer boxes;
    Tap(Qt::Key_Return);
    ASSERT_EQ(G().State(), GameState::Playing);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        row.act();
        form_->Timer1Timer();
        QTest::qWait(10);
        EXPECT_FALSE(form_->CloseRequested());
        EXPECT_EQ(boxes.texts, QStringList());
        // Paused, the items stand still and none is eaten; ぽっけ still walks.
        if (G().State() != GameState::Paused)
            Tap(Qt::Key_Escape);
        if (G().State() != GameState::Paused) {
            Tap(Qt::Key_Return);
            Tap(Qt::Key_Escape);
        }
        ASSERT_EQ(G().State(), GameState::Paused);
        const int x = Player().X;
        QTest::keyPress(form_.get(), Qt::Key_Right);
        form_->Timer1Timer();
        form_->Timer1Timer();
        QTest::keyRelease(form_.get(), Qt::Key_Right);
        EXPECT_TRUE(Player().X > x || x >= 560) << "the arrow does not walk him";
        const QPoint at(Player().X, Player().Y);
        form_->Timer1Timer();
        form_->Timer1Timer();
        EXPECT_EQ(QPoint(Player().X, Player().Y), at) << "he walks on with no key held";
        Tap(Qt::Key_Return);
        EXPECT_EQ(G().State(), GameState::Playing);
    }
}
