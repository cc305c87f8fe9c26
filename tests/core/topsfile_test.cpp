// Tops.dat as a file: the bytes written and read, failures that leave it whole.
#include "fakes/scorefiles.h"
#include "core/topsfile.h"

#include <csignal>
#include <sys/resource.h>

using namespace porimogu;
using namespace porimogu::scorefiles;

namespace {

// The default lines written out independently of the code's table.
QByteArray ExpectedDefaultFile()
{
    const char* names[] = {"NewPlayer", "のろいのか", "そんなに", "どうして", "ものはない", "あゆみののろい",
                           "おまえほど", "せかいのうちで", "かめさんよ", "かめよ", "もしもし"};
    QByteArray text;
    for (int i = 0; i < 11; ++i)
        text += QByteArray::number(i * 100).rightJustified(5, '0') + ",97/11/21," + Sjis(names[i]) + "\r\n";
    return text;
}

using ScoreFile = InScratchDir;

// Files of this process cannot grow beyond `bytes` while alive: a write past the
// limit fails as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

} // namespace

TEST_F(ScoreFile, SavedDefaultsAreTheElevenLinesInShiftJisWithCrLf)
{
    ScoreList list;
    FillDefaults(list);
    TopsFile().Save(list);
    EXPECT_EQ(ReadAll("Tops.dat"), ExpectedDefaultFile());
}

TEST_F(ScoreFile, LfOnlyAndMissingFinalBreakLoadLikeCrLf)
{
    QByteArray lf = ExpectedDefaultFile();
    lf.replace("\r\n", "\n");
    QByteArray noFinal = ExpectedDefaultFile();
    noFinal.chop(2);
    for (const QByteArray& text : {ExpectedDefaultFile(), lf, noFinal}) {
        WriteAll("Tops.dat", text);
        ScoreList list;
        TopsFile().Load(list);
        EXPECT_EQ(list.Lines(), DefaultScoreLines());
    }
}

TEST_F(ScoreFile, LoadAndSaveCarryBytesThroughUnchanged)
{
    // Bytes that are not valid Shift-JIS survive a load and save untouched.
    const QByteArray text = QByteArray("00100,97/11/21,\x82\xA0\xFF\x80z\r\n") + "\r\n" + "x,y\r\n";
    WriteAll("Tops.dat", text);
    ScoreList list;
    TopsFile().Load(list);
    EXPECT_EQ(list.Count(), 3);
    TopsFile().Save(list);
    EXPECT_EQ(ReadAll("Tops.dat"), text);
}

TEST_F(ScoreFile, EmptyFileGivesAnEmptyListAndAnUnreadableOneFails)
{
    WriteAll("Tops.dat", "");
    ScoreList list;
    list.Append("kept");
    TopsFile().Load(list);
    EXPECT_EQ(list.Count(), 0);

    list.Append("kept");
    EXPECT_EQ(ErrorOf([&] { TopsFile("Missing.dat").Load(list); }), QStringLiteral("ﾌｧｲﾙ Missing.dat は開けません"));
    EXPECT_EQ(list.Lines(), QList<QByteArray>{"kept"});
    ASSERT_TRUE(QDir().mkdir("Dir.dat"));
    EXPECT_EQ(ErrorOf([&] { TopsFile("Dir.dat").Load(list); }), QStringLiteral("ﾌｧｲﾙ Dir.dat は開けません"));
}

TEST_F(ScoreFile, ASaveThatFailsHalfWayLeavesTheOldFileWhole)
{
    const QByteArray old = ExpectedDefaultFile();
    WriteAll("Tops.dat", old);
    ScoreList list;
    for (int i = 0; i < 100; ++i)
        list.Append("00100,97/11/21," + QByteArray(20, 'x'));
    QString error;
    {
        FileSizeLimit full(1024);
        error = ErrorOf([&] { TopsFile().Save(list); });
    }
    EXPECT_EQ(error, QStringLiteral("ﾌｧｲﾙ Tops.dat を作成できません"));
    EXPECT_EQ(ReadAll("Tops.dat"), old);
    EXPECT_EQ(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{"Tops.dat"});  // no temp file left
}

TEST_F(ScoreFile, FailedSaveReportsAndLeavesNoTrace)
{
    // A directory in the file's place cannot be replaced. (A read-only directory with an
    // old file in it is covered by the recording's tests.)
    ASSERT_TRUE(QDir().mkdir("Dir.dat"));
    ScoreList list;
    FillDefaults(list);
    EXPECT_EQ(ErrorOf([&] { TopsFile("Dir.dat").Save(list); }), QStringLiteral("ﾌｧｲﾙ Dir.dat を作成できません"));
    EXPECT_EQ(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"Dir.dat"});
}
