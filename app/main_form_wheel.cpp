// The main window's wheel handlers: each reads its controls and hands the work
// to the lacing, spokes or drawing code in a line or two.
#include "app/main_form.h"
#include "app/summary_form.h"
#include "lacing/lacing_generation.h"
#include "lacing/lacing_table.h"
#include "lacing/table_editing.h"
#include "spokes/summary_text.h"

namespace rimora {

namespace {

SpokeLengthInputs LengthInputs(const TMainF& f)
{
    SpokeLengthInputs in;
    in.erd = f.ErdE->Text();
    in.rightFlange = f.dRE->Text();
    in.leftFlange = f.dLE->Text();
    in.hubHoles = f.HubCB->Text();
    in.rimHoles = f.RimCB->Text();
    in.angleDifference = f.AdE->Text();
    in.leftOffset = f.WLE->Text();
    in.rightOffset = f.WRE->Text();
    in.spokeHole = f.ShE->Text();
    return in;
}

WheelDescriptionTexts DescriptionTexts(const TMainF& f)
{
    WheelDescriptionTexts t;
    t.profile = f.ProfL->Caption();
    t.rimType = f.TyCB->Text();
    t.hubHoles = f.HubCB->Text();
    t.rimHoles = f.RimCB->Text();
    t.erd = f.ErdE->Text();
    t.leftOffset = f.WLE->Text();
    t.rightOffset = f.WRE->Text();
    t.leftFlange = f.dLE->Text();
    t.rightFlange = f.dRE->Text();
    t.spokeHole = f.ShE->Text();
    t.leftCross = f.CLE->Text();
    t.rightCross = f.CRE->Text();
    return t;
}

}  // namespace

void TMainF::WriteTableHeadings()
{
    WriteHeadings(SG1->Model());
}

void TMainF::HubCBChange()
{
    lacingNote_.clear();
    ClearLacingTable(SG1->Model());
    AdE->SetText(QStringLiteral("0"));
    // Before either hole count is chosen (a cross number changed first, or
    // restored at start) there is nothing to lace and nothing to complain
    // about; the drawing's status line already says what to choose.
    if (!HubCB->Text().isEmpty() || !RimCB->Text().isEmpty()) {
        // What the holes could not give as asked stays in the status bar
        // while this table stands.
        lacingNote_ = LaceTable(SG1->Model(), HubCB->Text(), RimCB->Text(), CLE->Value(), CRE->Value(),
                                FlangeReachFromTexts(ErdE->Text(), dLE->Text(), dRE->Text()));
        StatusBar->SetSimpleText(lacingNote_);
    }
    TyCBChange();
}

void TMainF::CBtnClick()
{
    CalcSpokeLengths(SG1->Model(), LengthInputs(*this), [this](const QString& text) { AdE->SetText(text); });
}

void TMainF::SBtnClick()
{
    const QString text = ComposeSummary(SG1->Model(), LengthInputs(*this), DescriptionTexts(*this),
                                        [this](const QString& t) { AdE->SetText(t); });
    if (SumF) SumF->ShowSummary(text);
}

void TMainF::InsItemClick()
{
    InsertGapAndNumberDown(SG1->Model());
}

void TMainF::SimBtnClick()
{
    AdE->SetText(HalfPitchAngleText(HubCB->Text(), RimCB->Text()));
}

}  // namespace rimora
