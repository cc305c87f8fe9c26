#pragma once
// The synthesizer one open music file plays through: FluidSynth's settings, the synth
// with a General MIDI SoundFont loaded, the MIDI player holding the file, and the audio
// output (the game's own sound stream or one of FluidSynth's), owned together and
// released together in the safe order.
//
// Open does the slow part of opening the music and needs nothing else of the game, so it
// can run on a thread of its own; after that the synthesizer is used from one thread at
// a time, while the audio output renders on its own.
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;
typedef struct _fluid_audio_driver_t fluid_audio_driver_t;

namespace porimogu {

class PulseMusicOutput;

struct MediaPlayerOptions {
    // SoundFonts tried in order; the first that loads is used.
    QStringList soundFonts = DefaultSoundFonts();
    // Audio outputs tried in order: "pulseaudio" is the game's own, the others are
    // FluidSynth's.
    QStringList audioDrivers = {QStringLiteral("pulseaudio"), QStringLiteral("alsa"), QStringLiteral("sdl2")};
    // No audio output at all: time moves only through Render (for tests and tools).
    bool renderByHand = false;

    // The usual places of a General MIDI SoundFont on Debian and its relatives.
    static QStringList DefaultSoundFonts();
};

// What kept the music from being opened, numbered as the player's error codes.
enum class SynthesizerFault : int { CannotRead = 1, NotMidi = 2, BrokenMidi = 3, NoSoundFont = 4,
                                    NoAudioOutput = 5, NoSynth = 6, UnsupportedMidi = 8 };

// Thrown by Synthesizer::Open, with the Japanese text that names what is missing.
struct SynthesizerError {
    SynthesizerFault fault;
    QString message;
};

class Synthesizer {
public:
    static constexpr int kSampleRate = 44100;

    // FluidSynth and the ALSA library underneath it write to stderr when a device is
    // missing; the game reports such failures itself. Once is enough for the process.
    static void QuietenLibraries();

    // Reads and checks the MIDI file `name`, loads the first SoundFont that loads, reads
    // the file's length and tempo and opens the first audio output that opens, corked
    // and stopped at the start. Throws SynthesizerError; anything else it throws is a
    // synthesizer that could not be set up.
    static std::unique_ptr<Synthesizer> Open(const QString& name, const MediaPlayerOptions& options);
    ~Synthesizer();
    Synthesizer(const Synthesizer&) = delete;
    Synthesizer& operator=(const Synthesizer&) = delete;

    // The file's length in ticks, its tempo at tick 0 (microseconds per quarter note; 0
    // when it names none) and its ticks per quarter note.
    int Length() const { return length_; }
    int StartTempo() const { return tempo_; }
    int Division() const { return division_; }
    // The audio output in use ("" when rendering by hand); false when rendering by hand.
    const QString& DriverName() const { return driverName_; }
    bool HasOutput() const { return driver_ != nullptr || output_ != nullptr; }

    // Plays on from the player's position and switches the room's echo on; false when
    // the player refuses.
    bool Play();
    // Stops the player in place, silences every note at once and switches the echo off
    // (its tail would otherwise ring on for seconds).
    void Halt();
    // Stops the player in place and nothing more: the music has played to its end.
    void StopAtEnd();
    // Where the next play starts; applied when playing resumes.
    void Seek(int tick);
    bool Playing() const;
    int Tick() const;

    // The game's own output runs (true) or is corked (false); the others always run.
    void SetOutputRunning(bool running);
    // How often the music has been sent through the game's own output (0 for the others).
    long long OutputWrites() const;

    // Renders `frames` stereo frames by hand; returns the largest absolute sample and,
    // with `energy`, adds the sum of the squares of the samples to it.
    float Render(int frames, double* energy = nullptr);

private:
    Synthesizer() = default;
    void Build(const QString& name, const MediaPlayerOptions& options);
    void OpenOutput(const MediaPlayerOptions& options);

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* player_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
    std::unique_ptr<PulseMusicOutput> output_;
    bool sdlAudio_ = false;
    QString driverName_;
    int length_ = 0;
    int tempo_ = 0;
    int division_ = 0;
    std::vector<float> left_;
    std::vector<float> right_;
};

} // namespace porimogu
