#pragma once
// The build sheet: the page a builder keeps with the wheel. The profile's
// name and the date; the wheel's inputs; per side the spokes, crossings,
// length, order length, bracing angle and tension; the order list; the
// lacing table in columns; the wheel drawn to scale in the user's colours on
// white paper. A table too long for the first page goes on over more pages,
// each under the sheet's title. It is composed by plain painting over any
// paint device, so the printer, a PDF and a test image get the same pages;
// on a vector device text stays text and lines stay lines.
#include "drawing/wheel_layout.h"
#include "lacing/lacing_steps.h"
#include "sheet/laced_wheel.h"
#include "sheet/laced_spokes.h"
#include "sheet/side_spans.h"
#include "sheet/sheet_table.h"
#include "sheet/tension_report.h"
#include "spokes/order_list.h"

#include <QDate>
#include <QPageSize>
#include <QPainter>
#include <QRectF>
#include <QStringList>
#include <vector>

namespace rimora {

struct SheetInput {
    QString label;
    QString value;
};

// A wheel as the drawing takes it, and the frame it is drawn in.
struct DrawnWheel {
    Wheel wheel;
    DrawingFrame frame;
};

struct BuildSheet {
    QString title;  // the profile's file name
    QDate date;
    std::vector<SheetInput> inputs;
    WheelSpans sides;
    QStringList notes;  // WheelNotes, framed above the sides' figures
    // Under the title: the parts the builder named ("Hub: …", one line) and
    // the remarks line by line; empty when none is set.
    QStringList parts;
    OrderList order;   // what to buy: each size with its spokes per side
    QStringList bill;  // why there is nothing to order, when that is so
    std::vector<LacedSpoke> spokes;  // hub hole by hub hole
    DrawnWheel drawing;                // its width and height are set by the page
    const GridModel* table = nullptr;  // the laced table the drawing reads; not owned
    TColor leftColour = colors::Lime;
    TColor rightColour = colors::Blue;
    // A page after the sheet's own: the last round of tension readings, or a
    // blank form to write them on (no round).
    std::optional<TensionReport> tension;
    // The lacing steps, a page each after the table; none unless asked for.
    LacingSteps steps;
};

// The drawing's inputs for a wheel, at the given size in logical pixels. The
// credits overlay belongs to the window and is never part of an export.
DrawnWheel DrawingInputsOf(const LacedWheel& wheel, int width, int height);
// The same for a wheel as read, with the first of the drawing's inputs whose
// text did not read (ERD, dL, dR, angle difference).
DrawnWheel DrawingOf(const WheelReading& reading, int width, int height);

// A sheet of a prepared wheel (PrepareWheel). It keeps a pointer to the
// wheel's table, which must outlive it.
BuildSheet ComposeSheet(const LacedWheel& wheel, const QDate& date);

// Where each part of the page goes, in logical pixels (1/96 inch) of a page
// of the given size.
struct SheetLayout {
    QRectF page;
    QRectF header;   // on every page
    QRectF parts;    // under the header, empty without parts or remarks
    QRectF inputs;
    QRectF notes;    // across the page above the sides, empty without notes
    QRectF sides;    // across the page, under the bill and the drawing
    QRectF bill;     // the order list
    QRectF drawing;  // a square
    QRectF table;    // what the first page leaves for the lacing table
    int tableColumns = 2;
    int rowsPerColumn = 0;  // on the first page
    double rowHeight = 0;   // the body's row, on every page
    // The table's share of each page, the first page's first; a first page
    // without room for a row has a share of none.
    std::vector<TablePage> tablePages;
    int PageCount() const { return static_cast<int>(tablePages.size()); }
};
// `billLines` rows of the order list; `sideNotes` lines follow the two sides'
// rows (SideSpans' notes); the `wheelNotes` lines stand in a frame above them;
// `partRows` lines of parts and remarks stand under the header; `hubRows`
// lines of the hub's own inputs follow the wheel's.
SheetLayout LayOutSheet(const QSizeF& page, int billLines, int spokeCount, int sideNotes = 0, int wheelNotes = 0,
                        int partRows = 0, int hubRows = 0);
// The named parts and the remarks of a wheel as the sheet's head shows them.
QStringList PartLines(const Wheel& wheel);

// The rows the order list takes: its heads, a row per size and the total, or
// the lines saying why there is nothing to order.
int OrderRows(const BuildSheet& sheet);

// The page of a device in logical pixels: its size at 96 dots per inch.
QSizeF LogicalPageSize(const QPaintDevice& device);

// Paints the sheet over the whole of the painter's device: every page on a
// device that takes pages (a printer, a PDF), the tension page after them,
// the first one elsewhere.
void PaintSheet(QPainter& painter, const BuildSheet& sheet);
// One page of it (from 0) over the whole device, and how many there are.
void PaintSheetPage(QPainter& painter, const BuildSheet& sheet, int page);
int SheetPageCount(const BuildSheet& sheet, const QSizeF& page);

// A4, or Letter in the regions that use it.
QPageSize RegionPageSize(const QLocale& locale = QLocale());

}  // namespace rimora
