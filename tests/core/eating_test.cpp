// Eating: contact, points, the ghost's penalty, marks, beeps and the clear bonus.
#include "fakes/replay.h"

#include <gtest/gtest.h>

using namespace porimogu;
using namespace porimogu::testing;

namespace {

class EatingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        r.StartUp();
        r.game.SetState(GameState::Playing);
        r.Player().X = 280;
        r.Player().Y = 200;
        ParkItems(r.game);
    }
    void Place(int i, int dx, int dy)
    {
        r.Item(i).X = r.Player().X + dx;
        r.Item(i).Y = r.Player().Y + dy;
        r.Item(i).Visible = 1;
    }
    void HideFood(std::initializer_list<int> items)
    {
        for (int i : items)
            r.Item(i).Visible = 0;
    }
    // The two tiles of a mark at an actor standing at (x, y).
    static std::vector<TileDraw> Mark(int tile, int x, int y)
    {
        const int m = y < 128 ? y + 64 : y;
        return {{tile, x + 32, m}, {tile + 1, x + 48, m}};
    }

    Replay r;
};

} // namespace

TEST_F(EatingTest, ContactReaches27PixelsButNot28OnEitherAxis)
{
    const struct {
        int dx, dy;
        bool eaten;
    } cases[] = {{27, -27, true}, {-27, 27, true}, {0, 0, true},    {28, 0, false},
                 {-28, 0, false}, {0, 28, false},  {0, -28, false}, {28, 28, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.dx << "," << c.dy);
        ParkItems(r.game);
        r.G().Points = 0;
        Place(3, c.dx, c.dy);
        r.game.EatItems();
        EXPECT_EQ(r.Item(3).Visible, c.eaten ? 0 : 1);
        EXPECT_EQ(r.G().Points, c.eaten ? 20 : 0);
    }
}

TEST_F(EatingTest, GhostCosts50ButThePointsNeverFallBelowZero)
{
    for (auto [before, after] : {std::pair{30, 0}, {120, 70}, {50, 0}, {0, 0}}) {
        SCOPED_TRACE(before);
        r.G().Points = before;
        Place(kGhost, 5, 5);
        r.canvas.Clear();
        r.sound.beeps.clear();
        r.game.EatItems();
        EXPECT_EQ(r.G().Points, after);
        EXPECT_EQ(r.sound.beeps, std::vector<Beep>{Beep::Ghost});
        EXPECT_EQ(r.canvas.Tiles(), Mark(30, 285, 205));
        EXPECT_EQ(r.Player().Points, 255);
    }
}

TEST_F(EatingTest, SeveralItemsInOneTickEachScoreMarkAndBeep)
{
    Place(8, -20, 10);  // the fish: 50, tiles 24/25
    Place(4, 10, -10);  // the treat: 40, tiles 22/23
    Place(1, 0, 0);     // a plain item: 20, tiles 18/19
    r.game.EatItems();
    EXPECT_EQ(r.G().Points, 110);
    EXPECT_EQ(r.sound.beeps, (std::vector<Beep>{Beep::Food, Beep::Food, Beep::Food}));
    std::vector<TileDraw> expected = Mark(18, 280, 200);  // index order: 1, 4, 8
    for (const auto& t : Mark(22, 290, 190))
        expected.push_back(t);
    for (const auto& t : Mark(24, 260, 210))
        expected.push_back(t);
    EXPECT_EQ(r.canvas.Tiles(), expected);
}

TEST_F(EatingTest, NothingIsEatenOutsidePlaying)
{
    for (GameState s : {GameState::Waiting, GameState::Paused, GameState::Over}) {
        SCOPED_TRACE(static_cast<int>(s));
        r.game.SetState(s);
        Place(1, 0, 0);
        Place(kGhost, 0, 0);
        r.game.EatItems();
        EXPECT_EQ(r.Item(1).Visible, 1);
        EXPECT_EQ(r.Item(kGhost).Visible, 1);
        EXPECT_EQ(r.G().Points, 0);
        EXPECT_TRUE(r.sound.beeps.empty());
        EXPECT_TRUE(r.canvas.Tiles().empty());
    }
}

TEST_F(EatingTest, ClearBonusComesTheTickAfterTheLastFoodWithTheGhostStillOnTheField)
{
    HideFood({1, 2, 3, 4, 5, 6, 7});
    Place(8, 0, 0);
    r.game.EatItems();  // the fish still counted as left in this pass
    EXPECT_EQ(r.G().Points, 50);
    EXPECT_TRUE(r.window.frameTimerLog.empty());

    r.journal.clear();
    r.canvas.Clear();
    r.Player().X = 300;
    r.Player().Y = 100;
    r.game.EatItems();
    EXPECT_EQ(r.G().Points, 151);
    EXPECT_EQ(r.journal, (Journal{"timer off", "beep bonus", "timer on"}));
    EXPECT_EQ(r.canvas.Tiles(), Mark(28, 300, 100));
    for (int i = 0; i < kActorCount; ++i)
        EXPECT_EQ(r.game.Actors()[static_cast<std::size_t>(i)].Visible, 1) << i;
    EXPECT_FALSE(r.game.AllEaten());

    r.game.EatItems();
    EXPECT_EQ(r.G().Points, 151) << "paid once";
}

TEST_F(EatingTest, EatingTheGhostLastPaysNoBonus)
{
    HideFood({1, 2, 3, 4, 5, 6, 7});  // the fish is still out there
    r.G().Points = 200;
    Place(kGhost, 0, 0);
    r.game.EatItems();
    r.game.EatItems();
    EXPECT_EQ(r.G().Points, 150);
    EXPECT_EQ(r.sound.beeps, std::vector<Beep>{Beep::Ghost});
    EXPECT_EQ(r.Item(kWaveItem).Visible, 1);
    EXPECT_EQ(r.Item(1).Visible, 0);

    Place(kWaveItem, 0, 0);  // the last food: the bonus brings the ghost back too
    r.game.EatItems();
    r.game.EatItems();
    EXPECT_EQ(r.G().Points, 301);
    EXPECT_EQ(r.Item(kGhost).Visible, 1);
}

TEST_F(EatingTest, MarkGoesBelowTheSpriteAboveY128)
{
    const struct {
        int y, markY;
    } cases[] = {{127, 191}, {128, 128}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.y);
        ParkItems(r.game, 500, 380);
        r.canvas.Clear();
        r.Player().Y = c.y;
        Place(2, 0, 0);
        r.game.EatItems();
        EXPECT_EQ(r.canvas.Tiles(), (std::vector<TileDraw>{{18, 312, c.markY}, {19, 328, c.markY}}));
    }
}
