// Starts the game: seed from the clock, the main window and its three dialogs, the
// message loop; at the end the window's clean-up stops the music.
#include "aboutbox.h"
#include "helpbox.h"
#include "mainform.h"
#include "msgbox.h"
#include "topdlg.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.porimogu"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/porimogu.png")));
    porimogu::InstallFontSubstitutions();

    porimogu::Random clock;
    clock.SeedFromClock();

    int result = 0;
    {
        porimogu::TMainForm form(clock.Seed());
        porimogu::AboutBox = new porimogu::TAboutBox(&form);
        porimogu::HelpBox = new porimogu::THelpBox(&form);
        porimogu::TopDlg = new porimogu::TTopDlg(&form);
        form.SetDialogs(porimogu::AboutBox, porimogu::HelpBox, porimogu::TopDlg);
        if (!form.CloseRequested()) {
            form.show();
            form.activateWindow();
            form.setFocus();
            result = QApplication::exec();
        }
        form.FormDestroy();
    }
    return result;
}
