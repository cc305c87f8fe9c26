// The play field: set-up, movement, eating and the depth-sorted drawing of the ten
// actors. Every random draw and every step runs in the order the game has always
// used, so a seed replays a game exactly.
#include "core/field.h"
#include "core/game.h"

namespace porimogu {

namespace {

// Vertical steps of the first half of the wave's 36-tick period.
constexpr std::array<std::int32_t, 18> kWaveTable = {20, 17, 16, 14, 13, 10, 7, 4, 2,
                                                     -2, -4, -7, -10, -13, -14, -16, -17, -20};

// Frame offsets by facing (index = Mode): standing, and the eat/Shift pose.
constexpr std::array<std::int32_t, 5> kStandOffset = {0, 8, 0, 32, 40};
constexpr std::array<std::int32_t, 5> kPoseOffset = {2, 10, 2, 34, 42};

// Tick counters run for the life of the program; past 2^31 they wrap to negative
// values instead of overflowing.
constexpr std::int32_t NextTick(std::int32_t ticks)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(ticks) + 1u);
}

} // namespace

void Game::SetupActors()
{
    for (Actor& a : actors_) {
        a.Visible = 0;
        // At least a sprite in from the left and top, and short of the far edges.
        a.X = kSpriteSize + rng_.RandomBelow(kFieldRight - kSpriteSize);
        a.Y = kSpriteSize + rng_.RandomBelow(kFieldBottom - kSpriteSize);
        a.BaseImage = 0;
        a.Image = 0;
        a.Size = 2;
        a.StepX = 0;
        a.StepY = 0;
        a.Ticks = 0;
        a.Points = 20;
    }
    Actor& p = actors_[0];
    p.X = kFieldRight / 2;
    p.Y = kFieldBottom / 2;
    p.Size = 2;
    p.BaseImage = 32;
    p.Image = 32;
    p.StepX = kPlayerStep;
    p.StepY = kPlayerStep;
    p.Visible = 1;
    SetupItems();
}

void Game::SetupItems()
{
    static constexpr std::array<std::int32_t, 7> kFoodImages = {96, 98, 100, 102, 104, 106, 108};
    for (int i = 1; i <= 7; ++i)
        actors_[i].BaseImage = kFoodImages[i - 1];
    for (int i = 1; i <= 9; ++i) {
        Actor& a = actors_[i];
        a.StepX = 1 + rng_.RandomBelow(3);
        if (rng_.RandomBelow(2) == 0)
            a.StepX = -a.StepX;
        a.StepY = 1 + rng_.RandomBelow(3);
        if (rng_.RandomBelow(2) == 0)
            a.StepY = -a.StepY;
        a.Image = a.BaseImage;
        a.Visible = 1;
    }
    actors_[4].Points = 40;

    Actor& fish = actors_[kWaveItem];
    fish.Points = 50;
    fish.X = 0;
    fish.Y = 200;
    fish.BaseImage = kFishImage;
    fish.Image = kFishImage;
    fish.Mode = 5;

    Actor& ghost = actors_[kGhost];
    ghost.Points = 0;
    ghost.BaseImage = kGhostImage;
    ghost.Image = kGhostImage;
    ghost.StepX = 8;
    ghost.StepY = 3 + rng_.RandomBelow(2);
}

void Game::MovePlayer()
{
    Actor& p = actors_[0];
    p.Ticks = NextTick(p.Ticks);

    // A held pointer adds its flags to the keys'; it is asked only while held.
    Directions held = g_.DirectionFlags;
    if (pointer_.Held)
        held |= SteerToward(pointer_.X, pointer_.Y, p.X, p.Y);

    if (held.Up) {
        p.Y -= p.StepY;
        p.Mode = 1;
        p.Image = p.BaseImage + 8;
    }
    if (held.Left) {
        p.X -= p.StepX;
        p.Mode = 4;
        p.Image = p.BaseImage + 40;
    }
    if (held.Right) {
        p.X += p.StepX;
        p.Mode = 3;
        p.Image = p.BaseImage + 32;
    }
    if (held.Down) {
        p.Y += p.StepY;
        p.Mode = 2;
        p.Image = p.BaseImage;
    }

    if (p.X < 0) p.X = 0;
    if (p.X > kFieldRight) p.X = kFieldRight;
    if (p.Y < 0) p.Y = 0;
    if (p.Y > kFieldBottom) p.Y = kFieldBottom;

    if (p.Mode == 0) {
        if (g_.ShiftFlag)
            p.Image = p.BaseImage + 2;
    } else if (p.Mode <= 4) {
        p.Image = p.BaseImage + kStandOffset[p.Mode];
        const bool walking = (p.Mode == 1 && held.Up) || (p.Mode == 2 && held.Down) ||
                             (p.Mode == 3 && held.Right) || (p.Mode == 4 && held.Left);
        if (walking)
            p.Image += (p.Ticks % 2 == 0) ? 4 : 6;
        else if (g_.ShiftFlag)
            p.Image += 2;
    }

    if (p.Points == 255) {
        p.Image = p.BaseImage + (p.Mode <= 4 ? kPoseOffset[p.Mode] : 2);
        if (p.Ticks % 4 == 0) {
            p.Mode = 0;
            p.Image = p.BaseImage;
            p.Points = 0;
        }
    }
}

