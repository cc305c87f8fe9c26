// Starts the game: seed from the clock, the main window and its three dialogs, the
// message loop; at the end the window's clean-up stops the music. The options
// (platform/commandline) are for this start only: --help and --version answer in the
// terminal and end; anything the game cannot take is said in one line and left out.
#include "dialogs/aboutbox.h"
#include "platform/commandline.h"
#include "platform/display.h"
#include "dialogs/formutil.h"
#include "dialogs/helpbox.h"
#include "platform/language.h"
#include "window/mainform.h"
#include "dialogs/errorguard.h"
#include "platform/oneinstance.h"
#include "platform/termination.h"
#include "dialogs/topdlg.h"
#include "dialogs/windowtrace.h"
#include "platform/trace.h"

#include <QApplication>
#include <QIcon>
#include <QScrollBar>
#include <QStringList>
#include <QTimer>

#include <cstdio>

namespace {

// The icon in every size drawn from the art, so no size is ever smoothed from another.
QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}

// Prints `text` on standard output; false when it could not be written whole.
bool Print(const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    return std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) == std::size_t(bytes.size())
        && std::fflush(stdout) == 0;
}

// What the game could not take is said in one line each; the game goes on.
void Complain(const QStringList& complaints)
{
    for (const QString& complaint : complaints)
        if (!complaint.isEmpty())
            std::fprintf(stderr, "porimogu: %s\n", complaint.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char** argv)
{
    QStringList rawArgs;
    for (int i = 0; i < argc; ++i)
        rawArgs << QString::fromLocal8Bit(argv[i]);
    porimogu::CommandLine line = porimogu::ReadCommandLine(rawArgs);
    // --help and --version need no desktop: answered in the desktop's language, with
    // only the core of the toolkit.
    if (line.ask == porimogu::CommandLine::Ask::Help || line.ask == porimogu::CommandLine::Ask::Version) {
        QCoreApplication app(argc, argv);
        Complain({porimogu::InstallStartLanguage(line.language).complaint});
        const bool help = line.ask == porimogu::CommandLine::Ask::Help;
        return Print(help ? porimogu::HelpText(QStringLiteral("porimogu"), porimogu::GameLanguages())
                          : porimogu::VersionText())
            ? 0
            : 1;
    }

    // Without a desktop to open on, say so plainly instead of letting the toolkit abort.
    if (const porimogu::DisplayCheck check = porimogu::CheckDisplay();
        check.trouble != porimogu::DisplayCheck::Trouble::None) {
        QCoreApplication app(argc, argv);
        if (line.ask == porimogu::CommandLine::Ask::LaunchError) {
            // The launcher's reason is not lost with the box it cannot show.
            porimogu::InstallStartLanguage(QString());
            Complain({porimogu::LaunchErrorText(line).replace(QLatin1Char('\n'), QLatin1String(": "))});
        } else {
            Complain({porimogu::InstallStartLanguage(line.language).complaint});
        }
        std::fprintf(stderr, "%s\n", porimogu::DisplayProblemText(check).toLocal8Bit().constData());
        return 1;
    }
    QApplication app(argc, argv);
    // Which window system the game went to: X11 (also through XWayland) or Wayland itself.
    porimogu::Trace("platform", QGuiApplication::platformName());
    // Read again now that the toolkit has taken its own options (-platform, -style ...) out.
    line = porimogu::ReadCommandLine(QCoreApplication::arguments());
    const porimogu::StartLanguage start = porimogu::InstallStartLanguage(line.language);
    QStringList complaints = porimogu::Complaints(line);
    if (!start.complaint.isEmpty())
        complaints.prepend(start.complaint);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.porimogu"));
    QApplication::setWindowIcon(ProgramIcon());
    porimogu::InstallFontSubstitutions(start.language);
    porimogu::UseLanguageFontForQt(start.language);
    porimogu::CloseOnTerminationSignals(&QApplication::closeAllWindows);
    porimogu::TraceWindows();

    // `--launch-error REASON PATH DETAIL`: the launcher could not prepare the player's
    // folder and hands the reason over, so a start from the desktop menu shows it, in
    // the player's language, instead of leaving the player with nothing on the screen.
    if (line.ask == porimogu::CommandLine::Ask::LaunchError) {
        porimogu::ShowErrorBox(porimogu::LaunchErrorText(line));  // on stderr too
        porimogu::Trace("end", QStringLiteral("1"));
        return 1;
    }
    Complain(complaints);

    // One game per folder: a second start brings the running one to the front and ends.
    porimogu::OneGamePerFolder oneGame;
    if (oneGame.AnotherGameRuns()) {
        porimogu::Trace("end", QStringLiteral("0 another game runs here"));
        return 0;
    }

    porimogu::Random clock;
    clock.SeedFromClock();

    int result = 0;
    {
        porimogu::TMainForm form(clock.Seed());
        porimogu::AboutBox = new porimogu::TAboutBox(&form);
        porimogu::HelpBox = new porimogu::THelpBox(&form);
        porimogu::TopDlg = new porimogu::TTopDlg(&form);
        form.SetDialogs(porimogu::AboutBox, porimogu::HelpBox, porimogu::TopDlg);
        oneGame.BringToFrontOnRequest([&form] { return form.windowHandle(); });
        form.SetChildLock(line.childLock);
        if (line.noMusic)
            form.StartWithoutMusic();
        if (line.speed) {
            porimogu::AboutBox->ScrollBar1->setValue(*line.speed);  // the frame timer follows
            porimogu::Trace("speed", QString::number(form.Timer1->interval()));
        }
        if (!form.CloseRequested() && !porimogu::TerminationRequested()) {
            if (line.fullScreen)
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
    porimogu::Trace("end", QString::number(result));
    return result;
}
