// Depth-sorted drawing: who covers whom, which tiles land where.
#include "fakes/replay.h"

#include <gtest/gtest.h>

using namespace porimogu;
using namespace porimogu::testing;

namespace {

std::vector<TileDraw> Sprite(int t, int x, int y)
{
    return {{t, x + 32, y + 32}, {t + 1, x + 48, y + 32}, {t + 16, x + 32, y + 48}, {t + 17, x + 48, y + 48}};
}

} // namespace

TEST(Drawing, LowerOnTheFieldCoversHigherAndTiesGoToThePlayerThenTheLowerIndex)
{
    Replay r;
    r.StartUp();
    struct Place {
        int actor, x, y;
    };
    // Each actor shows its BaseImage; x makes the sprites easy to tell apart.
    const Place places[] = {{0, 280, 200}, {1, 10, 250}, {2, 20, 150}, {3, 30, 200}, {4, 40, 300},
                            {5, 50, 300},  {7, 70, 100}, {8, 80, 420}, {9, 90, -6}};
    for (const Place& p : places) {
        Actor& a = r.game.Actors()[static_cast<std::size_t>(p.actor)];
        a.X = p.x;
        a.Y = p.y;
        a.Image = a.BaseImage;
        a.Visible = 1;
    }
    r.Item(6).Visible = 0;  // eaten: neither listed nor drawn

    r.game.BuildDrawList();
    r.game.DrawSprites();

    // Back to front: ghost, 7, 2, then item 3 under the player at the same Y, 1, then
    // item 5 under item 4 at the same Y, and the fish half in the bottom margin.
    std::vector<TileDraw> expected;
    for (const auto& s : {Sprite(164, 90, -6), Sprite(108, 70, 100), Sprite(98, 20, 150), Sprite(100, 30, 200),
                          Sprite(32, 280, 200), Sprite(96, 10, 250), Sprite(104, 50, 300), Sprite(102, 40, 300),
                          Sprite(110, 80, 420)})
        expected.insert(expected.end(), s.begin(), s.end());
    EXPECT_EQ(r.canvas.Tiles(), expected);

    const auto& list = r.game.DrawList();
    EXPECT_EQ(list[0].Key, 448);
    EXPECT_EQ(list[8].Key, 22);
    EXPECT_EQ(list[9].Used, 0);
}

TEST(Drawing, TheListIsEmptiedBeforeEveryRebuild)
{
    Replay r;
    r.StartUp();
    r.game.BuildDrawList();
    for (int i = 1; i <= 9; ++i)
        r.Item(i).Visible = 0;
    r.Player().Y = 0;  // the smallest key a player can have
    r.canvas.Clear();
    r.game.BuildDrawList();
    r.game.DrawSprites();

    EXPECT_EQ(r.canvas.Tiles(), Sprite(32, 280, 0));
    const auto& list = r.game.DrawList();
    EXPECT_EQ(list[0].Used, 1);
    EXPECT_EQ(list[0].Key, 28);
    for (std::size_t i = 1; i < list.size(); ++i) {
        EXPECT_EQ(list[i].Used, 0) << i;
        EXPECT_EQ(list[i].Key, 0) << i;
    }
}
