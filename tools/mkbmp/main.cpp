// mkbmp: builds the game's tile sheet (game.bmp) and icon from the text art in
// assets/tiles/.
//
//   mkbmp <tiles-dir> <game.bmp> [--icon <out.png> <tile>] [--icon-set <dir> <tile>]
//         [--preview <dir>]
//
// --icon     the 2 x 2 sprite whose top-left tile is <tile>, scaled 4x without
//            smoothing to 128 x 128, with a transparent background.
// --icon-set the same sprite as <dir>/<n>.png for each desktop icon size n (16 to
//            256): the sprite's drawn part, centred, scaled without smoothing; only
//            the art's own colours appear (see iconAtSize).
// --preview  for the artist: <dir>/sheet.png (the sheet 3x on grey, tile grid
//            drawn) and <dir>/scene.png, <dir>/scene2x.png (every picture on the
//            tiled floor, drawn the way the game draws: white is transparent).
//
// Exit status 0 on success; 1 with "file:line: message" on stderr when the art's
// source has a mistake or an output cannot be written (nothing half-written is left).
#include "tilesource.h"

#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

using mkbmp::TileSheet;

QImage sheetImage(const TileSheet& sheet)
{
    QImage img(mkbmp::kSheetSide, mkbmp::kSheetSide, QImage::Format_RGB32);
    for (int y = 0; y < mkbmp::kSheetSide; ++y)
        for (int x = 0; x < mkbmp::kSheetSide; ++x) {
            const auto& p = sheet.pixel(x, y);
            img.setPixel(x, y, qRgb(p.r, p.g, p.b));
        }
    return img;
}

void saveOrThrow(const QImage& img, const std::string& path)
{
    const QString target = QString::fromStdString(path);
    const QString temp = target + QStringLiteral(".part.png");
    if (!img.save(temp, "PNG")) {
        std::remove(temp.toStdString().c_str());
        throw std::runtime_error(path + ": cannot be written");
    }
    if (std::rename(temp.toStdString().c_str(), path.c_str()) != 0) {
        std::remove(temp.toStdString().c_str());
        throw std::runtime_error(path + ": cannot be written");
    }
}

void checkIconTile(const TileSheet& sheet, int tile)
{
    if (tile < 0 || tile % mkbmp::kTilesPerRow > mkbmp::kTilesPerRow - 2
        || tile / mkbmp::kTilesPerRow > mkbmp::kTilesPerRow - 2)
        throw std::runtime_error("--icon: tile " + std::to_string(tile) + " is not the top-left of a 2 x 2 sprite");
    if (sheet.owner(tile).empty())
        throw std::runtime_error("--icon: no sprite draws tile " + std::to_string(tile));
}

