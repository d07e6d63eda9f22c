// The main window's wheel handlers: each reads its controls and hands the work
// to the lacing, spokes or drawing code in a line or two.
#include "app/locknut_dialog.h"
#include "app/main_form.h"
#include "app/summary_form.h"
#include "lacing/lacing_generation.h"
#include "lacing/lacing_table.h"
#include "lacing/table_editing.h"
#include "platform/convert.h"
#include "spokes/length_status.h"
#include "spokes/rim_offset.h"
#include "spokes/summary_text.h"
#include "spokes/wheel_numbers.h"

#include <algorithm>

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

std::optional<FlangeOffsets> RunLocknutDialog(QWidget* parent)
{
    LocknutDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Result();
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

WheelTexts TMainF::WheelInputs() const
{
    WheelTexts t;
    t.lengths = LengthInputs(*this);
    t.leftCross = CLE->Text();
    t.rightCross = CRE->Text();
    t.rimOffset = RimOffE->Text();
    t.tension = TensionE->Text();
    t.spokeDiameter = SpokeDiaE->Text();
    t.orderStep = OrderStepCB->Text();
    return t;
}

// The defaults are whole numbers, which read alike in every region.
void TMainF::ResetSideInputs()
{
    RimOffE->SetText(FloatToStr(kDefaultRimOffset));
    TensionE->SetText(FloatToStr(kDefaultTension));
    SpokeDiaE->SetText(FloatToStr(kDefaultSpokeDiameter));
    OrderStepCB->SetItemIndex(OrderStepCB->findText(QString::number(kDefaultOrderStep)));
}

void TMainF::WriteTableHeadings()
{
    WriteHeadings(SG1->Model());
}

bool TMainF::LengthStale(int row) const
{
    return row >= 0 && static_cast<size_t>(row) < staleLengths_.size() && staleLengths_[static_cast<size_t>(row)];
}

void TMainF::CheckLengths()
{
    if (lengthCheckHold_ > 0) return;
    std::vector<bool> stale = StaleLengthRows(SG1->Model(), LengthInputs(*this), RimOffE->Text());
    // Only a change of which lengths are stale is shown.
    const auto anyStale = [](const std::vector<bool>& rows) {
        return std::find(rows.begin(), rows.end(), true) != rows.end();
    };
    if (!anyStale(stale) && !anyStale(staleLengths_)) {
        staleLengths_ = std::move(stale);
        return;
    }
    if (stale == staleLengths_) return;
    staleLengths_ = std::move(stale);
    SG1->viewport()->update();
    StatusBar->SetSimpleText(WithStaleHint(StatusBar->SimpleText()));
}

void TMainF::WithLengthCheckHeld(const std::function<void()>& work)
{
    ++lengthCheckHold_;
    try {
        work();
    } catch (...) {
        // What was done before the error is checked all the same.
        --lengthCheckHold_;
        CheckLengths();
        throw;
    }
    --lengthCheckHold_;
    CheckLengths();
}

QString TMainF::WithStaleHint(const QString& text) const
{
    static const QString separator = QStringLiteral("  ");
    const QString hint = tr("Lengths in grey no longer match the inputs: Calc! works them out again.");
    QString shown = text;
    if (shown.endsWith(hint)) shown.chop(hint.size());
    if (shown.endsWith(separator)) shown.chop(separator.size());
    if (std::find(staleLengths_.begin(), staleLengths_.end(), true) == staleLengths_.end()) return shown;
    return shown.isEmpty() ? hint : shown + separator + hint;
}

void TMainF::HubCBChange()
{
    WithLengthCheckHeld([this] { LaceAfresh(); });
}

void TMainF::LaceAfresh()
{
    ClearLacingTable(SG1->Model());
    AdE->SetText(QStringLiteral("0"));
    // Choosing the first of the two counts is a normal first step, not an
    // error: the status bar says which count is still to be chosen. What the
    // holes could not give as asked stays there while this table stands.
    const QString missing = MissingHoleCountHint(HubCB->Text(), RimCB->Text());
    lacingNote_ = missing;
    if (missing.isEmpty()) {
        lacingNote_ = LaceFromInputs();
        StatusBar->SetSimpleText(lacingNote_);
    }
    TyCBChange();
    if (!missing.isEmpty()) StatusBar->SetSimpleText(missing);
}

QString TMainF::LaceFromInputs()
{
    return LaceTable(SG1->Model(), HubCB->Text(), RimCB->Text(), CLE->Value(), CRE->Value(),
                     FlangeReachFromTexts(ErdE->Text(), dLE->Text(), dRE->Text()));
}

void TMainF::CBtnClick()
{
    WithLengthCheckHeld([this] {
        // Every text is read before the first length is written.
        StopAtUnreadable(LengthFieldTexts(LengthInputs(*this), RimOffE->Text()));
        CalcSpokeLengths(SG1->Model(), WithRimOffset(LengthInputs(*this), RimOffE->Text()),
                         [this](const QString& text) { AdE->SetText(text); });
    });
    // The "Data" tab shows no table: the status bar says what came out.
    QString lengths = SideLengthsText(SG1->Model());
    if (lengths.isEmpty()) lengths = tr("No spoke is laced, so no length was worked out.");
    if (!lacingNote_.isEmpty()) lengths += QStringLiteral("  ") + lacingNote_;
    StatusBar->SetSimpleText(WithStaleHint(lengths));
}

void TMainF::SBtnClick()
{
    QString text;
    WithLengthCheckHeld([this, &text] {
        StopAtUnreadable(WheelFieldTexts(WheelInputs()));
        text = ComposeSummary(SG1->Model(), WheelInputs(), DescriptionTexts(*this),
                              [this](const QString& t) { AdE->SetText(t); });
    });
    if (TSumF* summary = SummaryWindow()) summary->ShowSummary(text);
}

void TMainF::LockBtnClick()
{
    const std::optional<FlangeOffsets> offsets = AskLocknutOffsets ? AskLocknutOffsets() : RunLocknutDialog(this);
    if (!offsets) return;
    WLE->SetText(FloatToStr(offsets->left));
    WRE->SetText(FloatToStr(offsets->right));
}

void TMainF::InsItemClick()
{
    WithLengthCheckHeld([this] { InsertGapAndNumberDown(SG1->Model()); });
}

void TMainF::SimBtnClick()
{
    AdE->SetText(HalfPitchAngleText(HubCB->Text(), RimCB->Text()));
}

}  // namespace rimora
