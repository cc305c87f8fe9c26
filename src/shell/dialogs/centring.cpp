#include "dialogs/centring.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace porimogu {

QPoint CentredTopLeft(const QRect& screen, const QSize& outer)
{
    return screen.topLeft() + QPoint(std::max(0, (screen.width() - outer.width()) / 2),
                                     std::max(0, (screen.height() - outer.height()) / 2));
}

QSize FrameExtra(const QWidget* window)
{
    const QSize own = window->frameGeometry().size() - window->size();
    if (own.width() > 0 || own.height() > 0)
        return own;
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w != window && w->isVisible() && !w->isMinimized()) {
            const QSize extra = w->frameGeometry().size() - w->size();
            if (extra.width() > 0 || extra.height() > 0)
                return extra;
        }
    }
    return QSize(0, 0);
}

namespace {

constexpr int kFrameWaitMs = 2000;

bool FrameKnown(const QWidget* window)
{
    return window->frameGeometry().size() != window->size();
}

QScreen* ScreenOf(const QWidget* window)
{
    QScreen* screen = window->parentWidget() ? window->parentWidget()->screen() : nullptr;
    return screen ? screen : QGuiApplication::primaryScreen();
}

struct Placement {
    QSize outer;   // the outer size centred for (empty without a screen)
    QPoint frame;  // where the frame was asked to go
};

// Puts the window's outer frame, as far as it is known, in the middle of its screen.
Placement PlaceCentred(QWidget* window)
{
    QScreen* screen = ScreenOf(window);
    if (!screen)
        return {};
    const QSize outer = window->size() + FrameExtra(window);
    const QPoint at = CentredTopLeft(screen->geometry(), outer);
    window->move(at);  // move() places the frame
    return {outer, at};
}

// Keeps a window centred while its outer size settles in the first moments after its
// showing: a box that sizes itself as it is shown, and the frame a window manager adds
// once the window is mapped. Only a change of the outer size moves it, or the window
// itself found where its frame was asked to go, so a window the player drags stays where
// it is put; after the wait nothing moves it any more.
//
// The second case comes with a dialog shown again: a window manager can carry out a
// request made before the window was framed after the later ones, and put the window,
// not its frame, at that place, a title bar too high.
class CentreWhenFramed : public QObject {
public:
    CentreWhenFramed(QWidget* window, const Placement& placed) : QObject(window), window_(window)
    {
        setObjectName(Name());
        Placed(placed);
        window->installEventFilter(this);
        if (window->isVisible())
            Arm();
    }

    static QString Name() { return QStringLiteral("CentreWhenFramed"); }
    void Placed(const Placement& placed)
    {
        centredFor_ = placed.outer;
        if (asked_.size() < kMaxAsked && std::find(asked_.begin(), asked_.end(), placed.frame) == asked_.end())
            asked_.push_back(placed.frame);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            Arm();
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
        case QEvent::UpdateRequest:
            Settle();
            break;
        default:
            break;
        }
        return false;
    }

private:
    static constexpr std::size_t kMaxAsked = 16;
    static constexpr int kLookMs = 50;

    void Settle()
    {
        if (armed_ && window_->isVisible()
            && !(window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
            && (window_->size() + FrameExtra(window_) != centredFor_ || InsideWhereFrameWasAsked()))
            Placed(PlaceCentred(window_));
    }

    bool InsideWhereFrameWasAsked() const
    {
        const QPoint inside = window_->geometry().topLeft();
        return FrameKnown(window_) && window_->frameGeometry().topLeft() != inside
               && std::find(asked_.begin(), asked_.end(), inside) != asked_.end();
    }

    // A frame that comes or changes without moving the window itself brings no event of
    // its own, so the window is also looked at now and then while the wait lasts.
    void Arm()
    {
        if (armed_)
            return;
        armed_ = true;
        auto* look = new QTimer(this);
        connect(look, &QTimer::timeout, this, &CentreWhenFramed::Settle);
        look->start(kLookMs);
        QTimer::singleShot(kFrameWaitMs, this, [this] {
            window_->removeEventFilter(this);
            deleteLater();
        });
    }

    QWidget* window_;
    QSize centredFor_;
    std::vector<QPoint> asked_;  // every place the frame was asked to go since the showing
    bool armed_ = false;
};

} // namespace

void CenterOnScreen(QWidget* window)
{
    const Placement placed = PlaceCentred(window);
    if (window->isVisible() && FrameKnown(window))
        return;
    if (auto* watcher = window->findChild<QObject*>(CentreWhenFramed::Name(), Qt::FindDirectChildrenOnly))
        static_cast<CentreWhenFramed*>(watcher)->Placed(placed);
    else
        new CentreWhenFramed(window, placed);
}

} // namespace porimogu
