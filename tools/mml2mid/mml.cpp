#include "mml.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <sstream>

namespace mml {
namespace {

struct Pos {
    int line = 1;
    int column = 1;
};

// A track's text with comments and header lines removed; every character keeps the
// place it came from so that errors inside repeats still point at the source.
struct Body {
    std::string text;
    std::vector<Pos> pos;
};

struct PendingTrack {
    Track track;
    Body body;
    Pos header;
};

std::string Where(const std::string& source, Pos p)
{
    return source + ":" + std::to_string(p.line) + ":" + std::to_string(p.column);
}

std::string Trim(std::string_view s)
{
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return std::string(s.substr(b, e - b));
}

std::vector<std::string> Words(std::string_view s)
{
    std::vector<std::string> words;
    std::istringstream in{std::string(s)};
    std::string w;
    while (in >> w)
        words.push_back(w);
    return words;
}

std::optional<int> ToInt(const std::string& s)
{
    if (s.empty() || s.size() > 7)
        return std::nullopt;
    int v = 0;
    for (char c : s) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

// Ticks of a note value n (1 whole, 2 half, 4 quarter, ...) with `dots` dots.
std::optional<std::uint32_t> ValueTicks(int n, int dots)
{
    const int whole = kTicksPerQuarter * 4;
    if (n <= 0 || whole % n != 0)
        return std::nullopt;
    int ticks = whole / n;
    int add = ticks;
    for (int i = 0; i < dots; ++i) {
        if (add % 2 != 0)
            return std::nullopt;
        add /= 2;
        ticks += add;
    }
    return static_cast<std::uint32_t>(ticks);
}

// Reads one track's body and produces its events.
class TrackParser {
public:
    TrackParser(const std::string& source, const Body& body, Song& song, Track& track)
        : source_(source), body_(body), song_(song), track_(track) {}

    void Run()
    {
        Sequence(0, body_.text.size());
        Flush();
        if (tieOpen_)
            throw Error(Where(source_, tiePos_), "'&' is not followed by a note");
        track_.endTick = tick_;
    }

private:
    [[noreturn]] void Fail(std::size_t i, const std::string& what) const
    {
        Pos p = i < body_.pos.size() ? body_.pos[i] : (body_.pos.empty() ? Pos{} : body_.pos.back());
        throw Error(Where(source_, p), what);
    }

    bool Digit(std::size_t i, std::size_t end) const
    {
        return i < end && std::isdigit(static_cast<unsigned char>(body_.text[i]));
    }

    std::optional<int> Number(std::size_t& i, std::size_t end) const
    {
        if (!Digit(i, end))
            return std::nullopt;
        long v = 0;
        while (Digit(i, end)) {
            v = v * 10 + (body_.text[i] - '0');
            if (v > 1000000)
                Fail(i, "number too large");
            ++i;
        }
        return static_cast<int>(v);
    }

    int Required(std::size_t& i, std::size_t end, char command, int lo, int hi) const
    {
        const std::size_t at = i;
        auto v = Number(i, end);
        if (!v)
            Fail(at, std::string("'") + command + "' needs a number");
        if (*v < lo || *v > hi)
            Fail(at, std::string("'") + command + "' takes " + std::to_string(lo) + " to " + std::to_string(hi));
        return *v;
    }

    // An optional note value with dots; without a number, the default length (which
    // may itself be dotted: dots after a bare note add to the default).
    std::uint32_t Length(std::size_t& i, std::size_t end) const
    {
        const std::size_t at = i;
        auto n = Number(i, end);
        int dots = 0;
        while (i < end && body_.text[i] == '.') {
            ++dots;
            ++i;
        }
        if (!n) {
            std::uint32_t t = length_;
            std::uint32_t add = length_;
            for (int d = 0; d < dots; ++d) {
                add /= 2;
                t += add;
            }
            return t;
        }
        auto t = ValueTicks(*n, dots);
        if (!t)
            Fail(at, "no such note value: " + std::to_string(*n) + std::string(static_cast<std::size_t>(dots), '.'));
        return *t;
    }

    void Emit(std::uint32_t at, int order, std::vector<std::uint8_t> bytes)
    {
        track_.events.push_back(Event{at, order, std::move(bytes)});
    }

    std::uint8_t Status(int kind) const { return static_cast<std::uint8_t>(kind | track_.channel); }

    // Ends the sounding note: gated unless it was slurred into a different note.
    void Flush()
    {
        if (!noteOpen_)
            return;
        std::uint32_t sounding = noteLength_;
        if (!slurred_)
            sounding = std::max<std::uint32_t>(1, noteLength_ * static_cast<std::uint32_t>(noteGate_) / 8);
        Emit(noteStart_, 2, {Status(0x90), static_cast<std::uint8_t>(noteKey_), static_cast<std::uint8_t>(noteVelocity_)});
        Emit(noteStart_ + sounding, 0, {Status(0x80), static_cast<std::uint8_t>(noteKey_), 64});
        noteOpen_ = false;
        slurred_ = false;
    }

    void Note(std::size_t at, int key, std::uint32_t len)
    {
        if (key < 0 || key > 127)
            Fail(at, "note out of range (MIDI key " + std::to_string(key) + ")");
        if (tieOpen_ && noteOpen_ && noteKey_ == key) {
            noteLength_ += len;                       // a tie: one longer note
        } else {
            if (tieOpen_)
                slurred_ = true;                      // '&' into another pitch: legato
            Flush();
            noteOpen_ = true;
            noteKey_ = key;
            noteStart_ = tick_;
            noteLength_ = len;
            noteVelocity_ = velocity_;
            noteGate_ = gate_;
        }
        tieOpen_ = false;
        tick_ += len;
    }

    void EndOfTiming(std::size_t at)
    {
        if (tieOpen_)
            Fail(at, "'&' must be followed by a note");
        Flush();
    }

    std::size_t MatchingBracket(std::size_t open, std::size_t end) const
    {
        int depth = 0;
        for (std::size_t i = open; i < end; ++i) {
            if (body_.text[i] == '[')
                ++depth;
            else if (body_.text[i] == ']' && --depth == 0)
                return i;
        }
        Fail(open, "'[' without ']'");
    }

    std::size_t TopLevelBreak(std::size_t begin, std::size_t end) const
    {
        int depth = 0;
        for (std::size_t i = begin; i < end; ++i) {
            const char c = body_.text[i];
            if (c == '[')
                ++depth;
            else if (c == ']')
                --depth;
            else if (c == ':' && depth == 0)
                return i;
        }
        return end;
    }

    void Sequence(std::size_t begin, std::size_t end)
    {
        static constexpr int kSemitone[7] = {9, 11, 0, 2, 4, 5, 7};   // a b c d e f g
        std::size_t i = begin;
        while (i < end) {
            const std::size_t at = i;
            const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(body_.text[i++])));
            if (std::isspace(static_cast<unsigned char>(c)) || c == ':')
                continue;
            if (c >= 'a' && c <= 'g') {
                int key = 12 * (octave_ + 1) + kSemitone[c - 'a'];
                while (i < end && (body_.text[i] == '+' || body_.text[i] == '#' || body_.text[i] == '-'))
                    key += body_.text[i++] == '-' ? -1 : 1;
                Note(at, key, Length(i, end));
                if (i < end && body_.text[i] == '&') {
                    tieOpen_ = true;
                    tiePos_ = body_.pos[i];
                    ++i;
                }
                continue;
            }
            switch (c) {
            case 'n': {
                const int key = Required(i, end, 'n', 0, 127);
                std::uint32_t len = length_;
                if (i < end && body_.text[i] == ',') {
                    ++i;
                    const std::size_t lenAt = i;
                    if (!Digit(i, end))
                        Fail(lenAt, "'n' needs a note value after ','");
                    len = Length(i, end);
                }
                Note(at, key, len);
                if (i < end && body_.text[i] == '&') {
                    tieOpen_ = true;
                    tiePos_ = body_.pos[i];
                    ++i;
                }
                break;
            }
            case 'r':
                EndOfTiming(at);
                tick_ += Length(i, end);
                break;
            case 'o':
                octave_ = Required(i, end, 'o', 0, 9);
                break;
            case '>':
                if (++octave_ > 9)
                    Fail(at, "octave above 9");
                break;
            case '<':
                if (--octave_ < 0)
                    Fail(at, "octave below 0");
                break;
            case 'l': {
                const std::size_t lenAt = i;
                if (!Digit(i, end))
                    Fail(lenAt, "'l' needs a note value");
                length_ = Length(i, end);
                break;
            }
            case 'v':
                velocity_ = Required(i, end, 'v', 1, 127);
                break;
            case 'q':
                gate_ = Required(i, end, 'q', 1, 8);
                break;
            case 't': {
                const int bpm = Required(i, end, 't', 20, 300);
                EndOfTiming(at);
                auto& tempos = song_.tempos;
                const auto micros = static_cast<std::uint32_t>(60000000 / bpm);
                auto same = std::find_if(tempos.begin(), tempos.end(), [&](const Tempo& t) { return t.tick == tick_; });
                if (same != tempos.end())
                    same->microsPerQuarter = micros;
                else
                    tempos.push_back(Tempo{tick_, micros});
                break;
            }
            case '@': {
                const int program = Required(i, end, '@', 1, 128);
                EndOfTiming(at);
                Emit(tick_, 1, {Status(0xC0), static_cast<std::uint8_t>(program - 1)});
                break;
            }
            case 'y': {
                const int controller = Required(i, end, 'y', 0, 127);
                if (i >= end || body_.text[i] != ',')
                    Fail(i, "'y' needs 'controller,value'");
                ++i;
                const int value = Required(i, end, 'y', 0, 127);
                EndOfTiming(at);
                Emit(tick_, 1, {Status(0xB0), static_cast<std::uint8_t>(controller), static_cast<std::uint8_t>(value)});
                break;
            }
            case '|':
                if (tick_ % song_.BarTicks() != 0)
                    Fail(at, "bar line " + std::to_string(tick_ % song_.BarTicks()) + " ticks into bar "
                                 + std::to_string(tick_ / song_.BarTicks() + 1)
                                 + " (a bar has " + std::to_string(song_.BarTicks()) + ")");
                break;
            case '[': {
                const std::size_t close = MatchingBracket(at, end);
                std::size_t k = close + 1;
                const int count = Digit(k, end) ? Required(k, end, ']', 1, 99) : 2;
                const std::size_t cut = TopLevelBreak(at + 1, close);
                for (int n = 0; n < count; ++n)
                    Sequence(at + 1, n + 1 == count ? cut : close);
                i = k;
                break;
            }
            case ']':
                Fail(at, "']' without '['");
            case '&':
                Fail(at, "'&' must follow a note");
            default:
                Fail(at, std::string("unknown command '") + body_.text[at] + "'");
            }
        }
    }

