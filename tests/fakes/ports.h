#pragma once
// Fakes of the ports through which the rules reach the shell, for every test and
// benchmark: Null* do nothing (and allocate nothing, for the benchmarks that count);
// Fake* keep a record of what they were asked.
#include "core/errors.h"
#include "core/messages.h"
#include "core/ports.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace porimogu::testing {

// ---- ports that do nothing ----------------------------------------------------------

class NullCanvas final : public Canvas {
public:
    void DrawTile(int, int, int) override { ++tiles; }
    void DrawBackground() override {}
    void Present() override {}
    long long tiles = 0;
};

class NullStatus final : public StatusBar {
public:
    void ShowTime(std::int32_t) override {}
    void ShowWait(std::int32_t) override {}
    void ShowPoints(std::int32_t) override {}
    void ShowState(GameState) override {}
    void SetGaugeProgress(std::int32_t) override {}
};

class NullSound final : public Sound {
public:
    void Play(Beep) override {}
};

class NullMusic final : public Music {
public:
    void RewindMedia() override {}
    void PlayMedia() override {}
    void PauseMedia() override {}
    void StopMedia() override {}
};

class NullWindow final : public Window {
public:
    void SetFrameTimerEnabled(bool) override {}
    void CloseMainWindow() override {}
};

class NullDialogs final : public Dialogs {
public:
    QString PromptForText(const QString&, const QString&, const QString& d) override { return d; }
    void ShowTopList() override {}
    void ShowError(const QString&) override {}
};

// ---- ports that keep a record -------------------------------------------------------

// What the sound, music, window and dialog fakes given one were asked, in call order:
// "beep food", "rewind", "play", "pause", "stop", "timer off", "timer on", "close",
// "prompt", "toplist", "error", "confirm". Canvas calls are kept by the canvas itself.
using Journal = std::vector<std::string>;

// A fake that writes into a journal when it was given one.
class Journalled {
public:
    Journalled() = default;
    explicit Journalled(Journal& j) : journal_(&j) {}

protected:
    void Note(std::string what)
    {
        if (journal_)
            journal_->push_back(std::move(what));
    }

private:
    Journal* journal_ = nullptr;
};

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

class FakeSound final : public Sound, Journalled {
public:
    using Journalled::Journalled;
    void Play(Beep beep) override;
    std::vector<Beep> beeps;
};

enum class MusicRequest : std::uint8_t { Rewind, Play, Pause, Stop };
using MusicRequests = std::vector<MusicRequest>;

// Every request is logged, the failing ones too; a request told to fail throws
// EMCIDeviceError("MCI ﾃﾞﾊﾞｲｽがありません"), as a player that was never opened does.
class FakeMusic final : public Music, Journalled {
public:
    using Journalled::Journalled;
    void RewindMedia() override { Request(MusicRequest::Rewind); }
    void PlayMedia() override { Request(MusicRequest::Play); }
    void PauseMedia() override { Request(MusicRequest::Pause); }
    void StopMedia() override { Request(MusicRequest::Stop); }

    void FailOn(MusicRequest r) { failing.insert(r); }
    void FailAll() { failing = {MusicRequest::Rewind, MusicRequest::Play, MusicRequest::Pause, MusicRequest::Stop}; }
    void Heal() { failing.clear(); }

    MusicRequests requests;
    std::set<MusicRequest> failing;

private:
    void Request(MusicRequest r);
};

class FakeWindow final : public Window, Journalled {
public:
    using Journalled::Journalled;
    void SetFrameTimerEnabled(bool enabled) override;
    void CloseMainWindow() override;

    bool frameTimerOn = true;
    std::vector<bool> frameTimerLog;  // every switch, in order
    int closeRequests = 0;
};

class FakeDialogs final : public Dialogs, Journalled {
public:
    using Journalled::Journalled;
    QString PromptForText(const QString& caption, const QString& prompt, const QString& defaultText) override;
    void ShowTopList() override;
    void ShowError(const QString& message) override;
    bool Confirm(const QString& question) override;

    // What the name prompt returns; unset means the player pressed cancel.
    std::optional<QString> promptAnswer;
    bool yes = false;                  // the answer to every question
    std::function<void()> onPrompt;    // run while the prompt is open
    std::function<void()> onTopList;   // run while the top list is open
    int prompts = 0;
    QStringList asked;                 // caption, prompt and default text of the last prompt
    int topLists = 0;
    std::vector<QString> errors;
    std::vector<QString> questions;
};

const char* Name(MusicRequest r);  // "rewind", "play", "pause", "stop"
const char* Name(Beep b);          // "food", "ghost", "bonus"
const char* Name(GameState s);     // "waiting", "playing", "paused", "over"

} // namespace porimogu::testing

// Readable failures.
void PrintTo(const QString& s, std::ostream* os);
namespace porimogu {
void PrintTo(Beep b, std::ostream* os);
void PrintTo(GameState s, std::ostream* os);
namespace testing {
void PrintTo(MusicRequest r, std::ostream* os);
}
} // namespace porimogu
