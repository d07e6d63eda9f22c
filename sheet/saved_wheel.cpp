#include "sheet/saved_wheel.h"

#include "lacing/crossing_rule.h"
#include "lacing/lacing_generation.h"
#include "lacing/lacing_table.h"
#include "persist/grid_row_text.h"
#include "persist/profile_file.h"
#include "wheel/wheel_choices.h"
#include "platform/convert.h"
#include "platform/errors.h"
#include "spokes/rim_offset.h"
#include "spokes/spoke_length.h"
#include "spokes/wheel_numbers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace rimora {

SpokeLengthInputs LengthInputsOf(const SavedWheel& w)
{
    SpokeLengthInputs in;
    in.erd = w.erd;
    in.rightFlange = w.rightFlange;
    in.leftFlange = w.leftFlange;
    in.hubHoles = w.hubHoles;
    in.rimHoles = w.rimHoles;
    in.angleDifference = w.angleDifference;
    in.leftOffset = w.leftOffset;
    in.rightOffset = w.rightOffset;
    in.spokeHole = w.spokeHole;
    return in;
}

namespace {

const QString kSection = QStringLiteral("MainF");

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// A list stores the index of its item; an index outside the list leaves
// nothing chosen, as the window's list does.
QString ItemText(const ProfileFile& file, const QString& key, const QStringList& items, int defaultIndex)
{
    const int index = file.ReadInteger(kSection, key, defaultIndex);
    return index >= 0 && index < items.size() ? items[index] : QString();
}

// A decimal input's text in the region's form, whichever region wrote it,
// as the window shows it.
QString DecimalText(const ProfileFile& file, const QString& key, const QString& defaultText)
{
    return FileDecimalInRegion(file.ReadString(kSection, key, defaultText));
}

int SpinValue(const ProfileFile& file, const QString& key, int min, int max, int defaultValue)
{
    return std::clamp(file.ReadInteger(kSection, key, defaultValue), min, max);
}

// A top byte that is neither a plain nor a system colour is dropped, as the
// colour box drops it.
TColor ColourValue(const ProfileFile& file, const QString& key, TColor defaultColour)
{
    const TColor colour = file.ReadInteger(kSection, key, defaultColour);
    return IsSystemColor(colour) ? colour : (colour & 0x00FFFFFF);
}

// The window sizes its table from the hole counts before the rows are read,
// so no row of the saved wheel is lost; without both counts it keeps its
// initial size.
int TableRowCount(const QString& hubText, const QString& rimText)
{
    int hub = 0;
    int rim = 0;
    if (!TryStrToInt(hubText, hub) || !TryStrToInt(rimText, rim)) return kLacingInitialRowCount;
    return std::max({hub, rim, 0}) + 1;
}

QString FieldError(const SavedWheel& wheel, const QString& field, const QString& problem)
{
    return QStringLiteral("%1: %2: %3").arg(wheel.fileName, field, problem);
}

// An error of the wheel's numbers, which already names the field, with the
// file put in front; its kind is kept.
template <typename Error>
[[noreturn]] void InFile(const SavedWheel& wheel, const Error& e)
{
    throw Error(QStringLiteral("%1: %2").arg(wheel.fileName, e.Message()));
}

void CheckHoleCount(const SavedWheel& wheel, const QString& field, const QString& text)
{
    if (text.isEmpty())
        throw EWheelInputError(
            FieldError(wheel, field, QCoreApplication::translate("Sheet", "no hole count is chosen")));
    try {
        HoleCountFromText(text);
    } catch (const RimoraError& e) {
        throw EWheelInputError(FieldError(wheel, field, e.Message()));
    }
}

WheelTexts TextsOf(const SavedWheel& w)
{
    WheelTexts t;
    t.lengths = LengthInputsOf(w);
    t.leftCross = QString::number(w.leftCross);
    t.rightCross = QString::number(w.rightCross);
    t.rimOffset = w.rimOffset;
    t.tension = w.tension;
    t.spokeDiameter = w.spokeDiameter;
    t.orderStep = w.orderStep;
    return t;
}

}  // namespace

SavedWheel::SavedWheel() : table(std::make_unique<GridModel>(kLacingColCount, kLacingInitialRowCount))
{
    WriteHeadings(*table);
}

bool TableIsEmpty(const GridModel& table)
{
    for (int r = 1; r < table.RowCount(); ++r)
        for (int c = 0; c < table.ColCount(); ++c)
            if (!table.Cells(c, r).isEmpty()) return false;
    return true;
}

