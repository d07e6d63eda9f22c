// The build sheet and the exports of the main window: the wheel is copied
// from the controls into the sheet's own record, so printing or saving never
// changes what the window shows, and the sheet code does the rest.
#include "app/main_form.h"
#include "persist/ini_save.h"
#include "persist/profile_flows.h"
#include "platform/desktop.h"
#include "platform/guard.h"
#include "sheet/build_sheet.h"
#include "sheet/saved_wheel.h"
#include "sheet/sheet_export.h"

#include <QCoreApplication>
#include <QDate>
#include <QKeyEvent>
#include <QDir>
#include <QFileInfo>
#include <QPainter>

namespace rimora {

namespace {

SavedWheel WheelOfWindow(const TMainF& f)
{
    SavedWheel w;
    w.fileName = f.ProfL->Caption();
    w.rimType = f.TyCB->Text();
    w.hubHoles = f.HubCB->Text();
    w.rimHoles = f.RimCB->Text();
    w.rightFlange = f.dRE->Text();
    w.leftFlange = f.dLE->Text();
    w.leftCross = f.CLE->Value();
    w.leftOffset = f.WLE->Text();
    w.rightOffset = f.WRE->Text();
    w.spokeHole = f.ShE->Text();
    w.erd = f.ErdE->Text();
    w.rightCross = f.CRE->Value();
    w.angleDifference = f.AdE->Text();
    w.background = f.CL1->Selected();
    w.rimOuter = f.CL2->Selected();
    w.rimInner = f.CL3->Selected();
    w.hub = f.CL4->Selected();
    w.rightSpoke = f.CL5->Selected();
    w.leftSpoke = f.CL6->Selected();
    w.rimBandMm = f.RIMBK->Value();
    w.rimInnerMm = f.RIMID->Value();
    w.hubMarginMm = f.HUBOD->Value();
    w.spokeWidth = f.SpkD->Value();
    w.numbers = f.RNCB->Checked();
    w.hubNumbers = f.HNCB->Checked();
    w.sideIndex = f.Ssd->ItemIndex();
    w.rimOffset = f.RimOffE->Text();
    w.tension = f.TensionE->Text();
    w.spokeDiameter = f.SpokeDiaE->Text();
    w.orderStep = f.OrderStepCB->Text();
    const GridModel& from = f.SG1->Model();
    GridModel& to = *w.table;
    to.SetRowCount(from.RowCount());
    for (int r = 0; r < from.RowCount(); ++r)
        for (int c = 0; c < to.ColCount(); ++c) to.SetCells(c, r, from.Cells(c, r));
    PrepareWheel(w);
    return w;
}

// The save dialog for an export: in the folder of the last profile, named
// after the profile; an existing file is replaced only when the user agrees.
QString ExportFileName(TMainF& f, const QString& filter, const QString& extension, const QString& title)
{
    Desktop& desktop = CurrentDesktop();
    FileDialogRequest request;
    request.filter = filter;
    request.defaultExtension = extension;
    request.fileName = QFileInfo(f.ProfL->Caption()).completeBaseName() + QLatin1Char('.') + extension;
    request.folder = ProfileFolder(f.IniSave());
    const QString chosen = desktop.SaveFileName(request);
    if (chosen.isEmpty()) return {};
    const QFileInfo target(chosen);
    if (target.exists()
        && !desktop.Confirm(title, QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                       .arg(QDir::toNativeSeparators(target.absoluteFilePath()))))
        return {};
    return target.absoluteFilePath();
}

// Text boxes claim Ctrl+E (end of line) and others for themselves; the
// sheet's shortcuts must work wherever the focus is in the window, so their
// keys are kept from the boxes and go to the window's actions.
class WindowShortcutKeeper : public QObject {
public:
    WindowShortcutKeeper(QWidget* window, QList<QAction*> actions)
        : QObject(window), window_(window), actions_(std::move(actions))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != window_) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* action : actions_)
            if (action->shortcut() == pressed) return true;  // not accepted: the shortcut goes on
        return false;
    }

private:
    QWidget* window_;
    QList<QAction*> actions_;
};

}  // namespace

void TMainF::CreateSheetActions()
{
    DrawMenu = new QMenu(this);
    PrintItem = DrawMenu->addAction(tr("Print build sheet..."));
    PrintItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    SheetPdfItem = DrawMenu->addAction(tr("Save build sheet as PDF..."));
    SheetPdfItem->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    DrawingItem = DrawMenu->addAction(tr("Save drawing as..."));
    DrawingItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    for (QAction* item : {PrintItem, SheetPdfItem, DrawingItem}) {
        item->setShortcutContext(Qt::WindowShortcut);
        item->setShortcutVisibleInContextMenu(true);
        addAction(item);
    }
    connect(PrintItem, &QAction::triggered, this, [this] { RunGuarded([this] { PrintItemClick(); }); });
    connect(SheetPdfItem, &QAction::triggered, this, [this] { RunGuarded([this] { SheetPdfItemClick(); }); });
    connect(DrawingItem, &QAction::triggered, this, [this] { RunGuarded([this] { DrawingItemClick(); }); });
    new WindowShortcutKeeper(this, {PrintItem, SheetPdfItem, DrawingItem});
    PB1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(PB1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { DrawMenu->popup(PB1->mapToGlobal(at)); });
}

void TMainF::PrintItemClick()
{
    const SavedWheel wheel = WheelOfWindow(*this);
    const BuildSheet sheet = ComposeSheet(wheel, QDate::currentDate());
    CurrentDesktop().PrintPreview(tr("Build sheet: %1").arg(sheet.title), RegionPageSize(),
                                  [&sheet](QPaintDevice& page) {
                                      QPainter painter(&page);
                                      PaintSheet(painter, sheet);
                                  });
}

void TMainF::SheetPdfItemClick()
{
    const SavedWheel wheel = WheelOfWindow(*this);
    const QString path =
        ExportFileName(*this, QStringLiteral("PDF|*.pdf"), QStringLiteral("pdf"), tr("Save build sheet"));
    if (path.isEmpty()) return;
    WriteSheetPdf(path, ComposeSheet(wheel, QDate::currentDate()), RegionPageSize());
}

void TMainF::DrawingItemClick()
{
    const SavedWheel wheel = WheelOfWindow(*this);
    const QString path =
        ExportFileName(*this, QStringLiteral("SVG|*.svg|PNG|*.png"), QStringLiteral("svg"), tr("Save drawing"));
    if (path.isEmpty()) return;
    // An SVG keeps the paint box's size; a PNG is drawn at the size the user
    // picks, twice the paint box to begin with, so it stays sharp when printed.
    QSize size = PB1->size();
    if (DrawingFormatOf(path) == DrawingFormat::Png) {
        size *= 2;
        if (!CurrentDesktop().ChooseImageSize(size)) return;
    }
    WriteDrawing(path, DrawingInputsOf(wheel, size.width(), size.height()), *wheel.table);
}

}  // namespace rimora
