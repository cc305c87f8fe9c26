#include "sound.h"

#include "formutil.h"

#include <QApplication>

#include <canberra.h>

#include <system_error>
#include <utility>

namespace porimogu {

CanberraSound::CanberraSound(QByteArray driver, std::function<void()> fallback)
    : driver_(std::move(driver)), fallback_(std::move(fallback))
{
    try {
        opener_ = std::thread([this] { Open(); });
    } catch (const std::system_error&) {
        Open();
    }
}

CanberraSound::~CanberraSound()
{
    WaitForOpen();
    if (context_)
        ca_context_destroy(context_);
}

const char* CanberraSound::EventId(unsigned type) noexcept
{
    // Each is heard over the music: the loudest 400 ms of every sound is at least as loud
    // as the tune's average level.
    switch (type) {
    case 48:
        return "service-logout";  // the ghost: a falling chime, points lost
    case 64:
        return "complete";        // the clear bonus: the theme's chime of success
    default:
        return "bell";            // food: short, it may ring several times a second
    }
}

void CanberraSound::Fallback() noexcept
{
    try {
        if (fallback_)
            fallback_();
        else
            QApplication::beep();
    } catch (...) {
    }
}

void CanberraSound::Open() noexcept
{
    // libcanberra answers within milliseconds when there is no sound service.
    ca_context* c = nullptr;
    if (ca_context_create(&c) != CA_SUCCESS)
        return;
    bool ok = driver_.isEmpty() || ca_context_set_driver(c, driver_.constData()) == CA_SUCCESS;
    ok = ok && ca_context_change_props(c, CA_PROP_APPLICATION_NAME, GameTitle().toUtf8().constData(),
                                       CA_PROP_APPLICATION_ID, "io.github.porimogu", nullptr) == CA_SUCCESS;
    ok = ok && ca_context_open(c) == CA_SUCCESS;
    if (ok)
        context_ = c;
    else
        ca_context_destroy(c);
}

void CanberraSound::WaitForOpen() noexcept
{
    if (opener_.joinable()) {
        try {
            opener_.join();
        } catch (const std::system_error&) {
        }
    }
}

void CanberraSound::MessageBeep(unsigned type) noexcept
{
    WaitForOpen();
    if (!context_) {
        Fallback();
        return;
    }
    // Played asynchronously; the three sounds stay in the sound server's cache.
    if (ca_context_play(context_, 0, CA_PROP_EVENT_ID, EventId(type), CA_PROP_CANBERRA_CACHE_CONTROL, "permanent",
                        nullptr) != CA_SUCCESS)
        Fallback();
}

} // namespace porimogu
