#pragma once
// HelpBox: two pages of instructions for children, shown beside the main window.
#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace porimogu {

class THelpBox : public QDialog {
    Q_OBJECT
public:
    explicit THelpBox(QWidget* parent = nullptr);

    QPushButton* Button1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;   // "ゲームのしかた"
    QWidget* TabSheet2 = nullptr;   // "ヒント", the page of the first opening
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;

    // The help item: shows the dialog without making it modal, on the page last chosen,
    // raised and active. Opening it again while it is open only brings it to the front.
    void ShowHelp();

public slots:
    void Button1Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

} // namespace porimogu
