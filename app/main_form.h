#pragma once
// The main window: the wheel drawing on the left, the profile bar and the
// "Data", "Spoke" and "Draw" tabs on the right. It assembles its controls and
// routes their events; the work is done in the subsystem folders.
#include "app/wheel_controls.h"
#include "drawing/wheel_on_screen.h"
#include "sheet/laced_wheel.h"
#include "widgets/simple_controls.h"
#include "widgets/tcheck_box.h"
#include "widgets/tcolor_box.h"
#include "widgets/tcombo_box.h"
#include "widgets/tedit.h"
#include "widgets/tform.h"
#include "widgets/tpaint_box.h"
#include "widgets/tradio_group.h"
#include "widgets/tspin_edit.h"
#include "widgets/tstring_grid.h"

#include <QMenu>
#include <QToolButton>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace rimora {

class ProfileFile;
class PartsDialog;
class HubDialog;
class LaceStepsPage;
class TIniSave;
class SettingsSession;
class TSumF;
class TrueWindow;
struct FlangeOffsets;
struct BuildSheet;
enum class WheelField;

class TMainF : public TForm {
    Q_OBJECT
public:
    static const QString ApplicationTitle;
    static const QString WebAddress;
    static const QString SettingsFileName;
    // Unit-level state shared with the drawing and the file flows.
    static QString StartDir;   // the executable's folder, with a trailing separator
    static int ShowCredits;    // non-zero: the credits overlay is shown

    explicit TMainF(QWidget* parent = nullptr);
    ~TMainF() override;

    // The summary window, created after the main window; it keeps its
    // placement only when this window keeps its settings.
    void SetSummaryWindow(TSumF* summary);
    // Or how to build it the first time the summary is asked for, so that a
    // start does not build a window it may never show.
    void SetSummaryWindowMaker(std::function<TSumF*()> make);
    // Writes the settings file; runs once, when the window is destroyed or the
    // program is asked to end. False when the write failed; the error went
    // to `report` (the desktop's error report when none is given).
    bool FormDestroy(const std::function<void(const QString&)>& report = {});
    // Every input as the controls hold it, the lacing table left empty.
    LacedWheel WheelOfControls() const;

    // What the controls set off, each named for what it does.
    void RedrawIfAuto();
    void RedrawSidesIfAuto();
    void HoleCountChosen();
    void CalculateLengths();
    void ShowSummary();
    void DrawNow();
    void DrawButtonPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void PaintWheel(Canvas& canvas);
    void InsertGap();
    void SlideHalfPitch();
    // The angle difference at which the hub's torques cancel, for the table as it stands.
    void BalanceRimTurn();
    void ZeroAngle();
    void SaveWheel();
    void OpenWheel();
    // The profile named on the command line, opened before the window is
    // first shown so that its wheel is the first one drawn. One that cannot be
    // opened changes nothing and is said in a message over the window once
    // the event loop runs.
    void OpenStartProfile(const QString& path);
    void OpenButtonPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void ShowAbout();
    void OpenWebPage();
    void FormShow();
    void FormResize();
    // The build sheet and the exports, from the drawing's right-click menu
    // and their shortcuts.
    void PrintSheet();
    void SaveSheetPdf();
    void SaveDrawing();
    void OffsetsFromLocknut();

    double pixelsPerMm = 0;  // scale of the latest drawing

    // Controls, in the order of the window's records.
    TComboBox* rimTypeList = nullptr;
    TComboBox* hubHolesList = nullptr;
    TComboBox* rimHolesList = nullptr;
    TEdit* rightFlangeEdit = nullptr;
    TEdit* leftFlangeEdit = nullptr;
    TSpinEdit* leftCrossSpin = nullptr;
    TEdit* leftOffsetEdit = nullptr;
    TEdit* rightOffsetEdit = nullptr;
    TEdit* spokeHoleEdit = nullptr;
    TEdit* erdEdit = nullptr;
    TSpinEdit* rightCrossSpin = nullptr;
    TStringGrid* lacingGrid = nullptr;
    TEdit* angleEdit = nullptr;
    TColorBox* backgroundColourBox = nullptr;
    TColorBox* rimOuterColourBox = nullptr;
    TColorBox* rimInnerColourBox = nullptr;
    TColorBox* hubColourBox = nullptr;
    TColorBox* rightSpokeColourBox = nullptr;
    TColorBox* leftSpokeColourBox = nullptr;
    TColorBox* spareColourBox = nullptr;
    TSpinEdit* rimBandSpin = nullptr;
    TSpinEdit* rimInnerSpin = nullptr;
    TSpinEdit* hubMarginSpin = nullptr;
    TSpinEdit* spokeWidthSpin = nullptr;
    TCheckBox* autoRedrawCheck = nullptr;
    TCheckBox* rimNumbersCheck = nullptr;
    TRadioGroup* spokeSideGroup = nullptr;
    TButton* locknutButton = nullptr;     // "From locknut…"
    TButton* partsButton = nullptr;       // "Parts…": names and remarks
    PartsDialog* partsDialog = nullptr;
    TButton* hubButton = nullptr;         // "Hub…": straight-pull, heads in or out
    HubDialog* hubDialog = nullptr;
    LaceStepsPage* lacePage = nullptr;  // the "Lace" tab: the lacing steps over the drawing
    TSpinEdit* valveSpin = nullptr;     // the rim hole the valve follows

