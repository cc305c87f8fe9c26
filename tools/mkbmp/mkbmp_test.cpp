// The art source's rules (what the parser accepts and refuses) and the generated
// tile sheet's layout: every tile the game draws has a picture, the floor is fully
// opaque, every other tile is transparent white, and animation frames differ.
#include "tilesource.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>
#include <set>

using mkbmp::Palette;
using mkbmp::Rgb;
using mkbmp::SourceError;
using mkbmp::TileSheet;

namespace {

// The message of the SourceError that `f` throws ("" when it throws none).
template <typename F>
std::string errorOf(F&& f)
{
    try {
        f();
    } catch (const SourceError& e) {
        return e.what();
    }
    return {};
}

std::string rows(int w, int h, char c)
{
    std::string out;
    for (int i = 0; i < h; ++i)
        out += std::string(static_cast<std::size_t>(w), c) + "\n";
    return out;
}

const Palette kRed{{'r', Rgb{200, 0, 0}}};

}  // namespace

TEST(TileSource, PlacesTwoByTwoSpriteOnItsFourTiles)
{
    TileSheet sheet;
    // Top-left pixel red, bottom-right pixel blue; the rest transparent.
    std::string text = "color b 0 0 200\nsprite 34 probe\n";
    for (int y = 0; y < 32; ++y) {
        std::string row(32, '.');
        if (y == 0)
            row[0] = 'r';
        if (y == 31)
            row[31] = 'b';
        text += row + "\n";
    }
    sheet.addSource(text, "probe.txt", kRed);

    EXPECT_EQ(sheet.pixel(32, 32), (Rgb{200, 0, 0}));  // tile 34: (16*2, 16*2)
    EXPECT_EQ(sheet.pixel(63, 63), (Rgb{0, 0, 200}));  // last pixel of tile 51
    EXPECT_TRUE(sheet.isSet(32, 32));
    EXPECT_FALSE(sheet.isSet(33, 32));
    EXPECT_EQ(sheet.pixel(33, 32), mkbmp::kTransparent);
    for (int t : {34, 35, 50, 51})
        EXPECT_NE(sheet.owner(t), "") << t;
    EXPECT_EQ(sheet.owner(36), "");
    EXPECT_EQ(sheet.spriteCount(), 1);
}

TEST(TileSource, RefusesMistakesAndSaysWhere)
{
    auto add = [](const std::string& text) {
        return errorOf([&] {
            TileSheet sheet;
            sheet.addSource(text, "art.txt", kRed);
        });
    };
    {
        const auto white = add("color w 255 255 255\n");
        EXPECT_NE(white.find("art.txt:1:"), std::string::npos) << white;
        EXPECT_NE(white.find("transparent"), std::string::npos) << white;
    }
    EXPECT_NE(add("color w 250 250 256\n"), "");
    EXPECT_NE(add("color .. 1 2 3\n"), "");
    EXPECT_NE(add("sprite 1\n" + rows(16, 15, 'r') + "rrrrrrrrrrrrrrrx\n").find("art.txt:17:"), std::string::npos);
    EXPECT_NE(add("sprite 1\n" + rows(16, 15, 'r')).find("multiples of 16"), std::string::npos);
    EXPECT_NE(add("sprite 1\n" + rows(16, 5, 'r') + rows(17, 11, 'r')).find("art.txt:7:"), std::string::npos);
    EXPECT_NE(add("sprite 15\n" + rows(32, 32, 'r')).find("edge"), std::string::npos);
    EXPECT_NE(add("sprite 240\n" + rows(16, 32, 'r')).find("edge"), std::string::npos);
    EXPECT_NE(add("sprite 256\n" + rows(16, 16, 'r')), "");
    EXPECT_NE(add("sprite 3\n").find("no pixel rows"), std::string::npos);
    EXPECT_NE(add("sprite 3\n" + rows(16, 16, 'r') + "\n" + rows(16, 1, 'r')).find("outside a sprite"),
              std::string::npos);
    EXPECT_NE(add("paint 3\n"), "");

    const auto overlap = add("sprite 32 one\n" + rows(32, 32, 'r') + "sprite 49 two\n" + rows(16, 16, 'r'));
    EXPECT_NE(overlap.find("tile 49 is already drawn by art.txt:1 (sprite 32 one)"), std::string::npos)
        << overlap;

    EXPECT_EQ(add("# a comment\ncolor g 0 200 0 green\nsprite 1 floor\n" + rows(16, 16, 'g')), "");
}

