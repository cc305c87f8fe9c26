// The frame tick, the game states, the countdown, the keys and the menu commands.
#include "core/game.h"

#include "core/errors.h"

namespace porimogu {

void Game::Timer1Timer()
{
    CheckTimeUp();
    EatItems();
    UpdateGameState();
    MovePlayer();
    MoveItems();
    BuildDrawList();
    DrawSprites();
    UpdateStatusBar();
    ports_.canvas->Present();
    if (!(state_ == GameState::Playing && g_.TrailFlag))
        ports_.canvas->DrawBackground();
}

void Game::FormCreate()
{
    g_.SetDefaults();
    state_ = GameState::Waiting;
}

void Game::SeedRandom(std::uint32_t seed)
{
    rng_.SetSeed(seed);
}

void Game::MusicUnavailable()
{
    g_.MusicFlag = false;
}

void Game::RequestQuit()
{
    g_.QuitFlag = true;
}

void Game::CheckTimeUp()
{
    if (g_.TimeLeft == 0)
        state_ = GameState::Over;
}

void Game::UpdateGameState()
{
    if (g_.StartRequest) {
        if (state_ == GameState::Waiting) {
            state_ = GameState::Playing;
            StartGame();
        }
        if (state_ == GameState::Paused) {
            state_ = GameState::Playing;
            if (g_.MusicFlag)
                ports_.music->PlayMedia();
        }
        g_.StartRequest = false;
    }
    if (g_.PauseRequest) {
        if (state_ == GameState::Playing) {
            state_ = GameState::Paused;
            if (g_.MusicFlag)
                ports_.music->PauseMedia();
        }
        if ((state_ == GameState::Waiting || state_ == GameState::Over) && !escapeQuitLocked_)
            g_.QuitFlag = true;
        g_.PauseRequest = false;
    }
    if (g_.WaitCount == 0) {
        if (state_ == GameState::Over) {
            // Any failure inside the recording (ours, the library's, out of memory)
            // is reported, and the game still returns to waiting with the frame timer
            // running: it must never stand still.
            try {
                RecordScore();
            } catch (...) {
                // The box comes first: with the frame timer still off, no tick can
                // start a second recording inside its message loop.
                ports_.dialogs->ShowError(CurrentFailureText());
                ports_.window->SetFrameTimerEnabled(true);
            }
            state_ = GameState::Waiting;
            g_.TimeLeft = 81;
            g_.Points = 0;
        }
        g_.WaitCount = 5;
    }
    if (g_.QuitFlag)
        ports_.window->CloseMainWindow();
}

void Game::StartGame()
{
    g_.TimeLeft = 81;
    g_.Points = 0;
    g_.ClearInputFlags();
    SetupItems();
    ports_.canvas->DrawBackground();
    if (g_.MusicFlag) {
        ports_.music->RewindMedia();
        ports_.music->PlayMedia();
    }
}

void Game::UpdateStatusBar()
{
    StatusBar& s = *ports_.status;
    if (state_ == GameState::Playing || state_ == GameState::Over) {
        s.ShowTime(g_.TimeLeft);
        s.SetGaugeProgress(g_.TimeLeft);
    }
    s.ShowPoints(g_.Points);
    s.ShowState(state_);
}

void Game::Timer2Timer()
{
    if (state_ == GameState::Playing) {
        // Never below 0: "やめる" may have set 0 just before this tick, and the
        // time-up check ends a game only on 0.
        if (g_.TimeLeft > 0)
            --g_.TimeLeft;
        ports_.status->ShowTime(g_.TimeLeft);
        g_.WaitCount = 5;
    } else {
        --g_.WaitCount;
        if (g_.WaitCount < 0)
            g_.WaitCount = 5;
        ports_.status->ShowWait(g_.WaitCount);
    }
}

void Game::ApplyKey(std::uint16_t key, unsigned shift, bool down)
{
    switch (key) {
    case vk::Return: g_.StartRequest = down; break;
    case vk::Escape: g_.PauseRequest = down; break;
    case vk::Up:
    case vk::Numpad8: g_.DirectionFlags.Up = down; break;
    case vk::Down:
    case vk::Numpad2: g_.DirectionFlags.Down = down; break;
    case vk::Left:
    case vk::Numpad4: g_.DirectionFlags.Left = down; break;
    case vk::Right:
    case vk::Numpad6: g_.DirectionFlags.Right = down; break;
    default: break;
    }
    g_.ShiftFlag = (shift & (ssShift | ssAlt | ssCtrl)) == ssShift;
}

void Game::FormKeyDown(std::uint16_t key, unsigned shift)
{
    ApplyKey(key, shift, true);
}

void Game::FormKeyUp(std::uint16_t key, unsigned shift)
{
    ApplyKey(key, shift, false);
}

void Game::FormDeactivate()
{
    g_.DirectionFlags = {};
    g_.ShiftFlag = false;
}

void Game::PlayFieldMouseDown(std::int32_t x, std::int32_t y)
{
    pointer_ = {true, x, y};
    if (state_ == GameState::Waiting || state_ == GameState::Paused)
        g_.StartRequest = true;
}

void Game::PlayFieldMouseMove(std::int32_t x, std::int32_t y)
{
    if (pointer_.Held) {
        pointer_.X = x;
        pointer_.Y = y;
    }
}

void Game::PlayFieldMouseUp()
{
    pointer_.Held = false;
}

void Game::KS1Click()
{
    if (state_ == GameState::Waiting)
        g_.StartRequest = true;
}

bool Game::K1Click(bool checked)
{
    if (checked) {
        g_.StartRequest = true;
        return false;
    }
    if (state_ == GameState::Playing)
        g_.PauseRequest = true;
    return true;
}

void Game::KQ1Click()
{
    if (state_ == GameState::Playing)
        g_.TimeLeft = 0;
}

bool Game::K2Click(bool checked)
{
    g_.MusicFlag = !checked;
    return g_.MusicFlag;
}

bool Game::KS2Click(bool checked)
{
    g_.TrailFlag = !checked;
    return g_.TrailFlag;
}

} // namespace porimogu
