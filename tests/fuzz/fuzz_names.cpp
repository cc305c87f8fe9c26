// Any name typed at the prompt -> what the edit box lets through -> what the score line
// records, in Shift-JIS. Input: the name in UTF-8 (first byte 0) or UTF-16 (otherwise).
#include "fuzzcheck.h"

#include "dialogs/inputbox.h"
#include "core/scores.h"

#include <cstring>
#include <string>

using namespace porimogu;
using porimogu::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const char* rest = reinterpret_cast<const char*>(data + 1);
    const auto n = static_cast<qsizetype>(size - 1);
    std::u16string units(static_cast<std::size_t>(n / 2), u'\0');
    std::memcpy(units.data(), rest, units.size() * 2);
    const QString typed = data[0] == 0 ? QString::fromUtf8(rest, n) : QString::fromStdU16String(units);
    static const QByteArray remembered = *ToShiftJis(QStringLiteral("ぽっけ"));

    const QByteArray name = NameToRecord(typed, remembered);
    if (name != remembered) {
        Require(name.size() >= 1 && name.size() <= 21, "1 to 21 bytes");
        Require(!name.contains('\r') && !name.contains('\n') && !name.contains('\0'), "no line break");
        Require(FromShiftJis(name) == typed, "the record holds exactly what was typed");
    }

    if (FitsShiftJis(typed)) {
        const std::optional<QByteArray> bytes = ToShiftJis(typed);
        Require(bytes.has_value(), "what the edit box lets through encodes");
        const bool fits = !bytes->isEmpty() && bytes->size() <= 21 && !bytes->contains('\r')
                          && !bytes->contains('\n') && !bytes->contains('\0');
        Require(fits ? name == *bytes : name == remembered, "the name rule");
    }

    // The recorded line is one line whose third field is the name up to its first comma.
    const QByteArray line = ZeroPad(100, 5) + ",97/11/21," + name;
    const QList<QByteArray> lines = ScoreList::SplitText(line + "\r\n");
    Require(lines.size() == 1 && lines[0] == line, "one line");
    const qsizetype comma = name.indexOf(',');
    Require(CommaField(line, 3) == (comma < 0 ? name : name.left(comma)), "name field");
    return 0;
}
