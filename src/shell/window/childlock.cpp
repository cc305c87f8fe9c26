#include "window/childlock.h"

#include "dialogs/formutil.h"
#include "platform/termination.h"
#include "platform/title.h"
#include "platform/trace.h"
#include "window/mainform.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <array>
#include <utility>

namespace porimogu {

namespace {

// The lock's texts have a context of their own; each is marked where it is used.
QString Text(const char* source)
{
    return QCoreApplication::translate("porimogu::ChildLock", source);
}

constexpr QRgb kNavy = 0xff000080;

// ぽっけ as he stands at the start (his four tiles), four times as large; null without a
// tile sheet.
QPixmap PokkePicture(const TileSheet& tiles)
{
    if (tiles.IsEmpty())
        return {};
    constexpr int kFirst = 32;  // his top-left tile; the others are beside and below it
    QImage him(2 * kTileSize, 2 * kTileSize, QImage::Format_ARGB32_Premultiplied);
    him.fill(Qt::transparent);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column)
            tiles.Draw(him, kFirst + 16 * row + column, kTileSize * column, kTileSize * row);
    return QPixmap::fromImage(him.scaled(him.size() * 4, Qt::KeepAspectRatio, Qt::FastTransformation));
}

// One key of the keyboard, drawn as a key cap.
QLabel* KeyCap(const QString& name, QWidget* parent)
{
    auto* cap = new QLabel(name, parent);
    cap->setFont(FormFont(20, true));
    cap->setStyleSheet(QStringLiteral("QLabel { background: white; color: #000080; border: 2px solid #000080;"
                                      " border-bottom-width: 5px; border-radius: 7px; padding: 4px 12px; }"));
    return cap;
}

QLabel* Plus(QWidget* parent)
{
    auto* plus = new QLabel(QStringLiteral("+"), parent);
    plus->setFont(FormFont(22, true));
    return plus;
}

// The box: ぽっけ, a word for the child, one for the grown-up, the three keys, OK.
class LockBox : public QDialog {
public:
    LockBox(QWidget* parent, const QPixmap& picture) : QDialog(parent, kFixedDialogFlags)
    {
        setObjectName(QStringLiteral("LockBox"));
        setWindowTitle(ApplicationTitle());
        setAttribute(Qt::WA_InputMethodEnabled, false);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, QColor(255, 255, 204));
        colours.setColor(QPalette::WindowText, QColor(kNavy));
        setPalette(colours);
        setAutoFillBackground(true);

        auto* row = new QHBoxLayout(this);
        row->setContentsMargins(20, 20, 20, 16);
        row->setSpacing(20);
        if (!picture.isNull()) {
            auto* him = new QLabel(this);
            him->setObjectName(QStringLiteral("Picture"));
            him->setPixmap(picture);
            row->addWidget(him, 0, Qt::AlignTop);
        }
        auto* column = new QVBoxLayout;
        column->setSpacing(12);
        row->addLayout(column);

        auto* child = new QLabel(Text(QT_TRANSLATE_NOOP("porimogu::ChildLock", "まだ あそべるよ！")), this);
        child->setObjectName(QStringLiteral("ForTheChild"));
        child->setFont(FormFont(26, true));
        column->addWidget(child);
        auto* grownUp = new QLabel(Text(QT_TRANSLATE_NOOP(
            "porimogu::ChildLock", "おとなの かたへ：\nこの 3つの キーを いっしょに おすと、ゲームが おわります。")), this);
        grownUp->setObjectName(QStringLiteral("ForTheGrownUp"));
        grownUp->setFont(FormFont(15));
        grownUp->setWordWrap(true);
        grownUp->setMinimumWidth(420);
        column->addWidget(grownUp);

        auto* keys = new QHBoxLayout;
        keys->setSpacing(8);
        keys->addWidget(KeyCap(Text(QT_TRANSLATE_NOOP("porimogu::ChildLock", "Ctrl")), this));
        keys->addWidget(Plus(this));
        keys->addWidget(KeyCap(Text(QT_TRANSLATE_NOOP("porimogu::ChildLock", "Shift")), this));
        keys->addWidget(Plus(this));
        keys->addWidget(KeyCap(QStringLiteral("Q"), this));
        keys->addStretch();
        column->addLayout(keys);

        auto* ok = new QPushButton(QCoreApplication::translate("Boxes", "OK"), this);
        ok->setObjectName(QStringLiteral("OK"));
        ok->setFont(FormFont(15));
        ok->setMinimumWidth(96);
        ok->setDefault(true);
        ok->setFocus();
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        column->addWidget(ok, 0, Qt::AlignRight);
        setFixedSize(sizeHint());
    }
};

bool OnX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

ChildLock::ChildLock(TMainForm& form) : form_(form)
{
    form_.GameRules().LockEscapeQuit();
    QCoreApplication::instance()->installEventFilter(this);
    Trace("lock", QStringLiteral("on"));
}

ChildLock::~ChildLock()
{
    if (grabbing_)
        SetGrab(false);
}

