#include "wheel/wheel_reading.h"

#include "persist/profile_file.h"
#include "persist/wheel_text.h"
#include "platform/convert.h"
#include "platform/color.h"

#include <algorithm>

namespace rimora {

RecordReading ReadDecimalRecord(const WheelRecord& record, const QString& text)
{
    double value = 0;
    if (TryStrToFloat(text, value)) return {value, QString()};
    return {0, UnreadableRecordText(record, text)};
}

QString UnreadableRecordText(const WheelRecord& record, const QString& text)
{
    return record.field ? UnreadableText(*record.field, text) : UnreadableDecimal(RecordCaption(record), text);
}

void WheelReading::Take(const WheelRecord& record, const RecordReading& reading)
{
    if (reading.problem.isEmpty()) {
        SetValue(wheel, record, reading.value);
        problems_.erase(&record);
    } else {
        problems_[&record] = reading.problem;
    }
}

void WheelReading::TakeListIndex(const WheelRecord& record, int index)
{
    const int value = ListValue(record, index);
    SetValue(wheel, record, value);
    // A hole count with no item chosen holds no number; the order step's
    // check says itself which steps spokes are sold in.
    const bool holeCount = record.field == WheelField::HubHoles || record.field == WheelField::RimHoles;
    if (value > 0 || !holeCount)
        problems_.erase(&record);
    else
        problems_[&record] = UnreadableText(*record.field, QString());
}

QString WheelReading::Problem(WheelField field) const
{
    return Problem(RecordOf(field));
}

QString WheelReading::Problem(const WheelRecord& record) const
{
    const auto found = problems_.find(&record);
    return found == problems_.end() ? QString() : found->second;
}

std::optional<FieldProblem> WheelReading::FirstUnreadable(std::span<const WheelField> fields) const
{
    for (const WheelField field : fields) {
        const QString problem = Problem(field);
        if (!problem.isEmpty()) return FieldProblem{field, problem};
    }
    return std::nullopt;
}

WheelReading ReadWheelRecords(const ProfileFile& file, const QString& section)
{
    WheelReading reading;
    Wheel& wheel = reading.wheel;
    for (const WheelRecord& record : WheelRecords()) {
        if (std::holds_alternative<std::monostate>(record.member)) continue;
        const QString key = QString::fromLatin1(record.key);
        const int initial = static_cast<int>(ValueOf(wheel, record));
        switch (record.kind) {
        case RecordKind::RimList:
        case RecordKind::CountList: {
            // An index outside the list leaves nothing chosen, as the window's list does.
            const int items = static_cast<int>(record.items().size());
            int index = file.ReadInteger(section, key, ListIndex(record, initial));
            if (index < 0 || index >= items) index = -1;
            reading.TakeListIndex(record, index);
            break;
        }
        case RecordKind::Decimal: {
            const QString absent = QStringLiteral("\n");
            const QString text = file.ReadString(section, key, absent);
            if (text != absent) reading.Take(record, ReadDecimalRecord(record, FileDecimalInRegion(text)));
            break;
        }
        case RecordKind::Spin:
            SetValue(wheel, record,
                     std::clamp(file.ReadInteger(section, key, initial), record.minimum, record.maximum));
            break;
        case RecordKind::Colour: {
            // A top byte that is neither a plain nor a system colour is dropped, as the colour box drops it.
            const TColor colour = file.ReadInteger(section, key, initial);
            SetValue(wheel, record, IsSystemColor(colour) ? colour : (colour & 0x00FFFFFF));
            break;
        }
        case RecordKind::Flag:
            SetValue(wheel, record, file.ReadBool(section, key, initial != 0) ? 1 : 0);
            break;
        case RecordKind::Radio: {
            const int index = file.ReadInteger(section, key, initial);
            SetValue(wheel, record, index >= 0 && index < record.items().size() ? index : -1);
            break;
        }
        case RecordKind::Name:
        case RecordKind::Remarks:
        case RecordKind::Log:
            SetTextValue(wheel, record, WheelTextFromFile(file.ReadString(section, key, QString())));
            break;
        case RecordKind::Grid:
        case RecordKind::Text:
            break;
        }
    }
    return reading;
}

std::vector<WheelField> LengthFields(const Wheel& wheel)
{
    using F = WheelField;
    std::vector<WheelField> fields{F::HubHoles,   F::RimHoles,    F::Erd,       F::LeftOffset, F::RightOffset,
                                   F::LeftFlange, F::RightFlange, F::SpokeHole, F::RimOffset};
    if (wheel.hubHoles <= 0 || wheel.hubHoles != wheel.rimHoles || !EvenlySpacedHoles(wheel))
        fields.push_back(F::AngleDifference);
    // The hub's own inputs, where its kind uses them.
    if (wheel.hubKind == StraightPullHub)
        fields.insert(fields.end(), {F::LeftTangent, F::RightTangent});
    else if (wheel.leftFlangeThickness != 0 || wheel.rightFlangeThickness != 0)
        fields.insert(fields.end(), {F::LeftFlangeThickness, F::RightFlangeThickness});
    return fields;
}

std::vector<WheelField> SummaryFields(const Wheel& wheel)
{
    using F = WheelField;
    std::vector<WheelField> fields = LengthFields(wheel);
    const auto after = [&fields](WheelField field) { return std::find(fields.begin(), fields.end(), field) + 1; };
    fields.insert(after(F::SpokeHole), {F::LeftCross, F::RightCross});
    fields.insert(after(F::RimOffset), {F::Tension, F::SpokeDiameter, F::OrderStep});
    std::erase_if(fields, [&wheel](WheelField f) {
        return (f == F::HubHoles && wheel.hubHoles <= 0) || (f == F::RimHoles && wheel.rimHoles <= 0);
    });
    return fields;
}

}  // namespace rimora
