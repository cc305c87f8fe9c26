#pragma once
// The music's own way to the sound server: one PulseAudio playback stream that the
// synthesizer fills on the server's request. While no music plays the stream is corked
// and its buffer dropped, so nothing is rendered and nothing is sent; uncorking starts
// it again within one short buffer, without building a new stream.
#include <QString>

#include <atomic>
#include <memory>

typedef struct _fluid_synth_t fluid_synth_t;
struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;

namespace porimogu {

class PulseMusicOutput {
public:
    // Connects to the sound server and sets up a corked stream at `rate` Hz, stereo.
    // Returns null when there is no server or it refuses the stream.
    static std::unique_ptr<PulseMusicOutput> Open(fluid_synth_t* synth, int rate);
    ~PulseMusicOutput();
    PulseMusicOutput(const PulseMusicOutput&) = delete;
    PulseMusicOutput& operator=(const PulseMusicOutput&) = delete;

    // true: the server asks for music and the synthesizer renders it. false: corked,
    // with what was already sent dropped. Returns at once.
    void SetRunning(bool running);
    bool Running() const { return running_.load(std::memory_order_relaxed); }

    // How many times the server has been sent rendered music, since opening.
    long long Writes() const { return writes_.load(std::memory_order_relaxed); }

private:
    PulseMusicOutput() = default;
    static void OnContextState(pa_context* c, void* self);
    static void OnStreamState(pa_stream* s, void* self);
    static void OnWrite(pa_stream* s, std::size_t bytes, void* self);

    fluid_synth_t* synth_ = nullptr;
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    std::atomic<bool> running_{false};
    std::atomic<long long> writes_{0};
};

} // namespace porimogu
