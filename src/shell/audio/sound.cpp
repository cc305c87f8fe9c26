#include "audio/sound.h"

#include "platform/title.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <canberra.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <utility>

namespace porimogu {
namespace {

using Clock = std::chrono::steady_clock;

// Beeps asked for while the sound thread is behind; more are dropped, since a sound
// server that slow would only ring them late.
constexpr std::size_t kMostWaiting = 4;

} // namespace

struct CanberraSound::Shared {
    std::function<void()> fallback;
    std::mutex m;
    std::condition_variable wake;       // to the sound thread: a request, or the end
    std::condition_variable finished;   // to the owner: the sound thread has ended
    enum class Link { Opening, Open, Failed } link = Link::Opening;
    std::deque<Beep> requests;
    bool busy = true;                   // opening, or inside a request to the server
    Clock::time_point busySince = Clock::now();
    bool stop = false;
    bool done = false;

    // The owner's thread only.
    void Fallback() noexcept
    {
        try {
            if (fallback)
                fallback();
        } catch (...) {
        }
    }
};

CanberraSound::CanberraSound(QByteArray driver, std::function<void()> fallback) : shared_(std::make_shared<Shared>())
{
    shared_->fallback = std::move(fallback);
    try {
        player_ = std::thread(&CanberraSound::Run, shared_, std::move(driver), GameTitle().toUtf8());
    } catch (const std::system_error&) {
        shared_->link = Shared::Link::Failed;
        shared_->busy = false;
        shared_->done = true;
    }
}

CanberraSound::~CanberraSound()
{
    if (!player_.joinable())
        return;
    bool ended = false;
    {
        std::unique_lock lock(shared_->m);
        shared_->stop = true;
        shared_->wake.notify_all();
        ended = shared_->finished.wait_for(lock, kAnswerLimit, [this] { return shared_->done; });
    }
    try {
        if (ended)
            player_.join();
        else
            player_.detach();
    } catch (const std::system_error&) {
    }
}

const char* CanberraSound::EventId(Beep beep) noexcept
{
    // Each is heard over the music: the loudest 400 ms of every sound is at least as loud
    // as the tune's average level.
    switch (beep) {
    case Beep::Ghost:
        return "service-logout";  // a falling chime, points lost
    case Beep::Bonus:
        return "complete";        // the theme's chime of success
    case Beep::Food:
        break;
    }
    return "bell";                // food: short, it may ring several times a second
}

// Runs the fallback on the owner's thread, through its event loop.
void CanberraSound::FallBackLater(const std::shared_ptr<Shared>& shared) noexcept
{
    try {
        if (QCoreApplication* app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, [shared] { shared->Fallback(); }, Qt::QueuedConnection);
    } catch (...) {
    }
}

// The sound thread: connects, then plays what is asked for until the owner goes. A call
// into libcanberra may wait for the server without a limit (a PipeWire server without
// its session manager never answers a request to play); only this thread waits then.
void CanberraSound::Run(std::shared_ptr<Shared> s, QByteArray driver, QByteArray title) noexcept
{
    ca_context* c = nullptr;
    if (ca_context_create(&c) == CA_SUCCESS) {
        bool ok = driver.isEmpty() || ca_context_set_driver(c, driver.constData()) == CA_SUCCESS;
        ok = ok && ca_context_change_props(c, CA_PROP_APPLICATION_NAME, title.constData(),
                                           CA_PROP_APPLICATION_ID, "io.github.porimogu", nullptr) == CA_SUCCESS;
        ok = ok && ca_context_open(c) == CA_SUCCESS;
        if (!ok) {
            ca_context_destroy(c);
            c = nullptr;
        }
    }
    std::unique_lock lock(s->m);
    s->link = c ? Shared::Link::Open : Shared::Link::Failed;
    s->busy = false;
    for (;;) {
        s->wake.wait(lock, [&s] { return s->stop || !s->requests.empty(); });
        if (s->stop)
            break;
        const Beep beep = s->requests.front();
        s->requests.pop_front();
        if (!c) {   // asked for while the connection was still being made
            FallBackLater(s);
            continue;
        }
        s->busy = true;
        s->busySince = Clock::now();
        lock.unlock();
        // Played asynchronously; the three sounds stay in the sound server's cache.
        const int result = ca_context_play(c, 0, CA_PROP_EVENT_ID, EventId(beep), CA_PROP_CANBERRA_CACHE_CONTROL,
                                           "permanent", nullptr);
        if (result != CA_SUCCESS)
            FallBackLater(s);
        lock.lock();
        s->busy = false;
    }
    lock.unlock();
    if (c)
        ca_context_destroy(c);
    lock.lock();
    s->done = true;
    s->finished.notify_all();
}

void CanberraSound::Play(Beep beep) noexcept
{
    bool fallBack = false;
    {
        std::lock_guard lock(shared_->m);
        const bool stuck = shared_->busy && Clock::now() - shared_->busySince > kAnswerLimit;
        if (shared_->link == Shared::Link::Failed || shared_->done || stuck) {
            fallBack = true;
        } else if (shared_->requests.size() < kMostWaiting) {
            shared_->requests.push_back(beep);
            shared_->wake.notify_one();
        }
    }
    if (fallBack)
        shared_->Fallback();
}

} // namespace porimogu
