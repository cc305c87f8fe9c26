// The end of a game: ranking, the name prompt, the new line in Tops.dat, the top list,
// and the way back to waiting when any of it fails.
#include "core/datetext.h"
#include "core/game.h"
#include "fakes/opengame.h"
#include "fakes/ports.h"
#include "fakes/scorefiles.h"

#include <functional>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

using namespace porimogu;
using namespace porimogu::scorefiles;
using namespace porimogu::testing;

namespace {

using Log = Journal;

// The window, the music player and the dialogs as RecordScore sees them; every call
// goes into one log in order.
struct Shell {
    Log log;
    FakeWindow window{log};
    FakeMusic music{log};
    FakeDialogs dialogs{log};
    Ports PortsOf() { return Ports{nullptr, nullptr, nullptr, &music, &window, &dialogs}; }
};

class RecordScore : public InScratchDir {
protected:
    void SetUp() override
    {
        InScratchDir::SetUp();
        game_.G().SetDefaults();
        SetDateTextSource([this] { return today_; }, [] { return DateTextLocaleFor(QLocale::c()); });
    }
    void TearDown() override
    {
        SetDateTextSource({}, {});
        InScratchDir::TearDown();
    }

    // A finished game with `points`, recorded as the game loop does it.
    void EndGame(std::int32_t points)
    {
        log_.clear();
        game_.SetState(GameState::Over);
        game_.G().Points = points;
        game_.G().WaitCount = 0;
        game_.UpdateGameState();
    }
    void WriteDefaults() { WriteAll("Tops.dat", FileOf(DefaultScoreLines())); }
    QList<QByteArray> Lines() { return ScoreList::SplitText(ReadAll("Tops.dat")); }
    void ExpectWaitingWithTimerOn()
    {
        EXPECT_EQ(game_.State(), GameState::Waiting);
        EXPECT_EQ(game_.G().TimeLeft, 81);
        EXPECT_EQ(game_.G().Points, 0);
        EXPECT_EQ(game_.G().WaitCount, 5);
        EXPECT_TRUE(shell_.window.frameTimerOn);
    }

    QDate today_{1997, 11, 21};
    Shell shell_;
    Log& log_ = shell_.log;
    FakeDialogs& dialogs_ = shell_.dialogs;
    OpenGame game_{shell_.PortsOf()};
};

} // namespace

TEST_F(RecordScore, WithoutTopsDatNothingIsAskedOrWrittenAndTheTopListShows)
{
    EndGame(5000);
    EXPECT_EQ(log_, (Log{"timer off", "stop", "toplist", "timer on"}));
    EXPECT_FALSE(QFile::exists("Tops.dat"));
    ExpectWaitingWithTimerOn();

    game_.G().MusicFlag = false;
    EndGame(5000);
    EXPECT_EQ(log_, (Log{"timer off", "toplist", "timer on"}));
}

TEST_F(RecordScore, OnlyMorePointsThanTheSecondLineQualify)
{
    WriteDefaults();
    EndGame(100);
    EXPECT_EQ(log_, (Log{"timer off", "stop", "toplist", "timer on"}));
    EXPECT_EQ(ReadAll("Tops.dat"), FileOf(DefaultScoreLines()));

    QByteArray fileAtTopList;
    dialogs_.onTopList = [&] { fileAtTopList = ReadAll("Tops.dat"); };
    EndGame(101);
    EXPECT_EQ(log_, (Log{"timer off", "stop", "prompt", "toplist", "timer on"}));
    EXPECT_EQ(dialogs_.asked, (QStringList{"EnterName", "なまえをいれよう", "ぽっけ"}));
    QList<QByteArray> expected = DefaultScoreLines().mid(1);
    expected.append("00101,97/11/21," + Sjis("ぽっけ"));
    EXPECT_EQ(ReadAll("Tops.dat"), FileOf(expected));
    EXPECT_EQ(fileAtTopList, FileOf(expected));  // written before the top list opens
    ExpectWaitingWithTimerOn();
}

TEST_F(RecordScore, TheLineIsPointsDateOfNowAndName)
{
    WriteDefaults();
    dialogs_.promptAnswer = QStringLiteral("abc");
    dialogs_.onPrompt = [this] { today_ = QDate(1997, 11, 22); };  // midnight while typing
    EndGame(1234);
    EXPECT_EQ(Lines().last(), QByteArray("01234,97/11/22,abc"));
    EXPECT_EQ(game_.G().PlayerName, QByteArray("abc"));
}

