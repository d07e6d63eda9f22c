// The control-value records: one key per control under the owner's section,
// in the order the owner created its controls.
#include "persist/grid_row_text.h"
#include "persist/ini_save.h"
#include "persist/name_list.h"
#include "persist/profile_file.h"
#include "persist/settings_location.h"
#include "persist/wheel_text.h"
#include "platform/convert.h"
#include "platform/grid_model.h"

namespace rimora {

namespace {

QString RowKey(const QString& gridName, int row)
{
    return gridName + QStringLiteral("-Row") + QString::number(row);
}

enum class TextForm { Plain, Decimal, WheelText };

void WriteWheelText(ProfileFile& file, const QString& section, const QString& key, const QString& text)
{
    if (text.isEmpty() && !file.Keys(section).contains(key, Qt::CaseInsensitive)) return;
    file.WriteString(section, key, WheelTextForFile(text));
}

// Each control keeps one value. A control that offers more than one value
// interface is taken as the most specific kind, so it never writes two keys
// of the same name.
void WriteValue(ProfileFile& file, const QString& section, Component& component, TextForm form)
{
    const QString key = component.Name();
    const bool decimal = form == TextForm::Decimal;
    if (auto* color = dynamic_cast<IColorControl*>(&component)) {
        file.WriteInteger(section, key, color->Selected());
    } else if (auto* spin = dynamic_cast<ISpinControl*>(&component)) {
        file.WriteInteger(section, key, spin->Value());
    } else if (auto* radio = dynamic_cast<IRadioGroupControl*>(&component)) {
        file.WriteInteger(section, key, radio->ItemIndex());
    } else if (auto* list = dynamic_cast<IItemIndexControl*>(&component)) {
        file.WriteInteger(section, key, list->ItemIndex());
    } else if (auto* check = dynamic_cast<ICheckControl*>(&component)) {
        file.WriteBool(section, key, check->Checked());
    } else if (auto* edit = dynamic_cast<ITextControl*>(&component); edit && form == TextForm::WheelText) {
        WriteWheelText(file, section, key, edit->Text());
    } else if (edit) {
        file.WriteString(section, key, decimal ? DecimalForFile(edit->Text()) : edit->Text());
    }
}

void ReadValue(const ProfileFile& file, const QString& section, Component& component, TextForm form)
{
    const QString key = component.Name();
    const bool decimal = form == TextForm::Decimal;
    if (auto* color = dynamic_cast<IColorControl*>(&component)) {
        // An absent key means the box's default colour, not what it shows now.
        color->SetSelected(file.ReadInteger(section, key, color->DefaultColorColor()));
    } else if (auto* spin = dynamic_cast<ISpinControl*>(&component)) {
        spin->SetValue(file.ReadInteger(section, key, spin->Value()));
    } else if (auto* radio = dynamic_cast<IRadioGroupControl*>(&component)) {
        radio->SetItemIndex(file.ReadInteger(section, key, radio->ItemIndex()));
    } else if (auto* list = dynamic_cast<IItemIndexControl*>(&component)) {
        list->SetItemIndex(file.ReadInteger(section, key, list->ItemIndex()));
    } else if (auto* check = dynamic_cast<ICheckControl*>(&component)) {
        check->SetChecked(file.ReadBool(section, key, check->Checked()));
    } else if (auto* edit = dynamic_cast<ITextControl*>(&component); edit && form == TextForm::WheelText) {
        edit->SetText(WheelTextFromFile(file.ReadString(section, key, QString())));
    } else if (edit) {
        // No value in the file holds a line break: this one means the key is
        // absent, and the box keeps its text as it is.
        const QString absent = QStringLiteral("\n");
        const QString text = file.ReadString(section, key, absent);
        if (text != absent) edit->SetText(decimal ? FileDecimalInRegion(text) : text);
    }
}

// Every kind of control that keeps one value under its own name.
bool KeepsValue(Component& component)
{
    return dynamic_cast<IColorControl*>(&component) || dynamic_cast<ISpinControl*>(&component)
           || dynamic_cast<IRadioGroupControl*>(&component) || dynamic_cast<IItemIndexControl*>(&component)
           || dynamic_cast<ICheckControl*>(&component) || dynamic_cast<ITextControl*>(&component);
}

void WriteGrid(ProfileFile& file, const QString& section, const QString& name, GridModel& model)
{
    for (int r = 0; r < model.RowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model.ColCount(); ++c) cells << model.Cells(c, r);
        file.WriteString(section, RowKey(name, r), JoinRowCells(cells));
    }
}

// The grid's size at the time of the read decides what is read; a row whose
// key is absent is emptied. A cell's decimal (a spoke's length) comes in the
// region's form, as the inputs do; hole numbers and gap marks hold no mark.
void ReadGrid(const ProfileFile& file, const QString& section, const QString& name, GridModel& model)
{
    for (int r = 0; r < model.RowCount(); ++r) {
        const QStringList cells = SplitRowCells(file.ReadString(section, RowKey(name, r), QString()), model.ColCount());
        for (int c = 0; c < model.ColCount(); ++c) model.SetCells(c, r, FileDecimalInRegion(cells[c]));
    }
}

TextForm FormOf(const TIniSave& store, const QString& name)
{
    if (store.DecimalNames().contains(name, Qt::CaseSensitive)) return TextForm::Decimal;
    if (store.WheelTextNames().contains(name, Qt::CaseSensitive)) return TextForm::WheelText;
    return TextForm::Plain;
}

}  // namespace