void ChildLock::ShowBox()
{
    if (box_ || ended_)
        return;
    Trace("lock", QStringLiteral("box"));
    LockBox box(&form_, PokkePicture(form_.Buffers().Tiles()));
    box_ = &box;
    SetGrab(false);
    // The game stands still behind the box: no frame, no second counted down.
    const std::array<QTimer*, 2> clock{form_.Timer1, form_.Timer2};
    std::array<bool, 2> running{};
    for (std::size_t i = 0; i < clock.size(); ++i) {
        running[i] = clock[i]->isActive();
        clock[i]->stop();
    }
    int result = 0;
    {
        const ReactivateAfterModal reactivate;
        result = box.exec();
    }
    box_ = nullptr;
    for (std::size_t i = 0; i < clock.size(); ++i)
        if (running[i])
            clock[i]->start();
    if (result == kEndResult)
        End();
    else
        UpdateGrabLater();
}

void ChildLock::End()
{
    if (ended_)
        return;
    ended_ = true;
    SetGrab(false);
    Trace("lock", QStringLiteral("end"));
    form_.CloseMainWindow();
}

bool ChildLock::TakeKey(const QKeyEvent& key, bool inBox)
{
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_Q && mods == (Qt::ControlModifier | Qt::ShiftModifier)) {
        if (inBox)
            box_->done(kEndResult);
        else
            End();
        return true;
    }
    if (inBox)
        return false;
    // Full screen stays.
    if (key.key() == Qt::Key_F11)
        return true;
    // While the window holds the keyboard, the window manager never sees Alt+F4: the
    // window answers it as it answers its close box.
    if (key.key() == Qt::Key_F4 && mods == Qt::AltModifier) {
        QMetaObject::invokeMethod(this, [this] { ShowBox(); }, Qt::QueuedConnection);
        return true;
    }
    return false;
}

bool ChildLock::eventFilter(QObject* watched, QEvent* event)
{
    if (ended_ || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress: {
        QWidget* top = widget->window();
        if (top == &form_ || (box_ && top == box_))
            return TakeKey(static_cast<const QKeyEvent&>(*event), top != &form_);
        break;
    }
    case QEvent::Close:
        // Only the game's own ends and the session's close the window.
        if (widget == &form_ && !form_.CloseRequested() && !TerminationRequested()) {
            event->ignore();
            QMetaObject::invokeMethod(this, [this] { ShowBox(); }, Qt::QueuedConnection);
            return true;
        }
        break;
    case QEvent::Show:
        // Let go before a window of the game's own comes up: it takes the keyboard.
        if (widget != &form_ && widget->isWindow())
            UpdateGrab();
        else if (widget == &form_)
            UpdateGrabLater();
        break;
    case QEvent::WindowStateChange:
        // Full screen, once there, stays when the window system takes it away too: a
        // kiosk compositor that makes every window maximized, a window manager's key.
        // (The event's old state is not told truly on every platform.)
        if (widget == &form_) {
            if (form_.isFullScreen())
                keepFullScreen_ = true;
            else if (keepFullScreen_)
                KeepFullScreen();
        }
        break;
    case QEvent::Hide:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        if (widget->isWindow())
            UpdateGrabLater();
        break;
    default:
        break;
    }
    return false;
}

void ChildLock::KeepFullScreen()
{
    if (std::exchange(fullScreenQueued_, true))
        return;
    // A window system that keeps taking it away is asked once a second, not in a race.
    const qint64 wait = fullScreenAsked_.isValid() ? std::max<qint64>(0, 1000 - fullScreenAsked_.elapsed()) : 0;
    QTimer::singleShot(wait, this, [this] {
        fullScreenQueued_ = false;
        if (ended_ || form_.isFullScreen() || !form_.isVisible())
            return;
        fullScreenAsked_.start();
        Trace("lock", QStringLiteral("full screen again"));
        form_.SetFullScreen(true);
    });
}

void ChildLock::UpdateGrab()
{
    bool want = !ended_ && !box_ && form_.isVisible() && form_.isActiveWindow();
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (want && w != &form_ && w->isVisible() && w->windowType() != Qt::ToolTip)
            want = false;
    SetGrab(want);
}

void ChildLock::UpdateGrabLater()
{
    if (std::exchange(updateQueued_, true))
        return;
    QMetaObject::invokeMethod(this, [this] {
        updateQueued_ = false;
        UpdateGrab();
    }, Qt::QueuedConnection);
}

void ChildLock::SetGrab(bool on)
{
    QWindow* handle = form_.windowHandle();
    if (on == grabbing_ || !handle || !OnX11())
        return;
    if (!handle->setKeyboardGrabEnabled(on) && on) {
        // The server refuses while another client holds the keyboard, or the window
        // is not yet on the screen: asked again shortly.
        Trace("grab", QStringLiteral("refused"));
        QTimer::singleShot(200, this, [this] { UpdateGrab(); });
        return;
    }
    grabbing_ = on;
    Trace("grab", on ? QStringLiteral("on") : QStringLiteral("off"));
}

} // namespace porimogu
