// Any bytes as game.mid -> the check the player opens it with; a file the check passes
// is loaded and played for a moment by FluidSynth, which must take it without an error.
#include "fuzzcheck.h"

#include "formats/midicheck.h"

#include <fluidsynth.h>

using porimogu::fuzz::Require;

namespace {

int loadErrors = 0;

void CountError(int, const char*, void*)
{
    ++loadErrors;
}

// One synthesizer without sound font or audio output, driven by rendering.
fluid_synth_t* Synth()
{
    static fluid_synth_t* synth = [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, nullptr, nullptr);
        fluid_set_log_function(FLUID_PANIC, CountError, nullptr);
        fluid_set_log_function(FLUID_ERR, CountError, nullptr);
        fluid_settings_t* settings = new_fluid_settings();
        fluid_settings_setstr(settings, "player.timing-source", "sample");
        fluid_settings_setint(settings, "synth.lock-memory", 0);
        return new_fluid_synth(settings);
    }();
    return synth;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (porimogu::CheckMidiFile(bytes) != porimogu::MidiFileCheck::Playable)
        return 0;

    fluid_synth_t* synth = Synth();
    Require(synth != nullptr, "a synthesizer");
    loadErrors = 0;
    fluid_player_t* player = new_fluid_player(synth);
    Require(fluid_player_add_mem(player, bytes.constData(), static_cast<std::size_t>(bytes.size())) == FLUID_OK,
            "the player takes the file");
    fluid_player_play(player);
    float left[64];
    float right[64];
    for (int block = 0; block < 16 && fluid_player_get_status(player) == FLUID_PLAYER_PLAYING; ++block)
        fluid_synth_write_float(synth, 64, left, 0, 1, right, 0, 1);
    fluid_player_stop(player);
    fluid_player_join(player);
    delete_fluid_player(player);
    fluid_synth_system_reset(synth);
    Require(loadErrors == 0, "FluidSynth loads what the check calls playable");
    return 0;
}
