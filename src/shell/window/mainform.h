#pragma once
// The main window: the play field in its frame, the status bar, the menu bar and the
// two timers. Every handler forwards to the game's rule of the same name and runs
// through the error-box guard.
#include "core/game.h"
#include "window/clientlayout.h"
#include "window/framebuffers.h"
#include "window/playfield.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QTimer;

namespace porimogu {

class ChildLock;
class PadBridge;
class PadReader;
class TAboutBox;
class THelpBox;
class TMediaPlayer;
class TStatusPanel;
class TTopDlg;
class Sound;

class TMainForm : public QMainWindow, public Window, public Dialogs {
    Q_OBJECT
public:
    // seed: the generator's seed, taken from the clock before any window exists.
    // Options let tests run the window without devices.
    struct Options {
        bool openMusic = true;       // open game.mid at start-up when it exists
        bool startTimers = true;     // tests drive the ticks by hand
        Sound* sound = nullptr;      // null: the desktop's event sounds
        Music* music = nullptr;      // null: the FluidSynth player on game.mid
        // null: the controllers through SDL, polled while the timers run.
        PadReader* pads = nullptr;
        // null: the rules as they are; tests hand in rules whose state they may set.
        std::function<std::unique_ptr<Game>(const Ports&)> makeRules;
    };
    TMainForm(std::uint32_t seed, Options options);
    explicit TMainForm(std::uint32_t seed) : TMainForm(seed, Options{}) {}
    ~TMainForm() override;

    void FormCreate();
    void FormDestroy();
    // --no-music: the music flag off and おんがくつき unchecked before the first game;
    // checking the item later plays as always.
    void StartWithoutMusic();

    // The dialogs created after the main window, each into its reference.
    void SetDialogs(TAboutBox* about, THelpBox* help, TTopDlg* top);

    // Window port.
    void SetFrameTimerEnabled(bool enabled) override;
    void CloseMainWindow() override;
    bool CloseRequested() const { return closeRequested_; }

    // Dialogs port.
    QString PromptForText(const QString& caption, const QString& prompt,
                          const QString& defaultText) override;
    void ShowTopList() override;
    void ShowError(const QString& message) override;
    bool Confirm(const QString& question) override;

    // F11: full screen, where the client area is shown at the largest whole factor
    // that fits, centred on black; the menu bar stays as it is. Without a window
    // manager to do it, the window covers its screen itself, and goes back to where it
    // was when full screen ends.
    void SetFullScreen(bool on);
    void ToggleFullScreen() { SetFullScreen(!isFullScreen()); }
    int ClientScale() const { return PlayField->Scale(); }

    // The child lock (window/childlock.h), set before the window is first shown; it
    // cannot be taken back. Null while the game runs without it.
    void SetChildLock(bool on);
    ChildLock* Lock() { return lock_.get(); }

    // Reads the controllers once and hands what they hold to the game; `nowMs` is the
    // time on a monotonic clock. In a dialog of the game, Enter (A) presses its
    // default button.
    void PollPads(qint64 nowMs);
    QLabel* QuitHint = nullptr;  // "press again to quit", for a first Escape by controller
    QTimer* PadTimer = nullptr;

    // The rules, for their entry points; their state can be read, not written.
    Game& GameRules() { return *game_; }
    FrameBuffers& Buffers() { return buffers_; }
    TMediaPlayer* MediaPlayer() { return MediaPlayer1.get(); }
    TStatusPanel* Panel1 = nullptr;
    TBevel* Bevel1 = nullptr;
    TPlayField* PlayField = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;

    // Menu items, named after their captions.
    QMenu* KG1 = nullptr;
    QAction* KS1 = nullptr;
    QAction* K1 = nullptr;
    QAction* KQ1 = nullptr;
    QAction* K3 = nullptr;
    QAction* KX1 = nullptr;
    QMenu* KO1 = nullptr;
    QAction* KV1 = nullptr;
    QAction* K2 = nullptr;
    QAction* KS2 = nullptr;
    QMenu* KH1 = nullptr;
    QAction* KK1 = nullptr;
    QAction* KV2 = nullptr;

    void Timer1Timer();
    void Timer2Timer();
    void KS1Click();
    void K1Click();
    void KQ1Click();
    void K3Click();
    void KX1Click();
    void KV1Click();
    void K2Click();
    void KS2Click();
    void KK1Click();
    void KV2Click();
    void PlayFieldMouseDown(QPoint point);
    void PlayFieldMouseMove(QPoint point);
    void PlayFieldMouseUp();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void LayoutClient();

    Options options_;
    FrameBuffers buffers_;
    std::unique_ptr<Sound> ownSound_;
    std::unique_ptr<TMediaPlayer> MediaPlayer1;
    std::unique_ptr<Game> game_;
    std::unique_ptr<PadReader> ownPads_;
    std::unique_ptr<PadBridge> padBridge_;  // null while there are no controllers to read
    std::unique_ptr<ChildLock> lock_;
    QElapsedTimer padClock_;
    QWidget* client_ = nullptr;
    QWidget* stage_ = nullptr;  // the client area's content, scaled and centred in full screen
    TAboutBox* aboutBox_ = nullptr;
    THelpBox* helpBox_ = nullptr;
    TTopDlg* topDlg_ = nullptr;
    bool closeRequested_ = false;
    bool musicOpenFailed_ = false;
    std::optional<QRect> ownFullScreenFrom_;   // where the window was before covering the screen itself
    int tracedScale_ = 0;                      // the full-screen factor last traced, 0 in a window
    bool startedFull_ = false;                 // shown first in full screen, never yet as a window
};

// The form references of the running program.
extern TMainForm* MainForm;
extern TAboutBox* AboutBox;
extern THelpBox* HelpBox;
extern TTopDlg* TopDlg;

} // namespace porimogu
