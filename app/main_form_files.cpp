// The main window's settings and profile files: the store is pointed at the
// right file and the persistence code does the reading and writing.
#include "app/main_form.h"
#include "app/summary_form.h"
#include "lacing/lacing_table.h"
#include "persist/ini_save.h"
#include "persist/profile_flows.h"
#include "persist/recent_profiles.h"
#include "persist/settings_flows.h"
#include "persist/settings_session.h"
#include "platform/convert.h"
#include "platform/desktop.h"
#include "spokes/wheel_fields.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>

namespace rimora {

namespace {

// Before the table's rows are read, the table gets the size of the hole
// counts just read, so that no row of a wheel of another size is lost.
void SizeTableFromHoleCounts(TStringGrid& grid, const QString& hubText, const QString& rimText)
{
    int hub = 0;
    int rim = 0;
    if (!TryStrToInt(hubText, hub) || !TryStrToInt(rimText, rim)) return;
    grid.SetRowCount(std::max(hub, rim) + 1);
}

}  // namespace

void TMainF::RestoreSettings()
{
    iniSave_->SetGridReadHook([this](Component& grid) {
        if (&grid == static_cast<Component*>(SG1)) SizeTableFromHoleCounts(*SG1, HubCB->Text(), RimCB->Text());
    });
    // The recent list is this computer's, not the wheel's.
    iniSave_->SetSettingsOnlyNames(RecentL->Name());
    // A decimal input opens in this region's form whichever region wrote it.
    QStringList decimalInputs;
    for (const WheelField field : kAllWheelFields)
        if (!TakesWholeNumber(field)) decimalInputs << FieldControl(field)->objectName();
    iniSave_->SetDecimalNames(decimalInputs);
    settings_ = std::make_unique<SettingsSession>(*iniSave_);
    StatusBar->SetNote(settings_->Restore(), settings_->FilePath());
    RecentL->SetText(RecentProfilesText(ParseRecentProfiles(RecentL->Text())));
}

void TMainF::SaveSettings()
{
    if (settings_) settings_->Save();
}

void TMainF::SetSummaryWindow(TSumF* summary)
{
    SumF = summary;
    if (SumF && settings_) settings_->ShareWith(SumF->IniSave());
}

void TMainF::SetSummaryWindowMaker(std::function<TSumF*()> make)
{
    makeSummary_ = std::move(make);
}

TSumF* TMainF::SummaryWindow()
{
    if (!SumF && makeSummary_) SetSummaryWindow(makeSummary_());
    return SumF;
}

void TMainF::SaveBtnClick()
{
    if (const auto name = SaveProfile(*iniSave_, ProfL->Caption())) {
        ProfL->SetCaption(*name);
        WheelStored(iniSave_->FileName());
    }
}

void TMainF::OpenBtnClick()
{
    if (!MayReplaceWheel()) return;
    // A profile written before the rim offset, tension and ordering inputs
    // existed opens with their defaults, not with the previous wheel's values.
    if (const auto name = OpenProfile(*iniSave_, [this] { ResetSideInputs(); })) {
        ProfL->SetCaption(*name);
        DBtnClick();
        WheelStored(iniSave_->FileName());
    }
}

void TMainF::OpenProfilePath(const QString& path)
{
    ProfL->SetCaption(OpenProfileFile(*iniSave_, path, [this] { ResetSideInputs(); }));
    DBtnClick();
    WheelStored(iniSave_->FileName());
}

// The values the window has now become those of the file just saved or
// opened, and the file goes to the top of the recent list.
void TMainF::WheelStored(const QString& profilePath)
{
    storedRecords_ = ProfileRecords(*iniSave_);
    RecentL->SetText(RecentProfilesText(WithRecentProfile(RecentProfiles(), profilePath)));
}

bool TMainF::MayReplaceWheel()
{
    if (ProfileRecords(*iniSave_) == storedRecords_) return true;
    const QString profile = ProfL->Caption();
    switch (CurrentDesktop().AskSaveChanges(
        tr("Open profile"), tr("The wheel has changed since %1 was last saved or opened.\n"
                               "Save the changes before opening another profile?")
                                .arg(profile))) {
    case SaveChangesAnswer::Save: {
        // A save that is cancelled keeps the wheel on screen, as one that
        // fails does (its error leaves this handler).
        SaveBtnClick();
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
    return ParseRecentProfiles(RecentL->Text());
}

void TMainF::FillRecentMenu()
{
    RecentMenu->clear();
    const QStringList paths = RecentProfiles();
    if (paths.isEmpty()) {
        RecentMenu->addAction(tr("No recent profiles"))->setEnabled(false);
        return;
    }
    const QFontMetrics metrics(RecentMenu->font());
    const int width = metrics.averageCharWidth() * 60;
    for (const QString& path : paths) {
        const QString shown = QDir::toNativeSeparators(path);
        // "&" in a path is a plain character, not a mnemonic.
        QString text = metrics.elidedText(shown, Qt::ElideMiddle, width);
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = RecentMenu->addAction(text);
        entry->setToolTip(shown);
        entry->setData(path);
        connect(entry, &QAction::triggered, this, [this, path] { RunGuarded([this, path] { OpenRecentProfile(path); }); });
    }
}

void TMainF::RecentBtnClick()
{
    FillRecentMenu();
    // Right-aligned under the arrow, so that the list opens over the window.
    const QPoint corner(RecentBtn->width() - RecentMenu->sizeHint().width(), RecentBtn->height());
    RecentMenu->popup(RecentBtn->mapToGlobal(corner));
}

void TMainF::OpenRecentProfile(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        RecentL->SetText(RecentProfilesText(WithoutRecentProfile(RecentProfiles(), path)));
        CurrentDesktop().ShowError(
            tr("The profile %1 no longer exists; it has been taken off the recent list.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (!MayReplaceWheel()) return;
    OpenProfilePath(path);
}

}  // namespace rimora
