// The main window's settings and profile files: the store is pointed at the
// right file and the persistence code does the reading and writing.
#include "app/main_form.h"
#include "app/summary_form.h"
#include "lacing/lacing_table.h"
#include "persist/ini_save.h"
#include "persist/profile_flows.h"
#include "persist/settings_flows.h"
#include "persist/settings_session.h"
#include "platform/convert.h"

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
    settings_ = std::make_unique<SettingsSession>(*iniSave_);
    StatusBar->SetNote(settings_->Restore(), settings_->FilePath());
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
    if (const auto name = SaveProfile(*iniSave_, ProfL->Caption())) ProfL->SetCaption(*name);
}

void TMainF::OpenBtnClick()
{
    // A profile written before the rim offset, tension and ordering inputs
    // existed opens with their defaults, not with the previous wheel's values.
    if (const auto name = OpenProfile(*iniSave_, [this] { ResetSideInputs(); })) {
        ProfL->SetCaption(*name);
        DBtnClick();
    }
}

}  // namespace rimora
