#pragma once
// The program's command line: --fullscreen; --language CODE; --help and --version, answered in the
// terminal as command-line programs do; and `--launch-error TEXT`, by which the
// launcher hands over what went wrong before the game could start. It is read before
// anything needs a display or the application object, so that --help and --version
// work in a terminal without a desktop too.
#include <QString>
#include <QStringList>

namespace porimogu {

struct CommandLine {
    enum class Ask { Play, Help, Version, LaunchError };
    Ask ask = Ask::Play;
    bool fullScreen = false;
    QString language;      // --language CODE (or --language=CODE): empty when not given
    QString launchError;   // the launcher's text, with Ask::LaunchError
};

// Reads `args` (the program's name first). --help or -h anywhere before a lone "--"
// wins, then --version; `--launch-error TEXT` counts only as the whole command line.
// Anything else is left to the toolkit's own options and the parser that reports
// unknown ones.
CommandLine ReadCommandLine(const QStringList& args);

// What --help and --version print, in the installed language; each ends with a newline.
// `languages` are the codes --language takes.
QString HelpText(const QString& program, const QStringList& languages = {});
QString VersionText();

} // namespace porimogu
