// Controllers drive the game's flags through SDL's virtual joysticks: a pad SDL knows
// as a game controller, a plain joystick it does not, plugging in and out, the window
// losing the keyboard, and the second press that quits.
#include "fakes/shellfakes.h"
#include "input/gamepads.h"
#include "window/mainform.h"
#include "dialogs/topdlg.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <SDL.h>
#include <gtest/gtest.h>

using namespace porimogu;
using namespace porimogu::testing;

namespace {

// The game's input flags a pad may drive.
enum class Flag { Up, Down, Left, Right, Start, Pause, Shift };
constexpr Flag kAllFlags[] = {Flag::Up, Flag::Down, Flag::Left, Flag::Right, Flag::Start, Flag::Pause, Flag::Shift};

bool IsSet(const Globals& g, Flag f)
{
    switch (f) {
    case Flag::Up: return g.DirectionFlags.Up;
    case Flag::Down: return g.DirectionFlags.Down;
    case Flag::Left: return g.DirectionFlags.Left;
    case Flag::Right: return g.DirectionFlags.Right;
    case Flag::Start: return g.StartRequest;
    case Flag::Pause: return g.PauseRequest;
    case Flag::Shift: return g.ShiftFlag;
    }
    return false;
}

// A joystick that exists only in SDL; its buttons, axes and hat are set by the test.
class VirtualPad {
public:
    // known: a game controller by SDL's rules (every standard button and axis, numbered
    // as SDL numbers them); otherwise a plain joystick with one hat, two axes, four buttons.
    explicit VirtualPad(bool known)
    {
        SDL_VirtualJoystickDesc d{};
        d.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        if (known) {
            d.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
            d.naxes = SDL_CONTROLLER_AXIS_MAX;
            d.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
            d.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
            d.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
            d.name = "Test pad";
        } else {
            d.type = SDL_JOYSTICK_TYPE_UNKNOWN;
            d.naxes = 2;
            d.nbuttons = 4;
            d.nhats = 1;
            d.name = "Test stick";
        }
        const int index = SDL_JoystickAttachVirtualEx(&d);
        joystick_ = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
        isController_ = index >= 0 && SDL_IsGameController(index);
    }
    ~VirtualPad() { Unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool IsOpen() const { return joystick_ != nullptr; }
    bool IsController() const { return isController_; }
    void Button(int b, bool down) { SDL_JoystickSetVirtualButton(joystick_, b, down ? 1 : 0); }
    void Axis(int a, int v) { SDL_JoystickSetVirtualAxis(joystick_, a, static_cast<Sint16>(v)); }
    void Hat(Uint8 v) { SDL_JoystickSetVirtualHat(joystick_, 0, v); }
    void Unplug()
    {
        if (!joystick_)
            return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id)
                SDL_JoystickDetachVirtual(i);
    }

private:
    SDL_Joystick* joystick_ = nullptr;
    bool isController_ = false;
};

class GamePadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.IsValid());
        ASSERT_TRUE(WriteGameFiles());
        ASSERT_TRUE(pads_.Available());
        form_ = MakeQuietForm(3u, sound_, music_, &pads_);
        top_ = new TTopDlg(form_.get());
        form_->SetDialogs(nullptr, nullptr, top_);
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        Activate(form_.get());
    }
    static void Activate(QWidget* w)
    {
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
    Globals& G() { return Rules(*form_).G(); }
    void Poll() { form_->PollPads(now_ += 10); }

    // (what the pad does, the flag it must drive)
    struct Case {
        const char* what;
        std::function<void(VirtualPad&, bool)> act;
        std::vector<Flag> flags;
    };
    // Each case sets its flags only at the poll after the press, and clears them only at
    // the poll after the release.
    void CheckCases(VirtualPad& pad, const std::vector<Case>& cases)
    {
        ASSERT_TRUE(pad.IsOpen());
        Poll();
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            const auto held = [&](Flag f) { return std::find(c.flags.begin(), c.flags.end(), f) != c.flags.end(); };
            c.act(pad, true);
            for (Flag f : kAllFlags)
                EXPECT_FALSE(IsSet(G(), f)) << "before the poll";
            Poll();
            for (Flag f : kAllFlags)
                EXPECT_EQ(IsSet(G(), f), held(f));
            Poll();  // held on: still set
            for (Flag f : kAllFlags)
                EXPECT_EQ(IsSet(G(), f), held(f));
            c.act(pad, false);
            EXPECT_EQ(IsSet(G(), c.flags.front()), true) << "before the poll";
            Poll();
            for (Flag f : kAllFlags)
                EXPECT_FALSE(IsSet(G(), f));
        }
    }
    // While it lives, every modal dialog that opens gets `text` in its edit box, if it
    // has one, and A pressed and let go on the pad.
    std::unique_ptr<QTimer> PressAInDialogs(VirtualPad& pad, const QString& text)
    {
        auto driver = std::make_unique<QTimer>();
        driver->setInterval(20);
        QObject::connect(driver.get(), &QTimer::timeout, [this, &pad, text, pressed = false, turns = 0]() mutable {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && ++turns > 250) {
                ADD_FAILURE() << "A did not close " << modal->objectName().toStdString();
                modal->close();
            }
            if (!modal || !modal->isActiveWindow())
                return;
            if (auto* edit = modal->findChild<QLineEdit*>(); edit && !pressed)
                edit->setText(text);
            pressed = !pressed;  // press, then let go at the next turn
            pad.Button(SDL_CONTROLLER_BUTTON_A, pressed);
            Poll();
        });
        driver->start();
        return driver;
    }
    static Case Button(const char* what, int b, std::vector<Flag> flags)
    {
        return {what, [b](VirtualPad& p, bool down) { p.Button(b, down); }, std::move(flags)};
    }
    static Case Stick(const char* what, std::vector<std::pair<int, int>> axes, std::vector<Flag> flags)
    {
        return {what,
                [axes](VirtualPad& p, bool down) {
                    for (auto [a, v] : axes)
                        p.Axis(a, down ? v : 0);
                },
                std::move(flags)};
    }

    ScratchDir dir_;
    NullSound sound_;
    NullMusic music_;
    SdlPads pads_;
    std::unique_ptr<TMainForm> form_;
    TTopDlg* top_ = nullptr;
    qint64 now_ = 0;
};

} // namespace

