// Reading and writing the game's files whatever stands under their names: FIFOs and
// directories are never waited on or replaced, oversized files are refused before they
// are read, links are followed and kept.
#include "fakes/scorefiles.h"
#include "core/wholefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace porimogu;
using namespace porimogu::scorefiles;

namespace {

using FileKinds = InScratchDir;

void MakeFifo(const char* name) { ASSERT_EQ(::mkfifo(name, 0644), 0); }

// A file of `bytes` that takes no room on disk.
void MakeSparse(const char* name, off_t bytes)
{
    const int fd = ::open(name, O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, bytes), 0);
    ::close(fd);
}

bool IsFifo(const char* name)
{
    struct stat st {};
    return ::lstat(name, &st) == 0 && S_ISFIFO(st.st_mode);
}

} // namespace

TEST_F(FileKinds, OnlyRegularFilesUpToTheCapAreRead)
{
    WriteAll("plain", "abc");
    MakeFifo("fifo");
    ASSERT_TRUE(QDir().mkdir("dir"));
    MakeSparse("huge", 100LL << 30);
    ASSERT_EQ(::symlink("plain", "link"), 0);
    ASSERT_EQ(::symlink("nowhere", "dangling"), 0);
    struct Case {
        const char* name;
        qint64 cap;
        FileRead expected;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"plain", 3, FileRead::Ok, "abc"},
        {"link", 10, FileRead::Ok, "abc"},
        {"plain", 2, FileRead::TooLarge, {}},
        {"huge", 1 << 20, FileRead::TooLarge, {}},
        {"fifo", 10, FileRead::NotRegular, {}},
        {"dir", 10, FileRead::NotRegular, {}},
        {"/dev/zero", 10, FileRead::NotRegular, {}},
        {"dangling", 10, FileRead::NotRegular, {}},
        {"missing", 10, FileRead::Missing, {}},
    };
    for (const Case& c : cases) {
        QByteArray bytes = "left over";
        EXPECT_EQ(ReadWholeFile(QString::fromLatin1(c.name), c.cap, bytes), c.expected) << c.name;
        EXPECT_EQ(bytes, c.bytes) << c.name;
    }
}

// A FIFO once held the game.
TEST_F(FileKinds, AScoreFileThatIsNoFileOrTooLargeIsRefusedAndLeftAsItIs)
{
    ScoreList list;
    FillDefaults(list);
    MakeFifo("Tops.dat");
    EXPECT_EQ(ErrorOf([&] { TopsFile().Load(list); }), QStringLiteral("ﾌｧｲﾙ Tops.dat は開けません"));
    EXPECT_EQ(ErrorOf([&] { TopsFile().Save(list); }), QStringLiteral("ﾌｧｲﾙ Tops.dat を作成できません"));
    EXPECT_TRUE(IsFifo("Tops.dat"));
    EXPECT_EQ(list.Lines(), DefaultScoreLines());

    ::unlink("Tops.dat");
    MakeSparse("Tops.dat", 100LL << 30);
    EXPECT_EQ(ErrorOf([&] { TopsFile().Load(list); }), QStringLiteral("ﾌｧｲﾙ Tops.dat は大きすぎて開けません"));
    EXPECT_EQ(QFileInfo(QStringLiteral("Tops.dat")).size(), 100LL << 30);
    WriteAll("Tops.dat", QByteArray(kMaxTopsLines + 1, '\n'));
    EXPECT_EQ(ErrorOf([&] { TopsFile().Load(list); }), QStringLiteral("ﾌｧｲﾙ Tops.dat は大きすぎて開けません"));
    EXPECT_EQ(list.Lines(), DefaultScoreLines());
    WriteAll("Tops.dat", QByteArray(kMaxTopsLines - 1, '\n') + QByteArray(kMaxTopsFileBytes - kMaxTopsLines + 1, 'x'));
    TopsFile().Load(list);  // both caps reached: still a list
    EXPECT_EQ(list.Count(), kMaxTopsLines);
}

TEST_F(FileKinds, SavingThroughALinkUpdatesItsTargetAndKeepsTheLink)
{
    ASSERT_TRUE(QDir().mkdir("real"));
    WriteAll("real/Tops.dat", "old\r\n");
    ASSERT_EQ(::symlink("real/Tops.dat", "Tops.dat"), 0);
    ScoreList list;
    TopsFile().Load(list);
    EXPECT_EQ(list.Lines(), QList<QByteArray>{"old"});
    FillDefaults(list);
    TopsFile().Save(list);
    EXPECT_TRUE(QFileInfo(QStringLiteral("Tops.dat")).isSymLink());
    EXPECT_EQ(ReadAll("real/Tops.dat"), FileOf(DefaultScoreLines()));
}
