#include "audio/synthesizer.h"

#include "audio/musicoutput.h"
#include "core/wholefile.h"
#include "formats/midicheck.h"

#include <QCoreApplication>
#include <QFile>

#include <fluidsynth.h>

#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <mutex>

namespace porimogu {
namespace {

// ALSA's own error printer, replaced by one that says nothing (ALSA declares it variadic).
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

// FluidSynth's SDL2 output needs the application to have started SDL's audio part.
constexpr std::uint32_t kSdlInitAudio = 0x10;

bool StartSdlAudio()
{
    void* sym = dlsym(RTLD_DEFAULT, "SDL_InitSubSystem");
    return sym != nullptr && reinterpret_cast<int (*)(std::uint32_t)>(sym)(kSdlInitAudio) == 0;
}

void StopSdlAudio()
{
    if (void* sym = dlsym(RTLD_DEFAULT, "SDL_QuitSubSystem"))
        reinterpret_cast<void (*)(std::uint32_t)>(sym)(kSdlInitAudio);
}

// A SoundFont 2 (or 3) file starts "RIFF", a length, "sfbk". Other files are not
// handed to FluidSynth, whose loaders complain about them on stderr.
bool IsSoundFont(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(12);
    return head.size() == 12 && head.startsWith("RIFF") && head.mid(8) == "sfbk";
}

} // namespace

QStringList MediaPlayerOptions::DefaultSoundFonts()
{
    return {QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
            QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),
            QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"),
            QStringLiteral("/usr/share/soundfonts/default.sf2"),
            QStringLiteral("/usr/share/soundfonts/FluidR3_GM.sf2"),
            QStringLiteral("/usr/share/sounds/sf2/GeneralUser_GS.sf2"),
            QStringLiteral("/usr/share/sounds/sf3/default-GM.sf3"),
            QStringLiteral("/usr/share/sounds/sf3/MuseScore_General.sf3"),
            QStringLiteral("/usr/local/share/soundfonts/default.sf2")};
}

// Both libraries are reached through the process's symbol table so that no extra
// library is linked.
void Synthesizer::QuietenLibraries()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = 0; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, nullptr, nullptr);
        using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
        if (void* sym = dlsym(RTLD_DEFAULT, "snd_lib_error_set_handler"))
            reinterpret_cast<int (*)(Handler)>(sym)(&QuietAlsa);
    });
}

std::unique_ptr<Synthesizer> Synthesizer::Open(const QString& name, const MediaPlayerOptions& options)
{
    std::unique_ptr<Synthesizer> s(new Synthesizer);
    s->Build(name, options);
    return s;
}

// The output first (it renders on its own thread), then the player, the synthesizer and
// the settings.
Synthesizer::~Synthesizer()
{
    output_.reset();
    if (driver_)
        delete_fluid_audio_driver(driver_);
    if (sdlAudio_)
        StopSdlAudio();
    if (player_)
        delete_fluid_player(player_);
    if (synth_)
        delete_fluid_synth(synth_);
    if (settings_)
        delete_fluid_settings(settings_);
}

void Synthesizer::Build(const QString& name, const MediaPlayerOptions& options)
{
    if (name.isEmpty())
        throw SynthesizerError{SynthesizerFault::CannotRead, QCoreApplication::translate("MusicPlayer", "音楽データが ありません")};
    // Read whole and looked at before the synthesizer sees it: a FIFO or a directory of
    // that name is never waited on, and a file it would play garbled is refused.
    QByteArray data;
    if (ReadWholeFile(name, kMaxMidiFileBytes, data) != FileRead::Ok)
        throw SynthesizerError{SynthesizerFault::CannotRead, QCoreApplication::translate("MusicPlayer", "%1 が よめません").arg(name)};
    if (!data.startsWith("MThd"))
        throw SynthesizerError{SynthesizerFault::NotMidi, QCoreApplication::translate("MusicPlayer", "%1 は MIDI データではありません").arg(name)};
    const QString broken = QCoreApplication::translate("MusicPlayer", "%1 の MIDI データが こわれています").arg(name);
    switch (CheckMidiFile(data)) {
    case MidiFileCheck::Playable:
        break;
    case MidiFileCheck::Unsupported:
        throw SynthesizerError{SynthesizerFault::UnsupportedMidi, QCoreApplication::translate("MusicPlayer", "%1 の MIDI データの形式には 対応していません").arg(name)};
    case MidiFileCheck::Broken:
        throw SynthesizerError{SynthesizerFault::BrokenMidi, broken};
    }

    const SynthesizerError noSynth{SynthesizerFault::NoSynth, QCoreApplication::translate("MusicPlayer", "音楽を鳴らす準備が できません")};
    settings_ = new_fluid_settings();
    if (!settings_)
        throw noSynth;
    fluid_settings_setstr(settings_, "player.timing-source", "sample");
    fluid_settings_setint(settings_, "player.reset-synth", 0);
    fluid_settings_setnum(settings_, "synth.sample-rate", kSampleRate);
    fluid_settings_setnum(settings_, "synth.gain", 0.4);
    fluid_settings_setint(settings_, "synth.polyphony", 96);
    fluid_settings_setint(settings_, "synth.chorus.active", 0);
    // Only the samples of the instruments the tune uses are read, which keeps a large
    // SoundFont small in memory; the tune selects them all at its first tick, which
    // this request renders itself.
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    fluid_settings_setint(settings_, "synth.lock-memory", 0);
    fluid_settings_setint(settings_, "audio.period-size", 256);
    fluid_settings_setint(settings_, "audio.periods", 8);
    synth_ = new_fluid_synth(settings_);
    if (!synth_)
        throw noSynth;

    bool soundFont = false;
    for (const QString& candidate : options.soundFonts) {
        if (IsSoundFont(candidate)
            && fluid_synth_sfload(synth_, QFile::encodeName(candidate).constData(), 1) != FLUID_FAILED) {
            soundFont = true;
            break;
        }
    }
    if (!soundFont)
        throw SynthesizerError{SynthesizerFault::NoSoundFont, QCoreApplication::translate("MusicPlayer", "音楽用の音色データ (SoundFont) が見つかりません")};

    player_ = new_fluid_player(synth_);
    if (!player_ || fluid_player_add_mem(player_, data.constData(), std::size_t(data.size())) != FLUID_OK)
        throw noSynth;
    // The player reads the file at its first render: a file it cannot read ends the
    // playback at once. Rendered by hand, before any output exists, so nothing is heard.
    fluid_player_play(player_);
    Render(64);
    if (fluid_player_get_status(player_) != FLUID_PLAYER_PLAYING)
        throw SynthesizerError{SynthesizerFault::BrokenMidi, broken};
    length_ = fluid_player_get_total_ticks(player_);
    tempo_ = fluid_player_get_midi_tempo(player_);
    fluid_player_stop(player_);
    fluid_synth_all_sounds_off(synth_, -1);
    fluid_player_seek(player_, 0);
    Render(64);   // the player takes in the stop
    division_ = (static_cast<unsigned char>(data[12]) << 8) | static_cast<unsigned char>(data[13]);

    if (!options.renderByHand)
        OpenOutput(options);
}

