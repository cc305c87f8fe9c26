#include "window/mainform.h"

#include "dialogs/aboutbox.h"
#include "platform/display.h"
#include "dialogs/centring.h"
#include "dialogs/formutil.h"
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
#include "core/padinput.h"
#include "formats/sheetfile.h"
#include "audio/sound.h"
#include "window/statuspanel.h"
#include "dialogs/topdlg.h"
#include "core/wholefile.h"

#include <QActionGroup>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>
#include <QTouchEvent>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace porimogu {

TMainForm* MainForm = nullptr;
TAboutBox* AboutBox = nullptr;
THelpBox* HelpBox = nullptr;
TTopDlg* TopDlg = nullptr;

namespace {
constexpr int kPlayFieldLeft = 20;
constexpr int kPlayFieldTop = 10;

// The menu bar's look is the application's; only a bare tap of Alt no longer puts it in
// keyboard mode, where the arrows would move along the menu titles instead of ぽっけ.
// Alt with an underlined letter still opens its menu: those are shortcuts of their own.
class NoAltTapStyle : public QProxyStyle {
public:
    explicit NoAltTapStyle(QStyle* base) : QProxyStyle(base) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_MenuBar_AltKeyNavigation)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};
constexpr int kPanelHeight = 32;
// Controllers are read this often; a frame tick is 2 ms at the fastest, 40 ms as a rule.
constexpr int kPadPollMs = 10;
// With no pad plugged in, SDL is only asked this often whether one has come: a pad
// is then noticed within a quarter second, and an idle game wakes 25 times a second
// for its frames instead of 125.
constexpr int kPadWatchMs = 250;
} // namespace

int WholeScale(QSize area)
{
    return std::max(1, std::min(area.width() / kClientWidth, area.height() / kClientHeight));
}

TPlayField::TPlayField(const FrameBuffers& buffers, QWidget* parent) : QWidget(parent), buffers_(buffers)
{
    setObjectName(QStringLiteral("PlayField"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(kVisibleWidth, kVisibleHeight);
    setAttribute(Qt::WA_AcceptTouchEvents);
}

void TPlayField::SetScale(int factor)
{
    if (factor < 1 || factor == scale_)
        return;
    scale_ = factor;
    setFixedSize(kVisibleWidth * factor, kVisibleHeight * factor);
    update();
}

void TPlayField::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QImage& front = buffers_.Front();
    if (front.isNull()) {
        p.fillRect(rect(), palette().color(QPalette::Window));
        return;
    }
    // A frame tick asks for the changed parts only; an expose asks for what it uncovered.
    const int k = scale_;
    for (const QRect& r : event->region()) {
        if (k == 1) {
            p.drawImage(r.topLeft(), front, r);
            continue;
        }
        // The image pixels under the part, each drawn as a k x k square: without smooth
        // transformation the painter samples the nearest pixel, so every step is hard.
        const QRect source = QRect(QPoint(r.left() / k, r.top() / k), QPoint(r.right() / k, r.bottom() / k))
                                 .intersected(front.rect());
        p.drawImage(QRect(source.topLeft() * k, source.size() * k), front, source);
    }
}

void TPlayField::ShowChanged(std::span<const QRect> rects)
{
    // Each rectangle travels to the X server on its own, so near ones are sent as one:
    // a few unchanged pixels cost less than another request.
    constexpr int kSlack = 48 * 48;
    auto area = [](const QRect& r) { return r.width() * r.height(); };
    std::array<QRect, 64> merged;
    if (rects.size() > merged.size()) {
        QRect all;
        for (const QRect& r : rects)
            all |= r;
        update(QRect(all.topLeft() * scale_, all.size() * scale_));
        return;
    }
    std::size_t n = 0;
    for (const QRect& r : rects)
        merged[n++] = r;
    for (bool joined = true; joined;) {
        joined = false;
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = i + 1; j < n;) {
                const QRect u = merged[i] | merged[j];
                if (area(u) <= area(merged[i]) + area(merged[j]) + kSlack) {
                    merged[i] = u;
                    merged[j] = merged[--n];
                    joined = true;
                } else {
                    ++j;
                }
            }
        }
    }
    // In front-image pixels; the widget may show them larger.
    for (std::size_t i = 0; i < n; ++i)
        update(QRect(merged[i].topLeft() * scale_, merged[i].size() * scale_));
}

