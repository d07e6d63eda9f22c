// The hub's inputs in a profile: written only once they leave their defaults, read back as written.
#include "app_window_fixture.h"
#include "widgets/tedit.h"
#include "widgets/tradio_group.h"

namespace rimora::test {
namespace {

using HubProfileTest = AppWindowTest;

TEST_F(HubProfileTest, WrittenOnceSetAndReadBack)
{
    // The hub set in the window, and the hub's records the saved file holds, in order.
    const struct { const char* name; int kind; const char *leftTangent, *rightThickness; int rightHeads; const char* written; } cases[] = {
        {"defaults: nothing written", 0, "0", "0", 0, ""},
        {"straight-pull ahead", 1, "0.8", "0", 0, "HubKindRG=1\nTanLE=0.8\n"},
        {"heads all in on the right", 0, "0", "3", 2, "FlThRE=3\nHeadsRRG=2\n"},
    };
    Start();
    for (const auto& c : cases) {
        TMainF& f = *mainF;
        f.StoredControl<TRadioGroup>("HubKindRG")->SetItemIndex(c.kind);
        f.StoredControl<TEdit>("TanLE")->SetText(QString::fromLatin1(c.leftTangent));
        f.StoredControl<TEdit>("FlThRE")->SetText(QString::fromLatin1(c.rightThickness));
        f.StoredControl<TRadioGroup>("HeadsRRG")->SetItemIndex(c.rightHeads);
        const QString path = Path(QStringLiteral("hub.prl"));
        QFile::remove(path);
        Save(path);
        // The hub's records follow the last record of the wheels before them.
        EXPECT_EQ(Bytes(path).split('\n').mid(Bytes(path).split('\n').indexOf("HNCB=0") + 1).join('\n').toStdString(),
                  std::string(c.written)) << c.name;

        // Another hub in the window, then the file again: the file's values.
        f.StoredControl<TRadioGroup>("HubKindRG")->SetItemIndex(1 - c.kind);
        f.StoredControl<TEdit>("TanLE")->SetText(QStringLiteral("-2"));
        f.StoredControl<TRadioGroup>("HeadsRRG")->SetItemIndex(3);
        Open(path);
        EXPECT_EQ(f.StoredControl<TRadioGroup>("HubKindRG")->ItemIndex(), c.kind) << c.name;
        EXPECT_EQ(f.StoredControl<TEdit>("TanLE")->Text(), QString::fromLatin1(c.leftTangent)) << c.name;
        EXPECT_EQ(f.StoredControl<TRadioGroup>("HeadsRRG")->ItemIndex(), c.rightHeads) << c.name;
        EXPECT_TRUE(desktop.errors.isEmpty()) << c.name << Errors().toStdString();
    }
}

}  // namespace
}  // namespace rimora::test
