#include "formutil.h"

#include <QApplication>

#include <QGuiApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
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

void CenterOnScreen(QWidget* window)
{
    QScreen* screen = window->parentWidget() ? window->parentWidget()->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // move() places the frame.
    const QSize frame = window->frameGeometry().size().expandedTo(window->size());
    const QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
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
