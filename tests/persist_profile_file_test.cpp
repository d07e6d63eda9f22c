// The INI service under the store: what it gives back for what the file holds,
// and the file's exact bytes after writing.
#include "persist/profile_file.h"
#include "persist_test_files.h"
#include "platform/errors.h"

#include <QStringEncoder>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

using namespace rimora;
using rimora::test::PersistTest;
using rimora::test::ReadBytes;
using rimora::test::WriteBytes;

namespace {

QByteArray Utf16(const QString& text, bool little)
{
    QStringEncoder encoder(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
    return QByteArray(little ? "\xFF\xFE" : "\xFE\xFF", 2) + QByteArray(encoder(text));
}

class ProfileFileTest : public PersistTest {};

}  // namespace

TEST_F(ProfileFileTest, ReadsTextWithTheServiceRules)
{
    const QString longValue(3000, QLatin1Char('x'));
    struct Row {
        const char* what;
        std::optional<QByteArray> file;  // nothing: no file at all
        const char* section;
        const char* key;
        QString expected;  // read with the default "dflt"
    };
    const std::vector<Row> rows = {
        {"missing file", std::nullopt, "S", "K", "dflt"},
        {"missing section", "[T]\nK=1\n", "S", "K", "dflt"},
        {"missing key", "[S]\nL=1\n", "S", "K", "dflt"},
        {"key of another section", "[S]\n[T]\nK=1\n", "S", "K", "dflt"},
        {"empty value is no default", "[S]\nK=\n", "S", "K", ""},
        {"blanks around trimmed", "[S]\n  K  =  a b \t\n", "S", "K", "a b"},
        {"one pair of quotes removed", "[S]\nK=\"a b\"\n", "S", "K", "a b"},
        {"only one pair", "[S]\nK=\"\"ab\"\"\n", "S", "K", "\"ab\""},
        {"quotes keep inner blanks", "[S]\nK= \" a \" \n", "S", "K", " a "},
        {"lone quote kept", "[S]\nK=\"ab\n", "S", "K", "\"ab"},
        {"single quote kept", "[S]\nK='ab'\n", "S", "K", "'ab'"},
        {"names ignore letter case", "[mainf]\nerde=594\n", "MainF", "ErdE", "594"},
        {"first of two equal keys", "[S]\nK=1\nk=2\n", "S", "K", "1"},
        {"first of two equal sections", "[S]\nK=1\n[S]\nK=2\n", "S", "K", "1"},
        {"value holds '='", "[S]\nK=a=b\n", "S", "K", "a=b"},
        {"comment line is no key", "[S]\n;K=1\n", "S", "K", "dflt"},
        {"section name trimmed", "[ S ]\nK=1\n", "S", "K", "1"},
        {"CRLF line ends", "[S]\r\nK=1\r\n", "S", "K", "1"},
        {"no line break at the end", "[S]\nK=1", "S", "K", "1"},
        {"cut at 2047", "[S]\nK=" + longValue.toUtf8() + "\n", "S", "K", longValue.left(2047)},
        {"UTF-8 with BOM", "\xEF\xBB\xBF[S]\nK=\xE5\x89\x8D\xE8\xBC\xAA\n", "S", "K", QStringLiteral("前輪")},
        {"UTF-16LE", Utf16(QStringLiteral("[S]\r\nK=前輪\r\n"), true), "S", "K", QStringLiteral("前輪")},
        {"UTF-16BE", Utf16(QStringLiteral("[S]\nK=前輪\n"), false), "S", "K", QStringLiteral("前輪")},
        {"not UTF-8: one character per byte", "[S]\nK=caf\xE9\n", "S", "K", QStringLiteral("café")},
    };
    for (const Row& row : rows) {
        const QString path = PathOf(QStringLiteral("read.ini"));
        QFile::remove(path);
        if (row.file) WriteBytes(path, *row.file);
        const ProfileFile file(path);
        EXPECT_EQ(file.ReadString(QString::fromUtf8(row.section), QString::fromUtf8(row.key), QStringLiteral("dflt")),
                  row.expected)
            << row.what;
    }
}

TEST_F(ProfileFileTest, ReadsIntegersAndBooleans)
{
    struct Row {
        const char* value;  // nullptr: key absent
        int integer;        // read with default 99
        bool boolean;       // read with default true
        bool booleanFromFalse;
    };
    const Row rows[] = {
        {nullptr, 99, true, false},        {"42", 42, true, true},       {" -42 ", -42, true, true},
        {"+7", 7, true, true},             {"0", 0, false, false},       {"0x1F", 31, true, true},
        {"0X1f", 31, true, true},          {"$1F", 31, true, true},      {"0x", 99, true, false},
        {"-16777201", -16777201, true, true},                            {"0xFF00000F", -16777201, true, true},
        {"\"12\"", 12, true, true},        {"12abc", 99, true, false},   {"yes", 99, true, false},
        {"1.5", 99, true, false},          {"", 99, true, false},        {"2147483648", 99, true, false},
        {"7", 7, true, true},
    };
    for (const Row& row : rows) {
        const QString path = PathOf(QStringLiteral("int.ini"));
        WriteBytes(path, row.value ? QByteArray("[S]\nK=") + row.value + "\n" : QByteArray("[S]\n"));
        const ProfileFile file(path);
        const char* name = row.value ? row.value : "(absent)";
        EXPECT_EQ(file.ReadInteger(QStringLiteral("S"), QStringLiteral("K"), 99), row.integer) << name;
        EXPECT_EQ(file.ReadBool(QStringLiteral("S"), QStringLiteral("K"), true), row.boolean) << name;
        EXPECT_EQ(file.ReadBool(QStringLiteral("S"), QStringLiteral("K"), false), row.booleanFromFalse) << name;
    }
}

TEST_F(ProfileFileTest, WritesKeepEverythingElseByteForByte)
{
    struct Write {
        const char* section;
        const char* key;
        QString value;
    };
    struct Row {
        const char* what;
        std::optional<QByteArray> before;
        std::vector<Write> writes;
        QByteArray after;
    };
    const std::vector<Row> rows = {
        {"new file: UTF-8, LF", std::nullopt, {{"S", "K", "v"}, {"S", "L", "w"}}, "[S]\nK=v\nL=w\n"},
        {"existing key keeps its place", "[S]\nA=1\nB=2\n", {{"S", "A", "9"}}, "[S]\nA=9\nB=2\n"},
        {"existing key keeps its spelling and spacing", "[s]\n  key = 1\n", {{"S", "KEY", "2"}}, "[s]\n  key =2\n"},
        {"new key at the end of its section",
         "[A]\nx=1\n\n[B]\ny=2\n",
         {{"A", "z", "3"}},
         "[A]\nx=1\nz=3\n\n[B]\ny=2\n"},
        {"new section at the end of the file", "[A]\nx=1\n", {{"B", "y", "2"}}, "[A]\nx=1\n[B]\ny=2\n"},
        {"comments and other lines stay",
         "; kept\n[A]\n; c=0\nnoise\nx=1\n",
         {{"A", "c", "2"}},
         "; kept\n[A]\n; c=0\nnoise\nx=1\nc=2\n"},
        {"CRLF kept", "[A]\r\nx=1\r\n", {{"A", "x", "5"}, {"A", "y", "2"}, {"B", "z", "3"}},
         "[A]\r\nx=5\r\ny=2\r\n[B]\r\nz=3\r\n"},
        {"missing final line break stays missing", "[A]\nx=1", {{"A", "x", "2"}}, "[A]\nx=2"},
        {"UTF-8 BOM kept", "\xEF\xBB\xBF[A]\nx=1\n", {{"A", "n", QStringLiteral("前輪")}},
         "\xEF\xBB\xBF[A]\nx=1\nn=\xE5\x89\x8D\xE8\xBC\xAA\n"},
        {"UTF-16LE and CRLF kept", Utf16(QStringLiteral("[A]\r\nx=1\r\n"), true), {{"A", "n", QStringLiteral("前輪")}},
         Utf16(QStringLiteral("[A]\r\nx=1\r\nn=前輪\r\n"), true)},
        {"UTF-16BE kept", Utf16(QStringLiteral("[A]\nx=1\n"), false), {{"A", "x", "2"}},
         Utf16(QStringLiteral("[A]\nx=2\n"), false)},
        {"single-byte file keeps its bytes", "[A]\nn=caf\xE9\n", {{"A", "x", "1"}}, "[A]\nn=caf\xE9\nx=1\n"},
        {"single-byte file becomes UTF-8 for a character it cannot hold", "[A]\nn=caf\xE9\n",
         {{"A", "x", QStringLiteral("前")}}, "[A]\nn=caf\xC3\xA9\nx=\xE5\x89\x8D\n"},
        {"a value stays on its line", std::nullopt, {{"A", "x", "a\r\nb"}}, "[A]\nx=a  b\n"},
        {"text written unchanged, no quoting", std::nullopt, {{"A", "x", " \"a\" "}}, "[A]\nx= \"a\" \n"},
    };
    for (const Row& row : rows) {
        const QString path = PathOf(QStringLiteral("write.ini"));
        QFile::remove(path);
        if (row.before) WriteBytes(path, *row.before);
        ProfileFile file(path);
        for (const Write& w : row.writes)
            file.WriteString(QString::fromUtf8(w.section), QString::fromUtf8(w.key), w.value);
        if (row.before) {
            EXPECT_EQ(ReadBytes(path), *row.before) << row.what << ": written before Save";
        }
        file.Save();
        EXPECT_EQ(ReadBytes(path), row.after) << row.what;
    }
}

TEST_F(ProfileFileTest, WritesIntegersAndBooleansAsDecimalText)
{
    const QString path = PathOf(QStringLiteral("n.ini"));
    ProfileFile file(path);
    file.WriteInteger(QStringLiteral("S"), QStringLiteral("A"), -16777201);
    file.WriteInteger(QStringLiteral("S"), QStringLiteral("B"), 0);
    file.WriteBool(QStringLiteral("S"), QStringLiteral("C"), true);
    file.WriteBool(QStringLiteral("S"), QStringLiteral("D"), false);
    file.Save();
    EXPECT_EQ(ReadBytes(path), QByteArray("[S]\nA=-16777201\nB=0\nC=1\nD=0\n"));
}

TEST_F(ProfileFileTest, RefusedWriteRaisesWithTheFullPathAndLeavesTheDiskAsItWas)
{
    // A folder that does not exist.
    const QString missing = PathOf(QStringLiteral("no-such-folder/w.prl"));
    ProfileFile inMissing(missing);
    inMissing.WriteString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("1"));
    try {
        inMissing.Save();
        FAIL() << "write into a missing folder succeeded";
    } catch (const EFileWriteError& e) {
        EXPECT_EQ(e.Message(),
                  QStringLiteral("Cannot write %1: No such file or directory").arg(QDir::toNativeSeparators(missing)));
        EXPECT_EQ(e.Path(), QDir::toNativeSeparators(missing));
    }
    EXPECT_FALSE(QFileInfo::exists(PathOf(QStringLiteral("no-such-folder"))));

