// The top-list dialog: what its grid shows, what OK and Clear write, and how it opens
// and closes.
#include "fakes/scorefiles.h"
#include "dialogs/centring.h"
#include "fakes/boxanswerer.h"
#include "dialogs/formutil.h"
#include "dialogs/messagebox.h"
#include "dialogs/topdlg.h"

#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

using namespace porimogu;
using namespace porimogu::scorefiles;
using namespace porimogu::testing;

namespace {

class TopDlg : public InScratchDir {
protected:
    void SetUp() override
    {
        InstallFontSubstitutions();
        InScratchDir::SetUp();
    }

    // Opens the dialog modally and runs whileOpen inside its loop; a dialog still open
    // afterwards is closed by its close box so that a failing test cannot hang.
    int OpenAnd(const std::function<void()>& whileOpen)
    {
        QTimer::singleShot(0, &dlg_, [this, whileOpen] {
            whileOpen();
            if (dlg_.isVisible())
                QTimer::singleShot(0, &dlg_, [this] { dlg_.close(); });
        });
        return dlg_.ShowModal();
    }

    // Row r of the grid as "name points date" with the texts as shown.
    QString Row(int r) const
    {
        return dlg_.SGrid->Cells(1, r) + u'|' + dlg_.SGrid->Cells(2, r) + u'|' + dlg_.SGrid->Cells(3, r);
    }

    TTopDlg dlg_;
};

} // namespace

TEST_F(TopDlg, WithoutAFileItShowsTheDefaultsAndWritesNothing)
{
    dlg_.FormShow();
    EXPECT_EQ(dlg_.SGrid->Cells(0, 0), QStringLiteral("Rank"));
    EXPECT_EQ(dlg_.SGrid->Cells(1, 0), QStringLiteral("  Name"));
    EXPECT_EQ(dlg_.SGrid->Cells(2, 0), QStringLiteral("  Points"));
    EXPECT_EQ(dlg_.SGrid->Cells(3, 0), QStringLiteral("  Date"));
    const char* expected[] = {"もしもし", "かめよ", "かめさんよ", "せかいのうちで", "おまえほど",
                              "あゆみののろい", "ものはない", "どうして", "そんなに", "のろいのか"};
    for (int r = 1; r <= 10; ++r) {
        EXPECT_EQ(dlg_.SGrid->Cells(0, r), QString::number(r).rightJustified(5, u' '));
        const QString points = QString::number((11 - r) * 100).rightJustified(8, u' ');
        EXPECT_EQ(Row(r), QString::fromUtf8(expected[r - 1]) + u'|' + points + QStringLiteral("|97/11/21"));
    }
    EXPECT_EQ(dlg_.SGrid->Cells(0, 1), QStringLiteral("    1"));
    EXPECT_EQ(dlg_.SGrid->Cells(0, 10), QStringLiteral("   10"));
    EXPECT_EQ(dlg_.SGrid->Cells(2, 10), QStringLiteral("     100"));
    for (int r = 0; r < 11; ++r)
        EXPECT_EQ(dlg_.SGrid->Cells(4, r), QString());  // the fifth column stays empty
    EXPECT_FALSE(QFile::exists("Tops.dat"));
}

TEST_F(TopDlg, OkWithoutAFileWritesTheElevenDefaultLines)
{
    EXPECT_EQ(OpenAnd([this] { dlg_.OKBtn->click(); }), mrOk);
    EXPECT_EQ(ReadAll("Tops.dat"), FileOf(DefaultScoreLines()));
    EXPECT_FALSE(dlg_.isVisible());
}

TEST_F(TopDlg, ARecordedLineShowsAtItsRankAndOkSavesTheFileSorted)
{
    QList<QByteArray> stored = DefaultScoreLines().mid(1);
    stored.append("00650,97/11/21," + Sjis("ぽっけ"));
    WriteAll("Tops.dat", FileOf(stored));
    OpenAnd([this] {
        EXPECT_EQ(Row(5), QStringLiteral("ぽっけ|     650|97/11/21"));
        EXPECT_EQ(Row(4), QStringLiteral("せかいのうちで|     700|97/11/21"));
        EXPECT_EQ(Row(10), QStringLiteral("そんなに|     200|97/11/21"));
        dlg_.OKBtn->click();
    });
    QList<QByteArray> sorted = DefaultScoreLines().mid(1);
    sorted.insert(6, "00650,97/11/21," + Sjis("ぽっけ"));
    EXPECT_EQ(ReadAll("Tops.dat"), FileOf(sorted));
}

TEST_F(TopDlg, ALongerFileShowsItsLinesTenToOneAndOkSavesThemAll)
{
    QList<QByteArray> lines;
    for (int points : {1300, 50, 700, 1200, 100, 600, 1100, 200, 900, 1000, 300, 800, 400})
        lines.append(ZeroPad(points, 5) + ",05/03/04,p" + QByteArray::number(points));
    WriteAll("Tops.dat", FileOf(lines));
    OpenAnd([this] {
        EXPECT_EQ(Row(1), QStringLiteral("p1100|    1100|05/03/04"));
        EXPECT_EQ(Row(10), QStringLiteral("p100|     100|05/03/04"));
        dlg_.OKBtn->click();
    });
    std::sort(lines.begin(), lines.end());  // five-digit points: byte order is the score order here
    EXPECT_EQ(ReadAll("Tops.dat"), FileOf(lines));
}

