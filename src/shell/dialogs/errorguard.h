#pragma once
// Where every handler's failure ends: the error box, shown at once or once the running
// handler has returned, and the guard that catches what a handler lets escape.
#include "core/errors.h"

#include <QString>

namespace porimogu {

// Every box also leaves one line on standard error, "porimogu: <text>", so that what a
// child saw can be read back from a log (a parent's bug report, the end-to-end tests).
void LogBoxText(const QString& text);

// The platform message box: message + "." (always appended), caption = the application
// title, stop icon, one OK button. Never throws.
void ShowErrorBox(const QString& message);

// Shows the error box once the handler that is running has returned (a queued call).
// A timer whose slot raised it keeps firing behind the box: a QTimer never fires again
// while its own slot is still running. Never throws.
void PostErrorBox(const QString& message);

// Runs one handler body; a failure that escapes it ends it there and is reported, by
// default in the error box at once. Exceptions never reach Qt's event loop. Handlers
// that can run inside a timer tick report through PostErrorBox instead.
template <class F>
void Guarded(F&& body, void (*report)(const QString&) = ShowErrorBox) noexcept
{
    try {
        body();
    } catch (...) {
        try {
            report(CurrentFailureText());
        } catch (...) {
            // The report is the last resort: nothing may escape it.
        }
    }
}

} // namespace porimogu
