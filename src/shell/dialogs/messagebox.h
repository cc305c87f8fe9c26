#pragma once
// The game's message boxes: the typed dialog (warning, error, information, confirmation
// or plain) with its icon and a set of buttons, laid out from dialog units.
#include "dialogs/formutil.h"

#include <QDialog>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

class QFont;
class QKeyEvent;
class QPushButton;
class QWidget;

namespace porimogu {

enum class MsgDlgType { Warning = 0, Error = 1, Information = 2, Confirmation = 3, Custom = 4 };

// Button set bits, in the order the dialog lays them out.
enum MsgDlgButton : unsigned {
    mbYes = 1u << 0, mbNo = 1u << 1, mbOK = 1u << 2, mbCancel = 1u << 3, mbAbort = 1u << 4,
    mbRetry = 1u << 5, mbIgnore = 1u << 6, mbAll = 1u << 7, mbHelp = 1u << 8,
};

// Modal results.
enum ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4,
                         mrIgnore = 5, mrYes = 6, mrNo = 7, mrAll = 8 };

// Builds, shows modally and frees a TMessageForm; returns the pressed button's result,
// or mrCancel (2) when closed by its close box.
int ShowTypedMessage(const QString& text, MsgDlgType type, unsigned buttons);
void ShowPlainMessage(const QString& text);
// The confirmation dialog with Yes and No: true for Yes (No, Esc and the close box: false).
bool AskYesNo(const QString& question);

// Where everything of a TMessageForm goes, in client coordinates.
struct MessageLayout {
    QSize client;            // fixed client size
    QRect icon;              // 32 x 32 at the margins; null when the type has no icon
    QRect text;              // the word-wrapped "Message" label
    QList<QRect> buttons;    // one per button of the set, in bit order
};

// The space the text needs when word-wrapped at half the screen width (wider only when a
// single unbreakable run is wider than that).
QSize MeasureMessageText(const QFont& font, int screenWidth, const QString& text);
// The layout from dialog units and the measured text size.
MessageLayout ComputeMessageLayout(DialogUnits du, QSize textSize, bool hasIcon, int buttonCount);

class TMessageForm : public QDialog {
    Q_OBJECT
public:
    // Builds the dialog laid out for the primary screen, hidden; exec() shows it.
    TMessageForm(const QString& text, MsgDlgType type, unsigned buttons, QWidget* parent = nullptr);

    // The button that answers Enter, and the one that answers Esc; null when absent.
    QPushButton* DefaultButton() const { return defaultButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }
    const MessageLayout& Layout() const { return layout_; }

    // The close box (and every other way of closing without a button) gives mrCancel.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    MessageLayout layout_;
    QPushButton* defaultButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QList<QPushButton*> buttons_;
};

} // namespace porimogu
