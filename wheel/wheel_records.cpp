#include "wheel/wheel_records.h"

#include "lacing/crossing_rule.h"
#include "platform/color.h"
#include "wheel/wheel_choices.h"

#include <QtGlobal>
#include <cmath>

namespace rimora {

namespace {

using K = RecordKind;
using P = RecordPage;
using F = WheelField;

constexpr WheelRecord List(const char* key, RecordKind kind, WheelMember member, double initial,
                           std::optional<WheelField> field, QStringList (*items)())
{
    return {key, kind, P::Data, member, initial, 0, 0, field, items, nullptr};
}

constexpr WheelRecord Decimal(const char* key, RecordPage page, double Wheel::*member, double initial, WheelField field)
{
    return {key, K::Decimal, page, member, initial, 0, 0, field, nullptr, nullptr};
}

constexpr WheelRecord Spin(const char* key, RecordPage page, WheelMember member, int initial, int minimum, int maximum,
                           std::optional<WheelField> field = std::nullopt)
{
    return {key, K::Spin, page, member, static_cast<double>(initial), minimum, maximum, field, nullptr, nullptr};
}

constexpr WheelRecord Colour(const char* key, WheelMember member, TColor initial)
{
    return {key, K::Colour, P::Draw, member, static_cast<double>(initial), 0, 0, std::nullopt, nullptr, nullptr};
}

constexpr WheelRecord Flag(const char* key, WheelMember member, bool initial, const char* caption)
{
    return {key, K::Flag, P::Draw, member, initial ? 1.0 : 0.0, 0, 0, std::nullopt, nullptr, caption};
}

constexpr WheelRecord Plain(const char* key, RecordKind kind, RecordPage page)
{
    return {key, kind, page, std::monostate{}, 0, 0, 0, std::nullopt, nullptr, nullptr};
}

// In the order of the files' records.
constexpr WheelRecord kRecords[] = {
    List("TyCB", K::RimList, &Wheel::rimType, 0, std::nullopt, RimSizeItems),
    List("HubCB", K::CountList, &Wheel::hubHoles, 0, F::HubHoles, HoleCountItems),
    List("RimCB", K::CountList, &Wheel::rimHoles, 0, F::RimHoles, HoleCountItems),
    Decimal("dRE", P::Data, &Wheel::rightFlange, 41, F::RightFlange),
    Decimal("dLE", P::Data, &Wheel::leftFlange, 41, F::LeftFlange),
    Spin("CLE", P::Data, &Wheel::leftCross, 3, 0, kMaxCrossNumber, F::LeftCross),
    Decimal("WLE", P::Data, &Wheel::leftOffset, 27.5, F::LeftOffset),
    Decimal("WRE", P::Data, &Wheel::rightOffset, 18.1, F::RightOffset),
    Decimal("ShE", P::Data, &Wheel::spokeHole, 2.5, F::SpokeHole),
    Decimal("ErdE", P::Data, &Wheel::erd, 590, F::Erd),
    Spin("CRE", P::Data, &Wheel::rightCross, 3, 0, kMaxCrossNumber, F::RightCross),
    Plain("SG1", K::Grid, P::Spoke),
    Decimal("AdE", P::Spoke, &Wheel::angleDifference, 0, F::AngleDifference),
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
    {"Ssd", K::Radio, P::Draw, &WheelStyle::sideIndex, BothSides, 0, 0, std::nullopt, SpokeSideItems,
     QT_TRANSLATE_NOOP("rimora::TMainF", "Spoke Drawing")},
    // Rim offset, tension and ordering came after the first program's inputs.
    Decimal("RimOffE", P::Data, &Wheel::rimOffset, 0, F::RimOffset),
    Decimal("TensionE", P::Data, &Wheel::tension, 120, F::Tension),
    Decimal("SpokeDiaE", P::Data, &Wheel::spokeDiameter, 2, F::SpokeDiameter),
    List("OrderStepCB", K::CountList, &Wheel::orderStep, 2, F::OrderStep, OrderStepItems),
    Flag("HNCB", &WheelStyle::hubNumbers, false, QT_TRANSLATE_NOOP("rimora::TMainF", "HUB hole No.")),
    // The recent profiles: kept by the settings file only.
    Plain("RecentL", K::Text, P::None),
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

double ValueOf(const Wheel& wheel, const WheelRecord& record)
{
    return std::visit(
        [&](auto member) -> double {
            using M = decltype(member);
            if constexpr (std::is_same_v<M, std::monostate>) return record.defaultValue;
            else if constexpr (std::is_same_v<M, int WheelStyle::*> || std::is_same_v<M, bool WheelStyle::*>)
                return wheel.style.*member;
            else return wheel.*member;
        },
        record.member);
}

void SetValue(Wheel& wheel, const WheelRecord& record, double value)
{
    std::visit(
        [&](auto member) {
            using M = decltype(member);
            if constexpr (std::is_same_v<M, double Wheel::*>) wheel.*member = value;
            else if constexpr (std::is_same_v<M, int Wheel::*>) wheel.*member = static_cast<int>(std::lround(value));
            else if constexpr (std::is_same_v<M, int WheelStyle::*>)
                wheel.style.*member = static_cast<int>(static_cast<qint64>(std::llround(value)));
            else if constexpr (std::is_same_v<M, bool WheelStyle::*>) wheel.style.*member = value != 0;
        },
        record.member);
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
