#pragma once
// The program's command line, from one table of options: --no-music, --speed N,
// --fullscreen, --child-lock, --language CODE; --help and --version, answered in the
// terminal as command-line programs do; and `--launch-error REASON PATH DETAIL`, by
// which the launcher hands over what went wrong before the game could start. It is
// read before anything needs a display or the application object, so that --help and
// --version work in a terminal without a desktop too. Nothing is kept between starts.
//
// A grown-up sets these once, in a desktop entry or a kiosk's start line, and a typo
// there must still give the child a game: an unknown option or a bad value is a
// complaint, said in one line, and the game starts as without it.
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace porimogu {

// The speed slider's positions: the frame timer's interval in milliseconds, so the
// smaller, the faster; the game starts at kStartSpeed.
inline constexpr int kFastestSpeed = 2;
inline constexpr int kSlowestSpeed = 102;
inline constexpr int kStartSpeed = 40;

// One row of the option table: its long and short name, the name of its value (null
// for none) and its line of help (a source text of the "CommandLine" context).
struct OptionRow {
    const char* name;
    const char* shortName;
    const char* value;
    const char* help;
};
std::span<const OptionRow> OptionTable();

struct CommandLine {
    enum class Ask { Play, Help, Version, LaunchError };
    Ask ask = Ask::Play;
    bool fullScreen = false;   // --fullscreen, and --child-lock
    bool childLock = false;    // --child-lock: full screen, and only a grown-up ends the game
    bool noMusic = false;      // --no-music: おんがくつき unchecked from the start
    std::optional<int> speed;  // --speed N within the slider's range; empty when not given or bad
    QString language;          // --language CODE: empty when not given

    // With Ask::LaunchError: the launcher's reason (a key such as "no-home"), the
    // folder it is about and the system's own words.
    QString launchReason;
    QString launchPath;
    QString launchDetail;

    // What could not be taken: the option as written and why. Complaints() says them.
    struct Complaint {
        enum class Kind { Unknown, NeedsValue, BadSpeed };
        Kind kind;
        QString what;
        bool operator==(const Complaint&) const = default;
    };
    QList<Complaint> complaints;
};

// Reads `args` (the program's name first) after the toolkit has taken its own options
// out. --help or -h anywhere before a lone "--" wins, then --version; `--launch-error`
// counts only as the whole command line. Both `--speed N` and `--speed=N` work.
CommandLine ReadCommandLine(const QStringList& args);

// The complaints in the installed language, one line each, without the program's name.
QStringList Complaints(const CommandLine& line);

// The launcher's reason in the installed language, with its detail on a line below;
// a reason this game does not know shows the path and detail as they came.
QString LaunchErrorText(const CommandLine& line);

// What --help and --version print, in the installed language; each ends with a newline.
// `languages` are the codes --language takes.
QString HelpText(const QString& program, const QStringList& languages = {});
QString VersionText();

} // namespace porimogu
