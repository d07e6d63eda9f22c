// Line ends of settings and profile files: CR LF, LF and a bare CR all end a
// line; a write keeps the file's own line end, and a file that mixes them is
// written with the one it starts with. Also the list of a section's keys and
// the size of a file too large to read.
#include "persist/profile_file.h"
#include "persist_test_files.h"

#include <gtest/gtest.h>

using namespace rimora;
using rimora::test::PersistTest;
using rimora::test::ReadBytes;
using rimora::test::WriteBytes;

namespace {

class LineEndsTest : public PersistTest {};

// A two-section file with the given line end after every line.
QByteArray TwoSections(const QByteArray& eol, bool finalBreak = true)
{
    QByteArray text = "[MainF]" + eol + "ErdE=590" + eol + "HubCB=3" + eol + "[SumF]" + eol + "Left=40";
    return finalBreak ? text + eol : text;
}

struct Convention {
    const char* what;
    QByteArray eol;
    ProfileFile::LineEnd kind;
};

const Convention kConventions[] = {
    {"LF", "\n", ProfileFile::LineEnd::Lf},
    {"CR LF", "\r\n", ProfileFile::LineEnd::CrLf},
    {"bare CR", "\r", ProfileFile::LineEnd::Cr},
};

}  // namespace

TEST_F(LineEndsTest, EveryLineEndIsReadAndKeptByAWrite)
{
    for (const Convention& c : kConventions) {
        for (const bool finalBreak : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (finalBreak ? ", final line end" : ", no final line end"));
            const QString path = PathOf(QStringLiteral("wheel.prl"));
            WriteBytes(path, TwoSections(c.eol, finalBreak));
            ProfileFile file(path);
            EXPECT_EQ(file.LineEnding(), c.kind);
            EXPECT_EQ(file.ReadString("MainF", "ErdE", "-"), "590");
            EXPECT_EQ(file.ReadInteger("MainF", "HubCB", -1), 3);
            EXPECT_EQ(file.ReadInteger("SumF", "Left", -1), 40);
            EXPECT_EQ(file.Keys("MainF"), QStringList({"ErdE", "HubCB"}));

            // An existing key, a new key of a section and a new section.
            file.WriteString("MainF", "ErdE", "610");
            file.WriteString("MainF", "AdE", "0");
            file.WriteInteger("Extra", "Width", 9);
            file.Save();
            const QByteArray& e = c.eol;
            QByteArray expected = "[MainF]" + e + "ErdE=610" + e + "HubCB=3" + e + "AdE=0" + e + "[SumF]" + e
                                  + "Left=40" + e + "[Extra]" + e + "Width=9";
            if (finalBreak) expected += e;
            EXPECT_EQ(ReadBytes(path), expected);
        }
    }
}

TEST_F(LineEndsTest, MixedLineEndsAreWrittenWithTheFirst)
{
    struct Row {
        const char* what;
        QByteArray bytes;
        ProfileFile::LineEnd kind;
        QByteArray expected;  // after erdEdit is set to 610
    };
    const Row rows[] = {
        {"LF first", "[MainF]\nErdE=590\r\nHubCB=3\r", ProfileFile::LineEnd::Lf, "[MainF]\nErdE=610\nHubCB=3\n"},
        {"CR LF first", "[MainF]\r\nErdE=590\nHubCB=3\r", ProfileFile::LineEnd::CrLf,
         "[MainF]\r\nErdE=610\r\nHubCB=3\r\n"},
        {"bare CR first", "[MainF]\rErdE=590\r\nHubCB=3\n", ProfileFile::LineEnd::Cr, "[MainF]\rErdE=610\rHubCB=3\r"},
        // LF then CR is two line ends: the blank line between stays.
        {"LF CR is two line ends", "[MainF]\n\rErdE=590\n", ProfileFile::LineEnd::Lf, "[MainF]\n\nErdE=610\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const QString path = PathOf(QStringLiteral("mixed.ini"));
        WriteBytes(path, row.bytes);
        ProfileFile file(path);
        EXPECT_EQ(file.LineEnding(), row.kind);
        EXPECT_EQ(file.ReadString("MainF", "ErdE", "-"), "590");
        file.WriteString("MainF", "ErdE", "610");
        file.Save();
        EXPECT_EQ(ReadBytes(path), row.expected);
    }
}

TEST_F(LineEndsTest, KeysListsTheSectionsKeysOnly)
{
    const QString path = PathOf(QStringLiteral("keys.ini"));
    WriteBytes(path, "; comment=1\n[other]\nA=1\n[ mainf ]\n;ErdE=1\n  Left = 3\nno key here\n=empty name\nSG1-Row0=x,\n"
                     "[MainF]\nLater=1\n");
    const ProfileFile file(path);
    // The first of two equal sections wins; comments and lines without "="
    // are no keys.
    EXPECT_EQ(file.Keys("MainF"), QStringList({"Left", "", "SG1-Row0"}));
    EXPECT_EQ(file.Keys("Other"), QStringList({"A"}));
    EXPECT_TRUE(file.Keys("SumF").isEmpty());
    EXPECT_TRUE(ProfileFile(PathOf(QStringLiteral("none.ini"))).Keys("MainF").isEmpty());
}

TEST_F(LineEndsTest, ATooLargeFileGivesItsSize)
{
    struct Row {
        const char* what;
        qint64 size;
        bool tooLarge;
    };
    const Row rows[] = {
        {"at the limit", ProfileFile::kMaxFileSize, false},
        {"one byte over", ProfileFile::kMaxFileSize + 1, true},
        {"small", 100, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const QString path = PathOf(QStringLiteral("big.ini"));
        QByteArray bytes("[MainF]\nErdE=590\n");
        bytes += QByteArray(row.size - bytes.size(), ';');
        WriteBytes(path, bytes.left(row.size));
        const ProfileFile file(path);
        EXPECT_EQ(file.FileSize(), row.size);
        EXPECT_EQ(file.TooLarge(), row.tooLarge);
        EXPECT_EQ(file.Unreadable(), row.tooLarge);
        EXPECT_EQ(file.ReadString("MainF", "ErdE", "-"), row.tooLarge ? "-" : "590");
    }
    EXPECT_EQ(ProfileFile(PathOf(QStringLiteral("none.ini"))).FileSize(), 0);
}
