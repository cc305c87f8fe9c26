// The version dialog and its game-speed panel.
#include "dialogs/aboutbox.h"
#include "core/errors.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gmock/gmock.h>

#include <functional>
#include <memory>

using porimogu::TAboutBox;

namespace {

class AboutBoxTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    }

    void SetUp() override
    {
        owner = std::make_unique<QWidget>();
        owner->resize(300, 200);
        owner->show();
        box = new TAboutBox(owner.get());
        box->SetFrameTimer(&timer);
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(40);
    }

    // Runs ShowModalVersion; `whileOpen` runs inside its modal loop and must close it.
    void RunModal(std::function<void()> whileOpen)
    {
        bool ran = false;
        QTimer::singleShot(0, box, [&] {
            ran = true;
            whileOpen();
            if (box->isVisible())
                box->close();
        });
        box->ShowModalVersion();
        EXPECT_TRUE(ran);
    }

    bool SpeedPanelShown() const
    {
        return box->Panel2->geometry().bottom() < box->ClientHeight();
    }
    bool SpeedPanelHidden() const { return box->Panel2->geometry().top() >= box->ClientHeight(); }

    QTimer timer;
    std::unique_ptr<QWidget> owner;
    TAboutBox* box = nullptr; // owned by `owner`
};

TEST_F(AboutBoxTest, StartsAtFortyWithTheDesignedCaptionAndNormalHeight)
{
    EXPECT_EQ(box->windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_EQ(box->Label1->text(), QStringLiteral("ゲームのはやさ  40"));
    EXPECT_EQ(box->ScrollBar1->value(), 40);
    EXPECT_EQ(box->width(), 225);
    EXPECT_EQ(box->ClientHeight(), 190);
    EXPECT_TRUE(SpeedPanelHidden());
    EXPECT_TRUE(box->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(AboutBoxTest, SliderEndsSetIntervalOfStoppedTimerAndCaptionWithoutBlank)
{
    box->ScrollBar1->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_FALSE(timer.isActive()); // a stopped timer stays stopped
    EXPECT_EQ(timer.interval(), 2);
    EXPECT_EQ(box->Label1->text(), QStringLiteral("ゲームのはやさ2"));
    box->ScrollBar1->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(box->ScrollBar1->value(), 2);

    box->ScrollBar1->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(timer.interval(), 102);
    EXPECT_EQ(box->Label1->text(), QStringLiteral("ゲームのはやさ102"));
    box->ScrollBar1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(box->ScrollBar1->value(), 102);
    // The longest caption is not cut off.
    EXPECT_GE(box->Label1->width(), box->Label1->sizeHint().width());
}

TEST_F(AboutBoxTest, PageStepMovesTwoAndArrowOne)
{
    box->ScrollBar1->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(box->ScrollBar1->value(), 42);
    EXPECT_EQ(timer.interval(), 42);
    box->ScrollBar1->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(box->ScrollBar1->value(), 41);
    EXPECT_EQ(box->Label1->text(), QStringLiteral("ゲームのはやさ41"));
    box->ScrollBar1->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(box->ScrollBar1->value(), 39);
    box->ScrollBar1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(box->ScrollBar1->value(), 40);
    EXPECT_EQ(timer.interval(), 40);
}

TEST_F(AboutBoxTest, IntervalChangeRestartsTheRunningPeriod)
{
    timer.setInterval(1000000);
    timer.start();
    box->ScrollBar1->setValue(102);
    EXPECT_TRUE(timer.isActive());
    EXPECT_LE(timer.remainingTime(), 102);

    timer.setInterval(2);
    timer.start();
    box->ScrollBar1->setValue(90);
    EXPECT_TRUE(timer.isActive());
    EXPECT_GT(timer.remainingTime(), 2);
}

TEST_F(AboutBoxTest, SliderWithoutTimerOnlyChangesTheCaption)
{
    auto* gone = new QTimer;
    box->SetFrameTimer(gone);
    delete gone;
    box->ScrollBar1->setValue(60);
    EXPECT_EQ(box->Label1->text(), QStringLiteral("ゲームのはやさ60"));
}

TEST_F(AboutBoxTest, VersionAfterStartUpIsNormalHeightAndModal)
{
    RunModal([&] {
        EXPECT_EQ(box->ClientHeight(), 190);
        EXPECT_TRUE(SpeedPanelHidden());
        EXPECT_EQ(QApplication::activeModalWidget(), box);
    });
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(box->ClientHeight(), 190);
}

TEST_F(AboutBoxTest, OkRestoresNormalHeightWhateverBefore)
{
    box->ShowSpeedDialog();
    QTest::mouseClick(box->OKButton, Qt::LeftButton);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(box->ClientHeight(), 190);

    box->ShowSpeedDialog();
    box->close();
    RunModal([&] { QTest::mouseClick(box->OKButton, Qt::LeftButton); });
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(box->ClientHeight(), 190);
    EXPECT_EQ(box->result(), QDialog::Accepted);
}

TEST_F(AboutBoxTest, SpeedDialogIsEnlargedAndItsCloseBoxKeepsThePanelForTheVersionDialog)
{
    box->ShowSpeedDialog();
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->ClientHeight(), 294);
    EXPECT_TRUE(SpeedPanelShown());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    box->close();
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(box->ClientHeight(), 294);
    RunModal([&] {
        EXPECT_EQ(box->ClientHeight(), 294);
        EXPECT_TRUE(SpeedPanelShown());
    });
    EXPECT_EQ(box->ClientHeight(), 294);
}

TEST_F(AboutBoxTest, VersionWhileSpeedDialogOpenThrowsAndChangesNothing)
{
    box->ShowSpeedDialog();
    box->ScrollBar1->setValue(55);
    try {
        box->ShowModalVersion();
        FAIL() << "a visible dialog was made modal";
    } catch (const porimogu::GameError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("表示されているｳｨﾝﾄﾞｳをﾓｰﾀﾞﾙにすることはできません"));
    }
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->ClientHeight(), 294);
    EXPECT_EQ(box->ScrollBar1->value(), 55);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(AboutBoxTest, EscapeClosesNothingAndEnterPressesOk)
{
    box->ShowSpeedDialog();
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->ClientHeight(), 294);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(box->ClientHeight(), 190);
}

TEST_F(AboutBoxTest, ClosingHandsTheKeyboardBackToTheGameWindow)
{
    owner->activateWindow();
    QCoreApplication::processEvents();
    box->ShowSpeedDialog();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), box);
    box->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), owner.get());
}

} // namespace

TEST_F(AboutBoxTest, TheNameIsPlainBoldYellowOnTheButtonShadowWithoutADropShadow)
{
    QLabel* name = box->ProductName;
    EXPECT_EQ(name->text(), QStringLiteral("ぽりもぐゲーム"));
    EXPECT_TRUE(name->font().bold());
    EXPECT_EQ(name->font().pixelSize(), 19);
    const QImage shown = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect area = name->geometry().translated(box->Panel1->pos());
    const QRgb shadow = box->palette().color(QPalette::Dark).rgb();
    int yellow = 0;
    int darkEdge = 0;
    int ground = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = shown.pixel(x, y);
            yellow += p == qRgb(255, 255, 0);
            darkEdge += p == qRgb(64, 64, 64);
            ground += p == shadow;
        }
    EXPECT_GT(yellow, 40);
    EXPECT_EQ(darkEdge, 0);
    EXPECT_GT(ground, area.width() * area.height() / 3) << "the label stands on the button shadow";
}
