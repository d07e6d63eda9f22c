// The build sheet and the exports of the main window: the wheel is copied
// from the controls into the sheet's own record, so printing or saving never
// changes what the window shows, and the sheet code does the rest.
#include "app/main_form.h"
#include "persist/ini_save.h"
#include "persist/profile_flows.h"
#include "platform/atomic_file.h"
#include "platform/desktop.h"
#include "platform/errors.h"
#include "platform/guard.h"
#include "sheet/build_sheet.h"
#include "sheet/laced_wheel.h"
#include "sheet/paper_size.h"
#include "sheet/sheet_export.h"
#include "sheet/sheet_table.h"
#include "sheet/side_spans.h"
#include "sheet/steps_report.h"
#include "sheet/tension_report.h"
#include "lacing/lacing_table.h"

#include <QCoreApplication>
#include <QDate>
#include <QKeyEvent>
#include <QDir>
#include <QFileInfo>
#include <QPainter>

namespace rimora {

namespace {

LacedWheel WheelOfWindow(const TMainF& f)
{
    LacedWheel w = f.WheelOfControls();
    const GridModel& from = f.lacingGrid->Model();
    GridModel& to = *w.table;
    to.SetRowCount(from.RowCount());
    for (int r = 0; r < from.RowCount(); ++r)
        for (int c = 0; c < to.ColCount(); ++c) to.SetCell(c, r, from.Cell(c, r));
    PrepareWheel(w);
    return w;
}

// What a sheet or drawing of the window's wheel is called on disk: the
// profile's name with the extension of the file.
QString PaperFileName(const TMainF& f, const QString& extension)
{
    return QFileInfo(f.profileLabel->Caption()).completeBaseName() + QLatin1Char('.') + extension;
}

// The save dialog for an export: in the folder of the last profile, named
// after the profile; an existing file is replaced only when the user agrees.
QString ExportFileName(TMainF& f, const QString& filter, const QString& extension, const QString& title)
{
    FileDialogRequest request;
    request.filter = filter;
    request.defaultExtension = extension;
    request.fileName = PaperFileName(f, extension);
    request.folder = ProfileFolder(f.IniSave());
    return ChooseFileToWrite(request, title);
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

LacedWheel TMainF::WheelOfControls() const
{
    LacedWheel w;
    w.fileName = profileLabel->Caption();
    w.reading = CurrentWheel();
    return w;
}

void TMainF::CreateSheetActions()
{
    drawingMenu = new QMenu(this);
    printSheetItem = drawingMenu->addAction(tr("Print build sheet..."));
    printSheetItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    sheetPdfItem = drawingMenu->addAction(tr("Save build sheet as PDF..."));
    sheetPdfItem->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    saveDrawingItem = drawingMenu->addAction(tr("Save drawing as..."));
    saveDrawingItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    for (QAction* item : {printSheetItem, sheetPdfItem, saveDrawingItem}) {
        item->setShortcutContext(Qt::WindowShortcut);
        item->setShortcutVisibleInContextMenu(true);
        addAction(item);
    }
    connect(printSheetItem, &QAction::triggered, this, [this] { RunGuarded([this] { PrintSheet(); }); });
    connect(sheetPdfItem, &QAction::triggered, this, [this] { RunGuarded([this] { SaveSheetPdf(); }); });
    connect(saveDrawingItem, &QAction::triggered, this, [this] { RunGuarded([this] { SaveDrawing(); }); });
    new WindowShortcutKeeper(this, {printSheetItem, sheetPdfItem, saveDrawingItem});
    wheelPaintBox->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(wheelPaintBox, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { drawingMenu->popup(wheelPaintBox->mapToGlobal(at)); });
}

// The print preview of a sheet, the same for the plain sheet and the one with
// tension or step pages.
void TMainF::PreviewSheet(const BuildSheet& sheet)
{
    CurrentDesktop().PrintPreview(tr("Build sheet: %1").arg(sheet.title), PaperFileName(*this, QStringLiteral("pdf")),
                                  SheetPaper(), [&sheet](QPaintDevice& page) {
                                      QPainter painter(&page);
                                      PaintSheet(painter, sheet);
                                  });
}

void TMainF::PrintSheet()
{
    const LacedWheel wheel = WheelOfWindow(*this);
    const BuildSheet sheet = ComposeSheet(wheel, QDate::currentDate());
    PreviewSheet(sheet);
}

LacedWheel TMainF::PreparedWheelOfWindow() const
{
    return WheelOfWindow(*this);
}

void TMainF::PrintTensionSheet(bool blankForm)
{
    const LacedWheel wheel = WheelOfWindow(*this);
    BuildSheet sheet = ComposeSheet(wheel, QDate::currentDate());
    sheet.tension = TensionPageOf(wheel, blankForm);
    if (!sheet.tension) throw EWheelInputError(tr("The wheel has no round of tension readings yet."));
    PreviewSheet(sheet);
}

void TMainF::PrintStepsSheet()
{
    const LacedWheel wheel = WheelOfWindow(*this);
    BuildSheet sheet = ComposeSheet(wheel, QDate::currentDate());
    sheet.steps = StepsOfWheel(wheel);
    PreviewSheet(sheet);
}

void TMainF::SaveSheetPdf()
{
    const LacedWheel wheel = WheelOfWindow(*this);
    const QString path =
        ExportFileName(*this, QStringLiteral("PDF|*.pdf"), QStringLiteral("pdf"), tr("Save build sheet"));
    if (path.isEmpty()) return;
    RefuseOwnFile(path);
    WriteSheetPdf(path, ComposeSheet(wheel, QDate::currentDate()), SheetPaper());
    SaidSaved(path);
}

void TMainF::SaveDrawing()
{
    const LacedWheel wheel = WheelOfWindow(*this);
    const QString path =
        ExportFileName(*this, QStringLiteral("SVG|*.svg|PNG|*.png"), QStringLiteral("svg"), tr("Save drawing"));
    if (path.isEmpty()) return;
    RefuseOwnFile(path);
    // An SVG keeps the paint box's size; a PNG is drawn at the size the user
    // picks, twice the paint box to begin with, so it stays sharp when printed.
    QSize size = wheelPaintBox->size();
    if (DrawingFormatOf(path) == DrawingFormat::Png) {
        size *= 2;
        if (!CurrentDesktop().ChooseImageSize(size)) return;
    }
    WriteDrawing(path, DrawingInputsOf(wheel, size.width(), size.height()), *wheel.table);
    SaidSaved(path);
}

void TMainF::RefuseOwnFile(const QString& path) const
{
    if (SameFile(path, profilePath_) || SameFile(path, iniSave_->FileName()))
        throw EWheelInputError(tr("%1 holds the wheel itself (the open profile or the settings): the build sheet "
                                  "and the drawing go into files of their own.")
                                   .arg(QDir::toNativeSeparators(path)));
}

QString TMainF::SpokeToolTip(int col, int row)
{
    if (row < 1 || (col != kToHubCol && col != kLengthCol)) return {};
    const Wheel& wheel = CurrentWheel().wheel;
    const std::optional<int> rim = HoleAt(lacingGrid->Model(), kRimCol, row);
    if (!rim || wheel.hubHoles < 1 || wheel.rimHoles < 1) return {};
    for (const LacedSpoke& spoke : LacedSpokes(lacingGrid->Model(), wheel, WheelSpans{}))
        if (spoke.rim == *rim) return SpokeDescription(spoke);
    return {};
}

void TMainF::SaidSaved(const QString& path)
{
    statusBar->ShowDone(tr("Saved %1").arg(QDir::toNativeSeparators(path)));
}

}  // namespace rimora
