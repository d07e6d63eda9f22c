#include "drawing/bead_seat.h"

#include "platform/convert.h"

namespace rimora {

int BeadSeatDiameter(const QString& rimTypeText)
{
    // indexOf gives -1 without a colon, so the text is then read from its start.
    const qsizetype colon = rimTypeText.indexOf(QLatin1Char(':'));
    return StrToInt(rimTypeText.mid(colon + 1, 3));
}

}  // namespace rimora
