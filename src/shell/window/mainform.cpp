#include "window/mainform.h"

#include "dialogs/aboutbox.h"
#include "platform/display.h"
#include "dialogs/centring.h"
#include "platform/title.h"
#include "platform/trace.h"
#include "input/gamepads.h"
#include "window/gauge.h"
#include "dialogs/helpbox.h"
#include "input/keys.h"
#include "audio/mediaplayer.h"
#include "dialogs/errorguard.h"
#include "dialogs/inputbox.h"
#include "dialogs/messagebox.h"
#include "input/padbridge.h"
#include "audio/sound.h"
#include "window/childlock.h"
#include "window/clientlayout.h"
#include "window/mainmenu.h"
#include "window/quithint.h"
#include "window/startupassets.h"
#include "window/statuspanel.h"
#include "dialogs/topdlg.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <utility>

namespace porimogu {

TMainForm* MainForm = nullptr;
TAboutBox* AboutBox = nullptr;
THelpBox* HelpBox = nullptr;
TTopDlg* TopDlg = nullptr;

TMainForm::TMainForm(std::uint32_t seed, Options options) : options_(options)
{
    MainForm = this;
    // The music file is read, the SoundFont loaded and the output opened while the
    // window is being built; FormCreate takes the result where it opens the music.
    MediaPlayer1 = std::make_unique<TMediaPlayer>();
    MediaPlayer1->FileName = QStringLiteral("game.mid");
    if (options_.openMusic && QFile::exists(MediaPlayer1->FileName))
        MediaPlayer1->Prepare();

    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(GameTitle());
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setFocusPolicy(Qt::StrongFocus);
    QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
    f.setPixelSize(12);
    setFont(f);

    // The components of the window, as its form lays them out.
    client_ = new QWidget(this);
    client_->setFocusPolicy(Qt::NoFocus);
    setCentralWidget(client_);
    QPalette black = client_->palette();
    black.setColor(QPalette::Window, Qt::black);
    client_->setPalette(black);
    stage_ = new QWidget(client_);
    stage_->setObjectName(QStringLiteral("Stage"));
    stage_->setFocusPolicy(Qt::NoFocus);
    // The client area keeps the window's own colour around the frame and the bar.
    QPalette own = stage_->palette();
    own.setColor(QPalette::Window, palette().color(QPalette::Window));
    stage_->setPalette(own);
    Bevel1 = new TBevel(stage_);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setCursor(Qt::IBeamCursor);
    PlayField = new TPlayField(buffers_, stage_);
    PlayField->setCursor(Qt::IBeamCursor);
    PlayField->move(kPlayFieldLeft, kPlayFieldTop);
    Panel1 = new TStatusPanel(stage_);
    buffers_.SetPresenter([this](std::span<const QRect> rects) { PlayField->ShowChanged(rects); });
    connect(PlayField, &TPlayField::MouseDown, this, &TMainForm::PlayFieldMouseDown);
    connect(PlayField, &TPlayField::MouseMove, this, &TMainForm::PlayFieldMouseMove);
    connect(PlayField, &TPlayField::MouseUp, this, &TMainForm::PlayFieldMouseUp);
    BuildMainMenu(*this);

    QuitHint = MakeQuitHint(client_);

    if (options_.sound == nullptr) {
        ownSound_ = std::make_unique<CanberraSound>(QByteArray(), [] { QApplication::beep(); });
        options_.sound = ownSound_.get();
    }
    if (options_.music == nullptr)
        options_.music = MediaPlayer1.get();

    Ports ports;
    ports.canvas = &buffers_;
    ports.status = Panel1;
    ports.sound = options_.sound;
    ports.music = options_.music;
    ports.window = this;
    ports.dialogs = this;
    game_ = options_.makeRules ? options_.makeRules(ports) : std::make_unique<Game>(ports);
    game_->SeedRandom(seed);

    // Both timers run before FormCreate: ticks that arrive while its message boxes are
    // open meet empty buffers, an empty tile sheet and a zero-filled actor table.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(20);
    connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setTimerType(Qt::PreciseTimer);
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, &TMainForm::Timer2Timer);
    // Controllers are read between the ticks on this thread, like keys.
    PadTimer = new QTimer(this);
    PadTimer->setObjectName(QStringLiteral("PadTimer"));
    PadTimer->setInterval(PadBridge::kPollMs);
    connect(PadTimer, &QTimer::timeout, this, [this] { PollPads(padClock_.elapsed()); });
    padClock_.start();
    if (options_.startTimers) {
        if (options_.pads == nullptr) {
            ownPads_ = std::make_unique<SdlPads>();
            options_.pads = ownPads_.get();
        }
        Timer1->start();
        Timer2->start();
        PadTimer->start();
    }
    if (options_.pads) {
        PadBridge::Window window;
        window.isActive = [this] { return isActiveWindow(); };
        window.pressDialogDefault = [this] { PressDefaultButton(this); };
        window.quitPressed = [this] {
            if (lock_)  // shown once the poll is over, so that the pads still answer the box
                QMetaObject::invokeMethod(lock_.get(), [this] { lock_->ShowBox(); }, Qt::QueuedConnection);
        };
        padBridge_ = std::make_unique<PadBridge>(*game_, *options_.pads, *PadTimer, std::move(window));
    }

