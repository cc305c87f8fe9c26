// The help dialog: its two pages and which page it opens on.
#include "dialogs/helpbox.h"

#include <QApplication>
#include <QFont>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QWidget>
#include <gmock/gmock.h>

#include <memory>

using porimogu::THelpBox;

namespace {

class HelpBoxTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    }

    void SetUp() override
    {
        owner = std::make_unique<QWidget>();
        owner->show();
        box = new THelpBox(owner.get());
    }

    QString CurrentPage() const { return box->PageControl1->tabText(box->PageControl1->currentIndex()); }

    std::unique_ptr<QWidget> owner;
    THelpBox* box = nullptr; // owned by `owner`
};

// Written out here from the game's description, independently of the dialog's source.
const char* const kHowToPlay[] = {
    "・ゲームを はじめるとき",
    "    ｴﾝﾀｰｷｰ（まがったやじるしｷｰ） をおします",
    "・ぽっけを うごかしてあそぶ",
    "    できるだけ たくさん たべるようにします",
    "・ぽっけのうごかしかた",
    "    ２、４、６、８ の ｷｰで うごきます",
    "    （やじるしｷｰでもよい）",
    "・ゲームじかん",
    "    ８０ びょうの あいだです",
    "・おわるとき",
    "    ふつうに ×を くりっくします",
    "    ｴｽｹｰﾌﾟｷｰでも おわったり、とめたりできます",
};
const char* const kHints[] = {
    "・おばけを  たべると  げんてんです", "",
    "・ぜんぶ  たべると  ボーナス！", "",
    "・おばけは  のこしても  いいです", "",
    "・すききらいは  いけません", "",
    "・メニューをつかうとわかりやすい",
};

template <std::size_t N>
QByteArray Joined(const char* const (&lines)[N])
{
    QByteArray all;
    for (std::size_t i = 0; i < N; ++i) {
        if (i)
            all += '\n';
        all += lines[i];
    }
    return all;
}

TEST_F(HelpBoxTest, PagesHoldTheirTextsByteForByte)
{
    EXPECT_EQ(box->PageControl1->count(), 2);
    EXPECT_EQ(box->PageControl1->tabText(0), QStringLiteral("ゲームのしかた"));
    EXPECT_EQ(box->PageControl1->tabText(1), QStringLiteral("ヒント"));
    EXPECT_EQ(box->PageControl1->widget(0), box->TabSheet1);
    EXPECT_EQ(box->Memo1->parentWidget(), box->TabSheet1);
    EXPECT_EQ(box->Memo2->parentWidget(), box->TabSheet2);

    EXPECT_EQ(box->Memo1->toPlainText().toUtf8(), Joined(kHowToPlay));
    EXPECT_EQ(box->Memo2->toPlainText().toUtf8(), Joined(kHints));
    EXPECT_EQ(box->Memo1->document()->blockCount(), 12);
    EXPECT_EQ(box->Memo2->document()->blockCount(), 9);
    // Half-width katakana stay half-width; the pages cannot be edited.
    EXPECT_TRUE(box->Memo1->toPlainText().contains(QChar(0xFF74))); // ｴ
    EXPECT_TRUE(box->Memo1->isReadOnly() && box->Memo2->isReadOnly());
}

TEST_F(HelpBoxTest, FirstOpeningShowsHintsNonModal)
{
    box->ShowHelp();
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(CurrentPage(), QStringLiteral("ヒント"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("へるぷ"));
    EXPECT_EQ(box->size(), QSize(466, 344));
}

TEST_F(HelpBoxTest, LastChosenPageIsKeptForTheNextOpening)
{
    box->ShowHelp();
    box->PageControl1->setCurrentIndex(0);
    QTest::mouseClick(box->Button1, Qt::LeftButton);
    EXPECT_FALSE(box->isVisible());
    box->ShowHelp();
    EXPECT_EQ(CurrentPage(), QStringLiteral("ゲームのしかた"));

    box->PageControl1->setCurrentIndex(1);
    box->close();
    box->ShowHelp();
    EXPECT_EQ(CurrentPage(), QStringLiteral("ヒント"));
}

TEST_F(HelpBoxTest, EscapeClosesNothingAndClosingHandsTheKeyboardBack)
{
    owner->activateWindow();
    QCoreApplication::processEvents();
    box->ShowHelp();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), box);
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_TRUE(box->isVisible());
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(box->isVisible());
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), owner.get());
}

} // namespace
