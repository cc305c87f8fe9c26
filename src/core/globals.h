#pragma once
#include "core/directions.h"

#include <QByteArray>
#include <cstdint>

namespace porimogu {

// The counters and flags of one running game. Input reaches the rules only through
// these flags; only the game-state step changes the game state.
struct Globals {
    bool QuitFlag = false;
    std::int32_t Points = 0;
    std::int32_t TimeLeft = 0;   // seconds; 81 at every new game
    std::int32_t WaitCount = 0;  // cycles 5..0 outside play; 0 while over starts the recording

    bool StartRequest = false;
    bool PauseRequest = false;
    Directions DirectionFlags;  // the direction keys held
    bool ShiftFlag = false;

    bool MusicFlag = false;
    bool TrailFlag = false;

    // The remembered name, Shift-JIS bytes, always 1..21 bytes once SetDefaults ran.
    QByteArray PlayerName;

    void SetDefaults();
    // Direction flags and both requests; the shift flag keeps its value.
    void ClearInputFlags();
};

// The player character's name in Shift-JIS: "ぽっけ", or its translation when one is
// installed and Shift-JIS holds it in at most 21 bytes.
QByteArray DefaultPlayerName();

} // namespace porimogu
