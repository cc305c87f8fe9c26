#pragma once
// Headless play: a Replay runs a seeded game tick by tick, on the recording fakes of
// every port, from a script of key presses, menu clicks and countdown ticks.
#include "core/game.h"
#include "fakes/opengame.h"
#include "fakes/ports.h"
#include "fakes/scratchdir.h"

#include <cstdint>
#include <functional>
#include <map>
#include <ostream>

namespace porimogu::testing {

enum class MenuItem : std::uint8_t { KS1, K1, KQ1, K2, KS2 };

struct Event {
    enum class Kind : std::uint8_t { KeyDown, KeyUp, Menu, Countdown };
    Kind kind = Kind::Countdown;
    std::uint16_t key = 0;
    unsigned shift = 0;
    MenuItem item = MenuItem::KS1;
};

Event KeyDown(std::uint16_t key, unsigned shift = 0);
Event KeyUp(std::uint16_t key, unsigned shift = 0);
Event Click(MenuItem item);
Event Countdown();

// A game run without a window. Frame period t (0, 1, 2, ...) does, in this order:
// the countdown tick if one is due (CountdownEvery), the events given At(t) in the
// order given, then the frame tick — unless the frame timer is off, as the shell's
// timer would be. Every handler runs through the shell's guard: a GameError goes to
// dialogs.errors and play goes on. After the tick that closes the main window no
// further period runs.
class Replay {
public:
    Replay();
    Replay(const Replay&) = delete;
    Replay& operator=(const Replay&) = delete;

    Replay& Seed(std::uint32_t seed);         // before start-up; 0 by default
    Replay& CountdownEvery(int framePeriods); // 25 frames of 40 ms = 1 s; 0 = never (default)
    Replay& At(int tick, Event e);
    Replay& Press(int tick, std::uint16_t key, unsigned shift = 0);  // down at tick, up at tick + 1
    Replay& StartUp();                        // as the main window starts the rules; runs once

    void Step();                              // one frame period
    int Run(int periods);                     // returns the periods actually run
    // Runs until pred() holds after a period, at most `limit` periods; returns the
    // index of that period, or -1.
    int RunUntil(const std::function<bool()>& pred, int limit);
    int Now() const { return now_; }          // index of the next period
    bool Closed() const { return window.closeRequests > 0; }

    // Shortcuts into the game.
    Actor& Player() { return game.Actors()[0]; }
    Actor& Item(int i) { return game.Actors()[static_cast<std::size_t>(i)]; }
    Globals& G() { return game.G(); }

    Journal journal;
    FakeCanvas canvas;
    FakeStatus status;
    FakeSound sound{journal};
    FakeMusic music{journal};
    FakeWindow window{journal};
    FakeDialogs dialogs{journal};
    OpenGame game;

    // Called in every period right before its frame tick (not when the frame timer is
    // off): lets a test see the state the tick starts from.
    std::function<void()> beforeFrame;

    // The checks of the three radio menu items, as the menu shows them.
    bool k1Checked = false;
    bool k2Checked = true;
    bool ks2Checked = false;

private:
    void Apply(const Event& e);
    template <class F> void Guarded(F&& f);

    std::uint32_t seed_ = 0;
    int countdownEvery_ = 0;
    int now_ = 0;
    bool started_ = false;
    std::multimap<int, Event> script_;
};

// Every item visible at (x, y), away from wherever a test puts the player.
void ParkItems(OpenGame& game, int x = 500, int y = 16);
bool SameActor(const Actor& a, const Actor& b);

} // namespace porimogu::testing

namespace porimogu {
void PrintTo(const Actor& a, std::ostream* os);  // readable failures
}