    // A path that is a folder, with a file inside that must survive.
    const QString folder = PathOf(QStringLiteral("taken.prl"));
    ASSERT_TRUE(QDir().mkpath(folder));
    WriteBytes(folder + QStringLiteral("/inside.txt"), "keep");
    ProfileFile onFolder(folder);
    EXPECT_EQ(onFolder.ReadString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("d")), QStringLiteral("d"));
    onFolder.WriteString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("1"));
    EXPECT_THROW(onFolder.Save(), EFileWriteError);
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(ReadBytes(folder + QStringLiteral("/inside.txt")), QByteArray("keep"));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList()) << "no temporary file left behind";
}

TEST_F(ProfileFileTest, SaveWithoutChangesTouchesNothing)
{
    const QString missing = PathOf(QStringLiteral("absent.ini"));
    ProfileFile untouched(missing);
    untouched.Save();
    EXPECT_FALSE(QFileInfo::exists(missing));

    // Writing the values the file already holds is no change: the file keeps
    // its bytes, line ends and letter case included.
    const QString path = PathOf(QStringLiteral("same.ini"));
    WriteBytes(path, "[S]\r\nK=1\r\n");
    ProfileFile same(path);
    same.WriteInteger(QStringLiteral("s"), QStringLiteral("k"), 1);
    EXPECT_NO_THROW(same.Save());
    EXPECT_EQ(ReadBytes(path), QByteArray("[S]\r\nK=1\r\n"));
}