void Synthesizer::OpenOutput(const MediaPlayerOptions& options)
{
    for (const QString& candidate : options.audioDrivers) {
        const QByteArray id = candidate.toUtf8();
        if (candidate == QLatin1String("pulseaudio")) {
            PulseMusicOutput::Refusal why = PulseMusicOutput::Refusal::NoServer;
            output_ = PulseMusicOutput::Open(synth_, kSampleRate, &why);
            if (output_) {
                driverName_ = candidate;
                break;
            }
            // A server that is there but does not answer in time would hold every
            // other way out too (ALSA and SDL reach the desktop's sound through it,
            // and they wait without a limit): the game goes on without music.
            if (why == PulseMusicOutput::Refusal::NoAnswer)
                break;
            continue;
        }
        if (fluid_settings_setstr(settings_, "audio.driver", id.constData()) != FLUID_OK)
            continue;
        const bool sdl = candidate == QLatin1String("sdl2") && StartSdlAudio();
        driver_ = new_fluid_audio_driver(settings_, synth_);
        if (driver_) {
            sdlAudio_ = sdl;
            driverName_ = candidate;
            break;
        }
        if (sdl)
            StopSdlAudio();
    }
    if (!HasOutput())
        throw SynthesizerError{SynthesizerFault::NoAudioOutput, QCoreApplication::translate("MusicPlayer", "音を出す装置が使えません")};
}

bool Synthesizer::Play()
{
    if (fluid_player_play(player_) != FLUID_OK)
        return false;
    fluid_synth_reverb_on(synth_, -1, 1);
    return true;
}

// The player also sends All Sound Off at its next render; doing it here as well means
// nothing sounds on once this returns, even while the output thread is in the middle of
// a render.
void Synthesizer::Halt()
{
    fluid_player_stop(player_);
    fluid_synth_all_sounds_off(synth_, -1);
    fluid_synth_reverb_on(synth_, -1, 0);
}

void Synthesizer::StopAtEnd()
{
    fluid_player_stop(player_);
}

void Synthesizer::Seek(int tick)
{
    fluid_player_seek(player_, tick);
}

bool Synthesizer::Playing() const
{
    return fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING;
}

int Synthesizer::Tick() const
{
    return fluid_player_get_current_tick(player_);
}

void Synthesizer::SetOutputRunning(bool running)
{
    if (output_)
        output_->SetRunning(running);
}

long long Synthesizer::OutputWrites() const
{
    return output_ ? output_->Writes() : 0;
}

float Synthesizer::Render(int frames, double* energy)
{
    constexpr int kChunk = 4096;
    left_.resize(kChunk);
    right_.resize(kChunk);
    float peak = 0;
    while (frames > 0) {
        const int n = std::min(frames, kChunk);
        fluid_synth_write_float(synth_, n, left_.data(), 0, 1, right_.data(), 0, 1);
        for (int i = 0; i < n; ++i) {
            const float l = left_[std::size_t(i)];
            const float r = right_[std::size_t(i)];
            peak = std::max({peak, std::fabs(l), std::fabs(r)});
            if (energy)
                *energy += double(l) * l + double(r) * r;
        }
        frames -= n;
    }
    return peak;
}

} // namespace porimogu
