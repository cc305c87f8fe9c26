#pragma once
// The play field on screen and its frame.
#include "window/framebuffers.h"

#include <QWidget>
#include <cstdint>
#include <span>

class QMouseEvent;
class QTouchEvent;

namespace porimogu {

// The play field on screen. It also takes the primary mouse button and the first finger
// on a touch screen, and says where they hold it in play-field pixels (the front
// image's own, whatever the scale and the device-pixel ratio). Whichever of the two
// presses first holds the pointer until it lets go; a drag beyond the field goes on
// saying where it is.
class TPlayField : public QWidget {
    Q_OBJECT
public:
    TPlayField(const FrameBuffers& buffers, QWidget* parent);
    // Repaints the given parts of the front image (its own coordinates).
    void ShowChanged(std::span<const QRect> rects);

    // Shows the front image `factor` times larger, each pixel a hard-edged square.
    void SetScale(int factor);
    int Scale() const { return scale_; }

    // The play-field pixel under a point of this widget.
    QPoint FieldPoint(QPointF position) const;
    // Lets go of whatever the pointer holds; MouseUp follows when it held something.
    void LetGo();

signals:
    void MouseDown(QPoint point);
    void MouseMove(QPoint point);
    void MouseUp();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Holder : std::uint8_t { None, Mouse, Finger };
    void TouchEvent(QTouchEvent* event);

    const FrameBuffers& buffers_;
    int scale_ = 1;
    Holder holder_ = Holder::None;
    int finger_ = -1;  // the id of the finger that steers
};

// The play field's frame: a lowered box, one pixel of button shadow along the top and
// left edges and one of light along the bottom and right.
class TBevel : public QWidget {
public:
    explicit TBevel(QWidget* parent) : QWidget(parent) {}
    // Each line `width` pixels wide, for the frame shown larger.
    void SetLineWidth(int width);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int lineWidth_ = 1;
};

} // namespace porimogu
