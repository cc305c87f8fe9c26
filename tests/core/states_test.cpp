// The game states, the requests that move between them, the countdown, the keys and
// the status bar, each through whole frame ticks.
#include "fakes/replay.h"

#include <gtest/gtest.h>

using namespace porimogu;
using namespace porimogu::testing;

namespace {

constexpr auto W = GameState::Waiting;
constexpr auto P = GameState::Playing;
constexpr auto Z = GameState::Paused;
constexpr auto O = GameState::Over;

// A started program in the given state, items away from the player, one tick run so
// that the first tick's wait-counter reset is behind us.
void Enter(Replay& r, GameState s)
{
    r.StartUp();
    ParkItems(r.game);
    r.Run(1);
    r.game.SetState(s);
    r.G().WaitCount = 3;
    r.journal.clear();
}

Journal WithoutMusic(Journal j)
{
    std::erase_if(j, [](const std::string& e) { return e == "rewind" || e == "play" || e == "pause" || e == "stop"; });
    return j;
}

} // namespace

TEST(GameStates, EveryTransitionOfTheTable)
{
    const struct Row {
        GameState from;
        bool start, pause, waitZero;
        GameState to;
        bool quit;
        Journal journal;
    } rows[] = {
        {W, true, false, false, P, false, {"rewind", "play"}},
        {W, false, true, false, W, true, {"close"}},
        {W, false, false, true, W, false, {}},
        {P, true, false, false, P, false, {}},
        {P, false, true, false, Z, false, {"pause"}},
        {Z, true, false, false, P, false, {"play"}},
        {Z, false, true, false, Z, false, {}},
        {Z, false, false, true, Z, false, {}},
        {O, true, false, false, O, false, {}},
        {O, false, true, false, O, true, {"close"}},
        // both requests in one tick: start first, each test sees the state before it
        {W, true, true, false, P, false, {"rewind", "play"}},
        {P, true, true, false, Z, false, {"pause"}},
        {Z, true, true, false, Z, false, {"play", "pause"}},
        {O, true, true, false, O, true, {"close"}},
    };
    // Under the child lock Escape while no game runs ends nothing; all else is the same.
    for (auto [music, locked] : {std::pair{true, false}, {false, false}, {true, true}}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(::testing::Message() << "music " << music << " locked " << locked << " from "
                                              << int(row.from) << " start " << row.start << " pause " << row.pause
                                              << " wait0 " << row.waitZero);
            Replay r;
            Enter(r, row.from);
            if (locked)
                r.game.LockEscapeQuit();
            Journal journal = music ? row.journal : WithoutMusic(row.journal);
            if (locked)
                std::erase(journal, "close");
            r.G().MusicFlag = music;
            r.G().Points = 7;
            r.G().StartRequest = row.start;
            r.G().PauseRequest = row.pause;
            if (row.waitZero)
                r.G().WaitCount = 0;
            r.Step();
            EXPECT_EQ(r.game.State(), row.to);
            EXPECT_EQ(r.G().QuitFlag, row.quit && !locked);
            EXPECT_EQ(r.journal, journal);
            EXPECT_FALSE(r.G().StartRequest);
            EXPECT_FALSE(r.G().PauseRequest);
            EXPECT_EQ(r.G().WaitCount, row.waitZero ? 5 : 3);
            const bool newGame = row.from == W && row.start;
            EXPECT_EQ(r.G().TimeLeft, 81);
            EXPECT_EQ(r.G().Points, newGame ? 0 : 7);
        }
    }
}

TEST(GameStates, OverWithTheWaitCounterAtZeroRecordsAndReturnsToWaiting)
{
    ScratchDir dir;
    Replay r;
    Enter(r, O);
    r.G().TimeLeft = 0;
    r.G().Points = 345;
    r.G().WaitCount = 0;
    r.Step();
    EXPECT_EQ(r.game.State(), W);
    EXPECT_EQ(r.G().TimeLeft, 81);
    EXPECT_EQ(r.G().Points, 0);
    EXPECT_EQ(r.G().WaitCount, 5);
    EXPECT_EQ(r.dialogs.topLists, 1);
    EXPECT_TRUE(r.window.frameTimerOn);
    EXPECT_EQ(r.status.Label2(), QStringLiteral("Point: 0 点"));
}

