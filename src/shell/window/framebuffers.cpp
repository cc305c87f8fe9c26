#include "window/framebuffers.h"

#include <algorithm>
#include <cstring>

namespace porimogu {

bool TileSheet::CutFrom(const QImage& sheet)
{
    Clear();
    if (sheet.isNull())
        return false;
    // Only pure white is see-through. The sheet's own alpha counts for nothing: paint
    // programs write 32-bit files whose pixels carry alpha 0, and those must still show.
    QImage masked = sheet.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            line[x] = (line[x] & 0x00FFFFFFu) == 0x00FFFFFFu ? 0u : line[x] | 0xFF000000u;
    }
    // Copying outside the image fills with transparent pixels in an alpha format.
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 16; ++c)
            tiles_[static_cast<std::size_t>(16 * r + c)] =
                masked.copy(kTileSize * c, kTileSize * r, kTileSize, kTileSize)
                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    empty_ = false;
    return true;
}

void TileSheet::Clear()
{
    for (QImage& t : tiles_)
        t = QImage();
    empty_ = true;
}

void TileSheet::Draw(QImage& target, int n, int x, int y) const
{
    if (empty_ || n < 0 || n >= kTileCount || target.isNull())
        return;
    const QImage& tile = tiles_[static_cast<std::size_t>(n)];
    const int x0 = std::max(0, -x);
    const int y0 = std::max(0, -y);
    const int x1 = std::min(kTileSize, target.width() - x);
    const int y1 = std::min(kTileSize, target.height() - y);
    // Line addresses are worked out here: scanLine() would check for sharing every line.
    const uchar* tileBits = tile.constBits();
    const qsizetype tileStride = tile.bytesPerLine();
    uchar* targetBits = target.bits();
    const qsizetype targetStride = target.bytesPerLine();
    for (int ty = y0; ty < y1; ++ty) {
        const auto* src = reinterpret_cast<const QRgb*>(tileBits + ty * tileStride);
        auto* dst = reinterpret_cast<QRgb*>(targetBits + (y + ty) * targetStride) + x;
        for (int tx = x0; tx < x1; ++tx) {
            const QRgb s = src[tx];
            const unsigned a = qAlpha(s);
            if (a == 255) {
                dst[tx] = s;
            } else if (a != 0) {
                const QRgb d = dst[tx];
                const unsigned inv = 255 - a;
                dst[tx] = qRgb(static_cast<int>(qRed(s) + qRed(d) * inv / 255),
                               static_cast<int>(qGreen(s) + qGreen(d) * inv / 255),
                               static_cast<int>(qBlue(s) + qBlue(d) * inv / 255));
            }
        }
    }
}

void DirtyCells::Add(int x, int y, int w, int h)
{
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + w, kBufferWidth);    // exclusive
    const int bottom = std::min(y + h, kBufferHeight);
    if (left >= right || top >= bottom)
        return;
    const int c0 = left / kCell;
    const int c1 = (right - 1) / kCell;
    const std::uint64_t bits = ((std::uint64_t{1} << (c1 - c0 + 1)) - 1) << c0;
    for (int r = top / kCell; r <= (bottom - 1) / kCell; ++r)
        rows_[static_cast<std::size_t>(r)] |= bits;
}

void DirtyCells::AddAll()
{
    rows_.fill(kAllColumns);
}

void DirtyCells::Add(const DirtyCells& other)
{
    for (std::size_t r = 0; r < rows_.size(); ++r)
        rows_[r] |= other.rows_[r];
}

namespace {

// Copies rectangle r of src to dst at (r.x() + dx, r.y() + dy); both RGB32.
void CopyRect(const QImage& src, QImage& dst, const QRect& r, int dx = 0, int dy = 0)
{
    const auto bytes = static_cast<std::size_t>(r.width()) * 4;
    const qsizetype srcStride = src.bytesPerLine();
    const qsizetype dstStride = dst.bytesPerLine();
    const uchar* from = src.constBits() + r.top() * srcStride + r.x() * 4;
    uchar* to = dst.bits() + (r.top() + dy) * dstStride + (r.x() + dx) * 4;
    for (int n = r.height(); n > 0; --n, from += srcStride, to += dstStride)
        std::memcpy(to, from, bytes);
}

} // namespace

void FrameBuffers::SizeBuffers()
{
    back_ = QImage(kBufferWidth, kBufferHeight, QImage::Format_RGB32);
    back_.fill(Qt::white);
    background_ = QImage(kBufferWidth, kBufferHeight, QImage::Format_RGB32);
    background_.fill(Qt::white);
    MarkAllChanged();
}

void FrameBuffers::DrawFloor()
{
    for (int i = 0; i < kFieldHeight / kTileSize; ++i)
        for (int j = 0; j < kFieldWidth / kTileSize; ++j)
            tiles_.Draw(background_, 1, kFieldMargin + kTileSize * j, kFieldMargin + kTileSize * i);
    // The back buffer no longer matches the floor anywhere.
    drawn_.AddAll();
}

void FrameBuffers::MarkAllChanged()
{
    drawn_.AddAll();
    changed_.AddAll();
}

void FrameBuffers::DrawTile(int n, int x, int y)
{
    tiles_.Draw(back_, n, x, y);
    drawn_.Add(x, y, kTileSize, kTileSize);
    changed_.Add(x, y, kTileSize, kTileSize);
}

void FrameBuffers::DrawBackground()
{
    if (back_.isNull() || background_.size() != back_.size())
        return;
    // Everywhere else the back buffer already shows the floor.
    drawn_.ForEachRun([this](const QRect& r) { CopyRect(background_, back_, r); });
    changed_.Add(drawn_);
    drawn_.Clear();
}

void FrameBuffers::Present()
{
    if (back_.isNull())
        return;
    if (front_.isNull()) {
        front_ = QImage(kFieldWidth, kFieldHeight, QImage::Format_RGB32);
        changed_.AddAll();
    }
    // Runs of cells become rectangles of the front image; a run that continues one of
    // the row above with the same columns makes that rectangle taller.
    const QRect visible(kFieldMargin, kFieldMargin, kFieldWidth, kFieldHeight);
    int count = 0;
    changed_.ForEachRun([&](const QRect& run) {
        const QRect r = run.intersected(visible);
        if (r.isEmpty())
            return;
        CopyRect(back_, front_, r, -kFieldMargin, -kFieldMargin);
        const QRect shown = r.translated(-kFieldMargin, -kFieldMargin);
        for (int i = count - 1; i >= 0; --i) {
            QRect& above = presentRects_[static_cast<std::size_t>(i)];
            if (above.bottom() + 1 == shown.top() && above.left() == shown.left() && above.width() == shown.width()) {
                above.setBottom(shown.bottom());
                return;
            }
        }
        presentRects_[static_cast<std::size_t>(count++)] = shown;
    });
    changed_.Clear();
    if (presenter_ && count > 0)
        presenter_(std::span<const QRect>(presentRects_.data(), static_cast<std::size_t>(count)));
}

} // namespace porimogu
