#pragma once
#include "core/ports.h"

#include <QString>
#include <cstdint>

// The texts of the status bar, exactly as the player sees them: in the player's language
// when a translation is installed, else the game's own Japanese.
namespace porimogu {

QString TimeText(std::int32_t seconds);   // "Time: 80 秒"
QString PointsText(std::int32_t points);  // "Point: 1234 点"
QString WaitText(std::int32_t count);     // "Wait: 4"

// Background colours of the state message.
enum class StateColour : std::uint8_t { ButtonFace, ButtonShadow, Yellow, Lime };

struct StateMessage {
    StateColour colour;
    const char* text;  // UTF-8, the Japanese source of the text
};

StateMessage StateMessageFor(GameState state);
// The state message's text in the player's language.
QString StateText(GameState state);

} // namespace porimogu
