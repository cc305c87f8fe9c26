#pragma once
// Where the parts of the main window's client area stand: as the form lays them out in
// a window, and whole, k times larger, in the middle of black in full screen.
#include <QRect>
#include <QSize>

namespace porimogu {

// The client area below the menu bar, and the play field's place in it.
inline constexpr int kClientWidth = 632;
inline constexpr int kClientHeight = 486;
inline constexpr int kPlayFieldLeft = 20;
inline constexpr int kPlayFieldTop = 10;

// The largest whole factor by which the client area fits into `area`; at least 1.
int WholeScale(QSize area);

struct ClientLayout {
    int scale = 1;      // every length of the form is this many times as long
    QRect stage;        // the client area's content, in the client widget
    QRect bevel;        // the play field's frame, in the stage
    QPoint playField;   // the play field's top-left corner, in the stage
    QRect panel;        // the status bar, in the stage
};

// In a window the content fills `client`, and only the status bar follows its size; in
// full screen the content is shown at the largest whole factor that fits, centred.
ClientLayout LayOutClient(QSize client, bool fullScreen);

} // namespace porimogu