QPoint TPlayField::FieldPoint(QPointF position) const
{
    // Widget coordinates are device-independent pixels already; only the scale is ours.
    return QPoint(static_cast<int>(std::floor(position.x() / scale_)),
                  static_cast<int>(std::floor(position.y() / scale_)));
}

void TPlayField::LetGo()
{
    if (holder_ == Holder::None)
        return;
    holder_ = Holder::None;
    finger_ = -1;
    emit MouseUp();
}

namespace {
// A mouse event that stands for a touch: the finger comes through the touch events.
bool FromTouchScreen(const QMouseEvent* event)
{
    const QPointingDevice* device = event->pointingDevice();
    return device && device->type() == QInputDevice::DeviceType::TouchScreen;
}
} // namespace

void TPlayField::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    // A press while the mouse already holds means its release went elsewhere: a new hold.
    if (event->button() != Qt::LeftButton || FromTouchScreen(event) || holder_ == Holder::Finger)
        return;
    holder_ = Holder::Mouse;
    emit MouseDown(FieldPoint(event->position()));
}

void TPlayField::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (holder_ != Holder::Mouse || FromTouchScreen(event))
        return;
    if (event->buttons() & Qt::LeftButton)
        emit MouseMove(FieldPoint(event->position()));
    else
        LetGo();  // the button came up where we did not see it
}

void TPlayField::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && holder_ == Holder::Mouse && !FromTouchScreen(event))
        LetGo();
}

void TPlayField::TouchEvent(QTouchEvent* event)
{
    event->accept();  // taken, so Qt makes no mouse events of it
    // A new touch sequence: a finger we still held has gone without a word.
    if (event->type() == QEvent::TouchBegin && holder_ == Holder::Finger)
        LetGo();
    if (holder_ == Holder::Finger) {
        for (const QEventPoint& p : event->points()) {
            if (p.id() != finger_)
                continue;
            if (p.state() == QEventPoint::Released)
                LetGo();
            else if (p.state() == QEventPoint::Updated)
                emit MouseMove(FieldPoint(p.position()));
            return;
        }
        if (event->type() == QEvent::TouchEnd)
            LetGo();
        return;
    }
    if (holder_ != Holder::None)
        return;
    // The first finger put down while nothing holds steers; the others are ignored.
    for (const QEventPoint& p : event->points()) {
        if (p.state() == QEventPoint::Pressed) {
            holder_ = Holder::Finger;
            finger_ = p.id();
            emit MouseDown(FieldPoint(p.position()));
            return;
        }
    }
}

bool TPlayField::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd: {
        auto* touch = static_cast<QTouchEvent*>(event);
        // Touchpads move the mouse pointer; only a touch screen points at the field.
        if (touch->device() && touch->device()->type() != QInputDevice::DeviceType::TouchScreen)
            break;
        TouchEvent(touch);
        return true;
    }
    case QEvent::TouchCancel:
        LetGo();
        event->accept();
        return true;
    // The grab taken away, a modal box over the window, the field hidden: nothing
    // is held any more, and a release will not come here.
    case QEvent::UngrabMouse:
    case QEvent::WindowBlocked:
    case QEvent::Hide:
        LetGo();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void TBevel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QRect r = rect();
    DrawBevel(p, r, false, palette().color(QPalette::Light), palette().color(QPalette::Dark), lineWidth_);
}

void TBevel::SetLineWidth(int width)
{
    if (width < 1 || width == lineWidth_)
        return;
    lineWidth_ = width;
    update();
}

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
    BuildMenu();

    QuitHint = new QLabel(tr("もういちど おすと おわります"), client_);
    QuitHint->setObjectName(QStringLiteral("QuitHint"));
    QuitHint->setFrameStyle(QFrame::Box | QFrame::Plain);
    QuitHint->setAlignment(Qt::AlignCenter);
    QuitHint->setAutoFillBackground(true);
    QuitHint->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette hint = QuitHint->palette();
    hint.setColor(QPalette::Window, QColor(255, 255, 0));
    hint.setColor(QPalette::WindowText, QColor(0, 0, 128));
    QuitHint->setPalette(hint);
    QuitHint->hide();

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
    game_ = std::make_unique<Game>(ports);
    game_->Rng().SetSeed(seed);
    padInput_ = std::make_unique<PadInput>(*game_);

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
    PadTimer->setInterval(kPadPollMs);
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

    Guarded([this] { FormCreate(); });
}

