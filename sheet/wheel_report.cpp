#include "sheet/wheel_report.h"

#include "platform/number_text.h"
#include "spokes/wheel_notes.h"

#include <cmath>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace rimora {

namespace {

// Figures for other programs, with a point whatever the region.
constexpr Marks kPlain = Marks::Point;

// An equivalent cross to four places, as published figures give it.
double FourPlaces(double value)
{
    return std::round(value * 1e4) / 1e4;
}

QString SideLine(const QString& name, const SideSpan& side)
{
    QString line = QStringLiteral("%1: %2 spokes, %3 crosses, ").arg(name).arg(side.spokes).arg(CrossesText(side));
    if (side.equivalentCross)
        line.insert(line.size() - 2, QStringLiteral(" (equivalent %1)").arg(QString::number(FourPlaces(*side.equivalentCross), 'f', 4)));
    if (!side.Measured()) return line + QStringLiteral("no length\n");
    const QString lengths =
        side.HeadsBothWays()
            ? QStringLiteral("%1 (heads out) / %2 (heads in)")
                  .arg(LengthText(*side.headsOut, kPlain), LengthText(*side.headsIn, kPlain))
            : SpanText(LengthText(side.shortest, kPlain), LengthText(side.longest, kPlain));
    return line
           + QStringLiteral("%1 mm, order %2 mm, bracing %3°, %4 kgf\n")
                 .arg(lengths,
                      SpanText(OrderLengthText(side.shortestOrder, kPlain), OrderLengthText(side.longestOrder, kPlain)),
                      SpanText(AngleText(side.flattest, kPlain), AngleText(side.steepest, kPlain)),
                      TensionText(side.tension, kPlain));
}

// A figure rounded to what is printed, so the JSON number is exactly the
// text a reader of the lines or the table sees (lengths are read from
// one-decimal texts already).
QJsonValue Rounded(double value, int decimals)
{
    return QJsonValue(DecimalText(value, decimals, kPlain).toDouble());
}

// One value when every spoke of the side has it, else null.
QJsonValue OneValue(const SideSpan& side, double low, double high, int decimals)
{
    return side.Measured() && Rounded(low, decimals) == Rounded(high, decimals) ? Rounded(low, decimals)
                                                                                 : QJsonValue();
}

QJsonValue IfMeasured(const SideSpan& side, double value, int decimals)
{
    return side.Measured() ? Rounded(value, decimals) : QJsonValue();
}

QJsonObject SideObject(const SideSpan& side)
{
    QJsonObject o;
    o.insert(QStringLiteral("spokes"), side.spokes);
    o.insert(QStringLiteral("crosses"), side.crosses);
    o.insert(QStringLiteral("crossings"), side.crossings.Counted()
                                              ? QJsonValue(QJsonArray{side.crossings.fewest, side.crossings.most})
                                              : QJsonValue());
    o.insert(QStringLiteral("length"), OneValue(side, side.shortest, side.longest, 1));
    o.insert(QStringLiteral("shortest"), IfMeasured(side, side.shortest, 1));
    o.insert(QStringLiteral("longest"), IfMeasured(side, side.longest, 1));
    o.insert(QStringLiteral("orderLength"), OneValue(side, side.shortestOrder, side.longestOrder, 0));
    o.insert(QStringLiteral("shortestOrder"), IfMeasured(side, side.shortestOrder, 0));
    o.insert(QStringLiteral("longestOrder"), IfMeasured(side, side.longestOrder, 0));
    o.insert(QStringLiteral("bracing"), OneValue(side, side.flattest, side.steepest, 2));
    o.insert(QStringLiteral("flattestBracing"), IfMeasured(side, side.flattest, 2));
    o.insert(QStringLiteral("steepestBracing"), IfMeasured(side, side.steepest, 2));
    o.insert(QStringLiteral("tension"), IfMeasured(side, side.tension, 1));
    o.insert(QStringLiteral("flangeOffset"), Rounded(side.flangeOffset, 2));
    if (side.equivalentCross) o.insert(QStringLiteral("equivalentCross"), FourPlaces(*side.equivalentCross));
    return o;
}

QJsonValue HeadValue(SpokeHead head)
{
    switch (head) {
    case SpokeHead::In: return QStringLiteral("in");
    case SpokeHead::Out: return QStringLiteral("out");
    case SpokeHead::Unmodelled: break;
    }
    return QJsonValue();
}

QString DirectionName(SpokeLay lay)
{
    switch (lay) {
    case SpokeLay::Leading: return QStringLiteral("leading");
    case SpokeLay::Trailing: return QStringLiteral("trailing");
    case SpokeLay::Radial: break;
    }
    return QStringLiteral("radial");
}

}  // namespace

