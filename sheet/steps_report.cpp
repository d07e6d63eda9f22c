#include "sheet/steps_report.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace rimora {

namespace {

QString SideName(bool left)
{
    return left ? QStringLiteral("left") : QStringLiteral("right");
}

}  // namespace

LacingSteps StepsOfWheel(const LacedWheel& wheel)
{
    return StepsOf(*wheel.table, wheel.wheel());
}

QString StepsLines(const LacingSteps& steps)
{
    QString out;
    int number = 0;
    for (const LacingStep& step : steps.steps) {
        out += QStringLiteral("step %1: %2").arg(++number).arg(step.title);
        if (step.kind == StepKind::Group) out += QStringLiteral(" (%1 spokes)").arg(step.Count());
        out += QStringLiteral("\n  %1\n").arg(step.text);
        for (const StepSpoke& s : step.spokes) {
            // Only what the hub has: a straight-pull spoke's head has no side.
            const QString head = s.head == StepHead::None ? QString()
                                                          : QStringLiteral(", head %1").arg(StepHeadName(s.head));
            out += QStringLiteral("  hub %1 -> rim %2, %3%4, %5\n")
                       .arg(s.hub)
                       .arg(s.rim)
                       .arg(SideName(s.left), head, StepLayName(s.lay));
        }
    }
    if (!steps.note.isEmpty()) out += QStringLiteral("note: %1\n").arg(steps.note);
    return out;
}

QString StepsJson(const QString& fileName, const LacingSteps& steps)
{
    QJsonArray list;
    int number = 0;
    for (const LacingStep& step : steps.steps) {
        QJsonArray spokes;
        for (const StepSpoke& s : step.spokes) {
            QJsonObject o;
            o.insert(QStringLiteral("hub"), s.hub);
            o.insert(QStringLiteral("rim"), s.rim);
            o.insert(QStringLiteral("side"), SideName(s.left));
            o.insert(QStringLiteral("head"), s.head == StepHead::None ? QJsonValue() : QJsonValue(StepHeadName(s.head)));
            o.insert(QStringLiteral("direction"), StepLayName(s.lay));
            spokes.append(o);
        }
        QJsonObject o;
        o.insert(QStringLiteral("step"), ++number);
        o.insert(QStringLiteral("kind"), StepKindName(step.kind));
        o.insert(QStringLiteral("title"), step.title);
        o.insert(QStringLiteral("text"), step.text);
        o.insert(QStringLiteral("count"), step.Count());
        o.insert(QStringLiteral("turnHubFirst"), step.turnHubFirst);
        o.insert(QStringLiteral("seenFrom"), SideName(step.seenFromLeft));
        o.insert(QStringLiteral("spokes"), spokes);
        list.append(o);
    }
    QJsonObject root;
    root.insert(QStringLiteral("file"), fileName);
    root.insert(QStringLiteral("steps"), list);
    root.insert(QStringLiteral("note"), steps.note.isEmpty() ? QJsonValue() : QJsonValue(steps.note));
    return QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

}  // namespace rimora
