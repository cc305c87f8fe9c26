// One frame tick of the rules (Timer1Timer) with all ten actors on the field, the
// player walking, and ports that do nothing. Also counts heap allocations per tick:
// the rules must allocate nothing once the game runs.
#include "countingnew.h"
#include "core/game.h"
#include "fakes/opengame.h"
#include "fakes/ports.h"

#include <benchmark/benchmark.h>

namespace {

using namespace porimogu;
using namespace porimogu::testing;

void BM_FrameTick(benchmark::State& state)
{
    NullCanvas canvas;
    NullStatus status;
    NullSound sound;
    NullMusic music;
    NullWindow window;
    NullDialogs dialogs;
    porimogu::testing::OpenGame game(Ports{&canvas, &status, &sound, &music, &window, &dialogs});
    game.G().SetDefaults();
    game.Rng().SetSeed(12345);
    game.SetupActors();
    game.G().StartRequest = true;
    game.Timer1Timer();
    if (game.State() != GameState::Playing) {
        state.SkipWithError("the game did not start");
        return;
    }
    game.FormKeyDown(vk::Down, 0);
    game.FormKeyDown(vk::Right, 0);

    auto& actors = game.Actors();
    long long tick = 0;
    const long long tilesBefore = canvas.tiles;
    const long long allocsBefore = Allocations();
    for (auto _ : state) {
        // Keep the game running with everyone on the field, the player walking to
        // and fro across it.
        game.G().TimeLeft = 81;
        for (Actor& a : actors)
            a.Visible = 1;
        if (++tick % 20 == 0) {
            const bool right = (tick / 20) % 2 == 0;
            game.FormKeyUp(right ? vk::Left : vk::Right, 0);
            game.FormKeyDown(right ? vk::Right : vk::Left, 0);
            game.FormKeyUp(right ? vk::Up : vk::Down, 0);
            game.FormKeyDown(right ? vk::Down : vk::Up, 0);
        }
        game.Timer1Timer();
        benchmark::DoNotOptimize(actors[0].X);
    }
    const long long allocs = Allocations() - allocsBefore;
    state.counters["allocs_per_tick"] = benchmark::Counter(static_cast<double>(allocs), benchmark::Counter::kAvgIterations);
    state.counters["tiles_per_tick"] =
        benchmark::Counter(static_cast<double>(canvas.tiles - tilesBefore), benchmark::Counter::kAvgIterations);
    if (game.State() != GameState::Playing)
        state.SkipWithError("the game left the playing state");
}
BENCHMARK(BM_FrameTick);

} // namespace

BENCHMARK_MAIN();
