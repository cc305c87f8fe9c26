#include "display.h"

#include <QByteArray>
#include <QtGlobal>
#include <xcb/xcb.h>

namespace porimogu {

QString DisplayProblem()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return {};
    if (platform.isEmpty() && !qgetenv("WAYLAND_DISPLAY").isEmpty())
        return {};
    const QByteArray display = qgetenv("DISPLAY");
    const QString advice = QStringLiteral("Start the game from a desktop session, or set DISPLAY to a running X server.");
    if (display.isEmpty())
        return QStringLiteral("porimogu: there is no X display (DISPLAY is not set). ") + advice;
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed)
        return QStringLiteral("porimogu: cannot open the X display \"%1\". ").arg(QString::fromLocal8Bit(display))
            + advice;
    return {};
}

} // namespace porimogu