WheelReport ReportOf(const LacedWheel& laced)
{
    const Wheel& w = laced.wheel();
    WheelReport r;
    r.fileName = laced.fileName;
    r.inputs = {
        {QStringLiteral("rimType"), RimTypeName(w)},
        {QStringLiteral("hubHoles"), w.hubHoles},
        {QStringLiteral("rimHoles"), w.rimHoles},
        {QStringLiteral("erd"), w.erd},
        {QStringLiteral("leftFlangeDiameter"), w.leftFlange},
        {QStringLiteral("rightFlangeDiameter"), w.rightFlange},
        {QStringLiteral("leftFlangeOffset"), w.leftOffset},
        {QStringLiteral("rightFlangeOffset"), w.rightOffset},
        {QStringLiteral("spokeHole"), w.spokeHole},
        {QStringLiteral("leftCrosses"), w.leftCross},
        {QStringLiteral("rightCrosses"), w.rightCross},
        {QStringLiteral("angleDifference"), w.angleDifference},
        {QStringLiteral("rimOffset"), w.rimOffset},
        {QStringLiteral("tension"), w.tension},
        {QStringLiteral("spokeDiameter"), w.spokeDiameter},
        {QStringLiteral("orderStep"), w.orderStep},
        {QStringLiteral("hubKind"), w.hubKind == StraightPullHub ? QStringLiteral("straight-pull") : QStringLiteral("J-bend")},
        {QStringLiteral("leftTangentOffset"), w.leftTangent},
        {QStringLiteral("rightTangentOffset"), w.rightTangent},
        {QStringLiteral("leftFlangeThickness"), w.leftFlangeThickness},
        {QStringLiteral("rightFlangeThickness"), w.rightFlangeThickness},
        {QStringLiteral("leftHeads"), HeadsPatternName(w.leftHeads)},
        {QStringLiteral("rightHeads"), HeadsPatternName(w.rightHeads)},
    };
    // Where the holes lie, for a wheel whose holes do not lie evenly.
    if (!EvenlySpacedHoles(w)) {
        static const char* const kSplits[] = {"equal", "2:1 right", "2:1 left"};
        static const char* const kDrillings[] = {"alternate", "groups", "centred"};
        const auto name = [](const char* const (&names)[3], int i) {
            return QString::fromLatin1(names[i >= 0 && i < 3 ? i : 0]);
        };
        r.inputs.insert(r.inputs.end(),
                        {{QStringLiteral("hubSplit"), name(kSplits, w.hubSplit)},
                         {QStringLiteral("rimDrilling"), name(kDrillings, w.rimDrilling)},
                         {QStringLiteral("crossedPattern"),
                          w.crossedPattern == LongerSpan ? QStringLiteral("longer") : QStringLiteral("shorter")},
                         {QStringLiteral("flangeHoleOffset"), w.flangeOffset},
                         {QStringLiteral("hubPairAngle"), w.hubPairAngle},
                         {QStringLiteral("rimPairAngle"), w.rimPairAngle}});
    }
    r.sides = SpansOfTable(*laced.table, w);
    r.spokes = LacedSpokes(*laced.table, w, r.sides);
    r.order = OrderListOf(r.spokes);
    r.notes = WheelNotes(*laced.table, w);
    r.parts = w.parts;
    return r;
}

QString ReportLines(const WheelReport& r)
{
    QString lines = SideLine(QStringLiteral("left"), r.sides.left) + SideLine(QStringLiteral("right"), r.sides.right);
    if (!r.order.empty()) lines += QStringLiteral("order: %1\n").arg(OrderListText(r.order, kPlain));
    for (const QString& note : r.notes) lines += QStringLiteral("note: %1\n").arg(note);
    return lines;
}

QString ReportJson(const WheelReport& r)
{
    QJsonObject inputs;
    for (const auto& [name, value] : r.inputs) inputs.insert(name, value);
    QJsonObject sides;
    sides.insert(QStringLiteral("left"), SideObject(r.sides.left));
    sides.insert(QStringLiteral("right"), SideObject(r.sides.right));
    QJsonArray spokes;
    for (const LacedSpoke& s : r.spokes) {
        QJsonObject o;
        o.insert(QStringLiteral("hub"), s.hub);
        o.insert(QStringLiteral("rim"), s.rim);
        o.insert(QStringLiteral("side"), s.left ? QStringLiteral("left") : QStringLiteral("right"));
        o.insert(QStringLiteral("length"), s.length ? Rounded(*s.length, 1) : QJsonValue());
        o.insert(QStringLiteral("orderLength"), s.orderLength ? Rounded(*s.orderLength, 0) : QJsonValue());
        o.insert(QStringLiteral("direction"), DirectionName(s.lay));
        o.insert(QStringLiteral("head"), HeadValue(s.head));
        o.insert(QStringLiteral("entryAngle"), s.entryAngle ? Rounded(*s.entryAngle, 1) : QJsonValue());
        spokes.append(o);
    }
    QJsonArray order;
    for (const OrderLine& line : r.order)
        order.append(QJsonObject{{QStringLiteral("length"), Rounded(line.length, 0)},
                                 {QStringLiteral("left"), line.left},
                                 {QStringLiteral("right"), line.right}});
    QJsonObject root;
    root.insert(QStringLiteral("profile"), r.fileName);
    root.insert(QStringLiteral("inputs"), inputs);
    root.insert(QStringLiteral("sides"), sides);
    root.insert(QStringLiteral("notes"), QJsonArray::fromStringList(r.notes));
    root.insert(QStringLiteral("order"), order);
    root.insert(QStringLiteral("parts"), QJsonObject{{QStringLiteral("hub"), r.parts.hub},
                                                     {QStringLiteral("rim"), r.parts.rim},
                                                     {QStringLiteral("spokes"), r.parts.spokes},
                                                     {QStringLiteral("nipples"), r.parts.nipples}});
    root.insert(QStringLiteral("remarks"), r.parts.remarks);
    root.insert(QStringLiteral("spokes"), spokes);
    return QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

}  // namespace rimora
