// The wheel's texts (part names, remarks) in files: each on one line, read
// back exactly by the window's store and by the reader without a window; a
// file without them opens as before and keeps its bytes.
#include "persist/ini_save.h"
#include "persist/profile_file.h"
#include "support/file_bytes.h"
#include "support/small_form.h"
#include "wheel/wheel_reading.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace rimora;
using namespace rimora::test;

namespace {

struct TextRow {
    const char* name;
    QByteArray held;   // the file's record before the save, "" for none
    QString text;      // as typed
    QByteArray saved;  // the record after the save, "" for none
    QString readBack;  // what both readers give
};

class WheelTextsTest : public ::testing::TestWithParam<TextRow> {};

const TextRow kTexts[] = {
    {"PlainNonAsciiEqualsCommas", "", "DT 350, ハブ Ø2.0 x=1,", "RemarksM=DT 350, ハブ Ø2.0 x=1,\n", "DT 350, ハブ Ø2.0 x=1,"},
    {"LineBreaks", "", "true it\nthen tension", "RemarksM=true it\\nthen tension\n", "true it\nthen tension"},
    {"WindowsLineBreaks", "", "a\r\nb\rc\n", "RemarksM=a\\nb\\nc\\n\n", "a\nb\nc\n"},
    {"Backslashes", "", "C:\\wheels\\n1", "RemarksM=C:\\\\wheels\\\\n1\n", "C:\\wheels\\n1"},
    {"BlanksAndQuotesAtTheEnds", "", " \"Race\" ", "RemarksM=\" \"Race\" \"\n", " \"Race\" "},
    {"EmptyInAFileWithoutIt", "", "", "", ""},
    {"EmptyOverAText", "RemarksM=a\n", "", "RemarksM=\n", ""},
};

TEST_P(WheelTextsTest, WrittenOnOneLineAndReadBackAsTyped)
{
    const TextRow& row = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("w.prl"));
    SmallForm form{QStringLiteral("MainF")};
    form.Edit(QStringLiteral("ErdE"), QStringLiteral("590"));
    TEdit& remarks = form.Edit(QStringLiteral("RemarksM"), row.text);
    TIniSave store{form};
    store.SetWheelTextNames({QStringLiteral("RemarksM")});
    store.SetFileName(path);
    WriteBytes(path, "[MainF]\nErdE=590\n" + row.held);

    store.WriteInfo();
    EXPECT_EQ(ReadBytes(path), "[MainF]\nErdE=590\n" + row.saved);
    remarks.SetText(QStringLiteral("another wheel's remark"));
    store.ReadInfo();
    EXPECT_EQ(remarks.Text(), row.readBack);
    EXPECT_EQ(ReadWheelRecords(ProfileFile(path), QStringLiteral("MainF")).wheel.parts.remarks, row.readBack);
}

INSTANTIATE_TEST_SUITE_P(Texts, WheelTextsTest, ::testing::ValuesIn(kTexts),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