std::int32_t Game::WaveStep(std::int32_t ticks)
{
    std::int32_t r = ticks % 36;
    if (r < 0)  // a counter that has wrapped
        r += 36;
    return r < 18 ? kWaveTable[static_cast<std::size_t>(r)] : -kWaveTable[static_cast<std::size_t>(r - 18)];
}

void Game::MoveItems()
{
    if (state_ == GameState::Paused)
        return;
    for (int i = 1; i <= 9; ++i)
        MoveItem(actors_[i]);
}

void Game::MoveItem(Actor& a)
{
    if (a.Mode == 5) {
        a.Y += WaveStep(a.Ticks);
        a.X += 6;
        if (a.X > kFieldRight) {
            a.X = 0;
            a.Y = 216;
        }
    } else {
        a.X += a.StepX;
        a.Y += a.StepY;
        if (a.X < 0 || a.X > kFieldRight) {
            a.X -= a.StepX;
            a.StepX = -a.StepX;
        }
        if (a.Y < 0 || a.Y > kFieldBottom) {
            a.Y -= a.StepY;
            a.StepY = -a.StepY;
        }
    }
    if (a.Ticks % 4 == 0)
        a.Image = (a.Image == a.BaseImage) ? a.BaseImage + 32 : a.BaseImage;
    if (a.Ticks % 120 == 0)
        a.Visible = 1;
    a.Ticks = NextTick(a.Ticks);
}

void Game::DrawEatMark(std::int32_t tile, std::int32_t actor)
{
    const Actor& a = actors_[static_cast<std::size_t>(actor)];
    const std::int32_t m = a.Y < 128 ? a.Y + 64 : a.Y;
    ports_.canvas->DrawTile(tile, a.X + kFieldMargin, m);
    ports_.canvas->DrawTile(tile + 1, a.X + kFieldMargin + 16, m);
}

void Game::EatItems()
{
    if (state_ == GameState::Playing) {
        int left = 0;
        const Actor& p = actors_[0];
        for (int i = 1; i <= 9; ++i) {
            Actor& a = actors_[i];
            if (a.Visible != 1)
                continue;
            if (a.BaseImage != kGhostImage)
                ++left;
            const std::int32_t dx = a.X - p.X;
            const std::int32_t dy = a.Y - p.Y;
            if (dx > -28 && dx < 28 && dy > -28 && dy < 28) {
                actors_[0].Points = 255;
                a.Visible = 0;
                g_.Points += a.Points;
                if (a.BaseImage == kGhostImage) {
                    DrawEatMark(30, i);
                    ports_.sound->Play(Beep::Ghost);
                    g_.Points -= 50;
                    if (g_.Points < 0)
                        g_.Points = 0;
                } else if (a.BaseImage == kFishImage) {
                    DrawEatMark(24, i);
                    ports_.sound->Play(Beep::Food);
                } else if (a.BaseImage == kTreatImage) {
                    DrawEatMark(22, i);
                    ports_.sound->Play(Beep::Food);
                } else {
                    DrawEatMark(18, i);
                    ports_.sound->Play(Beep::Food);
                }
            }
        }
        if (left == 0 && !allEaten_)
            allEaten_ = true;
    }
    if (allEaten_) {
        ports_.window->SetFrameTimerEnabled(false);
        DrawEatMark(28, 0);
        ports_.sound->Play(Beep::Bonus);
        g_.Points += 101;
        ports_.window->SetFrameTimerEnabled(true);
        for (Actor& a : actors_)
            a.Visible = 1;
        allEaten_ = false;
    }
}

void Game::BuildDrawList()
{
    for (DrawEntry& e : drawList_) {
        e.Used = 0;
        e.Key = 0;
    }
    for (const Actor& a : actors_)
        if (a.Visible == 1)
            AddToDrawList(a);
}

void Game::AddToDrawList(const Actor& a)
{
    // Size 1 has no height of its own in the rules; it is drawn one tile high.
    const std::int32_t height = a.Size == 2 ? 32 : 16;
    const std::int32_t key = a.Y + height - 4;

    std::size_t slot = kDrawListSize - 1;
    if (drawList_[0].Used == 0) {
        slot = 0;
    } else {
        for (std::size_t i = 0; i < kDrawListSize - 1; ++i) {
            if (drawList_[i].Key < key) {
                for (std::size_t j = kDrawListSize - 2; j + 1 > i; --j)
                    drawList_[j + 1] = drawList_[j];
                slot = i;
                break;
            }
        }
    }
    DrawEntry& e = drawList_[slot];
    e.Used = 1;
    e.Size = a.Size;
    e.Image = a.Image;
    e.X = a.X;
    e.Y = a.Y;
    e.Key = key;
}

void Game::DrawSprites()
{
    Canvas& c = *ports_.canvas;
    for (int i = kDrawListSize - 1; i >= 0; --i) {
        const DrawEntry& e = drawList_[static_cast<std::size_t>(i)];
        if (e.Used != 1)
            continue;
        const int x = e.X + kFieldMargin;
        const int y = e.Y + kFieldMargin;
        c.DrawTile(e.Image, x, y);
        if (e.Size >= 1)
            c.DrawTile(e.Image + 1, x + 16, y);
        if (e.Size == 2) {
            c.DrawTile(e.Image + 16, x, y + 16);
            c.DrawTile(e.Image + 17, x + 16, y + 16);
        }
    }
}

} // namespace porimogu
