#include "spokes/wheel_numbers.h"

#include "platform/convert.h"
#include "platform/errors.h"
#include "spokes/rim_offset.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace rimora {

namespace {

[[noreturn]] void NotANumber(const QString& caption, const QString& text, bool decimal)
{
    QString message = QCoreApplication::translate("Spokes", "%1: '%2' is not a number").arg(caption, text);
    if (decimal)
        message += QCoreApplication::translate("Spokes", " (the decimal separator here is '%1')")
                       .arg(QLocale().decimalPoint());
    throw EConvertError(message + QLatin1Char('.'));
}

double Decimal(const QString& caption, const QString& text)
{
    double value = 0;
    if (!TryStrToFloat(text, value) || !std::isfinite(value)) NotANumber(caption, text, true);
    return value;
}

int Whole(const QString& caption, const QString& text)
{
    int value = 0;
    if (!TryStrToInt(text, value)) NotANumber(caption, text, false);
    return value;
}

[[noreturn]] void Impossible(const QString& caption, const QString& why)
{
    throw EWheelInputError(QStringLiteral("%1: %2").arg(caption, why));
}

QString Millimetres(double value)
{
    return FormatLength(value) + QStringLiteral(" mm");
}

void CheckTension(double tension)
{
    if (!(tension > 0))
        Impossible(QCoreApplication::translate("Spokes", "Tension"),
                   QCoreApplication::translate("Spokes", "the tension must be more than 0 kgf."));
}

void CheckSpokeDiameter(double diameter)
{
    if (!(diameter > 0))
        Impossible(QCoreApplication::translate("Spokes", "Spoke Ø"),
                   QCoreApplication::translate("Spokes", "the spoke's diameter must be more than 0 mm."));
}

void CheckOrderStep(int step)
{
    if (step != 1 && step != 2)
        Impossible(QCoreApplication::translate("Spokes", "Order step"),
                   QCoreApplication::translate("Spokes", "spokes are sold in steps of 1 or 2 mm."));
}

void CheckRimOffset(double offset)
{
    if (!(offset >= 0))
        Impossible(
            QCoreApplication::translate("Spokes", "Rim offset"),
            QCoreApplication::translate("Spokes",
                                        "the offset is a distance, 0 or more; the holes are always moved toward the "
                                        "flange farther from the centre plane."));
}

}  // namespace

double ReadDecimalInput(const QString& caption, const QString& text)
{
    return Decimal(caption, text);
}

double ReadRimOffset(const QString& text)
{
    const double offset = Decimal(QCoreApplication::translate("Spokes", "Rim offset"), text);
    CheckRimOffset(offset);
    return offset;
}

void CheckFlangeOffsets(double leftOffset, double rightOffset, double rimOffset)
{
    // Spokes need a flange on each side of the rim's plane to brace it.
    if (!(leftOffset > 0))
        Impossible(QStringLiteral("WL"),
                   QCoreApplication::translate("Spokes",
                                               "the left flange must lie left of the centre plane, more than 0 mm."));
    if (!(rightOffset > 0))
        Impossible(QStringLiteral("WR"),
                   QCoreApplication::translate("Spokes",
                                               "the right flange must lie right of the centre plane, more than 0 mm."));
    const EffectiveOffsets w = ApplyRimOffset(leftOffset, rightOffset, rimOffset);
    if (!(w.left > 0 && w.right > 0))
        Impossible(
            QCoreApplication::translate("Spokes", "Rim offset"),
            QCoreApplication::translate("Spokes",
                                        "%1 reaches the %2 flange's offset of %3: the rim's holes would sit in that "
                                        "flange's plane or beyond it. It must be less than %3.")
                .arg(Millimetres(rimOffset),
                     w.holesTowardLeft ? QCoreApplication::translate("Spokes", "left")
                                       : QCoreApplication::translate("Spokes", "right"),
                     Millimetres(std::max(leftOffset, rightOffset))));
}

void ReadSideInputs(const WheelTexts& t, WheelNumbers& n)
{
    n.rimOffset = ReadRimOffset(t.rimOffset);
    n.tension = Decimal(QCoreApplication::translate("Spokes", "Tension"), t.tension);
    CheckTension(n.tension);
    n.spokeDiameter = Decimal(QCoreApplication::translate("Spokes", "Spoke Ø"), t.spokeDiameter);
    CheckSpokeDiameter(n.spokeDiameter);
    n.orderStep = Whole(QCoreApplication::translate("Spokes", "Order step"), t.orderStep);
    CheckOrderStep(n.orderStep);
}

WheelNumbers ReadWheelNumbers(const WheelTexts& t)
{
    WheelNumbers n;
    n.hubHoles = Whole(QStringLiteral("HUB"), t.lengths.hubHoles);
    n.rimHoles = Whole(QStringLiteral("RIM"), t.lengths.rimHoles);
    n.erd = Decimal(QStringLiteral("ERD"), t.lengths.erd);
    n.leftOffset = Decimal(QStringLiteral("WL"), t.lengths.leftOffset);
    n.rightOffset = Decimal(QStringLiteral("WR"), t.lengths.rightOffset);
    n.leftFlange = Decimal(QStringLiteral("dL"), t.lengths.leftFlange);
    n.rightFlange = Decimal(QStringLiteral("dR"), t.lengths.rightFlange);
    n.spokeHole = Decimal(QStringLiteral("S"), t.lengths.spokeHole);
    n.leftCross = Whole(QStringLiteral("CL"), t.leftCross);
    n.rightCross = Whole(QStringLiteral("CR"), t.rightCross);
    ReadSideInputs(t, n);
    CheckWheelNumbers(n);
    return n;
}

void CheckWheelNumbers(const WheelNumbers& n)
{
    for (const auto& [caption, value] : {std::pair{QStringLiteral("ERD"), n.erd},
                                         {QStringLiteral("dL"), n.leftFlange},
                                         {QStringLiteral("dR"), n.rightFlange},
                                         {QStringLiteral("S"), n.spokeHole}}) {
        if (!std::isfinite(value))
            Impossible(caption, QCoreApplication::translate("Spokes", "the number is out of range."));
    }
    if (n.hubHoles <= 0)
        Impossible(QStringLiteral("HUB"), QCoreApplication::translate("Spokes", "choose the hub's hole count."));
    if (n.rimHoles <= 0)
        Impossible(QStringLiteral("RIM"), QCoreApplication::translate("Spokes", "choose the rim's hole count."));
    CheckRimOffset(n.rimOffset);
    CheckFlangeOffsets(n.leftOffset, n.rightOffset, n.rimOffset);
    if (!(n.spokeHole >= 0))
        Impossible(QStringLiteral("S"),
                   QCoreApplication::translate("Spokes", "the spoke hole's diameter must be 0 mm or more."));
    CheckTension(n.tension);
    CheckSpokeDiameter(n.spokeDiameter);
    CheckOrderStep(n.orderStep);
}

}  // namespace rimora