void writeIcon(const TileSheet& sheet, int tile, const std::string& path)
{
    checkIconTile(sheet, tile);
    constexpr int scale = 4;
    constexpr int side = 2 * mkbmp::kTileSide;
    QImage icon(side * scale, side * scale, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    const int x0 = TileSheet::tileX(tile);
    const int y0 = TileSheet::tileY(tile);
    for (int y = 0; y < side * scale; ++y)
        for (int x = 0; x < side * scale; ++x) {
            const int sx = x0 + x / scale;
            const int sy = y0 + y / scale;
            if (sheet.isSet(sx, sy)) {
                const auto& p = sheet.pixel(sx, sy);
                icon.setPixel(x, y, qRgba(p.r, p.g, p.b, 255));
            }
        }
    saveOrThrow(icon, path);
}

// The desktop icon sizes a menu or task bar asks for.
constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// The 2 x 2 sprite `tile` as a size x size icon. The sprite's drawn part (its bounding
// square) is scaled by a whole factor where that still fills most of the icon, so
// every art pixel becomes an equal square; otherwise it is fitted to the icon by
// nearest neighbour. When shrinking, each icon pixel stands for a block of art pixels:
// transparent when most of the block is, else the block's darkest pixel, so the
// outline and the eyes survive at 16 and 24 pixels. No colour is ever blended.
QImage iconAtSize(const TileSheet& sheet, int tile, int size)
{
    constexpr int side = 2 * mkbmp::kTileSide;
    const int x0 = TileSheet::tileX(tile);
    const int y0 = TileSheet::tileY(tile);
    int left = side, top = side, right = -1, bottom = -1;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (sheet.isSet(x0 + x, y0 + y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0)
        throw std::runtime_error("--icon-set: sprite " + std::to_string(tile) + " draws nothing");
    const int n = std::max(right - left, bottom - top) + 1;  // the drawn part's square
    const int sx0 = x0 + left - (n - (right - left + 1)) / 2;
    const int sy0 = y0 + top - (n - (bottom - top + 1)) / 2;
    const int whole = size / n;
    const int drawn = (whole >= 1 && whole * n * 10 >= size * 7) ? whole * n : size;
    const int offset = (size - drawn) / 2;

    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    for (int y = 0; y < drawn; ++y)
        for (int x = 0; x < drawn; ++x) {
            // Art pixels [u0, u1) x [v0, v1) of the square fall on icon pixel (x, y).
            const int u0 = x * n / drawn, u1 = std::max(u0 + 1, (x + 1) * n / drawn);
            const int v0 = y * n / drawn, v1 = std::max(v0 + 1, (y + 1) * n / drawn);
            int opaque = 0, best = -1;
            QRgb colour = 0;
            for (int v = v0; v < v1; ++v)
                for (int u = u0; u < u1; ++u) {
                    const int px = sx0 + u, py = sy0 + v;
                    if (px < x0 || py < y0 || px >= x0 + side || py >= y0 + side || !sheet.isSet(px, py))
                        continue;
                    ++opaque;
                    const auto& p = sheet.pixel(px, py);
                    const int darkness = 3 * 255 - (p.r + p.g + p.b);
                    if (darkness > best) {
                        best = darkness;
                        colour = qRgba(p.r, p.g, p.b, 255);
                    }
                }
            if (2 * opaque >= (u1 - u0) * (v1 - v0) && opaque > 0)
                icon.setPixel(offset + x, offset + y, colour);
        }
    return icon;
}

void writeIconSet(const TileSheet& sheet, int tile, const std::string& dir)
{
    checkIconTile(sheet, tile);
    for (int size : kIconSizes)
        saveOrThrow(iconAtSize(sheet, tile, size), dir + "/" + std::to_string(size) + ".png");
}

// Draws tile n at (x, y) leaving its white pixels out, as the game does.
void drawTile(QImage& dst, const QImage& sheet, int n, int x, int y)
{
    const int sx = TileSheet::tileX(n);
    const int sy = TileSheet::tileY(n);
    for (int v = 0; v < mkbmp::kTileSide; ++v)
        for (int u = 0; u < mkbmp::kTileSide; ++u) {
            const QRgb p = sheet.pixel(sx + u, sy + v);
            if ((p & 0xffffff) != 0xffffff && dst.rect().contains(x + u, y + v))
                dst.setPixel(x + u, y + v, p);
        }
}

void drawSprite(QImage& dst, const QImage& sheet, int t, int x, int y)
{
    drawTile(dst, sheet, t, x, y);
    drawTile(dst, sheet, t + 1, x + 16, y);
    drawTile(dst, sheet, t + 16, x, y + 16);
    drawTile(dst, sheet, t + 17, x + 16, y + 16);
}

void drawMark(QImage& dst, const QImage& sheet, int t, int x, int y)
{
    drawTile(dst, sheet, t, x, y);
    drawTile(dst, sheet, t + 1, x + 16, y);
}

void writePreview(const TileSheet& sheet, const std::string& dir)
{
    const QImage art = sheetImage(sheet);

    // The sheet 3x on grey; white (transparent) shows as the grey.
    constexpr int scale = 3;
    QImage big(mkbmp::kSheetSide * scale, mkbmp::kSheetSide * scale, QImage::Format_RGB32);
    for (int y = 0; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x) {
            const int sx = x / scale;
            const int sy = y / scale;
            const bool grid = (sx % 16 == 0 && x % scale == 0) || (sy % 16 == 0 && y % scale == 0);
            QRgb p = sheet.isSet(sx, sy) ? art.pixel(sx, sy) : qRgb(150, 150, 156);
            if (grid)
                p = qRgb(90, 90, 100);
            big.setPixel(x, y, p);
        }
    saveOrThrow(big, dir + "/sheet.png");

    // A mock play field: 37 x 27 floor tiles with every picture on it.
    QImage field(592, 432, QImage::Format_RGB32);
    field.fill(Qt::white);
    for (int i = 0; i < 27; ++i)
        for (int j = 0; j < 37; ++j)
            drawTile(field, art, 1, 16 * j, 16 * i);
    const int player[] = {32, 36, 38, 34, 40, 44, 46, 42, 64, 68, 70, 66, 72, 76, 78, 74};
    for (int i = 0; i < 8; ++i) {
        drawSprite(field, art, player[i], 16 + 44 * i + (i >= 4 ? 16 : 0), 12);
        drawSprite(field, art, player[8 + i], 16 + 44 * i + (i >= 4 ? 16 : 0), 56);
    }
    for (int i = 0; i < 8; ++i) {
        drawSprite(field, art, 96 + 2 * i, 16 + 44 * i, 112);
        drawSprite(field, art, 128 + 2 * i, 16 + 44 * i, 156);
    }
    drawSprite(field, art, 164, 400, 112);
    drawSprite(field, art, 196, 400, 156);
    const int marks[] = {18, 22, 24, 30, 28};
    for (int i = 0; i < 5; ++i)
        drawMark(field, art, marks[i], 16 + 56 * i, 212);
    // A moment of play: munching next to food, a mark above, the ghost near by.
    drawSprite(field, art, 98, 120, 300);
    drawSprite(field, art, 66, 100, 304);
    drawMark(field, art, 18, 100, 272);
    drawSprite(field, art, 196, 200, 330);
    drawSprite(field, art, 142, 300, 280);
    drawSprite(field, art, 136, 380, 350);
    drawSprite(field, art, 46, 470, 320);
    drawSprite(field, art, 102, 520, 380);
    saveOrThrow(field, dir + "/scene.png");
    saveOrThrow(field.scaled(field.width() * 2, field.height() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation),
                dir + "/scene2x.png");
}

int usage()
{
    std::cerr << "usage: mkbmp <tiles-dir> <game.bmp> [--icon <out.png> <tile>] [--icon-set <dir> <tile>]"
                 " [--preview <dir>]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return usage();
    const std::string sourceDir = argv[1];
    const std::string bmpPath = argv[2];
    std::string iconPath;
    int iconTile = -1;
    std::string iconSetDir;
    int iconSetTile = -1;
    std::string previewDir;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--icon" && i + 2 < argc) {
            iconPath = argv[++i];
            char* end = nullptr;
            iconTile = static_cast<int>(std::strtol(argv[++i], &end, 10));
            if (*end != '\0')
                return usage();
        } else if (arg == "--icon-set" && i + 2 < argc) {
            iconSetDir = argv[++i];
            char* end = nullptr;
            iconSetTile = static_cast<int>(std::strtol(argv[++i], &end, 10));
            if (*end != '\0')
                return usage();
        } else if (arg == "--preview" && i + 1 < argc) {
            previewDir = argv[++i];
        } else {
            return usage();
        }
    }

    try {
        TileSheet sheet;
        if (sheet.addDirectory(sourceDir) == 0)
            throw mkbmp::SourceError(sourceDir + ": no sprites found");
        mkbmp::writeFileAtomically(bmpPath, mkbmp::encodeBmp(sheet));
        if (!iconPath.empty())
            writeIcon(sheet, iconTile, iconPath);
        if (!iconSetDir.empty())
            writeIconSet(sheet, iconSetTile, iconSetDir);
        if (!previewDir.empty())
            writePreview(sheet, previewDir);
    } catch (const std::exception& e) {
        std::cerr << "mkbmp: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
