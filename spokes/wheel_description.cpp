#include "spokes/wheel_description.h"

#include "platform/convert.h"
#include "spokes/spoke_line.h"

namespace rimora {

QStringList WheelDescriptionLines(const Wheel& w, const QString& profileName)
{
    const auto mm = [](double value) { return FloatToStr(value); };
    const auto count = [](int value) { return value > 0 ? QString::number(value) : QString(); };
    QStringList lines{
        profileName,
        RimTypeName(w),
        QStringLiteral("HUB:") + count(w.hubHoles) + QStringLiteral(" hole"),
        QStringLiteral("RIM:") + count(w.rimHoles) + QStringLiteral(" hole"),
        QStringLiteral("ERD:") + mm(w.erd) + QStringLiteral(" mm"),
        QStringLiteral("WL:") + mm(w.leftOffset) + QStringLiteral(" mm  WR:") + mm(w.rightOffset) + QStringLiteral(" mm"),
        QStringLiteral("dL:") + mm(w.leftFlange) + QStringLiteral(" mm  dR:") + mm(w.rightFlange) + QStringLiteral(" mm"),
        QStringLiteral("S:") + mm(w.spokeHole) + QStringLiteral(" mm"),
        QStringLiteral("CL:") + QString::number(w.leftCross) + QStringLiteral(" cross  CR:")
            + QString::number(w.rightCross) + QStringLiteral(" cross"),
    };
    // The hub's build, in the summary's own terse form, only where it is not a plain J-bend hub.
    if (w.hubKind == StraightPullHub)
        lines << QStringLiteral("straight-pull  tL:") + mm(w.leftTangent) + QStringLiteral(" mm  tR:") + mm(w.rightTangent)
                     + QStringLiteral(" mm");
    else if (w.leftFlangeThickness > 0 || w.rightFlangeThickness > 0)
        lines << QStringLiteral("flange L:") + mm(w.leftFlangeThickness) + QStringLiteral(" mm  R:")
                     + mm(w.rightFlangeThickness) + QStringLiteral(" mm  heads L:") + HeadsPatternName(w.leftHeads)
                     + QStringLiteral("  R:") + HeadsPatternName(w.rightHeads);
    return lines << QString();
}

QString JoinSummaryText(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) text += line + QStringLiteral("\r\n");
    return text;
}

}  // namespace rimora