TMainForm::~TMainForm()
{
    if (MainForm == this)
        MainForm = nullptr;
}

void TMainForm::BuildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setFocusPolicy(Qt::NoFocus);
    auto* barStyle = new NoAltTapStyle(QStyleFactory::create(QApplication::style()->name()));
    barStyle->setParent(bar);
    bar->setStyle(barStyle);

    auto item = [this](QMenu* menu, const char* name, const QString& caption, void (TMainForm::*handler)()) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    // The drop-down menus are windows of their own and inherit no font from the bar:
    // they take the window's, so that titles and items read alike.
    auto menu = [this, bar](const char* name, const QString& caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        m->setFont(font());
        return m;
    };
    // A check drawn as a dot: each checkable item sits alone in a group that may be
    // left empty, so no item's check ever affects another's.
    auto radio = [this](QAction* a, bool checked) {
        auto* group = new QActionGroup(this);
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        group->addAction(a);
        a->setCheckable(true);
        a->setChecked(checked);
        if (Tracing())
            connect(a, &QAction::toggled, this, [a](bool on) {
                Trace("check", a->objectName() + (on ? QStringLiteral(" on") : QStringLiteral(" off")));
            });
    };

    KG1 = menu("KG1", tr("ゲーム (&G)"));
    KS1 = item(KG1, "KS1", tr("スタート (&S)"), &TMainForm::KS1Click);
    K1 = item(KG1, "K1", tr("ていし (&P)"), &TMainForm::K1Click);
    radio(K1, false);
    KQ1 = item(KG1, "KQ1", tr("やめる (&Q)"), &TMainForm::KQ1Click);
    KG1->addSeparator()->setObjectName(QStringLiteral("N2"));
    K3 = item(KG1, "K3", tr("せいせき (&T)"), &TMainForm::K3Click);
    KG1->addSeparator()->setObjectName(QStringLiteral("N1"));
    KX1 = item(KG1, "KX1", tr("おわり (&X)"), &TMainForm::KX1Click);

    KO1 = menu("KO1", tr("せってい (&O)"));
    KV1 = item(KO1, "KV1", tr("ゲームのはやさ (&V)"), &TMainForm::KV1Click);
    K2 = item(KO1, "K2", tr("おんがくつき (&M)"), &TMainForm::K2Click);
    radio(K2, true);
    KS2 = item(KO1, "KS2", tr("なにかへんだ (&S)"), &TMainForm::KS2Click);
    radio(KS2, false);

    KH1 = menu("KH1", tr("へるぷ (&H)"));
    KK1 = item(KH1, "KK1", tr("そうさのしかた (&K)"), &TMainForm::KK1Click);
    KV2 = item(KH1, "KV2", tr("ヴァージョン (&V)"), &TMainForm::KV2Click);
}

void TMainForm::SetDialogs(TAboutBox* about, THelpBox* help, TTopDlg* top)
{
    aboutBox_ = about;
    helpBox_ = help;
    topDlg_ = top;
    if (aboutBox_)
        aboutBox_->SetFrameTimer(Timer1);
}