    const std::string& source_;
    const Body& body_;
    Song& song_;
    Track& track_;

    std::uint32_t tick_ = 0;
    int octave_ = 4;
    std::uint32_t length_ = kTicksPerQuarter;
    int velocity_ = 100;
    int gate_ = 7;

    bool noteOpen_ = false;
    int noteKey_ = 0;
    std::uint32_t noteStart_ = 0;
    std::uint32_t noteLength_ = 0;
    int noteVelocity_ = 0;
    int noteGate_ = 8;
    bool slurred_ = false;
    bool tieOpen_ = false;
    Pos tiePos_;
};

void Directive(const std::string& source, Pos p, const std::string& line, Song& song)
{
    const auto words = Words(line);
    const std::string& name = words.front();
    if (name == "#title") {
        song.title = Trim(std::string_view(line).substr(line.find("#title") + 6));
    } else if (name == "#meter" && words.size() == 2) {
        const auto slash = words[1].find('/');
        auto beats = ToInt(words[1].substr(0, slash));
        auto unit = slash == std::string::npos ? std::nullopt : ToInt(words[1].substr(slash + 1));
        if (!beats || !unit || *beats < 1 || *beats > 16 || (*unit != 2 && *unit != 4 && *unit != 8))
            throw Error(Where(source, p), "#meter takes beats/unit, e.g. 4/4 or 3/4");
        song.meterBeats = *beats;
        song.meterUnit = *unit;
    } else if (name == "#tail" && words.size() == 2) {
        auto n = ToInt(words[1]);
        auto t = n ? ValueTicks(*n, 0) : std::nullopt;
        if (!t)
            throw Error(Where(source, p), "#tail takes a note value, e.g. 2 for a half note");
        song.tailTicks = *t;
    } else {
        throw Error(Where(source, p), "unknown or malformed directive '" + name + "'");
    }
}

void WriteVarLen(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    std::uint8_t buf[5];
    int n = 0;
    buf[n++] = static_cast<std::uint8_t>(v & 0x7F);
    while ((v >>= 7) != 0)
        buf[n++] = static_cast<std::uint8_t>((v & 0x7F) | 0x80);
    while (n > 0)
        out.push_back(buf[--n]);
}

void WriteU32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int s = 24; s >= 0; s -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> s));
}

