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

// Decimal number with no grouping. The decimal mark is the region's; the other
// region's mark (a point or a comma) is read as the decimal mark too wherever
// it cannot be a thousands group ("27,5" is 27.5 in a point region, "1,590" is
// refused there). Surrounding blanks and an exponent are accepted.
bool TryStrToFloat(const QString& text, double& value, const QLocale& locale = QLocale());
double StrToFloat(const QString& text, const QLocale& locale = QLocale());  // throws EConvertError

// "#,##0.0" with literal text around it, e.g. " +#,##0.0mm". Rounds half away
// from zero; a negative value gets its minus sign in front of the whole result.
QString FormatFloat(const QString& format, double value, const QLocale& locale = QLocale());
// The lengths and differences of the table and the bill: "#,##0.0".
QString FormatLength(double value, const QLocale& locale = QLocale());

// General format with up to 15 significant digits ("5.625", "10", "1E-5").
QString FloatToStr(double value, const QLocale& locale = QLocale());

// Hole numbers: at least two digits ("01", "36", "-3").
QString FormatHoleNumber(int value);

}  // namespace rimora