TEST_F(RecordScore, CancelRecordsTheRememberedName)
{
    WriteDefaults();
    EndGame(500);  // cancelled
    EXPECT_EQ(Lines().last(), "00500,97/11/21," + Sjis("ぽっけ"));

    dialogs_.promptAnswer = QStringLiteral("みき");
    EndGame(600);
    EXPECT_EQ(Lines().last(), "00600,97/11/21," + Sjis("みき"));

    dialogs_.promptAnswer.reset();
    EndGame(700);
    EXPECT_EQ(dialogs_.asked.value(2), QStringLiteral("みき"));
    EXPECT_EQ(Lines().last(), "00700,97/11/21," + Sjis("みき"));
    EXPECT_EQ(Lines().size(), 11);
}

TEST_F(RecordScore, NamesOfOneTo21ShiftJisBytesAreTakenOthersGiveTheRememberedOne)
{
    struct Case {
        QString typed;
        bool accepted;
    };
    const Case cases[] = {
        {QString(21, u'a'), true},
        {QString(22, u'a'), false},
        {QString(10, u'あ'), true},   // 20 bytes
        {QString(11, u'あ'), false},  // 22 bytes
        {QString(21, u'ｶ'), true},   // half-width katakana: one byte each
        {QString(10, u'あ') + u'ｶ', true},
        {QString(), false},
        {QStringLiteral("a,b"), true},  // stored whole; readers see "a"
        {QStringLiteral("a\nb"), false},  // would split the line
        {QStringLiteral("caf\u00e9"), false},  // no Shift-JIS for it
    };
    for (const Case& c : cases) {
        WriteDefaults();
        game_.G().PlayerName = Sjis("ぽっけ");
        dialogs_.promptAnswer = c.typed;
        EndGame(2000);
        const QByteArray stored = Lines().last().mid(15);
        EXPECT_EQ(stored, c.accepted ? ToShiftJis(c.typed).value() : Sjis("ぽっけ")) << c.typed.toStdString();
        EXPECT_EQ(game_.G().PlayerName, stored);
    }
}

// An unsorted file once lost a top-ten score.
TEST_F(RecordScore, RanksAndDropsByTheSortedOrderWhateverTheFilesOrder)
{
    // Appended order, as the top list's close box leaves it: sorted, the tenth place
    // shown holds 350 and the line below it 250.
    QList<QByteArray> stored;
    for (int points : {400, 430, 500, 600, 700, 800, 900, 1000, 1100, 250, 350})
        stored.append(ZeroPad(points, 5) + ",97/11/21,p" + QByteArray::number(points));
    WriteAll("Tops.dat", FileOf(stored));
    EndGame(350);  // not more than the tenth place
    EXPECT_EQ(ReadAll("Tops.dat"), FileOf(stored));
    EXPECT_EQ(log_, (Log{"timer off", "stop", "toplist", "timer on"}));

    dialogs_.promptAnswer = QStringLiteral("abc");
    EndGame(420);  // beats the tenth place: once refused against the stored 430
    QList<QByteArray> expected;
    for (int points : {350, 400, 430, 500, 600, 700, 800, 900, 1000, 1100})
        expected.append(ZeroPad(points, 5) + ",97/11/21,p" + QByteArray::number(points));
    expected.append("00420,97/11/21,abc");  // the 250 line goes, the 400 line stays
    EXPECT_EQ(ReadAll("Tops.dat"), FileOf(expected));
}

