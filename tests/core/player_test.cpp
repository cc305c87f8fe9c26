// The player's walk: keys, facing, borders, the Shift pose and the eat pose.
#include "fakes/replay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace porimogu;
using namespace porimogu::testing;

namespace {

constexpr std::uint16_t kShiftKey = 16;

class PlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        r.StartUp();
        ParkItems(r.game);
    }
    void Hold(std::initializer_list<std::uint16_t> keys)
    {
        for (auto k : keys)
            r.game.FormKeyDown(k, 0);
    }
    void ReleaseAll()
    {
        for (auto k : {vk::Up, vk::Down, vk::Left, vk::Right})
            r.game.FormKeyUp(k, 0);
    }
    // Moves the player with the given ticks counter before the step.
    const Actor& Move(std::int32_t ticksBefore)
    {
        r.Player().Ticks = ticksBefore;
        r.game.MovePlayer();
        return r.Player();
    }

    Replay r;
};

} // namespace

TEST_F(PlayerTest, OppositeKeysCancelAndTheLaterKeyOfUpLeftRightDownFaces)
{
    Hold({vk::Up, vk::Down});
    EXPECT_EQ(Move(0).Y, 200);
    EXPECT_EQ(r.Player().Mode, 2);
    EXPECT_EQ(r.Player().Image, 38) << "odd tick: second walking step down";
    EXPECT_EQ(Move(1).Image, 36);
    ReleaseAll();

    Hold({vk::Right, vk::Left});  // pressed in the other order: the test order decides
    EXPECT_EQ(Move(0).X, 280);
    EXPECT_EQ(r.Player().Mode, 3);
    EXPECT_EQ(r.Player().Image, 70);
    EXPECT_EQ(Move(1).Image, 68);
}

