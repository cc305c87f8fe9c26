#include "tilesource.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>

namespace mkbmp {

namespace {

std::string trim(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

std::vector<std::string> words(const std::string& s)
{
    std::vector<std::string> out;
    std::istringstream in(s);
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

// The rest of a line after its first `count` words, trimmed: a colour's or sprite's name.
std::string restAfterWords(const std::string& line, int count)
{
    std::size_t pos = 0;
    for (int i = 0; i < count; ++i) {
        pos = line.find_first_not_of(" \t", pos);
        pos = line.find_first_of(" \t", pos);
        if (pos == std::string::npos)
            return {};
    }
    return trim(line.substr(pos));
}

[[noreturn]] void fail(const std::string& where, int line, const std::string& message)
{
    throw SourceError(where + ":" + std::to_string(line) + ": " + message);
}

int parseInt(const std::string& word, int lo, int hi, const std::string& what,
             const std::string& where, int line)
{
    int value = 0;
    const auto* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (ec != std::errc{} || ptr != end || value < lo || value > hi)
        fail(where, line, what + " must be a whole number from " + std::to_string(lo) + " to "
                              + std::to_string(hi) + ", not \"" + word + "\"");
    return value;
}

bool isPaletteChar(char c)
{
    return c > ' ' && c < 127 && c != '.' && c != '#';
}

// Parses "color <char> <r> <g> <b> [name]" into the palette.
void parseColor(const std::string& line, Palette& palette, const std::string& where, int lineNo)
{
    const auto w = words(line);
    if (w.size() < 5)
        fail(where, lineNo, "a colour line reads: color <character> <red> <green> <blue> [name]");
    if (w[1].size() != 1 || !isPaletteChar(w[1][0]))
        fail(where, lineNo, "a colour's key is one visible character other than '.' and '#', not \""
                                + w[1] + "\"");
    Rgb c;
    c.r = static_cast<std::uint8_t>(parseInt(w[2], 0, 255, "red", where, lineNo));
    c.g = static_cast<std::uint8_t>(parseInt(w[3], 0, 255, "green", where, lineNo));
    c.b = static_cast<std::uint8_t>(parseInt(w[4], 0, 255, "blue", where, lineNo));
    if (c == kTransparent)
        fail(where, lineNo, "colour '" + w[1]
                                + "' is pure white (255 255 255), the sheet's transparent colour; "
                                  "use e.g. 250 250 250 for a visible white");
    palette[w[1][0]] = c;
}

std::string readWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw SourceError(path.string() + ": cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        throw SourceError(path.string() + ": cannot be read");
    return text.str();
}

}  // namespace

TileSheet::TileSheet()
    : pixels_(static_cast<std::size_t>(kSheetSide * kSheetSide), kTransparent),
      set_(static_cast<std::size_t>(kSheetSide * kSheetSide), false)
{
}

Palette TileSheet::readPalette(const std::string& text, const std::string& where)
{
    Palette palette;
    std::istringstream in(text);
    int lineNo = 0;
    for (std::string raw; std::getline(in, raw);) {
        ++lineNo;
        const std::string line = trim(raw);
        if (line.empty() || line[0] == '#')
            continue;
        if (words(line)[0] != "color")
            fail(where, lineNo, "a palette file holds only colour lines and comments");
        parseColor(line, palette, where, lineNo);
    }
    return palette;
}

void TileSheet::addSource(const std::string& text, const std::string& where, Palette palette)
{
    std::istringstream in(text);
    int lineNo = 0;

    bool inSprite = false;  // a sprite header was read and its rows are being collected
    int tile = 0;
    int headerLine = 0;
    std::string name;
    std::vector<std::string> rows;

    auto finishSprite = [&] {
        if (!inSprite)
            return;
        if (rows.empty())
            fail(where, headerLine, "sprite " + std::to_string(tile) + " has no pixel rows");
        placeSprite(tile, rows, palette, name, where, headerLine);
        inSprite = false;
        rows.clear();
    };

    for (std::string raw; std::getline(in, raw);) {
        ++lineNo;
        const std::string line = trim(raw);
        if (line.empty()) {
            finishSprite();
            continue;
        }
        if (line[0] == '#')
            continue;
        if (line.find_first_of(" \t") == std::string::npos) {
            if (!inSprite)
                fail(where, lineNo, "pixel row outside a sprite (a \"sprite <tile>\" line must come first, "
                                    "and a blank line ends a sprite)");
            for (std::size_t col = 0; col < line.size(); ++col) {
                const char c = line[col];
                if (c != '.' && !palette.contains(c))
                    fail(where, lineNo, std::string("unknown colour '") + c + "' in column "
                                            + std::to_string(col + 1));
            }
            rows.push_back(line);
            continue;
        }
        const auto w = words(line);
        if (w[0] == "color") {
            finishSprite();
            parseColor(line, palette, where, lineNo);
        } else if (w[0] == "sprite") {
            finishSprite();
            if (w.size() < 2)
                fail(where, lineNo, "a sprite line reads: sprite <tile> [name]");
            tile = parseInt(w[1], 0, kTileCount - 1, "a sprite's tile", where, lineNo);
            name = restAfterWords(line, 2);
            headerLine = lineNo;
            inSprite = true;
        } else {
            fail(where, lineNo, "unknown line \"" + w[0] + "\" (expected color, sprite or pixel rows)");
        }
    }
    finishSprite();
}

void TileSheet::placeSprite(int tile, const std::vector<std::string>& rows, const Palette& palette,
                            const std::string& name, const std::string& where, int headerLine)
{
    const auto width = rows.front().size();
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].size() != width)
            fail(where, headerLine + 1 + static_cast<int>(i),
                 "row is " + std::to_string(rows[i].size()) + " pixels wide; the sprite's first row is "
                     + std::to_string(width));
    if (width % kTileSide != 0 || rows.size() % kTileSide != 0)
        fail(where, headerLine, "sprite " + std::to_string(tile) + " is " + std::to_string(width) + " x "
                                    + std::to_string(rows.size())
                                    + " pixels; both must be multiples of 16");

