#include "replay.h"

#include <QDir>

#include <stdexcept>

namespace porimogu::testing {

// --- canvas ------------------------------------------------------------------------

void FakeCanvas::DrawBackground()
{
    ops.push_back({Op::Background, {}});
    ++backgrounds;
}

void FakeCanvas::Present()
{
    ops.push_back({Op::Present, {}});
    ++presents;
}

std::vector<TileDraw> FakeCanvas::Tiles() const
{
    std::vector<TileDraw> out;
    for (const Entry& e : ops)
        if (e.op == Op::Tile)
            out.push_back(e.tile);
    return out;
}

bool FakeCanvas::Presented() const
{
    for (const Entry& e : ops)
        if (e.op == Op::Present)
            return true;
    return false;
}

bool FakeCanvas::FloorResetAfterPresent() const
{
    bool presented = false;
    bool reset = false;
    for (const Entry& e : ops) {
        if (e.op == Op::Present) {
            presented = true;
            reset = false;
        } else if (e.op == Op::Background && presented) {
            reset = true;
        }
    }
    return reset;
}

// --- status bar -----------------------------------------------------------------------

void FakeStatus::SetLabel1(Kind k, std::int32_t v)
{
    if (label1_.empty() || label1_.back() != std::pair{k, v})
        label1_.emplace_back(k, v);
}

QString FakeStatus::Label1() const
{
    if (label1_.empty())
        return QString();
    const auto [k, v] = label1_.back();
    return k == Kind::Time ? TimeText(v) : WaitText(v);
}

std::vector<QString> FakeStatus::Label1History() const
{
    std::vector<QString> out;
    for (const auto& [k, v] : label1_)
        out.push_back(k == Kind::Time ? TimeText(v) : WaitText(v));
    return out;
}

// --- devices and dialogs ------------------------------------------------------------

void FakeSound::Play(Beep beep)
{
    beeps.push_back(beep);
    journal_.push_back(std::string("beep ") + Name(beep));
}

const char* Name(Beep b)
{
    switch (b) {
    case Beep::Food: return "food";
    case Beep::Ghost: return "ghost";
    case Beep::Bonus: return "bonus";
    }
    return "?";
}

const char* Name(MusicRequest r)
{
    switch (r) {
    case MusicRequest::Rewind: return "rewind";
    case MusicRequest::Play: return "play";
    case MusicRequest::Pause: return "pause";
    case MusicRequest::Stop: return "stop";
    }
    return "?";
}

void FakeMusic::Request(MusicRequest r)
{
    requests.push_back(r);
    journal_.push_back(Name(r));
    if (failing.count(r) != 0)
        throw EMCIDeviceError(QStringLiteral("MCI ﾃﾞﾊﾞｲｽがありません"));
}

void FakeWindow::SetFrameTimerEnabled(bool enabled)
{
    frameTimerOn = enabled;
    frameTimerLog.push_back(enabled);
    journal_.push_back(enabled ? "timer on" : "timer off");
}

void FakeWindow::CloseMainWindow()
{
    ++closeRequests;
    journal_.push_back("close");
}

QString FakeDialogs::PromptForText(const QString&, const QString&, const QString& defaultText)
{
    ++prompts;
    journal_.push_back("prompt");
    return promptAnswer.value_or(defaultText);
}

void FakeDialogs::ShowTopList()
{
    ++topLists;
    journal_.push_back("toplist");
}

void FakeDialogs::ShowError(const QString& message)
{
    errors.push_back(message);
    journal_.push_back("error");
}

// --- script ---------------------------------------------------------------------------

Event KeyDown(std::uint16_t key, unsigned shift) { return {Event::Kind::KeyDown, key, shift, {}}; }
Event KeyUp(std::uint16_t key, unsigned shift) { return {Event::Kind::KeyUp, key, shift, {}}; }
Event Click(MenuItem item) { return {Event::Kind::Menu, 0, 0, item}; }
Event Countdown() { return {Event::Kind::Countdown, 0, 0, {}}; }

Replay::Replay()
    : game(Ports{&canvas, &status, &sound, &music, &window, &dialogs})
{
}

Replay& Replay::Seed(std::uint32_t seed)
{
    seed_ = seed;
    return *this;
}

Replay& Replay::CountdownEvery(int framePeriods)
{
    countdownEvery_ = framePeriods;
    return *this;
}

Replay& Replay::At(int tick, Event e)
{
    script_.emplace(tick, e);
    return *this;
}

Replay& Replay::Press(int tick, std::uint16_t key, unsigned shift)
{
    return At(tick, KeyDown(key, shift)).At(tick + 1, KeyUp(key, shift));
}

Replay& Replay::StartUp()
{
    if (!started_) {
        started_ = true;
        game.FormCreate();
        game.SeedRandom(seed_);
        game.SetupActors();
    }
    return *this;
}

template <class F>
void Replay::Guarded(F&& f)
{
    try {
        f();
    } catch (const GameError& e) {
        dialogs.ShowError(e.message());
    }
}

void Replay::Apply(const Event& e)
{
    Guarded([&] {
        switch (e.kind) {
        case Event::Kind::KeyDown: game.FormKeyDown(e.key, e.shift); break;
        case Event::Kind::KeyUp: game.FormKeyUp(e.key, e.shift); break;
        case Event::Kind::Countdown: game.Timer2Timer(); break;
        case Event::Kind::Menu:
            switch (e.item) {
            case MenuItem::KS1: game.KS1Click(); break;
            case MenuItem::K1: k1Checked = game.K1Click(k1Checked); break;
            case MenuItem::KQ1: game.KQ1Click(); break;
            case MenuItem::K2: k2Checked = game.K2Click(k2Checked); break;
            case MenuItem::KS2: ks2Checked = game.KS2Click(ks2Checked); break;
            }
            break;
        }
    });
}

void Replay::Step()
{
    StartUp();
    if (Closed())
        return;
    if (countdownEvery_ > 0 && now_ > 0 && now_ % countdownEvery_ == 0)
        Apply(Countdown());
    const auto [first, last] = script_.equal_range(now_);
    for (auto it = first; it != last; ++it)
        Apply(it->second);
    if (window.frameTimerOn) {
        canvas.Clear();
        if (beforeFrame)
            beforeFrame();
        Guarded([&] { game.Timer1Timer(); });
    }
    ++now_;
}

int Replay::Run(int periods)
{
    int ran = 0;
    for (; ran < periods && !Closed(); ++ran)
        Step();
    return ran;
}

int Replay::RunUntil(const std::function<bool()>& pred, int limit)
{
    for (int i = 0; i < limit && !Closed(); ++i) {
        const int period = now_;
        Step();
        if (pred())
            return period;
    }
    return -1;
}

ScratchDir::ScratchDir() : previous_(QDir::currentPath())
{
    if (!dir_.isValid() || !QDir::setCurrent(dir_.path()))
        throw std::runtime_error("cannot enter a scratch directory");
}

ScratchDir::~ScratchDir()
{
    QDir::setCurrent(previous_);
}

void ParkItems(OpenGame& game, int x, int y)
{
    for (int i = 1; i < kActorCount; ++i) {
        Actor& a = game.Actors()[static_cast<std::size_t>(i)];
        a.X = x;
        a.Y = y;
        a.Visible = 1;
    }
}

bool SameActor(const Actor& a, const Actor& b)
{
    return a.X == b.X && a.Y == b.Y && a.BaseImage == b.BaseImage && a.Image == b.Image &&
           a.Size == b.Size && a.StepX == b.StepX && a.StepY == b.StepY && a.Visible == b.Visible &&
           a.Ticks == b.Ticks && a.Mode == b.Mode && a.Points == b.Points;
}

} // namespace porimogu::testing

void porimogu::PrintTo(Beep b, std::ostream* os)
{
    *os << porimogu::testing::Name(b);
}

void porimogu::PrintTo(const Actor& a, std::ostream* os)
{
    *os << "{X " << a.X << ", Y " << a.Y << ", Base " << a.BaseImage << ", Image " << a.Image
        << ", Step " << a.StepX << "/" << a.StepY << ", Visible " << int(a.Visible) << ", Ticks "
        << a.Ticks << ", Mode " << int(a.Mode) << ", Points " << a.Points << "}";
}
