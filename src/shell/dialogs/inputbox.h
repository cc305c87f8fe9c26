#pragma once
// The input box: a prompt, one line of text that Shift-JIS can hold, OK and Cancel.
#include "dialogs/formutil.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QValidator>

#include <functional>

namespace porimogu {

// On OK stores the edited text and returns true; otherwise leaves text. The edit keeps
// accented letters as their plain letters (PlainLetters), saying so once, refuses other
// characters that Shift-JIS cannot hold and keeps at most 255.
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

// Turns accented letters into their plain letters, then refuses any edit that would
// leave a character Shift-JIS cannot hold. `keptPlain` hears of the first letter of
// each edit that was changed.
class ShiftJisValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
    std::function<void(const QString& from, const QString& to)> keptPlain;
};

} // namespace porimogu
