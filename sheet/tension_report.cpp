#include "sheet/tension_report.h"
#include "lacing/hole_layout.h"
#include "lacing/lacing_steps.h"

#include "platform/number_text.h"
#include "sheet/side_spans.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace rimora {

namespace {

constexpr Marks kPlain = Marks::Point;

QString MarkName(SpokeMark mark)
{
    switch (mark) {
    case SpokeMark::NotRead: return QStringLiteral("not read");
    case SpokeMark::Within: return QStringLiteral("within");
    case SpokeMark::Low: return QStringLiteral("low");
    case SpokeMark::High: return QStringLiteral("high");
    case SpokeMark::BelowTable: return QStringLiteral("below table");
    case SpokeMark::AboveTable: return QStringLiteral("above table");
    }
    return QString();
}

QString Kgf(double kgf)
{
    return TensionText(kgf, kPlain);
}

QString RimList(const TensionReport& r, const SideRound& side)
{
    QStringList rims;
    for (const int i : side.outside) rims << QStringLiteral("rim %1").arg(r.spokes[static_cast<std::size_t>(i)].rim);
    return rims.isEmpty() ? QStringLiteral("none") : rims.join(QStringLiteral(", "));
}

QString SideLine(const TensionReport& r, const QString& name, const SideRound& side)
{
    QString line = name + QStringLiteral(": target ");
    if (side.target <= 0) return line + QStringLiteral("none\n");
    line += QStringLiteral("%1 kgf, band %2 - %3 kgf, %4 read")
                .arg(Kgf(side.target), Kgf(side.low), Kgf(side.high))
                .arg(side.read);
    if (side.read > 0) line += QStringLiteral(", mean %1 kgf, spread %2 kgf").arg(Kgf(side.mean), Kgf(side.spread));
    return line + QStringLiteral(", outside: %1\n").arg(RimList(r, side));
}

QJsonValue Number(double value)
{
    return QJsonValue(DecimalText(value, 1, kPlain).toDouble());
}

QJsonObject SideObject(const TensionReport& r, const SideRound& side)
{
    QJsonArray outside;
    for (const int i : side.outside) outside.append(r.spokes[static_cast<std::size_t>(i)].rim);
    const bool aimed = side.target > 0;
    return {{QStringLiteral("target"), aimed ? Number(side.target) : QJsonValue()},
            {QStringLiteral("low"), aimed ? Number(side.low) : QJsonValue()},
            {QStringLiteral("high"), aimed ? Number(side.high) : QJsonValue()},
            {QStringLiteral("read"), side.read},
            {QStringLiteral("mean"), side.read > 0 ? Number(side.mean) : QJsonValue()},
            {QStringLiteral("spread"), side.read > 0 ? Number(side.spread) : QJsonValue()},
            {QStringLiteral("outside"), outside}};
}

}  // namespace

std::vector<RoundSpoke> SpokesRoundTheWheel(const std::vector<LacedSpoke>& spokes, int valveAfter)
{
    std::vector<RoundSpoke> round;
    for (const LacedSpoke& spoke : spokes)
        if (spoke.rim > 0) round.push_back({spoke.rim, spoke.left});
    std::stable_sort(round.begin(), round.end(), [](const RoundSpoke& a, const RoundSpoke& b) { return a.rim < b.rim; });
    // A table edited by hand may send two spokes to one rim hole; the meter
    // meets that hole once.
    round.erase(std::unique(round.begin(), round.end(), [](const RoundSpoke& a, const RoundSpoke& b) { return a.rim == b.rim; }),
                round.end());
    for (std::size_t i = 0; i < round.size(); ++i) round[i].at = static_cast<int>(i);
    // From the first spoke after the valve on, as the builder goes round.
    const auto first = std::find_if(round.begin(), round.end(), [valveAfter](const RoundSpoke& s) { return s.rim > valveAfter; });
    std::rotate(round.begin(), first, round.end());
    return round;
}

