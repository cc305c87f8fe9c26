// The end of a game and the top list through the window, with Tops.dat as a player may
// have it: the name typed into the input box, the list opened from the menu, a file the
// list cannot show or the game cannot write. Whatever fails is said, the file is byte
// for byte what it was, and the game waits again.
#include "core/scores.h"
#include "fakes/boxanswerer.h"
#include "fakes/gamefiles.h"
#include "fakes/scorefiles.h"
#include "fakes/shownform.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

using namespace porimogu;
using namespace porimogu::scorefiles;
using namespace porimogu::testing;

namespace {

// A whole top list whose tenth place is below zero, so that any game enters it (sorted,
// "-0001" comes before "-0002": the tenth place holds -2).
QByteArray LowTops()
{
    QByteArray text = "-0002,97/11/21,NewPlayer\r\n-0001,97/11/21,low\r\n";
    for (int p = 200; p <= 1000; p += 100)
        text += ZeroPad(p, 5) + ",97/11/21,p" + ZeroPad(p, 5) + "\r\n";
    return text;
}

QByteArray Lines(int n, const char* end = "\r\n")
{
    QByteArray text;
    for (int i = 1; i <= n; ++i)
        text += ZeroPad(i, 5) + ",97/11/21,p" + QByteArray::number(i) + end;
    return text;
}

// What the file is, for "byte for byte the same": its kind, size and mode, and a hash of
// its first megabyte.
QString Fingerprint(const char* name = "Tops.dat")
{
    struct stat st {};
    if (::lstat(name, &st) != 0)
        return QStringLiteral("gone");
    QString print = QStringLiteral("%1 %2 %3").arg(st.st_mode, 0, 8).arg(st.st_size).arg(st.st_nlink);
    if (S_ISREG(st.st_mode)) {
        QFile f(QString::fromLatin1(name));
        if (f.open(QIODevice::ReadOnly))
            print += u' ' + QString::fromLatin1(QCryptographicHash::hash(f.read(1 << 20), QCryptographicHash::Md5).toHex());
    }
    return print;
}

const QString kTopList = QStringLiteral("TopList Dialog");
const QString kKeepAside =
    QStringLiteral("Tops.dat を Tops.dat.bad という なまえで のこして、せいせきを はじめから つけなおしますか?");
const QString kOutOfRange = QStringLiteral("ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています.");
const QString kCannotSave = QStringLiteral("ﾌｧｲﾙ Tops.dat を作成できません.");

class GameEnd : public ShownFormTest {
protected:
    void SetUp() override
    {
        ShownFormTest::SetUp();
        ::chmod(QFile::encodeName(dir_.Path()).constData(), 0777);  // nobody's too
        // OK on the top list; the input box gets `typing`, then OK.
        boxes_.answer = [this](QWidget* w) {
            if (w->objectName() == QStringLiteral("InputBox") && typing) {
                auto* edit = w->findChild<QLineEdit*>();
                typing(edit);
                QTest::keyClick(edit, Qt::Key_Return);
                return true;
            }
            return w == top_ && BoxAnswerer::PressDefault(w);
        };
    }
    void Tick() { form_->Timer1Timer(); }

    // A game started and ended from the menu, up to the tick that records it.
    void EndGameFromMenu(const std::function<void()>& whileRecording = {})
    {
        form_->KS1->trigger();
        Tick();
        ASSERT_EQ(G().State(), GameState::Playing);
        form_->KQ1->trigger();
        Tick();
        ASSERT_EQ(G().State(), GameState::Over);
        while (G().G().WaitCount != 0)
            form_->Timer2Timer();
        if (whileRecording)
            whileRecording();  // which runs the tick
        else
            Tick();
        QTest::qWait(10);  // a failure is said once the tick has returned
        EXPECT_EQ(G().State(), GameState::Waiting);
    }
    // The lines of Tops.dat, decoded, that LowTops does not hold.
    QStringList NewLines()
    {
        QStringList added;
        const QList<QByteArray> before = LowTops().split('\n');
        for (const QByteArray& line : ReadAll("Tops.dat").split('\n'))
            if (!line.isEmpty() && !before.contains(line))
                added << QString(QStringDecoder("Shift_JIS").decode(line)).trimmed();
        return added;
    }

