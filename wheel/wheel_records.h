#pragma once
// Every stored input of the main window, once: its record key (the key in
// profile and settings files, and the control's object name), what kind of
// control holds it, its page, default, range, and where its value lives in
// the typed wheel. The window makes its controls from this table, the profile
// reader without a window reads by it, and the checks and messages name
// inputs by the captions of their fields.
//
// The order is the order of the records in the files: a new input goes at
// the end, so that a file written before it opens with its default.
#include "wheel/wheel.h"
#include "wheel/wheel_fields.h"

#include <QStringList>
#include <optional>
#include <span>
#include <variant>

namespace rimora {

enum class RecordKind {
    RimList,    // drop-down of rim sizes, stored and held as the item index
    CountList,  // drop-down of numbers (hole counts, order step): stored as the
                // item index, held as the item's number (0: none chosen)
    Decimal,    // edit box with a decimal number in the region's notation
    Spin,       // spin box with a whole number, kept in [minimum, maximum]
    Colour,     // colour box, stored as the colour value
    Flag,       // check box, stored as 0 or 1
    Radio,      // radio group, stored and held as the item index
    Grid,       // the lacing table, stored row by row
    Text,       // a plain text kept only by the settings file
    Name,       // a one-line text of the wheel (a part's make and model)
    Remarks,    // a text of the wheel that may run over several lines
    Log,        // a text the program keeps with the wheel, never shown as it is
};

// Whether the record holds a text of the wheel: kept on one line of the
// file, its line breaks written as \n and its backslashes as \\.
inline bool IsWheelText(RecordKind kind)
{
    return kind == RecordKind::Name || kind == RecordKind::Remarks || kind == RecordKind::Log;
}

enum class RecordPage { Data, Spoke, Draw, None };

// Where a record's value lives in the wheel; monostate for records that are
// the window's own (auto redraw, the spare colour, the table, recent files).
using WheelMember = std::variant<std::monostate, double Wheel::*, int Wheel::*, int WheelStyle::*, bool WheelStyle::*,
                                 QString WheelParts::*, LogText>;

struct WheelRecord {
    const char* key;
    RecordKind kind;
    RecordPage page;
    WheelMember member;
    double defaultValue = 0;  // a number, a count, an item index, a colour or 0/1
    int minimum = 0;          // spin boxes
    int maximum = 0;
    std::optional<WheelField> field;   // the field its messages name
    QStringList (*items)() = nullptr;  // lists and radio groups
    // What every message about the input names it by ("ERD", "WL, width from
    // center to left flange"), translated in the context "WheelFields".
    const char* caption = nullptr;
    // The text on the window, translated in the context "rimora::TMainF":
    // a check box's or radio group's own text, or the caption of a line the
    // "Data" tab lays out from the table.
    const char* label = nullptr;
    const char* unit = nullptr;  // shown after the box, translated as the label
    // What a decimal input can be on a wheel that exists, both ends taken;
    // the checks of a wheel refuse a value outside.
    double lowest = 0;
    double highest = 0;
    // An input most wheels do without: at its default it is not written, so
    // the file of such a wheel keeps its bytes.
    bool quiet = false;
};

std::span<const WheelRecord> WheelRecords();
// The record of `key`, matched without regard to letter case as the files
// match keys; nullptr for none.
const WheelRecord* FindRecord(const QString& key);
const WheelRecord& RecordOf(WheelField field);

// The record's caption and label, translated.
QString RecordCaption(const WheelRecord& record);
QString RecordLabel(const WheelRecord& record);
QString RecordUnit(const WheelRecord& record);

// Empty when `value` lies in the decimal record's range (any value of other
// records); otherwise "<caption>: <value> <unit> is out of range: it takes
// <lowest> to <highest> <unit>.", the numbers in the region's notation.
QString RangeProblem(const WheelRecord& record, double value);

// The record's value in the wheel as a number (an index, a count, a colour,
// 0/1 for a flag); its default for a record without a member.
double ValueOf(const Wheel& wheel, const WheelRecord& record);
// Puts `value` into the wheel, whole-number members rounded; nothing for a
// record without a member or with a text.
void SetValue(Wheel& wheel, const WheelRecord& record, double value);
// The text of a wheel text's record (IsWheelText), and back; empty and
// nothing for any other record.
QString TextValue(const Wheel& wheel, const WheelRecord& record);
void SetTextValue(Wheel& wheel, const WheelRecord& record, const QString& text);

// The number a list record holds for its item `index` (a rim list: the
// index itself; a count list: the item's number, 0 when none is chosen),
// and back (-1 when no item holds it).
int ListValue(const WheelRecord& record, int index);
int ListIndex(const WheelRecord& record, int value);

}  // namespace rimora