TEST(GameStates, TimeUpEndsTheGameBeforeAnythingIsEaten)
{
    Replay r;
    Enter(r, P);
    r.G().TimeLeft = 0;
    r.Item(1).X = r.Player().X;
    r.Item(1).Y = r.Player().Y;
    r.Step();
    EXPECT_EQ(r.game.State(), O);
    EXPECT_EQ(r.Item(1).Visible, 1);
    EXPECT_EQ(r.G().Points, 0);
    EXPECT_EQ(r.status.Label1(), QStringLiteral("Time: 0 秒"));
    EXPECT_EQ(r.status.gauge, 0);
    EXPECT_EQ(r.status.Label3(), QStringLiteral("おわり！てをはなして"));
}

TEST(GameStates, QuitMenuFollowedByACountdownBeforeTheNextFrameStillEndsTheGame)
{
    Replay r;
    Enter(r, P);
    r.At(r.Now(), Click(MenuItem::KQ1)).At(r.Now(), Countdown());
    r.Step();
    EXPECT_EQ(r.game.State(), O);
    EXPECT_EQ(r.status.Label1(), QStringLiteral("Time: 0 秒"));
}

TEST(GameStates, TheQuitFlagClosesTheWindowYetTheTickRunsToItsEnd)
{
    Replay r;
    Enter(r, W);
    const int ticks = r.Player().Ticks;
    r.Press(r.Now(), vk::Escape);
    r.Run(5);
    EXPECT_EQ(r.window.closeRequests, 1);
    EXPECT_TRUE(r.canvas.Presented());
    EXPECT_EQ(r.Player().Ticks, ticks + 1);
    r.game.Timer1Timer();  // should another tick come before the program has ended
    EXPECT_EQ(r.window.closeRequests, 2);
}

// What the main window tells the rules at start-up: the start values, that the music
// cannot play, that the game cannot go on.
TEST(GameStates, StartUpCallsSetTheStartValuesSilenceTheMusicAndEndTheGame)
{
    Replay r;
    Enter(r, P);
    r.G().Points = 120;
    r.G().TimeLeft = 7;
    r.G().TrailFlag = true;
    r.G().MusicFlag = false;
    r.game.FormCreate();
    EXPECT_EQ(r.game.State(), W);
    EXPECT_EQ(r.G().Points, 0);
    EXPECT_EQ(r.G().TimeLeft, 81);
    EXPECT_TRUE(r.G().MusicFlag);
    EXPECT_FALSE(r.G().TrailFlag);

    r.game.MusicUnavailable();
    r.game.KS1Click();
    r.Run(1);
    EXPECT_EQ(r.game.State(), P);
    EXPECT_EQ(r.journal, Journal{}) << "no rewind, no play";

    r.game.RequestQuit();
    r.Run(1);
    EXPECT_TRUE(r.Closed());
}

TEST(GameStates, MenuCommandsActOnlyInTheirStates)
{
    for (GameState s : {W, P, Z, O}) {
        SCOPED_TRACE(int(s));
        Replay r;
        Enter(r, s);
        r.game.KS1Click();
        EXPECT_EQ(r.G().StartRequest, s == W);
        r.game.KQ1Click();
        EXPECT_EQ(r.G().TimeLeft, s == P ? 0 : 81);
    }

    Replay r;
    Enter(r, P);
    r.At(r.Now(), Click(MenuItem::K1));  // checks the item and pauses
    r.Step();
    EXPECT_EQ(r.game.State(), Z);
    EXPECT_TRUE(r.k1Checked);
    r.At(r.Now(), Click(MenuItem::K1));  // unchecks and resumes
    r.Step();
    EXPECT_EQ(r.game.State(), P);
    EXPECT_FALSE(r.k1Checked);

    Replay w;
    Enter(w, W);
    w.At(w.Now(), Click(MenuItem::K1)).At(w.Now() + 1, Click(MenuItem::K1));
    w.Run(1);
    EXPECT_EQ(w.game.State(), W) << "checked while waiting: nothing else";
    w.Run(1);
    EXPECT_EQ(w.game.State(), P) << "chosen twice while waiting: a new game";
}

