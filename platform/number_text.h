#pragma once
// Every figure the program writes for a person or for another program: spoke
// lengths and other millimetres, order lengths, angles and tensions. Each kind
// is rounded one way, half away from zero, and written with the marks of where
// it goes.
#include <QLocale>
#include <QString>

namespace rimora {

enum class Marks {
    // The region's decimal mark and thousands groups ("1,234.5", "1.234,5"):
    // the table, the bill and the build sheet.
    Region,
    // The region's decimal mark without groups ("1234.5", "1234,5"): the
    // thousands sign of many regions is the other region's decimal mark, and a
    // line of several figures that shows both cannot be read at a glance.
    RegionUngrouped,
    // A point and no groups whatever the region, as C writes it: what the
    // command line prints and JSON carries.
    Point,
};

// `decimals` places (0 to 3); the region is the default QLocale at the call.
QString DecimalText(double value, int decimals, Marks marks, const QLocale& region = QLocale());

// A calculated spoke length to a tenth. The length is first taken to a
// millionth, so that a spoke of exactly 305.75 mm computed as
// 305.74999999999994 shows 305.8, as its twin on the other side does.
QString SpokeLengthText(double mm, Marks marks = Marks::Region);
// The length that text shows, as a number: what the table keeps beside it.
double SpokeLengthTenths(double mm);
// Any other millimetres: steps, spreads, averages, offsets.
QString LengthText(double mm, Marks marks = Marks::Region, int decimals = 1);
// The length to order, in whole millimetres.
QString OrderLengthText(double mm, Marks marks = Marks::Region);
QString AngleText(double degrees, Marks marks = Marks::Region, int decimals = 1);
QString TensionText(double kgf, Marks marks = Marks::Region);

}  // namespace rimora