TEST_F(GamePadTest, KnownControllerButtonsAndStickDriveTheKeyFlags)
{
    VirtualPad pad(true);
    ASSERT_TRUE(pad.IsController());
    Rules(*form_).SetState(GameState::Playing);  // Escape pauses at once
    const int X = SDL_CONTROLLER_AXIS_LEFTX;
    const int Y = SDL_CONTROLLER_AXIS_LEFTY;
    CheckCases(pad, {
        Button("d-pad up", SDL_CONTROLLER_BUTTON_DPAD_UP, {Flag::Up}),
        Button("d-pad down", SDL_CONTROLLER_BUTTON_DPAD_DOWN, {Flag::Down}),
        Button("d-pad left", SDL_CONTROLLER_BUTTON_DPAD_LEFT, {Flag::Left}),
        Button("d-pad right", SDL_CONTROLLER_BUTTON_DPAD_RIGHT, {Flag::Right}),
        Button("A", SDL_CONTROLLER_BUTTON_A, {Flag::Start}),
        Button("Start", SDL_CONTROLLER_BUTTON_START, {Flag::Start}),
        Button("B", SDL_CONTROLLER_BUTTON_B, {Flag::Pause}),
        Button("Back", SDL_CONTROLLER_BUTTON_BACK, {Flag::Pause}),
        Button("X", SDL_CONTROLLER_BUTTON_X, {Flag::Shift}),
        Button("left shoulder", SDL_CONTROLLER_BUTTON_LEFTSHOULDER, {Flag::Shift}),
        Button("right shoulder", SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, {Flag::Shift}),
        Stick("stick left", {{X, -32768}}, {Flag::Left}),
        Stick("stick right", {{X, 32767}}, {Flag::Right}),
        Stick("stick up", {{Y, -32768}}, {Flag::Up}),
        Stick("stick down", {{Y, 32767}}, {Flag::Down}),
        Stick("stick down and left", {{X, -23000}, {Y, 23000}}, {Flag::Down, Flag::Left}),
        Stick("stick up and right", {{X, 23000}, {Y, -23000}}, {Flag::Up, Flag::Right}),
    });
}