    Guarded([this] { FormCreate(); });
}

TMainForm::~TMainForm()
{
    lock_.reset();
    if (MainForm == this)
        MainForm = nullptr;
}

void TMainForm::SetDialogs(TAboutBox* about, THelpBox* help, TTopDlg* top)
{
    aboutBox_ = about;
    helpBox_ = help;
    topDlg_ = top;
    if (aboutBox_)
        aboutBox_->SetFrameTimer(Timer1);
}

void TMainForm::SetChildLock(bool on)
{
    if (on && !lock_)
        lock_ = std::make_unique<ChildLock>(*this);
}

void TMainForm::LayoutClient()
{
    // In a window only the status bar follows the window's size. In full screen the
    // client area is shown whole, k times larger, in the middle of black.
    const bool full = isFullScreen();
    const ClientLayout l = LayOutClient(client_->size(), full);
    const int k = l.scale;
    client_->setAutoFillBackground(full);
    stage_->setAutoFillBackground(full);
    stage_->setGeometry(l.stage);
    Bevel1->SetLineWidth(k);
    Bevel1->setGeometry(l.bevel);
    PlayField->SetScale(k);
    PlayField->move(l.playField);
    Panel1->SetScale(k);
    Panel1->setGeometry(l.panel);

    PlaceQuitHint(*QuitHint, QRect(l.stage.topLeft() + PlayField->pos(), PlayField->size()), k);
    if (const int shownAt = full ? k : 0; shownAt != tracedScale_) {
        tracedScale_ = shownAt;
        Trace("fullscreen", full ? QStringLiteral("on %1").arg(k) : QStringLiteral("off"));
    }
}

void TMainForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (Panel1)
        LayoutClient();
}

void TMainForm::SetFullScreen(bool on)
{
    if (on == isFullScreen())
        return;
    if (on) {
        startedFull_ = startedFull_ || !isVisible();
        if (!WindowSystemMakesFullScreen()) {
            ownFullScreenFrom_ = geometry();
            if (QScreen* s = screen())
                setGeometry(s->geometry());
        }
        showFullScreen();
        if (ownFullScreenFrom_) {
            raise();
            activateWindow();
        }
    } else {
        showNormal();
        if (ownFullScreenFrom_)
            setGeometry(*std::exchange(ownFullScreenFrom_, std::nullopt));
        else if (std::exchange(startedFull_, false))
            CenterOnScreen(this);   // never placed as a window with its frame: placed now
    }
    LayoutClient();
}

void TMainForm::PollPads(qint64 nowMs)
{
    if (!padBridge_)
        return;
    Guarded([&] { padBridge_->Poll(nowMs); });
    // Under the child lock no press quits, so nothing says "press again to quit".
    QuitHint->setVisible(!lock_ && padBridge_->QuitHintShown(nowMs));
}

