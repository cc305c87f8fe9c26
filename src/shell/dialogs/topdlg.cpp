#include "dialogs/topdlg.h"

#include "dialogs/centring.h"
#include "dialogs/formutil.h"
#include "dialogs/errorguard.h"
#include "dialogs/messagebox.h"

#include "core/topsfile.h"

#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace porimogu {

namespace {

constexpr int kCellInset = 2;

// A Tops.dat that cannot be used is said in the error box, and the question asked in
// the message box.
ScoreFilePlayer BoxPlayer()
{
    return {[](const QString& message) { ShowErrorBox(message); }, AskYesNo};
}

} // namespace

// --- TStringGrid -----------------------------------------------------------------

TStringGrid::TStringGrid(int colCount, int rowCount, QWidget* parent)
    : QFrame(parent),
      colCount_(colCount),
      rowCount_(rowCount),
      colWidths_(static_cast<std::size_t>(colCount), 64),
      rowHeights_(static_cast<std::size_t>(rowCount), 24),
      cells_(static_cast<std::size_t>(colCount * rowCount))
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::NoFocus);
}

void TStringGrid::SetColWidth(int col, int width)
{
    colWidths_[static_cast<std::size_t>(col)] = width;
    update();
}

void TStringGrid::SetRowHeight(int row, int height)
{
    rowHeights_[static_cast<std::size_t>(row)] = height;
    update();
}

void TStringGrid::SetFixed(int cols, int rows)
{
    fixedCols_ = cols;
    fixedRows_ = rows;
    update();
}

std::size_t TStringGrid::Index(int col, int row) const
{
    return static_cast<std::size_t>(row * colCount_ + col);
}

QString TStringGrid::Cells(int col, int row) const
{
    return cells_[Index(col, row)];
}

void TStringGrid::SetCells(int col, int row, const QString& text)
{
    QString& cell = cells_[Index(col, row)];
    if (cell != text) {
        cell = text;
        update();
    }
}

