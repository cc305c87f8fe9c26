// The music reaches a real sound server (a private PulseAudio with a null sink) only
// while it plays: nothing is rendered or sent while the game waits, is paused, or after
// a stop or rewind. Counts the output's writes; nothing here is timed.
#include "fakes/shellfakes.h"
#include "fakes/boxanswerer.h"
#include "window/mainform.h"
#include "core/errors.h"
#include "audio/mediaplayer.h"
#include "audio/musicoutput.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <memory>

namespace porimogu {
namespace {

const QString kTune = QStringLiteral(PORIMOGU_ASSET_DIR "/game.mid");
const QString kSheet = QStringLiteral(PORIMOGU_ASSET_DIR "/game.bmp");

// Processes events until pred() holds, for at most `limitMs`.
bool WaitFor(const std::function<bool()>& pred, int limitMs = 20000)
{
    return QTest::qWaitFor(pred, limitMs);
}

class MusicOutputTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const QString exe = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        ASSERT_FALSE(exe.isEmpty()) << "pulseaudio is needed (scripts/install-deps installs it)";
        server_ = new QTemporaryDir;
        const QString dir = server_->path();
        const QString socket = dir + QStringLiteral("/native");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"})
            env.insert(QString::fromLatin1(name), dir);
        pulse_ = new QProcess;
        pulse_->setProcessEnvironment(env);
        pulse_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        pulse_->start(exe, {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                            QStringLiteral("--use-pid-file=no"), QStringLiteral("--log-target=stderr"),
                            QStringLiteral("--log-level=error"),
                            QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socket,
                            QStringLiteral("--load=module-null-sink")});
        ASSERT_TRUE(pulse_->waitForStarted(10000));
        ASSERT_TRUE(WaitFor([&] { return QFile::exists(socket); })) << "the sound server did not start";
        qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
    }
    static void TearDownTestSuite()
    {
        qunsetenv("PULSE_SERVER");
        if (pulse_) {
            pulse_->terminate();
            pulse_->waitForFinished(10000);
        }
        delete pulse_;
        pulse_ = nullptr;
        delete server_;
        server_ = nullptr;
    }

    // The writes seen after the output has had time to ask for more; they must not grow.
    static void ExpectNoWrites(const TMediaPlayer& p, const char* when)
    {
        const long long before = p.OutputWrites();
        QTest::qWait(300);
        EXPECT_EQ(p.OutputWrites(), before) << "music sent while " << when;
    }
    static void ExpectWrites(const TMediaPlayer& p, const char* when)
    {
        const long long before = p.OutputWrites();
        EXPECT_TRUE(WaitFor([&] { return p.OutputWrites() > before + 2; })) << "no music sent while " << when;
    }

    static QTemporaryDir* server_;
    static QProcess* pulse_;
};

QTemporaryDir* MusicOutputTest::server_ = nullptr;
QProcess* MusicOutputTest::pulse_ = nullptr;

TEST_F(MusicOutputTest, ThePlayerSendsMusicOnlyWhilePlaying)
{
    TMediaPlayer p;
    p.FileName = kTune;
    ASSERT_NO_THROW(p.OpenMedia());
    ASSERT_EQ(p.AudioDriverName(), QStringLiteral("pulseaudio"));
    EXPECT_EQ(p.OutputWrites(), 0) << "opening renders nothing for the server";
    ExpectNoWrites(p, "open and stopped");

    p.PlayMedia();
    ExpectWrites(p, "playing");
    p.PauseMedia();
    ExpectNoWrites(p, "paused");
    p.PlayMedia();
    ExpectWrites(p, "resumed");
    p.StopMedia();
    ExpectNoWrites(p, "stopped");
    p.PlayMedia();
    ExpectWrites(p, "playing after a stop");
    p.RewindMedia();
    ExpectNoWrites(p, "rewound");
    EXPECT_EQ(p.Mode(), TMediaPlayer::TMPModes::mpStopped);
    p.CloseMedia();
    EXPECT_EQ(p.OutputWrites(), 0);
}

