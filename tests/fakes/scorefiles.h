#pragma once
// Helpers for tests that read and write Tops.dat: Shift-JIS literals, whole-file
// access, a folder read-only to the test, and a fresh working directory per test.
#include "core/errors.h"
#include "core/scores.h"
#include "core/topsfile.h"
#include "fakes/gamefiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace porimogu::scorefiles {

inline QByteArray Sjis(const char* utf8)
{
    return ToShiftJis(QString::fromUtf8(utf8)).value();
}

inline QByteArray ReadAll(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline void WriteAll(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// The lines, each ended by CR LF.
inline QByteArray FileOf(const QList<QByteArray>& lines)
{
    QByteArray text;
    for (const QByteArray& line : lines)
        text += line + "\r\n";
    return text;
}

// The message of the GameError that f throws.
template <class F>
QString ErrorOf(F&& f)
{
    try {
        f();
    } catch (const GameError& e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

// Makes a directory read-only while alive, for this process too: under root it is
// user nobody meanwhile (the directory must then be readable by others).
class ReadOnlyDir {
public:
    explicit ReadOnlyDir(const QString& path) : path_(QFile::encodeName(path))
    {
        ::chmod(path_.constData(), 0555);
        player_.emplace();
    }
    ~ReadOnlyDir()
    {
        player_.reset();
        ::chmod(path_.constData(), 0755);
    }
    ReadOnlyDir(const ReadOnlyDir&) = delete;
    ReadOnlyDir& operator=(const ReadOnlyDir&) = delete;

    // Whether creating a file in the directory really fails now.
    bool Holds() const
    {
        const QByteArray probe = path_ + "/probe";
        const int fd = ::open(probe.constData(), O_CREAT | O_WRONLY, 0644);
        if (fd < 0)
            return true;
        ::close(fd);
        ::unlink(probe.constData());
        return false;
    }

private:
    QByteArray path_;
    std::optional<testing::AsNobody> player_;
};

// Runs each test in a fresh, empty working directory and restores the old one.
class InScratchDir : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        old_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
        ::chmod(QFile::encodeName(dir_.path()).constData(), 0755);
    }
    void TearDown() override { QDir::setCurrent(old_); }

    QTemporaryDir dir_;
    QString old_;
};

} // namespace porimogu::scorefiles