TEST_F(PlayerTest, DiagonalsMoveOnBothAxesAndFaceByTheFixedOrder)
{
    struct Case {
        std::uint16_t a, b;
        int dx, dy, mode, standing;
    };
    const Case cases[] = {
        {vk::Up, vk::Right, 12, -12, 3, 64},
        {vk::Numpad8, vk::Numpad4, -12, -12, 4, 72},
        {vk::Left, vk::Down, -12, 12, 2, 32},
        {vk::Numpad6, vk::Numpad2, 12, 12, 2, 32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        r.Player().X = 280;
        r.Player().Y = 200;
        Hold({c.a, c.b});
        const Actor& p = Move(1);
        EXPECT_EQ(p.X, 280 + c.dx);
        EXPECT_EQ(p.Y, 200 + c.dy);
        EXPECT_EQ(p.Mode, c.mode);
        EXPECT_EQ(p.Image, c.standing + 4);
        ReleaseAll();
        EXPECT_EQ(Move(2).Image, c.standing) << "released: standing frame, same facing";
    }
}

TEST_F(PlayerTest, BordersClampWhileTheWalkingStepsGoOn)
{
    r.Player().X = 556;
    r.Player().Y = 396;
    Hold({vk::Right, vk::Down});
    for (std::int32_t t = 0; t < 4; ++t) {
        const Actor& p = Move(t);
        EXPECT_EQ(p.X, 560);
        EXPECT_EQ(p.Y, 400);
        EXPECT_EQ(p.Image, t % 2 == 0 ? 38 : 36);
    }
    ReleaseAll();
    r.Player().X = 5;
    r.Player().Y = 11;
    Hold({vk::Up, vk::Left});
    for (std::int32_t t = 0; t < 2; ++t) {
        const Actor& p = Move(t);
        EXPECT_EQ(p.X, 0);
        EXPECT_EQ(p.Y, 0);
        EXPECT_EQ(p.Image, t % 2 == 0 ? 78 : 76);
    }
}

TEST_F(PlayerTest, ShiftShowsThePoseStandingButNotWalking)
{
    // Facing none (fresh start-up): the pose, and it stays after Shift is released.
    r.game.FormKeyDown(kShiftKey, ssShift);
    EXPECT_EQ(Move(0).Image, 34);
    r.game.FormKeyUp(kShiftKey, 0);
    EXPECT_EQ(Move(1).Image, 34);

    const struct {
        std::uint16_t key;
        int pose, walk;
    } dirs[] = {{vk::Down, 34, 36}, {vk::Up, 42, 44}, {vk::Right, 66, 68}, {vk::Left, 74, 76}};
    for (const auto& d : dirs) {
        SCOPED_TRACE(d.key);
        r.game.FormKeyDown(d.key, ssShift);
        EXPECT_EQ(Move(1).Image, d.walk) << "Shift while walking: walking steps";
        EXPECT_EQ(Move(2).Image, d.walk + 2);
        r.game.FormKeyUp(d.key, ssShift);  // Shift still held
        EXPECT_EQ(Move(3).Image, d.pose);
        r.game.FormKeyUp(kShiftKey, 0);
        EXPECT_EQ(Move(4).Image, d.pose - 2) << "Shift released: standing frame";
    }
}

// He once walked on forever.
TEST_F(PlayerTest, KeysHeldWhenTheWindowLosesTheKeyboardAreLetGo)
{
    r.game.SetState(GameState::Playing);
    Hold({vk::Right, vk::Up});
    r.game.FormKeyDown(vk::Return, ssShift);
    r.game.FormDeactivate();
    const std::int32_t x = r.Player().X, y = r.Player().Y;
    Move(1);
    EXPECT_EQ(r.Player().X, x);
    EXPECT_EQ(r.Player().Y, y);
    EXPECT_FALSE(r.game.G().ShiftFlag);
    EXPECT_TRUE(r.game.G().StartRequest);  // the next tick still takes it
}

TEST_F(PlayerTest, EatPoseLastsUntilTheTicksReachAMultipleOfFour)
{
    r.game.SetState(GameState::Playing);
    const auto eatAt = [&](std::int32_t playerTicks) {
        r.Player().Ticks = playerTicks;
        r.Player().Mode = 4;  // facing left before
        r.Player().Image = 72;
        r.Item(1).X = r.Player().X;
        r.Item(1).Y = r.Player().Y;
        r.Item(1).Ticks = 1;  // no respawn during the test
    };

    // Eaten in the tick that takes the counter to 8: no pose at all, facing down.
    eatAt(7);
    r.Step();
    EXPECT_EQ(r.Item(1).Visible, 0);
    EXPECT_EQ(r.Player().Image, 32);
    EXPECT_EQ(r.Player().Mode, 0);
    EXPECT_EQ(r.Player().Points, 0);

    // Eaten in the tick that takes it to 9, walking right: pose for 9, 10, 11.
    ParkItems(r.game);
    eatAt(8);
    r.game.FormKeyDown(vk::Right, 0);
    for (int t = 9; t <= 11; ++t) {
        r.Step();
        EXPECT_EQ(r.Player().Image, 66) << t;
        EXPECT_EQ(r.Player().Points, 255) << t;
    }
    r.Step();
    EXPECT_EQ(r.Player().Image, 32) << "the ending tick shows the standing frame, key or not";
    EXPECT_EQ(r.Player().Mode, 0);
    EXPECT_EQ(r.Player().Points, 0);
    r.Step();
    EXPECT_EQ(r.Player().Image, 70) << "tick 13: walking right again";
}

TEST(SteerToward, FlagsLeadHisCentreToThePointAndStopWithinHalfAStep)
{
    // ぽっけ's top-left corner at (px, py); his centre is 16 further on each axis.
    const struct {
        std::int32_t x, y, px, py;
        Directions want;
    } cases[] = {
        {400, 216, 280, 200, {.Right = true}},
        {100, 216, 280, 200, {.Left = true}},
        {296, 50, 280, 200, {.Up = true}},
        {296, 400, 280, 200, {.Down = true}},
        {400, 100, 280, 200, {.Up = true, .Right = true}},
        {100, 400, 280, 200, {.Down = true, .Left = true}},
        // Half a step (6) on either side is close enough; 7 is not.
        {302, 210, 280, 200, {}},
        {290, 222, 280, 200, {}},
        {303, 216, 280, 200, {.Right = true}},
        {289, 216, 280, 200, {.Left = true}},
        {296, 209, 280, 200, {.Up = true}},
        {296, 223, 280, 200, {.Down = true}},
        // Beyond his reach on an axis he walks until he stands on that border, even
        // from within half a step of it, as a held arrow key takes him.
        {2000, 216, 560, 200, {}},
        {2000, 216, 556, 200, {.Right = true}},
        {2000, 216, 548, 200, {.Right = true}},
        {-300, 216, 0, 200, {}},
        {-300, 216, 4, 200, {.Left = true}},
        {-300, 216, 12, 200, {.Left = true}},
        {296, -40, 280, 0, {}},
        {296, -40, 280, 2, {.Up = true}},
        {296, 900, 280, 400, {}},
        {296, 900, 280, 396, {.Down = true}},
        {-5, -5, 560, 400, {.Up = true, .Left = true}},
        {2000, 900, 556, 396, {.Down = true, .Right = true}},
        // The last points his centre reaches keep the half-step rule.
        {576, 216, 556, 200, {}},
        {577, 216, 556, 200, {.Right = true}},
        {16, 216, 4, 200, {}},
        {15, 216, 4, 200, {.Left = true}},
        {296, 416, 280, 396, {}},
        {296, 417, 280, 396, {.Down = true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "point " << c.x << "," << c.y << " from " << c.px << "," << c.py);
        const Directions s = SteerToward(c.x, c.y, c.px, c.py);
        EXPECT_EQ(s.Up, c.want.Up);
        EXPECT_EQ(s.Down, c.want.Down);
        EXPECT_EQ(s.Left, c.want.Left);
        EXPECT_EQ(s.Right, c.want.Right);
    }
}

TEST_F(PlayerTest, AHeldPointWalksHimThereWithoutEverSteppingBack)
{
    // From starts of every remainder of his 12-pixel grid, and from both borders, to
    // points inside, on and beyond the field.
    const std::int32_t starts[] = {0, 5, 280, 551, 556, 560};
    for (std::int32_t sx : starts) {
        for (std::int32_t tx = -40; tx <= 640; tx += 3) {
            const std::int32_t sy = std::min<std::int32_t>(sx, 400);
            const std::int32_t ty = 470 - tx;
            r.Player().X = sx;
            r.Player().Y = sy;
            r.game.PlayFieldMouseDown(tx, ty);
            int lastDx = 0, lastDy = 0;
            for (int t = 0; t < 60; ++t) {
                const std::int32_t x = r.Player().X, y = r.Player().Y;
                r.game.MovePlayer();
                const int dx = r.Player().X - x, dy = r.Player().Y - y;
                ASSERT_GE(dx * lastDx, 0) << sx << " -> " << tx << " tick " << t;
                ASSERT_GE(dy * lastDy, 0) << sx << " -> " << tx << " tick " << t;
                if (dx != 0) lastDx = dx;
                if (dy != 0) lastDy = dy;
            }
            const Actor before = r.Player();
            r.game.MovePlayer();
            ASSERT_TRUE(r.Player().X == before.X && r.Player().Y == before.Y) << sx << " -> " << tx << ": still walking";
            // A point beyond his reach leaves him on the border, as an arrow key does.
            if (tx < 16 || tx > 576)
                EXPECT_EQ(r.Player().X, tx < 16 ? 0 : 560) << sx << " -> " << tx;
            else
                EXPECT_LE(std::abs(tx - (r.Player().X + 16)), 6) << sx << " -> " << tx;
            if (ty < 16 || ty > 416)
                EXPECT_EQ(r.Player().Y, ty < 16 ? 0 : 400) << sx << " -> " << tx;
            else
                EXPECT_LE(std::abs(ty - (r.Player().Y + 16)), 6) << sx << " -> " << tx;
            r.game.PlayFieldMouseUp();
        }
    }
}

TEST_F(PlayerTest, APressOnTheFieldStartsOrResumesLikeEnter)
{
    const struct {
        GameState state;
        bool request;
    } cases[] = {{GameState::Waiting, true}, {GameState::Paused, true},
                 {GameState::Playing, false}, {GameState::Over, false}};
    for (const auto& c : cases) {
        r.game.SetState(c.state);
        r.G().StartRequest = false;
        r.game.PlayFieldMouseDown(10, 10);
        EXPECT_EQ(r.G().StartRequest, c.request) << int(c.state);
        r.game.PlayFieldMouseUp();
        EXPECT_EQ(r.G().StartRequest, c.request) << "a tap counts: the release keeps the request";
    }
}
