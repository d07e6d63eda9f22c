#include "sheet/wheel_report.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace rimora {

namespace {

QString PointDecimal(double mm)
{
    return QString::number(mm, 'f', 1);
}

QString SideLine(const QString& name, const SideFigures& side)
{
    QString length = QStringLiteral("no length");
    if (side.measured > 0)
        length = (side.SingleLength() ? PointDecimal(side.shortest)
                                      : PointDecimal(side.shortest) + QStringLiteral(" - ") + PointDecimal(side.longest))
                 + QStringLiteral(" mm");
    return QStringLiteral("%1: %2 spokes, %3 crosses, %4\n").arg(name).arg(side.spokes).arg(side.crosses).arg(length);
}

// Lengths are read from one-decimal texts; rounding again keeps the JSON
// number exactly as the table shows it.
QJsonValue LengthValue(double mm)
{
    return QJsonValue(PointDecimal(mm).toDouble());
}

QJsonObject SideObject(const SideFigures& side)
{
    QJsonObject o;
    o.insert(QStringLiteral("spokes"), side.spokes);
    o.insert(QStringLiteral("crosses"), side.crosses);
    o.insert(QStringLiteral("measured"), side.measured);
    o.insert(QStringLiteral("length"), side.SingleLength() ? LengthValue(side.shortest) : QJsonValue());
    o.insert(QStringLiteral("shortest"), side.measured > 0 ? LengthValue(side.shortest) : QJsonValue());
    o.insert(QStringLiteral("longest"), side.measured > 0 ? LengthValue(side.longest) : QJsonValue());
    return o;
}

}  // namespace

WheelReport ReportOf(const SavedWheel& w)
{
    WheelReport r;
    r.fileName = w.fileName;
    r.inputs = {
        {QStringLiteral("rimType"), w.rimType},
        {QStringLiteral("hubHoles"), w.hubHoles},
        {QStringLiteral("rimHoles"), w.rimHoles},
        {QStringLiteral("erd"), w.erd},
        {QStringLiteral("leftFlangeDiameter"), w.leftFlange},
        {QStringLiteral("rightFlangeDiameter"), w.rightFlange},
        {QStringLiteral("leftFlangeOffset"), w.leftOffset},
        {QStringLiteral("rightFlangeOffset"), w.rightOffset},
        {QStringLiteral("spokeHole"), w.spokeHole},
        {QStringLiteral("leftCrosses"), QString::number(w.leftCross)},
        {QStringLiteral("rightCrosses"), QString::number(w.rightCross)},
        {QStringLiteral("angleDifference"), w.angleDifference},
    };
    r.spokes = LacedSpokes(*w.table);
    r.sides = SideFiguresOf(r.spokes, w.leftCross, w.rightCross);
    return r;
}

QString ReportLines(const WheelReport& r)
{
    return SideLine(QStringLiteral("left"), r.sides.left) + SideLine(QStringLiteral("right"), r.sides.right);
}

QString ReportJson(const WheelReport& r)
{
    QJsonObject inputs;
    for (const auto& [name, text] : r.inputs) inputs.insert(name, text);
    QJsonObject sides;
    sides.insert(QStringLiteral("left"), SideObject(r.sides.left));
    sides.insert(QStringLiteral("right"), SideObject(r.sides.right));
    QJsonArray spokes;
    for (const LacedSpoke& s : r.spokes) {
        QJsonObject o;
        o.insert(QStringLiteral("hub"), s.hub);
        o.insert(QStringLiteral("rim"), s.rim);
        o.insert(QStringLiteral("side"), s.left ? QStringLiteral("left") : QStringLiteral("right"));
        o.insert(QStringLiteral("length"), s.length ? LengthValue(*s.length) : QJsonValue());
        spokes.append(o);
    }
    QJsonObject root;
    root.insert(QStringLiteral("profile"), r.fileName);
    root.insert(QStringLiteral("inputs"), inputs);
    root.insert(QStringLiteral("sides"), sides);
    root.insert(QStringLiteral("spokes"), spokes);
    return QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

}  // namespace rimora