    const int tilesAcross = static_cast<int>(width) / kTileSide;
    const int tilesDown = static_cast<int>(rows.size()) / kTileSide;
    if (tile % kTilesPerRow + tilesAcross > kTilesPerRow || tile / kTilesPerRow + tilesDown > kTilesPerRow)
        fail(where, headerLine, "sprite " + std::to_string(tile) + " runs over the sheet's edge");

    const std::string label = where + ":" + std::to_string(headerLine) + " (sprite " + std::to_string(tile)
                              + (name.empty() ? "" : " " + name) + ")";
    for (int ty = 0; ty < tilesDown; ++ty)
        for (int tx = 0; tx < tilesAcross; ++tx) {
            const auto n = static_cast<std::size_t>(tile + ty * kTilesPerRow + tx);
            if (!owners_[n].empty())
                fail(where, headerLine, "tile " + std::to_string(n) + " is already drawn by " + owners_[n]);
            owners_[n] = label;
        }

    const int x0 = tileX(tile);
    const int y0 = tileY(tile);
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < width; ++x) {
            const char c = rows[y][x];
            if (c == '.')
                continue;
            const auto at = static_cast<std::size_t>((y0 + static_cast<int>(y)) * kSheetSide + x0
                                                     + static_cast<int>(x));
            pixels_[at] = palette.at(c);
            set_[at] = true;
        }
    ++spriteCount_;
}

int TileSheet::addDirectory(const std::filesystem::path& dir)
{
    std::error_code ec;
    if (!std::filesystem::is_directory(dir, ec))
        throw SourceError(dir.string() + ": not a directory");

    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec))
        if (entry.is_regular_file() && entry.path().extension() == ".txt")
            files.push_back(entry.path());
    if (ec)
        throw SourceError(dir.string() + ": cannot be listed: " + ec.message());
    std::sort(files.begin(), files.end());

    Palette shared;
    const auto palettePath = dir / "palette.txt";
    if (std::filesystem::exists(palettePath))
        shared = readPalette(readWholeFile(palettePath), palettePath.filename().string());

    const int before = spriteCount_;
    for (const auto& file : files)
        if (file.filename() != "palette.txt")
            addSource(readWholeFile(file), file.filename().string(), shared);
    return spriteCount_ - before;
}

std::vector<std::uint8_t> encodeBmp(const TileSheet& sheet)
{
    constexpr int rowBytes = kSheetSide * 3;  // 768: already a multiple of 4, no padding
    constexpr std::uint32_t headerBytes = 14 + 40;
    constexpr std::uint32_t imageBytes = rowBytes * kSheetSide;

    std::vector<std::uint8_t> out;
    out.reserve(headerBytes + imageBytes);
    auto u16 = [&](std::uint32_t v) {
        out.push_back(static_cast<std::uint8_t>(v & 0xff));
        out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
    };
    auto u32 = [&](std::uint32_t v) {
        u16(v & 0xffff);
        u16(v >> 16);
    };

    // BITMAPFILEHEADER
    out.push_back('B');
    out.push_back('M');
    u32(headerBytes + imageBytes);
    u32(0);
    u32(headerBytes);
    // BITMAPINFOHEADER: positive height = rows stored bottom-up
    u32(40);
    u32(kSheetSide);
    u32(kSheetSide);
    u16(1);       // planes
    u16(24);      // bits per pixel
    u32(0);       // BI_RGB, uncompressed
    u32(imageBytes);
    u32(2835);    // 72 dpi
    u32(2835);
    u32(0);
    u32(0);

    for (int y = kSheetSide - 1; y >= 0; --y)
        for (int x = 0; x < kSheetSide; ++x) {
            const Rgb& p = sheet.pixel(x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
    return out;
}

void writeFileAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    auto temp = path;
    temp += ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            throw std::runtime_error(temp.string() + ": cannot be written");
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        throw std::runtime_error(path.string() + ": cannot be written: " + ec.message());
    }
}

}  // namespace mkbmp