    TPanel* drawingPanel = nullptr;
    TPaintBox* wheelPaintBox = nullptr;
    TLabel* scaleLabel = nullptr;
    TImage* logoImage = nullptr;
    TLabel* titleLabel = nullptr;
    TPanel* buttonBar = nullptr;
    TButton* drawButton = nullptr;
    TButton* calcButton = nullptr;
    TButton* summaryButton = nullptr;
    TPanel* rightPanel = nullptr;
    TPanel* profileBar = nullptr;
    TLabel* profileLabel = nullptr;
    TButton* saveButton = nullptr;
    TButton* openButton = nullptr;
    TPageControl* tabs = nullptr;
    TStatusBar* statusBar = nullptr;
    TLabel* degreeLabel = nullptr;
    TButton* halfPitchButton = nullptr;
    TButton* balanceButton = nullptr;
    QMenu* tableMenu = nullptr;
    QAction* insertGapItem = nullptr;
    QMenu* drawingMenu = nullptr;         // right-click menu of the drawing
    QAction* printSheetItem = nullptr;      // Ctrl+P
    QAction* sheetPdfItem = nullptr;   // Ctrl+Shift+S
    QAction* saveDrawingItem = nullptr;    // Ctrl+E
    // The tension log: the "True it" window, and the sheet with a blank
    // tension form or with the last round.
    QAction* trueItem = nullptr;           // Ctrl+T
    QAction* tensionFormItem = nullptr;
    QAction* tensionRoundItem = nullptr;
    TrueWindow* trueWindow = nullptr;
    void ShowTrueWindow();
    void PrintTensionSheet(bool blankForm);
    void PrintStepsSheet();
    void PreviewSheet(const BuildSheet& sheet);
    // The wheel and its table as the window holds them, laced and measured.
    LacedWheel PreparedWheelOfWindow() const;

    // The wheel as the controls hold it, each text converted once when it
    // changed; a text that does not read keeps its last good value and its
    // message (WheelReading::Problem).
    const WheelReading& CurrentWheel() const;

    // The control that holds a field's text.
    QWidget* FieldControl(WheelField field) const;
    // The control of a stored record, by its key ("TensionE").
    template <typename T>
    T* StoredControl(const char* key) const
    {
        return wheelControls_.Get<T>(key);
    }

    // Asks for the hub's locknut distances; nothing when the user cancels. The
    // program opens the dialog; tests answer in its place.
    std::function<std::optional<FlangeOffsets>()> AskLocknutOffsets;
    TCheckBox* hubNumbersCheck = nullptr;  // hub hole numbers in the drawing
    // The profiles saved or opened last, '|'-joined: a record of the settings
    // file after every earlier one, never shown and never put in a profile.
    TEdit* recentProfilesEdit = nullptr;
    QToolButton* recentButton = nullptr;  // the arrow beside "Open": the recent profiles
    QMenu* recentMenu = nullptr;
    void ShowRecentProfiles();
    // Fills recentMenu: one entry per recent profile, most recent first.
    void FillRecentMenu();
    // A recent profile chosen: opened as "Open" opens, or dropped from the
    // list with a message when it no longer exists.
    void OpenRecentProfile(const QString& path);
    QStringList RecentProfiles() const;

    TIniSave& IniSave() { return *iniSave_; }