    BoxAnswerer boxes_;
    std::function<void(QLineEdit*)> typing;  // what the player does in the name prompt
};

} // namespace

// The name prompt as a child fills it in, one game per row, each ended from the menu: an
// unacceptable name records the name the player had before.
TEST_F(GameEnd, TheNameTypedIsRecordedAsShiftJisOrElseTheOneBefore)
{
    const auto typed = [](QString text) { return [text](QLineEdit* e) { Type(e, text); }; };
    const auto pasted = [](QString before, QString text) {
        return [before, text](QLineEdit* e) {
            Type(e, before);
            QApplication::clipboard()->setText(text);
            QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
        };
    };
    const struct {
        const char* what;
        std::function<void(QLineEdit*)> typing;
        QString recorded;
    } rows[] = {
        {"the name given as it stands", [](QLineEdit*) {}, QStringLiteral("ぽっけ")},
        {"a Japanese name", typed(QStringLiteral("ぽりabc")), QStringLiteral("ぽりabc")},
        {"empty", [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_Backspace); }, QStringLiteral("ぽりabc")},
        {"21 bytes", typed(QStringLiteral("abcdefghijklmnopqrstu")), QStringLiteral("abcdefghijklmnopqrstu")},
        {"22 bytes", typed(QStringLiteral("abcdefghijklmnopqrstuv")), QStringLiteral("abcdefghijklmnopqrstu")},
        {"10 full-width letters", pasted({}, QStringLiteral("あいうえおかきくけこ")), QStringLiteral("あいうえおかきくけこ")},
        {"11 full-width letters", pasted({}, QStringLiteral("あいうえおかきくけこさ")), QStringLiteral("あいうえおかきくけこ")},
        {"an emoji, which the box refuses", typed(QStringLiteral("a😀b")), QStringLiteral("ab")},
        {"é, which the box keeps as e", typed(QStringLiteral("café")), QStringLiteral("cafe")},
        {"a comma", typed(QStringLiteral("a,b")), QStringLiteral("a,b")},
        {"255 letters", typed(QString(255, u'x')), QStringLiteral("a,b")},
        {"a line break pasted after an x", pasted(QStringLiteral("x"), QStringLiteral("ab\ncd")), QStringLiteral("a,b")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        WriteAll("Tops.dat", LowTops());
        typing = row.typing;
        boxes_.texts.clear();
        EndGameFromMenu();
        EXPECT_EQ(boxes_.texts, (QStringList{QStringLiteral("EnterName"), kTopList}));
        const QStringList added = NewLines();
        ASSERT_EQ(added.size(), 1) << added.join(u'|').toStdString();
        EXPECT_EQ(added[0].section(u',', 2), row.recorded);
        EXPECT_EQ(ReadAll("Tops.dat").count("\r\n"), 11);
        EXPECT_TRUE(ReadAll("Tops.dat").startsWith("-0002,")) << "OK on the list saves it sorted";
    }
}

