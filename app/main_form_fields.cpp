// The window's inputs by field: which control holds each one, the red frame
// on the input whose text stopped a calculation or the drawing, and the frame
// taken off as soon as the text converts.
#include "app/input_mark.h"
#include "app/main_form.h"
#include "lacing/lacing_table.h"
#include "platform/errors.h"
#include "wheel/wheel_fields.h"

#include <QLineEdit>

namespace rimora {

namespace {

QString TextOf(const QWidget* control)
{
    if (const auto* edit = qobject_cast<const TEdit*>(control)) return edit->Text();
    if (const auto* spin = qobject_cast<const TSpinEdit*>(control)) return spin->Text();
    if (const auto* list = qobject_cast<const TComboBox*>(control)) return list->Text();
    return QString();
}

}  // namespace

QWidget* TMainF::FieldControl(WheelField field) const
{
    switch (field) {
    case WheelField::HubHoles: return HubCB;
    case WheelField::RimHoles: return RimCB;
    case WheelField::Erd: return ErdE;
    case WheelField::LeftOffset: return WLE;
    case WheelField::RightOffset: return WRE;
    case WheelField::LeftFlange: return dLE;
    case WheelField::RightFlange: return dRE;
    case WheelField::SpokeHole: return ShE;
    case WheelField::LeftCross: return CLE;
    case WheelField::RightCross: return CRE;
    case WheelField::RimOffset: return RimOffE;
    case WheelField::Tension: return TensionE;
    case WheelField::SpokeDiameter: return SpokeDiaE;
    case WheelField::OrderStep: return OrderStepCB;
    case WheelField::AngleDifference: return AdE;
    }
    return nullptr;
}

void TMainF::StopAtUnreadable(const std::vector<FieldText>& texts)
{
    const std::optional<FieldProblem> problem = FirstUnreadable(texts);
    if (!problem) return;
    SetInputMarked(FieldControl(problem->field), true);
    throw EConvertError(problem->message);
}

void TMainF::WatchFieldMarks()
{
    for (const WheelField field : kAllWheelFields) {
        QWidget* control = FieldControl(field);
        const auto unmarkWhenReadable = [this, field, control] {
            if (InputMarked(control) && UnreadableText(field, TextOf(control)).isEmpty())
                SetInputMarked(control, false);
        };
        // Plain connections beside the change notices: any change, from the
        // user, a profile or the program, takes the frame off once it reads.
        if (auto* edit = qobject_cast<TEdit*>(control))
            connect(edit, &QLineEdit::textChanged, this, unmarkWhenReadable);
        else if (auto* list = qobject_cast<TComboBox*>(control))
            connect(list, &QComboBox::currentTextChanged, this, unmarkWhenReadable);
        else if (auto* line = control->findChild<QLineEdit*>())
            connect(line, &QLineEdit::textChanged, this, unmarkWhenReadable);
    }
}

void TMainF::WatchLengthInputs()
{
    // Plain connections after the change notices, so a redraw that a change
    // sets off has run when the check puts its hint into the status bar.
    for (TEdit* edit : {ErdE, dRE, dLE, AdE, WLE, WRE, ShE, RimOffE})
        connect(edit, &QLineEdit::textChanged, this, [this] { CheckLengths(); });
    for (TComboBox* list : {HubCB, RimCB})
        connect(list, &QComboBox::currentTextChanged, this, [this] { CheckLengths(); });
    // The lengths hang on the rim hole, the hub hole laced to it and the
    // length itself; the other columns are rewritten at every drawing.
    GridModel& table = SG1->Model();
    connect(&table, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& from, const QModelIndex& to) {
        if (to.column() >= kRimCol && from.column() <= kLengthCol) CheckLengths();
    });
    connect(&table, &QAbstractItemModel::modelReset, this, [this] { CheckLengths(); });
    connect(&table, &QAbstractItemModel::rowsRemoved, this, [this] { CheckLengths(); });
    connect(&table, &QAbstractItemModel::rowsInserted, this, [this] { CheckLengths(); });
}

}  // namespace rimora
