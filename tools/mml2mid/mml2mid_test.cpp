// The MML language's rules as assets/music/README.md states them, and the layout of the
// MIDI file written from it.
#include "mml.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

struct Note {
    std::uint32_t on;
    std::uint32_t off;
    int key;
    int velocity;
    bool operator==(const Note&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Note& n)
{
    return os << "{" << n.on << "-" << n.off << " key " << n.key << " v" << n.velocity << "}";
}

// The notes of one track as (start, end, key, velocity), in start order.
std::vector<Note> Notes(const mml::Track& t)
{
    std::vector<Note> notes;
    for (const auto& e : t.events) {
        if ((e.bytes[0] & 0xF0) == 0x90)
            notes.push_back(Note{e.tick, 0, e.bytes[1], e.bytes[2]});
    }
    for (auto& n : notes) {
        for (const auto& e : t.events) {
            if ((e.bytes[0] & 0xF0) == 0x80 && e.bytes[1] == n.key && e.tick > n.on) {
                n.off = e.tick;
                break;
            }
        }
    }
    return notes;
}

mml::Song One(const std::string& music) { return mml::Parse("track t 1\n" + music + "\n", "t.mml"); }

std::string ErrorOf(const std::string& text)
{
    try {
        mml::Parse(text, "t.mml");
    } catch (const mml::Error& e) {
        return e.what();
    }
    return "no error";
}

constexpr std::uint32_t Q = mml::kTicksPerQuarter;

TEST(Mml, NotesOctavesAccidentalsAndLengths)
{
    // o4 c is middle C (60); q8 makes notes sound their full value.
    const auto notes = Notes(One("q8 o4 c d+ e- > c < b l8 a a#16 g-4. r2 c1").tracks[0]);
    const std::vector<Note> want{
        {0, Q, 60, 100}, {Q, 2 * Q, 63, 100}, {2 * Q, 3 * Q, 63, 100}, {3 * Q, 4 * Q, 72, 100},
        {4 * Q, 5 * Q, 71, 100}, {5 * Q, 5 * Q + Q / 2, 69, 100}, {5 * Q + Q / 2, 5 * Q + 3 * Q / 4, 70, 100},
        {5 * Q + 3 * Q / 4, 7 * Q + Q / 4, 66, 100}, {9 * Q + Q / 4, 13 * Q + Q / 4, 60, 100}};
    EXPECT_EQ(notes, want);
}

TEST(Mml, GateTiesSlursAndVelocity)
{
    // Default gate 7/8; a tie joins equal pitches into one note; '&' into another
    // pitch plays the first one for its full value. A note keeps the gate it started with.
    const auto notes = Notes(One("o4 c2 v50 d4&d8 e8&f4 q4 g4").tracks[0]);
    const std::vector<Note> want{{0, 2 * Q * 7 / 8, 60, 100},
                                 {2 * Q, 2 * Q + (Q + Q / 2) * 7 / 8, 62, 50},
                                 {3 * Q + Q / 2, 4 * Q, 64, 50},
                                 {4 * Q, 4 * Q + Q * 7 / 8, 65, 50},
                                 {5 * Q, 5 * Q + Q / 2, 67, 50}};
    EXPECT_EQ(notes, want);
}

TEST(Mml, RepeatsNestAndTheBreakSkipsTheRestOnTheLastRound)
{
    const auto notes = Notes(One("q8 l16 [c [d]3 : e]2 f").tracks[0]);
    std::vector<int> keys;
    for (const auto& n : notes)
        keys.push_back(n.key);
    EXPECT_EQ(keys, (std::vector<int>{60, 62, 62, 62, 64, 60, 62, 62, 62, 65}));
    EXPECT_EQ(notes.back().off, 10 * Q / 4);
}

TEST(Mml, TempoProgramControllersAndDrumNotes)
{
    const auto song = mml::Parse("track a 10\n@1 y7,90 n42,8 t100 n36\ntrack b 2\nr2 t140 c\n", "t.mml");
    ASSERT_EQ(song.tracks.size(), 2u);
    EXPECT_EQ(song.tracks[0].channel, 9);
    EXPECT_EQ(song.tracks[0].events[0].bytes, (std::vector<std::uint8_t>{0xC9, 0}));
    EXPECT_EQ(song.tracks[0].events[1].bytes, (std::vector<std::uint8_t>{0xB9, 7, 90}));
    const auto drums = Notes(song.tracks[0]);
    ASSERT_EQ(drums.size(), 2u);
    EXPECT_EQ(drums[0].key, 42);
    EXPECT_EQ(drums[1].on, Q / 2);
    ASSERT_EQ(song.tempos.size(), 3u);   // the default 120 at 0, then 100 and 140
    EXPECT_EQ(song.tempos[0].microsPerQuarter, 500000u);
    EXPECT_EQ(song.tempos[1].tick, Q / 2);
    EXPECT_EQ(song.tempos[1].microsPerQuarter, 600000u);
    EXPECT_EQ(song.tempos[2].tick, 2 * Q);
    // 0.25 s at 120, 1.5 quarters at 100 (0.9 s), 1 quarter at 140.
    EXPECT_NEAR(song.DurationSeconds(), 0.25 + 0.9 + 60.0 / 140, 1e-5);
}

TEST(Mml, MistakesNameTheirPlace)
{
    EXPECT_EQ(ErrorOf("track t 1\n  c4 c4 c4 | c4\n"), "t.mml:2:12: bar line 1440 ticks into bar 1 (a bar has 1920)");
    EXPECT_EQ(ErrorOf("#meter 3/4\ntrack t 1\nc4 c4 c4 | c2 |\n"), "t.mml:3:15: bar line 960 ticks into bar 2 (a bar has 1440)");
    EXPECT_EQ(ErrorOf("track t 1\nc4 x\n"), "t.mml:2:4: unknown command 'x'");
    EXPECT_EQ(ErrorOf("track t 1\nc4\n[c d\n"), "t.mml:3:1: '[' without ']'");
    EXPECT_EQ(ErrorOf("track t 1\nc4 [d e7]2\n"), "t.mml:2:8: no such note value: 7");
    EXPECT_EQ(ErrorOf("track t 1\no9 b b\n"), "t.mml:2:4: note out of range (MIDI key 131)");
    EXPECT_EQ(ErrorOf("track t 1\nc4& r4\n"), "t.mml:2:5: '&' must be followed by a note");
    EXPECT_EQ(ErrorOf("track t 1\nc4&\n"), "t.mml:2:3: '&' is not followed by a note");
    EXPECT_EQ(ErrorOf("track t 17\n"), "t.mml:1:1: a track line reads 'track <name> <channel 1-16>'");
    EXPECT_EQ(ErrorOf("c d e\n"), "t.mml:1:1: music before the first 'track' line");
    EXPECT_EQ(ErrorOf("; nothing\n"), "t.mml: no tracks");
    EXPECT_EQ(ErrorOf("track t 1\n@0\n"), "t.mml:2:2: '@' takes 1 to 128");
    EXPECT_EQ(ErrorOf("#speed 3\ntrack t 1\n"), "t.mml:1:1: unknown or malformed directive '#speed'");
}

TEST(Mml, WritesAFormatOneFileWhoseTracksAllEndTogether)
{
    const auto song = mml::Parse("#title Tune\n#tail 4\ntrack a 1\nt90 c4\ntrack b 2\n@33 c2 ; a comment\n",
                                 "t.mml");
    const auto smf = mml::WriteSmf(song);
    const std::vector<std::uint8_t> header{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 3, 0x01, 0xE0};
    ASSERT_GE(smf.size(), header.size());
    EXPECT_EQ(std::vector<std::uint8_t>(smf.begin(), smf.begin() + 14), header);

    // Walk the three chunks; each must end with end-of-track at tick 3 quarters.
    std::size_t at = 14;
    int chunks = 0;
    while (at < smf.size()) {
        ASSERT_EQ(std::string(smf.begin() + static_cast<long>(at), smf.begin() + static_cast<long>(at) + 4), "MTrk");
        const std::uint32_t len = (std::uint32_t(smf[at + 4]) << 24) | (smf[at + 5] << 16) | (smf[at + 6] << 8) | smf[at + 7];
        const std::size_t end = at + 8 + len;
        ASSERT_LE(end, smf.size());
        std::uint32_t tick = 0;
        std::size_t p = at + 8;
        std::uint8_t status = 0;
        while (p < end) {
            std::uint32_t delta = 0;
            do {
                delta = (delta << 7) | (smf[p] & 0x7F);
            } while (smf[p++] & 0x80);
            tick += delta;
            status = smf[p];
            if (status == 0xFF) {
                const std::uint8_t type = smf[p + 1];
                p += 3 + smf[p + 2];
                if (type == 0x2F)
                    break;
            } else {
                p += (status & 0xF0) == 0xC0 ? 2 : 3;
            }
        }
        EXPECT_EQ(status, 0xFF);
        EXPECT_EQ(p, end) << "chunk " << chunks;
        EXPECT_EQ(tick, 3 * Q) << "chunk " << chunks;
        at = end;
        ++chunks;
    }
    EXPECT_EQ(chunks, 3);
    EXPECT_NEAR(song.DurationSeconds(), 3 * 60.0 / 90, 1e-5);
}

} // namespace
