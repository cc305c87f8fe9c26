#pragma once
// The two names the game goes by: its title, in the player's language, and the
// program's own name, which captions its boxes.
#include <QString>

namespace porimogu {

// The game's name as its window title says it, in the player's language: the same in
// the desktop's sound settings and the command line's help.
QString GameTitle();

// The executable's file name up to its first ".", the first character kept, the rest
// lower-cased ("porimogu" for the game).
QString ApplicationTitle();
// The same rule applied to any executable's path.
QString ApplicationTitleFrom(const QString& executablePath);

} // namespace porimogu
