#pragma once
// The tile sheet and the three frame images behind the play field, and the canvas
// the rules draw into.
#include "ports.h"

#include <QImage>
#include <QString>
#include <array>
#include <functional>

namespace porimogu {

inline constexpr int kBufferWidth = 656;
inline constexpr int kBufferHeight = 496;
inline constexpr int kVisibleLeft = 32;
inline constexpr int kVisibleTop = 32;
inline constexpr int kVisibleWidth = 592;
inline constexpr int kVisibleHeight = 432;
inline constexpr int kTileCount = 256;
inline constexpr int kTileSize = 16;

// 256 tiles of 16 x 16 cut row by row from a 256 x 256 sheet; white is transparent.
// An empty sheet draws nothing; tiles beyond the edge of a smaller image are fully
// transparent.
class TileSheet {
public:
    bool IsEmpty() const { return empty_; }
    // Cuts the sheet from an image. Returns false (and stays empty) for a null image.
    bool CutFrom(const QImage& sheet);
    void Clear();
    const QImage& Tile(int n) const { return tiles_[static_cast<std::size_t>(n)]; }
    // Draws tile n with its top-left corner at (x, y) of target (RGB32 or ARGB32
    // premultiplied), clipped to the target. Out-of-range n draws nothing.
    void Draw(QImage& target, int n, int x, int y) const;

private:
    std::array<QImage, kTileCount> tiles_;
    bool empty_ = true;
};

// The back buffer, the background buffer (the floor) and the front image that the
// play-field widget paints. Buffers are null until sized; every operation tolerates
// that, because frame ticks can arrive before the window has finished its set-up.
class FrameBuffers : public Canvas {
public:
    QImage& Back() { return back_; }
    QImage& Background() { return background_; }
    const QImage& Front() const { return front_; }
    TileSheet& Tiles() { return tiles_; }

    void SizeBuffers();          // both 656 x 496, white
    void DrawFloor();            // 37 x 27 floor tiles into the background buffer
    void SetPresenter(std::function<void()> presenter) { presenter_ = std::move(presenter); }

    void DrawTile(int n, int x, int y) override;
    void DrawBackground() override;
    void Present() override;

private:
    QImage back_;
    QImage background_;
    QImage front_;
    TileSheet tiles_;
    std::function<void()> presenter_;
};

} // namespace porimogu
