// Whole games played at random — keys, menu commands, speed changes and a music player
// that fails now and then — with the rules' invariants checked after every frame tick.
// PORIMOGU_SOAK_GAMES sets how many games (100 by default; the sanitizer run plays 10000).
#include "core/field.h"
#include "fakes/replay.h"
#include "core/scores.h"
#include "core/topsfile.h"

#include <gtest/gtest.h>

#include <QFile>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace porimogu::testing {
namespace {

using S = GameState;

// The moves the game-state step may make within one frame tick, from the state the
// time-up check left.
bool DocumentedMove(S from, S to)
{
    switch (from) {
    case S::Waiting: return to == S::Waiting || to == S::Playing;
    case S::Playing: return to == S::Playing || to == S::Paused;
    case S::Paused: return to == S::Paused || to == S::Playing;
    case S::Over: return to == S::Over || to == S::Waiting;
    }
    return false;
}

bool Inside(const Actor& a, int top, int bottom)
{
    return a.X >= 0 && a.X <= kFieldRight && a.Y >= top && a.Y <= bottom;
}

// The draw list holds exactly the visible actors, deepest last, in the used slots at
// its front.
std::string DrawListFault(const Game& game)
{
    using Sprite = std::tuple<std::int32_t, std::int32_t, std::int32_t, int>;
    std::vector<Sprite> visible;
    for (const Actor& a : game.Actors())
        if (a.Visible == 1)
            visible.emplace_back(a.Image, a.X, a.Y, a.Size);
    std::vector<Sprite> listed;
    const auto& list = game.DrawList();
    for (std::size_t i = 0; i < list.size(); ++i) {
        const DrawEntry& e = list[i];
        if (e.Used != 1)
            continue;
        if (i != listed.size())
            return "a gap in the draw list";
        if (i > 0 && list[i - 1].Key < e.Key)
            return "draw list out of depth order";
        listed.emplace_back(e.Image, e.X, e.Y, e.Size);
    }
    std::sort(visible.begin(), visible.end());
    std::sort(listed.begin(), listed.end());
    return visible == listed ? std::string() : "draw list does not hold exactly the visible actors";
}

const std::array<std::uint16_t, 10> kMoveKeys = {vk::Left, vk::Up, vk::Right, vk::Down, vk::Numpad2,
                                                 vk::Numpad4, vk::Numpad6, vk::Numpad8, 16, 65};
// Typed at the name prompt: fitting, too long, unencodable, line-breaking, empty.
const std::array<const char*, 6> kNames = {"ぽっけ", "Player,1", "あいうえおかきくけこさ", "é😀", "a\r\nb", ""};
// Frame intervals of the speed slider, in ms (the game's start value most often).
const std::array<int, 8> kIntervals = {2, 10, 25, 40, 40, 40, 70, 102};

class Soak {
public:
    explicit Soak(std::uint32_t seed) : rng_(seed) {}

    // Plays programs one after another until `games` games have ended; returns the
    // first broken rule with where it broke, or an empty text.
    std::string Play(int games)
    {
        while (ended_ < games) {
            const std::string fault = PlayProgram(games);
            if (!fault.empty())
                return fault;
        }
        return {};
    }