TEST_F(RecordScore, ABrokenFileMayBeKeptAsideAndTheScoreStillCounts)
{
    const QByteArray broken = "00100,97/11/21,x\r\n";
    WriteAll("Tops.dat", broken);
    EndGame(5000);  // "no": nothing changes, and no top list follows the error
    EXPECT_EQ(log_, (Log{"timer off", "stop", "error", "confirm", "timer on"}));
    EXPECT_EQ(dialogs_.questions,
              std::vector<QString>{QStringLiteral("Tops.dat を Tops.dat.bad という なまえで のこして、せいせきを はじめから つけなおしますか?")});
    EXPECT_EQ(ReadAll("Tops.dat"), broken);
    EXPECT_FALSE(QFile::exists("Tops.dat.bad"));
    ExpectWaitingWithTimerOn();

    // "yes": the file is kept under a free name and the game is ranked on a fresh list.
    WriteAll("Tops.dat.bad", "older");
    dialogs_.yes = true;
    dialogs_.promptAnswer = QStringLiteral("abc");
    EndGame(5000);
    EXPECT_EQ(log_, (Log{"timer off", "stop", "error", "confirm", "prompt", "toplist", "timer on"}));
    EXPECT_TRUE(dialogs_.questions.back().contains(QStringLiteral("Tops.dat.bad2")));
    EXPECT_EQ(ReadAll("Tops.dat.bad2"), broken);
    EXPECT_EQ(ReadAll("Tops.dat.bad"), "older");
    QList<QByteArray> fresh = DefaultScoreLines().mid(1);
    fresh.append("05000,97/11/21,abc");
    EXPECT_EQ(ReadAll("Tops.dat"), FileOf(fresh));
    ExpectWaitingWithTimerOn();
}

TEST_F(RecordScore, AFailedSaveIsReportedAndLeavesTheFileAndTheGameWhole)
{
    WriteDefaults();
    const QByteArray before = ReadAll("Tops.dat");
    dialogs_.promptAnswer = QStringLiteral("abc");
    {
        ReadOnlyDir guard(dir_.path());
        if (!guard.Holds())
            GTEST_SKIP() << "cannot make a directory read-only here";
        EndGame(3000);
    }
    EXPECT_EQ(dialogs_.errors, std::vector<QString>{QStringLiteral("ﾌｧｲﾙ Tops.dat を作成できません")});
    EXPECT_EQ(ReadAll("Tops.dat"), before);
    EXPECT_EQ(game_.G().PlayerName, Sjis("ぽっけ"));
    EXPECT_EQ(log_, (Log{"timer off", "stop", "prompt", "error", "timer on"}));
    ExpectWaitingWithTimerOn();
}

TEST_F(RecordScore, ABrokenFileOrPlayerIsReportedAndTheGameStillReturnsToWaiting)
{
    struct Case {
        QByteArray file;
        bool asDirectory;
        QString error;
    };
    const Case cases[] = {
        {"00100,97/11/21,x\r\n", false, QStringLiteral("ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています")},
        {"00100,a,b\r\nabc,97/11/21,x\r\n", false, QStringLiteral("'abc' は整数ではありません")},
        {{}, true, QStringLiteral("ﾌｧｲﾙ Tops.dat は開けません")},
    };
    for (const Case& c : cases) {
        QFile::remove("Tops.dat");
        QDir().rmdir("Tops.dat");
        if (c.asDirectory)
            ASSERT_TRUE(QDir().mkdir("Tops.dat"));
        else
            WriteAll("Tops.dat", c.file);
        dialogs_.errors.clear();
        EndGame(5000);
        EXPECT_EQ(dialogs_.errors, std::vector<QString>{c.error});
        EXPECT_EQ(log_, (Log{"timer off", "stop", "error", "confirm", "timer on"}));
        ExpectWaitingWithTimerOn();
    }

    QDir().rmdir("Tops.dat");
    shell_.music.FailOn(MusicRequest::Stop);
    dialogs_.errors.clear();
    EndGame(5000);
    EXPECT_EQ(dialogs_.errors, std::vector<QString>{QStringLiteral("MCI ﾃﾞﾊﾞｲｽがありません")});
    ExpectWaitingWithTimerOn();
}

