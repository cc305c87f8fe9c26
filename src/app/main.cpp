// Starts the game: seed from the clock, the main window and its three dialogs, the
// message loop; at the end the window's clean-up stops the music. --fullscreen opens
// the window in full screen.
#include "aboutbox.h"
#include "display.h"
#include "formutil.h"
#include "helpbox.h"
#include "language.h"
#include "mainform.h"
#include "msgbox.h"
#include "oneinstance.h"
#include "termination.h"
#include "topdlg.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QStringList>

namespace {

// The icon in every size drawn from the art, so no size is ever smoothed from another.
QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

#include <cstdio>

int main(int argc, char** argv)
{
    // Without a desktop to open on, say so plainly instead of letting the toolkit abort.
    if (const QString problem = porimogu::DisplayProblem(); !problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());
        return 1;
    }
    QApplication app(argc, argv);
    porimogu::InstallTranslations();
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.porimogu"));
    QApplication::setWindowIcon(ProgramIcon());
    porimogu::InstallFontSubstitutions();
    porimogu::CloseOnTerminationSignals();

    // `--launch-error TEXT`: the launcher could not prepare the player's folder and
    // hands the reason over, so a start from the desktop menu shows it instead of
    // leaving the player with nothing on the screen.
    const QStringList args = QApplication::arguments();
    if (args.size() == 3 && args.at(1) == QStringLiteral("--launch-error")) {
        porimogu::ShowErrorBox(args.at(2));
        return 1;
    }

    // An unknown option is said on stderr and ends the program before any window.
    QCommandLineParser parser;
    parser.setApplicationDescription(porimogu::GameTitle());
    parser.addHelpOption();
    const QCommandLineOption fullScreen(QStringLiteral("fullscreen"),
                                        QCoreApplication::translate("CommandLine", "ぜんがめんで はじめます (F11 で きりかえ)"));
    parser.addOption(fullScreen);
    parser.process(app);

    // One game per folder: a second start brings the running one to the front and ends.
    porimogu::OneGamePerFolder oneGame;
    if (oneGame.AnotherGameRuns())
        return 0;

    porimogu::Random clock;
    clock.SeedFromClock();

    int result = 0;
    {
        porimogu::TMainForm form(clock.Seed());
        porimogu::AboutBox = new porimogu::TAboutBox(&form);
        porimogu::HelpBox = new porimogu::THelpBox(&form);
        porimogu::TopDlg = new porimogu::TTopDlg(&form);
        form.SetDialogs(porimogu::AboutBox, porimogu::HelpBox, porimogu::TopDlg);
        oneGame.BringToFrontOnRequest(&form);
        if (!form.CloseRequested() && !porimogu::TerminationRequested()) {
            if (parser.isSet(fullScreen))
                form.SetFullScreen(true);
            else
                form.show();
            form.activateWindow();
            form.setFocus();
            result = QApplication::exec();
            // Error boxes still waiting for their handler to return are shown too.
            QCoreApplication::sendPostedEvents(&app, QEvent::MetaCall);
        }
        form.FormDestroy();
    }
    return result;
}
