#include "core/wholefile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace porimogu {

namespace {

FileRead Classify(const struct stat& st, qint64 maxBytes)
{
    if (!S_ISREG(st.st_mode))
        return FileRead::NotRegular;
    if (st.st_size > maxBytes)
        return FileRead::TooLarge;
    return FileRead::Ok;
}

} // namespace

FileRead ReadWholeFile(const QString& fileName, qint64 maxBytes, QByteArray& bytes)
{
    bytes.clear();
    const QByteArray path = QFile::encodeName(fileName);
    struct stat st {};
    if (::stat(path.constData(), &st) != 0) {
        const int error = errno;
        struct stat link {};
        if (::lstat(path.constData(), &link) == 0)
            return FileRead::NotRegular;  // a dangling or looping link
        return error == ENOENT || error == ENOTDIR ? FileRead::Missing : FileRead::Unreadable;
    }
    if (const FileRead kind = Classify(st, maxBytes); kind != FileRead::Ok)
        return kind;

    // Non-blocking, so that a name swapped for a FIFO meanwhile cannot hold the game up;
    // what was opened is checked again.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return FileRead::Unreadable;
    FileRead result = ::fstat(fd, &st) == 0 ? Classify(st, maxBytes) : FileRead::Unreadable;
    if (result == FileRead::Ok) {
        QByteArray data(static_cast<qsizetype>(st.st_size), Qt::Uninitialized);
        qsizetype done = 0;
        while (done < data.size()) {
            const ssize_t n = ::read(fd, data.data() + done, static_cast<size_t>(data.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                result = FileRead::Unreadable;
                break;
            }
            if (n == 0)
                break;  // the file shrank while being read: what is there is the file
            done += n;
        }
        data.truncate(done);
        if (result == FileRead::Ok)
            bytes = std::move(data);
    }
    ::close(fd);
    return result;
}

bool IsThereButNotRegular(const QString& fileName)
{
    struct stat st {};
    return ::stat(QFile::encodeName(fileName).constData(), &st) == 0 && !S_ISREG(st.st_mode);
}

} // namespace porimogu
