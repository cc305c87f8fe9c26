#include "game.h"

namespace porimogu {

void Game::RecordScore()
{
    ports_.window->SetFrameTimerEnabled(false);
    if (g_.MusicFlag)
        ports_.music->StopMedia();
    ports_.dialogs->ShowTopList();
    ports_.window->SetFrameTimerEnabled(true);
}

} // namespace porimogu
