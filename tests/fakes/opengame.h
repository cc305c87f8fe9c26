#pragma once
// The rules with their state open, for tests and benchmarks that set a scene (a time,
// a score, an item's place, a state) instead of playing up to it. Everyone else sees a
// Game, whose state can be read but changed only through the game's own calls.
#include "core/game.h"

namespace porimogu::testing {

class OpenGame : public Game {
public:
    using Game::Game;
    using Game::G;
    using Game::SetState;
    using Game::Rng;
    using Game::Actors;
    using Game::GetPorts;
};

} // namespace porimogu::testing
