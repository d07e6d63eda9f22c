// The profile-file service on files that are no settings or profile file, or
// one grown far beyond what the program writes: each opens without a crash
// or a hang, reads what it can, and the next save is whole or refused with
// the write error, never half-written.
#include "persist/profile_file.h"
#include "persist_test_files.h"
#include "platform/errors.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace rimora;
using namespace rimora::test;

namespace {

const QString kMain = QStringLiteral("MainF");

// What the program writes into a file at a save: the placement, a 37-row
// lacing table and a few controls. Returned as key/value pairs so a test can
// read every one back.
QList<std::pair<QString, QString>> ProgramRecords()
{
    QList<std::pair<QString, QString>> records = {
        {QStringLiteral("Left"), QStringLiteral("120")}, {QStringLiteral("Top"), QStringLiteral("80")},
        {QStringLiteral("HubCB"), QStringLiteral("0")},  {QStringLiteral("ErdE"), QStringLiteral("590")},
        {QStringLiteral("AdE"), QStringLiteral("5.625")}};
    records.append({QStringLiteral("SG1-Row0"), QStringLiteral("HUB,->R,RIM,->H,Length,")});
    for (int r = 1; r <= 36; ++r)
        records.append({QStringLiteral("SG1-Row%1").arg(r), QStringLiteral("%1,->%1,%1,->%1,285.4,").arg(r, 2, 10, QLatin1Char('0'))});
    return records;
}

void WriteProgramRecords(ProfileFile& file)
{
    for (const auto& [key, value] : ProgramRecords()) file.WriteString(kMain, key, value);
}

void ExpectProgramRecords(const QString& path)
{
    const ProfileFile reread(path);
    for (const auto& [key, value] : ProgramRecords())
        EXPECT_EQ(reread.ReadString(kMain, key, QStringLiteral("absent")), value) << key.toStdString();
}

QByteArray RandomBytes(qsizetype size, unsigned seed)
{
    std::mt19937 random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& b : bytes) b = static_cast<char>(random() & 0xFF);
    return bytes;
}

QByteArray ManyRows(int rows)
{
    QByteArray text = "[MainF]\n";
    for (int r = 0; r < rows; ++r) text += "SG1-Row" + QByteArray::number(r) + "=" + QByteArray::number(r) + ",a,b,c,d,\n";
    return text;
}

class HostileProfileFileTest : public PersistTest {};

// Files the service can read: whatever they hold, the program's records are
// written into them and read back whole, and what the file held before and
// the program did not write reads as before.
TEST_F(HostileProfileFileTest, ReadableHostileFilesTakeAWholeSave)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        std::function<void(const ProfileFile&)> expectRead;  // on the file as found
        bool keptAfterSave;  // what expectRead checks was not written over
    };
    const QByteArray longValue(100000, 'v');
    const QByteArray longKey(100000, 'k');
    const Case cases[] = {
        {"empty file", QByteArray(),
         [](const ProfileFile& f) {
             EXPECT_FALSE(f.HasSection(kMain));
             EXPECT_EQ(f.ReadInteger(kMain, QStringLiteral("Left"), -7), -7);
         },
         false},
        {"binary bytes with NULs", RandomBytes(64 * 1024, 7),
         [](const ProfileFile& f) { EXPECT_EQ(f.ReadString(kMain, QStringLiteral("Top"), QStringLiteral("d")), QStringLiteral("d")); },
         false},
        {"10,000 table rows", ManyRows(10000),
         [](const ProfileFile& f) {
             EXPECT_EQ(f.ReadString(kMain, QStringLiteral("SG1-Row9999"), QString()), QStringLiteral("9999,a,b,c,d,"));
             EXPECT_EQ(f.ReadString(kMain, QStringLiteral("SG1-Row5000"), QString()), QStringLiteral("5000,a,b,c,d,"));
         },
         true},
        {"lines of 100,000 characters",
         "[MainF]\nWLE=" + longValue + "\n" + longKey + "=x\nShE=2.5\n",
         [](const ProfileFile& f) {
             // A value read is cut at 2047 characters; the keys after the long
             // lines are still found.
             EXPECT_EQ(f.ReadString(kMain, QStringLiteral("WLE"), QString()),
                       QString(ProfileFile::kMaxValueLength, QLatin1Char('v')));
             EXPECT_EQ(f.ReadString(kMain, QStringLiteral("ShE"), QString()), QStringLiteral("2.5"));
         },
         true},
        {"one line of 100,000 characters without a line break", QByteArray(100000, '['),
         [](const ProfileFile& f) { EXPECT_FALSE(f.HasSection(kMain)); },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = PathOf(QStringLiteral("hostile.prl"));
        WriteBytes(path, c.bytes);
        ProfileFile file(path);
        c.expectRead(file);
        WriteProgramRecords(file);
        ASSERT_NO_THROW(file.Save());
        ExpectProgramRecords(path);
        // Rows 37 and beyond of the long table, and the key after the long
        // lines, were not written and stay.
        if (c.keptAfterSave) c.expectRead(ProfileFile(path));
    }
}

