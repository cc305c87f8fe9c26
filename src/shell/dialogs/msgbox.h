#pragma once
// The game's modal boxes: the typed and plain message dialogs, the input box, and
// the error box that every handler's failure ends in.
#include "core/errors.h"

#include <QDialog>
#include <QList>
#include <QRect>
#include <QString>
#include <QValidator>
#include <exception>

class QFont;
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
int ShowTypedMessage(const QString& text, MsgDlgType type, unsigned buttons, int helpContext = 0);
void ShowPlainMessage(const QString& text);
// The confirmation dialog with Yes and No: true for Yes (No, Esc and the close box: false).
bool AskYesNo(const QString& question);

// The input box. On OK stores the edited text and returns true; otherwise leaves text.
// The edit refuses characters that Shift-JIS cannot hold and keeps at most 255.
bool QueryText(const QString& caption, const QString& prompt, QString& text);
QString PromptForText(const QString& caption, const QString& prompt, const QString& defaultText);

// The platform message box: message + "." (always appended), caption = the application
// title, stop icon, one OK button. Never throws.
void ShowErrorBox(const QString& message);

// ---- Fonts and dialog units -------------------------------------------------------

// Makes the Windows font names the game asks for ("ＭＳ Ｐゴシック", "ＭＳ ゴシック" and their
// romanised names) resolve to the IPA Gothic fonts. Safe to call any number of times.
void InstallFontSubstitutions();

// The font of the game's dialogs: "ＭＳ Ｐゴシック", regular, 9 point on the primary
// screen (its pixel height computed from the screen's vertical dots per inch).
QFont DialogFont();

// n × num / den rounded to the nearest integer, halves away from zero; -1 when den is 0.
int MulDiv(int n, int num, int den);

// The average width of the letters A-Z a-z (integer) and the text height of a font;
// every dialog size is a multiple of a quarter of x or an eighth of y.
struct DialogUnits {
    int x = 0;
    int y = 0;
};
DialogUnits MeasureDialogUnits(const QFont& font);

// ---- Typed and plain message dialogs --------------------------------------------------

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
    TMessageForm(const QString& text, MsgDlgType type, unsigned buttons, int helpContext = 0,
                 QWidget* parent = nullptr);

    // The button that answers Enter, and the one that answers Esc; null when absent.
    QPushButton* DefaultButton() const { return defaultButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }
    const MessageLayout& Layout() const { return layout_; }
    int HelpContext() const { return helpContext_; }

    // The close box (and every other way of closing without a button) gives mrCancel.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    MessageLayout layout_;
    QPushButton* defaultButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QList<QPushButton*> buttons_;
    int helpContext_ = 0;
};

// ---- Input box ----------------------------------------------------------------------------

struct InputBoxLayout {
    QSize client;
    QPoint prompt;   // top-left of the auto-sized prompt label
    QRect edit;
    QRect ok;
    QRect cancel;
};
// editHeight: the edit box's own height, which the style decides.
InputBoxLayout ComputeInputBoxLayout(DialogUnits du, int editHeight);

// True when text survives the trip to Shift-JIS and back unchanged.
bool FitsShiftJis(const QString& text);

// Refuses any edit that would leave a character Shift-JIS cannot hold.
class ShiftJisValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// Shows the error box once the handler that is running has returned (a queued call).
// A timer whose slot raised it keeps firing behind the box: a QTimer never fires again
// while its own slot is still running. Never throws.
void PostErrorBox(const QString& message);

// Runs one handler body; a failure that escapes it ends it there and is reported, by
// default in the error box at once. Exceptions never reach Qt's event loop. Handlers
// that can run inside a timer tick report through PostErrorBox instead.
template <class F>
void Guarded(F&& body, void (*report)(const QString&) = ShowErrorBox) noexcept
{
    try {
        body();
    } catch (...) {
        try {
            report(CurrentFailureText());
        } catch (...) {
            // The report is the last resort: nothing may escape it.
        }
    }
}

} // namespace porimogu
