// The main window's side of the tension log: the "True it" window, opened
// from the drawing's menu, reads the window's wheel and keeps its rounds in
// the hidden records the profile saves.
#include "app/main_form.h"
#include "app/true_window.h"
#include "platform/guard.h"
#include "wheel/wheel_records.h"

#include <variant>

namespace rimora {

namespace {

// The hidden box of the main window that keeps one slot of the log, found by
// its record in the record table.
const char* LogKey(int slot)
{
    for (const WheelRecord& record : WheelRecords())
        if (const auto* log = std::get_if<LogText>(&record.member); log && log->slot == slot) return record.key;
    return nullptr;
}

}  // namespace

void TMainF::CreateTensionActions()
{
    drawingMenu->addSeparator();
    trueItem = drawingMenu->addAction(tr("True it: spoke tensions..."));
    trueItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    trueItem->setShortcutContext(Qt::WindowShortcut);
    trueItem->setShortcutVisibleInContextMenu(true);
    addAction(trueItem);
    tensionFormItem = drawingMenu->addAction(tr("Print build sheet with a blank tension form..."));
    tensionRoundItem = drawingMenu->addAction(tr("Print build sheet with the last tension round..."));
    connect(trueItem, &QAction::triggered, this, [this] { RunGuarded([this] { ShowTrueWindow(); }); });
    connect(tensionFormItem, &QAction::triggered, this, [this] { RunGuarded([this] { PrintTensionSheet(true); }); });
    connect(tensionRoundItem, &QAction::triggered, this, [this] { RunGuarded([this] { PrintTensionSheet(false); }); });
}

void TMainF::ShowTrueWindow()
{
    if (!trueWindow) {
        TrueWindowLinks links;
        links.wheel = [this] { return PreparedWheelOfWindow(); };
        links.log = [this] {
            std::array<QString, kLogSlots> log;
            for (int slot = 0; slot < kLogSlots; ++slot) log[slot] = StoredControl<TEdit>(LogKey(slot))->Text();
            return log;
        };
        links.setLog = [this](int slot, const QString& text) { StoredControl<TEdit>(LogKey(slot))->SetText(text); };
        links.print = [this](bool blankForm) { PrintTensionSheet(blankForm); };
        trueWindow = new TrueWindow(this, std::move(links));
    }
    if (trueWindow->isVisible()) trueWindow->Reload();
    trueWindow->show();
    trueWindow->raise();
    trueWindow->activateWindow();
}

}  // namespace rimora
