#include "audio/musicoutput.h"

#include "platform/title.h"

#include <fluidsynth.h>
#include <pulse/pulseaudio.h>
#include <pulse/rtclock.h>

#include <algorithm>
#include <cstdint>

namespace porimogu {
namespace {

// About 40 ms of sound in the server's buffer, asked for in halves: short enough that
// a start is heard at once, long enough that a busy machine does not make it stutter.
constexpr pa_usec_t kBufferTime = 40000;
constexpr pa_usec_t kRequestTime = 20000;

// Holds the loop's lock for the life of the object.
class Locked {
public:
    explicit Locked(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
    ~Locked() { pa_threaded_mainloop_unlock(loop_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

private:
    pa_threaded_mainloop* loop_;
};

// Starts an operation and lets it finish on its own.
void Forget(pa_operation* op)
{
    if (op)
        pa_operation_unref(op);
}

} // namespace

void PulseMusicOutput::OnContextState(pa_context*, void* self)
{
    pa_threaded_mainloop_signal(static_cast<PulseMusicOutput*>(self)->loop_, 0);
}

void PulseMusicOutput::OnStreamState(pa_stream*, void* self)
{
    pa_threaded_mainloop_signal(static_cast<PulseMusicOutput*>(self)->loop_, 0);
}

void PulseMusicOutput::OnDeadline(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* self)
{
    auto* out = static_cast<PulseMusicOutput*>(self);
    out->late_ = true;
    pa_threaded_mainloop_signal(out->loop_, 0);
}

// Runs on the loop's thread whenever the server wants more: the synthesizer renders
// straight into the server's memory, left and right interleaved. A corked stream is
// still asked to fill its buffer; that is left to the moment it is uncorked.
void PulseMusicOutput::OnWrite(pa_stream* s, std::size_t bytes, void* self)
{
    auto* out = static_cast<PulseMusicOutput*>(self);
    if (!out->running_.load(std::memory_order_relaxed))
        return;
    constexpr std::size_t kFrame = 2 * sizeof(float);
    while (bytes >= kFrame) {
        void* data = nullptr;
        std::size_t size = bytes;
        if (pa_stream_begin_write(s, &data, &size) < 0 || data == nullptr || size < kFrame)
            return;
        const int frames = static_cast<int>(size / kFrame);
        fluid_synth_write_float(out->synth_, frames, data, 0, 2, data, 1, 2);
        if (pa_stream_write(s, data, static_cast<std::size_t>(frames) * kFrame, nullptr, 0, PA_SEEK_RELATIVE) < 0)
            return;
        bytes -= std::min(bytes, static_cast<std::size_t>(frames) * kFrame);
        out->writes_.fetch_add(1, std::memory_order_relaxed);
    }
}

std::unique_ptr<PulseMusicOutput> PulseMusicOutput::Open(fluid_synth_t* synth, int rate, Refusal* why,
                                                         std::chrono::milliseconds limit)
{
    if (why)
        *why = Refusal::NoServer;
    std::unique_ptr<PulseMusicOutput> out(new PulseMusicOutput);
    out->synth_ = synth;
    out->loop_ = pa_threaded_mainloop_new();
    if (!out->loop_)
        return nullptr;
    pa_proplist* props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, GameTitle().toUtf8().constData());
    pa_proplist_sets(props, PA_PROP_APPLICATION_ID, "io.github.porimogu");
    pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, "game");
    out->context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(out->loop_), "porimogu", props);
    pa_proplist_free(props);
    if (!out->context_)
        return nullptr;
    pa_context_set_state_callback(out->context_, &OnContextState, out.get());
    // Set before the loop runs, so it needs no lock; it fires once, on the loop's thread.
    const auto limitUs = static_cast<pa_usec_t>(std::max<long long>(0, limit.count())) * PA_USEC_PER_MSEC;
    out->deadline_ = pa_context_rttime_new(out->context_, pa_rtclock_now() + limitUs, &OnDeadline, out.get());
    if (!out->deadline_)
        return nullptr;
    if (pa_context_connect(out->context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return nullptr;
    if (pa_threaded_mainloop_start(out->loop_) < 0)
        return nullptr;

    Locked lock(out->loop_);
    // Waits (the lock held) until state() is ready; false when it went bad first or the
    // deadline passed, and then `why` tells which.
    auto await = [&out, why](auto state, auto ready, auto good) {
        for (;;) {
            const auto now = state();
            if (now == ready)
                return true;
            if (!good(now))
                return false;
            if (out->late_) {
                if (why)
                    *why = Refusal::NoAnswer;
                return false;
            }
            pa_threaded_mainloop_wait(out->loop_);
        }
    };
    if (!await([&out] { return pa_context_get_state(out->context_); }, PA_CONTEXT_READY,
               [](pa_context_state_t st) { return PA_CONTEXT_IS_GOOD(st); }))
        return nullptr;

    const pa_sample_spec sampleFormat{PA_SAMPLE_FLOAT32NE, static_cast<std::uint32_t>(rate), 2};
    out->stream_ = pa_stream_new(out->context_, "music", &sampleFormat, nullptr);
    if (!out->stream_)
        return nullptr;
    pa_stream_set_state_callback(out->stream_, &OnStreamState, out.get());
    pa_stream_set_write_callback(out->stream_, &OnWrite, out.get());
    pa_buffer_attr attr;
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(kBufferTime, &sampleFormat));
    attr.prebuf = static_cast<std::uint32_t>(-1);
    attr.minreq = static_cast<std::uint32_t>(pa_usec_to_bytes(kRequestTime, &sampleFormat));
    attr.fragsize = static_cast<std::uint32_t>(-1);
    const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_START_CORKED | PA_STREAM_ADJUST_LATENCY);
    if (pa_stream_connect_playback(out->stream_, nullptr, &attr, flags, nullptr, nullptr) < 0)
        return nullptr;
    if (!await([&out] { return pa_stream_get_state(out->stream_); }, PA_STREAM_READY,
               [](pa_stream_state_t st) { return PA_STREAM_IS_GOOD(st); }))
        return nullptr;
    pa_threaded_mainloop_get_api(out->loop_)->time_free(out->deadline_);
    out->deadline_ = nullptr;
    return out;
}

PulseMusicOutput::~PulseMusicOutput()
{
    if (loop_)
        pa_threaded_mainloop_stop(loop_);
    // With the loop stopped no callback runs any more.
    if (deadline_)
        pa_threaded_mainloop_get_api(loop_)->time_free(deadline_);
    if (stream_) {
        pa_stream_set_write_callback(stream_, nullptr, nullptr);
        pa_stream_set_state_callback(stream_, nullptr, nullptr);
        pa_stream_disconnect(stream_);
        pa_stream_unref(stream_);
    }
    if (context_) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
    }
    if (loop_)
        pa_threaded_mainloop_free(loop_);
}

void PulseMusicOutput::SetRunning(bool running)
{
    Locked lock(loop_);
    if (running == running_.load(std::memory_order_relaxed))
        return;
    running_.store(running, std::memory_order_relaxed);
    if (pa_stream_get_state(stream_) != PA_STREAM_READY)
        return;
    Forget(pa_stream_cork(stream_, running ? 0 : 1, nullptr, nullptr));
    if (running) {
        // The requests that came while corked were left unanswered: fill the buffer now.
        const std::size_t room = pa_stream_writable_size(stream_);
        if (room != static_cast<std::size_t>(-1) && room > 0)
            OnWrite(stream_, room, this);
    } else {
        // What was sent but not yet heard is dropped, so a resume starts afresh.
        Forget(pa_stream_flush(stream_, nullptr, nullptr));
    }
}

} // namespace porimogu
