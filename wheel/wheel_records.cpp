#include "wheel/wheel_records.h"

#include "lacing/crossing_rule.h"
#include "platform/color.h"
#include "platform/convert.h"
#include "wheel/wheel_choices.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <cmath>

namespace rimora {

namespace {

using K = RecordKind;
using P = RecordPage;
using F = WheelField;

constexpr WheelRecord List(const char* key, RecordKind kind, WheelMember member, double initial,
                           std::optional<WheelField> field, QStringList (*items)(), const char* caption,
                           const char* unit = nullptr, const char* label = nullptr)
{
    return {key, kind, P::Data, member, initial, 0, 0, field, items, caption, label, unit};
}

struct Range {
    double lowest;
    double highest;
};

constexpr WheelRecord Decimal(const char* key, RecordPage page, double Wheel::*member, double initial, Range range,
                              WheelField field, const char* caption, const char* unit = "mm",
                              const char* label = nullptr)
{
    return {key,     K::Decimal, page,  member, initial, 0, 0, field, nullptr, caption, label,
            unit,    range.lowest, range.highest};
}

// What real parts span, with room for the odd ones; a value outside is a typo
// or a wheel that cannot be built, and would give lengths that mean nothing.
// ERD: from a 12" child's wheel (about 200 mm) past a 36" unicycle (about
// 880 mm) to a 60" high wheeler's front wheel (about 1500 mm); everyday rims
// are 250 to 640 mm.
constexpr Range kErd{100, 1600};
// Flange hole circles: 30 to 70 mm on ordinary hubs, up to about 250 mm on
// hub motors and internal gear hubs.
constexpr Range kFlange{10, 300};
// Centre to flange: 0 would put the flange in the rim's plane, which braces
// nothing; a fat bike's 197 mm hub keeps its flanges within about 80 mm.
constexpr Range kFlangeOffset{1, 100};
// The flange's spoke hole: 0 takes no correction; holes are 2.2 to 2.6 mm,
// 6 mm leaves room for motor flanges drilled for thick spokes.
constexpr Range kSpokeHole{0, 6};
// Holes off the rim's centre: asymmetric road and mountain rims 2 to 6 mm,
// fat bike rims more; the flange offsets bound it further.
constexpr Range kRimOffset{0, 30};
// Rims are built to 60 to 160 kgf; a 2.0 mm stainless spoke breaks near
// 350 kgf, so no wheel stands 300 kgf, and under 10 kgf is a slack wheel.
constexpr Range kTension{10, 300};
// Gauges 1.5 to 2.3 mm are the bicycle's (15 to 13 G); moped and motor hub
// spokes go to 3.5 mm (10 G is 3.2 mm).
constexpr Range kSpokeDiameter{1, 4};
// A straight-pull spoke's line lies within a few millimetres of its seat's
// centre, either way.
constexpr Range kTangent{-10, 10};
// Flanges are 2.5 to 3.5 mm thick on ordinary hubs, up to about 8 mm on hub
// motors; 0 leaves the heads out.
constexpr Range kFlangeThickness{0, 10};
// The hub's turn against the rim: one turn either way covers every setting.
constexpr Range kAngle{-360, 360};
// Between the flanges' holes: within one pitch of the sparsest flange laced.
constexpr Range kFlangeTurn{0, 60};
// A hub pair's holes: from touching to the pitch of a 12-hole flange; a rim's
// pairs sit a few degrees apart.
constexpr Range kHubPair{0, 30};
constexpr Range kRimPair{0, 10};

constexpr WheelRecord Spin(const char* key, RecordPage page, WheelMember member, int initial, int minimum, int maximum,
                           std::optional<WheelField> field = std::nullopt, const char* caption = nullptr)
{
    return {key,     K::Spin, page,    member, static_cast<double>(initial), minimum, maximum, field,
            nullptr, caption, nullptr, nullptr};
}

constexpr WheelRecord Colour(const char* key, WheelMember member, TColor initial)
{
    return {key,     K::Colour, P::Draw, member, static_cast<double>(initial), 0, 0, std::nullopt,
            nullptr, nullptr,   nullptr, nullptr};
}

constexpr WheelRecord Flag(const char* key, WheelMember member, bool initial, const char* label)
{
    return {key, K::Flag, P::Draw, member, initial ? 1.0 : 0.0, 0, 0, std::nullopt, nullptr, nullptr, label, nullptr};
}

constexpr WheelRecord WheelText(const char* key, RecordKind kind, QString WheelParts::*member, const char* caption,
                                const char* label)
{
    return {key, kind, P::None, member, 0, 0, 0, std::nullopt, nullptr, caption, label, nullptr};
}

constexpr WheelRecord Quiet(WheelRecord record)
{
    record.quiet = true;
    return record;
}

// A text of the tension log: written only once the wheel has one.
constexpr WheelRecord Log(const char* key, int slot)
{
    return {key,     K::Log,  P::None, LogText{slot}, 0, 0, 0, std::nullopt,
            nullptr, nullptr, nullptr, nullptr, 0, 0, true};
}

constexpr WheelRecord Plain(const char* key, RecordKind kind, RecordPage page)
{
    return {key, kind, page, std::monostate{}, 0, 0, 0, std::nullopt, nullptr, nullptr, nullptr, nullptr};
}

// In the order of the files' records. The inputs that came after the first
// program carry a label: the "Data" tab lays them out from here, in order.
constexpr WheelRecord kRecords[] = {
    List("TyCB", K::RimList, &Wheel::rimType, 0, std::nullopt, RimSizeItems, nullptr),
    List("HubCB", K::CountList, &Wheel::hubHoles, 0, F::HubHoles, HoleCountItems,
         QT_TRANSLATE_NOOP("WheelFields", "HUB"), QT_TRANSLATE_NOOP("rimora::TMainF", "Hole")),
    List("RimCB", K::CountList, &Wheel::rimHoles, 0, F::RimHoles, HoleCountItems,
         QT_TRANSLATE_NOOP("WheelFields", "RIM"), QT_TRANSLATE_NOOP("rimora::TMainF", "Hole")),
    Decimal("dRE", P::Data, &Wheel::rightFlange, 41, kFlange, F::RightFlange,
            QT_TRANSLATE_NOOP("WheelFields", "dR, right flange diameter")),
    Decimal("dLE", P::Data, &Wheel::leftFlange, 41, kFlange, F::LeftFlange,
            QT_TRANSLATE_NOOP("WheelFields", "dL, left flange diameter")),
    Spin("CLE", P::Data, &Wheel::leftCross, 3, 0, kMaxCrossNumber, F::LeftCross,
         QT_TRANSLATE_NOOP("WheelFields", "CL, left cross")),
    Decimal("WLE", P::Data, &Wheel::leftOffset, 27.5, kFlangeOffset, F::LeftOffset,
            QT_TRANSLATE_NOOP("WheelFields", "WL, width from center to left flange")),
    Decimal("WRE", P::Data, &Wheel::rightOffset, 18.1, kFlangeOffset, F::RightOffset,
            QT_TRANSLATE_NOOP("WheelFields", "WR, width from center to right flange")),
    Decimal("ShE", P::Data, &Wheel::spokeHole, 2.5, kSpokeHole, F::SpokeHole,
            QT_TRANSLATE_NOOP("WheelFields", "S, spoke hole diameter")),
    Decimal("ErdE", P::Data, &Wheel::erd, 590, kErd, F::Erd, QT_TRANSLATE_NOOP("WheelFields", "ERD")),
    Spin("CRE", P::Data, &Wheel::rightCross, 3, 0, kMaxCrossNumber, F::RightCross,
         QT_TRANSLATE_NOOP("WheelFields", "CR, right cross")),
    Plain("SG1", K::Grid, P::Spoke),
    Decimal("AdE", P::Spoke, &Wheel::angleDifference, 0, kAngle, F::AngleDifference,
            QT_TRANSLATE_NOOP("WheelFields", "angle difference"), nullptr),
    Colour("CL1", &WheelStyle::background, colors::SkyBlue),
    Colour("CL2", &WheelStyle::rimOuter, colors::Silver),
    Colour("CL3", &WheelStyle::rimInner, colors::Gray),
    Colour("CL4", &WheelStyle::hub, colors::MedGray),
    Colour("CL5", &WheelStyle::rightSpoke, colors::Blue),
    Colour("CL6", &WheelStyle::leftSpoke, colors::Lime),
    Colour("CL7", std::monostate{}, colors::Red),  // kept in files, never shown
    Spin("RIMBK", P::Draw, &WheelStyle::rimBandMm, 8, 0, 9),
    Spin("RIMID", P::Draw, &WheelStyle::rimInnerMm, 1, 0, 9),
    Spin("HUBOD", P::Draw, &WheelStyle::hubMarginMm, 6, 0, 9),
    Spin("SpkD", P::Draw, &WheelStyle::spokeWidth, 2, 1, 10),
    Flag("AuCB", std::monostate{}, true, QT_TRANSLATE_NOOP("rimora::TMainF", "Auto ReDraw")),
    Flag("RNCB", &WheelStyle::numbers, true, QT_TRANSLATE_NOOP("rimora::TMainF", "RIM hole No.")),
    {"Ssd", K::Radio, P::Draw, &WheelStyle::sideIndex, BothSides, 0, 0, std::nullopt, SpokeSideItems, nullptr,
     QT_TRANSLATE_NOOP("rimora::TMainF", "Spoke Drawing"), nullptr},
    Decimal("RimOffE", P::Data, &Wheel::rimOffset, 0, kRimOffset, F::RimOffset, QT_TRANSLATE_NOOP("WheelFields", "Rim offset"),
            "mm", QT_TRANSLATE_NOOP("rimora::TMainF", "Rim offset, holes off centre:")),
    Decimal("TensionE", P::Data, &Wheel::tension, 120, kTension, F::Tension, QT_TRANSLATE_NOOP("WheelFields", "Tension"), "kgf",
            QT_TRANSLATE_NOOP("rimora::TMainF", "Tension, tighter side:")),
    Decimal("SpokeDiaE", P::Data, &Wheel::spokeDiameter, 2, kSpokeDiameter, F::SpokeDiameter,
            QT_TRANSLATE_NOOP("WheelFields", "Spoke Ø"), "mm",
            QT_TRANSLATE_NOOP("rimora::TMainF", "Spoke Ø, thinnest:")),
    List("OrderStepCB", K::CountList, &Wheel::orderStep, 2, F::OrderStep, OrderStepItems,
         QT_TRANSLATE_NOOP("WheelFields", "Order step"), "mm",
         QT_TRANSLATE_NOOP("rimora::TMainF", "Order step, spokes sold in:")),
    Flag("HNCB", &WheelStyle::hubNumbers, false, QT_TRANSLATE_NOOP("rimora::TMainF", "HUB hole No.")),
    // The recent profiles: kept by the settings file only.
    Plain("RecentL", K::Text, P::None),
    // What the wheel is built from and the builder's remarks: on a dialog of
    // their own, at the head of the sheet.
    WheelText("HubNameE", K::Name, &WheelParts::hub, QT_TRANSLATE_NOOP("WheelFields", "Hub"),
              QT_TRANSLATE_NOOP("rimora::TMainF", "Hub:")),
    WheelText("RimNameE", K::Name, &WheelParts::rim, QT_TRANSLATE_NOOP("WheelFields", "Rim"),
              QT_TRANSLATE_NOOP("rimora::TMainF", "Rim:")),
    WheelText("SpokesNameE", K::Name, &WheelParts::spokes, QT_TRANSLATE_NOOP("WheelFields", "Spokes"),
              QT_TRANSLATE_NOOP("rimora::TMainF", "Spokes:")),
    WheelText("NipplesNameE", K::Name, &WheelParts::nipples, QT_TRANSLATE_NOOP("WheelFields", "Nipples"),
              QT_TRANSLATE_NOOP("rimora::TMainF", "Nipples:")),
    WheelText("RemarksM", K::Remarks, &WheelParts::remarks, QT_TRANSLATE_NOOP("WheelFields", "Remarks"),
              QT_TRANSLATE_NOOP("rimora::TMainF", "Remarks:")),
    // The hub's build: on a dialog of its own, shown only where it applies.
    Quiet({"HubKindRG", K::Radio, P::None, &Wheel::hubKind, JBendHub, 0, 0, std::nullopt, HubKindItems, nullptr,
     QT_TRANSLATE_NOOP("rimora::TMainF", "Hub kind"), nullptr}),
    Quiet(Decimal("TanLE", P::None, &Wheel::leftTangent, 0, kTangent, F::LeftTangent,
            QT_TRANSLATE_NOOP("WheelFields", "tL, left spoke line ahead of its seat"), "mm",
            QT_TRANSLATE_NOOP("rimora::TMainF", "tL, left line ahead of the seat:"))),
    Quiet(Decimal("TanRE", P::None, &Wheel::rightTangent, 0, kTangent, F::RightTangent,
            QT_TRANSLATE_NOOP("WheelFields", "tR, right spoke line ahead of its seat"), "mm",
            QT_TRANSLATE_NOOP("rimora::TMainF", "tR, right line ahead of the seat:"))),
    Quiet(Decimal("FlThLE", P::None, &Wheel::leftFlangeThickness, 0, kFlangeThickness, F::LeftFlangeThickness,
            QT_TRANSLATE_NOOP("WheelFields", "Left flange thickness"), "mm",
            QT_TRANSLATE_NOOP("rimora::TMainF", "Left flange thickness:"))),
    Quiet(Decimal("FlThRE", P::None, &Wheel::rightFlangeThickness, 0, kFlangeThickness, F::RightFlangeThickness,
            QT_TRANSLATE_NOOP("WheelFields", "Right flange thickness"), "mm",
            QT_TRANSLATE_NOOP("rimora::TMainF", "Right flange thickness:"))),
    Quiet({"HeadsLRG", K::Radio, P::None, &Wheel::leftHeads, TrailingOut, 0, 0, std::nullopt, HeadsItems, nullptr,
     QT_TRANSLATE_NOOP("rimora::TMainF", "Left heads"), nullptr}),
    Quiet({"HeadsRRG", K::Radio, P::None, &Wheel::rightHeads, TrailingOut, 0, 0, std::nullopt, HeadsItems, nullptr,
     QT_TRANSLATE_NOOP("rimora::TMainF", "Right heads"), nullptr}),
    // The tension log: on the "True" window.
    Log("TenMeterE", LogMeter),
    Log("TenKindE", LogKind),
    Log("TenRound1E", LogFirstRound + 0),
    Log("TenRound2E", LogFirstRound + 1),
    Log("TenRound3E", LogFirstRound + 2),
    Log("TenRound4E", LogFirstRound + 3),
    Log("TenRound5E", LogFirstRound + 4),
    Log("TenRound6E", LogFirstRound + 5),
    Log("TenRound7E", LogFirstRound + 6),
    Log("TenRound8E", LogFirstRound + 7),
    // The rim hole the valve hole follows: where the lacing steps start.
    Quiet(Spin("ValveSE", P::Draw, &Wheel::valveAfter, 0, 0, 48)),
    // Where the holes lie: on the same dialog, shown only where the hub needs them.
    Quiet({"HubSplitRG", K::Radio, P::None, &Wheel::hubSplit, EqualFlanges, 0, 0, std::nullopt, HubSplitItems, nullptr,
     QT_TRANSLATE_NOOP("rimora::TMainF", "Hub holes"), nullptr}),
    Quiet({"RimDrillRG", K::Radio, P::None, &Wheel::rimDrilling, AlternateDrilling, 0, 0, std::nullopt, RimDrillingItems,
     nullptr, QT_TRANSLATE_NOOP("rimora::TMainF", "Rim drilling"), nullptr}),
    Quiet({"CrossPatRG", K::Radio, P::None, &Wheel::crossedPattern, ShorterSpan, 0, 0, std::nullopt, CrossedPatternItems,
     nullptr, QT_TRANSLATE_NOOP("rimora::TMainF", "Crossed side"), nullptr}),
    Quiet(Decimal("FlOffE", P::None, &Wheel::flangeOffset, kUsualFlangeOffset, kFlangeTurn, F::FlangeOffset,
            QT_TRANSLATE_NOOP("WheelFields", "Flange offset"), nullptr,
            QT_TRANSLATE_NOOP("rimora::TMainF", "Flange offset (°), 0 for half a pitch:"))),
    Quiet(Decimal("HubPairE", P::None, &Wheel::hubPairAngle, 0, kHubPair, F::HubPairAngle,
            QT_TRANSLATE_NOOP("WheelFields", "φ, hub pair angle"), nullptr,
            QT_TRANSLATE_NOOP("rimora::TMainF", "φ, hub pair angle (°), 0 for none:"))),
    Quiet(Decimal("RimPairE", P::None, &Wheel::rimPairAngle, 0, kRimPair, F::RimPairAngle,
            QT_TRANSLATE_NOOP("WheelFields", "Rim pair angle"), nullptr,
            QT_TRANSLATE_NOOP("rimora::TMainF", "Rim pair angle (°), 0 for none:"))),
};

}  // namespace

std::span<const WheelRecord> WheelRecords()
{
    return kRecords;
}

const WheelRecord* FindRecord(const QString& key)
{
    for (const WheelRecord& record : kRecords)
        if (key.compare(QLatin1StringView(record.key), Qt::CaseInsensitive) == 0) return &record;
    return nullptr;
}

const WheelRecord& RecordOf(WheelField field)
{
    for (const WheelRecord& record : kRecords)
        if (record.field == field) return record;
    Q_UNREACHABLE();
}

QString RecordCaption(const WheelRecord& record)
{
    return record.caption ? QCoreApplication::translate("WheelFields", record.caption) : QString();
}

QString RecordLabel(const WheelRecord& record)
{
    return record.label ? QCoreApplication::translate("rimora::TMainF", record.label) : QString();
}

QString RecordUnit(const WheelRecord& record)
{
    return record.unit ? QCoreApplication::translate("rimora::TMainF", record.unit) : QString();
}

QString RangeProblem(const WheelRecord& record, double value)
{
    if (record.kind != RecordKind::Decimal || (value >= record.lowest && value <= record.highest)) return QString();
    const QString unit = record.unit ? RecordUnit(record) : QStringLiteral("°");
    const QString spaced = record.unit ? QStringLiteral(" ") + unit : unit;
    return QCoreApplication::translate("WheelFields", "%1: %2%3 is out of range: it takes %4 to %5%3.")
        .arg(RecordCaption(record), FloatToStr(value), spaced, FloatToStr(record.lowest), FloatToStr(record.highest));
}

double ValueOf(const Wheel& wheel, const WheelRecord& record)
{
    return std::visit(
        [&](auto member) -> double {
            using M = decltype(member);
            if constexpr (std::is_same_v<M, std::monostate> || std::is_same_v<M, QString WheelParts::*>
                          || std::is_same_v<M, LogText>)
                return record.defaultValue;
            else if constexpr (std::is_same_v<M, int WheelStyle::*> || std::is_same_v<M, bool WheelStyle::*>)
                return wheel.style.*member;
            else
                return wheel.*member;
        },
        record.member);
}

void SetValue(Wheel& wheel, const WheelRecord& record, double value)
{
    std::visit(
        [&](auto member) {
            using M = decltype(member);
            if constexpr (std::is_same_v<M, double Wheel::*>)
                wheel.*member = value;
            else if constexpr (std::is_same_v<M, int Wheel::*>)
                wheel.*member = static_cast<int>(std::lround(value));
            else if constexpr (std::is_same_v<M, int WheelStyle::*>)
                wheel.style.*member = static_cast<int>(static_cast<qint64>(std::llround(value)));
            else if constexpr (std::is_same_v<M, bool WheelStyle::*>)
                wheel.style.*member = value != 0;
        },
        record.member);
}

QString TextValue(const Wheel& wheel, const WheelRecord& record)
{
    if (const auto* log = std::get_if<LogText>(&record.member)) return wheel.log[log->slot];
    const auto* member = std::get_if<QString WheelParts::*>(&record.member);
    return member ? wheel.parts.**member : QString();
}

void SetTextValue(Wheel& wheel, const WheelRecord& record, const QString& text)
{
    if (const auto* member = std::get_if<QString WheelParts::*>(&record.member)) wheel.parts.**member = text;
    if (const auto* log = std::get_if<LogText>(&record.member)) wheel.log[log->slot] = text;
}

int ListValue(const WheelRecord& record, int index)
{
    if (record.kind != RecordKind::CountList) return index;
    const QStringList items = record.items();
    return index >= 0 && index < items.size() ? items[index].toInt() : 0;
}

int ListIndex(const WheelRecord& record, int value)
{
    if (record.kind != RecordKind::CountList) return value;
    return static_cast<int>(record.items().indexOf(QString::number(value)));
}

Wheel::Wheel()
{
    for (const WheelRecord& record : kRecords) SetValue(*this, record, record.defaultValue);
}

int BeadSeat(const Wheel& wheel)
{
    return wheel.rimType >= 0 && wheel.rimType < static_cast<int>(std::size(kRimSizes))
               ? kRimSizes[wheel.rimType].beadSeat
               : 0;
}

QString RimTypeName(const Wheel& wheel)
{
    return BeadSeat(wheel) > 0 ? QString::fromUtf8(kRimSizes[wheel.rimType].name) : QString();
}

}  // namespace rimora
