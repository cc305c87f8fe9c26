#pragma once
// The music's own way to the sound server: one PulseAudio playback stream that the
// synthesizer fills on the server's request. While no music plays the stream is corked
// and its buffer dropped, so nothing is rendered and nothing is sent; uncorking starts
// it again within one short buffer, without building a new stream.
//
// No step waits without a time limit: a server that takes the connection but never
// answers, or never makes the stream ready (PipeWire without its session manager, a
// stalled or far-away server), costs at most kReadyLimit; corking and uncorking are
// sent and never waited for.
#include <atomic>
#include <chrono>
#include <memory>

typedef struct _fluid_synth_t fluid_synth_t;
struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;
struct pa_time_event;
struct pa_mainloop_api;

namespace porimogu {

class PulseMusicOutput {
public:
    // Why Open gave no output: no server to reach (or it said no at once), or one that
    // did not get the stream ready in time. Other ways to the same desktop's sound
    // would wait for that server too.
    enum class Refusal { NoServer, NoAnswer };
    static constexpr std::chrono::milliseconds kReadyLimit{2000};

    // Connects to the sound server and sets up a corked stream at `rate` Hz, stereo,
    // within `limit` from the call. Returns null, with the reason in `why` when given,
    // when there is no server, it refuses the stream, or it is not ready in time.
    static std::unique_ptr<PulseMusicOutput> Open(fluid_synth_t* synth, int rate, Refusal* why = nullptr,
                                                  std::chrono::milliseconds limit = kReadyLimit);
    ~PulseMusicOutput();
    PulseMusicOutput(const PulseMusicOutput&) = delete;
    PulseMusicOutput& operator=(const PulseMusicOutput&) = delete;

    // true: the server asks for music and the synthesizer renders it. false: corked,
    // with what was already sent dropped. Returns at once.
    void SetRunning(bool running);

    // How many times the server has been sent rendered music, since opening.
    long long Writes() const { return writes_.load(std::memory_order_relaxed); }

private:
    PulseMusicOutput() = default;
    static void OnContextState(pa_context* c, void* self);
    static void OnStreamState(pa_stream* s, void* self);
    static void OnWrite(pa_stream* s, std::size_t bytes, void* self);
    static void OnDeadline(pa_mainloop_api* api, pa_time_event* e, const struct timeval* tv, void* self);

    fluid_synth_t* synth_ = nullptr;
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    pa_time_event* deadline_ = nullptr;   // wakes the opening wait when its time is up
    bool late_ = false;                   // the deadline has passed (the loop's lock guards it)
    std::atomic<bool> running_{false};
    std::atomic<long long> writes_{0};
};

} // namespace porimogu
