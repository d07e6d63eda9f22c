#pragma once
// The two edges where texts become the wheel: a control's text as typed in
// the region's notation, and a profile's records. Both keep the wheel's last
// good value for a text that does not read and remember the message that
// names it, so that whatever needs that input stops with the message while
// the rest of the wheel stays usable.
#include "wheel/wheel.h"
#include "wheel/wheel_fields.h"
#include "wheel/wheel_records.h"

#include <QString>
#include <map>
#include <optional>
#include <span>
#include <vector>

namespace rimora {

class ProfileFile;

// What a record's text reads as: the value, or the message naming its field.
struct RecordReading {
    double value = 0;
    QString problem;  // empty when the text reads
};

// A decimal edit's text in the region's notation.
RecordReading ReadDecimalRecord(const WheelRecord& record, const QString& text);
// Empty when the text reads for the record; otherwise the message that names
// it by its caption, quotes the text and says what it takes.
QString UnreadableRecordText(const WheelRecord& record, const QString& text);

class WheelReading {
public:
    Wheel wheel;

    // Takes a record's reading: the value into the wheel, or the problem
    // remembered while the wheel keeps its value.
    void Take(const WheelRecord& record, const RecordReading& reading);
    // A list record's item index; no item chosen marks a hole count as
    // unreadable.
    void TakeListIndex(const WheelRecord& record, int index);
    QString Problem(WheelField field) const;
    QString Problem(const WheelRecord& record) const;
    // The first field, in the order given, whose text did not read.
    std::optional<FieldProblem> FirstUnreadable(std::span<const WheelField> fields) const;

private:
    std::map<const WheelRecord*, QString> problems_;
};

// Every record of the wheel from a profile's section, as the window would
// show it: item indices through the lists, spin values pulled into their
// ranges, decimal texts in either notation, each absent key the design value.
WheelReading ReadWheelRecords(const ProfileFile& file, const QString& section);

// The inputs the spoke lengths read, in the order of the "Data" tab: HUB,
// RIM, ERD, WL, WR, dL, dR, S, Rim offset, and then the angle difference
// unless the hole counts are equal (every rim hole then has a hub hole
// straight opposite, and the angle is 0), and last the hub's own: tL and tR
// on a straight-pull hub, the flanges' thicknesses on a J-bend one that has
// any.
std::vector<WheelField> LengthFields(const Wheel& wheel);
// Those of the summary: the lengths' with CL, CR after S and Tension, Spoke
// Ø, Order step after the rim offset. A hole count not chosen is left out:
// the summary asks for both counts in a message of its own.
std::vector<WheelField> SummaryFields(const Wheel& wheel);

}  // namespace rimora
