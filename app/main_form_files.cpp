// The main window's settings and profile files: the store is pointed at the
// right file and the persistence code does the reading and writing.
#include "app/main_form.h"
#include "app/true_window.h"
#include "app/summary_form.h"
#include "lacing/lacing_generation.h"
#include "lacing/lacing_table.h"
#include "persist/ini_save.h"
#include "persist/profile_flows.h"
#include "persist/recent_profiles.h"
#include "persist/settings_flows.h"
#include "persist/settings_session.h"
#include "platform/convert.h"
#include "platform/desktop.h"
#include "platform/guard.h"
#include "sheet/laced_wheel.h"
#include "spokes/wheel_notes.h"
#include "wheel/wheel_fields.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QTimer>

namespace rimora {

namespace {

// Before the table's rows are read, the table gets the size of the hole
// counts just read, so that no row of a wheel of another size is lost.
void SizeTableFromHoleCounts(TStringGrid& grid, const Wheel& wheel)
{
    if (wheel.hubHoles > 0 && wheel.rimHoles > 0) grid.SetRowCount(std::max(wheel.hubHoles, wheel.rimHoles) + 1);
}

}  // namespace

void TMainF::RestoreSettings()
{
    iniSave_->SetGridReadHook([this](Component& grid) {
        if (&grid == static_cast<Component*>(lacingGrid)) SizeTableFromHoleCounts(*lacingGrid, CurrentWheel().wheel);
    });
    // The recent list is this computer's, not the wheel's.
    iniSave_->SetSettingsOnlyNames(recentProfilesEdit->Name());
    iniSave_->SetWheelTextNames(wheelControls_.WheelTextKeys());
    // What a profile that lacks an input gives it.
    designRecords_ = ProfileRecords(*iniSave_);
    QStringList quiet;
    for (const QString& key : wheelControls_.QuietKeys())
        for (const QString& record : designRecords_)
            if (record.startsWith(key + QLatin1Char('='))) quiet << record;
    iniSave_->SetQuietDefaults(quiet);
    // A decimal input opens in this region's form whichever region wrote it.
    iniSave_->SetDecimalNames(wheelControls_.DecimalKeys());
    settings_ = std::make_unique<SettingsSession>(*iniSave_);
    statusBar->SetNote(settings_->Restore(), settings_->FilePath());
    recentProfilesEdit->SetText(RecentProfilesText(ParseRecentProfiles(recentProfilesEdit->Text())));
}

void TMainF::SaveSettings()
{
    if (settings_) settings_->Save();
}

void TMainF::SetSummaryWindow(TSumF* summary)
{
    summaryForm = summary;
    if (summaryForm && settings_) settings_->ShareWith(summaryForm->IniSave());
}

void TMainF::SetSummaryWindowMaker(std::function<TSumF*()> make)
{
    makeSummary_ = std::move(make);
}

TSumF* TMainF::SummaryWindow()
{
    if (!summaryForm && makeSummary_) SetSummaryWindow(makeSummary_());
    return summaryForm;
}

void TMainF::SaveWheel()
{
    if (const auto name = SaveProfile(*iniSave_, profileLabel->Caption())) {
        profileLabel->SetCaption(*name);
        WheelStored(iniSave_->FileName());
        SaidSaved(iniSave_->FileName());
    }
}

void TMainF::OpenWheel()
{
    if (!MayReplaceWheel()) return;
    std::optional<QString> name;
    WithLengthCheckHeld([this, &name] {
        name = OpenProfile(*iniSave_, [this](const ProfileFile& file) { BeforeProfileRead(file); });
    });
    if (name) ProfileOpened(*name);
}

void TMainF::OpenProfilePath(const QString& path)
{
    QString name;
    WithLengthCheckHeld([this, &name, &path] {
        name = OpenProfileFile(*iniSave_, path, [this](const ProfileFile& file) { BeforeProfileRead(file); });
    });
    ProfileOpened(name);
}

void TMainF::OpenStartProfile(const QString& path)
{
    QString refusal;
    RunGuarded([this, &path] { OpenProfilePath(path); }, [&refusal](const QString& message) { refusal = message; });
    if (!refusal.isEmpty()) QTimer::singleShot(0, this, [refusal] { CurrentDesktop().ShowError(refusal); });
}

void TMainF::BeforeProfileRead(const ProfileFile& file)
{
    // The records of the first program, each by the name the user knows it
    // by; those added since (rim offset, tension, spoke Ø, order step, hub
    // hole numbers) are expected to be missing from older files and are not
    // named. The hidden "Selected" colour is never seen, so never named.
    const auto field = [](WheelField f) {
        const QString caption = FieldCaption(f);
        const QString shortName = FieldShortName(f);
        return shortName == caption ? caption
                                    : shortName + QStringLiteral(" (") + caption.mid(shortName.size() + 1).trimmed()
                                          + QLatin1Char(')');
    };
    const std::pair<Component*, QString> named[] = {
        {rimTypeList, tr("TYPE")},
        {hubHolesList, field(WheelField::HubHoles)},
        {rimHolesList, field(WheelField::RimHoles)},
        {rightFlangeEdit, field(WheelField::RightFlange)},
        {leftFlangeEdit, field(WheelField::LeftFlange)},
        {leftCrossSpin, field(WheelField::LeftCross)},
        {leftOffsetEdit, field(WheelField::LeftOffset)},
        {rightOffsetEdit, field(WheelField::RightOffset)},
        {spokeHoleEdit, field(WheelField::SpokeHole)},
        {erdEdit, field(WheelField::Erd)},
        {rightCrossSpin, field(WheelField::RightCross)},
        {lacingGrid, tr("lacing table")},
        {angleEdit, field(WheelField::AngleDifference)},
        {backgroundColourBox, tr("BackGround colour")},
        {rimOuterColourBox, tr("RIM 1 colour")},
        {rimInnerColourBox, tr("RIM 2 colour")},
        {hubColourBox, tr("HUB colour")},
        {rightSpokeColourBox, tr("Right Spoke colour")},
        {leftSpokeColourBox, tr("Left Spoke colour")},
        {rimBandSpin, tr("RIM 1 Height")},
        {rimInnerSpin, tr("RIM Inner")},
        {hubMarginSpin, tr("HUB Outer")},
        {spokeWidthSpin, tr("Spoke Width")},
        {autoRedrawCheck, tr("Auto ReDraw")},
        {rimNumbersCheck, tr("RIM hole No.")},
        {spokeSideGroup, tr("Spoke Drawing")}};
    absentRecords_.clear();
    heldRecords_.clear();
    for (const auto& [control, name] : named)
        (HoldsRecord(*iniSave_, file, control->Name(), control == static_cast<Component*>(lacingGrid)) ? heldRecords_
                                                                                                 : absentRecords_)
            << name;
    ResetAbsentRecords(*iniSave_, file, designRecords_);
}

void TMainF::ProfileOpened(const QString& fileName)
{
    // A wheel saved before it was laced is laced now, as the command line
    // laces it, and turned to its balance like any fresh table.
    bool laced = false;
    const Wheel& wheel = CurrentWheel().wheel;
    if (TableIsEmpty(lacingGrid->Model()) && wheel.hubHoles > 0 && wheel.rimHoles > 0) {
        WithLengthCheckHeld([this] {
            ClearLacingTable(lacingGrid->Model());
            LaceFromInputs();
            WriteTableHeadings();
            TurnFreshTableToBalance();
        });
        laced = true;
    }
    profileLabel->SetCaption(fileName);
    DrawNow();
    // An open "True it" window holds the last wheel's rounds: it would write
    // them into this one with the next reading.
    if (trueWindow && trueWindow->isVisible()) trueWindow->Reload();
    WheelStored(iniSave_->FileName());

    QStringList notes;
    const QString absent = absentRecords_.join(QStringLiteral(", "));
    if (absentRecords_.size() == 1)
        notes << tr("%1 lacks %2: its default is used.").arg(fileName, absent);
    else if (absentRecords_.size() > 1 && heldRecords_.isEmpty())
        notes << tr("%1 holds none of the wheel's sizes, table or drawing settings: their defaults are used.")
                     .arg(fileName);
    else if (absentRecords_.size() > heldRecords_.size())
        notes << tr("%1 holds only %2: the other inputs take their defaults.")
                     .arg(fileName, heldRecords_.join(QStringLiteral(", ")));
    else if (!absentRecords_.isEmpty())
        notes << tr("%1 lacks %2: their defaults are used.").arg(fileName, absent);
    if (laced) notes << tr("Its table is laced from the hole counts.");
    absentRecords_.clear();
    heldRecords_.clear();
    // What the opened table cannot give as asked, whoever laced it; the
    // drawing may have put it there already.
    const QString lacing = WheelNotes(lacingGrid->Model(), CurrentWheel().wheel).join(QStringLiteral("  "));
    if (!lacing.isEmpty()) notes << lacing;
    if (notes.isEmpty()) return;
    const QString shown = statusBar->SimpleText();
    if (!shown.isEmpty() && (lacing.isEmpty() || !shown.startsWith(lacing))) notes << shown;
    statusBar->SetSimpleText(WithStaleHint(notes.join(QStringLiteral("  "))));
}

// The values the window has now become those of the file just saved or
// opened, and the file goes to the top of the recent list.
void TMainF::WheelStored(const QString& profilePath)
{
    profilePath_ = profilePath;
    storedRecords_ = ProfileRecords(*iniSave_);
    recentProfilesEdit->SetText(RecentProfilesText(WithRecentProfile(RecentProfiles(), profilePath)));
}

void TMainF::SaveBeforeReplacing()
{
    if (profilePath_.isEmpty()) {
        SaveWheel();
        return;
    }
    profileLabel->SetCaption(SaveProfileTo(*iniSave_, profilePath_));
    WheelStored(iniSave_->FileName());
    SaidSaved(iniSave_->FileName());
}

bool TMainF::MayReplaceWheel()
{
    if (ProfileRecords(*iniSave_) == storedRecords_) return true;
    // A wheel never saved nor opened has no file to compare with.
    const QString question =
        profilePath_.isEmpty()
            ? tr("The wheel has not been saved yet.\nSave it before opening another profile?")
            : tr("The wheel has changed since %1 was last saved or opened.\n"
                 "Save the changes before opening another profile?")
                  .arg(profileLabel->Caption());
    switch (CurrentDesktop().AskSaveChanges(tr("Open profile"), question)) {
    case SaveChangesAnswer::Save: {
        // A save that is cancelled keeps the wheel on screen, as one that
        // fails does (its error leaves this handler).
        SaveBeforeReplacing();
        return ProfileRecords(*iniSave_) == storedRecords_;
    }
    case SaveChangesAnswer::Discard:
        return true;
    case SaveChangesAnswer::Cancel:
        break;
    }
    return false;
}

QStringList TMainF::RecentProfiles() const
{
    return ParseRecentProfiles(recentProfilesEdit->Text());
}

void TMainF::FillRecentMenu()
{
    recentMenu->clear();
    const QStringList paths = RecentProfiles();
    if (paths.isEmpty()) {
        recentMenu->addAction(tr("No recent profiles"))->setEnabled(false);
        return;
    }
    const QFontMetrics metrics(recentMenu->font());
    const int width = metrics.averageCharWidth() * 60;
    for (const QString& path : paths) {
        const QString shown = QDir::toNativeSeparators(path);
        // "&" in a path is a plain character, not a mnemonic.
        QString text = metrics.elidedText(shown, Qt::ElideMiddle, width);
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = recentMenu->addAction(text);
        entry->setToolTip(shown);
        entry->setData(path);
        connect(entry, &QAction::triggered, this, [this, path] { RunGuarded([this, path] { OpenRecentProfile(path); }); });
    }
}

void TMainF::ShowRecentProfiles()
{
    FillRecentMenu();
    // Right-aligned under the arrow, so that the list opens over the window.
    const QPoint corner(recentButton->width() - recentMenu->sizeHint().width(), recentButton->height());
    recentMenu->popup(recentButton->mapToGlobal(corner));
}

void TMainF::OpenRecentProfile(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        recentProfilesEdit->SetText(RecentProfilesText(WithoutRecentProfile(RecentProfiles(), path)));
        CurrentDesktop().ShowError(
            tr("The profile %1 no longer exists; it has been taken off the recent list.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (!MayReplaceWheel()) return;
    OpenProfilePath(path);
}

}  // namespace rimora