TEST_F(GamePadTest, HeldInputsBehaveLikeHeldKeys)
{
    VirtualPad pad(true);
    pad.Button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, true);
    pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    for (int i = 0; i < 3; ++i) {
        Poll();  // every repeated direction event carries the pad's Shift
        EXPECT_TRUE(G().ShiftFlag && G().DirectionFlags.Right);
    }
    pad.Button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, false);
    Poll();
    EXPECT_FALSE(G().ShiftFlag);
    G().ClearInputFlags();  // a new game
    Poll();
    EXPECT_TRUE(G().DirectionFlags.Right) << "a held direction comes back, as a held key repeats";
}

TEST_F(GamePadTest, UnknownJoystickUsesHatAxesAndFirstButtons)
{
    VirtualPad pad(false);
    ASSERT_FALSE(pad.IsController());
    Rules(*form_).SetState(GameState::Playing);
    auto hat = [](const char* what, Uint8 v, std::vector<Flag> flags) {
        return Case{what, [v](VirtualPad& p, bool down) { p.Hat(down ? v : SDL_HAT_CENTERED); }, std::move(flags)};
    };
    CheckCases(pad, {
        hat("hat up", SDL_HAT_UP, {Flag::Up}),
        hat("hat down", SDL_HAT_DOWN, {Flag::Down}),
        hat("hat left", SDL_HAT_LEFT, {Flag::Left}),
        hat("hat right", SDL_HAT_RIGHT, {Flag::Right}),
        hat("hat right and up", SDL_HAT_RIGHTUP, {Flag::Right, Flag::Up}),
        Stick("axis 0 left", {{0, -30000}}, {Flag::Left}),
        Stick("axis 0 right", {{0, 30000}}, {Flag::Right}),
        Stick("axis 1 up", {{1, -30000}}, {Flag::Up}),
        Stick("axis 1 down", {{1, 30000}}, {Flag::Down}),
        Button("button 0", 0, {Flag::Start}),
        Button("button 1", 1, {Flag::Pause}),
        Button("button 2", 2, {Flag::Shift}),
    });
    // Button 3 means nothing.
    pad.Button(3, true);
    Poll();
    EXPECT_FALSE(G().StartRequest || G().PauseRequest || G().ShiftFlag);
}

TEST_F(GamePadTest, StickNeedsAFirmPushAndIsLetGoNearTheMiddle)
{
    VirtualPad pad(true);
    const int X = SDL_CONTROLLER_AXIS_LEFTX;
    const struct {
        int value;
        bool right;
    } steps[] = {{kStickRelease + 1000, false}, {kStickPress - 1, false}, {kStickPress + 1, true},
                 {kStickRelease + 1, true},     {kStickRelease, false},   {kStickPress - 1, false}};
    for (const auto& s : steps) {
        pad.Axis(X, s.value);
        Poll();
        EXPECT_EQ(G().DirectionFlags.Right, s.right) << s.value;
    }
}

