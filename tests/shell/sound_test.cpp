// The three beeps: which desktop event sound each asks for, that each is heard over
// the music, and the stand-in beep when the desktop cannot play one.
#include "audio/mediaplayer.h"
#include "audio/sound.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace porimogu {
namespace {

// Where the sound server finds an event sound: the freedesktop theme in the XDG data
// folders, its stereo set, the id itself first and then the id cut back at each '-'.
QString ThemeFile(QString id)
{
    QStringList dirs = qEnvironmentVariable("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"))
                           .split(u':', Qt::SkipEmptyParts);
    dirs.prepend(qEnvironmentVariable("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share")));
    for (;;) {
        for (const QString& dir : dirs)
            for (const char* ext : {".oga", ".ogg", ".wav"}) {
                const QString path = dir + QStringLiteral("/sounds/freedesktop/stereo/") + id + QLatin1String(ext);
                if (QFileInfo::exists(path))
                    return path;
            }
        const qsizetype dash = id.lastIndexOf(u'-');
        if (dash < 0)
            return {};
        id.truncate(dash);
    }
}

double Decibels(double meanSquare) { return 10 * std::log10(std::max(meanSquare, 1e-12)); }

// The loudest 400 ms of a sound file, decoded, as an RMS level in dBFS over both
// channels; a shorter sound counts as padded with silence, so a click weighs little.
double LoudestMomentDb(const QString& path)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return -120;
    std::vector<float> block(std::size_t(4096 * info.channels));
    std::vector<double> sums{0};  // running sum of the frames' mean squares
    sf_count_t got = 0;
    while ((got = sf_readf_float(file, block.data(), 4096)) > 0)
        for (sf_count_t i = 0; i < got; ++i) {
            double square = 0;
            for (int c = 0; c < info.channels; ++c)
                square += double(block[std::size_t(i * info.channels + c)]) * block[std::size_t(i * info.channels + c)];
            sums.push_back(sums.back() + square / info.channels);
        }
    sf_close(file);
    const std::size_t frames = sums.size() - 1;
    const std::size_t window = std::size_t(info.samplerate) * 4 / 10;
    double loudest = 0;
    for (std::size_t start = 0; start == 0 || start + window <= frames; start += window / 40)
        loudest = std::max(loudest, (sums[std::min(frames, start + window)] - sums[start]) / double(window));
    return Decibels(loudest);
}

// The tune's average level as the game plays it: the real player and SoundFont, the
// whole piece rendered.
double MusicDb()
{
    MediaPlayerOptions options;
    options.renderByHand = true;
    TMediaPlayer player(options);
    player.FileName = QStringLiteral(PORIMOGU_ASSET_DIR "/game.mid");
    player.OpenMedia();
    player.PlayMedia();
    double energy = 0;
    long long samples = 0;
    for (int second = 0; second < 300 && player.Mode() == TMediaPlayer::TMPModes::mpPlaying; ++second) {
        player.RenderSamples(TMediaPlayer::kSampleRate, &energy);
        samples += 2LL * TMediaPlayer::kSampleRate;
    }
    return samples > 0 ? Decibels(energy / double(samples)) : -120;
}

TEST(CanberraSound, EveryBeepIsAThemeSoundHeardOverTheMusic)
{
    const double music = MusicDb();
    ASSERT_GT(music, -60) << "the tune rendered silent";
    RecordProperty("music_dbfs", QByteArray::number(music, 'f', 1).constData());
    for (const Beep beep : {Beep::Food, Beep::Ghost, Beep::Bonus}) {
        const QString id = QString::fromLatin1(CanberraSound::EventId(beep));
        const QString file = ThemeFile(id);
        ASSERT_FALSE(file.isEmpty()) << "no theme sound for " << id.toStdString();
        EXPECT_TRUE(file.endsWith(u'/' + id + QStringLiteral(".oga"))) << "sounds as " << file.toStdString();
        const double level = LoudestMomentDb(file);
        std::printf("beep %d: %s %.1f dBFS, music %.1f dBFS\n", int(beep), qPrintable(id), level, music);
        EXPECT_GE(level, music) << id.toStdString() << " drowns in the music";
    }
    // The same desktop sounds as ever, for the same moments.
    EXPECT_STREQ(CanberraSound::EventId(Beep::Food), "bell");
    EXPECT_STREQ(CanberraSound::EventId(Beep::Ghost), "service-logout");
    EXPECT_STREQ(CanberraSound::EventId(Beep::Bonus), "complete");
}

TEST(CanberraSound, EveryBeepFallsBackWhenTheDesktopCannotPlay)
{
    int fallbacks = 0;
    CanberraSound sound("no-such-output", [&] { ++fallbacks; });
    sound.Play(Beep::Food);
    sound.Play(Beep::Ghost);
    sound.Play(Beep::Bonus);
    // A beep asked for before the sound thread knew falls back through the event loop.
    EXPECT_TRUE(QTest::qWaitFor([&] { return fallbacks == 3; }, 5000)) << fallbacks << " fallbacks";
    QTest::qWait(50);
    EXPECT_EQ(fallbacks, 3) << "one stand-in for every beep";
    sound.Play(Beep::Food);
    EXPECT_EQ(fallbacks, 4) << "once the desktop is known to be silent, at once";
}

TEST(CanberraSound, AFailingStandInIsSwallowed)
{
    CanberraSound sound("no-such-output", [] { throw std::runtime_error("no bell either"); });
    EXPECT_NO_THROW(sound.Play(Beep::Food));
    QTest::qWait(100);
    EXPECT_NO_THROW(sound.Play(Beep::Food));
}

} // namespace
} // namespace porimogu
