#pragma once
// MediaPlayer1: the background-music player of the main window, never visible. It plays
// one MIDI file through FluidSynth and a General MIDI SoundFont.
//
// Requests and their contracts:
//  - OpenMedia closes an open device first, then opens FileName. Every failure throws
//    EMCIDeviceError with a Japanese text naming what is missing; the device stays closed.
//  - PlayMedia returns at once; the music plays in the background. After a pause or stop
//    it continues where it stopped; after it has played to its end (and AutoRewind is
//    set) it starts again from the beginning. At its end it falls silent: no repeat.
//  - PauseMedia, StopMedia and RewindMedia have taken effect when they return: no note
//    sounds on and no new note starts. RewindMedia leaves the device stopped at 0.
//  - Every request but OpenMedia and CloseMedia on a closed device throws
//    EMCIDeviceError "MCI ﾃﾞﾊﾞｲｽがありません" and changes nothing.
//  - CloseMedia on a closed device does nothing; freeing the player closes an open
//    device and ignores anything that goes wrong.
// Everything runs on the thread that owns the player; FluidSynth renders on the audio
// output's own thread, and no request waits for it. Through PulseAudio the output is
// the player's own and runs only while the music plays: paused, stopped, rewound or at
// its end, nothing is rendered or sent.
#include "audio/synthesizer.h"
#include "core/ports.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>
#include <thread>

namespace porimogu {

class TMediaPlayer : public QObject, public Music {
    Q_OBJECT
public:
    // The device's mode, numbered as the game's media-control service numbers it.
    enum class TMPModes { mpNotReady = 0, mpStopped = 1, mpPlaying = 2, mpRecording = 3,
                          mpSeeking = 4, mpPaused = 5, mpOpen = 6 };
    // The outcome of the last play request, recorded when it ends or is interrupted.
    enum class TMPNotifyValues { nvSuccessful = 1, nvSuperseded = 2, nvAborted = 4, nvFailure = 8 };
    // Last error codes; 0 after every successful request that records one.
    enum ErrorCode : int {
        errNone = 0,
        errCannotRead = int(SynthesizerFault::CannotRead),
        errNotMidi = int(SynthesizerFault::NotMidi),
        errBrokenMidi = int(SynthesizerFault::BrokenMidi),
        errNoSoundFont = int(SynthesizerFault::NoSoundFont),
        errNoAudioOutput = int(SynthesizerFault::NoAudioOutput),
        errNoSynth = int(SynthesizerFault::NoSynth),
        errRequestFailed = 7,
        errUnsupportedMidi = int(SynthesizerFault::UnsupportedMidi),
    };

    explicit TMediaPlayer(QObject* parent = nullptr);
    explicit TMediaPlayer(MediaPlayerOptions options, QObject* parent = nullptr);
    ~TMediaPlayer() override;

    QString FileName;          // the file OpenMedia opens; the game sets "game.mid"
    bool AutoRewind = true;

    // Starts the slow part of opening FileName (reading it, loading the SoundFont, opening
    // the output) on a thread of its own and returns at once. The next OpenMedia of the
    // same file waits for it and takes its result, failures included, as its own.
    void Prepare();
    void OpenMedia();
    void CloseMedia();
    void PlayMedia() override;
    void PauseMedia() override;
    void StopMedia() override;
    void RewindMedia() override;

    bool DeviceOpen() const { return device_ != nullptr; }
    int Error() const { return error_; }
    TMPNotifyValues NotifyValue() const { return notifyValue_; }
    TMPModes Mode();
    // Position and length in MIDI ticks of the open file (0 when closed). The position
    // reads 0 after a rewind and never passes the length.
    int Position();
    int Length() const { return length_; }
    // Ticks per second at the file's start, for turning ticks into time.
    double TicksPerSecond() const;
    // The name of the audio output in use ("" when rendering by hand or closed).
    QString AudioDriverName() const { return device_ ? device_->DriverName() : QString(); }
    // How often the music has been sent to the sound server through the player's own
    // output since it was opened (0 for the others).
    long long OutputWrites() const;

    // Only with renderByHand: renders `frames` stereo frames at 44.1 kHz, which moves
    // the music on by that much time, then notices the end of playback. Returns the
    // largest absolute sample value rendered (0 = silence). With `energy`, adds the sum
    // of the squares of every sample rendered, both channels, to *energy.
    float RenderSamples(int frames, double* energy = nullptr);
    static constexpr int kSampleRate = Synthesizer::kSampleRate;

signals:
    // A play request has ended (see NotifyValue). The game does not connect it.
    void Notify();

private:
    // The outcome of the slow part of opening: a synthesizer, or the failure to report.
    struct Opened {
        std::unique_ptr<Synthesizer> device;
        ErrorCode error = errNone;
        QString message;
    };
    static Opened Build(const QString& name, const MediaPlayerOptions& options) noexcept;
    std::optional<Opened> TakePrepared();

    void RequireOpen() const;
    [[noreturn]] void Fail(ErrorCode code, const QString& message);
    void CheckForEnd();
    void Halt(TMPModes mode);
    void Finish(TMPNotifyValues value);
    bool AtEnd();
    void FollowMode();

    MediaPlayerOptions options_;
    std::unique_ptr<Synthesizer> device_;   // the open device; null when closed

    int error_ = errNone;
    TMPNotifyValues notifyValue_ = TMPNotifyValues::nvSuccessful;
    TMPModes mode_ = TMPModes::mpNotReady;
    bool playPending_ = false;     // a play request is running and will notify
    bool endReached_ = false;      // the music has played to its end since the last rewind
    bool atStart_ = false;         // rewound: the position reads 0 until the next play
    int length_ = 0;
    int startTempo_ = 500000;      // microseconds per quarter note at tick 0
    int division_ = 480;

    QTimer endWatch_;              // looks for the end of playback while playing
    std::thread preparing_;
    std::optional<Opened> prepared_;   // written by the preparing thread, read after joining it
    QString preparedName_;
};

} // namespace porimogu
