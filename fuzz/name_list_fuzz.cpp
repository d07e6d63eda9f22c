// The list of control names a store leaves out, parsed from any text.
//
// Input: the list text as UTF-8.
//
// Promises checked: parsing ends and never throws; no name holds a NUL (it
// ends the text); every list read, written back with each name quoted, reads
// as the same names, so any name (blanks, commas, quotes in it) can be listed.
#include "fuzz/fuzz_check.h"
#include "persist/name_list.h"

#include <cstddef>
#include <cstdint>

using rimora::fuzz::Check;
using rimora::fuzz::Shown;

namespace {

QString Quoted(const QString& name)
{
    QString inner = name;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList names = rimora::ParseNameList(text);

    QStringList quoted;
    for (const QString& name : names) {
        Check(!name.contains(QChar()), QStringLiteral("name %1 from %2 holds a NUL").arg(Shown(name), Shown(text)));
        quoted << Quoted(name);
    }
    const QString written = quoted.join(QStringLiteral(", "));
    const QStringList again = rimora::ParseNameList(written);
    Check(again == names, QStringLiteral("%1 read as %2 names, written as %3, read back as %4 names")
                              .arg(Shown(text))
                              .arg(names.size())
                              .arg(Shown(written))
                              .arg(again.size()));
    return 0;
}
