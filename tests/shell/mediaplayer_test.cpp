// The music player with the real FluidSynth, the installed SoundFont and the generated
// game.mid. No audio output is opened: time passes by rendering samples by hand.
#include "core/errors.h"
#include "audio/mediaplayer.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace porimogu {
namespace {

using Mode = TMediaPlayer::TMPModes;
using Notify = TMediaPlayer::TMPNotifyValues;

const QString kTune = QStringLiteral(PORIMOGU_ASSET_DIR "/game.mid");
constexpr int kRate = TMediaPlayer::kSampleRate;
constexpr float kSilence = 1e-4f;   // -80 dB: nothing at all sounds
// Silent to the ear: the room's echo may still fade, but far below hearing, at less than
// -60 dB of full scale (RMS) over the stretch listened to.
constexpr double kInaudibleRms = 1e-3;

MediaPlayerOptions ByHand()
{
    MediaPlayerOptions o;
    o.renderByHand = true;
    return o;
}

// Renders `seconds` of music and returns the loudest sample.
float Play(TMediaPlayer& p, double seconds) { return p.RenderSamples(int(seconds * kRate)); }

// Renders `seconds` of music and returns its root mean square over both channels.
double Rms(TMediaPlayer& p, double seconds)
{
    double energy = 0;
    const int frames = int(seconds * kRate);
    p.RenderSamples(frames, &energy);
    return std::sqrt(energy / (2.0 * frames));
}

int Ticks(const TMediaPlayer& p, double seconds) { return int(seconds * p.TicksPerSecond()); }

// The message of the EMCIDeviceError that `request` throws, or "" when it throws none.
QString ErrorOf(const std::function<void()>& request)
{
    try {
        request();
    } catch (const EMCIDeviceError& e) {
        return e.message();
    }
    return {};
}

class MediaPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::exists(kTune)) << "build the game_mid target first";
        ASSERT_TRUE(dir_.isValid());
        old_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
    }
    void TearDown() override { QDir::setCurrent(old_); }

    // A file named game.mid in the working directory, as the game opens it.
    static void WriteGameMid(const QByteArray& bytes)
    {
        QFile f(QStringLiteral("game.mid"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    static QByteArray Tune()
    {
        QFile f(kTune);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
    static void OpenTune(TMediaPlayer& p)
    {
        p.FileName = kTune;
        p.OpenMedia();
    }

    QTemporaryDir dir_;
    QString old_;
};

// Opening after a preparation gives what opening alone gives, failures included, and a
// preparation of another file than the one opened is not used.
TEST_F(MediaPlayerTest, OpenAfterPrepareTakesItsResultOnlyForTheSameFile)
{
    struct Case {
        const char* what;
        QByteArray prepared;   // game.mid while preparing; the one opened is the tune
        bool renameBeforeOpen;
        QString error;
    };
    const QString notMidi = QStringLiteral("game.mid は MIDI データではありません");
    const Case cases[] = {
        {"the tune", Tune(), false, QString()},
        {"a text file", "hello", false, notMidi},
        {"a text file, then another name", "hello", true, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteGameMid(c.prepared);
        TMediaPlayer p(ByHand());
        p.FileName = QStringLiteral("game.mid");
        p.Prepare();
        if (c.renameBeforeOpen)
            p.FileName = kTune;
        EXPECT_EQ(ErrorOf([&] { p.OpenMedia(); }), c.error);
        EXPECT_EQ(p.DeviceOpen(), c.error.isEmpty());
        if (p.DeviceOpen()) {
            p.PlayMedia();
            EXPECT_GT(Play(p, 2), 0.02f);
        }
    }
    TMediaPlayer abandoned(ByHand());
    abandoned.FileName = kTune;
    abandoned.Prepare();   // freed while preparing: nothing is left running
}

TEST_F(MediaPlayerTest, PlayAdvancesPauseHoldsResumeContinuesRewindStartsAtZero)
{
    TMediaPlayer p(ByHand());
    QSignalSpy notices(&p, &TMediaPlayer::Notify);
    OpenTune(p);
    EXPECT_TRUE(p.DeviceOpen());
    EXPECT_EQ(p.Mode(), Mode::mpStopped);
    EXPECT_EQ(p.Position(), 0);
    EXPECT_LT(Play(p, 1), kSilence) << "an open player is silent until played";

    p.PlayMedia();
    EXPECT_EQ(p.Mode(), Mode::mpPlaying);
    EXPECT_GT(Play(p, 2), 0.02f);
    EXPECT_NEAR(p.Position(), Ticks(p, 2), 10);

    p.PauseMedia();
    EXPECT_EQ(p.Mode(), Mode::mpPaused);
    EXPECT_EQ(notices.count(), 1);
    EXPECT_EQ(p.NotifyValue(), Notify::nvAborted);
    const int paused = p.Position();
    Play(p, 0.01);   // the notes cut off fade out within a few milliseconds, without a click
    EXPECT_LT(Rms(p, 0.5), kInaudibleRms) << "silent to the ear at once: no echo rings on";
    EXPECT_LT(Play(p, 2), kSilence) << "no note sounds while paused";
    EXPECT_EQ(p.Position(), paused);

    p.PlayMedia();
    EXPECT_GT(Play(p, 1), 0.02f);
    EXPECT_NEAR(p.Position(), paused + Ticks(p, 1), 10) << "resumes where it paused";

    // Stop keeps the place too; a second play while playing supersedes the first.
    p.StopMedia();
    EXPECT_EQ(p.Mode(), Mode::mpStopped);
    const int stopped = p.Position();
    p.PlayMedia();
    p.PlayMedia();
    EXPECT_EQ(p.NotifyValue(), Notify::nvSuperseded);
    Play(p, 0.5);
    EXPECT_NEAR(p.Position(), stopped + Ticks(p, 0.5), 10);

    p.RewindMedia();
    EXPECT_EQ(p.Mode(), Mode::mpStopped);
    EXPECT_EQ(p.Position(), 0);
    Play(p, 1);
    EXPECT_EQ(p.Position(), 0) << "rewind leaves the device stopped";
    p.PlayMedia();
    Play(p, 0.5);
    EXPECT_NEAR(p.Position(), Ticks(p, 0.5), 10);
    EXPECT_EQ(p.Error(), 0);
}

TEST_F(MediaPlayerTest, TheEndIsNoticedNothingRepeatsAndPlayStartsAgainFromTheBeginning)
{
    TMediaPlayer p(ByHand());
    QSignalSpy notices(&p, &TMediaPlayer::Notify);
    OpenTune(p);
    p.PlayMedia();

    // The end is the moment the last event has played, however long the echo of the
    // last notes takes to fade.
    constexpr double kStep = 0.25;
    double seconds = 0;
    while (p.Mode() == Mode::mpPlaying && seconds < 120) {
        Play(p, kStep);
        seconds += kStep;
    }
    EXPECT_EQ(p.Mode(), Mode::mpStopped);
    EXPECT_NEAR(seconds, p.Length() / p.TicksPerSecond(), kStep + 0.01);
    ASSERT_EQ(notices.count(), 1);
    EXPECT_EQ(p.NotifyValue(), Notify::nvSuccessful);
    EXPECT_EQ(p.Position(), p.Length());
    Play(p, 1);
    EXPECT_LT(Rms(p, 5), kInaudibleRms) << "silent after the end: no repeat";
    EXPECT_EQ(p.Position(), p.Length());
    EXPECT_EQ(notices.count(), 1);

    // A pause at the end changes nothing; the next play starts the tune afresh.
    p.PauseMedia();
    p.PlayMedia();
    EXPECT_GT(Play(p, 1.5), 0.02f);
    EXPECT_NEAR(p.Position(), Ticks(p, 1.5), 10);

    // Without AutoRewind a play at the end is over at once.
    TMediaPlayer q(ByHand());
    QSignalSpy qNotices(&q, &TMediaPlayer::Notify);
    q.AutoRewind = false;
    OpenTune(q);
    q.PlayMedia();
    for (int i = 0; i < 240 && q.Mode() == Mode::mpPlaying; ++i)
        Play(q, 0.5);
    q.PlayMedia();
    EXPECT_EQ(qNotices.count(), 2);
    EXPECT_EQ(q.NotifyValue(), Notify::nvSuccessful);
    EXPECT_LT(Rms(q, 1), kInaudibleRms);
    EXPECT_EQ(q.Position(), q.Length());
    EXPECT_EQ(q.Mode(), Mode::mpStopped);
}

TEST_F(MediaPlayerTest, RequestsToAClosedPlayerRaiseNotOpenAndTouchNothing)
{
    const QString notOpen = QStringLiteral("MCI ﾃﾞﾊﾞｲｽがありません");
    auto expectUntouched = [&](TMediaPlayer& p, QSignalSpy& notices, int error) {
        EXPECT_EQ(ErrorOf([&] { p.PlayMedia(); }), notOpen);
        EXPECT_EQ(ErrorOf([&] { p.PauseMedia(); }), notOpen);
        EXPECT_EQ(ErrorOf([&] { p.StopMedia(); }), notOpen);
        EXPECT_EQ(ErrorOf([&] { p.RewindMedia(); }), notOpen);
        EXPECT_EQ(ErrorOf([&] { p.CloseMedia(); }), QString()) << "closing a closed player is no request";
        EXPECT_FALSE(p.DeviceOpen());
        EXPECT_EQ(p.Mode(), Mode::mpNotReady);
        EXPECT_EQ(p.Error(), error);
        EXPECT_EQ(p.RenderSamples(kRate), 0.0f);
        EXPECT_EQ(notices.count(), 0);
    };

    // Never opened: the game without game.mid.
    {
        TMediaPlayer p(ByHand());
        QSignalSpy notices(&p, &TMediaPlayer::Notify);
        p.FileName = QStringLiteral("game.mid");
        expectUntouched(p, notices, 0);
    }
    // An open that failed leaves the player closed, and freeing it closes nothing.
    {
        auto p = std::make_unique<TMediaPlayer>(ByHand());
        QSignalSpy notices(p.get(), &TMediaPlayer::Notify);
        WriteGameMid("not music");
        p->FileName = QStringLiteral("game.mid");
        EXPECT_NE(ErrorOf([&] { p->OpenMedia(); }), QString());
        expectUntouched(*p, notices, TMediaPlayer::errNotMidi);
        p.reset();
    }
    // A failed reopen closes the device that was open.
    {
        TMediaPlayer p(ByHand());
        OpenTune(p);
        p.PlayMedia();
        Play(p, 0.5);
        QSignalSpy notices(&p, &TMediaPlayer::Notify);
        WriteGameMid("");
        p.FileName = QStringLiteral("game.mid");
        EXPECT_NE(ErrorOf([&] { p.OpenMedia(); }), QString());
        EXPECT_EQ(notices.count(), 1) << "the running play was aborted by the close";
        notices.clear();
        expectUntouched(p, notices, TMediaPlayer::errNotMidi);
    }
}

TEST_F(MediaPlayerTest, OpenFailuresSayWhatIsMissing)
{
    const QByteArray tune = Tune();
    struct Case {
        const char* what;
        QByteArray file;            // written as game.mid; null: no file at all
        MediaPlayerOptions options;
        int code;
        QString message;
    };
    MediaPlayerOptions noSoundFont = ByHand();
    noSoundFont.soundFonts = {QStringLiteral("/nonexistent/default-GM.sf2"), QStringLiteral("fake.sf2")};
    MediaPlayerOptions noOutput;
    noOutput.audioDrivers = {QStringLiteral("no-such-output")};
    MediaPlayerOptions noDrivers;
    noDrivers.audioDrivers = {};
    const QString notMidi = QStringLiteral("game.mid は MIDI データではありません");
    const QString broken = QStringLiteral("game.mid の MIDI データが こわれています");
    const Case cases[] = {
        {"missing file", QByteArray(), ByHand(), TMediaPlayer::errCannotRead, QStringLiteral("game.mid が よめません")},
        {"empty file", QByteArray(""), ByHand(), TMediaPlayer::errNotMidi, notMidi},
        {"text file", QByteArray("t120 o4 l8 cdefgab\n"), ByHand(), TMediaPlayer::errNotMidi, notMidi},
        {"header only", tune.left(14), ByHand(), TMediaPlayer::errBrokenMidi, broken},
        {"truncated", tune.left(tune.size() / 2), ByHand(), TMediaPlayer::errBrokenMidi, broken},
        {"no SoundFont", tune, noSoundFont, TMediaPlayer::errNoSoundFont,
         QStringLiteral("音楽用の音色データ (SoundFont) が見つかりません")},
        {"no audio output", tune, noOutput, TMediaPlayer::errNoAudioOutput, QStringLiteral("音を出す装置が使えません")},
        {"no outputs to try", tune, noDrivers, TMediaPlayer::errNoAudioOutput,
         QStringLiteral("音を出す装置が使えません")},
    };
    {
        QFile fake(QStringLiteral("fake.sf2"));
        ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
        fake.write("not a SoundFont");
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(QStringLiteral("game.mid"));
        if (!c.file.isNull())
            WriteGameMid(c.file);
        TMediaPlayer p(c.options);
        p.FileName = QStringLiteral("game.mid");
        EXPECT_EQ(ErrorOf([&] { p.OpenMedia(); }), c.message);
        EXPECT_FALSE(p.DeviceOpen());
        EXPECT_EQ(p.Error(), c.code);
    }

    // The same bytes open fine by hand: the failures above are the file's or the
    // machine's, not the player's.
    WriteGameMid(tune);
    TMediaPlayer p(ByHand());
    p.FileName = QStringLiteral("game.mid");
    p.OpenMedia();
    EXPECT_TRUE(p.DeviceOpen());
    EXPECT_EQ(p.Error(), 0);
    p.CloseMedia();
    EXPECT_FALSE(p.DeviceOpen());
    EXPECT_EQ(ErrorOf([&] { p.PlayMedia(); }), QStringLiteral("MCI ﾃﾞﾊﾞｲｽがありません"));
}

} // namespace
} // namespace porimogu
