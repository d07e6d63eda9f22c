#include "spokes/tension_round.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <cmath>

namespace rimora {

namespace {

QString NamePart(QString name)
{
    return name.replace(QLatin1Char('|'), QLatin1Char('/'));
}

SpokeMark MarkOf(const MeterReading& reading, const SideRound& side)
{
    if (reading.where == MeterReading::Where::Below) return SpokeMark::BelowTable;
    if (reading.where == MeterReading::Where::Above) return SpokeMark::AboveTable;
    if (side.target <= 0) return SpokeMark::Within;
    if (reading.kgf < side.low) return SpokeMark::Low;
    if (reading.kgf > side.high) return SpokeMark::High;
    return SpokeMark::Within;
}

void SetTarget(SideRound& side, double target)
{
    side.target = target > 0 ? target : 0;
    side.low = side.target * (1 - kTensionBand);
    side.high = side.target * (1 + kTensionBand);
}

}  // namespace

QString RoundText(const TensionRound& round)
{
    QStringList readings;
    for (const std::optional<double>& r : round.readings)
        readings << (r ? QString::number(*r, 'g', QLocale::FloatingPointShortest) : QStringLiteral("-"));
    return QStringList{round.time.toUTC().toString(Qt::ISODate), NamePart(round.meter), NamePart(round.kind),
                       readings.join(QLatin1Char(' ')), round.label}
        .join(QLatin1Char('|'));
}

std::optional<TensionRound> RoundFromText(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('|'));
    if (parts.size() < 5) return std::nullopt;
    TensionRound round;
    round.time = QDateTime::fromString(parts[0], Qt::ISODate);
    if (!round.time.isValid()) return std::nullopt;
    round.meter = parts[1];
    round.kind = parts[2];
    for (const QString& item : parts[3].split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (item == QLatin1String("-")) {
            round.readings.emplace_back();
            continue;
        }
        bool ok = false;
        const double value = item.toDouble(&ok);
        if (!ok || !std::isfinite(value)) return std::nullopt;
        round.readings.emplace_back(value);
    }
    round.label = parts.mid(4).join(QLatin1Char('|'));
    return round;
}

std::vector<TensionRound> RoundsOf(const Wheel& wheel)
{
    std::vector<TensionRound> rounds;
    for (int slot = LogFirstRound; slot < kLogSlots; ++slot)
        if (std::optional<TensionRound> round = RoundFromText(wheel.log[slot])) rounds.push_back(std::move(*round));
    return rounds;
}

void SetRounds(Wheel& wheel, const std::vector<TensionRound>& rounds)
{
    const std::size_t first = rounds.size() > kKeptRounds ? rounds.size() - kKeptRounds : 0;
    for (int slot = LogFirstRound; slot < kLogSlots; ++slot) {
        const std::size_t i = first + static_cast<std::size_t>(slot - LogFirstRound);
        wheel.log[slot] = i < rounds.size() ? RoundText(rounds[i]) : QString();
    }
}

RoundFigures FiguresOf(const TensionRound& round, const SpokeKind* kind, const std::vector<RoundSpoke>& spokes,
                       double leftTarget, double rightTarget)
{
    RoundFigures f;
    SetTarget(f.left, leftTarget);
    SetTarget(f.right, rightTarget);
    f.kgf.resize(spokes.size());
    f.marks.assign(spokes.size(), SpokeMark::NotRead);
    f.tableEnd.assign(spokes.size(), 0);
    double sums[2][2] = {};  // per side (left 0): sum, sum of squares
    for (std::size_t i = 0; i < spokes.size(); ++i) {
        const std::optional<double> read = ReadingOf(round, spokes[i]);
        if (!read || !kind) continue;
        SideRound& side = spokes[i].left ? f.left : f.right;
        const MeterReading reading = ReadMeter(*kind, *read);
        f.marks[i] = MarkOf(reading, side);
        if (f.marks[i] != SpokeMark::Within) side.outside.push_back(static_cast<int>(i));
        if (reading.where != MeterReading::Where::OnTable) {
            f.tableEnd[i] = reading.limit;
            continue;
        }
        f.kgf[i] = reading.kgf;
        ++side.read;
        double* sum = sums[spokes[i].left ? 0 : 1];
        sum[0] += reading.kgf;
        sum[1] += reading.kgf * reading.kgf;
    }
    for (int s = 0; s < 2; ++s) {
        SideRound& side = s == 0 ? f.left : f.right;
        if (side.read == 0) continue;
        side.mean = sums[s][0] / side.read;
        side.spread = std::sqrt(std::max(0.0, sums[s][1] / side.read - side.mean * side.mean));
    }
    return f;
}

}  // namespace rimora

namespace rimora {

QString KgfText(const RoundFigures& figures, std::size_t spoke, Marks marks)
{
    if (spoke >= figures.marks.size()) return QString();
    if (figures.kgf[spoke]) return TensionText(*figures.kgf[spoke], marks);
    // The end reading as the chart prints it: 17, 3.1.
    const double limit = figures.tableEnd[spoke];
    int decimals = 0;
    while (decimals < 3 && std::abs(limit * std::pow(10.0, decimals) - std::round(limit * std::pow(10.0, decimals))) > 1e-9)
        ++decimals;
    const QString end = DecimalText(limit, decimals, marks);
    switch (figures.marks[spoke]) {
    case SpokeMark::BelowTable: return QCoreApplication::translate("TensionRound", "below %1").arg(end);
    case SpokeMark::AboveTable: return QCoreApplication::translate("TensionRound", "above %1").arg(end);
    default: return QString();
    }
}

}  // namespace rimora
