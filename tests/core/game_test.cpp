// Whole games, start to end of recording, replayed from a seed and a script.
#include "fakes/replay.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace porimogu;
using namespace porimogu::testing;

namespace {

// Enter at frame 10, then the player walks a loop round the field; a countdown tick
// every 25 frames (40 ms each: one second).
void Script(Replay& r)
{
    r.Seed(20240607).CountdownEvery(25).Press(10, vk::Return);
    for (int lap = 0; lap < 6; ++lap) {
        const int t = 20 + lap * 320;
        r.At(t, KeyDown(vk::Right)).At(t + 80, KeyUp(vk::Right));
        r.At(t + 80, KeyDown(vk::Down)).At(t + 160, KeyUp(vk::Down));
        r.At(t + 160, KeyDown(vk::Numpad4)).At(t + 240, KeyUp(vk::Numpad4));
        r.At(t + 240, KeyDown(vk::Up, ssShift)).At(t + 320, KeyUp(vk::Up));
    }
}

} // namespace

TEST(WholeGame, EightySecondsOfPlayThenOverThenRecordedFiveSecondsLater)
{
    ScratchDir dir;
    Replay r;
    Script(r);

    const int over = r.RunUntil([&] { return r.game.State() == GameState::Over; }, 3000);
    // Countdown ticks come before frames 25, 50, ...; the 81st takes the time to 0.
    EXPECT_EQ(over, 25 * 81);
    EXPECT_EQ(r.G().TimeLeft, 0);
    EXPECT_GT(r.G().Points, 0) << "a walk round the field eats something";
    const std::int32_t points = r.G().Points;
    EXPECT_EQ(r.status.Label2(), PointsText(points));
    EXPECT_EQ(r.journal.front(), "rewind");
    EXPECT_EQ(std::count(r.journal.begin(), r.journal.end(), "toplist"), 0);

    const int recorded = r.RunUntil([&] { return r.game.State() == GameState::Waiting; }, 500);
    EXPECT_EQ(recorded, 25 * 86) << "five countdown ticks after the time ran out";
    EXPECT_EQ(r.dialogs.topLists, 1);
    ASSERT_GE(r.window.frameTimerLog.size(), 2u);
    EXPECT_FALSE(r.window.frameTimerLog[r.window.frameTimerLog.size() - 2]);
    EXPECT_TRUE(r.window.frameTimerLog.back());
    EXPECT_EQ(r.G().TimeLeft, 81);
    EXPECT_EQ(r.G().Points, 0);
    EXPECT_EQ(r.status.Label2(), QStringLiteral("Point: 0 点"));
    EXPECT_EQ(r.status.Label3(), QStringLiteral("ｴﾝﾀｰｷｰを おしてね"));
    EXPECT_TRUE(r.dialogs.errors.empty());

    r.Run(200);
    EXPECT_EQ(r.game.State(), GameState::Waiting) << "no new game follows by itself";
    EXPECT_EQ(r.dialogs.topLists, 1);
}

TEST(WholeGame, TheSameSeedAndScriptReplayTheSameGame)
{
    Replay a, b;
    Script(a);
    Script(b);
    a.Run(2000);
    b.Run(2000);
    EXPECT_GT(a.G().Points, 0);
    EXPECT_EQ(a.G().Points, b.G().Points);
    for (int i = 0; i < kActorCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        EXPECT_TRUE(SameActor(a.game.Actors()[k], b.game.Actors()[k])) << i;
    }
    EXPECT_EQ(a.sound.beeps, b.sound.beeps);
}

TEST(WholeGame, EscapeAfterTheTimeRanOutEndsTheProgramWithoutRecording)
{
    ScratchDir dir;
    Replay r;
    Script(r);
    r.Press(25 * 81 + 60, vk::Escape);
    r.Run(3000);
    EXPECT_TRUE(r.Closed());
    EXPECT_EQ(r.Now(), 25 * 81 + 61);
    EXPECT_EQ(r.dialogs.topLists, 0);
    EXPECT_EQ(r.dialogs.prompts, 0);
}
