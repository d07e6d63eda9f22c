// The window's pop-up menu looks the same after the wheel has been put on
// paper: what the printing engines do to their fonts stays with them.
#include "app_window_fixture.h"

#include <QMenu>

namespace rimora::test {
namespace {

struct PaperExport {
    const char* name;
    QAction* TMainF::* item;
    const char* file;
};

class MenuAfterPaperTest : public AppWindowTest, public ::testing::WithParamInterface<PaperExport> {
protected:
    QImage MenuPixels()
    {
        QMenu* menu = mainF->drawingMenu;
        menu->popup(mainF->wheelPaintBox->mapToGlobal(QPoint(10, 10)));
        Settle();
        const QImage pixels = menu->grab().toImage();
        menu->hide();
        Settle();
        return pixels;
    }
};

const PaperExport kExports[] = {
    {"SheetPdf", &TMainF::sheetPdfItem, "w.pdf"},
    {"DrawingSvg", &TMainF::saveDrawingItem, "w.svg"},
};

TEST_P(MenuAfterPaperTest, MenuLabelsKeepTheirPixels)
{
    Start();
    LaceWheel(*mainF, "32", "32");
    Click(mainF->calcButton);
    const QImage before = MenuPixels();
    desktop.saveAnswers.push_back(Path(GetParam().file));
    (mainF.get()->*GetParam().item)->trigger();
    ASSERT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
    ASSERT_TRUE(QFileInfo::exists(Path(GetParam().file)));
    EXPECT_EQ(MenuPixels(), before);
}

INSTANTIATE_TEST_SUITE_P(Exports, MenuAfterPaperTest, ::testing::ValuesIn(kExports),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rimora::test
