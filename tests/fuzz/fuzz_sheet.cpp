// Any bytes as game.bmp -> the checked decode -> the tile sheet -> every tile drawn.
#include "fuzzcheck.h"

#include "window/framebuffers.h"
#include "formats/sheetfile.h"

#include <QGuiApplication>

using namespace porimogu;
using porimogu::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_sheet";
    static char* argv[] = {name, nullptr};
    static const bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    (void)offscreen;

    const QImage sheet = DecodeTileSheet(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!sheet.isNull())
        Require(sheet.width() >= 1 && sheet.height() >= 1 && sheet.width() <= kMaxSheetSide
                    && sheet.height() <= kMaxSheetSide,
                "a decoded sheet has a sane size");

    TileSheet tiles;
    Require(tiles.CutFrom(sheet) == !sheet.isNull(), "every decoded picture is cut");
    Require(tiles.IsEmpty() == sheet.isNull(), "a cut sheet is not empty");
    // Tiles from every row and column, past a small sheet's edge and outside the
    // sheet, some half off the target's corners.
    QImage target(48, 48, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::white);
    for (int n = -1; n <= kTileCount; n += 17)
        tiles.Draw(target, n, (n % 5) * 12 - 8, (n % 7) * 8 - 8);
    return 0;
}
