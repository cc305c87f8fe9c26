#include "formutil.h"

#include <QApplication>

#include <QGuiApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <QWidget>

namespace porimogu {

QFont FormFont(int pixelSize)
{
    QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
    f.setPixelSize(pixelSize);
    return f;
}

QFont FormFont(int pixelSize, bool bold)
{
    QFont f = FormFont(pixelSize);
    f.setBold(bold);
    return f;
}

QLabel* MakeLabel(QWidget* parent, const char* name, int x, int y, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->move(x, y);
    l->adjustSize();
    return l;
}

void DrawBevel(QPainter& painter, QRect& r, bool raised, const QColor& light, const QColor& shadow, int width)
{
    const QColor& topLeft = raised ? light : shadow;
    const QColor& bottomRight = raised ? shadow : light;
    for (int i = 0; i < width; ++i) {
        painter.setPen(topLeft);
        painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
        painter.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
        painter.setPen(bottomRight);
        painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
        r.adjust(1, 1, -1, -1);
    }
}

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

// Puts the window's outer frame, as far as it is known, in the middle of its screen and
// returns the outer size it was centred for (empty without a screen).
QSize PlaceCentred(QWidget* window)
{
    QScreen* screen = window->parentWidget() ? window->parentWidget()->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QSize outer = window->size() + FrameExtra(window);
    window->move(CentredTopLeft(screen->geometry(), outer));  // move() places the frame
    return outer;
}

bool FrameKnown(const QWidget* window)
{
    return window->frameGeometry().size() != window->size();
}

// Keeps a window centred while its outer size settles in the first moments after its
// showing: a box that sizes itself as it is shown, and the frame a window manager adds
// once the window is mapped. Only a change of the outer size moves it, so a window the
// player drags stays where it is put; after the wait nothing moves it any more.
class CentreWhenFramed : public QObject {
public:
    CentreWhenFramed(QWidget* window, QSize centredFor) : QObject(window), window_(window), centredFor_(centredFor)
    {
        setObjectName(Name());
        window->installEventFilter(this);
        if (window->isVisible())
            Arm();
    }

    static QString Name() { return QStringLiteral("CentreWhenFramed"); }
    void SetCentredFor(QSize outer) { centredFor_ = outer; }

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
            if (armed_ && window_->isVisible()
                && !(window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
                && window_->size() + FrameExtra(window_) != centredFor_)
                centredFor_ = PlaceCentred(window_);
            break;
        default:
            break;
        }
        return false;
    }

private:
    void Arm()
    {
        if (armed_)
            return;
        armed_ = true;
        QTimer::singleShot(kFrameWaitMs, this, [this] {
            window_->removeEventFilter(this);
            deleteLater();
        });
    }

    QWidget* window_;
    QSize centredFor_;
    bool armed_ = false;
};

} // namespace

void CenterOnScreen(QWidget* window)
{
    const QSize outer = PlaceCentred(window);
    if (window->isVisible() && FrameKnown(window))
        return;
    if (auto* watcher = window->findChild<QObject*>(CentreWhenFramed::Name(), Qt::FindDirectChildrenOnly))
        static_cast<CentreWhenFramed*>(watcher)->SetCentredFor(outer);
    else
        new CentreWhenFramed(window, outer);
}

void ShowModeless(QWidget* window)
{
    if (!window->isVisible())
        CenterOnScreen(window);
    window->show();
    window->raise();
    window->activateWindow();
}

void ReturnKeyboardToOwner(QWidget* dialog, const QHideEvent* event)
{
    if (!event->spontaneous() && dialog->parentWidget()) {
        QWidget* owner = dialog->parentWidget()->window();
        if (owner->isVisible())
            owner->activateWindow();
    }
}

bool SwallowPlainEscape(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return true;
    }
    return false;
}

ReactivateAfterModal::ReactivateAfterModal() : previous_(QApplication::activeWindow()) {}

ReactivateAfterModal::~ReactivateAfterModal()
{
    if (previous_ && previous_->isVisible())
        previous_->activateWindow();
}

} // namespace porimogu