TEST(TileSource, FileColoursStayInTheirFileAndPaletteIsShared)
{
    const auto dir = std::filesystem::temp_directory_path() / ("mkbmp_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    auto write = [&](const char* name, const std::string& text) { std::ofstream(dir / name) << text; };
    write("palette.txt", "color p 10 20 30\n");
    write("a.txt", "color q 40 50 60\ncolor p 70 80 90\nsprite 0\n" + rows(16, 16, 'p'));
    write("b.txt", "sprite 1\n" + rows(16, 16, 'p'));
    write("notes.md", "not art");

    TileSheet sheet;
    EXPECT_EQ(sheet.addDirectory(dir), 2);
    EXPECT_EQ(sheet.pixel(0, 0), (Rgb{70, 80, 90}));   // a.txt's own p
    EXPECT_EQ(sheet.pixel(16, 0), (Rgb{10, 20, 30}));  // palette.txt's p

    write("c.txt", "sprite 2\n" + rows(16, 16, 'q'));  // q belongs to a.txt only
    TileSheet again;
    const auto err = errorOf([&] { again.addDirectory(dir); });
    EXPECT_NE(err.find("c.txt:2: unknown colour 'q'"), std::string::npos) << err;
    std::filesystem::remove_all(dir);
}

TEST(TileSource, BmpIsBottomUpBgr)
{
    TileSheet sheet;
    sheet.addSource("color a 1 2 3\ncolor z 7 8 9\nsprite 0\na" + std::string(15, '.') + "\n" + rows(16, 14, '.')
                        + std::string(15, '.') + "z\nsprite 255\n" + rows(16, 15, '.') + std::string(15, '.') + "a\n",
                    "t.txt", {});
    const auto bmp = mkbmp::encodeBmp(sheet);
    ASSERT_EQ(bmp.size(), 54u + 256u * 256u * 3u);
    // Bottom row first: sheet pixel (255, 255) is the last pixel of the first stored row.
    EXPECT_EQ(bmp[54 + 255 * 3 + 0], 3);
    EXPECT_EQ(bmp[54 + 255 * 3 + 2], 1);
    const std::size_t top = 54 + 255u * 768u;
    EXPECT_EQ(bmp[top + 0], 3);  // (0, 0): blue first
    EXPECT_EQ(bmp[top + 1], 2);
    EXPECT_EQ(bmp[top + 2], 1);
    const std::size_t row15 = 54 + (255u - 15u) * 768u;
    EXPECT_EQ(bmp[row15 + 15 * 3], 9);  // (15, 15)
    EXPECT_EQ(bmp[row15 + 16 * 3], 255);  // (16, 15): untouched, white
}

// ---- the generated sheet -------------------------------------------------------

namespace {

QImage loadSheet()
{
    return QImage(QStringLiteral(PORIMOGU_ASSET_DIR "/game.bmp"));
}

int whitePixels(const QImage& img, int tile)
{
    int n = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if ((img.pixel(TileSheet::tileX(tile) + x, TileSheet::tileY(tile) + y) & 0xffffff) == 0xffffff)
                ++n;
    return n;
}

QImage spriteImage(const QImage& img, int t)
{
    return img.copy(TileSheet::tileX(t), TileSheet::tileY(t), 32, 32);
}

std::set<int> usedTiles()
{
    std::set<int> used{1, 18, 19, 22, 23, 24, 25, 28, 29, 30, 31};
    for (int t = 32; t < 160; ++t)  // the player's frames, then the food items' two frames
        used.insert(t);
    for (int t : {164, 165, 180, 181, 196, 197, 212, 213})
        used.insert(t);
    return used;
}

}  // namespace

TEST(GameBmp, IsA256Square24BitUncompressedBmp)
{
    QFile f(QStringLiteral(PORIMOGU_ASSET_DIR "/game.bmp"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray head = f.read(54);
    ASSERT_EQ(head.size(), 54);
    auto u32 = [&](int at) {
        return static_cast<quint32>(static_cast<quint8>(head[at])) | static_cast<quint32>(static_cast<quint8>(head[at + 1])) << 8
               | static_cast<quint32>(static_cast<quint8>(head[at + 2])) << 16
               | static_cast<quint32>(static_cast<quint8>(head[at + 3])) << 24;
    };
    EXPECT_EQ(head.left(2), QByteArray("BM"));
    EXPECT_EQ(u32(18), 256u);  // width
    EXPECT_EQ(u32(22), 256u);  // height
    EXPECT_EQ(static_cast<quint8>(head[28]), 24);  // bits per pixel
    EXPECT_EQ(u32(30), 0u);  // BI_RGB
    EXPECT_EQ(f.size(), 54 + 256 * 256 * 3);

    const QImage img = loadSheet();
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), QSize(256, 256));
}

TEST(GameBmp, UsedTilesHavePicturesAndTheRestIsTransparent)
{
    const QImage img = loadSheet();
    ASSERT_FALSE(img.isNull());
    const auto used = usedTiles();
    for (int t = 0; t < 256; ++t) {
        if (used.contains(t))
            EXPECT_LT(whitePixels(img, t), 256) << "tile " << t << " has no picture";
        else
            EXPECT_EQ(whitePixels(img, t), 256) << "tile " << t << " should be empty";
    }
    EXPECT_EQ(whitePixels(img, 1), 0) << "the floor must be fully opaque";
}

TEST(GameBmp, AnimationFramesDiffer)
{
    const QImage img = loadSheet();
    ASSERT_FALSE(img.isNull());
    // The player: stand, walk A, walk B and pose of each facing are four pictures.
    for (int stand : {32, 40, 64, 72}) {
        const int frames[] = {stand, stand + 4, stand + 6, stand + 2};
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b)
                EXPECT_NE(spriteImage(img, frames[a]), spriteImage(img, frames[b]))
                    << "player frames " << frames[a] << " and " << frames[b];
    }
    // Items flip between t and t + 32.
    for (int t : {96, 98, 100, 102, 104, 106, 108, 110, 164})
        EXPECT_NE(spriteImage(img, t), spriteImage(img, t + 32)) << "item " << t;
}

