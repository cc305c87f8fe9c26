#pragma once
// The tile sheet and the three frame images behind the play field, and the canvas
// the rules draw into.
#include "core/field.h"
#include "core/ports.h"

#include <QImage>
#include <QRect>
#include <array>
#include <bit>
#include <cstdint>
#include <functional>
#include <span>

namespace porimogu {

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

// A set of 16 x 16 cells over a back or background buffer, one bit each: where something was
// drawn. Read back as horizontal runs of cells, row by row, clipped to the buffer.
class DirtyCells {
public:
    static constexpr int kCell = 16;
    static constexpr int kColumns = (kBufferWidth + kCell - 1) / kCell;
    static constexpr int kRows = (kBufferHeight + kCell - 1) / kCell;

    void Add(int x, int y, int w, int h);   // any rectangle; the part off the buffer is dropped
    void AddAll();
    void Add(const DirtyCells& other);
    void Clear() { rows_.fill(0); }

    // f(QRect) for every run of marked cells, top row first, in buffer pixels.
    template <class F> void ForEachRun(F&& f) const
    {
        for (int r = 0; r < kRows; ++r) {
            std::uint64_t bits = rows_[static_cast<std::size_t>(r)];
            while (bits != 0) {
                const int first = std::countr_zero(bits);
                const int length = std::countr_one(bits >> first);
                bits &= ~(((std::uint64_t{1} << length) - 1) << first);
                const QRect run(first * kCell, r * kCell, length * kCell, kCell);
                f(run.intersected(QRect(0, 0, kBufferWidth, kBufferHeight)));
            }
        }
    }

private:
    static constexpr std::uint64_t kAllColumns = (std::uint64_t{1} << kColumns) - 1;
    std::array<std::uint64_t, kRows> rows_{};
};

// The back buffer, the background buffer (the floor) and the front image that the
// play-field widget paints. Buffers are null until sized; every operation tolerates
// that, because frame ticks can arrive before the window has finished its set-up.
//
// Only what changes is copied: the buffers remember the cells that tiles were drawn
// into since the floor was last restored (the floor is put back only there) and the
// cells of the back buffer changed since the last present (only those reach the front
// image, and only they are handed to the presenter to be repainted). Anything written
// through Back() or Background() directly must be followed by MarkAllChanged().
class FrameBuffers : public Canvas {
public:
    // The changed parts of the front image, in its own coordinates (0, 0 to kFieldWidth,
    // kFieldHeight).
    using Presenter = std::function<void(std::span<const QRect>)>;

    QImage& Back() { return back_; }
    QImage& Background() { return background_; }
    const QImage& Front() const { return front_; }
    TileSheet& Tiles() { return tiles_; }

    void SizeBuffers();          // both kBufferWidth x kBufferHeight, white
    void DrawFloor();            // 37 x 27 floor tiles into the background buffer
    void SetPresenter(Presenter presenter) { presenter_ = std::move(presenter); }
    // The next restore and present copy the whole buffers.
    void MarkAllChanged();

    void DrawTile(int n, int x, int y) override;
    void DrawBackground() override;
    void Present() override;

private:
    static constexpr int kMaxPresentRects = DirtyCells::kRows * ((DirtyCells::kColumns + 1) / 2);

    QImage back_;
    QImage background_;
    QImage front_;
    TileSheet tiles_;
    Presenter presenter_;
    DirtyCells drawn_;      // back buffer differs from the floor at most here
    DirtyCells changed_;    // back buffer differs from the front image at most here
    std::array<QRect, kMaxPresentRects> presentRects_;
};

} // namespace porimogu