std::vector<std::uint8_t> Meta(std::uint8_t type, const std::vector<std::uint8_t>& data)
{
    std::vector<std::uint8_t> m{0xFF, type};
    WriteVarLen(m, static_cast<std::uint32_t>(data.size()));
    m.insert(m.end(), data.begin(), data.end());
    return m;
}

std::vector<std::uint8_t> TextMeta(std::uint8_t type, const std::string& text)
{
    return Meta(type, std::vector<std::uint8_t>(text.begin(), text.end()));
}

void WriteTrackChunk(std::vector<std::uint8_t>& out, std::vector<Event> events, std::uint32_t endTick)
{
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<std::uint8_t> data;
    std::uint32_t last = 0;
    for (const Event& e : events) {
        WriteVarLen(data, e.tick - last);
        last = e.tick;
        data.insert(data.end(), e.bytes.begin(), e.bytes.end());
    }
    WriteVarLen(data, endTick - last);
    data.insert(data.end(), {0xFF, 0x2F, 0x00});
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    WriteU32(out, static_cast<std::uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
}

} // namespace

std::uint32_t Song::EndTick() const
{
    std::uint32_t end = 0;
    for (const Track& t : tracks) {
        end = std::max(end, t.endTick);
        for (const Event& e : t.events)
            end = std::max(end, e.tick);
    }
    return end + tailTicks;
}

