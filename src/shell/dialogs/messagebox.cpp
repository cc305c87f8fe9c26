#include "dialogs/messagebox.h"

#include "dialogs/errorguard.h"
#include "dialogs/centring.h"
#include "dialogs/formutil.h"
#include "platform/title.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <array>

namespace porimogu {

namespace {

struct ButtonKind {
    MsgDlgButton bit;
    const char* name;
    const char* caption;  // the Japanese source of the caption
    int result;
};

// Table order is layout order.
constexpr std::array<ButtonKind, 9> kButtons{{
    {mbYes, "Yes", QT_TRANSLATE_NOOP("Boxes", "はい(&Y)"), mrYes},
    {mbNo, "No", QT_TRANSLATE_NOOP("Boxes", "いいえ(&N)"), mrNo},
    {mbOK, "OK", QT_TRANSLATE_NOOP("Boxes", "OK"), mrOk},
    {mbCancel, "Cancel", QT_TRANSLATE_NOOP("Boxes", "ｷｬﾝｾﾙ"), mrCancel},
    {mbAbort, "Abort", QT_TRANSLATE_NOOP("Boxes", "中止(&A)"), mrAbort},
    {mbRetry, "Retry", QT_TRANSLATE_NOOP("Boxes", "再試行(&R)"), mrRetry},
    {mbIgnore, "Ignore", QT_TRANSLATE_NOOP("Boxes", "無視(&I)"), mrIgnore},
    {mbAll, "All", QT_TRANSLATE_NOOP("Boxes", "すべて"), mrAll},
    {mbHelp, "Help", QT_TRANSLATE_NOOP("Boxes", "ﾍﾙﾌﾟ(&H)"), mrNone},
}};

QString CaptionFor(MsgDlgType type)
{
    switch (type) {
    case MsgDlgType::Warning: return QCoreApplication::translate("Boxes", "警告");
    case MsgDlgType::Error: return QCoreApplication::translate("Boxes", "ｴﾗｰ");
    case MsgDlgType::Information: return QCoreApplication::translate("Boxes", "情報");
    case MsgDlgType::Confirmation: return QCoreApplication::translate("Boxes", "確認");
    case MsgDlgType::Custom: break;
    }
    return ApplicationTitle();
}

bool IconFor(MsgDlgType type, QStyle::StandardPixmap& icon)
{
    switch (type) {
    case MsgDlgType::Warning: icon = QStyle::SP_MessageBoxWarning; return true;
    case MsgDlgType::Error: icon = QStyle::SP_MessageBoxCritical; return true;
    case MsgDlgType::Information: icon = QStyle::SP_MessageBoxInformation; return true;
    case MsgDlgType::Confirmation: icon = QStyle::SP_MessageBoxQuestion; return true;
    case MsgDlgType::Custom: break;
    }
    return false;
}

QRect PrimaryScreenRect()
{
    if (const QScreen* s = QGuiApplication::primaryScreen())
        return s->geometry();
    return QRect(0, 0, 640, 480);
}

} // namespace

QSize MeasureMessageText(const QFont& font, int screenWidth, const QString& text)
{
    const QFontMetrics fm(font);
    const QRect r = fm.boundingRect(QRect(0, 0, screenWidth / 2, 0),
                                    Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    return QSize(qMax(0, r.x() + r.width()), qMax(0, r.y() + r.height()));
}

MessageLayout ComputeMessageLayout(DialogUnits du, QSize textSize, bool hasIcon, int buttonCount)
{
    const int hMargin = MulDiv(8, du.x, 4);
    const int vMargin = MulDiv(8, du.y, 8);
    const int hSpacing = MulDiv(10, du.x, 4);
    const int vSpacing = MulDiv(10, du.y, 8);
    const int buttonWidth = MulDiv(50, du.x, 4);
    const int buttonHeight = MulDiv(14, du.y, 8);
    const int buttonSpacing = MulDiv(4, du.x, 4);

    const int tw = textSize.width();
    const int th = textSize.height();
    int iw = tw;
    int ih = th;
    if (hasIcon) {
        iw = tw + 32 + hSpacing;
        ih = qMax(th, 32);
    }
    const int group = buttonCount > 0 ? buttonCount * buttonWidth + (buttonCount - 1) * buttonSpacing : 0;

    MessageLayout l;
    l.client = QSize(qMax(iw, group) + 2 * hMargin, ih + buttonHeight + vSpacing + 2 * vMargin);
    if (hasIcon)
        l.icon = QRect(hMargin, vMargin, 32, 32);
    l.text = QRect(iw - tw + hMargin, vMargin, tw, th);
    int x = (l.client.width() - group) / 2;
    const int y = ih + vMargin + vSpacing;
    for (int i = 0; i < buttonCount; ++i) {
        l.buttons.append(QRect(x, y, buttonWidth, buttonHeight));
        x += buttonWidth + buttonSpacing;
    }
    return l;
}

TMessageForm::TMessageForm(const QString& text, MsgDlgType type, unsigned buttons, QWidget* parent)
    : QDialog(parent, kFixedDialogFlags)
{
    setObjectName(QStringLiteral("TMessageForm"));
    const QFont font = DialogFont();
    setFont(font);
    setWindowTitle(CaptionFor(type));
    setAttribute(Qt::WA_InputMethodEnabled, false);

    QStyle::StandardPixmap iconKind{};
    const bool hasIcon = IconFor(type, iconKind);
    int count = 0;
    for (const ButtonKind& b : kButtons)
        if (buttons & b.bit)
            ++count;
    layout_ = ComputeMessageLayout(MeasureDialogUnits(font),
                                   MeasureMessageText(font, PrimaryScreenRect().width(), text), hasIcon,
                                   count);
    setFixedSize(layout_.client);

    if (hasIcon) {
        auto* image = new QLabel(this);
        image->setObjectName(QStringLiteral("Image"));
        image->setGeometry(layout_.icon);
        const QIcon icon = style()->standardIcon(iconKind, nullptr, this);
        image->setPixmap(icon.pixmap(QSize(32, 32), devicePixelRatioF()));
        image->setAlignment(Qt::AlignCenter);
    }

    auto* message = new QLabel(this);
    message->setObjectName(QStringLiteral("Message"));
    message->setTextFormat(Qt::PlainText);
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message->setText(text);
    message->setGeometry(layout_.text);

    // Default: OK, else Yes, else Retry. Cancel (Esc): Cancel, else No, else OK.
    const unsigned defaultBit = (buttons & mbOK) ? mbOK : (buttons & mbYes) ? mbYes : (buttons & mbRetry) ? mbRetry : 0u;
    const unsigned cancelBit = (buttons & mbCancel) ? mbCancel : (buttons & mbNo) ? mbNo : (buttons & mbOK) ? mbOK : 0u;

    int i = 0;
    for (const ButtonKind& b : kButtons) {
        if (!(buttons & b.bit))
            continue;
        auto* button = new QPushButton(QCoreApplication::translate("Boxes", b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setGeometry(layout_.buttons[i++]);
        button->setAutoDefault(true);
        const int result = b.result;
        if (b.bit == mbHelp) {
            // The game ships no help file to open: the button answers, but the dialog stays.
            connect(button, &QPushButton::clicked, this, [] { QApplication::beep(); });
        } else {
            connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        }
        if (b.bit == defaultBit)
            defaultButton_ = button;
        if (b.bit == cancelBit)
            cancelButton_ = button;
        buttons_.append(button);
    }
    if (defaultButton_) {
        defaultButton_->setDefault(true);
        defaultButton_->setFocus();
    } else if (!buttons_.isEmpty()) {
        buttons_.front()->setFocus();
    }
    CenterOnScreen(this);
}

void TMessageForm::reject()
{
    done(mrCancel);
}

void TMessageForm::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Escape && mods == Qt::NoModifier) {
        // Esc presses the cancel button; without one it does nothing.
        if (cancelButton_)
            cancelButton_->click();
        event->accept();
        return;
    }
    // As in the dialogs of the desktop the game comes from, a button's access letter works
    // without Alt too.
    if (mods == Qt::NoModifier || mods == Qt::ShiftModifier) {
        for (QPushButton* b : std::as_const(buttons_)) {
            const QKeySequence mnemonic = QKeySequence::mnemonic(b->text());
            if (!mnemonic.isEmpty() &&
                mnemonic[0] == QKeyCombination(Qt::AltModifier, Qt::Key(event->key()))) {
                b->click();
                event->accept();
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

int ShowTypedMessage(const QString& text, MsgDlgType type, unsigned buttons)
{
    LogBoxText(text);
    const ReactivateAfterModal reactivate;
    TMessageForm form(text, type, buttons);
    return form.exec();
}

void ShowPlainMessage(const QString& text)
{
    ShowTypedMessage(text, MsgDlgType::Custom, mbOK);
}

bool AskYesNo(const QString& question)
{
    return ShowTypedMessage(question, MsgDlgType::Confirmation, mbYes | mbNo) == mrYes;
}

} // namespace porimogu
