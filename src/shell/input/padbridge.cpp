#include "input/padbridge.h"

#include <QTimer>

#include <utility>

namespace porimogu {

PadBridge::PadBridge(Game& game, PadReader& pads, QTimer& timer, Window window)
    : pads_(pads), timer_(timer), window_(std::move(window)), input_(game)
{
}

void PadBridge::Poll(std::int64_t nowMs)
{
    const PadState held = pads_.Read();
    const int interval = pads_.AnyPad() ? kPollMs : kWatchMs;
    if (timer_.interval() != interval)
        timer_.setInterval(interval);
    const bool active = window_.isActive();
    const PadInput::Result r = input_.Poll(held, active, nowMs);
    // In the name prompt, the top list and the boxes, A does what Enter does there.
    if (r.enterPressed && !active)
        window_.pressDialogDefault();
    if (r.quitPressed && window_.quitPressed)
        window_.quitPressed();
}

} // namespace porimogu
