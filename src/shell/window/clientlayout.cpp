#include "window/clientlayout.h"

#include <algorithm>

namespace porimogu {

namespace {
constexpr int kPanelHeight = 32;
} // namespace

int WholeScale(QSize area)
{
    return std::max(1, std::min(area.width() / kClientWidth, area.height() / kClientHeight));
}

ClientLayout LayOutClient(QSize client, bool fullScreen)
{
    ClientLayout l;
    const int k = fullScreen ? WholeScale(client) : 1;
    const QSize size(kClientWidth * k, kClientHeight * k);
    l.scale = k;
    l.stage = fullScreen ? QRect(QPoint((client.width() - size.width()) / 2,
                                        (client.height() - size.height()) / 2), size)
                         : QRect(QPoint(0, 0), client);
    l.bevel = QRect(16 * k, 6 * k, 600 * k, 440 * k);
    l.playField = QPoint(kPlayFieldLeft * k, kPlayFieldTop * k);
    l.panel = QRect(0, l.stage.height() - kPanelHeight * k, l.stage.width(), kPanelHeight * k);
    return l;
}

} // namespace porimogu
