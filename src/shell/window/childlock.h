#pragma once
// The child lock, a grown-up's choice at launch: nothing a small child presses ends the
// game or leaves full screen. The menu's おわり, the window's close box, Alt+F4 and the
// controller's second Escape show a box saying how a grown-up ends the game, and play
// goes on; Ctrl+Shift+Q ends it, and so does the end of the session. On X11 the window
// holds the keyboard while it is active, so that the window manager's own keys (Alt+Tab,
// the Super key) lead nowhere; it lets go while a window of the game's own is open.
// Full screen, once there, is asked for again when the window system takes it away.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class QDialog;
class QKeyEvent;

namespace porimogu {

class TMainForm;

class ChildLock : public QObject {
public:
    // What the box's exec gives when Ctrl+Shift+Q was pressed in it.
    static constexpr int kEndResult = 100;

    // Locks `form`, which must outlive the lock; Escape while no game runs ends nothing
    // from now on. The form ends as おわり ends it without the lock (CloseMainWindow).
    explicit ChildLock(TMainForm& form);
    ~ChildLock() override;

    // Shows the box, modally, over the game; its timers stand still meanwhile and run on
    // when it closes. Nothing while it is open already. Ends the game when Ctrl+Shift+Q
    // was pressed in it.
    void ShowBox();
    bool BoxOpen() const { return box_ != nullptr; }
    // Ctrl+Shift+Q: the lock lets go and the game ends.
    void End();
    bool Ended() const { return ended_; }
    // True while the window holds the keyboard.
    bool Grabbing() const { return grabbing_; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Takes or lets go of the keyboard as the windows now stand.
    void UpdateGrab();
    void UpdateGrabLater();
    void SetGrab(bool on);
    bool TakeKey(const QKeyEvent& key, bool inBox);
    // Asks for full screen again, at most once a second.
    void KeepFullScreen();

    TMainForm& form_;
    QPointer<QDialog> box_;
    bool ended_ = false;
    bool grabbing_ = false;
    bool updateQueued_ = false;
    bool keepFullScreen_ = false;
    bool fullScreenQueued_ = false;
    QElapsedTimer fullScreenAsked_;
};

} // namespace porimogu