void TIniSave::WriteRecords(ProfileFile& file)
{
    st_ = ParseNameList(fNotSaveName_);
    const QString section = parent_.Name();
    for (Component* component : parent_.Components()) {
        if (component == nullptr || Excluded(*component)) continue;
        const QString name = component->Name();
        if (!quietDefaults_.isEmpty() && !file.Keys(section).contains(name, Qt::CaseInsensitive)) {
            ProfileFile value{QString()};
            WriteValue(value, section, *component, FormOf(*this, name));
            if (quietDefaults_.contains(name + QLatin1Char('=') + value.ReadString(section, name, QString()),
                                        Qt::CaseInsensitive))
                continue;
        }
        WriteValue(file, section, *component, FormOf(*this, name));
        if (auto* grid = dynamic_cast<IGridControl*>(component); grid && fSaveStringGrid_)
            WriteGrid(file, section, name, grid->Model());
    }
}

void TIniSave::WriteInfo()
{
    if (fPlaceOnly_ || readOnly_) return;
    const QString path = FilePath();
    PrepareSettingsFolder(path);
    ProfileFile file(path);
    WriteRecords(file);
    file.Save();
}

void TIniSave::WriteInfo(ProfileFile& file)
{
    if (fPlaceOnly_ || readOnly_) return;
    WriteRecords(file);
}

QStringList TIniSave::InfoRecords()
{
    if (fPlaceOnly_) return {};
    // A file of no name reads as empty and is never saved.
    ProfileFile file{QString()};
    WriteRecords(file);
    const QString section = parent_.Name();
    QStringList records;
    for (const QString& key : file.Keys(section))
        records << key + QLatin1Char('=') + file.ReadString(section, key, QString());
    return records;
}

bool TIniSave::HoldsInfo(const ProfileFile& file) const
{
    const QStringList keys = file.Keys(parent_.Name());
    if (keys.isEmpty()) return false;
    const QStringList excluded = ParseNameList(fNotSaveName_);
    for (Component* component : parent_.Components()) {
        if (component == nullptr) continue;
        const QString name = component->Name();
        if (name.isEmpty() || excluded.contains(name, Qt::CaseSensitive)) continue;
        const bool grid = fSaveStringGrid_ && dynamic_cast<IGridControl*>(component);
        const bool value = KeepsValue(*component);
        for (const QString& key : keys) {
            if (value && key.compare(name, Qt::CaseInsensitive) == 0) return true;
            if (grid && IsRowKeyOf(key, name)) return true;
        }
    }
    return false;
}

void TIniSave::ReadInfo()
{
    if (fPlaceOnly_) return;
    ReadInfo(ProfileFile(FilePath()));
}

void TIniSave::ReadInfo(const ProfileFile& file)
{
    if (fPlaceOnly_) return;
    st_ = ParseNameList(fNotSaveName_);
    const QString section = parent_.Name();
    for (Component* component : parent_.Components()) {
        if (component == nullptr || Excluded(*component)) continue;
        const QString name = component->Name();
        ReadValue(file, section, *component, FormOf(*this, name));
        if (auto* grid = dynamic_cast<IGridControl*>(component); grid && fSaveStringGrid_) {
            if (gridReadHook_) gridReadHook_(*component);
            ReadGrid(file, section, name, grid->Model());
        }
    }
}

}  // namespace rimora
