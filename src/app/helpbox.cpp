#include "helpbox.h"

#include "formutil.h"
#include "msgbox.h"

#include <QHideEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTabWidget>
#include <QVBoxLayout>

namespace porimogu {

namespace {

// Page "ゲームのしかた": indented lines begin with four blanks; the key names are
// half-width katakana.
const QStringList kHowToPlay = {
    QStringLiteral("・ゲームを はじめるとき"),
    QStringLiteral("    ｴﾝﾀｰｷｰ（まがったやじるしｷｰ） をおします"),
    QStringLiteral("・ぽっけを うごかしてあそぶ"),
    QStringLiteral("    できるだけ たくさん たべるようにします"),
    QStringLiteral("・ぽっけのうごかしかた"),
    QStringLiteral("    ２、４、６、８ の ｷｰで うごきます"),
    QStringLiteral("    （やじるしｷｰでもよい）"),
    QStringLiteral("・ゲームじかん"),
    QStringLiteral("    ８０ びょうの あいだです"),
    QStringLiteral("・おわるとき"),
    QStringLiteral("    ふつうに ×を くりっくします"),
    QStringLiteral("    ｴｽｹｰﾌﾟｷｰでも おわったり、とめたりできます"),
};

// Page "ヒント": the even lines are empty, the words are two blanks apart.
const QStringList kHints = {
    QStringLiteral("・おばけを  たべると  げんてんです"),
    QStringLiteral(""),
    QStringLiteral("・ぜんぶ  たべると  ボーナス！"),
    QStringLiteral(""),
    QStringLiteral("・おばけは  のこしても  いいです"),
    QStringLiteral(""),
    QStringLiteral("・すききらいは  いけません"),
    QStringLiteral(""),
    QStringLiteral("・メニューをつかうとわかりやすい"),
};

QPlainTextEdit* MakeMemo(QWidget* page, const char* name, const QStringList& lines)
{
    auto* memo = new QPlainTextEdit(page);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setPlainText(lines.join(QLatin1Char('\n')));
    QPalette pal = memo->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Button));
    pal.setColor(QPalette::Text, Qt::black);
    memo->setPalette(pal);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo);
    return memo;
}

} // namespace

THelpBox::THelpBox(QWidget* parent)
    : QDialog(parent, kFixedTopDialogFlags)
{
    setObjectName(QStringLiteral("HelpBox"));
    setWindowTitle(QStringLiteral("へるぷ"));
    setSizeGripEnabled(false);
    setFixedSize(466, 344);
    setFont(FormFont(19, true));
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(161, 312, 153, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &THelpBox::Button1Click);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, 466, 305);
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    Memo1 = MakeMemo(TabSheet1, "Memo1", kHowToPlay);
    Memo2 = MakeMemo(TabSheet2, "Memo2", kHints);
    PageControl1->addTab(TabSheet1, QStringLiteral("ゲームのしかた"));
    PageControl1->addTab(TabSheet2, QStringLiteral("ヒント"));
    PageControl1->setCurrentWidget(TabSheet2);

    setTabOrder(Button1, PageControl1);
    Button1->setFocus();
}

void THelpBox::ShowHelp()
{
    ShowModeless(this);
}

void THelpBox::Button1Click()
{
    Guarded([&] { close(); });
}

void THelpBox::keyPressEvent(QKeyEvent* event)
{
    if (!SwallowPlainEscape(event))
        QDialog::keyPressEvent(event);
}

void THelpBox::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    ReturnKeyboardToOwner(this, event);
}

} // namespace porimogu
