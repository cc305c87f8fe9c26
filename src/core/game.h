#pragma once
#include "core/globals.h"
#include "core/pointerinput.h"
#include "core/ports.h"
#include "core/random.h"

#include <array>
#include <cstdint>

namespace porimogu {

// One thing on the play field: the player (actor 0), seven food items (1-7), the
// fish that swims on a wave (8) and the ghost (9).
struct Actor {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t BaseImage = 0;
    std::int32_t Image = 0;
    std::uint8_t Size = 0;       // 0 = 1x1, 1 = 2x1, 2 = 2x2 tiles
    std::int32_t StepX = 0;
    std::int32_t StepY = 0;
    std::uint8_t Visible = 0;
    std::int32_t Ticks = 0;
    std::uint8_t Mode = 0;       // player: facing 0 none,1 up,2 down,3 right,4 left; item: 0 bounce, 5 wave
    std::int32_t Points = 0;     // item: its value; player: 255 while the eat pose runs
};

struct DrawEntry {
    std::uint8_t Used = 0;
    std::uint8_t Size = 0;
    std::int32_t Image = 0;
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t Key = 0;
};

inline constexpr int kActorCount = 10;
inline constexpr int kDrawListSize = 30;

// Actor indices and images the rules name.
inline constexpr int kWaveItem = 8;
inline constexpr int kGhost = 9;
inline constexpr std::int32_t kGhostImage = 164;
inline constexpr std::int32_t kFishImage = 110;
inline constexpr std::int32_t kTreatImage = 102;

// Virtual-key codes the game reacts to.
namespace vk {
inline constexpr std::uint16_t Shift = 16;
inline constexpr std::uint16_t Return = 13;
inline constexpr std::uint16_t Escape = 27;
inline constexpr std::uint16_t Left = 37;
inline constexpr std::uint16_t Up = 38;
inline constexpr std::uint16_t Right = 39;
inline constexpr std::uint16_t Down = 40;
inline constexpr std::uint16_t Numpad2 = 98;
inline constexpr std::uint16_t Numpad4 = 100;
inline constexpr std::uint16_t Numpad6 = 102;
inline constexpr std::uint16_t Numpad8 = 104;
} // namespace vk

// Modifier bits of a key event.
enum ShiftState : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4 };

struct Ports {
    Canvas* canvas = nullptr;
    StatusBar* status = nullptr;
    Sound* sound = nullptr;
    Music* music = nullptr;
    Window* window = nullptr;
    Dialogs* dialogs = nullptr;
};

// The whole running game: actor table, draw list, counters, flags and state. Nothing
// is allocated per tick. Every port must be set before the first tick; the object
// never owns them. Requests to the music player and the dialogs may throw GameError:
// the throw ends the routine at that point with everything before it done.
class Game {
public:
    explicit Game(const Ports& ports) : ports_(ports) {}
    virtual ~Game() = default;

    // --- start-up and the two timers -------------------------------------------
    // The main window is being created: every counter and flag takes its start value
    // (Globals::SetDefaults) and the game waits.
    void FormCreate();
    // Seeds the generator, once, before the first game.
    void SeedRandom(std::uint32_t seed);
    // game.mid cannot be played: the music flag goes off, so no request ever reaches the
    // player.
    void MusicUnavailable();
    // The game cannot go on (it has no tile sheet): the next game-state step closes the
    // window.
    void RequestQuit();
    // The child lock: from now on Escape ends nothing while no game runs; it still
    // pauses a running game. RequestQuit still ends the game.
    void LockEscapeQuit() { escapeQuitLocked_ = true; }
    bool EscapeQuitLocked() const { return escapeQuitLocked_; }
    void SetupActors();
    void SetupItems();
    void Timer1Timer();   // one frame tick
    void Timer2Timer();   // one countdown tick (every second)

    // --- the frame tick's steps, in the order Timer1Timer runs them -------------
    void CheckTimeUp();
    void EatItems();
    void UpdateGameState();
    void MovePlayer();
    void MoveItems();
    void BuildDrawList();
    void DrawSprites();
    void UpdateStatusBar();

    void StartGame();
    // End of a game: ranks the points against Tops.dat, asks a qualifying player's
    // name, records the line and shows the top list. Throws on file or player errors.
    void RecordScore();

    // --- play-field helpers -----------------------------------------------------
    void MoveItem(Actor& item);
    static std::int32_t WaveStep(std::int32_t ticks);
    void DrawEatMark(std::int32_t tile, std::int32_t actor);
    void AddToDrawList(const Actor& actor);

    // --- keyboard ----------------------------------------------------------------
    void FormKeyDown(std::uint16_t key, unsigned shift);
    void FormKeyUp(std::uint16_t key, unsigned shift);
    // The window lost the keyboard: a key released elsewhere never comes back up here,
    // so no arrow and no Shift counts as held any more. Requests stay for the next tick.
    void FormDeactivate();

    // --- a finger or the mouse on the play field ------------------------------------
    // Pressed at (x, y), in play-field pixels. From now on every frame tick steers
    // ぽっけ toward the point (SteerToward), with flags of the pointer's own: a key
    // held meanwhile adds its flags, and neither source clears the other's. A press
    // while waiting raises the start request, while paused too (it resumes), as Enter
    // does; the request stays until the game-state step takes it, so a short tap counts.
    void PlayFieldMouseDown(std::int32_t x, std::int32_t y);
    // The held point moves; nothing while the pointer is not held.
    void PlayFieldMouseMove(std::int32_t x, std::int32_t y);
    // Let go: ぽっけ stops, facing the way he walked.
    void PlayFieldMouseUp();
    const PointerHold& Pointer() const { return pointer_; }

    // --- menu commands that touch the rules --------------------------------------
    void KS1Click();                 // start, only while waiting
    bool K1Click(bool checked);      // pause item; returns the new check
    void KQ1Click();                 // end the game now, only while playing
    bool K2Click(bool checked);      // music; returns the new check
    bool KS2Click(bool checked);     // trail mode; returns the new check

    // --- the state, to read: the shell sees it only through these -----------------
    GameState State() const { return state_; }
    const Globals& G() const { return g_; }
    const std::array<Actor, kActorCount>& Actors() const { return actors_; }
    const std::array<DrawEntry, kDrawListSize>& DrawList() const { return drawList_; }
    bool AllEaten() const { return allEaten_; }

protected:
    // --- the state, to write: only the rules change it, through the calls above. A
    // test that sets a scene reaches these through a class of its own derived from
    // this one.
    void SetState(GameState s) { state_ = s; }
    Globals& G() { return g_; }
    Random& Rng() { return rng_; }
    std::array<Actor, kActorCount>& Actors() { return actors_; }
    Ports& GetPorts() { return ports_; }

private:
    void ApplyKey(std::uint16_t key, unsigned shift, bool down);

    Ports ports_;
    Globals g_;
    Random rng_;
    GameState state_ = GameState::Waiting;
    std::array<Actor, kActorCount> actors_{};
    std::array<DrawEntry, kDrawListSize> drawList_{};
    bool allEaten_ = false;
    bool escapeQuitLocked_ = false;
    PointerHold pointer_;
};

} // namespace porimogu
