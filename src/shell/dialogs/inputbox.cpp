#include "dialogs/inputbox.h"

#include "dialogs/centring.h"
#include "dialogs/formutil.h"
#include "dialogs/messagebox.h"

#include "core/plainletters.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QToolTip>

#include <utility>

namespace porimogu {

InputBoxLayout ComputeInputBoxLayout(DialogUnits du, int editHeight)
{
    InputBoxLayout l;
    l.client = QSize(MulDiv(180, du.x, 4), MulDiv(63, du.y, 8));
    l.prompt = QPoint(MulDiv(8, du.x, 4), MulDiv(8, du.y, 8));
    l.edit = QRect(l.prompt.x(), MulDiv(19, du.y, 8), MulDiv(164, du.x, 4), editHeight);
    const int buttonTop = MulDiv(41, du.y, 8);
    const int buttonWidth = MulDiv(50, du.x, 4);
    const int buttonHeight = MulDiv(14, du.y, 8);
    l.ok = QRect(MulDiv(38, du.x, 4), buttonTop, buttonWidth, buttonHeight);
    l.cancel = QRect(MulDiv(92, du.x, 4), buttonTop, buttonWidth, buttonHeight);
    return l;
}

bool FitsShiftJis(const QString& text)
{
    QStringEncoder encoder("Shift_JIS", QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return false;
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return false;
    QStringDecoder decoder("Shift_JIS", QStringConverter::Flag::Stateless);
    const QString back = decoder.decode(bytes);
    return !decoder.hasError() && back == text;
}

QValidator::State ShiftJisValidator::validate(QString& input, int& pos) const
{
    PlainChange change;
    const QString plain = PlainLetters(input, &change);
    if (!FitsShiftJis(plain))
        return Invalid;
    if (plain != input) {
        pos = static_cast<int>(PlainLetters(input.left(pos)).size());
        input = plain;
        if (keptPlain && !change.from.isEmpty())
            keptPlain(change.from, change.to);
    }
    return Acceptable;
}

bool QueryText(const QString& caption, const QString& prompt, QString& text)
{
    QDialog form(nullptr, kFixedDialogFlags);
    form.setObjectName(QStringLiteral("InputBox"));
    const QFont font = DialogFont();
    form.setFont(font);
    form.setWindowTitle(caption);

    auto* edit = new QLineEdit(&form);
    edit->setObjectName(QStringLiteral("Edit"));
    edit->setMaxLength(255);
    auto* validator = new ShiftJisValidator(edit);
    edit->setValidator(validator);
    // An accented letter kept as its plain letter is said once beside the box, so that
    // the grown-up beside the child knows why Zoé reads Zoe.
    validator->keptPlain = [edit, told = false](const QString& from, const QString& to) mutable {
        if (std::exchange(told, true))
            return;
        QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())),
                           QCoreApplication::translate("Boxes", "%1 は %2 で かくね").arg(from, to), edit);
    };
    // A refused letter is said beside the box, so that a key that seems to do nothing
    // is explained; a full box refuses silently.
    QObject::connect(edit, &QLineEdit::inputRejected, edit, [edit] {
        if (edit->text().size() < edit->maxLength())
            QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())),
                               QCoreApplication::translate("Boxes", "その もじは つかえません"), edit);
    });
    const InputBoxLayout l = ComputeInputBoxLayout(MeasureDialogUnits(font), edit->sizeHint().height());
    form.setFixedSize(l.client);

    auto* label = new QLabel(&form);
    label->setObjectName(QStringLiteral("Prompt"));
    label->setTextFormat(Qt::PlainText);
    label->setText(prompt);
    label->move(l.prompt);
    label->adjustSize();

    edit->setGeometry(l.edit);
    edit->setText(text);
    edit->selectAll();

    auto* ok = new QPushButton(QCoreApplication::translate("Boxes", "OK"), &form);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setGeometry(l.ok);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &form, [&form] { form.done(mrOk); });

    auto* cancel = new QPushButton(QCoreApplication::translate("Boxes", "ｷｬﾝｾﾙ"), &form);
    cancel->setObjectName(QStringLiteral("Cancel"));
    cancel->setGeometry(l.cancel);
    QObject::connect(cancel, &QPushButton::clicked, &form, [&form] { form.done(mrCancel); });

    edit->setFocus();
    CenterOnScreen(&form);
    // Esc and the close box reject: any result but mrOk leaves the text as it was.
    const ReactivateAfterModal reactivate;
    if (form.exec() != mrOk)
        return false;
    text = edit->text();
    return true;
}

QString PromptForText(const QString& caption, const QString& prompt, const QString& defaultText)
{
    QString text = defaultText;
    QueryText(caption, prompt, text);
    return text;
}

} // namespace porimogu
