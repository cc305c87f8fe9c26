#include "window/playfield.h"

#include "dialogs/formutil.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTouchEvent>

#include <array>
#include <cmath>

namespace porimogu {

TPlayField::TPlayField(const FrameBuffers& buffers, QWidget* parent) : QWidget(parent), buffers_(buffers)
{
    setObjectName(QStringLiteral("PlayField"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(kFieldWidth, kFieldHeight);
    setAttribute(Qt::WA_AcceptTouchEvents);
}

void TPlayField::SetScale(int factor)
{
    if (factor < 1 || factor == scale_)
        return;
    scale_ = factor;
    setFixedSize(kFieldWidth * factor, kFieldHeight * factor);
    update();
}

void TPlayField::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QImage& front = buffers_.Front();
    if (front.isNull()) {
        p.fillRect(rect(), palette().color(QPalette::Window));
        return;
    }
    // A frame tick asks for the changed parts only; an expose asks for what it uncovered.
    const int k = scale_;
    for (const QRect& r : event->region()) {
        if (k == 1) {
            p.drawImage(r.topLeft(), front, r);
            continue;
        }
        // The image pixels under the part, each drawn as a k x k square: without smooth
        // transformation the painter samples the nearest pixel, so every step is hard.
        const QRect source = QRect(QPoint(r.left() / k, r.top() / k), QPoint(r.right() / k, r.bottom() / k))
                                 .intersected(front.rect());
        p.drawImage(QRect(source.topLeft() * k, source.size() * k), front, source);
    }
}

void TPlayField::ShowChanged(std::span<const QRect> rects)
{
    // Each rectangle travels to the X server on its own, so near ones are sent as one:
    // a few unchanged pixels cost less than another request.
    constexpr int kSlack = 48 * 48;
    auto area = [](const QRect& r) { return r.width() * r.height(); };
    std::array<QRect, 64> merged;
    if (rects.size() > merged.size()) {
        QRect all;
        for (const QRect& r : rects)
            all |= r;
        update(QRect(all.topLeft() * scale_, all.size() * scale_));
        return;
    }
    std::size_t n = 0;
    for (const QRect& r : rects)
        merged[n++] = r;
    for (bool joined = true; joined;) {
        joined = false;
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = i + 1; j < n;) {
                const QRect u = merged[i] | merged[j];
                if (area(u) <= area(merged[i]) + area(merged[j]) + kSlack) {
                    merged[i] = u;
                    merged[j] = merged[--n];
                    joined = true;
                } else {
                    ++j;
                }
            }
        }
    }
    // In front-image pixels; the widget may show them larger.
    for (std::size_t i = 0; i < n; ++i)
        update(QRect(merged[i].topLeft() * scale_, merged[i].size() * scale_));
}

QPoint TPlayField::FieldPoint(QPointF position) const
{
    // Widget coordinates are device-independent pixels already; only the scale is ours.
    return QPoint(static_cast<int>(std::floor(position.x() / scale_)),
                  static_cast<int>(std::floor(position.y() / scale_)));
}

void TPlayField::LetGo()
{
    if (holder_ == Holder::None)
        return;
    holder_ = Holder::None;
    finger_ = -1;
    emit MouseUp();
}

namespace {
// A mouse event that stands for a touch: the finger comes through the touch events.
bool FromTouchScreen(const QMouseEvent* event)
{
    const QPointingDevice* device = event->pointingDevice();
    return device && device->type() == QInputDevice::DeviceType::TouchScreen;
}
} // namespace

void TPlayField::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    // A press while the mouse already holds means its release went elsewhere: a new hold.
    if (event->button() != Qt::LeftButton || FromTouchScreen(event) || holder_ == Holder::Finger)
        return;
    holder_ = Holder::Mouse;
    emit MouseDown(FieldPoint(event->position()));
}

void TPlayField::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (holder_ != Holder::Mouse || FromTouchScreen(event))
        return;
    if (event->buttons() & Qt::LeftButton)
        emit MouseMove(FieldPoint(event->position()));
    else
        LetGo();  // the button came up where we did not see it
}

void TPlayField::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && holder_ == Holder::Mouse && !FromTouchScreen(event))
        LetGo();
}

void TPlayField::TouchEvent(QTouchEvent* event)
{
    event->accept();  // taken, so Qt makes no mouse events of it
    // A new touch sequence: a finger we still held has gone without a word.
    if (event->type() == QEvent::TouchBegin && holder_ == Holder::Finger)
        LetGo();
    if (holder_ == Holder::Finger) {
        for (const QEventPoint& p : event->points()) {
            if (p.id() != finger_)
                continue;
            if (p.state() == QEventPoint::Released)
                LetGo();
            else if (p.state() == QEventPoint::Updated)
                emit MouseMove(FieldPoint(p.position()));
            return;
        }
        if (event->type() == QEvent::TouchEnd)
            LetGo();
        return;
    }
    if (holder_ != Holder::None)
        return;
    // The first finger put down while nothing holds steers; the others are ignored.
    for (const QEventPoint& p : event->points()) {
        if (p.state() == QEventPoint::Pressed) {
            holder_ = Holder::Finger;
            finger_ = p.id();
            emit MouseDown(FieldPoint(p.position()));
            return;
        }
    }
}

bool TPlayField::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd: {
        auto* touch = static_cast<QTouchEvent*>(event);
        // Touchpads move the mouse pointer; only a touch screen points at the field.
        if (touch->device() && touch->device()->type() != QInputDevice::DeviceType::TouchScreen)
            break;
        TouchEvent(touch);
        return true;
    }
    case QEvent::TouchCancel:
        LetGo();
        event->accept();
        return true;
    // The grab taken away, a modal box over the window, the field hidden: nothing
    // is held any more, and a release will not come here.
    case QEvent::UngrabMouse:
    case QEvent::WindowBlocked:
    case QEvent::Hide:
        LetGo();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void TBevel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QRect r = rect();
    DrawBevel(p, r, false, palette().color(QPalette::Light), palette().color(QPalette::Dark), lineWidth_);
}

void TBevel::SetLineWidth(int width)
{
    if (width < 1 || width == lineWidth_)
        return;
    lineWidth_ = width;
    update();
}

} // namespace porimogu