TEST_F(TopDlg, EqualPointsRankByDateThenNameAndACommaEndsTheName)
{
    QList<QByteArray> lines = DefaultScoreLines();
    lines[10] = "01000,97/11/21,b";
    lines[9] = "01000,97/11/22,a";
    lines[8] = "01000,97/11/21,c,d";
    WriteAll("Tops.dat", FileOf(lines));
    dlg_.FormShow();
    EXPECT_EQ(Row(1), QStringLiteral("a|    1000|97/11/22"));
    EXPECT_EQ(Row(2), QStringLiteral("c|    1000|97/11/21"));
    EXPECT_EQ(Row(3), QStringLiteral("b|    1000|97/11/21"));
}

TEST_F(TopDlg, ClearWritesTheDefaultsAtOnceAndTheCloseBoxSavesNothing)
{
    QList<QByteArray> stored = DefaultScoreLines().mid(1);
    stored.append("00650,97/11/21,x");
    WriteAll("Tops.dat", FileOf(stored));

    // The close box leaves an unsorted file unsorted.
    EXPECT_EQ(OpenAnd([this] { dlg_.close(); }), mrCancel);
    EXPECT_EQ(ReadAll("Tops.dat"), FileOf(stored));

    const int result = OpenAnd([this] {
        dlg_.ClearBtn->click();
        EXPECT_TRUE(dlg_.isVisible());
        EXPECT_EQ(ReadAll("Tops.dat"), FileOf(DefaultScoreLines()));
        EXPECT_EQ(Row(5), QStringLiteral("おまえほど|     600|97/11/21"));
        dlg_.close();
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(ReadAll("Tops.dat"), FileOf(DefaultScoreLines()));
}

TEST_F(TopDlg, OkHasTheFocusEnterPressesItAndEscapeDoesNotClose)
{
    OpenAnd([this] {
        EXPECT_EQ(dlg_.focusWidget(), dlg_.OKBtn);
        QTest::keyClick(dlg_.OKBtn, Qt::Key_Escape);
        EXPECT_TRUE(dlg_.isVisible());
        EXPECT_FALSE(QFile::exists("Tops.dat"));
        QTest::keyClick(dlg_.OKBtn, Qt::Key_Return);
        EXPECT_FALSE(dlg_.isVisible());
    });
    EXPECT_EQ(ReadAll("Tops.dat"), FileOf(DefaultScoreLines()));
}

TEST_F(TopDlg, OpensCentredTabGoesOkGridClearAndEnterPressesTheFocusedButton)
{
    QList<QByteArray> stored = DefaultScoreLines().mid(1);
    stored.append("00650,97/11/21,x");
    WriteAll("Tops.dat", FileOf(stored));
    const int result = OpenAnd([this] {
        // The platform frames the dialog once it is shown; then it is centred by its frame.
        const auto centred = [this] {
            return dlg_.frameGeometry().size() != dlg_.size()
                && dlg_.frameGeometry().topLeft()
                       == CentredTopLeft(dlg_.screen()->geometry(), dlg_.frameGeometry().size());
        };
        EXPECT_TRUE(QTest::qWaitFor(centred, 5000)) << "at " << dlg_.frameGeometry().x() << ","
                                                     << dlg_.frameGeometry().y();
        QTest::keyClick(dlg_.focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(dlg_.focusWidget(), dlg_.SGrid);
        QTest::keyClick(dlg_.focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(dlg_.focusWidget(), dlg_.ClearBtn);
        QTest::keyClick(dlg_.ClearBtn, Qt::Key_Return);
        EXPECT_TRUE(dlg_.isVisible()) << "Enter on Clear pressed OK";
        EXPECT_EQ(ReadAll("Tops.dat"), FileOf(DefaultScoreLines()));
        // From the grid Enter presses OK, the default button.
        QTest::keyClick(dlg_.focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(dlg_.focusWidget(), dlg_.SGrid);
        QTest::keyClick(dlg_.SGrid, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_FALSE(dlg_.isVisible());
    });
    EXPECT_EQ(result, mrOk);
}

TEST_F(TopDlg, AFailedSaveShowsTheErrorBoxAndOkLeavesTheDialogOpen)
{
    QString shown;
    bool openAfterOk = false;
    OpenAnd([&] {
        ASSERT_TRUE(QDir().mkdir("Tops.dat"));  // nothing can replace a directory
        QTimer::singleShot(0, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        dlg_.OKBtn->click();
        openAfterOk = dlg_.isVisible();
    });
    EXPECT_EQ(shown, QStringLiteral("ﾌｧｲﾙ Tops.dat を作成できません."));
    EXPECT_TRUE(openAfterOk);
}

TEST_F(TopDlg, AFileTheGridCannotShowIsSaidAndMayBeKeptAsideForAFreshList)
{
    const QString question =
        QStringLiteral("Tops.dat を Tops.dat.bad という なまえで のこして、せいせきを はじめから つけなおしますか?");
    QList<QByteArray> lines = DefaultScoreLines();
    lines[4] = "0x400,97/11/21,x";
    const QByteArray unreadable = FileOf(lines);
    WriteAll("Tops.dat", unreadable);
    {
        BoxAnswerer boxes;  // "no": the question is closed
        EXPECT_EQ(dlg_.ShowModal(), mrCancel);
        EXPECT_EQ(boxes.texts, (QStringList{QStringLiteral("'0x400' は整数ではありません."), question}));
    }
    EXPECT_FALSE(dlg_.isVisible());
    EXPECT_EQ(ReadAll("Tops.dat"), unreadable);
    EXPECT_FALSE(QFile::exists("Tops.dat.bad"));

    const QByteArray tooShort = FileOf(DefaultScoreLines().mid(0, 5));
    WriteAll("Tops.dat", tooShort);
    {
        BoxAnswerer boxes;
        boxes.pressYes = true;
        dlg_.ShowModal();
        EXPECT_EQ(boxes.texts, (QStringList{QStringLiteral("ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています."), question,
                                            QStringLiteral("TopList Dialog")}));
    }
    EXPECT_EQ(ReadAll("Tops.dat.bad"), tooShort);
    EXPECT_EQ(ReadAll("Tops.dat"), FileOf(DefaultScoreLines()));
    EXPECT_EQ(Row(1), QStringLiteral("もしもし|    1000|97/11/21"));
}

TEST_F(TopDlg, TheElevenRowsFitTheGridExactly)
{
    int rows = 0;
    for (int r = 0; r < dlg_.SGrid->RowCount(); ++r)
        rows += dlg_.SGrid->RowHeight(r);
    EXPECT_EQ(rows, dlg_.SGrid->contentsRect().height());  // row 10 whole, nothing below it
    int fixedCols = 0;
    for (int c = 0; c < 4; ++c)
        fixedCols += dlg_.SGrid->ColWidth(c);
    EXPECT_GE(dlg_.SGrid->contentsRect().width(), fixedCols - 2);  // at most the date's margin clipped
}

TEST_F(TopDlg, OkSortsTheFileAsItIsNowSoALineWrittenMeanwhileStays)
{
    WriteAll("Tops.dat", FileOf(DefaultScoreLines()));
    QList<QByteArray> meanwhile = DefaultScoreLines().mid(1);
    meanwhile.append("00650,97/11/21,x");  // another game's recording
    OpenAnd([&] {
        WriteAll("Tops.dat", FileOf(meanwhile));
        dlg_.OKBtn->click();
    });
    QList<QByteArray> sorted = DefaultScoreLines().mid(1);
    sorted.insert(6, "00650,97/11/21,x");
    EXPECT_EQ(ReadAll("Tops.dat"), FileOf(sorted));

    // Grown past what a list takes by the time of OK: said, and kept aside on Yes.
    const QByteArray huge = FileOf(QList<QByteArray>(kMaxTopsLines + 1, "00001,97/11/21,x"));
    QStringList said;
    const int result = OpenAnd([&] {
        WriteAll("Tops.dat", huge);
        BoxAnswerer boxes;
        boxes.pressYes = true;
        dlg_.OKBtn->click();
        said = boxes.texts;
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(said, (QStringList{QStringLiteral("ﾌｧｲﾙ Tops.dat は大きすぎて開けません."),
                                 QStringLiteral("Tops.dat を Tops.dat.bad という なまえで のこして、せいせきを はじめから つけなおしますか?")}));
    EXPECT_EQ(ReadAll("Tops.dat.bad"), huge);
    EXPECT_EQ(ReadAll("Tops.dat"), FileOf(DefaultScoreLines()));
}

TEST_F(TopDlg, ADateWiderThanItsColumnShowsToItsLastDigit)
{
    // A four-digit year, as many desktops write the date, and the last digit alone differs.
    const auto dateCell = [this](const QString& date) {
        dlg_.SGrid->SetCells(3, 1, date);
        const QImage shot = dlg_.SGrid->grab().toImage();
        const int left = dlg_.SGrid->contentsRect().left() + dlg_.SGrid->ColWidth(0) + dlg_.SGrid->ColWidth(1)
            + dlg_.SGrid->ColWidth(2);
        return shot.copy(left, dlg_.SGrid->contentsRect().top() + dlg_.SGrid->RowHeight(0), dlg_.SGrid->ColWidth(3),
                         dlg_.SGrid->RowHeight(1));
    };
    ASSERT_GT(dlg_.SGrid->fontMetrics().horizontalAdvance(QStringLiteral("2026/12/09")), dlg_.SGrid->ColWidth(3) - 2)
        << "the date fits here without being drawn narrower";
    EXPECT_NE(dateCell(QStringLiteral("2026/12/08")), dateCell(QStringLiteral("2026/12/09")));
    EXPECT_NE(dateCell(QStringLiteral("09.12.2026")), dateCell(QStringLiteral("09.12.2027")));
}