TEST_F(MusicOutputTest, TheWaitingGameSendsNothingAndANewGameSendsMusic)
{
    testing::ScratchDir dir;
    ASSERT_TRUE(QFile::copy(kTune, QStringLiteral("game.mid")));
    ASSERT_TRUE(QFile::copy(kSheet, QStringLiteral("game.bmp")));
    testing::NullSound sound;
    TMainForm::Options o;
    o.startTimers = false;
    o.makeRules = porimogu::testing::OpenRules;
    o.sound = &sound;
    auto form = std::make_unique<TMainForm>(1u, o);
    TMediaPlayer* player = form->MediaPlayer();
    ASSERT_NE(player, nullptr);
    ASSERT_TRUE(player->DeviceOpen());
    ASSERT_EQ(player->AudioDriverName(), QStringLiteral("pulseaudio"));

    for (int i = 0; i < 50; ++i) {
        form->Timer1Timer();
        if (i % 25 == 0)
            form->Timer2Timer();
    }
    ExpectNoWrites(*player, "the game waits");
    EXPECT_EQ(player->OutputWrites(), 0);

    porimogu::testing::Rules(*form).G().StartRequest = true;
    form->Timer1Timer();
    ExpectWrites(*player, "a game is played");
    porimogu::testing::Rules(*form).G().PauseRequest = true;
    form->Timer1Timer();
    ExpectNoWrites(*player, "the game is paused");

    form->FormDestroy();
    form.reset();
}

// A sound server that takes the connection and then never says a word: the socket
// listens, nobody accepts or answers. PULSE_SERVER points at it while the object lives.
class SilentServer {
public:
    SilentServer()
    {
        const QByteArray path = QFile::encodeName(dir_.filePath(QStringLiteral("native")));
        fd_ = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        std::strncpy(addr.sun_path, path.constData(), sizeof addr.sun_path - 1);
        ok_ = fd_ >= 0 && bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 && listen(fd_, 8) == 0;
        qputenv("PULSE_SERVER", "unix:" + path);
    }
    ~SilentServer()
    {
        qunsetenv("PULSE_SERVER");
        if (fd_ >= 0)
            close(fd_);
    }
    bool Ok() const { return ok_; }
    QString Dir() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    int fd_ = -1;
    bool ok_ = false;
};

TEST(PulseMusicOutput, ASoundServerThatNeverAnswersCostsOnlyTheTimeLimit)
{
    SilentServer silent;
    ASSERT_TRUE(silent.Ok());
    struct Row {
        QByteArray server;
        PulseMusicOutput::Refusal why;
    } rows[] = {
        {"unix:" + QFile::encodeName(silent.Dir()) + "/native", PulseMusicOutput::Refusal::NoAnswer},
        {"unix:" + QFile::encodeName(silent.Dir()) + "/nobody-here", PulseMusicOutput::Refusal::NoServer},
    };
    for (const Row& row : rows) {
        qputenv("PULSE_SERVER", row.server);
        using R = PulseMusicOutput::Refusal;
        R why = row.why == R::NoAnswer ? R::NoServer : R::NoAnswer;   // the other one, so it must be set
        EXPECT_EQ(PulseMusicOutput::Open(nullptr, TMediaPlayer::kSampleRate, &why, std::chrono::milliseconds(300)),
                  nullptr) << row.server.constData();
        EXPECT_EQ(why, row.why) << row.server.constData();
    }

    // The player gives up on the music as without any sound device, and does not go on
    // to the outputs that would reach the same silent server and wait for it for ever.
    qputenv("PULSE_SERVER", rows[0].server);
    TMediaPlayer p;
    p.FileName = kTune;
    try {
        p.OpenMedia();
        ADD_FAILURE() << "opened on " << p.AudioDriverName().toStdString();
    } catch (const EMCIDeviceError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("音を出す装置が使えません"));
    }
    EXPECT_FALSE(p.DeviceOpen());
}

} // namespace
} // namespace porimogu
