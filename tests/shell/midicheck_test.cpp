// The look at game.mid's bytes before the synthesizer gets them, and what the music
// player says for each verdict.
#include "core/errors.h"
#include "audio/mediaplayer.h"
#include "formats/midicheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace porimogu;

namespace {

// One track: a note on and off, then the end of the track.
const QByteArray kNote("\x00\x90\x3C\x64\x60\x80\x3C\x00\x00\xFF\x2F\x00", 12);

QByteArray Be(std::uint32_t value, int bytes)
{
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i)
        out += char((value >> (8 * i)) & 0xFF);
    return out;
}

QByteArray Chunk(const char* id, const QByteArray& body) { return QByteArray(id, 4) + Be(std::uint32_t(body.size()), 4) + body; }

QByteArray Midi(std::uint32_t division, int tracks, const QByteArray& track = kNote, std::uint32_t announced = 0)
{
    QByteArray file = Chunk("MThd", Be(1, 2) + Be(announced ? announced : tracks, 2) + Be(division, 2));
    for (int t = 0; t < tracks; ++t)
        file += Chunk("MTrk", track);
    return file;
}

} // namespace

TEST(MidiCheck, JudgesEachKindOfFile)
{
    QFile tune(QStringLiteral(PORIMOGU_ASSET_DIR "/game.mid"));
    ASSERT_TRUE(tune.open(QIODevice::ReadOnly));
    const QByteArray game = tune.readAll();
    const QByteArray good = Midi(480, 1);

    struct Case {
        const char* what;
        QByteArray bytes;
        MidiFileCheck expected;
    };
    const Case cases[] = {
        {"the game's own tune", game, MidiFileCheck::Playable},
        {"one small track", good, MidiFileCheck::Playable},
        {"running status", Midi(96, 1, QByteArray("\x00\x90\x3C\x64\x10\x3E\x64\x00\xFF\x2F\x00", 11)), MidiFileCheck::Playable},
        {"an unknown chunk before the track", Chunk("MThd", Be(0, 2) + Be(1, 2) + Be(96, 2)) + Chunk("XYZW", "abc") + Chunk("MTrk", kNote), MidiFileCheck::Unsupported},
        {"a track without its end event", Midi(96, 1, kNote.left(8)), MidiFileCheck::Playable},
        {"as many tracks as the synthesizer takes", Midi(96, kMaxMidiTracks), MidiFileCheck::Playable},
        {"SMPTE time division", Midi(0xE728, 1), MidiFileCheck::Unsupported},
        {"one thousand tracks", Midi(96, 1000), MidiFileCheck::Unsupported},
        {"zero division", Midi(0, 1), MidiFileCheck::Broken},
        {"an unknown chunk named with a byte above 127", Chunk("MThd", Be(0, 2) + Be(1, 2) + Be(96, 2)) + Chunk("X\xC0YZ", "abc") + Chunk("MTrk", kNote), MidiFileCheck::Broken},
        {"empty", QByteArray(), MidiFileCheck::Broken},
        {"text", QByteArray("This is a text file, not a MIDI file.\n"), MidiFileCheck::Broken},
        {"only the header", good.left(14), MidiFileCheck::Broken},
        {"truncated in the track", good.left(good.size() - 3), MidiFileCheck::Broken},
        {"the tune truncated", game.left(game.size() / 2), MidiFileCheck::Broken},
        {"two tracks announced, one there", Midi(96, 1, kNote, 2), MidiFileCheck::Broken},
        {"no tracks", Midi(96, 0), MidiFileCheck::Broken},
        {"format 3", Chunk("MThd", Be(3, 2) + Be(1, 2) + Be(96, 2)) + Chunk("MTrk", kNote), MidiFileCheck::Broken},
        {"a header of eight bytes", Chunk("MThd", Be(0, 2) + Be(1, 2) + Be(96, 2) + Be(0, 2)) + Chunk("MTrk", kNote), MidiFileCheck::Unsupported},
        {"a header of five bytes", QByteArray("MThd\0\0\0\5\0\0\0\1\0", 13) + Chunk("MTrk", kNote), MidiFileCheck::Broken},
        {"a data byte with no status", Midi(96, 1, QByteArray("\x00\x3C\x64\x00\xFF\x2F\x00", 7)), MidiFileCheck::Broken},
        {"a tempo of two bytes", Midi(96, 1, QByteArray("\x00\xFF\x51\x02\x07\xA1\x00\xFF\x2F\x00", 10)), MidiFileCheck::Broken},
        {"an escape event", Midi(96, 1, QByteArray("\x00\xF7\x01\xF8\x00\xFF\x2F\x00", 8)), MidiFileCheck::Unsupported},
        {"an end of track of one byte", Midi(96, 1, QByteArray("\x00\xFF\x2F\x01\x00", 5)), MidiFileCheck::Broken},
        {"an empty SMPTE offset", Midi(96, 1, QByteArray("\x00\xFF\x54\x00\x00\xFF\x2F\x00", 8)), MidiFileCheck::Broken},
        {"a time signature of three bytes", Midi(96, 1, QByteArray("\x00\xFF\x58\x03\x04\x02\x18\x00\xFF\x2F\x00", 11)), MidiFileCheck::Broken},
        {"a key signature of one byte", Midi(96, 1, QByteArray("\x00\xFF\x59\x01\x00\x00\xFF\x2F\x00", 9)), MidiFileCheck::Broken},
        {"a meta event longer than its track", Midi(96, 1, QByteArray("\x00\xFF\x01\x7F\x41\x00\xFF\x2F\x00", 9)), MidiFileCheck::Broken},
        {"a delta time of five bytes", Midi(96, 1, QByteArray("\x81\x81\x81\x81\x01\x90\x3C\x64", 8)), MidiFileCheck::Broken},
        {"a chunk length past the end", Midi(96, 1).left(18) + Be(0x7FFFFFFF, 4), MidiFileCheck::Broken},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckMidiFile(c.bytes), c.expected) << c.what;
}

TEST(MidiCheck, ThePlayerSaysBrokenOrNotSupportedAndStaysClosed)
{
    QTemporaryDir dir;
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    struct Case {
        QByteArray bytes;
        QString error;
    };
    const Case cases[] = {
        {Midi(0, 1), QStringLiteral("game.mid の MIDI データが こわれています")},
        {Midi(0xE728, 1), QStringLiteral("game.mid の MIDI データの形式には 対応していません")},
        {Midi(96, 1000), QStringLiteral("game.mid の MIDI データの形式には 対応していません")},
    };
    for (const Case& c : cases) {
        QFile f(QStringLiteral("game.mid"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.bytes);
        f.close();
        MediaPlayerOptions options;
        options.renderByHand = true;
        TMediaPlayer player(options);
        player.FileName = QStringLiteral("game.mid");
        try {
            player.OpenMedia();
            ADD_FAILURE() << "opened";
        } catch (const EMCIDeviceError& e) {
            EXPECT_EQ(e.message(), c.error);
        }
        EXPECT_FALSE(player.DeviceOpen());
    }
    QDir::setCurrent(old);
}
