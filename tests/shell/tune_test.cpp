// game.mid as the build writes it from assets/music/game.mml: a Standard MIDI File with
// General MIDI instruments - a melody, a bass and percussion - that lasts one game.
#include "audio/mediaplayer.h"

#include <QFile>

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

namespace porimogu {
namespace {

const QString kTune = QStringLiteral(PORIMOGU_ASSET_DIR "/game.mid");

struct Heard {
    std::array<std::set<int>, 16> programs;
    std::array<int, 16> notes{};
};

int Listen(void* data, fluid_midi_event_t* e)
{
    auto* heard = static_cast<Heard*>(data);
    const int channel = fluid_midi_event_get_channel(e);
    if (channel < 0 || channel > 15)
        return FLUID_OK;
    const int type = fluid_midi_event_get_type(e);
    if (type == 0xC0)
        heard->programs[std::size_t(channel)].insert(fluid_midi_event_get_program(e));
    if (type == 0x90 && fluid_midi_event_get_velocity(e) > 0)
        ++heard->notes[std::size_t(channel)];
    return FLUID_OK;
}

TEST(Tune, IsAFormatOneMidiFileWithMelodyBassAndPercussion)
{
    QFile f(kTune);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "build the game_mid target first";
    const QByteArray bytes = f.readAll();
    ASSERT_GE(bytes.size(), 14);
    EXPECT_TRUE(bytes.startsWith("MThd"));
    EXPECT_EQ(bytes[8], 0);
    EXPECT_EQ(bytes[9], 1) << "format 1";
    EXPECT_TRUE(fluid_is_midifile(QFile::encodeName(kTune).constData()));

    // Play it through FluidSynth's own reader, catching every event it sends.
    Heard heard;
    fluid_settings_t* settings = new_fluid_settings();
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_player_t* player = new_fluid_player(synth);
    fluid_player_set_playback_callback(player, &Listen, &heard);
    ASSERT_EQ(fluid_player_add_mem(player, bytes.constData(), std::size_t(bytes.size())), FLUID_OK);
    fluid_player_play(player);
    std::vector<float> left(44100), right(44100);
    for (int second = 0; second < 120 && fluid_player_get_status(player) == FLUID_PLAYER_PLAYING; ++second)
        fluid_synth_write_float(synth, 44100, left.data(), 0, 1, right.data(), 0, 1);
    EXPECT_EQ(fluid_player_get_status(player), FLUID_PLAYER_DONE);
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);

    int melodic = 0;
    bool bass = false;
    for (int ch = 0; ch < 16; ++ch) {
        if (ch == 9 || heard.notes[std::size_t(ch)] == 0)
            continue;
        const auto& programs = heard.programs[std::size_t(ch)];
        ASSERT_FALSE(programs.empty()) << "channel " << ch + 1 << " plays without choosing an instrument";
        if (*programs.begin() >= 32 && *programs.begin() <= 39)
            bass = true;
        else
            ++melodic;
    }
    EXPECT_GE(melodic, 2) << "a melody and its accompaniment";
    EXPECT_TRUE(bass);
    EXPECT_GT(heard.notes[9], 100) << "percussion on channel 10";
}

TEST(Tune, LastsOneGameAndSoundsAllThroughWithoutClipping)
{
    MediaPlayerOptions byHand;
    byHand.renderByHand = true;
    TMediaPlayer p(byHand);
    p.FileName = kTune;
    p.OpenMedia();
    const double seconds = p.Length() / p.TicksPerSecond();   // one tempo throughout
    EXPECT_GE(seconds, 80.0);
    EXPECT_LE(seconds, 85.0);

    p.PlayMedia();
    constexpr double kStep = 0.5;
    double t = 0;
    double lastSound = 0;
    float loudest = 0;
    while (p.Mode() == TMediaPlayer::TMPModes::mpPlaying && t < 120) {
        const float peak = p.RenderSamples(int(kStep * TMediaPlayer::kSampleRate));
        t += kStep;
        loudest = std::max(loudest, peak);
        if (peak > 0.003f)
            lastSound = t;
        else if (t < 80)
            ADD_FAILURE() << "a silent half second at " << t << " s";
    }
    EXPECT_GE(lastSound, 80.0);
    EXPECT_LE(lastSound, 85.0);
    EXPECT_GT(loudest, 0.1f);
    EXPECT_LT(loudest, 0.9f) << "the loudest moment stays clear of clipping";
}

} // namespace
} // namespace porimogu
