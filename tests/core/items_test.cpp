// Item movement: the wave path, bouncing, the frame flip, respawn and the pause.
#include "fakes/replay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <set>

using namespace porimogu;
using namespace porimogu::testing;

TEST(ItemMovement, WavePathSpansMinus6To422AndEveryLaterCrossingStartsAt0And216)
{
    Replay r;
    r.StartUp();
    int lowFirst = INT_MAX, highFirst = INT_MIN, lowLater = INT_MAX, highLater = INT_MIN;
    for (std::int32_t phase = 0; phase < 36; ++phase) {
        SCOPED_TRACE(phase);
        Actor w = r.Item(kWaveItem);  // as a new game leaves it: (0, 200)
        ASSERT_EQ(w.X, 0);
        ASSERT_EQ(w.Y, 200);
        w.Ticks = phase;
        int crossings = 0;
        for (int step = 1; step <= 3 * 94; ++step) {
            r.game.MoveItem(w);
            if (w.X == 0) {
                ++crossings;
                EXPECT_EQ(step % 94, 0) << "a crossing lasts 94 ticks";
                EXPECT_EQ(w.Y, 216);
            }
            EXPECT_EQ(w.X, 6 * (step % 94));
            if (crossings == 0) {
                lowFirst = std::min(lowFirst, w.Y);
                highFirst = std::max(highFirst, w.Y);
            } else {
                lowLater = std::min(lowLater, w.Y);
                highLater = std::max(highLater, w.Y);
            }
        }
        EXPECT_EQ(crossings, 3);
    }
    EXPECT_EQ(lowFirst, -6);
    EXPECT_EQ(highFirst, 406);
    EXPECT_EQ(lowLater, 10);
    EXPECT_EQ(highLater, 422);
}

TEST(ItemMovement, AWaveCounterThatRanPast2To31StillStepsByTheTable)
{
    // Counters wrap to negative values after 2^31 ticks (49 days at the fastest speed).
    const std::set<int> magnitudes = {20, 17, 16, 14, 13, 10, 7, 4, 2};
    for (int n : {INT_MIN, INT_MIN + 1, -1, -35})
        EXPECT_EQ(magnitudes.count(std::abs(Game::WaveStep(n))), 1u) << n;
}

TEST(ItemMovement, GhostTurnsBetween553And560AtTheRightAnd0And7AtTheLeft)
{
    Replay r;
    r.StartUp();
    std::set<int> right, left;
    for (int x0 = 0; x0 <= 560; ++x0) {
        Actor g = r.Item(kGhost);
        g.X = x0;
        g.Y = 200;
        g.StepY = 0;
        g.StepX = 8;
        for (int guard = 0; g.StepX > 0 && guard < 100; ++guard)
            r.game.MoveItem(g);
        right.insert(g.X);
        for (int guard = 0; g.StepX < 0 && guard < 100; ++guard) {
            r.game.MoveItem(g);
            ASSERT_GE(g.X, 0);
            ASSERT_LE(g.X, 560);
        }
        left.insert(g.X);
    }
    EXPECT_EQ(right, (std::set<int>{553, 554, 555, 556, 557, 558, 559, 560}));
    EXPECT_EQ(left, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST(ItemMovement, AStepPastACornerStaysPutAndReversesBothWays)
{
    Replay r;
    r.StartUp();
    Actor a = r.Item(1);
    a.X = 559;
    a.Y = 399;
    a.StepX = 3;
    a.StepY = 2;
    r.game.MoveItem(a);
    EXPECT_EQ(a.X, 559);
    EXPECT_EQ(a.Y, 399);
    EXPECT_EQ(a.StepX, -3);
    EXPECT_EQ(a.StepY, -2);
    r.game.MoveItem(a);
    EXPECT_EQ(a.X, 556);
    EXPECT_EQ(a.Y, 397);
}

TEST(ItemMovement, FramesFlipWhenTheCounterStandsAtAMultipleOfFour)
{
    Replay r;
    r.StartUp();
    r.game.MoveItems();  // counter 0 right after start-up: flips at once
    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(r.Item(i).Image, r.Item(i).BaseImage + 32) << i;
    for (int k = 0; k < 3; ++k)
        r.game.MoveItems();
    EXPECT_EQ(r.Item(3).Image, 132);
    r.game.MoveItems();  // counter 4
    EXPECT_EQ(r.Item(3).Image, 100);

    r.game.MoveItems();  // counters now 6
    r.game.SetupItems(); // a new game puts every frame back to BaseImage
    r.game.MoveItems();
    r.game.MoveItems();
    EXPECT_EQ(r.Item(3).Image, 100);
    r.game.MoveItems();  // counter 8
    EXPECT_EQ(r.Item(3).Image, 132);
}

TEST(ItemMovement, EatenItemsReturnOnlyWhenTheirCounterStandsAtAMultipleOf120)
{
    Replay r;
    r.StartUp();
    Actor a = r.Item(2);
    a.Visible = 0;
    a.Ticks = 121;
    for (int k = 0; k < 119; ++k) {
        r.game.MoveItem(a);
        ASSERT_EQ(a.Visible, 0) << k;
    }
    r.game.MoveItem(a);
    EXPECT_EQ(a.Visible, 1);

    // Eaten in a tick in which its counter stands at 240: scored, yet drawn again.
    ParkItems(r.game);
    r.game.SetState(GameState::Playing);
    r.Item(2).X = r.Player().X + 10;
    r.Item(2).Y = r.Player().Y - 10;
    r.Item(2).Ticks = 240;
    r.Step();
    EXPECT_EQ(r.G().Points, 20);
    EXPECT_EQ(r.sound.beeps, std::vector<Beep>{Beep::Food});
    EXPECT_EQ(r.Item(2).Visible, 1);
    const Actor& it = r.Item(2);
    const auto tiles = r.canvas.Tiles();
    EXPECT_NE(std::find(tiles.begin(), tiles.end(), TileDraw{it.Image, it.X + 32, it.Y + 32}), tiles.end());
}

TEST(ItemMovement, PauseFreezesItemsButNotThePlayer)
{
    Replay r;
    r.StartUp();
    r.game.SetState(GameState::Paused);
    r.Item(5).Visible = 0;
    r.Item(5).Ticks = 240;  // would respawn if it moved
    r.game.FormKeyDown(vk::Right, 0);
    const auto before = r.game.Actors();
    r.Run(3);
    for (int i = 1; i <= 9; ++i)
        EXPECT_TRUE(SameActor(r.Item(i), before[static_cast<std::size_t>(i)])) << i;
    EXPECT_EQ(r.Player().X, before[0].X + 36);
    EXPECT_EQ(r.Player().Ticks, before[0].Ticks + 3);
}
