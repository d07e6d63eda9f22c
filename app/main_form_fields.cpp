// The window's inputs by field: which control holds each one, the red frame
// on the input whose text or value stopped a calculation or the drawing, and
// the frame taken off as soon as the text converts to a possible value.
#include "app/input_mark.h"
#include "app/main_form.h"
#include "lacing/lacing_table.h"
#include "platform/errors.h"
#include "spokes/wheel_checks.h"
#include "wheel/wheel_fields.h"

#include <QLineEdit>
#include <algorithm>

namespace rimora {

QWidget* TMainF::FieldControl(WheelField field) const
{
    return wheelControls_.Control(field);
}

const Wheel& TMainF::StopAtUnreadable(const std::vector<WheelField>& fields)
{
    const WheelReading& reading = CurrentWheel();
    const std::optional<FieldProblem> problem = reading.FirstUnreadable(fields);
    if (!problem) return reading.wheel;
    SetInputMarked(FieldControl(problem->field), true);
    throw EConvertError(problem->message);
}

void TMainF::MarkImpossible(const std::function<void()>& work)
{
    try {
        work();
    } catch (const EFieldInputError& e) {
        SetInputMarked(FieldControl(e.Field()), true);
        throw;
    }
}

void TMainF::UnmarkFixedFields()
{
    // Most keystrokes find no frame to take off: they check nothing.
    const auto marked = [this](WheelField field) { return InputMarked(FieldControl(field)); };
    if (std::none_of(std::begin(kAllWheelFields), std::end(kAllWheelFields), marked)) return;
    const WheelReading& reading = CurrentWheel();
    // The field the checks stop at, if any: a value can be impossible only
    // against another one (an ERD inside a flange), fixed by changing either.
    std::optional<WheelField> named;
    try {
        CheckWheel(reading.wheel);
    } catch (const EFieldInputError& e) {
        named = e.Field();
    } catch (const RimoraError&) {
    }
    for (const WheelField field : kAllWheelFields) {
        QWidget* control = FieldControl(field);
        if (!InputMarked(control) || !reading.Problem(field).isEmpty() || named == field) continue;
        const WheelRecord& record = RecordOf(field);
        if (RangeProblem(record, ValueOf(reading.wheel, record)).isEmpty()) SetInputMarked(control, false);
    }
}

void TMainF::WatchFieldMarks()
{
    for (const WheelField field : kAllWheelFields) {
        QWidget* control = FieldControl(field);
        const auto unmarkWhenFixed = [this] { UnmarkFixedFields(); };
        // Plain connections beside the change notices: any change, from the
        // user, a profile or the program, takes the frame off once it reads.
        if (auto* edit = qobject_cast<TEdit*>(control))
            connect(edit, &QLineEdit::textChanged, this, unmarkWhenFixed);
        else if (auto* list = qobject_cast<TComboBox*>(control))
            connect(list, &QComboBox::currentTextChanged, this, unmarkWhenFixed);
        else if (auto* line = control->findChild<QLineEdit*>())
            connect(line, &QLineEdit::textChanged, this, unmarkWhenFixed);
    }
}

void TMainF::WatchLengthInputs()
{
    // Plain connections after the change notices, so a redraw that a change
    // sets off has run when the check puts its hint into the status bar.
    // Every input the lengths read, the angle difference among them.
    Wheel unequal;
    unequal.hubHoles = 1;
    for (const WheelField field : LengthFields(unequal)) {
        QWidget* control = FieldControl(field);
        if (auto* edit = qobject_cast<TEdit*>(control))
            connect(edit, &QLineEdit::textChanged, this, [this] { CheckLengths(); });
        else if (auto* list = qobject_cast<TComboBox*>(control))
            connect(list, &QComboBox::currentTextChanged, this, [this] { CheckLengths(); });
    }
    // The lengths hang on the rim hole, the hub hole laced to it and the
    // length itself; the other columns are rewritten at every drawing.
    GridModel& table = lacingGrid->Model();
    connect(&table, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& from, const QModelIndex& to) {
        if (to.column() >= kRimCol && from.column() <= kLengthCol) CheckLengths();
    });
    connect(&table, &QAbstractItemModel::modelReset, this, [this] { CheckLengths(); });
    connect(&table, &QAbstractItemModel::rowsRemoved, this, [this] { CheckLengths(); });
    connect(&table, &QAbstractItemModel::rowsInserted, this, [this] { CheckLengths(); });
}

}  // namespace rimora
