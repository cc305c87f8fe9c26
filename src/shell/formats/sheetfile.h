#pragma once
// game.bmp, the tile sheet's picture, checked byte by byte before anything is decoded.
//
// Taken: a Windows bitmap ("BM") of 1, 4, 8, 16, 24 or 32 bits per pixel, uncompressed,
// with bit fields, or run-length encoded (8 and 4 bits), from 1 x 1 up to
// kMaxSheetSide x kMaxSheetSide pixels. Refused (a null image): anything else; a header
// that does not fit the bytes; pixel rows that the bytes do not hold in full (a
// truncated file, or a header that lies about the size); a run-length stream that ends
// early, runs past the bytes or skips pixels. So every pixel of a decoded image comes
// from the file, and no decoding starts before the bytes are known to hold the whole
// picture: the largest allocation is bounded by the side cap.
#include <QByteArray>
#include <QImage>

namespace porimogu {

// The widest and tallest picture taken; the game cuts only its top-left 256 x 256.
inline constexpr int kMaxSheetSide = 4096;
// The longest game.bmp read: a 32-bit picture of the largest size with room for any header.
inline constexpr qint64 kMaxSheetFileBytes = qint64{kMaxSheetSide} * kMaxSheetSide * 4 + 65536;

// game.bmp's bytes as an image the tile sheet can be cut from; a null image when they are
// not a whole, sanely sized picture (truncated, lying header, not an image).
QImage DecodeTileSheet(const QByteArray& bytes);

} // namespace porimogu
