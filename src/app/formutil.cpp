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

// Centres a window once more when the window manager has framed it, then goes away.
// Also goes away when the wait is over, so a window the player has moved stays put.
class CentreWhenFramed : public QObject {
public:
    explicit CentreWhenFramed(QWidget* window) : QObject(window), window_(window)
    {
        window->installEventFilter(this);
    }

    // Starts the wait at the window's showing, once per watcher.
    void Arm()
    {
        if (armed_)
            return;
        armed_ = true;
        QTimer::singleShot(kFrameWaitMs, this, [this] { deleteLater(); });
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
        case QEvent::Expose:
        case QEvent::WindowActivate:
            if (armed_ && window_->isVisible() && window_->frameGeometry().size() != window_->size()) {
                window_->removeEventFilter(this);
                PlaceCentred(window_);
                deleteLater();
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    QWidget* window_;
    bool armed_ = false;

public:
    static void PlaceCentred(QWidget* window)
    {
        QScreen* screen = window->parentWidget() ? window->parentWidget()->screen() : nullptr;
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (!screen)
            return;
        // move() places the frame.
        window->move(CentredTopLeft(screen->geometry(), window->size() + FrameExtra(window)));
    }
};

} // namespace

void CenterOnScreen(QWidget* window)
{
    CentreWhenFramed::PlaceCentred(window);
    const QSize own = window->frameGeometry().size() - window->size();
    const QString name = QStringLiteral("CentreWhenFramed");
    if (own.width() <= 0 && own.height() <= 0
        && window->findChild<QObject*>(name, Qt::FindDirectChildrenOnly) == nullptr) {
        auto* watcher = new CentreWhenFramed(window);
        watcher->setObjectName(name);
        if (window->isVisible())
            watcher->Arm();
    }
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
