#include "spokes/locknut_offsets.h"

#include "platform/errors.h"
#include "wheel/wheel_fields.h"

#include <QCoreApplication>

namespace rimora {

namespace {

[[noreturn]] void Impossible(const QString& caption, const QString& why)
{
    throw EWheelInputError(QStringLiteral("%1: %2").arg(caption, why));
}

}  // namespace

FlangeOffsets FlangeOffsetsFromLocknuts(const QString& overLocknut, const QString& leftDistance,
                                        const QString& rightDistance)
{
    const QString oldCaption = QCoreApplication::translate("Spokes", "OLD, over-locknut width");
    const QString leftCaption = QCoreApplication::translate("Spokes", "Left locknut to flange");
    const QString rightCaption = QCoreApplication::translate("Spokes", "Right locknut to flange");
    const double width = ReadDecimalInput(oldCaption, overLocknut);
    const double left = ReadDecimalInput(leftCaption, leftDistance);
    const double right = ReadDecimalInput(rightCaption, rightDistance);
    if (!(width > 0))
        Impossible(oldCaption, QCoreApplication::translate("Spokes", "the width must be more than 0 mm."));
    if (!(left >= 0))
        Impossible(leftCaption, QCoreApplication::translate("Spokes", "the distance must be 0 mm or more."));
    if (!(right >= 0))
        Impossible(rightCaption, QCoreApplication::translate("Spokes", "the distance must be 0 mm or more."));
    const FlangeOffsets offsets{width / 2.0 - left, width / 2.0 - right};
    if (!(offsets.left > 0))
        Impossible(leftCaption,
                   QCoreApplication::translate("Spokes",
                                               "the flange would lie on or beyond the hub's centre; it must be "
                                               "less than half the over-locknut width."));
    if (!(offsets.right > 0))
        Impossible(rightCaption,
                   QCoreApplication::translate("Spokes",
                                               "the flange would lie on or beyond the hub's centre; it must be "
                                               "less than half the over-locknut width."));
    return offsets;
}

}  // namespace rimora
