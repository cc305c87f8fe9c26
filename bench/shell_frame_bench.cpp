// One whole frame as the window makes it: the rules' tick drawing real tiles into the
// back buffer, the copy of the changed parts into the front image, and the restore of
// the floor under the sprites. The tiles come from a sheet of flat opaque squares with
// a transparent corner, so the masked draw takes both of its paths. Also counts heap
// allocations per frame: the frame must allocate nothing once the game runs.
#include "countingnew.h"
#include "window/framebuffers.h"
#include "core/game.h"
#include "fakes/opengame.h"
#include "fakes/ports.h"

#include <benchmark/benchmark.h>

namespace {

using namespace porimogu;
using namespace porimogu::testing;

QImage BenchSheet()
{
    QImage sheet(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            sheet.setPixel(x, y, (x % 16 < 4 && y % 16 < 4) ? qRgb(255, 255, 255) : qRgb(x, y, 128));
    return sheet;
}

void BM_ShellFrame(benchmark::State& state)
{
    FrameBuffers buffers;
    NullStatus status;
    NullSound sound;
    NullMusic music;
    NullWindow window;
    NullDialogs dialogs;
    buffers.SizeBuffers();
    buffers.Tiles().CutFrom(BenchSheet());
    buffers.DrawFloor();
    buffers.DrawBackground();
    porimogu::testing::OpenGame game(Ports{&buffers, &status, &sound, &music, &window, &dialogs});
    game.G().SetDefaults();
    game.Rng().SetSeed(12345);
    game.SetupActors();
    game.G().StartRequest = true;
    game.Timer1Timer();
    game.FormKeyDown(vk::Right, 0);
    long long presented = 0;
    buffers.SetPresenter([&presented](std::span<const QRect> rects) {
        for (const QRect& r : rects)
            presented += r.width() * r.height();
    });
    game.Timer1Timer();   // the first frame is presented whole
    presented = 0;
    long long tick = 0;
    const long long allocsBefore = Allocations();
    for (auto _ : state) {
        game.G().TimeLeft = 81;
        for (Actor& a : game.Actors())
            a.Visible = 1;
        if (++tick % 20 == 0) {
            const bool right = (tick / 20) % 2 == 0;
            game.FormKeyUp(right ? vk::Left : vk::Right, 0);
            game.FormKeyDown(right ? vk::Right : vk::Left, 0);
        }
        game.Timer1Timer();
        benchmark::DoNotOptimize(buffers.Front().constBits());
    }
    state.counters["allocs_per_tick"] =
        benchmark::Counter(static_cast<double>(Allocations() - allocsBefore), benchmark::Counter::kAvgIterations);
    state.counters["pixels_shown_per_tick"] =
        benchmark::Counter(static_cast<double>(presented), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ShellFrame);

void BM_CutTileSheet(benchmark::State& state)
{
    const QImage sheet = BenchSheet();
    TileSheet tiles;
    for (auto _ : state)
        benchmark::DoNotOptimize(tiles.CutFrom(sheet));
}
BENCHMARK(BM_CutTileSheet);

} // namespace

BENCHMARK_MAIN();
