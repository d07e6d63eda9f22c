// The profile-file service on any bytes a settings or profile file may hold.
//
// Input: one byte n (writes = n % 5); per write a section byte, a key byte, a
// length byte and that many bytes of UTF-8 value; the rest is the file.
//
// Promises checked: reading never fails and never throws; a plain value
// written reads back exactly, before and after the save; every value not
// written reads the same after the writes and after the save as before; a
// save either succeeds or throws the service's write error.
#include "fuzz/fuzz_check.h"
#include "persist/profile_file.h"
#include "platform/errors.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

using rimora::ProfileFile;
using rimora::fuzz::Check;
using rimora::fuzz::Shown;

// The program's own names, in two letter cases, and one of no window.
const QString kSections[] = {QStringLiteral("MainF"), QStringLiteral("SumF"), QStringLiteral("mainf"),
                             QStringLiteral("Extra")};
const QString kKeys[] = {QStringLiteral("Left"), QStringLiteral("Top"), QStringLiteral("SG1-Row0"),
                         QStringLiteral("SG1-Row1"), QStringLiteral("AdE"), QStringLiteral("left")};
const QString kAbsent = QStringLiteral("\x01absent");

// A value that the service gives back exactly: no control character (line
// breaks and blanks are changed or trimmed), no space at either end, not
// quoted, not too long.
bool IsPlain(const QString& value)
{
    if (value.size() > ProfileFile::kMaxValueLength) return false;
    if (value.startsWith(QLatin1Char(' ')) || value.endsWith(QLatin1Char(' '))) return false;
    if (value.startsWith(QLatin1Char('"'))) return false;
    for (const QChar c : value)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
    return true;
}

struct Write {
    QString section;
    QString key;
    QString value;
};

QString ProbeId(const QString& section, const QString& key)
{
    return section.toLower() + QLatin1Char('/') + key.toLower();
}

const QString& FilePath()
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("fuzz.prl"));
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::size_t at = 0;
    auto next = [&]() -> std::uint8_t { return at < size ? data[at++] : 0; };
    QList<Write> writes;
    const int count = next() % 5;
    for (int i = 0; i < count; ++i) {
        Write w;
        w.section = kSections[next() % std::size(kSections)];
        w.key = kKeys[next() % std::size(kKeys)];
        const std::size_t length = std::min<std::size_t>(next(), size - at);
        w.value = QString::fromUtf8(reinterpret_cast<const char*>(data + at), static_cast<qsizetype>(length));
        at += length;
        writes << w;
    }

    const QString& path = FilePath();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        file.write(reinterpret_cast<const char*>(data + at), static_cast<qint64>(size - at));
    }

    ProfileFile ini(path);
    QHash<QString, QString> before;
    for (const QString& s : kSections) {
        for (const QString& k : kKeys) {
            before.insert(ProbeId(s, k), ini.ReadString(s, k, kAbsent));
            (void)ini.ReadInteger(s, k, 7);
            (void)ini.ReadBool(s, k, true);
        }
    }

    // What each probe must read after the writes; nothing when a write of a
    // value that is not plain makes it unknown.
    QHash<QString, std::optional<QString>> expected;
    for (auto it = before.cbegin(); it != before.cend(); ++it) expected.insert(it.key(), it.value());
    for (const Write& w : writes) {
        ini.WriteString(w.section, w.key, w.value);
        expected[ProbeId(w.section, w.key)] = IsPlain(w.value) ? std::optional<QString>(w.value) : std::nullopt;
    }
    auto checkAll = [&](const ProfileFile& file, const char* when) {
        for (const QString& s : kSections) {
            for (const QString& k : kKeys) {
                const std::optional<QString>& want = expected.value(ProbeId(s, k));
                if (!want) continue;
                const QString got = file.ReadString(s, k, kAbsent);
                Check(got == *want, QStringLiteral("[%1] %2 %3: read %4, expected %5")
                                        .arg(s, k, QString::fromLatin1(when), Shown(got), Shown(*want)));
            }
        }
    };
    checkAll(ini, "after the writes");

    try {
        ini.Save();
    } catch (const rimora::EFileWriteError&) {
        return 0;
    }
    checkAll(ProfileFile(path), "after the save");
    return 0;
}
