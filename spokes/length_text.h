#pragma once
// A length as the lacing table shows it ("285.4", "1,234.5"), back to its number.
#include <QString>

namespace rimora {

// The table writes lengths of a metre and more with the region's grouping
// separator, which the decimal conversion does not take; the separators are
// dropped only where they really group thousands, so a length typed with the
// other region's decimal point ("285.4" where the comma is decimal) is an
// EConvertError rather than 2854 mm.
double ReadBackLength(const QString& text);

}  // namespace rimora