TEST_F(GamePadTest, UnpluggingReleasesEverythingItHeldAndPluggingInIsSeen)
{
    Rules(*form_).SetState(GameState::Playing);
    auto pad = std::make_unique<VirtualPad>(true);
    Poll();
    EXPECT_EQ(pads_.PadCount(), 1);
    EXPECT_EQ(form_->PadTimer->interval(), 10) << "a pad is read at full rate";
    pad->Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    pad->Button(SDL_CONTROLLER_BUTTON_A, true);
    pad->Button(SDL_CONTROLLER_BUTTON_B, true);
    pad->Button(SDL_CONTROLLER_BUTTON_X, true);
    Poll();
    ASSERT_TRUE(G().DirectionFlags.Right && G().StartRequest && G().PauseRequest && G().ShiftFlag);
    pad.reset();
    Poll();
    EXPECT_EQ(pads_.PadCount(), 0);
    EXPECT_GT(form_->PadTimer->interval(), 10) << "with no pad, SDL is only watched for one";
    EXPECT_FALSE(G().DirectionFlags.Right || G().StartRequest || G().PauseRequest || G().ShiftFlag);

    // A second pad keeps what it holds when another goes.
    VirtualPad a(true);
    auto b = std::make_unique<VirtualPad>(false);
    a.Button(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
    b->Hat(SDL_HAT_UP);
    Poll();
    EXPECT_EQ(pads_.PadCount(), 2);
    b.reset();
    Poll();
    EXPECT_TRUE(G().DirectionFlags.Up);
}

TEST_F(GamePadTest, NothingReachesTheGameWhileAnotherWindowIsActive)
{
    VirtualPad pad(true);
    Poll();
    QWidget other;
    other.show();
    Activate(&other);
    pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    pad.Button(SDL_CONTROLLER_BUTTON_A, true);
    pad.Button(SDL_CONTROLLER_BUTTON_X, true);
    Poll();
    EXPECT_FALSE(G().DirectionFlags.Right || G().StartRequest || G().ShiftFlag);
    other.hide();
    Activate(form_.get());
    // Back in the game: a held direction goes on, a button must be pressed again.
    Poll();
    EXPECT_TRUE(G().DirectionFlags.Right);
    EXPECT_FALSE(G().StartRequest || G().ShiftFlag);
    pad.Button(SDL_CONTROLLER_BUTTON_A, false);
    Poll();
    pad.Button(SDL_CONTROLLER_BUTTON_A, true);
    Poll();
    EXPECT_TRUE(G().StartRequest);

    // What was let go while away is released when the window is back.
    other.show();
    Activate(&other);
    pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
    pad.Button(SDL_CONTROLLER_BUTTON_A, false);
    Poll();
    other.hide();
    Activate(form_.get());
    Poll();
    EXPECT_FALSE(G().DirectionFlags.Right || G().StartRequest);
}

TEST_F(GamePadTest, EscapeWhileWaitingOrOverQuitsOnlyOnASecondPressWithinTwoSeconds)
{
    VirtualPad pad(true);
    for (const GameState state : {GameState::Waiting, GameState::Over}) {
        SCOPED_TRACE(static_cast<int>(state));
        Rules(*form_).SetState(state);
        now_ += 5000;
        auto press = [&](qint64 at) {
            pad.Button(SDL_CONTROLLER_BUTTON_B, true);
            form_->PollPads(now_ + at);
            const bool asked = G().PauseRequest;
            pad.Button(SDL_CONTROLLER_BUTTON_B, false);
            form_->PollPads(now_ + at + 100);
            return asked;
        };
        EXPECT_FALSE(press(0));
        EXPECT_FALSE(form_->QuitHint->isHidden());
        form_->PollPads(now_ + PadInput::kQuitConfirmMs);
        EXPECT_TRUE(form_->QuitHint->isHidden()) << "the hint goes after two seconds";
        EXPECT_FALSE(press(PadInput::kQuitConfirmMs + 10)) << "too late: asks again";
        EXPECT_FALSE(form_->QuitHint->isHidden());
        pad.Button(SDL_CONTROLLER_BUTTON_B, true);
        form_->PollPads(now_ + PadInput::kQuitConfirmMs + 1500);
        EXPECT_TRUE(G().PauseRequest);
        EXPECT_TRUE(form_->QuitHint->isHidden());
        pad.Button(SDL_CONTROLLER_BUTTON_B, false);
        form_->PollPads(now_ + PadInput::kQuitConfirmMs + 1600);
        EXPECT_FALSE(G().PauseRequest);
    }
    // A game started meanwhile takes the question back; while playing, one press pauses.
    Rules(*form_).SetState(GameState::Waiting);
    pad.Button(SDL_CONTROLLER_BUTTON_B, true);
    Poll();
    ASSERT_FALSE(form_->QuitHint->isHidden());
    pad.Button(SDL_CONTROLLER_BUTTON_B, false);
    Rules(*form_).SetState(GameState::Playing);
    Poll();
    EXPECT_TRUE(form_->QuitHint->isHidden());
    pad.Button(SDL_CONTROLLER_BUTTON_B, true);
    Poll();
    EXPECT_TRUE(G().PauseRequest);
    EXPECT_TRUE(form_->QuitHint->isHidden());
}

TEST_F(GamePadTest, UnderTheChildLockTheSecondEscapeShowsTheLockBoxAndTheGameWaitsOn)
{
    form_->SetChildLock(true);
    VirtualPad pad(true);
    for (int press = 0; press < 2; ++press) {
        pad.Button(SDL_CONTROLLER_BUTTON_B, true);
        Poll();
        pad.Button(SDL_CONTROLLER_BUTTON_B, false);
        Poll();
        EXPECT_TRUE(form_->QuitHint->isHidden()) << "no quit hint under the lock, press " << press;
    }
    QString seen;
    QTimer::singleShot(0, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            seen = box->objectName();
            box->close();
        }
    });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    form_->Timer1Timer();
    EXPECT_EQ(seen, QStringLiteral("LockBox"));
    EXPECT_FALSE(form_->CloseRequested());
    EXPECT_EQ(Rules(*form_).State(), GameState::Waiting);
}

