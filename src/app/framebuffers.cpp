#include "framebuffers.h"

#include <cstring>

namespace porimogu {

bool TileSheet::CutFrom(const QImage& sheet)
{
    Clear();
    if (sheet.isNull())
        return false;
    // Copying outside the image fills with transparent pixels in an alpha format.
    const QImage argb = sheet.convertToFormat(QImage::Format_ARGB32);
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) {
            QImage tile = argb.copy(kTileSize * c, kTileSize * r, kTileSize, kTileSize);
            for (int y = 0; y < kTileSize; ++y) {
                auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
                for (int x = 0; x < kTileSize; ++x)
                    if ((line[x] & 0x00FFFFFFu) == 0x00FFFFFFu)
                        line[x] = 0;
            }
            tiles_[static_cast<std::size_t>(16 * r + c)] = tile.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        }
    }
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
    for (int ty = y0; ty < y1; ++ty) {
        const auto* src = reinterpret_cast<const QRgb*>(tile.constScanLine(ty));
        auto* dst = reinterpret_cast<QRgb*>(target.scanLine(y + ty)) + x;
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

void FrameBuffers::SizeBuffers()
{
    back_ = QImage(kBufferWidth, kBufferHeight, QImage::Format_RGB32);
    back_.fill(Qt::white);
    background_ = QImage(kBufferWidth, kBufferHeight, QImage::Format_RGB32);
    background_.fill(Qt::white);
}

void FrameBuffers::DrawFloor()
{
    for (int i = 0; i < 27; ++i)
        for (int j = 0; j < 37; ++j)
            tiles_.Draw(background_, 1, 32 + 16 * j, 32 + 16 * i);
}

void FrameBuffers::DrawTile(int n, int x, int y)
{
    tiles_.Draw(back_, n, x, y);
}

void FrameBuffers::DrawBackground()
{
    if (back_.isNull() || background_.size() != back_.size())
        return;
    std::memcpy(back_.bits(), background_.constBits(), static_cast<std::size_t>(back_.sizeInBytes()));
}

void FrameBuffers::Present()
{
    if (back_.isNull())
        return;
    if (front_.isNull())
        front_ = QImage(kVisibleWidth, kVisibleHeight, QImage::Format_RGB32);
    for (int y = 0; y < kVisibleHeight; ++y)
        std::memcpy(front_.scanLine(y),
                    back_.constScanLine(kVisibleTop + y) + kVisibleLeft * 4,
                    static_cast<std::size_t>(kVisibleWidth) * 4);
    if (presenter_)
        presenter_();
}

} // namespace porimogu
