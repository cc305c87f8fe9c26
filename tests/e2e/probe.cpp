// Looks at screenshots for the end-to-end tests.
//   probe find SHOT.png game.bmp TILE   -> "x y matched" of the best place of the 2x2
//                                          sprite TILE (its opaque pixels) in SHOT
//   probe count SHOT.png game.bmp TILE  -> how many floor squares of tile TILE match
//   (find and count take an optional SCALE: the tiles enlarged by nearest neighbour, as
//   a screen of SCALE device pixels per pixel must show them)
//   probe blocks SHOT.png X Y W H       -> how many 2x2 pixel blocks of that area, counted
//                                          from (X, Y), are not of one colour
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

QImage Sprite(const QImage& sheet, int tile, int tilesAcross, int scale)
{
    const int x = 16 * (tile % 16), y = 16 * (tile / 16);
    const int side = 16 * tilesAcross;
    return sheet.copy(x, y, side, side)
        .convertToFormat(QImage::Format_RGB32)
        .scaled(side * scale, side * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

int Blocks(const QImage& shot, int x0, int y0, int w, int h)
{
    int mixed = 0;
    for (int y = y0; y + 1 < y0 + h; y += 2)
        for (int x = x0; x + 1 < x0 + w; x += 2) {
            const QRgb p = shot.pixel(x, y);
            mixed += (shot.pixel(x + 1, y) != p || shot.pixel(x, y + 1) != p || shot.pixel(x + 1, y + 1) != p) ? 1 : 0;
        }
    std::printf("%d\n", mixed);
    return 0;
}

int Find(const QImage& shot, const QImage& sprite)
{
    struct P { int x, y; QRgb c; };
    std::vector<P> opaque;
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x)
            if ((sprite.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                opaque.push_back({x, y, sprite.pixel(x, y) & 0xFFFFFF});
    int bestScore = -1, bx = -1, by = -1;
    const int need = static_cast<int>(opaque.size());
    for (int y = 0; y + sprite.height() <= shot.height(); ++y) {
        for (int x = 0; x + sprite.width() <= shot.width(); ++x) {
            int miss = 0, allowed = need - std::max(bestScore, need * 8 / 10);
            bool ok = true;
            for (const P& p : opaque) {
                if ((shot.pixel(x + p.x, y + p.y) & 0xFFFFFF) != p.c && ++miss > allowed) {
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
    if (std::strcmp(argv[1], "find") == 0)
        return Find(shot, Sprite(sheet, tile, 2, scale));
    if (std::strcmp(argv[1], "count") == 0)
        return Count(shot, Sprite(sheet, tile, 1, scale));
    return 2;
}