TEST_F(GamePadTest, AWholeGameIsPlayedAndRecordedWithTheControllerAlone)
{
    {
        // The tenth place is below zero, so a game of any score enters the list.
        QFile tops(QStringLiteral("Tops.dat"));
        ASSERT_TRUE(tops.open(QIODevice::WriteOnly));
        tops.write("00000,97/11/21,NewPlayer\r\n-0001,97/11/21,low\r\n");
        for (int p = 200; p <= 1000; p += 100)
            tops.write(QStringLiteral("%1,97/11/21,p\r\n").arg(p, 5, 10, QLatin1Char('0')).toLatin1());
    }
    OpenGame& game = Rules(*form_);
    VirtualPad pad(true);
    auto tick = [&] {
        Poll();
        form_->Timer1Timer();
    };
    auto click = [&](int button) {
        pad.Button(button, true);
        tick();
        pad.Button(button, false);
        tick();
    };
    click(SDL_CONTROLLER_BUTTON_A);
    ASSERT_EQ(game.State(), GameState::Playing);
    const int x0 = game.Actors()[0].X;
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 32767);
    for (int i = 0; i < 5; ++i)
        tick();
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
    tick();
    EXPECT_GT(game.Actors()[0].X, x0) << "ぽっけ walked right";
    click(SDL_CONTROLLER_BUTTON_B);
    EXPECT_EQ(game.State(), GameState::Paused);
    click(SDL_CONTROLLER_BUTTON_START);
    EXPECT_EQ(game.State(), GameState::Playing);

    G().TimeLeft = 0;  // the countdown has run out
    tick();
    ASSERT_EQ(game.State(), GameState::Over);
    const auto driver = PressAInDialogs(pad, QStringLiteral("pad"));
    G().WaitCount = 0;  // five seconds later: the name prompt, then the top list
    tick();
    EXPECT_EQ(game.State(), GameState::Waiting);
    EXPECT_FALSE(G().StartRequest) << "A in the dialogs started no new game";
    QFile tops(QStringLiteral("Tops.dat"));
    ASSERT_TRUE(tops.open(QIODevice::ReadOnly));
    EXPECT_TRUE(tops.readAll().contains(",pad\r\n"));
}
