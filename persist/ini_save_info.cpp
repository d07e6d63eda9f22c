// The control-value records: one key per control under the owner's section,
// in the order the owner created its controls.
#include "persist/grid_row_text.h"
#include "persist/ini_save.h"
#include "persist/name_list.h"
#include "persist/profile_file.h"
#include "persist/settings_location.h"
#include "platform/grid_model.h"

namespace rimora {

namespace {

QString RowKey(const QString& gridName, int row)
{
    return gridName + QStringLiteral("-Row") + QString::number(row);
}

QString WidthKey(const QString& name)
{
    return name + QStringLiteral("_Width");
}

QString HeightKey(const QString& name)
{
    return name + QStringLiteral("_Height");
}

// Each control keeps one value. A control that offers more than one value
// interface is taken as the most specific kind, so it never writes two keys
// of the same name.
void WriteValue(ProfileFile& file, const QString& section, Component& component)
{
    const QString key = component.Name();
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
    } else if (auto* edit = dynamic_cast<ITextControl*>(&component)) {
        file.WriteString(section, key, edit->Text());
    }
}

void ReadValue(const ProfileFile& file, const QString& section, Component& component)
{
    const QString key = component.Name();
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
    } else if (auto* edit = dynamic_cast<ITextControl*>(&component)) {
        edit->SetText(file.ReadString(section, key, edit->Text()));
    }
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
// key is absent is emptied.
void ReadGrid(const ProfileFile& file, const QString& section, const QString& name, GridModel& model)
{
    for (int r = 0; r < model.RowCount(); ++r) {
        const QStringList cells = SplitRowCells(file.ReadString(section, RowKey(name, r), QString()), model.ColCount());
        for (int c = 0; c < model.ColCount(); ++c) model.SetCells(c, r, cells[c]);
    }
}

}  // namespace

void TIniSave::WriteInfo()
{
    if (fPlaceOnly_) return;
    const QString path = FilePath();
    PrepareSettingsFolder(path);
    ProfileFile file(path);
    st_ = ParseNameList(fNotSaveName_);
    const QString section = parent_.Name();
    for (Component* component : parent_.Components()) {
        if (component == nullptr || Excluded(*component)) continue;
        const QString name = component->Name();
        WriteValue(file, section, *component);
        auto* panel = dynamic_cast<IPanelControl*>(component);
        if (panel && fSavePanelColor_) file.WriteInteger(section, name, panel->Color());
        if (auto* grid = dynamic_cast<IGridControl*>(component); grid && fSaveStringGrid_)
            WriteGrid(file, section, name, grid->Model());
        if (panel && fSaveSplitPos_) {
            file.WriteInteger(section, WidthKey(name), panel->Width());
            file.WriteInteger(section, HeightKey(name), panel->Height());
        }
    }
    file.Save();
}

void TIniSave::ReadInfo()
{
    if (fPlaceOnly_) return;
    const ProfileFile file(FilePath());
    st_ = ParseNameList(fNotSaveName_);
    const QString section = parent_.Name();
    for (Component* component : parent_.Components()) {
        if (component == nullptr || Excluded(*component)) continue;
        const QString name = component->Name();
        ReadValue(file, section, *component);
        auto* panel = dynamic_cast<IPanelControl*>(component);
        if (panel && fSavePanelColor_) panel->SetColor(file.ReadInteger(section, name, panel->Color()));
        if (auto* grid = dynamic_cast<IGridControl*>(component); grid && fSaveStringGrid_) {
            if (gridReadHook_) gridReadHook_(*component);
            ReadGrid(file, section, name, grid->Model());
        }
        if (panel && fSaveSplitPos_) {
            panel->SetWidth(file.ReadInteger(section, WidthKey(name), panel->Width()));
            panel->SetHeight(file.ReadInteger(section, HeightKey(name), panel->Height()));
        }
    }
}

}  // namespace rimora
