#pragma once
// Panel1 along the bottom of the main window: the time gauge and the three labels.
#include "core/ports.h"

#include <QFrame>

#include <optional>

class QLabel;

namespace porimogu {

class TGauge;

class TStatusPanel : public QFrame, public StatusBar {
    Q_OBJECT
public:
    explicit TStatusPanel(QWidget* parent = nullptr);

    TGauge* Gauge1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;

    // Setting a text or colour it already has changes nothing on screen.
    void ShowTime(std::int32_t seconds) override;
    void ShowWait(std::int32_t count) override;
    void ShowPoints(std::int32_t points) override;
    void ShowState(GameState state) override;
    void SetGaugeProgress(std::int32_t value) override;

    // Lays the bar out and draws it `factor` times larger: fonts, positions and frame;
    // the gauge's pixels are scaled exactly. The owner sets the panel's own geometry.
    void SetScale(int factor);

private:
    void SetLabelText(QLabel* label, const QString& text);
    void SetLabelColour(QLabel* label, const QColor& colour);

    // What the labels were last given, so that a tick that changes nothing builds no
    // text at all.
    enum class Label1Kind : std::uint8_t { None, Time, Wait };
    Label1Kind label1Kind_ = Label1Kind::None;
    std::int32_t label1Value_ = 0;
    std::int32_t timeShown_ = 80;  // the last time shown, for the trace
    std::optional<std::int32_t> pointsShown_;
    std::optional<GameState> stateShown_;
    int scale_ = 1;
};

} // namespace porimogu