void TStringGrid::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect client = contentsRect();
    painter.setClipRect(client);
    painter.fillRect(client, palette().color(QPalette::Base));

    const QColor face = palette().color(QPalette::Button);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    int y = client.top();
    for (int row = 0; row < rowCount_; ++row) {
        const int height = RowHeight(row);
        int x = client.left();
        for (int col = 0; col < colCount_; ++col) {
            const int width = ColWidth(col);
            const QRect cell(x, y, width, height);
            const bool fixed = row < fixedRows_ || col < fixedCols_;
            if (fixed) {
                painter.fillRect(cell, face);
                if (row < fixedRows_) {  // the header row stands out as a raised strip
                    painter.setPen(light);
                    painter.drawLine(cell.topLeft(), cell.topRight());
                    painter.drawLine(cell.topLeft(), cell.bottomLeft());
                    painter.setPen(dark);
                    painter.drawLine(cell.bottomLeft(), cell.bottomRight());
                    painter.drawLine(cell.topRight(), cell.bottomRight());
                }
            }
            const QString& text = cells_[Index(col, row)];
            if (!text.isEmpty()) {
                painter.save();
                painter.setClipRect(cell.intersected(client));
                painter.setPen(palette().color(fixed ? QPalette::ButtonText : QPalette::Text));
                // A text wider than its cell (a date with a four-digit year, a name in wide
                // letters) is drawn narrower instead of cut off, so that its last digit or
                // letter still shows; a text that fits is drawn as it is.
                const QRect room = cell.intersected(client).adjusted(kCellInset, 0, -1, 0);
                const int advance = painter.fontMetrics().horizontalAdvance(text);
                if (advance > room.width() && room.width() > 0) {
                    painter.translate(room.left(), 0);
                    painter.scale(std::max(0.6, qreal(room.width()) / advance), 1.0);
                    painter.drawText(QRect(0, room.top(), advance, room.height()),
                                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
                } else {
                    painter.drawText(cell.adjusted(kCellInset, 0, 0, 0),
                                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
                }
                painter.restore();
            }
            x += width;
        }
        y += height;
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = client.adjusted(1, 1, -1, -1);
        focus.backgroundColor = palette().color(QPalette::Base);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

// --- TTopDlg -----------------------------------------------------------------------

TTopDlg::TTopDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TopDlg"));
    setWindowTitle(tr("TopList Dialog"));
    setFixedSize(336, 360);
    setFont(FormFont(12));
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::ButtonText, Qt::black);
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    Panel1->setLineWidth(2);
    Panel1->setGeometry(0, 0, 336, 33);

    Label1 = new QLabel(tr("Tops-List"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont titleFont = FormFont(24);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    Label1->setFont(titleFont);
    QPalette titlePalette = Label1->palette();
    titlePalette.setColor(QPalette::WindowText, QColor(128, 0, 0));
    Label1->setPalette(titlePalette);
    Label1->setGeometry(Panel1->contentsRect());

    SGrid = new TStringGrid(5, 11, this);
    SGrid->setObjectName(QStringLiteral("SGrid"));
    SGrid->setGeometry(8, 40, 313, 265);
    SGrid->SetFixed(4, 1);
    const int widths[] = {36, 128, 80, 67, 8};
    for (int col = 0; col < 5; ++col)
        SGrid->SetColWidth(col, widths[col]);
    for (int row = 0; row < 11; ++row)
        SGrid->SetRowHeight(row, row < 10 ? 24 : 21);

    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(168, 328, 155, 24);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &TTopDlg::OKBtnClick);

    ClearBtn = new QPushButton(tr("Clear"), this);
    ClearBtn->setObjectName(QStringLiteral("ClearBtn"));
    ClearBtn->setGeometry(8, 328, 75, 25);
    connect(ClearBtn, &QPushButton::clicked, this, &TTopDlg::ClearBtnClick);

    // OK, then the grid, then Clear. Enter presses the button that has the focus, and
    // OK from anywhere else.
    SGrid->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(OKBtn, SGrid);
    setTabOrder(SGrid, ClearBtn);
}

int TTopDlg::ShowModal()
{
    // A file that cannot be shown is said; then the player may keep it aside and start
    // a fresh list, which is shown at once. "No" leaves everything as it was.
    try {
        FormShow();
    } catch (const GameError& e) {
        if (!TopsFile().Recover(e.message(), BoxPlayer(), ScoreLines))
            return mrCancel;
        FormShow();
    }
    CenterOnScreen(this);
    return exec() == mrOk ? mrOk : mrCancel;
}

void TTopDlg::FormShow()
{
    TopsFile().LoadForShowing(ScoreLines);
    FillGrid(ScoreLines);
}

void TTopDlg::OKBtnClick()
{
    Guarded([this] {
        // Sorted as the file is now, not as it was when the list was opened: a line
        // another game wrote meanwhile stays. A file that cannot be read any more is
        // said and may be kept aside for a fresh list; either answer closes the list.
        TopsFile().SaveSorted(ScoreLines, BoxPlayer());
        done(mrOk);
    });
}

void TTopDlg::ClearBtnClick()
{
    Guarded([this] {
        FillDefaults(ScoreLines);
        FillGrid(ScoreLines);
        TopsFile().Save(ScoreLines);
    });
}

void TTopDlg::FillGrid(const ScoreList& lines)
{
    SGrid->SetCells(0, 0, tr("Rank"));
    SGrid->SetCells(1, 0, tr("  Name"));
    SGrid->SetCells(2, 0, tr("  Points"));
    SGrid->SetCells(3, 0, tr("  Date"));
    for (int r = 1; r <= 10; ++r) {
        const TopListRow row = TopListRowAt(lines, r);
        SGrid->SetCells(0, r, QString::fromLatin1(row.rank));
        SGrid->SetCells(1, r, FromShiftJis(row.name));
        SGrid->SetCells(3, r, FromShiftJis(row.date));
        SGrid->SetCells(2, r, QString::fromLatin1(row.points));
    }
}

void TTopDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    OKBtn->setFocus(Qt::OtherFocusReason);
}

void TTopDlg::keyPressEvent(QKeyEvent* event)
{
    // No Cancel button: Esc leaves the dialog open.
    if (event->key() == Qt::Key_Escape || event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace porimogu