TEST(GameStates, AFailingMusicRequestEndsTheTickWithTheStateAlreadyChanged)
{
    Replay r;
    Enter(r, W);
    r.Item(kWaveItem).X = 300;
    r.music.FailOn(MusicRequest::Play);
    const int ticks = r.Player().Ticks;
    const int stateUpdates = r.status.stateUpdates;
    r.Press(r.Now(), vk::Return);
    r.Step();
    EXPECT_EQ(r.game.State(), P);
    EXPECT_EQ(r.G().TimeLeft, 81);
    EXPECT_EQ(r.G().Points, 0);
    EXPECT_EQ(r.Item(kWaveItem).X, 0) << "items set up";
    EXPECT_EQ(r.Player().Ticks, ticks) << "the rest of the tick is skipped";
    EXPECT_FALSE(r.canvas.Presented());
    EXPECT_EQ(r.status.stateUpdates, stateUpdates);
    EXPECT_EQ(r.dialogs.errors, std::vector<QString>{QStringLiteral("MCI ﾃﾞﾊﾞｲｽがありません")});
    r.Step();
    EXPECT_EQ(r.game.State(), P);
    EXPECT_TRUE(r.canvas.Presented());

    // A failed pause leaves the game paused; a failed resume leaves it playing, and
    // its request, not yet cleared, is dropped by the next tick like any other.
    r.music.FailAll();
    r.G().PauseRequest = true;
    r.Step();
    EXPECT_EQ(r.game.State(), Z);
    EXPECT_TRUE(r.G().PauseRequest);
    r.music.requests.clear();
    r.Step();
    EXPECT_FALSE(r.G().PauseRequest);
    EXPECT_TRUE(r.music.requests.empty());

    r.G().StartRequest = true;
    r.Step();
    EXPECT_EQ(r.game.State(), P);
    EXPECT_TRUE(r.G().StartRequest);
    r.music.requests.clear();
    r.Step();
    EXPECT_FALSE(r.G().StartRequest);
    EXPECT_TRUE(r.music.requests.empty());
    EXPECT_EQ(r.dialogs.errors.size(), 3u);
}

TEST(GameStates, AFailedRecordingStillReturnsToWaitingWithTheFrameTimerOn)
{
    ScratchDir dir;
    Replay r;
    Enter(r, O);
    r.music.FailOn(MusicRequest::Stop);
    r.G().Points = 99;
    r.G().WaitCount = 0;
    r.Step();
    EXPECT_EQ(r.game.State(), W);
    EXPECT_EQ(r.G().TimeLeft, 81);
    EXPECT_EQ(r.G().Points, 0);
    EXPECT_TRUE(r.window.frameTimerOn);
    EXPECT_EQ(r.dialogs.errors.size(), 1u);
    r.Step();
    EXPECT_TRUE(r.canvas.Presented()) << "the game goes on";
}

TEST(GameStates, TrailModeKeepsTheFloorOnlyWhilePlaying)
{
    Replay r;
    Enter(r, W);
    r.At(r.Now(), Click(MenuItem::KS2));
    r.Step();
    EXPECT_TRUE(r.G().TrailFlag);
    EXPECT_TRUE(r.canvas.FloorResetAfterPresent()) << "waiting";

    r.Press(r.Now(), vk::Return);
    r.Step();
    ASSERT_EQ(r.game.State(), P);
    EXPECT_EQ(r.canvas.ops.front().op, FakeCanvas::Op::Background) << "a new game wipes the trails";
    EXPECT_FALSE(r.canvas.FloorResetAfterPresent());
    r.Step();
    EXPECT_FALSE(r.canvas.FloorResetAfterPresent());

    r.Press(r.Now(), vk::Escape);
    r.Step();
    EXPECT_TRUE(r.canvas.FloorResetAfterPresent()) << "paused in this tick";
    r.Press(r.Now(), vk::Return);
    r.At(r.Now() + 1, Click(MenuItem::KS2));
    r.Run(2);
    EXPECT_FALSE(r.G().TrailFlag);
    EXPECT_TRUE(r.canvas.FloorResetAfterPresent()) << "trail off while playing";
}

TEST(Countdown, WaitTextsCycle4To0WhileWaitingAndPaused)
{
    const std::vector<QString> cycle = {QStringLiteral("Wait: 4"), QStringLiteral("Wait: 3"), QStringLiteral("Wait: 2"),
                                        QStringLiteral("Wait: 1"), QStringLiteral("Wait: 0"), QStringLiteral("Wait: 4"),
                                        QStringLiteral("Wait: 3")};
    Replay r;
    r.CountdownEvery(25).Run(25 * 7 + 1);
    EXPECT_EQ(r.status.Label1History(), cycle);

    Replay p;
    p.CountdownEvery(25).Press(3, vk::Return).Press(10, vk::Escape).Run(25 * 7 + 1);
    ASSERT_EQ(p.game.State(), Z);
    auto expected = cycle;
    expected.insert(expected.begin(), QStringLiteral("Time: 81 秒"));
    EXPECT_EQ(p.status.Label1History(), expected);
}

