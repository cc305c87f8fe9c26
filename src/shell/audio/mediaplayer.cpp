#include "audio/mediaplayer.h"

#include "core/errors.h"
#include "formats/midicheck.h"
#include "audio/musicoutput.h"
#include "platform/trace.h"
#include "core/wholefile.h"

#include <QCoreApplication>
#include <QFile>

#include <fluidsynth.h>

#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <mutex>
#include <system_error>
#include <utility>

namespace porimogu {
namespace {

QString NotOpenText()
{
    return QCoreApplication::translate("MusicPlayer", "MCI ﾃﾞﾊﾞｲｽがありません");
}

// ALSA's own error printer, replaced by one that says nothing (ALSA declares it variadic).
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

// FluidSynth, and the ALSA library underneath it, write to stderr when a device is
// missing; the game reports such failures itself. Both are reached through the process's
// symbol table so that no extra library is linked.
void SilenceSoundLibraries()
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

// Renders by hand into scratch buffers; returns the largest absolute sample and, with
// `energy`, adds the sum of the squares of the samples to it.
float Render(fluid_synth_t* synth, int frames, std::vector<float>& left, std::vector<float>& right,
             double* energy = nullptr)
{
    constexpr int kChunk = 4096;
    left.resize(kChunk);
    right.resize(kChunk);
    float peak = 0;
    while (frames > 0) {
        const int n = std::min(frames, kChunk);
        fluid_synth_write_float(synth, n, left.data(), 0, 1, right.data(), 0, 1);
        for (int i = 0; i < n; ++i) {
            const float l = left[std::size_t(i)];
            const float r = right[std::size_t(i)];
            peak = std::max({peak, std::fabs(l), std::fabs(r)});
            if (energy)
                *energy += double(l) * l + double(r) * r;
        }
        frames -= n;
    }
    return peak;
}

} // namespace

// Everything one open device owns, released in the safe order: the output first (it
// renders on its own thread), then the player, the synthesizer and the settings.
struct TMediaPlayer::Device {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    std::unique_ptr<PulseMusicOutput> output;
    bool sdlAudio = false;

