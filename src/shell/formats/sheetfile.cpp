#include "formats/sheetfile.h"

#include <cstdint>
#include <cstdlib>

namespace porimogu {

namespace {

constexpr qsizetype kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeader = 12;      // the oldest form: 16-bit sizes, 3-byte colours
constexpr std::uint32_t kInfoHeader = 40;
constexpr std::uint32_t kV4Header = 108;
constexpr std::uint32_t kV5Header = 124;
constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;

std::uint32_t Le(const QByteArray& bytes, qsizetype pos, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[pos + i]);
    return value;
}

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0;   // negative: rows stored top-down
    std::uint32_t bits = 0;
    std::uint32_t compression = kRgb;
    qsizetype pixels = 0;      // where the pixel data starts
};

bool Supported(std::uint32_t bits, std::uint32_t compression)
{
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    return compression == kRgb || (compression == kRle8 && bits == 8) || (compression == kRle4 && bits == 4)
        || (compression == kBitFields && (bits == 16 || bits == 32));
}

// The headers and the colour table, read as the image decoder reads them, all inside the
// bytes; false for anything it would not take or that is out of bounds.
bool ReadHeader(const QByteArray& bytes, Header& h)
{
    const qsizetype size = bytes.size();
    if (size < kFileHeaderBytes + 4 || !bytes.startsWith("BM"))
        return false;
    const auto offset = static_cast<std::int32_t>(Le(bytes, 10, 4));
    const std::uint32_t infoSize = Le(bytes, 14, 4);
    if (infoSize != kCoreHeader && infoSize != kInfoHeader && infoSize != kV4Header && infoSize != kV5Header)
        return false;
    if (size < kFileHeaderBytes + static_cast<qsizetype>(infoSize))
        return false;
    std::uint32_t colours = 0;
    qsizetype colourBytes = 4;
    if (infoSize == kCoreHeader) {
        h.width = static_cast<std::int16_t>(Le(bytes, 18, 2));
        h.height = static_cast<std::int16_t>(Le(bytes, 20, 2));
        if (Le(bytes, 22, 2) != 1)
            return false;
        h.bits = Le(bytes, 24, 2);
        colourBytes = 3;
    } else {
        h.width = static_cast<std::int32_t>(Le(bytes, 18, 4));
        h.height = static_cast<std::int32_t>(Le(bytes, 22, 4));
        if (Le(bytes, 26, 2) != 1)
            return false;
        h.bits = Le(bytes, 28, 2);
        h.compression = Le(bytes, 30, 4);
        colours = Le(bytes, 46, 4);
    }
    if (!Supported(h.bits, h.compression))
        return false;
    if (h.width < 1 || h.width > kMaxSheetSide || h.height == 0 || std::llabs(h.height) > kMaxSheetSide)
        return false;
    if (h.height < 0 && h.compression != kRgb && h.compression != kBitFields)
        return false;  // run-length pictures are stored bottom-up only

    qsizetype pos = kFileHeaderBytes + static_cast<qsizetype>(infoSize >= kV4Header ? kInfoHeader : infoSize);
    if (infoSize == kInfoHeader && h.compression == kBitFields && size < pos + 12)
        return false;  // the three colour masks follow the header
    if (h.bits <= 8) {
        const std::uint32_t count = colours != 0 ? colours : 1u << h.bits;
        if (count > 256 || size < pos + static_cast<qsizetype>(count) * colourBytes + 1)
            return false;
        pos += static_cast<qsizetype>(count) * colourBytes;
    }
    h.pixels = offset >= 0 && offset > pos ? offset : pos;
    return h.pixels <= size;
}

// A run-length stream that paints every pixel of every row and stays inside the bytes.
// A delta jump, a short row or an early end would leave pixels that no byte gave.
bool RunsCoverThePicture(const QByteArray& bytes, const Header& h)
{
    const qsizetype size = bytes.size();
    qsizetype p = h.pixels;
    std::int64_t x = 0;
    std::int64_t y = 0;
    while (y < h.height) {
        if (size - p < 2)
            return false;
        const std::uint8_t count = static_cast<std::uint8_t>(bytes[p]);
        const std::uint8_t value = static_cast<std::uint8_t>(bytes[p + 1]);
        p += 2;
        if (count > 0) {                 // a run of one value (two alternating nibbles)
            x += count;
            if (x > h.width)
                return false;
        } else if (value == 0) {         // end of row
            if (x != h.width)
                return false;
            x = 0;
            ++y;
        } else if (value == 1) {         // end of picture
            return y == h.height - 1 && x == h.width;
        } else if (value == 2) {         // a jump over pixels
            return false;
        } else {                         // `value` pixels given one by one, word aligned
            qsizetype dataBytes = h.compression == kRle8 ? value : (value + 1) / 2;
            dataBytes += dataBytes & 1;
            x += value;
            if (x > h.width || size - p < dataBytes)
                return false;
            p += dataBytes;
        }
    }
    return true;
}

} // namespace

QImage DecodeTileSheet(const QByteArray& bytes)
{
    Header h;
    if (!ReadHeader(bytes, h))
        return {};
    const std::int64_t rows = std::llabs(h.height);
    if (h.compression == kRle8 || h.compression == kRle4) {
        if (!RunsCoverThePicture(bytes, h))
            return {};
    } else {
        const std::int64_t stride = (h.width * h.bits + 31) / 32 * 4;
        if (bytes.size() - h.pixels < stride * rows)
            return {};
    }

    QImage image;
    if (!image.loadFromData(bytes, "BMP") || image.width() != h.width || image.height() != rows)
        return {};
    // A pixel whose colour index lies beyond a short colour table gets transparent black
    // rather than whatever follows the table.
    if (image.colorCount() > 0 && image.colorCount() < (1 << image.depth()))
        image.setColorCount(1 << image.depth());
    return image;
}

} // namespace porimogu