SavedWheel ReadSavedWheel(const QString& path)
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

    SavedWheel w;
    w.fileName = info.fileName();
    // In the order of the records; each absent key keeps the design value.
    w.rimType = ItemText(file, QStringLiteral("TyCB"), RimSizeItems(), 0);
    w.hubHoles = ItemText(file, QStringLiteral("HubCB"), HoleCountItems(), -1);
    w.rimHoles = ItemText(file, QStringLiteral("RimCB"), HoleCountItems(), -1);
    w.rightFlange = DecimalText(file, QStringLiteral("dRE"), w.rightFlange);
    w.leftFlange = DecimalText(file, QStringLiteral("dLE"), w.leftFlange);
    w.leftCross = SpinValue(file, QStringLiteral("CLE"), 0, kMaxCrossNumber, w.leftCross);
    w.leftOffset = DecimalText(file, QStringLiteral("WLE"), w.leftOffset);
    w.rightOffset = DecimalText(file, QStringLiteral("WRE"), w.rightOffset);
    w.spokeHole = DecimalText(file, QStringLiteral("ShE"), w.spokeHole);
    w.erd = DecimalText(file, QStringLiteral("ErdE"), w.erd);
    w.rightCross = SpinValue(file, QStringLiteral("CRE"), 0, kMaxCrossNumber, w.rightCross);

    GridModel& table = *w.table;
    table.SetRowCount(TableRowCount(w.hubHoles, w.rimHoles));
    for (int r = 1; r < table.RowCount(); ++r) {
        const QString key = QStringLiteral("SG1-Row") + QString::number(r);
        const QStringList cells = SplitRowCells(file.ReadString(kSection, key, QString()), table.ColCount());
        for (int c = 0; c < table.ColCount(); ++c) table.SetCells(c, r, cells[c]);
    }

    w.angleDifference = DecimalText(file, QStringLiteral("AdE"), w.angleDifference);
    w.background = ColourValue(file, QStringLiteral("CL1"), w.background);
    w.rimOuter = ColourValue(file, QStringLiteral("CL2"), w.rimOuter);
    w.rimInner = ColourValue(file, QStringLiteral("CL3"), w.rimInner);
    w.hub = ColourValue(file, QStringLiteral("CL4"), w.hub);
    w.rightSpoke = ColourValue(file, QStringLiteral("CL5"), w.rightSpoke);
    w.leftSpoke = ColourValue(file, QStringLiteral("CL6"), w.leftSpoke);
    w.rimBandMm = SpinValue(file, QStringLiteral("RIMBK"), 0, 9, w.rimBandMm);
    w.rimInnerMm = SpinValue(file, QStringLiteral("RIMID"), 0, 9, w.rimInnerMm);
    w.hubMarginMm = SpinValue(file, QStringLiteral("HUBOD"), 0, 9, w.hubMarginMm);
    w.spokeWidth = SpinValue(file, QStringLiteral("SpkD"), 1, 10, w.spokeWidth);
    w.numbers = file.ReadBool(kSection, QStringLiteral("RNCB"), w.numbers);
    const int side = file.ReadInteger(kSection, QStringLiteral("Ssd"), w.sideIndex);
    w.sideIndex = side >= 0 && side < SpokeSideItems().size() ? side : -1;
    w.rimOffset = DecimalText(file, QStringLiteral("RimOffE"), w.rimOffset);
    w.tension = DecimalText(file, QStringLiteral("TensionE"), w.tension);
    w.spokeDiameter = DecimalText(file, QStringLiteral("SpokeDiaE"), w.spokeDiameter);
    w.orderStep = ItemText(file, QStringLiteral("OrderStepCB"), OrderStepItems(),
                           static_cast<int>(OrderStepItems().indexOf(w.orderStep)));
    w.hubNumbers = file.ReadBool(kSection, QStringLiteral("HNCB"), w.hubNumbers);
    return w;
}

void PrepareWheel(SavedWheel& w)
{
    if (w.rimType.isEmpty())
        throw EWheelInputError(
            FieldError(w, QStringLiteral("TYPE"), QCoreApplication::translate("Sheet", "no rim size is chosen")));
    if (!RimSizeItems().contains(w.rimType)) {
        throw EConvertError(
            FieldError(w, QStringLiteral("TYPE"),
                       QCoreApplication::translate("Sheet", "'%1' names no bead seat diameter").arg(w.rimType)));
    }
    CheckHoleCount(w, FieldCaption(WheelField::HubHoles), w.hubHoles);
    CheckHoleCount(w, FieldCaption(WheelField::RimHoles), w.rimHoles);
    try {
        w.inputNumbers = ReadWheelNumbers(TextsOf(w));
        ReadDecimalField(WheelField::AngleDifference, w.angleDifference);
    } catch (const EConvertError& e) {
        InFile(w, e);
    } catch (const EWheelInputError& e) {
        InFile(w, e);
    }

    GridModel& table = *w.table;
    try {
        if (TableIsEmpty(table)) {
            LaceTable(table, w.hubHoles, w.rimHoles, w.leftCross, w.rightCross);
            WriteHeadings(table);
        }
        RebuildHubLinks(table, w.hubHoles);
        CalcSpokeLengths(table, WithRimOffset(LengthInputsOf(w), w.rimOffset),
                         [&w](const QString& text) { w.angleDifference = text; });
    } catch (const RimoraError& e) {
        throw EWheelInputError(FieldError(w, QCoreApplication::translate("Sheet", "lacing table"), e.Message()));
    }
}

}  // namespace rimora
