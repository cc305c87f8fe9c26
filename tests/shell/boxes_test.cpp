// The typed and plain message dialogs, the input box and the error box.
#include "dialogs/errorguard.h"
#include "fakes/boxanswerer.h"
#include "dialogs/inputbox.h"
#include "dialogs/messagebox.h"
#include "platform/title.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolTip>
#include <QTimer>
#include <gmock/gmock.h>

#include <functional>
#include <ostream>

void PrintTo(const QRect& r, std::ostream* os)
{
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ")";
}

namespace porimogu {
namespace {

using testing::Type;

// Acts on the modal dialog the next call opens, once its event loop runs. The action must
// close it; a dialog left open fails the test and is closed, so nothing hangs.
void WhenModal(std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, qApp, [action] {
        QPointer<QWidget> w = QApplication::activeModalWidget();
        if (!w) {
            ADD_FAILURE() << "no modal dialog is open";
            return;
        }
        action(w.data());
        if (w && w->isVisible()) {
            ADD_FAILURE() << "the dialog is still open";
            qobject_cast<QDialog*>(w.data())->done(-1);
        }
    });
}

QPushButton* Button(QWidget* dialog, const char* name)
{
    return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
}

// ---- Layout figures -----------------------------------------------------------------------

TEST(MessageLayout, FiguresFromDialogUnits)
{
    EXPECT_EQ(MulDiv(19, 12, 8), 29);  // 28.5 rounds up
    EXPECT_EQ(MulDiv(-19, 12, 8), -29);
    EXPECT_EQ(MulDiv(10, 13, 8), 16);

    // DX 6, DY 13: margins 12 and 13, spacings 15 and 16, buttons 75 x 23 and 6 apart.
    const MessageLayout l = ComputeMessageLayout({6, 13}, QSize(200, 13), true, 1);
    EXPECT_EQ(l.icon, QRect(12, 13, 32, 32));
    EXPECT_EQ(l.text, QRect(59, 13, 200, 13));
    EXPECT_EQ(l.client, QSize(247 + 24, 32 + 23 + 16 + 26));
    EXPECT_EQ(l.buttons, QList<QRect>{QRect(98, 61, 75, 23)});

    // Buttons wider than the text set the width; the text stays at the margin.
    const MessageLayout wide = ComputeMessageLayout({6, 13}, QSize(40, 40), false, 3);
    EXPECT_TRUE(wide.icon.isNull());
    EXPECT_EQ(wide.client.width(), 3 * 75 + 2 * 6 + 24);
    EXPECT_EQ(wide.text, QRect(12, 13, 40, 40));
    EXPECT_EQ(wide.buttons.value(2), QRect(12 + 2 * 81, 40 + 13 + 16, 75, 23));

    const InputBoxLayout in = ComputeInputBoxLayout({6, 12}, 22);
    EXPECT_EQ(in.client, QSize(270, 95));
    EXPECT_EQ(in.prompt, QPoint(12, 12));
    EXPECT_EQ(in.edit, QRect(12, 29, 246, 22));
    EXPECT_EQ(in.ok, QRect(57, 62, 75, 21));
    EXPECT_EQ(in.cancel, QRect(138, 62, 75, 21));
}

TEST(MessageLayout, DialogsAreBuiltAsLaidOut)
{
    const DialogUnits du = MeasureDialogUnits(DialogFont());
    ASSERT_GT(du.x, 0);
    const int hMargin = MulDiv(8, du.x, 4);

    TMessageForm typed(QStringLiteral("game.bmp がないので できません"), MsgDlgType::Error, mbYes);
    EXPECT_EQ(typed.windowTitle(), QStringLiteral("ｴﾗｰ"));
    EXPECT_EQ(typed.size(), typed.Layout().client);
    EXPECT_EQ(typed.minimumSize(), typed.maximumSize());
    auto* image = typed.findChild<QLabel*>(QStringLiteral("Image"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->geometry(), QRect(hMargin, MulDiv(8, du.y, 8), 32, 32));
    EXPECT_EQ(typed.findChild<QLabel*>(QStringLiteral("Message"))->geometry(), typed.Layout().text);
    EXPECT_EQ(typed.Layout().text.left(), hMargin + 32 + MulDiv(10, du.x, 4));
    EXPECT_EQ(Button(&typed, "Yes")->geometry(), typed.Layout().buttons.value(0));

    TMessageForm plain(QStringLiteral("音楽データが ありません"), MsgDlgType::Custom, mbOK);
    EXPECT_EQ(plain.windowTitle(), ApplicationTitle());
    EXPECT_EQ(plain.findChild<QLabel*>(QStringLiteral("Image")), nullptr);
    EXPECT_EQ(plain.findChild<QLabel*>(QStringLiteral("Message"))->x(), hMargin);
}

TEST(MessageLayout, LongMessageWrapsAndTheDialogGrowsDownward)
{
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    QString longText;
    for (int i = 0; i < 40; ++i)
        longText += QStringLiteral("あいうえお かきくけこ ");
    const QSize line = MeasureMessageText(DialogFont(), screenWidth, QStringLiteral("あ"));
    const QSize many = MeasureMessageText(DialogFont(), screenWidth, longText);
    EXPECT_LE(many.width(), screenWidth / 2);
    EXPECT_GE(many.height(), 3 * line.height());

    TMessageForm small(QStringLiteral("あ"), MsgDlgType::Warning, mbOK);
    TMessageForm big(longText, MsgDlgType::Warning, mbOK);
    EXPECT_LE(big.width(), screenWidth / 2 + 32 + 80);
    EXPECT_GE(big.height(), small.height() + 2 * line.height());
    EXPECT_EQ(big.findChild<QLabel*>(QStringLiteral("Message"))->heightForWidth(many.width()), many.height())
        << "the label wraps the text the way it was measured";
}

// ---- Buttons and results ------------------------------------------------------------------

TEST(TypedMessage, DefaultAndCancelButtonsFollowTheSet)
{
    const struct { unsigned set; const char* def; const char* cancel; } cases[] = {
        {mbYes, "Yes", ""},        {mbOK, "OK", "OK"},       {mbYes | mbNo, "Yes", "No"},
        {mbYes | mbNo | mbCancel, "Yes", "Cancel"},          {mbOK | mbCancel, "OK", "Cancel"},
        {mbAbort | mbRetry | mbIgnore, "Retry", ""},         {mbIgnore | mbAll, "", ""},
    };
    const auto name = [](QPushButton* b) { return b ? b->objectName() : QString(); };
    for (const auto& c : cases) {
        TMessageForm form(QStringLiteral("x"), MsgDlgType::Confirmation, c.set);
        EXPECT_EQ(name(form.DefaultButton()), QLatin1String(c.def)) << c.set;
        EXPECT_EQ(name(form.CancelButton()), QLatin1String(c.cancel)) << c.set;
    }
    TMessageForm all(QStringLiteral("x"), MsgDlgType::Information, 0x1ffu);
    QStringList captions;
    for (const QRect& r : all.Layout().buttons)
        captions << qobject_cast<QPushButton*>(all.childAt(r.center()))->text();
    EXPECT_EQ(captions, (QStringList{"はい(&Y)", "いいえ(&N)", "OK", "ｷｬﾝｾﾙ", "中止(&A)", "再試行(&R)",
                                     "無視(&I)", "すべて", "ﾍﾙﾌﾟ(&H)"}));
}

TEST(TypedMessage, EscPressesTheCancelButtonAndTheCloseBoxGivesTwo)
{
    bool stayedOpen = false;
    WhenModal([&](QWidget* w) {
        QTest::keyClick(w, Qt::Key_Escape);  // no cancel button: nothing happens
        stayedOpen = w->isVisible();
        w->close();
    });
    EXPECT_EQ(ShowTypedMessage(QStringLiteral("game.bmp がないので できません"), MsgDlgType::Error, mbYes), mrCancel);
    EXPECT_TRUE(stayedOpen);

    WhenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
    EXPECT_EQ(ShowTypedMessage(QStringLiteral("x"), MsgDlgType::Error, mbYes), mrYes);
    WhenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_EQ(ShowTypedMessage(QStringLiteral("x"), MsgDlgType::Confirmation, mbYes | mbNo), mrNo);
    WhenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_N); });
    EXPECT_EQ(ShowTypedMessage(QStringLiteral("x"), MsgDlgType::Confirmation, mbYes | mbNo | mbCancel), mrNo)
        << "an access letter works without Alt";
    WhenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_EQ(ShowTypedMessage(QStringLiteral("x"), MsgDlgType::Custom, mbOK), mrOk);
}

