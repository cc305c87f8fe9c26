#pragma once
// Reading one of the game's files whole without ever waiting on it or taking in more
// than the caller allows. Only a regular file (or a link to one) is read: a FIFO, a
// device, a socket or a directory is refused before it is opened, so nothing blocks,
// and a file longer than the cap is refused before anything is allocated for it.
#include <QByteArray>
#include <QString>

namespace porimogu {

enum class FileRead {
    Ok,
    Missing,      // no such name at all
    NotRegular,   // a FIFO, device, socket, directory, or a link that leads nowhere
    TooLarge,     // longer than the cap
    Unreadable,   // there, but cannot be opened or read (permissions, I/O error)
};

// Reads fileName whole into bytes (left empty unless Ok).
FileRead ReadWholeFile(const QString& fileName, qint64 maxBytes, QByteArray& bytes);

// True when fileName leads to something that is there but is not a regular file (a
// FIFO, device, socket or directory): something a save must not replace. A dangling
// link is not such a thing: saving creates its target.
bool IsThereButNotRegular(const QString& fileName);

} // namespace porimogu
