#include "platform/oneinstance.h"

#include <QGuiApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSysInfo>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <unistd.h>

namespace porimogu {

namespace {

// The one message: "come to the front".
const QByteArray kRaise = "raise\n";
// How long a second start keeps trying to reach the game that holds the lock. That game
// listens a moment after it took the lock, so only one that is just starting is missed.
constexpr int kReachMs = 5000;
constexpr int kRetryMs = 100;
// A lock file that names no owner was cut short while it was written (the machine
// stopped then); once it is this old, no game is still writing it.
constexpr qint64 kOwnerlessLockMs = 5000;

} // namespace

OneGamePerFolder::OneGamePerFolder()
    : folder_(QDir::current().canonicalPath()),
      lock_(QDir::current().absoluteFilePath(QString::fromLatin1(kLockFileName)))
{
    // A game holds its lock for hours: a lock is stale only when its process is gone,
    // never because it is old.
    lock_.setStaleLockTime(0);
}

OneGamePerFolder::~OneGamePerFolder()
{
    // The socket goes before the lock: a game that takes the lock next makes its own.
    if (server_)
        server_->close();
    lock_.unlock();
}

bool OneGamePerFolder::AnotherGameRuns()
{
    const QDeadlineTimer deadline(kReachMs);
    const QString lockName = QDir::current().absoluteFilePath(QString::fromLatin1(kLockFileName));
    for (;;) {
        if (lock_.tryLock(0)) {
            Listen();
            return false;
        }
        if (lock_.error() != QLockFile::LockFailedError)
            return false;  // the folder cannot hold the file: play as without the lock
        // A lock Qt does not take over but no game can be holding: this one's own process
        // number (a dead game's, given again), a dead process's that the folder would
        // not let go, or no owner at all (cut short while written: the machine stopped).
        // Taken over; where the folder refuses, the game plays without it.
        qint64 pid = 0;
        QString host;
        QString app;
        bool ownerless = false;
        if (lock_.getLockInfo(&pid, &host, &app)) {
            if (host != QSysInfo::machineHostName())
                return false;  // a folder shared with another machine: its game is not ours to raise
            ownerless = pid == QCoreApplication::applicationPid() || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH);
        } else {
            const QFileInfo info(lockName);
            ownerless = info.exists() && info.lastModified().msecsTo(QDateTime::currentDateTime()) > kOwnerlessLockMs;
        }
        if (ownerless) {
            if (!lock_.removeStaleLockFile())
                return false;
            continue;
        }
        if (AskRunningGame())
            return true;
        if (deadline.hasExpired())
            return true;  // never a second game, even beside one that does not answer
        QThread::msleep(kRetryMs);
    }
}

bool OneGamePerFolder::AskRunningGame() const
{
    QLocalSocket socket;
    socket.connectToServer(ServerName(folder_));
    if (!socket.waitForConnected(1000))
        return false;
    socket.write(kRaise);
    const bool sent = socket.waitForBytesWritten(1000) || socket.bytesToWrite() == 0;
    socket.disconnectFromServer();
    return sent;
}

void OneGamePerFolder::Listen()
{
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = ServerName(folder_);
    // A socket left by a game that died: the lock says this game is the folder's now.
    QLocalServer::removeServer(name);
    if (!server_->listen(name))
        return;  // the game plays; a later start then waits for an answer and ends
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Answer(socket); });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            Answer(socket);
        }
    });
}

void OneGamePerFolder::Answer(QLocalSocket* socket)
{
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kRaise.size())
            socket->abort();  // no message of ours
        return;
    }
    if (socket->readLine() == kRaise)
        BringToFront();
    socket->disconnectFromServer();
}

void OneGamePerFolder::BringToFrontOnRequest(std::function<QWindow*()> window)
{
    window_ = std::move(window);
}

void OneGamePerFolder::BringToFront()
{
    QWindow* window = window_ ? window_() : nullptr;
    if (window) {
        // Back from the task bar in the state it had: full screen stays full screen.
        if (window->windowStates() & Qt::WindowMinimized)
            window->setWindowStates(window->windowStates() & ~Qt::WindowMinimized);
        window->raise();
    }
    toActivate_ = QGuiApplication::modalWindow();
    if (!toActivate_)
        toActivate_ = window;
    if (!toActivate_)
        return;
    // On X11 an activation counts only when it carries a time later than the last time
    // another window took the keyboard (the window manager's rule against windows that
    // push in; without one, the X server's own), and Qt sends the time of the last X
    // event the game saw, which may be long past. A property touched on the window
    // brings an event with the server's time of now; once Qt has taken that time in,
    // the window is activated. Elsewhere it is activated at once.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) {
        Activate();
        return;
    }
    xcb_connection_t* connection = x11->connection();
    if (!timeAtom_) {
        static const char name[] = "_PORIMOGU_TIME";
        xcb_intern_atom_reply_t* reply =
            xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
        timeAtom_ = reply ? reply->atom : 0;
        std::free(reply);
        if (timeAtom_)
            QCoreApplication::instance()->installNativeEventFilter(this);
    }
    if (!timeAtom_) {
        Activate();
        return;
    }
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, static_cast<xcb_window_t>(toActivate_->winId()),
                        timeAtom_, XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(connection);
    QTimer::singleShot(1000, this, &OneGamePerFolder::Activate);  // should the event never come
}

bool OneGamePerFolder::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t" || !toActivate_)
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY
        && reinterpret_cast<const xcb_property_notify_event_t*>(event)->atom == timeAtom_)
        QMetaObject::invokeMethod(this, &OneGamePerFolder::Activate, Qt::QueuedConnection);  // after Qt saw it
    return false;
}

void OneGamePerFolder::Activate()
{
    if (QWindow* window = toActivate_) {
        toActivate_ = nullptr;
        window->raise();
        window->requestActivate();
    }
}

QString OneGamePerFolder::ServerName(const QString& canonicalFolder)
{
    const QByteArray hash =
        QCryptographicHash::hash(QFile::encodeName(canonicalFolder), QCryptographicHash::Sha256).toHex().left(32);
    return QStringLiteral("porimogu-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

} // namespace porimogu