// A file far larger than any settings file is not parsed: it reads as empty,
// and a save into it is refused with the write error naming it, leaving
// every byte in place rather than replacing it with the few keys written.
TEST_F(HostileProfileFileTest, FiftyMegabyteFileReadsEmptyAndIsNeverOverwritten)
{
    const QString path = PathOf(QStringLiteral("huge.prl"));
    QByteArray bytes = "[MainF]\nLeft=5\n";
    bytes += QByteArray(50 * 1024 * 1024, ';');
    bytes += "\nTop=6\n";
    WriteBytes(path, bytes);

    ProfileFile file(path);
    EXPECT_FALSE(file.HasSection(kMain));
    EXPECT_EQ(file.ReadInteger(kMain, QStringLiteral("Left"), -1), -1);
    WriteProgramRecords(file);
    try {
        file.Save();
        FAIL() << "a 50 MB file was overwritten";
    } catch (const EFileWriteError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("huge.prl"))) << e.what();
    }
    EXPECT_EQ(QFileInfo(path).size(), bytes.size());
    EXPECT_TRUE(ReadBytes(path).endsWith("\nTop=6\n"));
}

// An old single-byte file whose only byte that is no UTF-8 sits in the value
// being replaced: written back byte for byte, the rest would read as UTF-8 on
// the next open and "Ã©" would become "é" in a key nobody wrote.
TEST_F(HostileProfileFileTest, SingleByteFileKeepsItsOtherValuesWhenItsLastNonUtf8ValueIsReplaced)
{
    const QString path = PathOf(QStringLiteral("old.prl"));
    // "Ã©" in Latin-1 is the UTF-8 encoding of "é"; 0xFE is no UTF-8 at all.
    WriteBytes(path, QByteArray("[MainF]\nErdE=590 \xC3\xA9\nAdE=\xFE\n"));
    ProfileFile file(path);
    ASSERT_EQ(file.FileEncoding(), ProfileFile::Encoding::Latin1);
    const QString before = file.ReadString(kMain, QStringLiteral("ErdE"), QString());
    EXPECT_EQ(before, QStringLiteral("590 \u00C3\u00A9"));

    file.WriteString(kMain, QStringLiteral("AdE"), QStringLiteral("0"));
    file.Save();
    EXPECT_EQ(ProfileFile(path).ReadString(kMain, QStringLiteral("ErdE"), QString()), before);
    EXPECT_EQ(ProfileFile(path).ReadString(kMain, QStringLiteral("AdE"), QString()), QStringLiteral("0"));

    // While a byte that is no UTF-8 remains, the file stays single-byte.
    WriteBytes(path, QByteArray("[MainF]\nErdE=\xE9\nAdE=\xFE\n"));
    ProfileFile other(path);
    other.WriteString(kMain, QStringLiteral("AdE"), QStringLiteral("\u00FC"));
    other.Save();
    EXPECT_EQ(ReadBytes(path), QByteArray("[MainF]\nErdE=\xE9\nAdE=\xFC\n"));
}

}  // namespace