// The list opened from the menu, one Tops.dat per row: shown, and saved by OK; or said,
// with the offer to keep the file aside, which "no" leaves as it was and "yes" moves
// unchanged to Tops.dat.bad for a fresh list.
TEST_F(GameEnd, ATopsDatTheListCannotShowIsSaidAndKeptOrSetAsideWhole)
{
    QByteArray noise(1 << 20, '\0');
    QRandomGenerator(9).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    const auto file = [](QByteArray bytes) { return [bytes] { WriteAll("Tops.dat", bytes); }; };
    const struct {
        const char* what;
        std::function<void()> make;
        QString error;  // empty: the list shows; "*": any
        bool yes = false;
    } rows[] = {
        {"5 lines", file(Lines(5)), kOutOfRange},
        {"5 lines, kept aside", file(Lines(5)), kOutOfRange, true},
        {"one line", file(Lines(1)), kOutOfRange},
        {"points not a number", file(Lines(10) + "abc,97/11/21,x\r\n"), QStringLiteral("'abc' は整数ではありません.")},
        {"points overflowing", file(Lines(10) + "99999999999,97/11/21,x\r\n"),
         QStringLiteral("'99999999999' は整数ではありません.")},
        {"NUL bytes", file(Lines(3) + QByteArray(3, '\0') + Lines(8)), kOutOfRange},
        {"LF only", file(Lines(11, "\n")), {}},
        {"without a last line break", file(Lines(11).chopped(2)), {}},
        {"invalid Shift-JIS", file(Lines(9) + "00010,97/11/21,\x81\x20\xff\xa0\r\n00011,97/11/21,\x82\r\n"), {}},
        {"1 MB of noise", file(noise), QStringLiteral("*")},
        {"100 GB sparse", [] { QFile f("Tops.dat"); ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(qint64{100} << 30)); },
         QStringLiteral("ﾌｧｲﾙ Tops.dat は大きすぎて開けません.")},
        {"a FIFO", [] { ASSERT_EQ(::mkfifo("Tops.dat", 0644), 0); }, QStringLiteral("ﾌｧｲﾙ Tops.dat は開けません.")},
        {"a directory", [] { ASSERT_TRUE(QDir().mkdir("Tops.dat")); }, QStringLiteral("ﾌｧｲﾙ Tops.dat は開けません.")},
        {"a symbolic link", [] { WriteAll("kept.dat", LowTops()); ASSERT_EQ(::symlink("kept.dat", "Tops.dat"), 0); }, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ::unlink("Tops.dat");
        ::rmdir("Tops.dat");
        ::unlink("Tops.dat.bad");
        row.make();
        const QString before = Fingerprint();
        boxes_.texts.clear();
        boxes_.pressYes = row.yes;
        form_->K3->trigger();
        QTest::qWait(10);
        EXPECT_EQ(G().State(), GameState::Waiting);
        if (row.error.isEmpty()) {
            EXPECT_EQ(boxes_.texts, QStringList{kTopList}) << "saving the list said something";
            continue;
        }
        ASSERT_EQ(boxes_.texts.size(), row.yes ? 3 : 2) << boxes_.texts.join(u'|').toStdString();
        if (row.error != QStringLiteral("*")) {
            EXPECT_EQ(boxes_.texts[0], row.error);
        }
        EXPECT_EQ(boxes_.texts[1], kKeepAside);
        if (row.yes) {
            EXPECT_EQ(boxes_.texts[2], kTopList);
            EXPECT_EQ(Fingerprint("Tops.dat.bad"), before);
            EXPECT_TRUE(ReadAll("Tops.dat").startsWith("00000,97/11/21,NewPlayer")) << "no fresh list";
        } else {
            EXPECT_EQ(Fingerprint(), before);
            EXPECT_FALSE(QFileInfo::exists("Tops.dat.bad"));
        }
    }
    QFileInfo link("Tops.dat");
    EXPECT_TRUE(link.isSymLink()) << "the symbolic link was replaced by a file";
    EXPECT_TRUE(ReadAll("kept.dat").startsWith("-0001,")) << "the link's target was not saved sorted";
}

// A game whose score cannot be written: said, the file as it was, the game waiting.
TEST_F(GameEnd, AScoreThatCannotBeWrittenIsSaidAndTheFileStaysWhole)
{
    const struct {
        const char* what;
        mode_t file, folder;
    } rows[] = {
        {"Tops.dat read-only", 0444, 0777},
        {"Tops.dat in a read-only folder", 0666, 0555},
    };
    {
        const AsNobody player;
        if (!player.Binds())
            GTEST_SKIP() << "the test cannot take on another user, for whom the bits bind";
    }
    typing = [](QLineEdit*) {};  // OK on the name given
    const QByteArray folder = QFile::encodeName(dir_.Path());
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ::chmod("Tops.dat", 0666);
        WriteAll("Tops.dat", LowTops());
        ::chmod("Tops.dat", row.file);
        ::chmod(folder.constData(), row.folder);
        const QString before = Fingerprint();
        boxes_.texts.clear();
        EndGameFromMenu([this] {
            const AsNobody player;
            Tick();
        });
        ::chmod(folder.constData(), 0777);
        EXPECT_EQ(boxes_.texts, (QStringList{QStringLiteral("EnterName"), kCannotSave}));
        EXPECT_EQ(Fingerprint(), before);
    }
}
