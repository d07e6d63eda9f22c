// The window's pop-up menu looks the same after the wheel has been put on
// paper: what the printing engines do to their fonts stays with them.
#include "app_window_fixture.h"

#include <QMenu>

namespace rimora::test {
namespace {

using MenuAfterPaperTest = AppWindowTest;

TEST_F(MenuAfterPaperTest, MenuLabelsKeepTheirPixels)
{
    const std::pair<QAction* TMainF::*, const char*> exports[] = {{&TMainF::sheetPdfItem, "w.pdf"},
                                                                  {&TMainF::saveDrawingItem, "w.svg"}};
    Start();
    LaceWheel(*mainF, "32", "32");
    const auto menuPixels = [this] {
        mainF->drawingMenu->popup(mainF->wheelPaintBox->mapToGlobal(QPoint(10, 10)));
        Settle();
        const QImage pixels = mainF->drawingMenu->grab().toImage();
        mainF->drawingMenu->hide();
        return pixels;
    };
    const QImage before = menuPixels();
    for (const auto& [item, file] : exports) {
        desktop.saveAnswers.push_back(Path(file));
        (mainF.get()->*item)->trigger();
        ASSERT_TRUE(QFileInfo::exists(Path(file))) << Errors().toStdString();
        EXPECT_EQ(menuPixels(), before) << file;
    }
}

}  // namespace
}  // namespace rimora::test
