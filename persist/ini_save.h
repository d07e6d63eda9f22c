#pragma once
// TIniSave: the form-state store a window owns. On request it writes the
// window's placement and the values of the window's input controls to an INI file and reads them back. It knows nothing of wheels: it
// walks the window's components in creation order and saves what each kind of
// control holds.
//
// Every operation opens the file afresh, works on it in memory and, when it
// writes, puts the whole file on disk once at its end; a write that cannot be
// carried out raises EFileWriteError and leaves the file as it was. The
// placement and value records can also be read from, or written into, a file
// the caller has open, so that one pass reads the file once and writes it once.
#include "platform/component.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace rimora {

class ProfileFile;

class TIniSave {
public:
    // Called with a grid just before its rows are read, after every control
    // before it has been set, so the owner can size the grid for the rows to
    // come (the lacing table from the hole counts already read).
    using GridReadHook = std::function<void(Component& grid)>;

    explicit TIniSave(IForm& owner);

    IForm& Owner() const { return parent_; }

    // String grids are saved row by row.
    bool SaveStringGrid() const { return fSaveStringGrid_; }
    void SetSaveStringGrid(bool value) { fSaveStringGrid_ = value; }
    // ReadInfo and WriteInfo do nothing; placement still works.
    bool PlaceOnly() const { return fPlaceOnly_; }
    void SetPlaceOnly(bool value) { fPlaceOnly_ = value; }
    // Every write does nothing; reads work as usual. For a window whose
    // settings file is kept by another running copy of the program.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }

    // While none is set, the owner's name followed by ".ini".
    QString FileName() const;
    void SetFileName(const QString& value) { fFileName_ = value; }

    // Names of controls the control-value records leave out (ParseNameList).
    const QString& NotSaveName() const { return fNotSaveName_; }
    void SetNotSaveName(const QString& value) { fNotSaveName_ = value; }
    // Names of controls whose values belong to this computer, not to the
    // wheel (ParseNameList): the settings file keeps them, the profile flows
    // leave them out as they leave out NotSaveName's.
    const QString& SettingsOnlyNames() const { return fSettingsOnlyName_; }
    void SetSettingsOnlyNames(const QString& value) { fSettingsOnlyName_ = value; }
    // Names of edit boxes that hold a decimal number. Their records are read
    // with either mark as the decimal mark and shown in the region's form, so
    // a file written in any region opens in any other (FileDecimalInRegion).
    const QStringList& DecimalNames() const { return decimalNames_; }
    void SetDecimalNames(const QStringList& names) { decimalNames_ = names; }
    // Names of boxes that hold a text of the wheel (persist/wheel_text.h). An
    // empty one is written only over a record the file holds, so a file of a
    // wheel without them keeps its bytes; a record absent reads as empty.
    const QStringList& WheelTextNames() const { return wheelTextNames_; }
    void SetWheelTextNames(const QStringList& names) { wheelTextNames_ = names; }
    // Records ("name=value") of inputs that a wheel may do without: at that
    // value one is written only over a record the file holds, so the file of
    // a wheel that does not use them keeps its bytes.
    const QStringList& QuietDefaults() const { return quietDefaults_; }
    void SetQuietDefaults(const QStringList& records) { quietDefaults_ = records; }
    // The list parsed from NotSaveName at the start of the latest pass.
    const QStringList& ExclusionList() const { return st_; }

    void SetGridReadHook(GridReadHook hook) { gridReadHook_ = std::move(hook); }

    // The file every operation uses: FileName() as given when it is a full
    // path, else inside the settings folder.
    QString FilePath() const;

    // The values of the owner's controls, in the store's file or in a file
    // the caller has opened (one read or write for several passes).
    void WriteInfo();
    void ReadInfo();
    void WriteInfo(ProfileFile& file);
    void ReadInfo(const ProfileFile& file);
    // The records WriteInfo would write, as "key=value" lines in the order
    // of the file, without touching any file (read-only stores too): two
    // equal lists mean the file would hold the same values.
    QStringList InfoRecords();
    // Whether the file holds at least one record that ReadInfo would take
    // for one of the owner's controls (placement keys do not count). A file
    // without any is no file of this window: reading it would only empty
    // its grids.
    bool HoldsInfo(const ProfileFile& file) const;
    // The owner's left, top, height and width.
    void WritePlace();
    void ReadPlace();
    void WritePlace(ProfileFile& file);
    void ReadPlace(const ProfileFile& file);
    // Whether the latest ReadPlace had to move or shrink the stored place to
    // show the window on a screen there is now.
    bool PlaceCorrected() const { return placeCorrected_; }

private:
    bool Excluded(const Component& component) const;
    void WriteRecords(ProfileFile& file);

    IForm& parent_;
    bool fSaveStringGrid_ = true;
    bool fPlaceOnly_ = false;
    bool readOnly_ = false;
    bool placeCorrected_ = false;
    QString fFileName_;
    QString fNotSaveName_;
    QString fSettingsOnlyName_;
    QStringList decimalNames_;
    QStringList wheelTextNames_;
    QStringList quietDefaults_;
    QStringList st_;
    GridReadHook gridReadHook_;
};

}  // namespace rimora
