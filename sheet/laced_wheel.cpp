#include "sheet/laced_wheel.h"

#include "lacing/crossing_rule.h"
#include "lacing/lacing_generation.h"
#include "lacing/lacing_table.h"
#include "persist/grid_row_text.h"
#include "persist/profile_file.h"
#include "platform/errors.h"
#include "spokes/rim_offset.h"
#include "spokes/rim_turn_balance.h"
#include "spokes/spoke_length.h"
#include "spokes/wheel_checks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace rimora {

namespace {

const QString kSection = QStringLiteral("MainF");

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The window sizes its table from the hole counts before the rows are read,
// so no row of the saved wheel is lost; without both counts it keeps its
// initial size.
int TableRowCount(const Wheel& wheel)
{
    if (wheel.hubHoles <= 0 || wheel.rimHoles <= 0) return kLacingInitialRowCount;
    return std::max(wheel.hubHoles, wheel.rimHoles) + 1;
}

QString FieldError(const LacedWheel& wheel, const QString& field, const QString& problem)
{
    return QStringLiteral("%1: %2: %3").arg(wheel.fileName, field, problem);
}

// An error of the wheel's numbers, which already names the field, with the
// file put in front; its kind is kept.
template <typename Error>
[[noreturn]] void InFile(const LacedWheel& wheel, const Error& e)
{
    throw Error(QStringLiteral("%1: %2").arg(wheel.fileName, e.Message()));
}

void StopAtUnreadable(const LacedWheel& w, std::span<const WheelField> fields)
{
    if (const std::optional<FieldProblem> problem = w.reading.FirstUnreadable(fields))
        throw EConvertError(QStringLiteral("%1: %2").arg(w.fileName, problem->message));
}

}  // namespace

LacedWheel::LacedWheel() : table(std::make_unique<GridModel>(kLacingColCount, kLacingInitialRowCount))
{
    WriteHeadings(*table);
}

bool TableIsEmpty(const GridModel& table)
{
    for (int r = 1; r < table.RowCount(); ++r)
        for (int c = 0; c < table.ColCount(); ++c)
            if (!table.Cell(c, r).IsEmpty()) return false;
    return true;
}

LacedWheel ReadLacedWheel(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw EInOutError(QCoreApplication::translate("Sheet", "%1: the file does not exist").arg(Shown(path)));
    if (!info.isFile())
        throw EInOutError(QCoreApplication::translate("Sheet", "%1: this is not a file").arg(Shown(path)));
    const ProfileFile file(info.absoluteFilePath());
    if (file.Unreadable())
        throw EInOutError(QCoreApplication::translate("Sheet", "%1: it cannot be read, or is too large to be a profile")
                              .arg(Shown(path)));
    if (!file.HasSection(kSection))
        throw EInOutError(QCoreApplication::translate("Sheet", "%1: it is not a profile (it holds no [%2] section)")
                              .arg(Shown(path), kSection));

    LacedWheel w;
    w.fileName = info.fileName();
    w.reading = ReadWheelRecords(file, kSection);

    GridModel& table = *w.table;
    table.SetRowCount(TableRowCount(w.wheel()));
    for (int r = 1; r < table.RowCount(); ++r) {
        const QString key = QStringLiteral("SG1-Row") + QString::number(r);
        const QStringList cells = SplitRowCells(file.ReadString(kSection, key, QString()), table.ColCount());
        for (int c = 0; c < table.ColCount(); ++c) table.SetCells(c, r, cells[c]);
    }
    return w;
}

void PrepareWheel(LacedWheel& w)
{
    const Wheel& wheel = w.wheel();
    if (wheel.rimType < 0)
        throw EWheelInputError(
            FieldError(w, QStringLiteral("TYPE"), QCoreApplication::translate("Sheet", "no rim size is chosen")));
    for (const WheelField field : {WheelField::HubHoles, WheelField::RimHoles})
        if (ValueOf(wheel, RecordOf(field)) <= 0)
            throw EWheelInputError(
                FieldError(w, FieldCaption(field), QCoreApplication::translate("Sheet", "no hole count is chosen")));
    // Every number the summary reads, in its order; the angle difference
    // after the wheel is found buildable.
    std::vector<WheelField> fields = SummaryFields(wheel);
    std::erase(fields, WheelField::AngleDifference);
    StopAtUnreadable(w, fields);
    try {
        CheckWheel(wheel);
    } catch (const EWheelInputError& e) {
        InFile(w, e);
    }
    StopAtUnreadable(w, std::initializer_list<WheelField>{WheelField::AngleDifference});

    GridModel& table = *w.table;
    try {
        // A wheel saved before it was laced is laced now and turned to where
        // it settles under tension, as the window does with a fresh table.
        if (TableIsEmpty(table)) {
            LaceTable(table, LayoutOf(wheel), wheel.leftCross, wheel.rightCross, wheel.crossedPattern);
            WriteHeadings(table);
            w.reading.wheel.angleDifference = RoundedRimTurn(BalancedRimTurn(table, wheel).value_or(0));
        }
        RebuildHubLinks(table, wheel.hubHoles, wheel.rimHoles);
        CalcSpokeLengths(table, WithRimOffset(wheel));
        if (!AngleDifferenceApplies(wheel)) w.reading.wheel.angleDifference = 0;
    } catch (const RimoraError& e) {
        throw EWheelInputError(FieldError(w, QCoreApplication::translate("Sheet", "lacing table"), e.Message()));
    }
}

}  // namespace rimora
