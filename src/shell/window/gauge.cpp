#include "window/gauge.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPaintEvent>

#include <limits>

namespace porimogu {

namespace {

QString RangeMessage(qint64 low, qint64 high)
{
    return QCoreApplication::translate("Gauge", "%1 から %2 の間の値でなければなりません").arg(low).arg(high);
}

// dst := dst XOR src on the colour bits; both RGB32 of the same size.
void XorInto(QImage& dst, const QImage& src)
{
    for (int y = 0; y < dst.height(); ++y) {
        auto* d = reinterpret_cast<QRgb*>(dst.scanLine(y));
        const auto* s = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < dst.width(); ++x)
            d[x] = 0xff000000u | ((d[x] ^ s[x]) & 0x00ffffffu);
    }
}

} // namespace

TGauge::TGauge(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(100, 100);
}

int TGauge::FilledPercent() const
{
    const long double span = static_cast<long double>(static_cast<qint64>(maxValue_) - minValue_);
    if (span == 0)
        return 0;
    const long double done = static_cast<long double>(static_cast<qint64>(progress_) - minValue_);
    return static_cast<int>(done * 100.0L / span);
}

void TGauge::RepaintNow()
{
    repaint();
}

void TGauge::SetProgress(std::int32_t v)
{
    if (v < minValue_)
        v = minValue_;
    if (v > maxValue_)
        v = maxValue_;
    if (v == progress_)
        return;
    const int before = FilledPercent();
    progress_ = v;
    if (FilledPercent() != before)
        RepaintNow();
}

void TGauge::SetMaxValue(std::int32_t v)
{
    if (v == maxValue_)
        return;
    if (v < minValue_)
        throw EInvalidOperation(RangeMessage(qint64{minValue_} + 1, std::numeric_limits<std::int32_t>::max()));
    maxValue_ = v;
    if (progress_ > v)
        progress_ = v;
    RepaintNow();
}

void TGauge::SetMinValue(std::int32_t v)
{
    if (v == minValue_)
        return;
    if (v > maxValue_)
        throw EInvalidOperation(RangeMessage(-qint64{std::numeric_limits<std::int32_t>::max()},
                                             qint64{maxValue_} - 1));
    minValue_ = v;
    if (progress_ < v)
        progress_ = v;
    RepaintNow();
}

void TGauge::SetShowText(bool v)
{
    if (v == showText_)
        return;
    showText_ = v;
    RepaintNow();
}

void TGauge::SetForeColor(const QColor& v)
{
    if (v == foreColor_)
        return;
    foreColor_ = v;
    RepaintNow();
}

void TGauge::SetScale(int factor)
{
    if (factor < 1 || factor == scale_)
        return;
    scale_ = factor;
    update();
}

QImage TGauge::RenderImage() const
{
    const int W = width() / scale_;
    const int H = height() / scale_;
    if (W <= 0 || H <= 0)
        return {};

    // The paint rectangle, right and bottom exclusive; the single border keeps a one-pixel
    // black ring around it.
    const int left = 1, top = 1, right = W - 1, bottom = H - 1;
    const QRect paintRect(left, top, right - left, bottom - top);

    QImage image(W, H, QImage::Format_RGB32);
    image.fill(Qt::black);

    QImage overlay(W, H, QImage::Format_RGB32);
    overlay.fill(Qt::black);
    const int percent = FilledPercent();
    {
        QPainter p(&overlay);
        p.fillRect(paintRect, Qt::white);
        const int w = right - left + 1;
        const int h = bottom - top + 1;
        // The bar ends at column fill itself (exclusive), not at left + fill.
        int fill = static_cast<int>(static_cast<long double>(w) * (static_cast<long double>(percent) * 0.01L));
        if (fill > w)
            fill = w;
        if (fill > 0 && fill > left && h > top)
            p.fillRect(QRect(left, top, fill - left, h - top).intersected(image.rect()), foreColor_);
    }
    XorInto(image, overlay);

    if (showText_) {
        QImage mask(W, H, QImage::Format_RGB32);
        mask.fill(Qt::black);
        const QString text = QString::asprintf("%d%%", percent);
        {
            QPainter p(&mask);
            // Whole-pixel glyphs: a text pixel inverts the colour under it exactly.
            QFont f = font();
            if (scale_ > 1 && f.pixelSize() > 0)
                f.setPixelSize(f.pixelSize() / scale_);
            f.setStyleStrategy(QFont::NoAntialias);
            p.setFont(f);
            p.setPen(Qt::white);
            const QFontMetrics fm = p.fontMetrics();
            const int x = (right - left + 1 - fm.horizontalAdvance(text)) / 2;
            const int y = (bottom - top + 1 - fm.height()) / 2;
            p.setClipRect(paintRect);
            p.drawText(x, y + fm.ascent(), text);
        }
        // Any glyph coverage the engine still blends counts as ink when it is at least half.
        for (int y = 0; y < H; ++y) {
            auto* m = reinterpret_cast<QRgb*>(mask.scanLine(y));
            for (int x = 0; x < W; ++x)
                m[x] = qGray(m[x]) >= 128 ? 0xffffffffu : 0xff000000u;
        }
        XorInto(image, mask);
    }
    return image;
}

void TGauge::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QImage image = RenderImage();
    if (scale_ == 1 || image.isNull())
        p.drawImage(0, 0, image);
    else
        p.drawImage(0, 0, image.scaled(image.size() * scale_, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

} // namespace porimogu
