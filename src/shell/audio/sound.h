#pragma once
// The three beeps of the play field, as the desktop's event sounds (libcanberra,
// freedesktop sound theme): food "bell", the ghost "service-logout", the clear bonus
// "complete". When the desktop cannot play one, the window system's beep stands in.
#include "core/ports.h"

#include <QByteArray>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace porimogu {

class CanberraSound : public Sound {
public:
    // A sound server that has not answered a request for this long is taken to be gone.
    static constexpr std::chrono::milliseconds kAnswerLimit{1500};

    // driver: libcanberra's output to use ("" = its own choice). fallback: what sounds
    // when canberra cannot play (empty: nothing); it always runs on the
    // thread that made this object. The connection to the sound service is made and
    // every sound is asked for on a thread of the object's own, so that neither start-up
    // nor a beep ever waits for the sound server, however slow or stuck it is.
    explicit CanberraSound(QByteArray driver = {}, std::function<void()> fallback = {});
    // Waits at most kAnswerLimit for the sound thread; a thread stuck in a server that
    // never answers is left behind, with what it uses.
    ~CanberraSound() override;
    CanberraSound(const CanberraSound&) = delete;
    CanberraSound& operator=(const CanberraSound&) = delete;

    // Asks for the sound and returns at once. Never throws. When the desktop cannot
    // play it (no connection, a refused sound, a server that has stopped answering) the
    // fallback sounds instead: at once when that is already known, otherwise as soon as
    // the sound thread learns it (from the event loop of the object's thread).
    void Play(Beep beep) noexcept override;

    // The desktop's event sound for the beep.
    static const char* EventId(Beep beep) noexcept;

private:
    struct Shared;   // what the two threads share; lives as long as either needs it
    static void Run(std::shared_ptr<Shared> shared, QByteArray driver, QByteArray title) noexcept;
    static void FallBackLater(const std::shared_ptr<Shared>& shared) noexcept;

    std::shared_ptr<Shared> shared_;
    std::thread player_;
};

} // namespace porimogu
