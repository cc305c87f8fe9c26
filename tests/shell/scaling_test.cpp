// The client area shown larger in full screen: the whole factor chosen, the play field
// in hard pixel steps, the status bar laid out larger with its gauge's pixels doubled,
// and everything exactly as before at factor 1.
#include "fakes/shellfakes.h"
#include "window/gauge.h"
#include "window/mainform.h"
#include "window/statuspanel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using namespace porimogu;
using namespace porimogu::testing;

namespace {

QImage Grab(QWidget* w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage Doubled(const QImage& image)
{
    return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

class ScalingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.IsValid());
        ASSERT_TRUE(WriteGameFiles());
        form_ = MakeQuietForm(5u, sound_, music_);
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        form_->Timer1Timer();  // a frame with ぽっけ and the items on the floor
        form_->Timer2Timer();  // and a text in every label
    }

    ScratchDir dir_;
    NullSound sound_;
    NullMusic music_;
    std::unique_ptr<TMainForm> form_;
};

} // namespace

TEST(WholeScale, LargestWholeFactorThatFitsTheClientArea)
{
    const struct {
        QSize area;
        int factor;
    } cases[] = {
        {{632, 486}, 1}, {{1263, 972}, 1}, {{1264, 971}, 1}, {{1264, 972}, 2},
        {{1920, 1056}, 2}, {{2560, 1416}, 2}, {{3840, 2136}, 4}, {{300, 200}, 1}, {{0, 0}, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WholeScale(c.area), c.factor) << c.area.width() << "x" << c.area.height();
}

TEST_F(ScalingTest, PlayFieldAtFactorTwoIsTheFrameInHardTwoPixelSteps)
{
    const QImage front = form_->Buffers().Front();
    ASSERT_FALSE(front.isNull());
    EXPECT_EQ(Grab(form_->PlayField), front);
    form_->PlayField->SetScale(2);
    EXPECT_EQ(form_->PlayField->size(), QSize(1184, 864));
    EXPECT_EQ(Grab(form_->PlayField), Doubled(front));
    // A part repainted alone is drawn the same way.
    QImage part(QSize(1184, 864), QImage::Format_RGB32);
    part.fill(Qt::black);
    form_->PlayField->render(&part, QPoint(), QRegion(301, 203, 77, 41));
    EXPECT_EQ(part.copy(0, 0, 77, 41), Doubled(front).copy(301, 203, 77, 41));
}

TEST_F(ScalingTest, StatusBarAtFactorTwoIsLaidOutLargerAndItsGaugeDoubledPixelForPixel)
{
    TStatusPanel* panel = form_->Panel1;
    const QImage gauge = panel->Gauge1->RenderImage();
    const int label1Width = panel->Label1->width();
    panel->SetScale(2);
    EXPECT_EQ(panel->height(), 64);
    EXPECT_EQ(panel->Gauge1->geometry(), QRect(16, 16, 200, 38));
    EXPECT_EQ(panel->Gauge1->RenderImage(), gauge) << "the gauge's picture is that of factor 1";
    EXPECT_EQ(Grab(panel->Gauge1), Doubled(gauge));
    EXPECT_EQ(panel->Label1->pos(), QPoint(224, 16));
    EXPECT_EQ(panel->Label2->pos(), QPoint(464, 16));
    EXPECT_EQ(panel->Label3->pos(), QPoint(768, 16));
    EXPECT_EQ(panel->Label1->font().pixelSize(), 38);
    EXPECT_TRUE(panel->Label1->font().bold());
    EXPECT_NEAR(panel->Label1->width(), 2 * label1Width, 6) << "the text itself is drawn larger";
}

TEST_F(ScalingTest, FactorOneLooksExactlyAsBeforeAfterBeingScaled)
{
    QWidget* client = form_->centralWidget();
    const QImage before = Grab(client);
    form_->PlayField->SetScale(3);
    form_->Panel1->SetScale(3);
    form_->PlayField->SetScale(1);
    form_->Panel1->SetScale(1);
    EXPECT_EQ(Grab(client), before);

    // Full screen on this small screen is factor 1, centred on black; F11 comes back.
    QTest::keyClick(form_.get(), Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form_->isFullScreen() && client->width() > before.width(); }));
    EXPECT_EQ(form_->ClientScale(), 1);
    const QImage full = Grab(client);
    EXPECT_EQ(full.pixelColor(0, full.height() - 1), QColor(Qt::black));
    QTest::keyClick(form_.get(), Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form_->isFullScreen(); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return client->size() == before.size(); }));
    EXPECT_EQ(Grab(client), before);
}

TEST_F(ScalingTest, F11SetsNoFlagOfTheGame)
{
    Globals& g = Rules(*form_).G();
    g.ShiftFlag = true;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F11, Qt::ShiftModifier);
    QApplication::sendEvent(form_.get(), &press);
    EXPECT_FALSE(g.StartRequest || g.PauseRequest || g.DirectionFlags != Directions{});
    EXPECT_TRUE(g.ShiftFlag) << "as any key with Shift held";
}

TEST_F(ScalingTest, APressAtFactorTwoPointsAtTheFieldPixelUnderIt)
{
    form_->PlayField->SetScale(2);
    EXPECT_EQ(form_->PlayField->FieldPoint(QPointF(201.5, 681.0)), QPoint(100, 340));
    EXPECT_EQ(form_->PlayField->FieldPoint(QPointF(-0.5, 864.0)), QPoint(-1, 432)) << "beyond the field";
    QTest::mousePress(form_->PlayField, Qt::LeftButton, {}, QPoint(1183, 1));
    EXPECT_EQ(Rules(*form_).Pointer().X, 591);
    EXPECT_EQ(Rules(*form_).Pointer().Y, 0);
    QTest::mouseRelease(form_->PlayField, Qt::LeftButton, {}, QPoint(1183, 1));
}
