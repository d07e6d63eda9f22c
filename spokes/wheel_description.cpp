#include "spokes/wheel_description.h"

#include "platform/convert.h"

namespace rimora {

QStringList WheelDescriptionLines(const Wheel& w, const QString& profileName)
{
    const auto mm = [](double value) { return FloatToStr(value); };
    const auto count = [](int value) { return value > 0 ? QString::number(value) : QString(); };
    return {
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
