// The time gauge: value rules, when it repaints, and its pixels.
#include "window/gauge.h"
#include "dialogs/formutil.h"

#include <QApplication>
#include <gmock/gmock.h>

#include <limits>
#include <memory>

namespace porimogu {
namespace {

constexpr QRgb kBlack = 0xff000000u, kWhite = 0xffffffffu, kAqua = 0xff00ffffu, kRed = 0xffff0000u;

// Gauge1 as the status panel makes it: 100 x 19, aqua bar, the panel's font, range 0..80.
std::unique_ptr<TGauge> GameGauge(bool text = true)
{
    InstallFontSubstitutions();
    auto g = std::make_unique<TGauge>();
    g->resize(100, 19);
    QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
    f.setPixelSize(19);
    f.setBold(true);
    g->setFont(f);
    g->SetForeColor(QColor(0, 255, 255));
    g->SetMaxValue(80);
    g->SetShowText(text);
    return g;
}

QImage Shot(TGauge& g) { return g.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// The number of pixels that differ from: black ring, aqua columns 1..lastAqua, white rest.
int BarMismatches(const QImage& img, int lastAqua)
{
    int wrong = 0;
    for (int y = 0; y < 19; ++y)
        for (int x = 0; x < 100; ++x) {
            const bool ring = x == 0 || y == 0 || x == 99 || y == 18;
            wrong += img.pixel(x, y) != (ring ? kBlack : x <= lastAqua ? kAqua : kWhite);
        }
    return wrong;
}

TEST(GaugeBar, FilledColumnsFollowTheTimeLeftWithinTheRange)
{
    auto g = GameGauge(false);
    const struct { int set, stored, lastAqua; } cases[] = {
        {80, 80, 98}, {40, 40, 48}, {1, 1, 0}, {0, 0, 0}, {81, 80, 98}, {-3, 0, 0}};
    for (const auto& c : cases) {
        g->SetProgress(c.set);
        EXPECT_EQ(g->Progress(), c.stored) << "set " << c.set;
        const QImage img = Shot(*g);
        ASSERT_EQ(img.size(), QSize(100, 19));
        EXPECT_EQ(BarMismatches(img, c.lastAqua), 0) << "set " << c.set;
    }
}

TEST(GaugeBar, EveryPercentageFillsNinetyNineHundredthsOfTheInnerWidth)
{
    auto g = GameGauge(false);
    g->SetMaxValue(100);
    for (int p = 0; p <= 100; ++p) {
        g->SetProgress(p);
        ASSERT_EQ(g->FilledPercent(), p);
        EXPECT_EQ(BarMismatches(Shot(*g), 99 * p / 100 - 1), 0) << "at " << p << "%";
    }
}

TEST(GaugeText, ExclusiveOrTurnsTextRedOverAquaAndBlackOverWhite)
{
    auto g = GameGauge();
    // At 50% the text "50%" straddles the end of the bar (column 48).
    for (int progress : {80, 40, 0}) {
        g->SetProgress(progress);
        const int lastAqua = progress == 80 ? 98 : progress == 40 ? 48 : 0;
        const QImage img = Shot(*g);
        int red = 0, black = 0, stray = 0;
        for (int y = 1; y < 18; ++y)
            for (int x = 1; x < 99; ++x) {
                const QRgb c = img.pixel(x, y);
                const bool inBar = x <= lastAqua;
                red += c == kRed;
                black += c == kBlack;
                stray += c != (inBar ? kAqua : kWhite) && c != (inBar ? kRed : kBlack);
            }
        EXPECT_EQ(stray, 0) << "at " << progress;
        EXPECT_EQ(red > 0, progress > 0) << "at " << progress;
        EXPECT_EQ(black > 0, progress < 80) << "at " << progress;
    }
}

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

TEST(GaugeRepaint, OnlyWhenTheShownPercentageChanges)
{
    auto g = GameGauge();
    g->show();
    QApplication::processEvents();
    PaintCounter counter;
    g->installEventFilter(&counter);

    g->SetProgress(80);  // 0% -> 100%, painted at once
    EXPECT_EQ(counter.paints, 1);
    g->SetProgress(95);  // clamped to 80: no change
    EXPECT_EQ(counter.paints, 1);
    g->SetProgress(79);  // 98%
    EXPECT_EQ(counter.paints, 2);

    g->SetMaxValue(1000);
    g->SetProgress(999);
    const int before = counter.paints;
    g->SetProgress(998);  // still 99%
    QApplication::processEvents();
    EXPECT_EQ(g->Progress(), 998);
    EXPECT_EQ(counter.paints, before);
    g->SetProgress(989);  // 98%
    EXPECT_EQ(counter.paints, before + 1);
    g->removeEventFilter(&counter);
}

TEST(GaugeRange, LimitsMayNotCrossAndPullProgressAlong)
{
    TGauge g;
    g.SetMaxValue(80);
    g.SetProgress(60);
    try {
        g.SetMaxValue(-1);
        ADD_FAILURE() << "no exception";
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.message(), QStringLiteral("1 から 2147483647 の間の値でなければなりません"));
    }
    try {
        g.SetMinValue(81);
        ADD_FAILURE() << "no exception";
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.message(), QStringLiteral("-2147483647 から 79 の間の値でなければなりません"));
    }
    EXPECT_EQ(g.MinValue(), 0);
    EXPECT_EQ(g.MaxValue(), 80);
    EXPECT_EQ(g.Progress(), 60);

    g.SetMaxValue(50);
    EXPECT_EQ(g.Progress(), 50);
    g.SetMinValue(50);
    EXPECT_EQ(g.FilledPercent(), 0) << "an empty range shows 0%";
    g.SetMinValue(10);
    g.SetProgress(0);
    EXPECT_EQ(g.Progress(), 10);

    // The whole 32-bit range: no overflow in the percentage.
    TGauge wide;
    wide.SetMinValue(std::numeric_limits<std::int32_t>::min());
    wide.SetMaxValue(std::numeric_limits<std::int32_t>::max());
    wide.SetProgress(std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(wide.FilledPercent(), 100);
    wide.SetProgress(0);
    EXPECT_EQ(wide.FilledPercent(), 50);
}

} // namespace
} // namespace porimogu