double Song::DurationSeconds() const
{
    const std::uint32_t end = EndTick();
    double seconds = 0;
    for (std::size_t i = 0; i < tempos.size() && tempos[i].tick < end; ++i) {
        const std::uint32_t until = i + 1 < tempos.size() ? std::min(tempos[i + 1].tick, end) : end;
        seconds += double(until - tempos[i].tick) * tempos[i].microsPerQuarter / 1e6 / kTicksPerQuarter;
    }
    return seconds;
}

Song Parse(std::string_view text, const std::string& sourceName)
{
    Song song;
    std::vector<PendingTrack> pending;
    int line = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t nl = text.find('\n', start);
        if (nl == std::string_view::npos)
            nl = text.size();
        std::string_view raw = text.substr(start, nl - start);
        ++line;
        start = nl + 1;
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        if (const auto semi = raw.find(';'); semi != std::string_view::npos)
            raw = raw.substr(0, semi);
        const std::string trimmed = Trim(raw);
        const int indent = static_cast<int>(raw.find_first_not_of(" \t"));
        const Pos linePos{line, indent + 1};
        if (trimmed.empty())
            continue;
        if (trimmed[0] == '#') {
            if (!pending.empty())
                throw Error(Where(sourceName, linePos), "directives belong before the first track");
            Directive(sourceName, linePos, trimmed, song);
            continue;
        }
        const auto words = Words(trimmed);
        if (words.front() == "track") {
            auto channel = words.size() == 3 ? ToInt(words[2]) : std::nullopt;
            if (!channel || *channel < 1 || *channel > 16)
                throw Error(Where(sourceName, linePos), "a track line reads 'track <name> <channel 1-16>'");
            PendingTrack t;
            t.track.name = words[1];
            t.track.channel = *channel - 1;
            t.header = linePos;
            pending.push_back(std::move(t));
            continue;
        }
        if (pending.empty())
            throw Error(Where(sourceName, linePos), "music before the first 'track' line");
        Body& body = pending.back().body;
        for (std::size_t k = 0; k < raw.size(); ++k) {
            body.text.push_back(raw[k]);
            body.pos.push_back(Pos{line, static_cast<int>(k) + 1});
        }
        body.text.push_back(' ');
        body.pos.push_back(Pos{line, static_cast<int>(raw.size()) + 1});
    }
    if (pending.empty())
        throw Error(sourceName, "no tracks");

    for (PendingTrack& p : pending) {
        TrackParser(sourceName, p.body, song, p.track).Run();
        std::stable_sort(p.track.events.begin(), p.track.events.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        song.tracks.push_back(std::move(p.track));
    }
    std::sort(song.tempos.begin(), song.tempos.end(), [](const Tempo& a, const Tempo& b) { return a.tick < b.tick; });
    if (song.tempos.empty() || song.tempos.front().tick != 0)
        song.tempos.insert(song.tempos.begin(), Tempo{0, 500000});
    return song;
}

