#pragma once
// One game per folder. The first game started in a folder holds a lock file there and
// listens on a local socket named after the folder; a game started later in the same
// folder asks that one to come to the front and ends instead of opening a second window
// (a child clicks the icon twice, or again while the game is still starting).
#include <QAbstractNativeEventFilter>
#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QLocalServer;
class QLocalSocket;
class QWindow;

namespace porimogu {

class OneGamePerFolder : public QObject, private QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // The lock file, in the working folder; the game removes it when it ends.
    static constexpr char kLockFileName[] = ".porimogu.lock";

    // Needs the application object. Holds nothing until AnotherGameRuns is asked.
    OneGamePerFolder();
    ~OneGamePerFolder() override;

    // Takes the working folder's lock; a lock left by a game that died (its process is
    // gone) is taken over. True when another game holds it: that game has been asked to
    // come to the front, or was still starting and did not answer within a few seconds;
    // either way this start should end, with status 0. False when this game is now the
    // folder's only one, and also when the folder cannot hold a lock (read-only) or the
    // lock belongs to another machine: then the game just plays.
    bool AnotherGameRuns();

    // From now on a later start in this folder brings the window that `window` gives to the front, raised and
    // activated, in the state it has (full screen stays full screen); a modal box open
    // over it comes to the front above it. Before this, only such a box does.
    void BringToFrontOnRequest(std::function<QWindow*()> window);

    // The socket's name for a folder: the same length whatever the path.
    static QString ServerName(const QString& canonicalFolder);

private:
    void Listen();
    bool AskRunningGame() const;
    void Answer(QLocalSocket* socket);
    void BringToFront();
    void Activate();
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    QString folder_;
    QLockFile lock_;
    QLocalServer* server_ = nullptr;
    std::function<QWindow*()> window_;  // the game's window, once it has one
    QPointer<QWindow> toActivate_;  // waits for a fresh X server time (BringToFront)
    unsigned timeAtom_ = 0;
};

} // namespace porimogu
