#include "dialogs/errorguard.h"

#include "dialogs/centring.h"
#include "dialogs/formutil.h"
#include "platform/termination.h"
#include "platform/title.h"
#include "platform/trace.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace porimogu {

void LogBoxText(const QString& text)
{
    std::fprintf(stderr, "porimogu: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
    Trace("box", text);
}

void ShowErrorBox(const QString& message)
{
    try {
        const QString text = message + QLatin1Char('.');
        LogBoxText(text);
        // Once the session has told the game to end, nobody is left to press OK: the
        // failure is only written to the log, so the program still ends.
        if (!qobject_cast<QApplication*>(QCoreApplication::instance()) || TerminationRequested())
            return;
        QMessageBox box(QMessageBox::Critical, ApplicationTitle(), text, QMessageBox::Ok);
        box.setTextFormat(Qt::PlainText);
        CenterOnScreen(&box);
        const ReactivateAfterModal reactivate;
        box.exec();
    } catch (...) {
        // The error box is the last resort: nothing may escape it.
    }
}

void PostErrorBox(const QString& message)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        ShowErrorBox(message);
        return;
    }
    QMetaObject::invokeMethod(app, [message] { ShowErrorBox(message); }, Qt::QueuedConnection);
}

} // namespace porimogu
