// Start-up and per-game set-up of the actor table: which draw goes where.
#include "fakes/replay.h"

#include <gtest/gtest.h>

using namespace porimogu;
using namespace porimogu::testing;

namespace {

struct Draws {
    std::array<std::int32_t, kActorCount> x{}, y{};     // start-up positions
    std::array<std::int32_t, kActorCount> stepX{}, stepY{};
};

// The per-game draws: four per item 1..9, then the ghost's vertical speed.
void DrawItemSpeeds(Random& rng, Draws& d)
{
    for (int i = 1; i <= 9; ++i) {
        const auto k = static_cast<std::size_t>(i);
        d.stepX[k] = 1 + rng.RandomBelow(3);
        if (rng.RandomBelow(2) == 0)
            d.stepX[k] = -d.stepX[k];
        d.stepY[k] = 1 + rng.RandomBelow(3);
        if (rng.RandomBelow(2) == 0)
            d.stepY[k] = -d.stepY[k];
    }
    d.stepX[kGhost] = 8;
    d.stepY[kGhost] = 3 + rng.RandomBelow(2);
}

const std::array<std::int32_t, kActorCount> kBase = {32, 96, 98, 100, 102, 104, 106, 108, 110, 164};
const std::array<std::int32_t, kActorCount> kPoints = {20, 20, 20, 20, 40, 20, 20, 20, 50, 0};

} // namespace

TEST(StartUp, EveryActorTakesItsDrawsInOrderAndThePlayerKeepsItsPlace)
{
    for (std::uint32_t seed : {0u, 1u, 86'399'999u}) {
        SCOPED_TRACE(seed);
        Replay r;
        r.Seed(seed).StartUp();

        Random rng;
        rng.SetSeed(seed);
        Draws d;
        for (std::size_t i = 0; i < kActorCount; ++i) {  // the player's two draws are made too
            d.x[i] = 32 + rng.RandomBelow(528);
            d.y[i] = 32 + rng.RandomBelow(368);
        }
        DrawItemSpeeds(rng, d);
        EXPECT_EQ(r.game.Rng().Seed(), rng.Seed()) << "no draw more, no draw less";

        const Actor& p = r.Player();
        EXPECT_EQ(p.X, 280);
        EXPECT_EQ(p.Y, 200);
        EXPECT_EQ(p.Image, 32);
        EXPECT_EQ(p.BaseImage, 32);
        EXPECT_EQ(p.Mode, 0);
        EXPECT_EQ(p.StepX, 12);
        EXPECT_EQ(p.StepY, 12);
        EXPECT_EQ(p.Points, 20) << "only 255 means something for the player";

        for (int i = 1; i <= 9; ++i) {
            SCOPED_TRACE(i);
            const auto k = static_cast<std::size_t>(i);
            const Actor& a = r.Item(i);
            if (i == kWaveItem) {
                EXPECT_EQ(a.X, 0);
                EXPECT_EQ(a.Y, 200);
                EXPECT_EQ(a.Mode, 5);
            } else {
                EXPECT_EQ(a.X, d.x[k]);
                EXPECT_EQ(a.Y, d.y[k]);
                EXPECT_EQ(a.Mode, 0);
            }
            EXPECT_EQ(a.StepX, d.stepX[k]);
            EXPECT_EQ(a.StepY, d.stepY[k]);
            EXPECT_NE(a.StepX, 0);
            EXPECT_NE(a.StepY, 0);
            EXPECT_EQ(a.BaseImage, kBase[k]);
            EXPECT_EQ(a.Image, kBase[k]);
            EXPECT_EQ(a.Points, kPoints[k]);
            EXPECT_EQ(a.Size, 2);
            EXPECT_EQ(a.Visible, 1);
            EXPECT_EQ(a.Ticks, 0);
        }
    }
}

TEST(NewGame, KeepsPlayerPositionsTicksAndFoodPointsButDrawsNewSpeeds)
{
    Replay r;
    r.Seed(99).At(0, KeyDown(vk::Right)).At(0, KeyDown(vk::Up)).At(5, KeyUp(vk::Up));
    r.Run(40);  // walk and let the items roam while waiting
    r.At(40, KeyDown(16, ssShift));
    r.Run(1);
    for (int i : {2, 5, 9})
        r.Item(i).Visible = 0;

    const auto before = r.game.Actors();
    Random rng = r.game.Rng();
    Draws d;
    DrawItemSpeeds(rng, d);
    r.G().Points = 345;
    r.G().TimeLeft = 0;
    r.G().StartRequest = r.G().PauseRequest = r.G().DirectionFlags.Right = true;
    r.canvas.Clear();

    r.game.SetState(GameState::Playing);
    r.game.StartGame();

    EXPECT_TRUE(SameActor(r.Player(), before[0])) << ::testing::PrintToString(r.Player());
    for (int i = 1; i <= 9; ++i) {
        SCOPED_TRACE(i);
        const auto k = static_cast<std::size_t>(i);
        const Actor& a = r.Item(i);
        EXPECT_EQ(a.Ticks, before[k].Ticks);
        if (i == kWaveItem) {
            EXPECT_EQ(a.X, 0);
            EXPECT_EQ(a.Y, 200);
        } else {
            EXPECT_EQ(a.X, before[k].X);
            EXPECT_EQ(a.Y, before[k].Y);
        }
        EXPECT_EQ(a.StepX, d.stepX[k]);
        EXPECT_EQ(a.StepY, d.stepY[k]);
        EXPECT_EQ(a.Image, kBase[k]);
        EXPECT_EQ(a.Points, kPoints[k]);
        EXPECT_EQ(a.Visible, 1);
    }
    EXPECT_EQ(r.G().TimeLeft, 81);
    EXPECT_EQ(r.G().Points, 0);
    EXPECT_FALSE(r.G().StartRequest || r.G().PauseRequest || r.G().DirectionFlags.Right);
    EXPECT_TRUE(r.G().ShiftFlag) << "a new game keeps the shift flag";
    ASSERT_EQ(r.canvas.ops.size(), 1u);
    EXPECT_EQ(r.canvas.ops[0].op, FakeCanvas::Op::Background) << "trails are wiped";
    EXPECT_EQ(r.music.requests, (std::vector{MusicRequest::Rewind, MusicRequest::Play}));
}

TEST(StartUp, TicksBeforeSetUpRunOnAZeroFilledTable)
{
    // The timers start before the window's set-up has finished: the defaults are
    // given, the actor table is still zero-filled.
    Journal j;
    FakeCanvas canvas;
    FakeStatus status;
    FakeSound sound{j};
    FakeMusic music{j};
    FakeWindow window{j};
    FakeDialogs dialogs{j};
    OpenGame game(Ports{&canvas, &status, &sound, &music, &window, &dialogs});
    game.G().SetDefaults();
    game.Timer2Timer();
    game.Timer1Timer();
    game.Timer1Timer();
    for (const TileDraw& t : canvas.Tiles()) {  // the items' counters respawn them at once
        EXPECT_GE(t.n, 0);
        EXPECT_LT(t.n, 256);
    }
    EXPECT_EQ(canvas.presents, 2);
    EXPECT_EQ(game.State(), GameState::Waiting);
    EXPECT_TRUE(j.empty());
}