// Running out of memory once left the game standing still.
TEST_F(RecordScore, AnyFailureWhateverIsSaidAndTheGameWaitsAgain)
{
    struct Case {
        const char* where;
        std::function<void()> fault;
        QString error;
    };
    const Case cases[] = {
        {"prompt", [] { throw std::bad_alloc(); }, QStringLiteral("std::bad_alloc")},
        {"prompt", [] { throw std::runtime_error("disk on fire"); }, QStringLiteral("disk on fire")},
        {"toplist", [] { throw 42; }, QStringLiteral("不明なエラー")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        WriteDefaults();
        const QByteArray before = ReadAll("Tops.dat");
        dialogs_.onPrompt = std::string(c.where) == "prompt" ? c.fault : nullptr;
        dialogs_.onTopList = std::string(c.where) == "toplist" ? c.fault : nullptr;
        dialogs_.errors.clear();
        EndGame(5000);
        EXPECT_EQ(dialogs_.errors, std::vector<QString>{c.error});
        EXPECT_EQ(log_.back(), "timer on");
        EXPECT_EQ(log_.end()[-2], "error");
        if (std::string(c.where) == "prompt") {
            EXPECT_EQ(ReadAll("Tops.dat"), before);
        }
        ExpectWaitingWithTimerOn();
    }
}

// Missing music once lost the score.
TEST_F(RecordScore, AMusicStopThatFailsIsSaidAndTheScoreIsStillRecorded)
{
    WriteDefaults();
    shell_.music.FailOn(MusicRequest::Stop);
    dialogs_.promptAnswer = QStringLiteral("abc");
    EndGame(5000);
    EXPECT_EQ(dialogs_.errors, std::vector<QString>{QStringLiteral("MCI ﾃﾞﾊﾞｲｽがありません")});
    EXPECT_EQ(log_, (Log{"timer off", "stop", "error", "prompt", "toplist", "timer on"}));
    EXPECT_TRUE(ReadAll("Tops.dat").contains(",abc\r\n"));
    ExpectWaitingWithTimerOn();
}

namespace {

// The top list's OK as the dialog runs it, for a list loaded when it opened.
void PressOk(ScoreList shown)
{
    TopsFile().SaveSorted(shown, {});
}

ScoreList ShownNow()
{
    ScoreList lines;
    TopsFile().LoadForShowing(lines);
    return lines;
}

} // namespace

TEST_F(RecordScore, TwoGamesAndAnOldTopListInterleavedKeepEveryName)
{
    // Both name prompts open at once, and a top list opened before either game ended:
    // whatever closes last, no recorded name is undone.
    WriteDefaults();
    const ScoreList openedEarlier = ShownNow();
    Shell otherShell;
    OpenGame other{otherShell.PortsOf()};
    other.G().SetDefaults();
    otherShell.dialogs.promptAnswer = QStringLiteral("bbb");
    otherShell.dialogs.onTopList = [] { PressOk(ShownNow()); };
    dialogs_.promptAnswer = QStringLiteral("aaa");
    dialogs_.onPrompt = [&] {
        other.SetState(GameState::Over);
        other.G().Points = 750;
        other.UpdateGameState();
        PressOk(openedEarlier);
    };
    dialogs_.onTopList = [] { PressOk(ShownNow()); };
    EndGame(650);

    QList<QByteArray> expected = DefaultScoreLines().mid(2);
    expected.insert(5, "00650,97/11/21,aaa");
    expected.insert(7, "00750,97/11/21,bbb");
    EXPECT_EQ(ReadAll("Tops.dat"), FileOf(expected));
    EXPECT_EQ(game_.G().PlayerName, "aaa");
    ExpectWaitingWithTimerOn();
}

TEST_F(RecordScore, TheLineJoinsTheFileAsItIsWhenTheNameIsGiven)
{
    const QByteArray broken = "00100,97/11/21,x\r\n";
    QList<QByteArray> better = DefaultScoreLines().mid(2);
    better.append({"00800,97/11/21,p", "00900,97/11/21,q"});
    struct Case {
        const char* meanwhile;
        std::function<void()> change;
        bool yes;
        QList<QByteArray> expected;  // empty: the file as `change` left it
    };
    QList<QByteArray> fresh = DefaultScoreLines().mid(1);
    fresh.append("00150,97/11/21,abc");
    const Case cases[] = {
        {"the file was removed", [] { QFile::remove("Tops.dat"); }, false, fresh},
        {"it broke, kept aside", [&] { WriteAll("Tops.dat", broken); }, true, fresh},
        {"it broke, left alone", [&] { WriteAll("Tops.dat", broken); }, false, {}},
        {"better scores came", [&] { WriteAll("Tops.dat", FileOf(better)); }, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.meanwhile);
        QFile::remove("Tops.dat.bad");
        WriteDefaults();
        dialogs_.promptAnswer = QStringLiteral("abc");
        dialogs_.yes = c.yes;
        QByteArray left;
        dialogs_.onPrompt = [&] {
            c.change();
            left = ReadAll("Tops.dat");
        };
        EndGame(150);
        EXPECT_EQ(ReadAll("Tops.dat"), c.expected.isEmpty() ? left : FileOf(c.expected));
        if (c.yes) {
            EXPECT_EQ(ReadAll("Tops.dat.bad"), broken);
        }
        ExpectWaitingWithTimerOn();
    }
}
