#pragma once
// Headless play: fakes of every port the rules use, and a Replay that runs a seeded
// game tick by tick from a script of key presses, menu clicks and countdown ticks.
#include "core/errors.h"
#include "core/game.h"
#include "core/messages.h"
#include "opengame.h"

#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace porimogu::testing {

// What the sound, music, window and dialog fakes were asked, in call order:
// "beep food", "rewind", "play", "pause", "stop", "timer off", "timer on", "close",
// "prompt", "toplist", "error". Canvas calls are kept by the canvas itself.
using Journal = std::vector<std::string>;

struct TileDraw {
    int n, x, y;
    bool operator==(const TileDraw&) const = default;
};

// The back buffer as a log of what was drawn into it since the last Clear().
class FakeCanvas final : public Canvas {
public:
    enum class Op : std::uint8_t { Tile, Background, Present };
    struct Entry {
        Op op;
        TileDraw tile;
    };

    void DrawTile(int n, int x, int y) override { ops.push_back({Op::Tile, {n, x, y}}); }
    void DrawBackground() override;
    void Present() override;

    void Clear() { ops.clear(); }
    std::vector<TileDraw> Tiles() const;   // tile draws since Clear(), in order
    bool Presented() const;                // Present() since Clear()
    bool FloorResetAfterPresent() const;   // DrawBackground() after the last Present()

    std::vector<Entry> ops;
    int backgrounds = 0;  // totals over the whole run
    int presents = 0;
};

// Label1 (time or wait text), Label2 (points), Label3 (state) and the gauge, as the
// shell would show them. Label1 keeps a history of its distinct successive texts.
class FakeStatus final : public StatusBar {
public:
    void ShowTime(std::int32_t seconds) override { SetLabel1(Kind::Time, seconds); }
    void ShowWait(std::int32_t count) override { SetLabel1(Kind::Wait, count); }
    void ShowPoints(std::int32_t points) override { pointsShown = points; }
    void ShowState(GameState s) override { state = s; ++stateUpdates; }
    void SetGaugeProgress(std::int32_t value) override { gauge = value; }

    QString Label1() const;
    QString Label2() const { return PointsText(pointsShown); }
    QString Label3() const { return QString::fromUtf8(StateMessageFor(state).text); }
    std::vector<QString> Label1History() const;  // oldest first

    std::int32_t pointsShown = 1000;
    GameState state = GameState::Waiting;
    int stateUpdates = 0;
    std::int32_t gauge = 80;  // the value asked for; the real gauge clamps to 0..80

private:
    enum class Kind : std::uint8_t { Time, Wait };
    void SetLabel1(Kind k, std::int32_t v);
    std::vector<std::pair<Kind, std::int32_t>> label1_;
};

class FakeSound final : public Sound {
public:
    explicit FakeSound(Journal& j) : journal_(j) {}
    void Play(Beep beep) override;
    std::vector<Beep> beeps;

private:
    Journal& journal_;
};

enum class MusicRequest : std::uint8_t { Rewind, Play, Pause, Stop };

// Every request is logged, the failing ones too; a request told to fail throws
// EMCIDeviceError("MCI ﾃﾞﾊﾞｲｽがありません"), as a player that was never opened does.
class FakeMusic final : public Music {
public:
    explicit FakeMusic(Journal& j) : journal_(j) {}
    void RewindMedia() override { Request(MusicRequest::Rewind); }
    void PlayMedia() override { Request(MusicRequest::Play); }
    void PauseMedia() override { Request(MusicRequest::Pause); }
    void StopMedia() override { Request(MusicRequest::Stop); }

    void FailOn(MusicRequest r) { failing.insert(r); }
    void FailAll() { failing = {MusicRequest::Rewind, MusicRequest::Play, MusicRequest::Pause, MusicRequest::Stop}; }
    void Heal() { failing.clear(); }

    std::vector<MusicRequest> requests;
    std::set<MusicRequest> failing;

private:
    void Request(MusicRequest r);
    Journal& journal_;
};

class FakeWindow final : public Window {
public:
    explicit FakeWindow(Journal& j) : journal_(j) {}
    void SetFrameTimerEnabled(bool enabled) override;
    void CloseMainWindow() override;

    bool frameTimerOn = true;
    std::vector<bool> frameTimerLog;  // every switch, in order
    int closeRequests = 0;

private:
    Journal& journal_;
};

class FakeDialogs final : public Dialogs {
public:
    explicit FakeDialogs(Journal& j) : journal_(j) {}
    QString PromptForText(const QString& caption, const QString& prompt, const QString& defaultText) override;
    void ShowTopList() override;
    void ShowError(const QString& message) override;

    // What the name prompt returns; unset means the player pressed cancel.
    std::optional<QString> promptAnswer;
    int prompts = 0;
    int topLists = 0;
    std::vector<QString> errors;

private:
    Journal& journal_;
};

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

const char* Name(MusicRequest r);
const char* Name(Beep b);  // "food", "ghost", "bonus"

// An empty working directory for the life of the object, for tests whose game end
// reads or writes the score file; the old one is restored afterwards.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    QString Path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

// Every item visible at (x, y), away from wherever a test puts the player.
void ParkItems(OpenGame& game, int x = 500, int y = 16);
bool SameActor(const Actor& a, const Actor& b);

} // namespace porimogu::testing

namespace porimogu {
void PrintTo(const Actor& a, std::ostream* os);  // readable failures
void PrintTo(Beep b, std::ostream* os);
}