TEST(Countdown, PlayingLowersTheTimeAndShowsIt)
{
    Replay r;
    Enter(r, W);
    r.Press(r.Now(), vk::Return);
    r.Step();
    EXPECT_EQ(r.status.Label1(), QStringLiteral("Time: 81 秒"));
    EXPECT_EQ(r.status.gauge, 81);
    EXPECT_EQ(r.status.Label3(), QStringLiteral("ｹﾞｰﾑ中  がんばれ！！"));
    r.G().WaitCount = 2;
    r.game.Timer2Timer();
    EXPECT_EQ(r.status.Label1(), QStringLiteral("Time: 80 秒"));
    EXPECT_EQ(r.G().WaitCount, 5);

    r.G().Points = 1234;
    r.Step();
    EXPECT_EQ(r.status.Label2(), QStringLiteral("Point: 1234 点"));

    // Paused: the frame tick leaves the time label and the gauge alone.
    r.Press(r.Now(), vk::Escape);
    r.Step();
    r.game.Timer2Timer();
    r.G().TimeLeft = 12;
    r.Step();
    EXPECT_EQ(r.status.Label1(), QStringLiteral("Wait: 4"));
    EXPECT_EQ(r.status.gauge, 80);
    EXPECT_EQ(r.status.Label3(), QStringLiteral("ｹﾞｰﾑ  ていし・・・"));
}

TEST(Keys, EachKeyDrivesItsOwnFlagAndNothingElse)
{
    Replay r;
    r.StartUp();
    Globals& g = r.G();
    // The flags in this order: start, pause, up, down, left, right.
    const auto flags = [&] {
        const Directions& d = g.DirectionFlags;
        return std::vector<bool>{g.StartRequest, g.PauseRequest, d.Up, d.Down, d.Left, d.Right};
    };
    const struct {
        std::uint16_t key;
        std::size_t flag;
    } table[] = {{13, 0}, {27, 1}, {38, 2}, {104, 2}, {40, 3}, {98, 3}, {37, 4}, {100, 4}, {39, 5}, {102, 5}};
    const std::vector<bool> none(6, false);
    for (const auto& row : table) {
        SCOPED_TRACE(row.key);
        r.game.FormKeyDown(row.key, 0);
        std::vector<bool> only = none;
        only[row.flag] = true;
        EXPECT_EQ(flags(), only) << "its flag and no other";
        r.game.FormKeyUp(row.key, 0);
        EXPECT_EQ(flags(), none);
    }
    for (int key : {32, 122, 96, 97, 99, 101, 103, 105, 65, 16, 17}) {
        r.game.FormKeyDown(static_cast<std::uint16_t>(key), 0);
        EXPECT_EQ(flags(), none) << key;
    }
    // Two keys share a flag: releasing either clears it.
    r.game.FormKeyDown(vk::Left, 0);
    r.game.FormKeyDown(vk::Numpad4, 0);
    r.game.FormKeyUp(vk::Numpad4, 0);
    EXPECT_FALSE(g.DirectionFlags.Left);
}

TEST(Keys, ShiftFlagMeansShiftAloneOnTheLastKeyEvent)
{
    Replay r;
    r.StartUp();
    const struct {
        bool down;
        std::uint16_t key;
        unsigned mods;
        bool shift;
    } events[] = {
        {true, 16, ssShift, true},          {false, 16, 0, false},
        {true, vk::Right, ssShift, true},   {true, 65, ssShift, true},
        {true, 16, ssShift | ssCtrl, false}, {true, 16, ssShift | ssAlt, false},
        {true, 16, ssShift, true},          {false, vk::Right, ssShift | ssCtrl, false},
    };
    for (const auto& e : events) {
        if (e.down)
            r.game.FormKeyDown(e.key, e.mods);
        else
            r.game.FormKeyUp(e.key, e.mods);
        EXPECT_EQ(r.G().ShiftFlag, e.shift) << e.key << " mods " << e.mods;
    }
}
