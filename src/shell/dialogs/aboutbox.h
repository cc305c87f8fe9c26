#pragma once
// AboutBox: the version dialog, which carries the game-speed panel below its normal
// height. The version item shows it modally at whatever height it has; the speed item
// enlarges it and shows it beside the main window.
#include <QDialog>
#include <QPointer>

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;

namespace porimogu {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    // Client heights: the normal one hides Panel2, the enlarged one shows it whole.
    static constexpr int kClientWidth = 225;
    static constexpr int kNormalHeight = 190;
    static constexpr int kSpeedHeight = 294;

    explicit TAboutBox(QWidget* parent = nullptr);

    QPushButton* OKButton = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Dedication = nullptr;
    QLabel* Author = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* Label1 = nullptr;
    QScrollBar* ScrollBar1 = nullptr;

    // The frame timer whose interval the slider sets. Not owned; may be null, and may
    // be destroyed before this dialog (the slider then only changes its caption).
    void SetFrameTimer(QTimer* timer);

    // The speed item: enlarges the dialog and shows it without making it modal (again
    // when it is already open), centred on the screen, raised and active.
    void ShowSpeedDialog();

    // The version item: shows the dialog modally at its current height and returns when
    // it closes. Throws GameError when the dialog is already visible (a visible window
    // cannot be made modal); the dialog is then left exactly as it was.
    void ShowModalVersion();

    int ClientHeight() const;

public slots:
    // Sets the frame timer's interval to `position` ms at once (an active timer restarts
    // its period, a stopped one stays stopped) and Label1 to "ゲームのはやさ<position>".
    void ScrollBar1Change(int position);
    // Restores the normal height, then closes (ending the modal loop, or hiding).
    void OKButtonClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void SetClientHeight(int height);
    void LoadProgramIcon();

    QPointer<QTimer> frameTimer_;
};

} // namespace porimogu
