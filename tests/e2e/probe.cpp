// Looks at screenshots for the end-to-end tests.
//   probe find SHOT.png game.bmp TILE   -> "x y matched" of the best place of the 2x2
//                                          sprite TILE (its opaque pixels) in SHOT
//   probe count SHOT.png game.bmp TILE  -> how many floor squares of tile TILE match
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstring>

namespace {

QImage Sprite(const QImage& sheet, int tile, int tilesAcross)
{
    const int x = 16 * (tile % 16), y = 16 * (tile / 16);
    return sheet.copy(x, y, 16 * tilesAcross, 16 * tilesAcross).convertToFormat(QImage::Format_RGB32);
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
    for (int y = 0; y + 16 <= shot.height(); ++y)
        for (int x = 0; x + 16 <= shot.width(); ++x) {
            bool same = true;
            for (int ty = 0; ty < 16 && same; ++ty)
                same = std::memcmp(shot.constScanLine(y + ty) + 4 * x, tile.constScanLine(ty), 64) == 0;
            count += same ? 1 : 0;
        }
    std::printf("%d\n", count);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5)
        return 2;
    const QImage shot = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    const QImage sheet(QString::fromLocal8Bit(argv[3]));
    const int tile = std::atoi(argv[4]);
    if (shot.isNull() || sheet.isNull())
        return 2;
    if (std::strcmp(argv[1], "find") == 0)
        return Find(shot, Sprite(sheet, tile, 2));
    if (std::strcmp(argv[1], "count") == 0)
        return Count(shot, Sprite(sheet, tile, 1));
    return 2;
}