void TMainForm::FormCreate()
{
    game_->FormCreate();

    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    CenterOnScreen(this);
    Timer1->setInterval(40);
    Timer2->setInterval(1000);
    Panel1->Gauge1->SetMaxValue(80);
    LayoutClient();
    Panel1->Gauge1->SetProgress(Panel1->Gauge1->MaxValue());

    if (OpenGameMusic(*MediaPlayer1, options_.openMusic) == MusicAtStart::Unplayable) {
        // Said once; the game then plays on in silence with the music item unchecked,
        // so nothing nags later.
        musicOpenFailed_ = true;
        game_->MusicUnavailable();
        K2->setChecked(false);
    }

    buffers_.SizeBuffers();
    if (!LoadTileSheet(buffers_.Tiles()))
        game_->RequestQuit();
    buffers_.DrawFloor();
    buffers_.DrawBackground();
    game_->SetupActors();
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void TMainForm::StartWithoutMusic()
{
    game_->MusicUnavailable();
    K2->setChecked(false);
    Trace("music", QStringLiteral("off"));
}

void TMainForm::FormDestroy()
{
    if (MediaPlayer1) {
        // After a failed open the player was never there: the failure was said once.
        if (!musicOpenFailed_)
            Guarded([this] { options_.music->StopMedia(); });
        MediaPlayer1.reset();
    }
}

void TMainForm::SetFrameTimerEnabled(bool enabled)
{
    if (enabled)
        Timer1->start();  // starts the interval afresh
    else
        Timer1->stop();
}

void TMainForm::CloseMainWindow()
{
    closeRequested_ = true;
    close();
    QCoreApplication::quit();
}

QString TMainForm::PromptForText(const QString& caption, const QString& prompt, const QString& defaultText)
{
    return porimogu::PromptForText(caption, prompt, defaultText);
}

void TMainForm::ShowTopList()
{
    if (!topDlg_)
        return;
    topDlg_->ShowModal();
    // The keyboard goes back to the game whatever the window manager does.
    activateWindow();
}

void TMainForm::ShowError(const QString& message)
{
    ShowErrorBox(message);
}

bool TMainForm::Confirm(const QString& question)
{
    return AskYesNo(question);
}

// Every handler below may run inside a tick, or inside the message loop of a box that a
// tick opened: its failures are shown once it has returned, so that no timer waits
// behind its own box.
void TMainForm::Timer1Timer()
{
    Guarded([this] { game_->Timer1Timer(); }, PostErrorBox);
}

void TMainForm::Timer2Timer()
{
    Guarded([this] { game_->Timer2Timer(); }, PostErrorBox);
}

void TMainForm::keyPressEvent(QKeyEvent* event)
{
    // F11 sets no flag of the game; it turns full screen on and off.
    if (event->key() == Qt::Key_F11 && !event->isAutoRepeat())
        ToggleFullScreen();
    Guarded([&] {
        game_->FormKeyDown(VirtualKeyFor(event->key(), event->modifiers()),
                           ShiftStateFor(event->key(), event->modifiers(), true));
    }, PostErrorBox);
    // F10 opens the first menu; the arrows then go from menu to menu, Esc closes it.
    if (event->key() == Qt::Key_F10 && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        menuBar()->setActiveAction(KG1->menuAction());
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TMainForm::keyReleaseEvent(QKeyEvent* event)
{
    // A held key repeats its key-down only.
    if (!event->isAutoRepeat()) {
        Guarded([&] {
            game_->FormKeyUp(VirtualKeyFor(event->key(), event->modifiers()),
                             ShiftStateFor(event->key(), event->modifiers(), false));
        }, PostErrorBox);
    }
    QMainWindow::keyReleaseEvent(event);
}

void TMainForm::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        PlayField->LetGo();
        Guarded([this] { game_->FormDeactivate(); }, PostErrorBox);
    }
    if (event->type() == QEvent::WindowStateChange && Panel1)
        LayoutClient();
}

void TMainForm::PlayFieldMouseDown(QPoint point)
{
    Guarded([&] { game_->PlayFieldMouseDown(point.x(), point.y()); }, PostErrorBox);
}

void TMainForm::PlayFieldMouseMove(QPoint point)
{
    Guarded([&] { game_->PlayFieldMouseMove(point.x(), point.y()); }, PostErrorBox);
}

void TMainForm::PlayFieldMouseUp()
{
    Guarded([this] { game_->PlayFieldMouseUp(); }, PostErrorBox);
}

void TMainForm::KS1Click()
{
    Guarded([this] { game_->KS1Click(); }, PostErrorBox);
}

void TMainForm::K1Click()
{
    // The action has already turned its check over; the rule works on the old one.
    Guarded([this] { K1->setChecked(game_->K1Click(!K1->isChecked())); }, PostErrorBox);
}

void TMainForm::KQ1Click()
{
    Guarded([this] { game_->KQ1Click(); }, PostErrorBox);
}

void TMainForm::K3Click()
{
    Guarded([this] {
        if (game_->State() == GameState::Waiting)
            ShowTopList();
    }, PostErrorBox);
}

void TMainForm::KX1Click()
{
    Guarded([this] { lock_ ? lock_->ShowBox() : CloseMainWindow(); }, PostErrorBox);
}

void TMainForm::KV1Click()
{
    Guarded([this] {
        if (game_->State() != GameState::Playing && aboutBox_)
            aboutBox_->ShowSpeedDialog();
    }, PostErrorBox);
}

void TMainForm::K2Click()
{
    Guarded([this] { K2->setChecked(game_->K2Click(!K2->isChecked())); }, PostErrorBox);
}

void TMainForm::KS2Click()
{
    Guarded([this] { KS2->setChecked(game_->KS2Click(!KS2->isChecked())); }, PostErrorBox);
}

void TMainForm::KK1Click()
{
    Guarded([this] {
        if (helpBox_)
            helpBox_->ShowHelp();
    }, PostErrorBox);
}

void TMainForm::KV2Click()
{
    Guarded([this] {
        if (aboutBox_)
            aboutBox_->ShowModalVersion();
    }, PostErrorBox);
}

} // namespace porimogu
