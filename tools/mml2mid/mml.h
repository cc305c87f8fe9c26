#pragma once
// The tune's source language (see assets/music/README.md) and its translation into a
// Standard MIDI File. Plain C++: the build runs this before any Qt code exists.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace mml {

inline constexpr int kTicksPerQuarter = 480;

// A mistake in the source, with the place it was found ("tune.mml:12:5: ...").
class Error : public std::runtime_error {
public:
    Error(const std::string& where, const std::string& what)
        : std::runtime_error(where + ": " + what) {}
};

// One timed MIDI item of a track: a channel message, or a meta event (0xFF type len data).
struct Event {
    std::uint32_t tick = 0;
    int order = 0;                    // at one tick: notes off (0), controls (1), notes on (2)
    std::vector<std::uint8_t> bytes;  // the message without its delta time
};

struct Track {
    std::string name;
    int channel = 0;                  // 0-based (9 = the General MIDI percussion channel)
    std::vector<Event> events;        // sorted by tick, then order
    std::uint32_t endTick = 0;        // where its last note or rest ends
};

struct Tempo {
    std::uint32_t tick = 0;
    std::uint32_t microsPerQuarter = 500000;
};

struct Song {
    std::string title;
    int meterBeats = 4;
    int meterUnit = 4;
    std::uint32_t tailTicks = 0;      // silence after the last track ends, for the last notes to fade
    std::vector<Tempo> tempos;        // sorted; always one at tick 0
    std::vector<Track> tracks;

    // Where every track of the file ends: the longest track plus the tail.
    std::uint32_t EndTick() const;
    // Wall-clock length from tick 0 to EndTick, through the tempo map.
    double DurationSeconds() const;
    std::uint32_t BarTicks() const { return static_cast<std::uint32_t>(kTicksPerQuarter * 4 * meterBeats / meterUnit); }
};

// Parses a whole source text. sourceName names it in error messages. Throws Error.
Song Parse(std::string_view text, const std::string& sourceName);

// The song as a format-1 Standard MIDI File: a conductor track (title, meter, tempi)
// followed by one track per source track, all ending at Song::EndTick(), where each
// track's channel also gets All Sound Off (controller 120).
std::vector<std::uint8_t> WriteSmf(const Song& song);

} // namespace mml
