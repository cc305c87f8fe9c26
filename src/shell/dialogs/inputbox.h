#pragma once
// The input box: a prompt, one line of text that Shift-JIS can hold, OK and Cancel.
#include "dialogs/formutil.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QValidator>

namespace porimogu {

// On OK stores the edited text and returns true; otherwise leaves text. The edit
// refuses characters that Shift-JIS cannot hold and keeps at most 255.
bool QueryText(const QString& caption, const QString& prompt, QString& text);
QString PromptForText(const QString& caption, const QString& prompt, const QString& defaultText);

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

} // namespace porimogu
