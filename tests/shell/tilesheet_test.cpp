// The tile sheet as cut from game.bmp's bytes: white is the only see-through colour.
#include "window/framebuffers.h"
#include "formats/sheetfile.h"

#include <QtEndian>
#include <gtest/gtest.h>

using namespace porimogu;

namespace {

// A 32-bit BMP with an alpha channel (version 4 header, bit fields), as paint programs
// write it; Qt itself writes only 24-bit files.
QByteArray AlphaBmp(const QImage& argb)
{
    const int w = argb.width();
    const int h = argb.height();
    const quint32 headerSize = 14 + 108;
    const quint32 pixelBytes = quint32(w * h * 4);
    QByteArray b(int(headerSize + pixelBytes), '\0');
    auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, b.data() + at); };
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, b.data() + at); };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, headerSize + pixelBytes);
    put32(10, headerSize);
    put32(14, 108);
    put32(18, quint32(w));
    put32(22, quint32(h));           // bottom-up
    put16(26, 1);
    put16(28, 32);
    put32(30, 3);                    // bit fields
    put32(34, pixelBytes);
    put32(54, 0x00FF0000u);          // red, green, blue and alpha masks
    put32(58, 0x0000FF00u);
    put32(62, 0x000000FFu);
    put32(66, 0xFF000000u);
    put32(70, 0x73524742u);          // sRGB
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            put32(int(headerSize) + ((h - 1 - y) * w + x) * 4, argb.pixel(x, y));
    return b;
}

TEST(TileSheet, OnlyWhiteIsSeeThroughWhateverTheFilesAlpha)
{
    // Tile 1 is green with alpha 0 except one pure white pixel; tile 2 is half-transparent
    // red; everything else opaque blue.
    QImage art(256, 256, QImage::Format_ARGB32);
    art.fill(qRgba(0, 0, 255, 255));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            art.setPixel(16 + x, y, qRgba(0, 160, 0, 0));
            art.setPixel(32 + x, y, qRgba(200, 0, 0, 128));
        }
    art.setPixel(16 + 5, 5, qRgba(255, 255, 255, 255));
    const QImage loaded = DecodeTileSheet(AlphaBmp(art));
    ASSERT_TRUE(loaded.hasAlphaChannel()) << "the file must really carry alpha for this test";

    TileSheet sheet;
    ASSERT_TRUE(sheet.CutFrom(loaded));
    QImage target(48, 16, QImage::Format_RGB32);
    target.fill(qRgb(1, 2, 3));
    sheet.Draw(target, 1, 0, 0);
    sheet.Draw(target, 2, 16, 0);
    EXPECT_EQ(target.pixel(0, 0), qRgb(0, 160, 0)) << "alpha 0 drew a hole";
    EXPECT_EQ(target.pixel(15, 15), qRgb(0, 160, 0));
    EXPECT_EQ(target.pixel(5, 5), qRgb(1, 2, 3)) << "white stays see-through";
    EXPECT_EQ(target.pixel(16, 0), qRgb(200, 0, 0)) << "half alpha is drawn opaque";
    EXPECT_EQ(target.pixel(32, 0), qRgb(1, 2, 3)) << "nothing drawn where no tile went";
}

TEST(TileSheet, TilesBeyondTheEdgeOfASmallSheetAreSeeThrough)
{
    QImage small(24, 8, QImage::Format_RGB32);
    small.fill(qRgb(9, 9, 9));
    TileSheet sheet;
    ASSERT_TRUE(sheet.CutFrom(small));
    QImage target(16, 16, QImage::Format_RGB32);
    target.fill(qRgb(1, 2, 3));
    sheet.Draw(target, 1, 0, 0);  // 8 x 8 of it lies inside the sheet
    EXPECT_EQ(target.pixel(7, 7), qRgb(9, 9, 9));
    EXPECT_EQ(target.pixel(8, 0), qRgb(1, 2, 3));
    EXPECT_EQ(target.pixel(0, 8), qRgb(1, 2, 3));
}

} // namespace
