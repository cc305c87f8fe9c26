// The frame buffers copy only what changed. Whole seeded games are drawn both into the
// real buffers and into a reference that restores and presents the whole frame every
// tick; every presented frame, and the screen that repaints only the handed-over
// parts, must equal the reference's pixel for pixel.
#include "window/framebuffers.h"
#include "fakes/replay.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

namespace porimogu {
namespace {

using testing::MenuItem;
using testing::Replay;

// The frame as drawn before only the changes were copied: the whole floor over the
// whole back buffer, the whole visible region to the front image.
class FullFrameCanvas final : public Canvas {
public:
    FullFrameCanvas(const TileSheet& tiles, const QImage& floor)
        : tiles_(tiles), background_(floor.copy()), back_(floor.copy())
    {
    }
    void DrawTile(int n, int x, int y) override { tiles_.Draw(back_, n, x, y); }
    void DrawBackground() override { std::memcpy(back_.bits(), background_.constBits(), back_.sizeInBytes()); }
    void Present() override { front = back_.copy(kFieldMargin, kFieldMargin, kFieldWidth, kFieldHeight); }
    QImage front;

private:
    const TileSheet& tiles_;
    QImage background_;
    QImage back_;
};

// Sends every drawing call to both canvases and compares after each present.
class ComparingCanvas final : public Canvas {
public:
    ComparingCanvas(FullFrameCanvas& reference, FrameBuffers& buffers) : reference_(reference), buffers_(buffers)
    {
        screen.fill(Qt::black);
        buffers_.SetPresenter([this](std::span<const QRect> rects) {
            for (const QRect& r : rects) {
                area += r.width() * r.height();
                for (int y = r.top(); y <= r.bottom(); ++y)
                    std::memcpy(screen.scanLine(y) + r.x() * 4, buffers_.Front().constScanLine(y) + r.x() * 4,
                                std::size_t(r.width()) * 4);
            }
        });
    }
    void DrawTile(int n, int x, int y) override
    {
        reference_.DrawTile(n, x, y);
        buffers_.DrawTile(n, x, y);
    }
    void DrawBackground() override
    {
        reference_.DrawBackground();
        buffers_.DrawBackground();
    }
    void Present() override
    {
        area = 0;
        reference_.Present();
        buffers_.Present();
        ++presents;
        areas.push_back(area);
        if (firstWrongFront < 0 && buffers_.Front() != reference_.front)
            firstWrongFront = presents;
        if (firstWrongScreen < 0 && screen != reference_.front)
            firstWrongScreen = presents;
    }

