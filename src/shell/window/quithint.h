#pragma once
// The hint a first Escape by controller shows over the play field while it waits for
// the second press: "press again to quit", navy on yellow in a box. It never takes the
// mouse or a finger from the field.
class QLabel;
class QRect;
class QWidget;

namespace porimogu {

// The hint, hidden, belonging to `parent`.
QLabel* MakeQuitHint(QWidget* parent);

// Sizes the hint for the client area shown `scale` times larger and puts it in the
// middle of `field` (in the hint's parent's coordinates), above its siblings.
void PlaceQuitHint(QLabel& hint, const QRect& field, int scale);

} // namespace porimogu
