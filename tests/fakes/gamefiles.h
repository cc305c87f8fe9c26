#pragma once
// The game's files made on the spot: bitmaps of every kind the tile sheet may come as,
// and a guard under which permission bits bind the test as they bind a player.
#include <QByteArray>

#include <cstdint>

#include <unistd.h>

namespace porimogu::testing {

// A bitmap file of w x h pixels: `bits` per pixel (1, 4 or 8 with a grey palette, 24,
// or 32 with colour masks when compression is 3), the 8-bit kind run-length encoded when
// compression is 1; the info header plain (40 bytes) or of a later kind (108, 124) that
// holds the masks, alpha's too. The pixels change colour tile by tile.
inline QByteArray BitmapFile(int w, int h, int bits, int compression = 0, int header = 40)
{
    const auto le = [](QByteArray& b, std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            b += char((v >> (8 * i)) & 0xFF);
    };
    const int colours = bits <= 8 ? 1 << bits : 0;
    const auto index = [colours](int x, int y) { return (x / 16 + 3 * (y / 16)) % colours; };
    QByteArray pixels;
    pixels.reserve(qsizetype{w} * h * (bits > 8 ? bits / 8 : 1) + 4 * h);
    for (int y = 0; y < h; ++y) {  // the bottom row first
        const qsizetype start = pixels.size();
        if (compression == 1) {
            for (int x = 0; x < w;) {
                int n = 1;
                while (x + n < w && n < 255 && index(x + n, y) == index(x, y))
                    ++n;
                pixels += char(n);
                pixels += char(index(x, y));
                x += n;
            }
            pixels += QByteArray(y + 1 < h ? "\0\0" : "\0\1", 2);  // end of the row, of the picture
            continue;
        }
        std::uint32_t acc = 0;
        int filled = 0;
        for (int x = 0; x < w; ++x) {
            if (bits > 8) {
                le(pixels, std::uint32_t(x * 7 + y) & 0xFFFFFF, 3);
                if (bits == 32)
                    pixels += char(0xFF);
                continue;
            }
            acc = (acc << bits) | std::uint32_t(index(x, y));
            if ((filled += bits) == 8) {
                pixels += char(acc);
                acc = 0;
                filled = 0;
            }
        }
        if (filled != 0)
            pixels += char(acc << (8 - filled));
        while ((pixels.size() - start) % 4 != 0)
            pixels += '\0';
    }
    QByteArray table;
    for (int i = 0; i < colours; ++i)
        le(table, std::uint32_t(i * 255 / (colours - 1)) * 0x010101u, 4);
    QByteArray later;  // what a later header holds beyond the plain one
    if (header > 40) {
        for (std::uint32_t mask : {0xFF0000u, 0x00FF00u, 0x0000FFu, 0xFF000000u})
            le(later, compression == 3 ? mask : 0u, 4);
        later += QByteArray(header - 40 - later.size(), '\0');
    } else if (compression == 3) {
        for (std::uint32_t mask : {0xFF0000u, 0x00FF00u, 0x0000FFu})
            le(table, mask, 4);
    }
    const auto offset = std::uint32_t(14 + header + table.size());
    QByteArray file("BM");
    for (std::uint32_t v : {offset + std::uint32_t(pixels.size()), 0u, offset, std::uint32_t(header), std::uint32_t(w), std::uint32_t(h)})
        le(file, v, 4);
    le(file, 1, 2);
    le(file, std::uint32_t(bits), 2);
    for (std::uint32_t v : {std::uint32_t(compression), std::uint32_t(pixels.size()), 2835u, 2835u, std::uint32_t(colours), 0u})
        le(file, v, 4);
    return file + later + table + pixels;
}

// While alive, the process is user nobody, really and in effect (the saved user stays,
// to come back by), when it runs as root, whom permission bits do not bind: so that they
// bind it as they bind a player, for access() too. Binds() says whether they do now.
class AsNobody {
public:
    AsNobody()
    {
        if (::geteuid() == 0 && ::setresgid(65534, 65534, 0) == 0) {
            regrouped_ = true;
            unprivileged_ = ::setresuid(65534, 65534, 0) == 0;
        }
    }
    ~AsNobody()
    {
        if (unprivileged_)
            (void)!::setresuid(0, 0, 0);
        if (regrouped_)
            (void)!::setresgid(0, 0, 0);
    }
    AsNobody(const AsNobody&) = delete;
    AsNobody& operator=(const AsNobody&) = delete;
    bool Binds() const { return ::geteuid() != 0; }

private:
    bool regrouped_ = false;
    bool unprivileged_ = false;
};

} // namespace porimogu::testing
