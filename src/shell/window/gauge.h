#pragma once
// TGauge: the time bar of the status panel. A horizontal bar with its percentage
// written over it by exclusive-or, so the text reads red over the filled part and
// black over the empty part.
#include "core/errors.h"

#include <QColor>
#include <QImage>
#include <QWidget>
#include <cstdint>

namespace porimogu {

// Raised when a range limit would cross the other one; nothing is changed then.
class EInvalidOperation : public GameError {
public:
    using GameError::GameError;
};

class TGauge : public QWidget {
    Q_OBJECT
public:
    // 100 x 100, range 0..100, progress 0, black on white, single border, text shown.
    explicit TGauge(QWidget* parent = nullptr);

    std::int32_t MinValue() const { return minValue_; }
    std::int32_t MaxValue() const { return maxValue_; }
    std::int32_t Progress() const { return progress_; }

    // Clamps v into MinValue..MaxValue and stores it; repaints at once only when the
    // shown percentage changes.
    void SetProgress(std::int32_t v);
    // Throws EInvalidOperation (nothing changed) when v < MinValue; otherwise stores v,
    // lowers Progress to v when it is above, and repaints.
    void SetMaxValue(std::int32_t v);
    // Throws EInvalidOperation (nothing changed) when v > MaxValue; otherwise stores v,
    // raises Progress to v when it is below, and repaints.
    void SetMinValue(std::int32_t v);
    // Each repaints when the value differs.
    void SetShowText(bool v);
    void SetForeColor(const QColor& v);

    // The truncated percentage of Progress within MinValue..MaxValue; 0 for an empty range.
    int FilledPercent() const;

    // The control's picture at its size divided by Scale(), as painted at factor 1 (RGB32).
    QImage RenderImage() const;

    // The control is shown `factor` times larger, each pixel of its picture as a
    // factor x factor square; its font is that of the larger size, its picture is drawn
    // with the font divided back. The owner sizes it.
    void SetScale(int factor);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void RepaintNow();

    std::int32_t minValue_ = 0;
    std::int32_t maxValue_ = 100;
    std::int32_t progress_ = 0;
    bool showText_ = true;
    QColor foreColor_ = Qt::black;
    int scale_ = 1;
};

} // namespace porimogu
