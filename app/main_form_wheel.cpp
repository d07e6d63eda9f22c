// The main window's wheel handlers: each reads its controls and hands the work
// to the lacing, spokes or drawing code in a line or two.
#include "app/cell_painting.h"
#include "app/locknut_dialog.h"
#include "app/main_form.h"
#include "app/summary_form.h"
#include "lacing/lacing_generation.h"
#include "lacing/two_to_one_lacing.h"
#include "platform/errors.h"
#include "sheet/laced_spokes.h"
#include "platform/number_text.h"
#include "lacing/lacing_table.h"
#include "lacing/spoke_rows.h"
#include "lacing/table_editing.h"
#include "platform/convert.h"
#include "spokes/length_status.h"
#include "spokes/rim_offset.h"
#include "spokes/rim_turn_balance.h"
#include "spokes/summary_text.h"
#include "spokes/spoke_length.h"
#include "spokes/wheel_checks.h"
#include "spokes/wheel_notes.h"

#include <algorithm>

namespace rimora {

namespace {

std::optional<FlangeOffsets> RunLocknutDialog(QWidget* parent)
{
    LocknutDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Result();
}

}  // namespace

const WheelReading& TMainF::CurrentWheel() const
{
    return wheelControls_.Read();
}

void TMainF::WriteTableHeadings()
{
    WriteHeadings(lacingGrid->Model());
}

bool TMainF::LengthStale(int row) const
{
    return row >= 0 && static_cast<size_t>(row) < staleLengths_.size() && staleLengths_[static_cast<size_t>(row)];
}

void TMainF::CheckLengths()
{
    if (lengthCheckHold_ > 0) return;
    const WheelReading& reading = CurrentWheel();
    // Each row's lay and head beside its length, as the tooltip gives them.
    std::vector<QString> marks(static_cast<size_t>(lacingGrid->Model().RowCount()));
    if (reading.wheel.hubHoles > 0 && reading.wheel.rimHoles > 0) {
        try {
            for (const LacedSpoke& spoke : LacedSpokes(lacingGrid->Model(), reading.wheel, WheelSpans{}))
                for (int r = 1; r < lacingGrid->Model().RowCount(); ++r)
                    if (HoleAt(lacingGrid->Model(), kRimCol, r) == spoke.rim && spoke.length)
                        marks[static_cast<size_t>(r)] = SpokeMark(spoke.lay, spoke.head);
        } catch (const RimoraError&) {
            marks.assign(marks.size(), QString());
        }
    }
    if (marks != spokeMarks_) {
        spokeMarks_ = std::move(marks);
        lacingGrid->viewport()->update();
    }
    std::vector<bool> stale =
        StaleLengthRows(lacingGrid->Model(), reading.wheel, !reading.FirstUnreadable(LengthFields(reading.wheel)));
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
    lacingGrid->viewport()->update();
    statusBar->SetSimpleText(WithStaleHint(statusBar->SimpleText()));
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

void TMainF::HoleCountChosen()
{
    WithLengthCheckHeld([this] { LaceAfresh(); });
}

void TMainF::LaceAfresh()
{
    ClearLacingTable(lacingGrid->Model());
    angleEdit->SetText(QStringLiteral("0"));
    // Choosing the first of the two counts is a normal first step, not an
    // error: the status bar says which count is still to be chosen. What the
    // holes could not give as asked stays there while this table stands.
    const Wheel& wheel = CurrentWheel().wheel;
    const QString missing = MissingHoleCountHint(wheel.hubHoles, wheel.rimHoles);
    if (missing.isEmpty()) {
        LaceFromInputs();
        TurnFreshTableToBalance();
        statusBar->SetSimpleText(LacingNotes());
    }
    RedrawIfAuto();
    if (!missing.isEmpty()) statusBar->SetSimpleText(missing);
}

QString TMainF::CrossedSpanText(int pattern) const
{
    const Wheel& w = CurrentWheel().wheel;
    const HoleLayout layout = LayoutOf(w);
    if (!layout.TwoToOne() || !LayoutProblem(layout).isEmpty()) return {};
    const bool left = !layout.FewerOnLeft();
    const double span = TwoToOneSpan(layout, left, left ? w.leftCross : w.rightCross, pattern);
    return span > 0 ? AngleText(span, Marks::RegionUngrouped, 2) + QStringLiteral("°") : QString();
}

QString TMainF::LaceFromInputs()
{
    const Wheel& w = CurrentWheel().wheel;
    HoleLayout layout = LayoutOf(w);
    layout.leftCross = leftCrossSpin->Value();
    layout.rightCross = rightCrossSpin->Value();
    return LaceTable(lacingGrid->Model(), layout, leftCrossSpin->Value(), rightCrossSpin->Value(), w.crossedPattern,
                     FlangeReachOf(w.erd, w.leftFlange, w.rightFlange));
}

QString TMainF::LacingNotes() const
{
    const Wheel& wheel = CurrentWheel().wheel;
    const QString missing = MissingHoleCountHint(wheel.hubHoles, wheel.rimHoles);
    if (!missing.isEmpty()) return missing;
    return WheelNotes(lacingGrid->Model(), wheel).join(QStringLiteral("  "));
}

void TMainF::CalculateLengths()
{
    WithLengthCheckHeld([this] {
        // Every input is read before the first length is written.
        const Wheel& wheel = StopAtUnreadable(LengthFields(CurrentWheel().wheel));
        MarkImpossible([&] { CheckLengthInputs(wheel); });
        CalcSpokeLengths(lacingGrid->Model(), WithRimOffset(wheel));
        ShowAngleDifferenceInUse(wheel);
    });
    // The "Data" tab shows no table: the status bar says what came out.
    QString lengths = SideLengthsText(lacingGrid->Model(), LayoutOf(CurrentWheel().wheel));
    if (lengths.isEmpty()) lengths = tr("No spoke is laced, so no length was worked out.");
    if (const QString notes = LacingNotes(); !notes.isEmpty()) lengths += QStringLiteral("  ") + notes;
    // A hand-edited table can lace a hole twice or name one the wheel lacks;
    // the rows left out are named where the builder looks after Calc!.
    const Wheel& wheel = CurrentWheel().wheel;
    if (wheel.hubHoles > 0 && wheel.rimHoles > 0)
        for (const QString& fault : LacedSpokeRows(lacingGrid->Model(), wheel.hubHoles, wheel.rimHoles).faults)
            lengths += QStringLiteral("  ") + fault;
    statusBar->SetSimpleText(WithStaleHint(lengths));
}

void TMainF::ShowSummary()
{
    QString text;
    WithLengthCheckHeld([this, &text] {
        const Wheel& wheel = StopAtUnreadable(SummaryFields(CurrentWheel().wheel));
        MarkImpossible([&] { text = ComposeSummary(lacingGrid->Model(), wheel, profileLabel->Caption()); });
        ShowAngleDifferenceInUse(wheel);
    });
    if (TSumF* summary = SummaryWindow()) summary->ShowSummary(text);
}

void TMainF::OffsetsFromLocknut()
{
    const std::optional<FlangeOffsets> offsets = AskLocknutOffsets ? AskLocknutOffsets() : RunLocknutDialog(this);
    if (!offsets) return;
    leftOffsetEdit->SetText(FloatToStr(offsets->left));
    rightOffsetEdit->SetText(FloatToStr(offsets->right));
}

void TMainF::InsertGap()
{
    WithLengthCheckHeld([this] { InsertGapAndNumberDown(lacingGrid->Model()); });
}

void TMainF::SlideHalfPitch()
{
    const Wheel& wheel = CurrentWheel().wheel;
    angleEdit->SetText(FloatToStr(HalfPitchAngle(wheel.hubHoles, wheel.rimHoles)));
}

void TMainF::TurnFreshTableToBalance()
{
    const std::optional<double> turn = BalancedRimTurn(lacingGrid->Model(), CurrentWheel().wheel);
    angleEdit->SetText(RimTurnText(turn.value_or(0)));
}

void TMainF::BalanceRimTurn()
{
    WithLengthCheckHeld([this] {
        const Wheel& wheel = StopAtUnreadable(LengthFields(CurrentWheel().wheel));
        MarkImpossible([&] { CheckLengthInputs(wheel); });
        const std::optional<double> turn = BalancedRimTurn(lacingGrid->Model(), wheel);
        if (!turn)
            throw EWheelInputError(tr("No turn of the rim balances the hub: the table laces no spoke, or all its "
                                      "spokes pull the same way round."));
        angleEdit->SetText(RimTurnText(*turn));
    });
    statusBar->SetSimpleText(WithStaleHint(LacingNotes()));
}

void TMainF::ShowAngleDifferenceInUse(const Wheel& wheel)
{
    // With equal hole counts the lengths take no angle difference; the box says so.
    if (!AngleDifferenceApplies(wheel)) angleEdit->SetText(QStringLiteral("0"));
}

}  // namespace rimora