TensionReport TensionReportOf(const LacedWheel& wheel, const std::vector<TensionMeter>& meters)
{
    TensionReport r;
    r.fileName = wheel.fileName;
    const Wheel& w = wheel.wheel();
    r.spokes = SpokesRoundTheWheel(LacedSpokes(*wheel.table, w.hubHoles, w.rimHoles, LayoutOf(w)), ValveAfterHole(w));
    const WheelSpans sides = SpansOfTable(*wheel.table, w);
    r.leftTarget = sides.left.Measured() ? sides.left.tension : 0;
    r.rightTarget = sides.right.Measured() ? sides.right.tension : 0;
    const std::vector<TensionRound> rounds = RoundsOf(w);
    const SpokeKind* kind = nullptr;
    if (!rounds.empty()) {
        r.round = rounds.back();
        if (const TensionMeter* meter = FindMeter(meters, r.round->meter)) kind = meter->Kind(r.round->kind);
        r.chartFound = kind != nullptr;
    }
    r.figures = FiguresOf(r.round.value_or(TensionRound{}), kind, r.spokes, r.leftTarget, r.rightTarget);
    return r;
}

std::optional<TensionReport> TensionPageOf(const LacedWheel& wheel, bool blankForm)
{
    TensionReport report = TensionReportOf(wheel, blankForm ? std::vector<TensionMeter>{} : LoadMeters(UserMetersFolder()));
    if (blankForm) report.round.reset();
    else if (!report.round) return std::nullopt;
    return report;
}

QString TensionLines(const TensionReport& r)
{
    const TensionRound& round = *r.round;
    QString text = QStringLiteral("round: %1, %2, %3, %4\n")
                       .arg(round.label.isEmpty() ? QStringLiteral("(no label)") : round.label,
                            round.time.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm 'UTC'")), round.meter, round.kind);
    if (!r.chartFound) text += QStringLiteral("note: no chart for this meter and spoke kind here; readings only\n");
    for (std::size_t i = 0; i < r.spokes.size(); ++i) {
        text += QStringLiteral("rim %1 %2: ").arg(r.spokes[i].rim).arg(r.spokes[i].left ? "left" : "right");
        const std::optional<double> reading = ReadingOf(round, r.spokes[i]);
        if (!reading) {
            text += QStringLiteral("not read\n");
            continue;
        }
        text += QString::number(*reading) + QStringLiteral(" -> ");
        const SpokeMark mark = r.figures.marks[i];
        if (r.figures.kgf[i]) text += Kgf(*r.figures.kgf[i]) + QStringLiteral(" kgf");
        else if (mark == SpokeMark::NotRead) text += QStringLiteral("no chart");
        else text += KgfText(r.figures, i, kPlain);
        if (mark == SpokeMark::Low || mark == SpokeMark::High) text += QStringLiteral(", ") + MarkName(mark);
        text += QLatin1Char('\n');
    }
    return text + SideLine(r, QStringLiteral("left"), r.figures.left) + SideLine(r, QStringLiteral("right"), r.figures.right);
}

QString TensionJson(const TensionReport& r)
{
    const TensionRound& round = *r.round;
    QJsonArray spokes;
    for (std::size_t i = 0; i < r.spokes.size(); ++i) {
        QJsonValue reading;
        if (const std::optional<double> read = ReadingOf(round, r.spokes[i])) reading = *read;
        spokes.append(QJsonObject{
            {QStringLiteral("rim"), r.spokes[i].rim},
            {QStringLiteral("side"), r.spokes[i].left ? QStringLiteral("left") : QStringLiteral("right")},
            {QStringLiteral("reading"), reading},
            {QStringLiteral("kgf"), r.figures.kgf[i] ? Number(*r.figures.kgf[i]) : QJsonValue()},
            {QStringLiteral("mark"), MarkName(r.figures.marks[i])}});
    }
    const QJsonObject o{
        {QStringLiteral("profile"), r.fileName},
        {QStringLiteral("round"), QJsonObject{{QStringLiteral("label"), round.label},
                                              {QStringLiteral("time"), round.time.toUTC().toString(Qt::ISODate)},
                                              {QStringLiteral("meter"), round.meter},
                                              {QStringLiteral("kind"), round.kind},
                                              {QStringLiteral("chartFound"), r.chartFound}}},
        {QStringLiteral("spokes"), spokes},
        {QStringLiteral("sides"), QJsonObject{{QStringLiteral("left"), SideObject(r, r.figures.left)},
                                              {QStringLiteral("right"), SideObject(r, r.figures.right)}}}};
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented));
}

}  // namespace rimora