    QImage screen{kFieldWidth, kFieldHeight, QImage::Format_RGB32};
    int presents = 0;
    int firstWrongFront = -1;
    int firstWrongScreen = -1;
    long long area = 0;
    std::vector<long long> areas;   // pixels repainted per present

private:
    FullFrameCanvas& reference_;
    FrameBuffers& buffers_;
};

struct Course {
    const char* name;
    bool trail;          // trail mode switched on now and then
    bool failingMusic;   // every music request fails, so ticks end half-way
};

void PrintTo(const Course& c, std::ostream* os)
{
    *os << c.name;
}

class FrameIdentityTest : public ::testing::TestWithParam<Course> {};

// 2,000 ticks of play: games started, walked through, paused and resumed, ended early
// or by time, recorded, and the trail switched on and off, by a seeded chooser that
// looks at the state the game is in.
TEST_P(FrameIdentityTest, EveryPresentedFrameEqualsTheFullCopy)
{
    const Course course = GetParam();
    const QString sheetFile = QStringLiteral(PORIMOGU_ASSET_DIR "/game.bmp");
    ASSERT_TRUE(QFile::exists(sheetFile)) << "build the game_bmp target first";
    testing::ScratchDir scratch;

    FrameBuffers buffers;
    buffers.SizeBuffers();
    ASSERT_TRUE(buffers.Tiles().CutFrom(QImage(sheetFile)));
    buffers.DrawFloor();
    buffers.DrawBackground();
    FullFrameCanvas reference(buffers.Tiles(), buffers.Background());
    ComparingCanvas canvas(reference, buffers);

    Replay r;
    r.game.GetPorts().canvas = &canvas;
    r.Seed(7).CountdownEvery(5).StartUp();
    if (course.failingMusic)
        r.music.FailAll();

    std::mt19937 chooser(11);
    auto chance = [&chooser](int percent) { return int(chooser() % 100) < percent; };
    const std::uint16_t arrows[] = {vk::Up, vk::Down, vk::Left, vk::Right};
    std::uint16_t held = 0;
    int games = 0;
    int trailSwitches = 0;
    for (int t = 0; t < 2000 && !r.Closed(); ++t) {
        const GameState state = r.game.State();
        if (state == GameState::Waiting && chance(5)) {
            r.At(t, testing::KeyDown(vk::Return)).At(t + 1, testing::KeyUp(vk::Return));
            ++games;
        } else if (state == GameState::Playing) {
            if (chance(8)) {
                if (held != 0)
                    r.At(t, testing::KeyUp(held));
                held = arrows[chooser() % 4];
                r.At(t, testing::KeyDown(held, chance(30) ? unsigned{ssShift} : 0u));
            }
            if (chance(1))
                r.Press(t, vk::Escape);
            if (course.trail && chance(2)) {
                r.At(t, testing::Click(MenuItem::KS2));
                ++trailSwitches;
            }
            if (t % 700 == 650)
                r.At(t, testing::Click(MenuItem::KQ1));
        } else if (state == GameState::Paused && chance(10)) {
            r.Press(t, vk::Return);
        }
        r.Step();
    }

    EXPECT_GE(games, 3);
    EXPECT_GT(r.G().Points + static_cast<int>(r.sound.beeps.size()), 0) << "nothing was eaten";
    if (course.trail) {
        EXPECT_GE(trailSwitches, 4);
    }
    if (course.failingMusic) {
        EXPECT_FALSE(r.dialogs.errors.empty());
    }
    EXPECT_GE(canvas.presents, 1900);
    EXPECT_EQ(canvas.firstWrongFront, -1) << "front image differs first at present " << canvas.firstWrongFront;
    EXPECT_EQ(canvas.firstWrongScreen, -1) << "screen differs first at present " << canvas.firstWrongScreen;

    // The first frame is shown whole; after it a tick repaints about its sprites only.
    ASSERT_FALSE(canvas.areas.empty());
    EXPECT_EQ(canvas.areas.front(), kFieldWidth * kFieldHeight);
    std::vector<long long> areas(canvas.areas.begin() + 1, canvas.areas.end());
    std::nth_element(areas.begin(), areas.begin() + areas.size() / 2, areas.end());
    EXPECT_LT(areas[areas.size() / 2], kFieldWidth * kFieldHeight / 8);
}

INSTANTIATE_TEST_SUITE_P(Courses, FrameIdentityTest,
                         ::testing::Values(Course{"plain", false, false}, Course{"trail", true, false},
                                           Course{"failing_music", true, true}),
                         [](const auto& course) { return std::string(course.param.name); });

// Writing into the buffers behind their back and saying so repaints everything.
TEST(FrameBuffersTest, MarkAllChangedPresentsAndRestoresTheWholeFrame)
{
    FrameBuffers buffers;
    buffers.SizeBuffers();
    // The field is 592 x 432 with a margin of 32 on every side.
    EXPECT_EQ(buffers.Back().size(), QSize(656, 496));
    EXPECT_EQ(buffers.Background().size(), QSize(656, 496));
    std::vector<QRect> shown;
    buffers.SetPresenter([&](std::span<const QRect> rects) { shown.assign(rects.begin(), rects.end()); });
    buffers.Present();
    ASSERT_EQ(shown, std::vector<QRect>{QRect(0, 0, kFieldWidth, kFieldHeight)});

    shown.clear();
    buffers.Present();
    EXPECT_TRUE(shown.empty()) << "nothing changed, nothing to repaint";

    buffers.Background().fill(Qt::red);
    buffers.Back().fill(Qt::blue);
    buffers.MarkAllChanged();
    buffers.DrawBackground();
    buffers.Present();
    EXPECT_EQ(shown, std::vector<QRect>{QRect(0, 0, kFieldWidth, kFieldHeight)});
    EXPECT_EQ(buffers.Back(), buffers.Background());
    EXPECT_EQ(buffers.Front().pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(buffers.Front().pixel(kFieldWidth - 1, kFieldHeight - 1), qRgb(255, 0, 0));
}

// A tile half in the margin repaints only its visible part, in front-image coordinates.
TEST(FrameBuffersTest, ATileAtTheEdgeRepaintsItsVisibleCellsOnly)
{
    FrameBuffers buffers;
    buffers.SizeBuffers();
    buffers.Present();
    std::vector<QRect> shown;
    buffers.SetPresenter([&](std::span<const QRect> rects) { shown.assign(rects.begin(), rects.end()); });
    buffers.DrawTile(5, 24, 100);   // 8 pixels in the margin, 8 on the field; rows 100..115
    buffers.Present();
    EXPECT_EQ(shown, (std::vector<QRect>{QRect(0, 64, 16, 32)}));
}

} // namespace
} // namespace porimogu
