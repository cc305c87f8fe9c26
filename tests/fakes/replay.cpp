#include "fakes/replay.h"

namespace porimogu::testing {

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

void porimogu::PrintTo(const Actor& a, std::ostream* os)
{
    *os << "{X " << a.X << ", Y " << a.Y << ", Base " << a.BaseImage << ", Image " << a.Image
        << ", Step " << a.StepX << "/" << a.StepY << ", Visible " << int(a.Visible) << ", Ticks "
        << a.Ticks << ", Mode " << int(a.Mode) << ", Points " << a.Points << "}";
}