// ---- Input box ----------------------------------------------------------------------------

QString AskName()
{
    return PromptForText(QStringLiteral("EnterName"), QStringLiteral("なまえをいれよう"), QStringLiteral("ぽっけ"));
}

TEST(InputBox, EveryWayButOkReturnsTheDefault)
{
    WhenModal([](QWidget* w) { Button(w, "Cancel")->click(); });
    EXPECT_EQ(AskName(), QStringLiteral("ぽっけ"));
    WhenModal([](QWidget* w) {
        Type(w->findChild<QLineEdit*>(), QStringLiteral("abc"));
        QTest::keyClick(w->findChild<QLineEdit*>(), Qt::Key_Escape);
    });
    EXPECT_EQ(AskName(), QStringLiteral("ぽっけ"));
    WhenModal([](QWidget* w) {
        Type(w->findChild<QLineEdit*>(), QStringLiteral("abc"));
        w->close();
    });
    EXPECT_EQ(AskName(), QStringLiteral("ぽっけ"));
}

TEST(InputBox, OkReturnsWhatIsInTheBoxEvenNothing)
{
    QString caption, prompt, selected;
    int maxLength = 0;
    WhenModal([&](QWidget* w) {
        caption = w->windowTitle();
        prompt = w->findChild<QLabel*>()->text();
        auto* edit = w->findChild<QLineEdit*>();
        selected = edit->selectedText();
        maxLength = edit->maxLength();
        edit->clear();
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ(AskName(), QString());
    EXPECT_EQ(caption, QStringLiteral("EnterName"));
    EXPECT_EQ(prompt, QStringLiteral("なまえをいれよう"));
    EXPECT_EQ(selected, QStringLiteral("ぽっけ")) << "the default starts selected";
    EXPECT_EQ(maxLength, 255);

    // Typing replaces the selection; an accented letter goes in as its plain letter, and
    // the box says so; what Shift-JIS cannot hold otherwise never gets in.
    QString said;
    WhenModal([&said](QWidget* w) {
        Type(w->findChild<QLineEdit*>(), QStringLiteral("ﾎﾟｯｹé"));
        said = QToolTip::text();
        Type(w->findChild<QLineEdit*>(), QStringLiteral("😀と a"));
        Button(w, "OK")->click();
    });
    EXPECT_EQ(AskName(), QStringLiteral("ﾎﾟｯｹeと a"));
    EXPECT_EQ(said, QStringLiteral("é は e で かくね"));
}

TEST(InputBox, EditRefusesWhatShiftJisCannotHold)
{
    QLineEdit edit;
    edit.setValidator(new ShiftJisValidator(&edit));
    Type(&edit, QStringLiteral("ｶﾀｶﾅかなカナ漢字ABC xyz~\\"));
    EXPECT_EQ(edit.text(), QStringLiteral("ｶﾀｶﾅかなカナ漢字ABC xyz~\\"));
    edit.setText(QStringLiteral("ab"));
    edit.setCursorPosition(1);
    Type(&edit, QStringLiteral("😀¥\u301c\u2212민"));
    edit.insert(QStringLiteral("xé😀"));  // a paste with one bad character is refused whole
    EXPECT_EQ(edit.text(), QStringLiteral("ab"));
    EXPECT_EQ(edit.cursorPosition(), 1);
    edit.insert(QStringLiteral("Łé"));  // accented letters go in as plain ones
    EXPECT_EQ(edit.text(), QStringLiteral("aLeb"));
    EXPECT_EQ(edit.cursorPosition(), 3);
    EXPECT_FALSE(FitsShiftJis(QString(QChar(0xd83d))));  // half an emoji
}

// ---- Error box and application title ------------------------------------------------------

TEST(ErrorBox, StopIconTitleOneOkAndAlwaysAnAddedPeriod)
{
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;
    Qt::TextFormat format = Qt::AutoText;
    WhenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = box->buttons().size();
        format = box->textFormat();
        QTest::keyClick(box, Qt::Key_Return);
    });
    ShowErrorBox(QStringLiteral("<b>Tops.dat</b> に かけません."));
    EXPECT_EQ(text, QStringLiteral("<b>Tops.dat</b> に かけません.."));
    EXPECT_EQ(title, ApplicationTitle());
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(format, Qt::PlainText) << "a message is never read as markup";
}

TEST(ApplicationTitle, FileNameToItsFirstDotWithTheRestLowerCased)
{
    EXPECT_EQ(ApplicationTitleFrom(QStringLiteral("/usr/games/porimogu")), QStringLiteral("porimogu"));
    EXPECT_EQ(ApplicationTitleFrom(QStringLiteral("/opt/x.y/PoriMOGU.Game.exe")), QStringLiteral("Porimogu"));
    EXPECT_EQ(ApplicationTitleFrom(QStringLiteral("/bin/.hidden")), QString());
    EXPECT_EQ(ApplicationTitle(), QStringLiteral("shell_boxes_test"));
}

} // namespace
} // namespace porimogu
