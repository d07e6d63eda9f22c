#pragma once
// A round of tension readings: the builder goes round the wheel with the
// meter and reads every spoke once. Each reading is turned into kgf by the
// meter's chart for the spoke kind and held against its side's target (the
// tension the side figures give that side), with a band of ±20 % round it:
// a spoke outside the band is one to tighten or to loosen.
#include "spokes/tension_meter.h"
#include "platform/number_text.h"
#include "wheel/wheel.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace rimora {

// How far off its side's target a spoke may be, as a fraction of the target.
inline constexpr double kTensionBand = 0.20;
// The rounds a wheel keeps, the newest last; a new one beyond drops the oldest.
inline constexpr int kKeptRounds = kLogSlots - LogFirstRound;

struct TensionRound {
    QString label;  // "initial", "after truing", ... as the builder names it
    QDateTime time;
    QString meter;
    QString kind;
    // One per spoke in rim hole order from hole 1 (RoundSpoke::at); nothing for
    // a spoke not read yet.
    std::vector<std::optional<double>> readings;
};

// The round on one line, as a profile keeps it:
//   2026-12-07T21:05:00|Park Tool TM-1|2.0 mm round steel|22 22.5 - 23|after truing
// readings with a point whatever the region, "-" for one not taken; the
// label last, so it may hold anything. '|' in a meter's or a kind's name is
// written as '/'.
QString RoundText(const TensionRound& round);
// Nothing for a text that is no round.
std::optional<TensionRound> RoundFromText(const QString& text);

// The rounds a wheel keeps (Wheel::log), the oldest first; a text that is
// no round is passed over.
std::vector<TensionRound> RoundsOf(const Wheel& wheel);
// Puts `rounds` into the wheel's log, the newest kKeptRounds of them.
void SetRounds(Wheel& wheel, const std::vector<TensionRound>& rounds);

// One spoke of the wheel as the round meets it.
struct RoundSpoke {
    int rim = 0;
    bool left = false;
    // Where the spoke's reading is kept in the round: the readings are kept in
    // rim hole order from hole 1, so a round stays with its spokes when the
    // valve, and with it the order of going round, is moved afterwards.
    int at = 0;
};

// The spoke's reading in the round; nothing when it has not been read.
inline std::optional<double> ReadingOf(const TensionRound& round, const RoundSpoke& spoke)
{
    const auto at = static_cast<std::size_t>(spoke.at);
    return spoke.at >= 0 && at < round.readings.size() ? round.readings[at] : std::nullopt;
}

enum class SpokeMark { NotRead, Within, Low, High, BelowTable, AboveTable };

struct SideRound {
    double target = 0;  // kgf; 0 when the side has no tension to aim at
    double low = 0;     // the band
    double high = 0;
    int read = 0;       // spokes read on the table
    double mean = 0;    // kgf of those
    double spread = 0;  // their standard deviation, kgf
    std::vector<int> outside;  // indices into the round of spokes outside the band or off the table
};

struct RoundFigures {
    std::vector<std::optional<double>> kgf;  // per spoke: on the table only
    std::vector<SpokeMark> marks;
    std::vector<double> tableEnd;  // per spoke off the table: the end reading it lies beyond
    SideRound left;
    SideRound right;
    const SideRound& Side(bool isLeft) const { return isLeft ? left : right; }
};

// The round's figures for the wheel's spokes (in the round's order) and each
// side's target. Without a chart (`kind` null) nothing is converted.
RoundFigures FiguresOf(const TensionRound& round, const SpokeKind* kind, const std::vector<RoundSpoke>& spokes,
                       double leftTarget, double rightTarget);

// A spoke's tension as the builder reads it: its kgf ("91.0"), or where the
// reading lies off the chart ("below 17", "above 28"); empty for one not read
// or not converted.
QString KgfText(const RoundFigures& figures, std::size_t spoke, Marks marks);

}  // namespace rimora