    // Whether the Length of a table row no longer matches the inputs: the
    // table shows it grey until the next "Calc!".
    bool LengthStale(int row) const;
    TSumF* summaryForm = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The status bar's word that `path` has been written.
    // An export never replaces the file the wheel is kept in.
    void RefuseOwnFile(const QString& path) const;
    // A laced spoke's row in the table: how it lies, its head and the angle
    // it meets its nipple at; empty for any other cell.
    QString SpokeToolTip(int col, int row);
    void SaidSaved(const QString& path);
    void FormCreate();
    void CreateControls();
    void CreateStoredControls(QWidget* dataPage, QWidget* spokePage, QWidget* drawPage);
    void CreateDrawingPanel();
    void CreateProfileBar();
    void ArrangeControls();
    void ArrangeDrawingPanel();
    void ArrangeProfileBar();
    void ArrangeDataPage();
    void ArrangeSpokePage();
    void ArrangeDrawPage();
    void ChainTabOrder(const std::vector<QWidget*>& widgets);
    void WireEvents();
    void ShowPaintError(const QString& message);
    void RestoreSettings();
    void SaveSettings();
    void WriteTableHeadings();
    void ShareButtonBar();
    void ApplyDrawingResult(const WheelLayout& result);
    // Places the labels that stand on the drawing; returns the layout they were placed by.
    WheelLayout PlaceWheelOverlay();
    void RepaintWheel();
    void CreateSheetActions();
    void CreateTensionActions();
    // The lengths that no longer match the inputs, worked out again after
    // every change of an input they depend on (the table's hole columns
    // included); when they change, the table is repainted and the status
    // bar's hint put in or taken out.
    void WatchLengthInputs();
    // The lacing table generated afresh from the hole counts and crosses.
    void LaceAfresh();
    // The crossed side's span of a 2:1 pattern, "63.75°"; empty for other hubs.
    QString CrossedSpanText(int pattern) const;
    // Laces the cleared table from the hole counts, crosses and flanges;
    // returns what the holes could not give as asked.
    QString LaceFromInputs();
    // A freshly laced table of unequal counts starts where a tensioned wheel
    // settles; one that cannot be balanced starts at 0.
    void TurnFreshTableToBalance();
    // For the status bar: the hole count still to choose, or what the table as
    // it stands cannot give as asked (WheelNotes), joined on one text.
    QString LacingNotes() const;
    void CheckLengths();
    // Runs `work` with the length check held, then checks once: for handlers
    // that rewrite many cells.
    void WithLengthCheckHeld(const std::function<void()>& work);
    // The text with the stale-length hint after it while any length is stale.
    QString WithStaleHint(const QString& text) const;
    // Before a profile's values are read: the inputs the file lacks take
    // their defaults, and `absentRecords_` names the first program's ones.
    void BeforeProfileRead(const ProfileFile& file);
    // After: a table without a spoke is laced from the hole counts and
    // crosses, the wheel drawn, and the status bar names what the file lacked.
    void ProfileOpened(const QString& fileName);
    // The question's "Save": to the wheel's own file, without a dialog, when
    // it has one; else as the Save button saves.
    void SaveBeforeReplacing();
    // Whether the wheel on screen may be replaced: asks first when it has
    // changed since the start, its last save or its last open.
    bool MayReplaceWheel();
    void WheelStored(const QString& profilePath);
    void OpenProfilePath(const QString& path);
    // Marks the first of the fields whose text does not read and stops with
    // its message; else the wheel.
    const Wheel& StopAtUnreadable(const std::vector<WheelField>& fields);
    // Runs the work; a value it finds impossible (EFieldInputError) is framed
    // in red and the error goes on.
    void MarkImpossible(const std::function<void()>& work);
    // Takes the frame off every input that now reads and that the wheel's
    // checks no longer name.
    void UnmarkFixedFields();
    // With equal hole counts the angle difference box shows the 0 the lengths used.
    void ShowAngleDifferenceInUse(const Wheel& wheel);
    void WatchFieldMarks();

    TSumF* SummaryWindow();

    std::unique_ptr<TIniSave> iniSave_;
    std::function<TSumF*()> makeSummary_;
    std::unique_ptr<SettingsSession> settings_;
    bool shownOnce_ = false;
    bool settingsWritten_ = false;
    QStringList storedRecords_;  // the profile records at the start, the last save or the last open
    QString profilePath_;        // the file last saved or opened; empty until then
    QStringList designRecords_;  // the profile records of the window as it was created
    QStringList absentRecords_;  // names of the first inputs the profile being opened lacks
    QStringList heldRecords_;    // and of those it holds
    std::vector<bool> staleLengths_;  // per table row
    std::vector<QString> spokeMarks_;  // per table row: the spoke's lay and head
    int lengthCheckHold_ = 0;
    WheelOnScreen wheelOnScreen_;
    mutable WheelControls wheelControls_;  // read lazily: a cache of the converted texts
};

}  // namespace rimora
