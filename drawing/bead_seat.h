#pragma once
// The rim size as the rim-type list writes it, "700c:622": a name, a colon and
// the bead seat diameter in whole millimetres as three digits.
#include <QString>

namespace rimora {

// The bead seat diameter, mm: the three characters after the first ':' read as
// a whole number (the first three characters when there is no colon). Throws
// EConvertError when they are not a number.
int BeadSeatDiameter(const QString& rimTypeText);

}  // namespace rimora