TEST(Icon, Is128SquareWithTransparentBackgroundAndCrispPixels)
{
    const QImage icon(QStringLiteral(PORIMOGU_ASSET_DIR "/porimogu.png"));
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(128, 128));
    ASSERT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(127, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(64, 64)), 255);
    // Nearest-neighbour 4x: every 4 x 4 block is one colour.
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            ASSERT_EQ(icon.pixel(x, y), icon.pixel(x - x % 4, y - y % 4)) << x << "," << y;
}

// Every desktop size is drawn from ぽっけ's standing frame without blending: only the
// sprite's own colours appear, the corners stay clear, and where the art is enlarged
// each art pixel is an equal square of the icon.
TEST(IconSet, EverySizeUsesOnlyTheArtsColoursAndEnlargesInWholeSteps)
{
    const QImage sheet(QStringLiteral(PORIMOGU_ASSET_DIR "/game.bmp"));
    ASSERT_FALSE(sheet.isNull());
    std::set<QRgb> palette;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            palette.insert(sheet.pixel(TileSheet::tileX(32) + x, TileSheet::tileY(32) + y) | 0xff000000);
    const struct { int size, step; } sizes[] = {{16, 1}, {24, 1}, {32, 1}, {48, 1}, {64, 2}, {128, 4}, {256, 9}};
    for (const auto& [size, step] : sizes) {
        const QImage icon(QStringLiteral(PORIMOGU_ASSET_DIR "/icons/%1.png").arg(size));
        ASSERT_EQ(icon.size(), QSize(size, size)) << size;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
        std::set<QRgb> dark;
        int offset = size;  // first drawn column: the whole-step grid starts there
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (qAlpha(icon.pixel(x, y)) != 0)
                    offset = std::min(offset, x);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb p = icon.pixel(x, y);
                if (qAlpha(p) == 0)
                    continue;
                ASSERT_EQ(qAlpha(p), 255) << size << ": half-transparent at " << x << "," << y;
                ASSERT_TRUE(palette.count(p)) << size << ": blended colour at " << x << "," << y;
                if (qGray(p) < 80)
                    dark.insert(p);
                if (step > 1) {
                    const int bx = x - (x - offset) % step, by = y - (y - offset) % step;
                    ASSERT_EQ(p, icon.pixel(bx, by)) << size << ": not a whole step at " << x << "," << y;
                }
            }
        EXPECT_FALSE(dark.empty()) << size << ": the outline and eyes were lost";
    }
}
