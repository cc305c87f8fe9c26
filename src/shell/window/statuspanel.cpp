#include "window/statuspanel.h"

#include "dialogs/formutil.h"
#include "window/gauge.h"
#include "core/messages.h"
#include "platform/trace.h"

#include <QLabel>

namespace porimogu {

namespace {
// Where the form puts the gauge and the labels, at factor 1.
constexpr int kGaugeLeft = 8;
constexpr int kRowTop = 8;
constexpr int kGaugeWidth = 100;
constexpr int kGaugeHeight = 19;
constexpr int kLabel1Left = 112;
constexpr int kLabel2Left = 232;
constexpr int kLabel3Left = 384;
} // namespace

TStatusPanel::TStatusPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    setFixedHeight(32);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Dark));
    pal.setColor(QPalette::WindowText, QColor(0, 0, 128));
    setPalette(pal);
    setFont(FormFont(19, true));

    Gauge1 = new TGauge(this);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setGeometry(kGaugeLeft, kRowTop, kGaugeWidth, kGaugeHeight);
    Gauge1->SetForeColor(QColor(0, 255, 255));
    // The labels only show text: they never take part in input-method composition.
    const auto makeLabel = [this](const char* name, int x, const QString& text) {
        QLabel* l = MakeLabel(this, name, x, kRowTop, text);
        l->setAttribute(Qt::WA_InputMethodEnabled, false);
        return l;
    };
    Label1 = makeLabel("Label1", kLabel1Left, TimeText(80) + QLatin1Char(' '));
    Label2 = makeLabel("Label2", kLabel2Left, PointsText(1000) + QLatin1Char(' '));
    Label2->setAutoFillBackground(true);
    QPalette p2 = Label2->palette();
    p2.setColor(QPalette::Window, pal.color(QPalette::Button));
    Label2->setPalette(p2);
    Label3 = makeLabel("Label3", kLabel3Left, QStringLiteral("Label3"));
    Label3->setAutoFillBackground(true);
}

void TStatusPanel::SetScale(int factor)
{
    if (factor < 1 || factor == scale_)
        return;
    scale_ = factor;
    const int k = factor;
    setFixedHeight(32 * k);
    setLineWidth(k);
    setFont(FormFont(19 * k, true));
    Gauge1->SetScale(k);
    Gauge1->setGeometry(kGaugeLeft * k, kRowTop * k, kGaugeWidth * k, kGaugeHeight * k);
    for (auto [label, left] : {std::pair{Label1, kLabel1Left}, {Label2, kLabel2Left}, {Label3, kLabel3Left}}) {
        label->move(left * k, kRowTop * k);
        label->adjustSize();
    }
}

void TStatusPanel::SetLabelText(QLabel* label, const QString& text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    label->adjustSize();
}

void TStatusPanel::SetLabelColour(QLabel* label, const QColor& colour)
{
    if (label->palette().color(QPalette::Window) == colour)
        return;
    QPalette p = label->palette();
    p.setColor(QPalette::Window, colour);
    label->setPalette(p);
}

void TStatusPanel::ShowTime(std::int32_t seconds)
{
    if (label1Kind_ == Label1Kind::Time && label1Value_ == seconds)
        return;
    label1Kind_ = Label1Kind::Time;
    label1Value_ = seconds;
    timeShown_ = seconds;
    SetLabelText(Label1, TimeText(seconds));
}

void TStatusPanel::ShowWait(std::int32_t count)
{
    if (label1Kind_ == Label1Kind::Wait && label1Value_ == count)
        return;
    label1Kind_ = Label1Kind::Wait;
    label1Value_ = count;
    SetLabelText(Label1, WaitText(count));
}

void TStatusPanel::ShowPoints(std::int32_t points)
{
    if (pointsShown_ == points)
        return;
    pointsShown_ = points;
    SetLabelText(Label2, PointsText(points));
    if (Tracing())
        Trace("points", QString::number(points));
}

void TStatusPanel::ShowState(GameState state)
{
    const StateMessage m = StateMessageFor(state);
    QColor c;
    switch (m.colour) {
    case StateColour::ButtonFace: c = palette().color(QPalette::Button); break;
    case StateColour::ButtonShadow: c = palette().color(QPalette::Dark); break;
    case StateColour::Yellow: c = QColor(255, 255, 0); break;
    case StateColour::Lime: c = QColor(0, 255, 0); break;
    }
    SetLabelColour(Label3, c);
    if (stateShown_ == state)
        return;
    stateShown_ = state;
    SetLabelText(Label3, StateText(state));
    if (Tracing()) {
        static constexpr const char* kNames[] = {"waiting", "playing", "paused", "over"};
        Trace("state", QStringLiteral("%1 time=%2 points=%3")
                           .arg(QLatin1String(kNames[static_cast<int>(state) & 3]))
                           .arg(timeShown_)
                           .arg(pointsShown_.value_or(0)));
    }
}

void TStatusPanel::SetGaugeProgress(std::int32_t value)
{
    Gauge1->SetProgress(value);
}

} // namespace porimogu
