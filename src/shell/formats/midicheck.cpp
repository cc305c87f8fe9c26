#include "formats/midicheck.h"

#include <cstdint>

namespace porimogu {

namespace {

// A cursor over bytes[pos..end) that never reads past end.
class Reader {
public:
    Reader(const QByteArray& bytes, qsizetype pos, qsizetype end) : bytes_(bytes), pos_(pos), end_(end) {}

    bool AtEnd() const { return pos_ >= end_; }
    qsizetype Left() const { return end_ - pos_; }
    bool Byte(std::uint8_t& b)
    {
        if (AtEnd())
            return false;
        b = static_cast<std::uint8_t>(bytes_[pos_++]);
        return true;
    }
    bool Peek(std::uint8_t& b) const
    {
        if (AtEnd())
            return false;
        b = static_cast<std::uint8_t>(bytes_[pos_]);
        return true;
    }
    bool Skip(std::uint32_t n)
    {
        if (n > static_cast<std::uint64_t>(Left()))
            return false;
        pos_ += n;
        return true;
    }
    // A variable-length quantity: at most 4 bytes, 7 bits each, high bit = more follows.
    bool VarLen(std::uint32_t& value)
    {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            std::uint8_t b = 0;
            if (!Byte(b))
                return false;
            value = (value << 7) | (b & 0x7F);
            if ((b & 0x80) == 0)
                return true;
        }
        return false;
    }

private:
    const QByteArray& bytes_;
    qsizetype pos_;
    qsizetype end_;
};

std::uint32_t BigEndian(const QByteArray& bytes, qsizetype pos, int count)
{
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[pos + i]);
    return value;
}

// End of track, tempo, SMPTE offset, time and key signature: the synthesizer refuses
// the file when one of them is not of its standard length.
bool MetaLengthTaken(std::uint8_t type, std::uint32_t length)
{
    switch (type) {
    case 0x2F: return length == 0;
    case 0x51: return length == 3;
    case 0x54: return length == 5;
    case 0x58: return length == 4;
    case 0x59: return length == 2;
    default: return true;
    }
}

// The events of one track chunk, read as the synthesizer reads them: a data byte where a
// status is due repeats the last status (of any kind); the end-of-track event ends it.
// `escapes` is set when the track holds an escape (F7) event, which the synthesizer
// does not take although the file is well-formed.
bool TrackIsWhole(Reader track, bool& escapes)
{
    std::uint8_t status = 0;
    while (!track.AtEnd()) {
        std::uint32_t delta = 0;
        std::uint8_t b = 0;
        if (!track.VarLen(delta) || !track.Peek(b))
            return false;
        if (b & 0x80) {
            status = b;
            track.Byte(b);
        } else if (status == 0) {
            return false;
        }
        if (status == 0xFF) {
            std::uint8_t type = 0;
            std::uint32_t length = 0;
            if (!track.Byte(type) || !track.VarLen(length))
                return false;
            if (!MetaLengthTaken(type, length))
                return false;
            if (!track.Skip(length))
                return false;
            if (type == 0x2F)
                return true;
        } else if (status == 0xF0 || status == 0xF7) {
            escapes = escapes || status == 0xF7;
            std::uint32_t length = 0;
            if (!track.VarLen(length) || !track.Skip(length))
                return false;
        } else if (status >= 0xF0) {
            return false;  // system common and real-time messages have no place in a file
        } else {
            const int dataBytes = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
            for (int i = 0; i < dataBytes; ++i) {
                if (!track.Byte(b) || (b & 0x80))
                    return false;
            }
        }
    }
    return true;
}

} // namespace

MidiFileCheck CheckMidiFile(const QByteArray& bytes)
{
    if (bytes.size() < 14 || !bytes.startsWith("MThd"))
        return MidiFileCheck::Broken;
    const std::uint32_t headerLength = BigEndian(bytes, 4, 4);
    const std::uint32_t format = BigEndian(bytes, 8, 2);
    const std::uint32_t tracks = BigEndian(bytes, 10, 2);
    const std::uint32_t division = BigEndian(bytes, 12, 2);
    if (headerLength < 6 || headerLength > static_cast<std::uint64_t>(bytes.size() - 8) || format > 2
        || tracks == 0 || division == 0)
        return MidiFileCheck::Broken;
    const bool smpte = (division & 0x8000) != 0;
    // A longer header is allowed by the format, but the synthesizer takes only six bytes.
    const bool longHeader = headerLength > 6;

    qsizetype pos = 8 + static_cast<qsizetype>(headerLength);
    std::uint32_t found = 0;
    bool escapes = false;
    bool otherChunks = false;
    while (found < tracks) {
        if (bytes.size() - pos < 8)
            return MidiFileCheck::Broken;  // tracks announced but not there
        const std::uint32_t length = BigEndian(bytes, pos + 4, 4);
        const bool isTrack = bytes.mid(pos, 4) == "MTrk";
        // Chunks of other kinds are allowed by the format, but the synthesizer loses its
        // way after one (it loads nothing), and takes a name with a byte above 127
        // (before any NUL) for a sign of a corrupt file.
        for (qsizetype i = pos; i < pos + 4 && bytes[i] != '\0'; ++i)
            if (static_cast<std::uint8_t>(bytes[i]) > 0x7F)
                return MidiFileCheck::Broken;
        otherChunks = otherChunks || !isTrack;
        pos += 8;
        if (length > static_cast<std::uint64_t>(bytes.size() - pos))
            return MidiFileCheck::Broken;
        if (isTrack) {
            if (!TrackIsWhole(Reader(bytes, pos, pos + static_cast<qsizetype>(length)), escapes))
                return MidiFileCheck::Broken;
            ++found;
        }
        pos += static_cast<qsizetype>(length);
    }
    if (smpte || longHeader || escapes || otherChunks || tracks > kMaxMidiTracks)
        return MidiFileCheck::Unsupported;
    return MidiFileCheck::Playable;
}

} // namespace porimogu
