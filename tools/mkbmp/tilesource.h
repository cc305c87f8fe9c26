// The tile art's text form and the 256 x 256 sheet it describes.
//
// Source files hold colour lines, sprite headers and pixel rows:
//
//   # a comment
//   color o 74 48 60 outline      one character, red green blue (0-254 max. per
//                                 colour: pure white is the sheet's transparent
//                                 colour and never a visible pixel), optional name
//   sprite 32 pokke down stand    the sprite's top-left tile, optional name
//   ....oooo....                  pixel rows: one character per pixel, '.' is
//                                 transparent; 16 or 32 (any multiple of 16)
//                                 characters wide and a multiple of 16 rows high
//
// Colours of palette.txt are known to every file; a file's own colour lines add to
// them or replace them from that line to the end of that file.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace mkbmp {

inline constexpr int kSheetSide = 256;  // pixels across and down
inline constexpr int kTileSide = 16;
inline constexpr int kTilesPerRow = kSheetSide / kTileSide;
inline constexpr int kTileCount = kTilesPerRow * kTilesPerRow;

struct Rgb {
    std::uint8_t r = 255, g = 255, b = 255;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kTransparent{255, 255, 255};

// A mistake in the art's source, with the place it was found ("file:line").
class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using Palette = std::map<char, Rgb>;

// The sheet being assembled. Pixels no sprite sets stay transparent white.
class TileSheet {
public:
    TileSheet();

    // Reads one source text; `where` names it in error messages. Colours defined in
    // the text extend `palette` for this text only. Throws SourceError.
    void addSource(const std::string& text, const std::string& where, Palette palette);

    // Reads a palette-only text (palette.txt): colour lines and comments.
    static Palette readPalette(const std::string& text, const std::string& where);

    // Reads palette.txt (if present) and every other *.txt of `dir`, in name order.
    // Returns the number of sprites read. Throws SourceError (also for I/O failures).
    int addDirectory(const std::filesystem::path& dir);

    const Rgb& pixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y * kSheetSide + x)]; }
    // True where a sprite set the pixel (its colour is then never pure white).
    bool isSet(int x, int y) const { return set_[static_cast<std::size_t>(y * kSheetSide + x)]; }
    // The sprite that claimed tile n ("" when none did).
    const std::string& owner(int tile) const { return owners_[static_cast<std::size_t>(tile)]; }
    int spriteCount() const { return spriteCount_; }

    // Top-left pixel of tile n.
    static int tileX(int tile) { return kTileSide * (tile % kTilesPerRow); }
    static int tileY(int tile) { return kTileSide * (tile / kTilesPerRow); }

private:
    void placeSprite(int tile, const std::vector<std::string>& rows, const Palette& palette,
                     const std::string& name, const std::string& where, int headerLine);

    std::vector<Rgb> pixels_;
    std::vector<bool> set_;
    std::array<std::string, kTileCount> owners_;
    int spriteCount_ = 0;
};

// The whole sheet as a 24-bit uncompressed Windows BMP (BITMAPINFOHEADER, bottom-up rows).
std::vector<std::uint8_t> encodeBmp(const TileSheet& sheet);

// Writes `bytes` to `path` through a temporary file renamed into place, so a failed
// write never leaves a truncated file behind. Throws std::runtime_error.
void writeFileAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace mkbmp
