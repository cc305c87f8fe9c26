// The look at game.bmp's bytes: whole pictures of every common kind are taken, anything
// truncated, oversized or lying is refused before it is decoded.
#include "formats/sheetfile.h"

#include <QBuffer>
#include <QColor>

#include <gtest/gtest.h>

using namespace porimogu;

namespace {

QByteArray Encode(const QImage& image, const char* format = "BMP")
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage Gradient(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 200));
    return image;
}

void PutLe(QByteArray& bytes, int pos, std::uint32_t value, int count = 4)
{
    for (int i = 0; i < count; ++i)
        bytes[pos + i] = char((value >> (8 * i)) & 0xFF);
}

// A 4 x 2 picture of 8 bits run-length encoded, colours 0..3 as given, then the stream.
QByteArray Rle8(const QByteArray& stream)
{
    QByteArray bytes(14 + 40 + 4 * 4, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLe(bytes, 10, std::uint32_t(bytes.size()));
    PutLe(bytes, 14, 40);
    PutLe(bytes, 18, 4);
    PutLe(bytes, 22, 2);
    PutLe(bytes, 26, 1, 2);
    PutLe(bytes, 28, 8, 2);
    PutLe(bytes, 30, 1);        // run-length, 8 bits
    PutLe(bytes, 46, 4);        // four colours
    const QRgb colours[] = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    for (int i = 0; i < 4; ++i)
        PutLe(bytes, 54 + 4 * i, colours[i]);
    return bytes + stream;
}

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out += char(v);
    return out;
}

} // namespace

TEST(SheetFile, WholePicturesOfEveryDepthAreTakenPixelForPixel)
{
    const QImage source = Gradient(256, 256);
    QImage indexed = source.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    QImage sixteen(40, 24, QImage::Format_Indexed8);
    sixteen.setColorCount(16);
    for (int i = 0; i < 16; ++i)
        sixteen.setColor(i, qRgb(i * 16, 255 - i * 16, 7 * i));
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 40; ++x)
            sixteen.setPixel(x, y, (x + y) % 16);
    const QImage mono = source.convertToFormat(QImage::Format_Mono);
    for (const QImage& image : {source, indexed, sixteen, mono, Gradient(1, 1), Gradient(16, 16), Gradient(300, 257)}) {
        const QImage decoded = DecodeTileSheet(Encode(image));
        ASSERT_FALSE(decoded.isNull()) << image.width() << "x" << image.height() << " depth " << image.depth();
        EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), image.convertToFormat(QImage::Format_RGB32));
    }
}

TEST(SheetFile, ThePicturesAreTakenUpToTheSizeCapAndNotBeyond)
{
    QByteArray big = Encode(Gradient(kMaxSheetSide, 2));
    EXPECT_FALSE(DecodeTileSheet(big).isNull());
    PutLe(big, 18, kMaxSheetSide + 1);
    EXPECT_TRUE(DecodeTileSheet(big).isNull());
}

TEST(SheetFile, TruncatedLyingAndForeignBytesAreRefused)
{
    const QByteArray whole = Encode(Gradient(256, 256));
    auto withField = [&whole](int pos, std::uint32_t value) {
        QByteArray bytes = whole;
        PutLe(bytes, pos, value);
        return bytes;
    };
    QByteArray manyColours = Encode(Gradient(16, 16).convertToFormat(QImage::Format_Indexed8));
    ASSERT_FALSE(DecodeTileSheet(manyColours).isNull());
    PutLe(manyColours, 46, 1000);
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"empty", QByteArray()},
        {"text", QByteArray("BM this is no picture")},
        {"a PNG", Encode(Gradient(256, 256), "PNG")},
        {"one row short", whole.left(whole.size() - 256 * 3)},
        {"the last byte missing", whole.left(whole.size() - 1)},
        {"only the headers", whole.left(54)},
        {"100000 x 100000", withField(22, 100000) = withField(18, 100000)},
        {"taller than the bytes", withField(22, 4096)},
        {"a negative width", withField(18, std::uint32_t(-256))},
        {"no height", withField(22, 0)},
        {"an unknown header size", withField(14, 41)},
        {"two planes", withField(26, 2)},
        {"a colour table of 1000 entries", manyColours},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(DecodeTileSheet(c.bytes).isNull()) << c.what;
}

TEST(SheetFile, RunLengthPicturesMustPaintEveryPixel)
{
    // Bottom row first: red red green green, then blue x4.
    const QByteArray rows = Bytes({2, 1, 2, 2, 0, 0, 4, 3, 0, 0});
    const QImage image = DecodeTileSheet(Rle8(rows + Bytes({0, 1})));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(0, 1), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(3, 1), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(2, 0), qRgb(0, 0, 255));
    EXPECT_FALSE(DecodeTileSheet(Rle8(Bytes({0, 4, 1, 2, 3, 0, 0, 0, 4, 3, 0, 0}))).isNull()) << "absolute run";

    const QByteArray refused[] = {
        Rle8(Bytes({2, 1, 2, 2, 0, 0, 0, 1})),           // ends after one row
        Rle8(Bytes({2, 1, 0, 0, 4, 3, 0, 0})),           // a short row
        Rle8(Bytes({0, 2, 1, 1, 2, 2, 0, 0, 4, 3})),     // a jump over pixels
        Rle8(Bytes({5, 1, 0, 0, 4, 3, 0, 0})),           // a run past the row's end
        Rle8(Bytes({2, 1, 2, 2, 0, 0, 4})),              // the stream cut off
        Rle8(Bytes({0, 4, 1, 2})),                       // pixels given one by one, cut off
    };
    for (const QByteArray& bytes : refused)
        EXPECT_TRUE(DecodeTileSheet(bytes).isNull()) << bytes.mid(70).toHex().toStdString();
}