std::vector<std::uint8_t> WriteSmf(const Song& song)
{
    std::vector<std::uint8_t> out{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    const auto ntracks = static_cast<std::uint16_t>(song.tracks.size() + 1);
    out.push_back(static_cast<std::uint8_t>(ntracks >> 8));
    out.push_back(static_cast<std::uint8_t>(ntracks));
    out.push_back(static_cast<std::uint8_t>(kTicksPerQuarter >> 8));
    out.push_back(static_cast<std::uint8_t>(kTicksPerQuarter & 0xFF));

    const std::uint32_t end = song.EndTick();
    std::vector<Event> conductor;
    if (!song.title.empty())
        conductor.push_back(Event{0, 0, TextMeta(0x03, song.title)});
    std::uint8_t unitLog = 0;
    for (int u = song.meterUnit; u > 1; u /= 2)
        ++unitLog;
    conductor.push_back(Event{0, 0, Meta(0x58, {static_cast<std::uint8_t>(song.meterBeats), unitLog, 24, 8})});
    for (const Tempo& t : song.tempos)
        conductor.push_back(Event{t.tick, 1, Meta(0x51, {static_cast<std::uint8_t>(t.microsPerQuarter >> 16),
                                                        static_cast<std::uint8_t>(t.microsPerQuarter >> 8),
                                                        static_cast<std::uint8_t>(t.microsPerQuarter)})});
    WriteTrackChunk(out, std::move(conductor), end);

    for (const Track& t : song.tracks) {
        std::vector<Event> events;
        events.push_back(Event{0, -1, TextMeta(0x03, t.name)});
        events.insert(events.end(), t.events.begin(), t.events.end());
        // All Sound Off at the very end, so that no long release rings on after the file.
        events.push_back(Event{end, 3, {static_cast<std::uint8_t>(0xB0 | t.channel), 120, 0}});
        WriteTrackChunk(out, std::move(events), end);
    }
    return out;
}

} // namespace mml