    long Ticks() const { return ticks_; }
    int Programs() const { return programs_; }

private:
    bool Chance(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(rng_) == 1; }
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    // One run of the program, from start-up until it closes or enough games have ended.
    std::string PlayProgram(int games)
    {
        ++programs_;
        Replay r;
        r.Seed(static_cast<std::uint32_t>(rng_())).CountdownEvery(25).StartUp();
        S before = S::Waiting;
        bool timeZero = false;
        std::size_t errors = 0;
        bool ticked = false;
        r.beforeFrame = [&] {
            before = r.game.State();
            timeZero = r.G().TimeLeft == 0;
            errors = r.dialogs.errors.size();
            ticked = true;
        };
        int periodsThisGame = 0;
        while (!r.Closed() && ended_ < games) {
            Drive(r);
            ticked = false;
            r.Step();
            if (++periodsThisGame > 500'000)
                return Where(r, "a game that never ends");
            if (!ticked)
                continue;
            ++ticks_;
            const S after = r.game.State();
            const S fromTimeUp = timeZero ? S::Over : before;
            if (timeZero && before != S::Playing && before != S::Over)
                return Where(r, "the time ran out while no game was played");
            if (!DocumentedMove(fromTimeUp, after))
                return Where(r, "an undocumented state change");
            if (r.Closed() && fromTimeUp != S::Waiting && fromTimeUp != S::Over)
                return Where(r, "the program closed in the middle of a game");
            if (!r.window.frameTimerOn)
                return Where(r, "the frame timer was left off");
            if (const std::string fault = TickFault(r, r.dialogs.errors.size() > errors); !fault.empty())
                return Where(r, fault);
            if (fromTimeUp == S::Over && (after == S::Waiting || r.Closed())) {
                ++ended_;
                periodsThisGame = 0;
            }
        }
        return {};
    }

    std::string TickFault(Replay& r, bool interrupted)
    {
        const auto& actors = r.game.Actors();
        if (!Inside(actors[0], 0, kFieldBottom))
            return "the player left the field";
        for (int i = 1; i < kActorCount; ++i) {
            const Actor& a = actors[static_cast<std::size_t>(i)];
            if (a.Mode == 5 ? !Inside(a, -6, 422) : !Inside(a, 0, kFieldBottom))
                return "item " + std::to_string(i) + " left the field";
        }
        if (r.G().Points < 0)
            return "points below 0";
        // A tick that a failing request cut short never built this tick's list.
        return interrupted ? std::string() : DrawListFault(r.game);
    }

    // What a restless child and a fiddling parent do in one frame period.
    void Drive(Replay& r)
    {
        const int now = r.Now();
        const S state = r.game.State();
        if (Chance(15)) {
            const std::uint16_t key = kMoveKeys[static_cast<std::size_t>(Pick(kMoveKeys.size()))];
            const unsigned shift = static_cast<unsigned>(Pick(8));
            r.At(now, Chance(2) ? KeyDown(key, shift) : KeyUp(key, shift));
        }
        if (Chance(state == S::Waiting ? 60 : 400))
            r.Press(now, vk::Return);
        // Escape while nothing is played ends the program: rare, so that games get played.
        if (Chance(state == S::Playing || state == S::Paused ? 800 : 5000))
            r.Press(now, vk::Escape);
        if (Chance(700))
            r.At(now, Click(static_cast<MenuItem>(Pick(5))));
        if (Chance(2500))
            r.At(now, Click(MenuItem::KQ1));
        if (Chance(3000))
            r.CountdownEvery(1000 / kIntervals[static_cast<std::size_t>(Pick(kIntervals.size()))]);
        if (Chance(1500)) {
            if (Chance(3))
                r.music.Heal();
            else if (Chance(2))
                r.music.FailAll();
            else
                r.music.FailOn(static_cast<MusicRequest>(Pick(4)));
        }
        if (Chance(50))
            r.dialogs.promptAnswer = QString::fromUtf8(kNames[static_cast<std::size_t>(Pick(kNames.size()))]);
    }

    std::string Where(Replay& r, const std::string& fault)
    {
        std::ostringstream out;
        out << fault << " (program " << programs_ << ", period " << r.Now() - 1 << ", state "
            << int(r.game.State()) << ", time " << r.G().TimeLeft << ", points " << r.G().Points << ")";
        for (const Actor& a : r.game.Actors()) {
            out << "\n  ";
            PrintTo(a, &out);
        }
        return out.str();
    }

    std::mt19937 rng_;
    int ended_ = 0;
    long ticks_ = 0;
    int programs_ = 0;
};

int SoakGames()
{
    const char* games = std::getenv("PORIMOGU_SOAK_GAMES");
    return games != nullptr && std::atoi(games) > 0 ? std::atoi(games) : 100;
}

TEST(Soak, RandomGamesKeepTheRulesAfterEveryTick)
{
    ScratchDir dir;
    ScoreList defaults;
    FillDefaults(defaults);
    TopsFile().Save(defaults);

    const int games = SoakGames();
    Soak soak(20261207);
    const std::string fault = soak.Play(games);
    EXPECT_EQ(fault, "");
    RecordProperty("ticks", std::to_string(soak.Ticks()));
    std::printf("%d games in %d programs, %ld frame ticks\n", games, soak.Programs(), soak.Ticks());

    // The recordings kept Tops.dat a whole score file.
    ScoreList after;
    TopsFile().Load(after);
    EXPECT_EQ(after.Count(), 11);
}

} // namespace
} // namespace porimogu::testing
