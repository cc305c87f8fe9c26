#pragma once
// The top-list dialog: the ten best games of Tops.dat in a table, OK (save sorted and
// close) and Clear (reset the file to the default lines).
#include "core/scores.h"

#include <QDialog>
#include <QFrame>
#include <QString>

#include <vector>

class QLabel;
class QPushButton;

namespace porimogu {

// A table of text cells with fixed (header) rows and columns painted on the button
// face, the others on the window colour. No grid lines, no scroll bars: cells that do
// not fit the client area are clipped. Text stands 2 pixels in from the cell's left; a
// text wider than its cell is drawn narrower to fit it.
class TStringGrid : public QFrame {
    Q_OBJECT
public:
    TStringGrid(int colCount, int rowCount, QWidget* parent = nullptr);

    int RowCount() const { return rowCount_; }
    void SetColWidth(int col, int width);
    void SetRowHeight(int row, int height);
    int ColWidth(int col) const { return colWidths_[static_cast<std::size_t>(col)]; }
    int RowHeight(int row) const { return rowHeights_[static_cast<std::size_t>(row)]; }
    void SetFixed(int cols, int rows);

    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::size_t Index(int col, int row) const;

    int colCount_;
    int rowCount_;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    std::vector<QString> cells_;
};

// Created once at start-up and reused for every showing. Each showing reloads
// Tops.dat (or the default lines when there is none) and sorts it.
class TTopDlg : public QDialog {
    Q_OBJECT
public:
    explicit TTopDlg(QWidget* parent = nullptr);

    // FormShow, then the dialog modally, centred on the screen, OK focused. Returns
    // mrOk when closed by OK, mrCancel by the close box. When Tops.dat cannot be read or
    // holds fewer than 11 lines or a points field that is not a whole number, the error
    // box says so and the player is asked whether to keep the file aside and start a
    // fresh list (TopsFile::Recover): on Yes the fresh list is shown, on No the dialog
    // is not shown and mrCancel returned. Throws GameError when the renaming or the
    // new file fails.
    int ShowModal();

    // The form's handlers. FormShow throws as ShowModal does; the button handlers
    // report their failures in the error box: a failed OK leaves the dialog open. OK
    // writes Tops.dat sorted as it is then (TopsFile::SaveSorted), so it never undoes a
    // line written since the list opened; a file it can no longer read is said and may
    // be kept aside for a fresh list, and the dialog closes.
    void FormShow();
    void OKBtnClick();
    void ClearBtnClick();
    // The header row, then rows 1..10 from list lines 10..1. Needs 11 lines.
    void FillGrid(const ScoreList& lines);

    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    TStringGrid* SGrid = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* ClearBtn = nullptr;
    ScoreList ScoreLines;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace porimogu
