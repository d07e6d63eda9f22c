#pragma once
// Text <-> number conversions with the rules the whole program shares.
// Decimal and grouping separators come from the default QLocale at the moment
// of the call, so a change of region takes effect at once.
#include <QLocale>
#include <QString>

namespace rimora {

// True exactly when StrToInt accepts the whole text: leading spaces, one
// optional sign, then decimal digits within 32 bits or a hexadecimal number
// introduced by "$", "x", "X", "0x" or "0X". Nothing may follow.
bool IsIntegerText(const QString& text);
bool TryStrToInt(const QString& text, int& value);
int StrToInt(const QString& text);  // throws EConvertError

// A decimal number as the user types it. The region's decimal mark is the
// decimal mark; its group separator is read in groups of three digits before
// it ("1,590.5" in a point region); the other region's mark (a point or a
// comma) alone is a decimal mark wherever it cannot be a group ("27,5" is
// 27.5 in a point region). Surrounding blanks and an exponent are accepted.
struct DecimalReading {
    bool ok = false;          // `value` is the number
    bool twoWays = false;     // a grouped whole number or a decimal ("1,590"): refused
    double value = 0;         // the number; for a two-way text, its grouped reading
    double decimalValue = 0;  // for a two-way text, its reading with a decimal mark
};
DecimalReading ReadDecimal(const QString& text, const QLocale& locale = QLocale());
bool TryStrToFloat(const QString& text, double& value, const QLocale& locale = QLocale());
double StrToFloat(const QString& text, const QLocale& locale = QLocale());  // throws EConvertError

// A decimal the program writes into a profile or the settings has one point
// or comma at most, and that is its decimal mark whichever region wrote it.
// Such a text comes back with the region's own mark in its place ("41.125"
// becomes "41,125" in a comma region), to show and read as typed; any other
// text, such as one typed with groups, comes back as it is.
QString FileDecimalInRegion(const QString& text, const QLocale& locale = QLocale());
// What a decimal input writes into a file: the text as typed, but a number
// typed with groups ("1,590.5") without them ("1590.5"), so that its one
// mark is read as the decimal mark in any region.
QString DecimalForFile(const QString& text, const QLocale& locale = QLocale());

// "#,##0.0" with literal text around it (written by DecimalText of
// platform/number_text.h, where every figure the program shows is made), e.g. " +#,##0.0mm". Rounds half away
// from zero; a negative value gets its minus sign in front of the whole result.
QString FormatFloat(const QString& format, double value, const QLocale& locale = QLocale());
// The lengths and differences of the table and the bill: "#,##0.0".
QString FormatLength(double value, const QLocale& locale = QLocale());

// General format with up to 15 significant digits ("5.625", "10", "1E-5").
QString FloatToStr(double value, const QLocale& locale = QLocale());

// Hole numbers: at least two digits ("01", "36", "-3").
QString FormatHoleNumber(int value);

}  // namespace rimora