void TMainForm::LayoutClient()
{
    // In a window only the status bar follows the window's size. In full screen the
    // client area is shown whole, k times larger, in the middle of black.
    const bool full = isFullScreen();
    const int k = full ? WholeScale(client_->size()) : 1;
    const QSize size(kClientWidth * k, kClientHeight * k);
    const QRect stage = full ? QRect(QPoint((client_->width() - size.width()) / 2,
                                            (client_->height() - size.height()) / 2), size)
                             : client_->rect();
    client_->setAutoFillBackground(full);
    stage_->setAutoFillBackground(full);
    stage_->setGeometry(stage);
    Bevel1->SetLineWidth(k);
    Bevel1->setGeometry(16 * k, 6 * k, 600 * k, 440 * k);
    PlayField->SetScale(k);
    PlayField->move(kPlayFieldLeft * k, kPlayFieldTop * k);
    Panel1->SetScale(k);
    Panel1->setGeometry(0, stage.height() - kPanelHeight * k, stage.width(), kPanelHeight * k);

    QuitHint->setFont(FormFont(19 * k, true));
    QuitHint->setMargin(6 * k);
    QuitHint->setLineWidth(k);
    QuitHint->adjustSize();
    const QRect field(stage.topLeft() + PlayField->pos(), PlayField->size());
    QuitHint->move(field.center() - QuitHint->rect().center());
    QuitHint->raise();
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
    if (!options_.pads)
        return;
    Guarded([&] {
        const PadState held = options_.pads->Read();
        const int interval = options_.pads->AnyPad() ? kPadPollMs : kPadWatchMs;
        if (PadTimer->interval() != interval)
            PadTimer->setInterval(interval);
        const bool active = isActiveWindow();
        const PadInput::Result r = padInput_->Poll(held, active, nowMs);
        // In the name prompt, the top list and the boxes, A does what Enter does there.
        if (r.enterPressed && !active) {
            QWidget* w = QApplication::activeModalWidget();
            if (!w)
                w = QApplication::activeWindow();
            if (w && w != this) {
                for (QPushButton* b : w->findChildren<QPushButton*>()) {
                    if (b->isDefault() && b->isVisible() && b->isEnabled()) {
                        b->click();
                        break;
                    }
                }
            }
        }
    });
    QuitHint->setVisible(padInput_->QuitAsked(nowMs));
}

void TMainForm::FormCreate()
{
    Game& g = *game_;
    g.G().SetDefaults();
    g.SetState(GameState::Waiting);

    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    CenterOnScreen(this);
    Timer1->setInterval(40);
    Timer2->setInterval(1000);
    Panel1->Gauge1->SetMaxValue(80);
    LayoutClient();
    Panel1->Gauge1->SetProgress(Panel1->Gauge1->MaxValue());

    MediaPlayer1->FileName = QStringLiteral("game.mid");
    if (QFile::exists(QStringLiteral("game.mid"))) {
        if (options_.openMusic)
            OpenMusic();
    } else {
        ShowPlainMessage(tr("音楽データが ありません"));
    }

    buffers_.SizeBuffers();
    LoadTileSheet();
    buffers_.DrawFloor();
    buffers_.DrawBackground();
    g.SetupActors();
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void TMainForm::OpenMusic()
{
    // A game.mid that cannot be played is said once; the game then plays on in silence
    // with the music item unchecked, so nothing nags later.
    try {
        MediaPlayer1->OpenMedia();
    } catch (const GameError& e) {
        ShowErrorBox(e.message());
        musicOpenFailed_ = true;
        game_->G().MusicFlag = false;
        K2->setChecked(false);
    }
}

void TMainForm::LoadTileSheet()
{
    // Anything of that name that is not a whole picture (a FIFO, a directory, a link that
    // leads nowhere, a truncated or oversized file) is said as unreadable, at once.
    const QString name = QStringLiteral("game.bmp");
    QByteArray bytes;
    const FileRead read = ReadWholeFile(name, kMaxSheetFileBytes, bytes);
    if (read == FileRead::Missing) {
        ShowTypedMessage(tr("game.bmp がないので できません"), MsgDlgType::Error, mbYes);
        game_->G().QuitFlag = true;
        return;
    }
    const QImage sheet = read == FileRead::Ok ? DecodeTileSheet(bytes) : QImage();
    bytes.clear();
    if (sheet.isNull()) {
        ShowTypedMessage(tr("game.bmp が よめないので できません"), MsgDlgType::Error, mbYes);
        game_->G().QuitFlag = true;
        return;
    }
    buffers_.Tiles().CutFrom(sheet);
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
    Guarded([this] { CloseMainWindow(); }, PostErrorBox);
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
