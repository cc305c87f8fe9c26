// Tops.dat bytes -> the score list -> sorted -> the top-list texts -> saved -> loaded.
#include "fuzzcheck.h"

#include "core/errors.h"
#include "core/scores.h"
#include "core/topsfile.h"

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>

using namespace porimogu;
using porimogu::fuzz::Require;

namespace {

// On tmpfs when there is one: every save syncs the file, which on a disk costs
// milliseconds.
const QString& ScratchFile()
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/porimogu-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/porimogu-fuzz-XXXXXX"));
    static const QString file = dir.filePath(QStringLiteral("Tops.dat"));
    Require(dir.isValid(), "a scratch folder");
    return file;
}

QList<QByteArray> Sorted(QList<QByteArray> lines)
{
    std::sort(lines.begin(), lines.end());
    return lines;
}

void CheckRows(const ScoreList& list)
{
    for (int r = 1; r <= 10; ++r) {
        TopListRow row;
        try {
            row = TopListRowAt(list, r);
        } catch (const GameError&) {
            // Too few lines, or a points field that is no number: the box says so.
            continue;
        }
        Require(row.rank.size() == 5 && row.rank.trimmed() == QByteArray::number(r), "rank text");
        Require(row.points.size() >= 8, "points text at least 8 wide");
        Require(!row.name.contains(',') && !row.date.contains(','), "fields end at a comma");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    ScoreList list;
    for (const QByteArray& line : ScoreList::SplitText(bytes)) {
        Require(!line.contains('\r') && !line.contains('\n') && !line.contains('\0'), "lines hold no break");
        list.Append(line);
    }
    const QList<QByteArray> loaded = list.Lines();

    list.Sort();
    Require(Sorted(list.Lines()) == Sorted(loaded), "sorting keeps every line");
    for (int i = 1; i < list.Count(); ++i)
        Require(CompareScoreLines(list.Line(i - 1), list.Line(i)) <= 0, "sorted ascending");

    CheckRows(list);

    const TopsFile file(ScratchFile());
    file.Save(list);
    ScoreList again;
    file.Load(again);
    Require(again.Lines() == list.Lines(), "a saved list loads as the same lines");
    return 0;
}