    Device() = default;
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;
    ~Device()
    {
        output.reset();
        if (driver)
            delete_fluid_audio_driver(driver);
        if (sdlAudio)
            StopSdlAudio();
        if (player)
            delete_fluid_player(player);
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }
};

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

TMediaPlayer::TMediaPlayer(QObject* parent) : TMediaPlayer(MediaPlayerOptions{}, parent) {}

TMediaPlayer::TMediaPlayer(MediaPlayerOptions options, QObject* parent)
    : QObject(parent), options_(std::move(options))
{
    SilenceSoundLibraries();
    endWatch_.setInterval(200);
    endWatch_.setTimerType(Qt::CoarseTimer);
    connect(&endWatch_, &QTimer::timeout, this, [this] { CheckForEnd(); });
}

TMediaPlayer::Opened::~Opened() = default;

TMediaPlayer::~TMediaPlayer()
{
    TakePrepared();
    endWatch_.stop();
    Release();
}

void TMediaPlayer::RequireOpen() const
{
    if (!DeviceOpen())
        throw EMCIDeviceError(NotOpenText());
}

void TMediaPlayer::Fail(ErrorCode code, const QString& message)
{
    error_ = code;
    throw EMCIDeviceError(message);
}

namespace {

struct OpenFailure {
    int code;
    QString message;
};

} // namespace

// What OpenMedia does that may take long: reading and checking the file, loading the
// SoundFont, opening the output. Needs nothing of the player, so it can run on a thread
// of its own. Throws OpenFailure.
void TMediaPlayer::BuildInto(Opened& r, const QString& name, const MediaPlayerOptions& options)
{
    std::vector<float> left;
    std::vector<float> right;
    if (name.isEmpty())
        throw OpenFailure{errCannotRead, QCoreApplication::translate("MusicPlayer", "音楽データが ありません")};
    // Read whole and looked at before the synthesizer sees it: a FIFO or a directory of
    // that name is never waited on, and a file it would play garbled is refused.
    QByteArray data;
    if (ReadWholeFile(name, kMaxMidiFileBytes, data) != FileRead::Ok)
        throw OpenFailure{errCannotRead, QCoreApplication::translate("MusicPlayer", "%1 が よめません").arg(name)};
    if (!data.startsWith("MThd"))
        throw OpenFailure{errNotMidi, QCoreApplication::translate("MusicPlayer", "%1 は MIDI データではありません").arg(name)};
    const QString broken = QCoreApplication::translate("MusicPlayer", "%1 の MIDI データが こわれています").arg(name);
    switch (CheckMidiFile(data)) {
    case MidiFileCheck::Playable:
        break;
    case MidiFileCheck::Unsupported:
        throw OpenFailure{errUnsupportedMidi, QCoreApplication::translate("MusicPlayer", "%1 の MIDI データの形式には 対応していません").arg(name)};
    case MidiFileCheck::Broken:
        throw OpenFailure{errBrokenMidi, broken};
    }

    const QString noSynth = QCoreApplication::translate("MusicPlayer", "音楽を鳴らす準備が できません");
    r.device = std::make_unique<Device>();
    Device& d = *r.device;
    d.settings = new_fluid_settings();
    if (!d.settings)
        throw OpenFailure{errNoSynth, noSynth};
    fluid_settings_setstr(d.settings, "player.timing-source", "sample");
    fluid_settings_setint(d.settings, "player.reset-synth", 0);
    fluid_settings_setnum(d.settings, "synth.sample-rate", kSampleRate);
    fluid_settings_setnum(d.settings, "synth.gain", 0.4);
    fluid_settings_setint(d.settings, "synth.polyphony", 96);
    fluid_settings_setint(d.settings, "synth.chorus.active", 0);
    // Only the samples of the instruments the tune uses are read, which keeps a large
    // SoundFont small in memory; the tune selects them all at its first tick, which
    // this request renders itself.
    fluid_settings_setint(d.settings, "synth.dynamic-sample-loading", 1);
    fluid_settings_setint(d.settings, "synth.lock-memory", 0);
    fluid_settings_setint(d.settings, "audio.period-size", 256);
    fluid_settings_setint(d.settings, "audio.periods", 8);
    d.synth = new_fluid_synth(d.settings);
    if (!d.synth)
        throw OpenFailure{errNoSynth, noSynth};

    bool soundFont = false;
    for (const QString& candidate : options.soundFonts) {
        if (IsSoundFont(candidate)
            && fluid_synth_sfload(d.synth, QFile::encodeName(candidate).constData(), 1) != FLUID_FAILED) {
            soundFont = true;
            break;
        }
    }
    if (!soundFont)
        throw OpenFailure{errNoSoundFont, QCoreApplication::translate("MusicPlayer", "音楽用の音色データ (SoundFont) が見つかりません")};

    d.player = new_fluid_player(d.synth);
    if (!d.player || fluid_player_add_mem(d.player, data.constData(), std::size_t(data.size())) != FLUID_OK)
        throw OpenFailure{errNoSynth, noSynth};
    // The player reads the file at its first render: a file it cannot read ends the
    // playback at once. Rendered by hand, before any output exists, so nothing is heard.
    fluid_player_play(d.player);
    Render(d.synth, 64, left, right);
    if (fluid_player_get_status(d.player) != FLUID_PLAYER_PLAYING)
        throw OpenFailure{errBrokenMidi, broken};
    const int length = fluid_player_get_total_ticks(d.player);
    const int tempo = fluid_player_get_midi_tempo(d.player);
    fluid_player_stop(d.player);
    fluid_synth_all_sounds_off(d.synth, -1);
    fluid_player_seek(d.player, 0);
    Render(d.synth, 64, left, right);   // the player takes in the stop

    r.length = length;
    r.tempo = tempo;
    r.division = (static_cast<unsigned char>(data[12]) << 8) | static_cast<unsigned char>(data[13]);
    if (!options.renderByHand) {
        for (const QString& candidate : options.audioDrivers) {
            const QByteArray id = candidate.toUtf8();
            if (candidate == QLatin1String("pulseaudio")) {
                PulseMusicOutput::Refusal why = PulseMusicOutput::Refusal::NoServer;
                d.output = PulseMusicOutput::Open(d.synth, kSampleRate, &why);
                if (d.output) {
                    r.driverName = candidate;
                    break;
                }
                // A server that is there but does not answer in time would hold every
                // other way out too (ALSA and SDL reach the desktop's sound through it,
                // and they wait without a limit): the game goes on without music.
                if (why == PulseMusicOutput::Refusal::NoAnswer)
                    break;
                continue;
            }
            if (fluid_settings_setstr(d.settings, "audio.driver", id.constData()) != FLUID_OK)
                continue;
            const bool sdl = candidate == QLatin1String("sdl2") && StartSdlAudio();
            d.driver = new_fluid_audio_driver(d.settings, d.synth);
            if (d.driver) {
                d.sdlAudio = sdl;
                r.driverName = candidate;
                break;
            }
            if (sdl)
                StopSdlAudio();
        }
        if (!d.driver && !d.output)
            throw OpenFailure{errNoAudioOutput, QCoreApplication::translate("MusicPlayer", "音を出す装置が使えません")};
    }

}

std::unique_ptr<TMediaPlayer::Opened> TMediaPlayer::Build(const QString& name, const MediaPlayerOptions& options) noexcept
{
    auto r = std::make_unique<Opened>();
    try {
        BuildInto(*r, name, options);
    } catch (const OpenFailure& f) {
        r->error = f.code;
        r->message = f.message;
        r->device.reset();
    } catch (...) {
        r->error = errNoSynth;
        r->message = QCoreApplication::translate("MusicPlayer", "音楽を鳴らす準備が できません");
        r->device.reset();
    }
    return r;
}

void TMediaPlayer::Prepare()
{
    if (preparing_.joinable() || DeviceOpen())
        return;
    preparedName_ = FileName;
    try {
        preparing_ = std::thread([this, name = FileName, options = options_] { prepared_ = Build(name, options); });
    } catch (const std::system_error&) {
        prepared_.reset();   // OpenMedia does it all itself
    }
}

std::unique_ptr<TMediaPlayer::Opened> TMediaPlayer::TakePrepared()
{
    if (!preparing_.joinable())
        return nullptr;
    preparing_.join();
    return std::move(prepared_);
}

void TMediaPlayer::OpenMedia()
{
    if (DeviceOpen())
        CloseMedia();

    std::unique_ptr<Opened> opened = TakePrepared();
    if (!opened || preparedName_ != FileName)
        opened = Build(FileName, options_);
    Opened& r = *opened;
    if (r.error != errNone || !r.device)
        Fail(static_cast<ErrorCode>(r.error != errNone ? r.error : errNoSynth), r.message);
    Device& d = *r.device;
    settings_ = std::exchange(d.settings, nullptr);
    synth_ = std::exchange(d.synth, nullptr);
    player_ = std::exchange(d.player, nullptr);
    driver_ = std::exchange(d.driver, nullptr);
    output_ = std::move(d.output);
    sdlAudio_ = std::exchange(d.sdlAudio, false);
    driverName_ = r.driverName;
    length_ = r.length;
    startTempo_ = r.tempo > 0 ? r.tempo : 500000;
    division_ = r.division > 0 ? r.division : 480;
    mode_ = TMPModes::mpStopped;
    playPending_ = false;
    endReached_ = false;
    atStart_ = true;
    error_ = errNone;
}

void TMediaPlayer::Release() noexcept
{
    Device d;
    d.settings = std::exchange(settings_, nullptr);
    d.synth = std::exchange(synth_, nullptr);
    d.player = std::exchange(player_, nullptr);
    d.driver = std::exchange(driver_, nullptr);
    d.output = std::move(output_);
    d.sdlAudio = std::exchange(sdlAudio_, false);
    driverName_.clear();
}

void TMediaPlayer::CloseMedia()
{
    if (!DeviceOpen())
        return;
    endWatch_.stop();
    const bool interrupted = playPending_;
    Release();
    mode_ = TMPModes::mpNotReady;
    length_ = 0;
    error_ = errNone;
    if (interrupted)
        Finish(TMPNotifyValues::nvAborted);
}

void TMediaPlayer::PlayMedia()
{
    RequireOpen();
    CheckForEnd();
    if (playPending_)
        Finish(TMPNotifyValues::nvSuperseded);
    if (AtEnd()) {
        if (!AutoRewind) {
            // From the end to the end: done at once, nothing sounds.
            error_ = errNone;
            Finish(TMPNotifyValues::nvSuccessful);
            return;
        }
        RewindMedia();
    }
    if (fluid_player_play(player_) != FLUID_OK) {
        error_ = errRequestFailed;
        return;
    }
    fluid_synth_reverb_on(synth_, -1, 1);
    error_ = errNone;
    mode_ = TMPModes::mpPlaying;
    playPending_ = true;
    atStart_ = false;
    FollowMode();
    if (driver_ || output_)
        endWatch_.start();
    Trace("music", QStringLiteral("play"));
}

void TMediaPlayer::PauseMedia()
{
    RequireOpen();
    CheckForEnd();
    if (mode_ == TMPModes::mpPlaying)
        Halt(TMPModes::mpPaused);
    error_ = errNone;
    Trace("music", QStringLiteral("pause"));
}

void TMediaPlayer::StopMedia()
{
    RequireOpen();
    CheckForEnd();
    Halt(TMPModes::mpStopped);
    error_ = errNone;
    Trace("music", QStringLiteral("stop"));
}

void TMediaPlayer::RewindMedia()
{
    RequireOpen();
    CheckForEnd();
    Halt(TMPModes::mpStopped);
    fluid_player_seek(player_, 0);   // applied when playing resumes; a failure is not recorded
    atStart_ = true;
    endReached_ = false;
}

// Silences the music at once and keeps its position. The player also sends All Sound
// Off at its next render; doing it here as well means nothing sounds on once this
// returns, even while the output thread is in the middle of a render. The room's echo
// is switched off with the notes (play switches it on again): its tail would otherwise
// ring on for seconds.
void TMediaPlayer::Halt(TMPModes mode)
{
    if (mode_ == TMPModes::mpPlaying) {
        fluid_player_stop(player_);
        fluid_synth_all_sounds_off(synth_, -1);
        fluid_synth_reverb_on(synth_, -1, 0);
        endWatch_.stop();
        if (playPending_)
            Finish(TMPNotifyValues::nvAborted);
    }
    mode_ = mode;
    FollowMode();
}

// The player's own output runs exactly while the music plays.
void TMediaPlayer::FollowMode()
{
    if (output_)
        output_->SetRunning(mode_ == TMPModes::mpPlaying);
}

long long TMediaPlayer::OutputWrites() const
{
    return output_ ? output_->Writes() : 0;
}

void TMediaPlayer::Finish(TMPNotifyValues value)
{
    notifyValue_ = value;
    playPending_ = false;
    emit Notify();
}

// The music has ended when its last event has played. The player itself reports the end
// only once the last faint voice has died away, seconds later and longer still with newer
// FluidSynth versions, so its position against the length decides; the player is then
// stopped in place, as by a pause, and the next play starts again from the beginning.
void TMediaPlayer::CheckForEnd()
{
    if (!DeviceOpen() || mode_ != TMPModes::mpPlaying)
        return;
    if (fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING) {
        if (length_ <= 0 || fluid_player_get_current_tick(player_) < length_)
            return;
        fluid_player_stop(player_);
    }
    mode_ = TMPModes::mpStopped;
    FollowMode();
    endReached_ = true;
    endWatch_.stop();
    if (playPending_)
        Finish(TMPNotifyValues::nvSuccessful);
}

// At the end of the medium: played to its end, or past the last tick before that was
// noticed.
bool TMediaPlayer::AtEnd()
{
    return endReached_ || (!atStart_ && length_ > 0 && fluid_player_get_current_tick(player_) >= length_);
}

TMediaPlayer::TMPModes TMediaPlayer::Mode()
{
    CheckForEnd();
    return mode_;
}

int TMediaPlayer::Position()
{
    if (!DeviceOpen() || atStart_)
        return 0;
    return std::clamp(fluid_player_get_current_tick(player_), 0, length_);
}

double TMediaPlayer::TicksPerSecond() const
{
    return 1e6 / startTempo_ * division_;
}

float TMediaPlayer::RenderSamples(int frames, double* energy)
{
    if (!DeviceOpen() || driver_ || output_ || frames <= 0)
        return 0;
    const float peak = Render(synth_, frames, left_, right_, energy);
    CheckForEnd();
    return peak;
}

} // namespace porimogu
