#include "spokes/wheel_description.h"

namespace rimora {

QStringList WheelDescriptionLines(const WheelDescriptionTexts& t)
{
    return {
        t.profile,
        t.rimType,
        QStringLiteral("HUB:") + t.hubHoles + QStringLiteral(" hole"),
        QStringLiteral("RIM:") + t.rimHoles + QStringLiteral(" hole"),
        QStringLiteral("ERD:") + t.erd + QStringLiteral(" mm"),
        QStringLiteral("WL:") + t.leftOffset + QStringLiteral(" mm  WR:") + t.rightOffset + QStringLiteral(" mm"),
        QStringLiteral("dL:") + t.leftFlange + QStringLiteral(" mm  dR:") + t.rightFlange + QStringLiteral(" mm"),
        QStringLiteral("S:") + t.spokeHole + QStringLiteral(" mm"),
        QStringLiteral("CL:") + t.leftCross + QStringLiteral(" cross  CR:") + t.rightCross + QStringLiteral(" cross"),
        QString(),
    };
}

QString JoinSummaryText(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) text += line + QStringLiteral("\r\n");
    return text;
}

}  // namespace rimora
