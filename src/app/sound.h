#pragma once
// The three system beeps, as the desktop's event sounds (libcanberra, freedesktop sound
// theme): type 0 "bell", 48 "service-logout", 64 "complete"; any other type sounds as 0.
// When the desktop cannot play one, the window system's beep stands in.
#include "ports.h"

#include <QByteArray>
#include <functional>
#include <thread>

typedef struct ca_context ca_context;

namespace porimogu {

class CanberraSound : public Sound {
public:
    // driver: libcanberra's output to use ("" = its own choice). fallback: what sounds
    // when canberra cannot play (empty = QApplication::beep()). The connection to the
    // sound service is made at once, on a thread of its own, so that neither start-up
    // nor the first beep waits for it.
    explicit CanberraSound(QByteArray driver = {}, std::function<void()> fallback = {});
    ~CanberraSound() override;
    CanberraSound(const CanberraSound&) = delete;
    CanberraSound& operator=(const CanberraSound&) = delete;

    // Starts the sound and returns at once. Never throws. If the connection could not be
    // made, every beep falls back. (A beep before the connection is done waits for it.)
    void MessageBeep(unsigned type) noexcept override;

    static const char* EventId(unsigned type) noexcept;

private:
    void Fallback() noexcept;
    void Open() noexcept;
    void WaitForOpen() noexcept;

    QByteArray driver_;
    std::function<void()> fallback_;
    ca_context* context_ = nullptr;   // written by the opener only, read after joining it
    std::thread opener_;
};

} // namespace porimogu
