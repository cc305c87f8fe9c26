// Looks at screenshots for the end-to-end tests.
//   probe find SHOT.png game.bmp TILE   -> "x y matched" of the best place of the 2x2
//                                          sprite TILE (its opaque pixels) in SHOT
//   probe count SHOT.png game.bmp TILE  -> how many floor squares of tile TILE match
//   (find and count take an optional SCALE: the tiles enlarged by nearest neighbour, as
//   a screen of SCALE device pixels per pixel must show them)
//   probe blocks SHOT.png X Y W H       -> how many 2x2 pixel blocks of that area, counted
//                                          from (X, Y), are not of one colour
//   probe scaled SHOT.png game.bmp K    -> the game's client area shown K times larger
//                                          on black: "menu left top width height
//                                          field-mixed floor gauge-mixed aqua", the
//                                          K x K squares of play field and gauge that are
//                                          not of one colour, the floor tiles, the aqua pixels
//   probe floorshare SHOT.png game.bmp X,Y,W,H -> per cent of the pixels of that rectangle
//                                          that have a colour of the floor tile
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>

namespace {

QImage Sprite(const QImage& sheet, int tile, int tilesAcross, int scale)
{
    const int x = 16 * (tile % 16), y = 16 * (tile / 16);
    const int side = 16 * tilesAcross;
    return sheet.copy(x, y, side, side)
        .convertToFormat(QImage::Format_RGB32)
        .scaled(side * scale, side * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The k x k squares of `r`, counted from its top-left, that are not of one colour.
int MixedBlocks(const QImage& shot, const QRect& r, int k)
{
    int mixed = 0;
    for (int y = r.top(); y + k - 1 <= r.bottom(); y += k)
        for (int x = r.left(); x + k - 1 <= r.right(); x += k) {
            const QRgb p = shot.pixel(x, y);
            bool same = true;
            for (int dy = 0; dy < k && same; ++dy)
                for (int dx = 0; dx < k && same; ++dx)
                    same = shot.pixel(x + dx, y + dy) == p;
            mixed += same ? 0 : 1;
        }
    return mixed;
}

int Blocks(const QImage& shot, int x0, int y0, int w, int h)
{
    std::printf("%d\n", MixedBlocks(shot, QRect(x0, y0, w, h), 2));
    return 0;
}

int Find(const QImage& shot, const QImage& sprite)
{
    // The shot is RGB32: its pixels are read straight from memory, each opaque pixel of
    // the sprite at a fixed offset from the place tried.
    struct P { qsizetype offset; QRgb c; };
    const qsizetype stride = shot.bytesPerLine() / 4;
    std::vector<P> opaque;
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x)
            if ((sprite.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                opaque.push_back({y * stride + x, sprite.pixel(x, y) & 0xFFFFFF});
    const auto* pixels = reinterpret_cast<const QRgb*>(shot.constBits());
    int bestScore = -1, bx = -1, by = -1;
    const int need = static_cast<int>(opaque.size());
    for (int y = 0; y + sprite.height() <= shot.height(); ++y) {
        for (int x = 0; x + sprite.width() <= shot.width(); ++x) {
            int miss = 0, allowed = need - std::max(bestScore, need * 8 / 10);
            bool ok = true;
            const QRgb* at = pixels + y * stride + x;
            for (const P& p : opaque) {
                if ((at[p.offset] & 0xFFFFFF) != p.c && ++miss > allowed) {
                    ok = false;
                    break;
                }
            }
            if (ok && need - miss > bestScore) {
                bestScore = need - miss;
                bx = x;
                by = y;
            }
        }
    }
    std::printf("%d %d %d %d\n", bx, by, bestScore, need);
    return bestScore >= 0 ? 0 : 1;
}

int Count(const QImage& shot, const QImage& tile)
{
    int count = 0;
    const int side = tile.width();
    for (int y = 0; y + side <= shot.height(); ++y)
        for (int x = 0; x + side <= shot.width(); ++x) {
            bool same = true;
            for (int ty = 0; ty < side && same; ++ty)
                same = std::memcmp(shot.constScanLine(y + ty) + 4 * x, tile.constScanLine(ty),
                                   static_cast<std::size_t>(4 * side)) == 0;
            count += same ? 1 : 0;
        }
    std::printf("%d\n", count);
    return 0;
}

bool Black(QRgb c) { return (c & 0xFFFFFF) == 0; }

int Scaled(const QImage& shot, const QImage& sheet, int k)
{
    // The menu bar runs along the top; below it, black around the client area.
    int menu = 0;
    while (menu < shot.height() && !Black(shot.pixel(2, menu)))
        ++menu;
    const int midY = shot.height() * 6 / 10;
    int left = 0;
    while (left < shot.width() && Black(shot.pixel(left, midY)))
        ++left;
    int right = shot.width() - 1;
    while (right > left && Black(shot.pixel(right, midY)))
        --right;
    int top = midY;
    while (top > menu && !Black(shot.pixel(left + 2, top - 1)))
        --top;
    int bottom = midY;
    while (bottom + 1 < shot.height() && !Black(shot.pixel(left + 2, bottom + 1)))
        ++bottom;
    const QRect field(left + 20 * k, top + 10 * k, 592 * k, 432 * k);
    const QRect gauge(left + 8 * k, bottom + 1 - 32 * k + 8 * k, 100 * k, 19 * k);
    int aqua = 0;
    for (int y = gauge.top(); y <= gauge.bottom(); ++y)
        for (int x = gauge.left(); x <= gauge.right(); ++x)
            aqua += (shot.pixel(x, y) & 0xFFFFFF) == 0x00FFFF ? 1 : 0;
    std::printf("%d %d %d %d %d %d ", menu, left, top, right - left + 1, bottom - top + 1,
                MixedBlocks(shot, field.intersected(shot.rect()), k));
    std::fflush(stdout);
    const QImage floor = Sprite(sheet, 1, 1, k);
    int count = 0;
    for (int y = field.top(); y + floor.height() <= field.bottom() + 1; y += k)
        for (int x = field.left(); x + floor.width() <= field.right() + 1; x += k) {
            bool same = true;
            for (int ty = 0; ty < floor.height() && same; ++ty)
                same = std::memcmp(shot.constScanLine(y + ty) + 4 * x, floor.constScanLine(ty), 4 * floor.width()) == 0;
            count += same ? 1 : 0;
        }
    std::printf("%d %d %d\n", count, MixedBlocks(shot, gauge.intersected(shot.rect()), k), aqua);
    return 0;
}

int FloorShare(const QImage& shot, const QImage& tile, const QRect& r)
{
    std::set<QRgb> colours;
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            colours.insert(tile.pixel(x, y) | 0xFF000000u);
    const QRect area = r.intersected(shot.rect());
    long long floor = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            floor += colours.count(shot.pixel(x, y) | 0xFF000000u);
    const long long all = static_cast<long long>(area.width()) * area.height();
    std::printf("%lld\n", all > 0 ? floor * 100 / all : 0);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5)
        return 2;
    const QImage shot = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    if (shot.isNull())
        return 2;
    if (std::strcmp(argv[1], "blocks") == 0 && argc == 7)
        return Blocks(shot, std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]));
    const QImage sheet(QString::fromLocal8Bit(argv[3]));
    const int tile = std::atoi(argv[4]);
    const int scale = argc == 6 ? std::max(1, std::atoi(argv[5])) : 1;
    if (sheet.isNull() || argc > 6)
        return 2;
    if (std::strcmp(argv[1], "scaled") == 0)
        return tile > 0 ? Scaled(shot, sheet, tile) : 2;
    if (std::strcmp(argv[1], "floorshare") == 0) {
        int x = 0, y = 0, w = 0, h = 0;
        if (std::sscanf(argv[4], "%d,%d,%d,%d", &x, &y, &w, &h) != 4)
            return 2;
        return FloorShare(shot, Sprite(sheet, 1, 1, 1), QRect(x, y, w, h));
    }
    if (std::strcmp(argv[1], "find") == 0)
        return Find(shot, Sprite(sheet, tile, 2, scale));
    if (std::strcmp(argv[1], "count") == 0)
        return Count(shot, Sprite(sheet, tile, 1, scale));
    return 2;
}
