#include "platform/display.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QtGlobal>
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace porimogu {

DisplayCheck CheckDisplay()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return {};
    if (platform.isEmpty() && !qgetenv("WAYLAND_DISPLAY").isEmpty())
        return {};
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        return {DisplayCheck::Trouble::NotSet, {}};
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed)
        return {DisplayCheck::Trouble::CannotOpen, QString::fromLocal8Bit(display)};
    return {};
}

QString DisplayProblemText(const DisplayCheck& check)
{
    const auto said = [](const char* text) { return QCoreApplication::translate("Display", text); };
    const QString advice = said(QT_TRANSLATE_NOOP("Display", "デスクトップから はじめるか、DISPLAY に うごいている "
                                                             "X サーバーを いれてください。"));
    QString trouble;
    switch (check.trouble) {
    case DisplayCheck::Trouble::None:
        return {};
    case DisplayCheck::Trouble::NotSet:
        trouble = said(QT_TRANSLATE_NOOP("Display", "X の がめんが ありません (DISPLAY が ありません)。"));
        break;
    case DisplayCheck::Trouble::CannotOpen:
        trouble = said(QT_TRANSLATE_NOOP("Display", "X の がめん \"%1\" が ひらけません。")).arg(check.display);
        break;
    }
    // A full-width full stop needs no blank after it.
    const bool wide = trouble.endsWith(u'。') || trouble.endsWith(u'）');
    return QStringLiteral("porimogu: ") + trouble + (wide ? QString() : QStringLiteral(" ")) + advice;
}

namespace {

xcb_atom_t Atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return atom;
}

// The values of a 32-bit property of `window` (WINDOW or ATOM lists).
std::vector<uint32_t> Property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    std::vector<uint32_t> values;
    if (name == XCB_ATOM_NONE)
        return values;
    xcb_get_property_reply_t* r =
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, 4096), nullptr);
    if (r && r->format == 32) {
        const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(r));
        values.assign(v, v + xcb_get_property_value_length(r) / 4);
    }
    std::free(r);
    return values;
}

} // namespace

bool WindowSystemMakesFullScreen()
{
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return true;
    xcb_connection_t* c = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!screen)
        return true;
    // A window manager that runs names its own check window on the root, and that
    // window names itself; one that has gone leaves a stale or missing name.
    const xcb_atom_t check = Atom(c, "_NET_SUPPORTING_WM_CHECK");
    const std::vector<uint32_t> wm = Property(c, screen->root, check, XCB_ATOM_WINDOW);
    if (wm.empty() || Property(c, wm.front(), check, XCB_ATOM_WINDOW) != wm)
        return false;
    const xcb_atom_t fullScreen = Atom(c, "_NET_WM_STATE_FULLSCREEN");
    const std::vector<uint32_t> supported = Property(c, screen->root, Atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    return std::find(supported.begin(), supported.end(), fullScreen) != supported.end();
}

} // namespace porimogu
