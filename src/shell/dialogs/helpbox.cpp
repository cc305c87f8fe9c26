#include "dialogs/helpbox.h"

#include "dialogs/formutil.h"
#include "dialogs/errorguard.h"

#include <QCoreApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QVBoxLayout>

namespace porimogu {

namespace {

// Each page is one text, so that a translation may break its lines where its own
// language wants. Page "ゲームのしかた": twelve lines, indented lines begin with four
// blanks; the key names are half-width katakana.
const char* const kHowToPlay = QT_TRANSLATE_NOOP("HelpBox",
    "・ゲームを はじめるとき\n"
    "    ｴﾝﾀｰｷｰ（まがったやじるしｷｰ） をおします\n"
    "・ぽっけを うごかしてあそぶ\n"
    "    できるだけ たくさん たべるようにします\n"
    "・ぽっけのうごかしかた\n"
    "    ２、４、６、８ の ｷｰで うごきます\n"
    "    （やじるしｷｰでもよい）\n"
    "・ゲームじかん\n"
    "    ８０ びょうの あいだです\n"
    "・おわるとき\n"
    "    ふつうに ×を くりっくします\n"
    "    ｴｽｹｰﾌﾟｷｰでも おわったり、とめたりできます");

// Page "ヒント": nine lines, the even ones empty, the words two blanks apart.
const char* const kHints = QT_TRANSLATE_NOOP("HelpBox",
    "・おばけを  たべると  げんてんです\n"
    "\n"
    "・ぜんぶ  たべると  ボーナス！\n"
    "\n"
    "・おばけは  のこしても  いいです\n"
    "\n"
    "・すききらいは  いけません\n"
    "\n"
    "・メニューをつかうとわかりやすい");

// A page of text. A translated page shows every line without scrolling: where the
// language's font runs taller than the Japanese one (the Chinese and Korean fonts' lines
// by almost half), the page is drawn a pixel or two smaller. The Japanese pages stay as
// the game has always shown them; the first one scrolls.
class PageMemo : public QPlainTextEdit {
public:
    PageMemo(QWidget* parent, bool fitLines)
        : QPlainTextEdit(parent), fitLines_(fitLines)
    {
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QPlainTextEdit::resizeEvent(event);
        if (fitLines_)
            FitLines();
    }

private:
    static constexpr int kSmallestPixels = 15;

    // The height of the page's lines as laid out in the font set now: a line is as high
    // as the tallest of the fonts its letters come from.
    qreal TextHeight() const
    {
        qreal height = 2 * document()->documentMargin();
        for (QTextBlock b = document()->firstBlock(); b.isValid(); b = b.next())
            height += blockBoundingRect(b).height();
        return height;
    }

    void FitLines()
    {
        if (base_.pixelSize() <= 0)
            base_ = font();
        QFont f = base_;
        setFont(f);
        while (f.pixelSize() > kSmallestPixels && TextHeight() > viewport()->height()) {
            f.setPixelSize(f.pixelSize() - 1);
            setFont(f);
        }
    }

    bool fitLines_;
    QFont base_;  // the page's own font, taken at the first fitting
};

QPlainTextEdit* MakeMemo(QWidget* page, const char* name, const char* text)
{
    const QString shown = QCoreApplication::translate("HelpBox", text);
    auto* memo = new PageMemo(page, shown != QString::fromUtf8(text));
    memo->setObjectName(QString::fromLatin1(name));
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setPlainText(shown);
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
    setWindowTitle(tr("へるぷ"));
    setSizeGripEnabled(false);
    setFixedSize(466, 344);
    setFont(FormFont(19, true));
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    Button1 = new QPushButton(tr("OK"), this);
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
    PageControl1->addTab(TabSheet1, tr("ゲームのしかた"));
    PageControl1->addTab(TabSheet2, tr("ヒント"));
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
