#include "lacing/spoke_rows.h"

#include "lacing/lacing_table.h"

#include <QCoreApplication>
#include <map>

namespace rimora {

namespace {

struct Candidate {
    SpokeRow spoke;
    QString rimText;
    QString hubText;
    bool kept = true;
};

// "03", "03 and 09", "03, 05 and 09".
QString Listed(const QStringList& holes)
{
    if (holes.size() < 2) return holes.join(QString());
    const QString first = holes.mid(0, holes.size() - 1).join(QStringLiteral(", "));
    return QCoreApplication::translate("Lacing", "%1 and %2").arg(first, holes.back());
}

// Of the kept rows sharing a key, the last stays; the others go, and one line
// names them all.
template <typename Key, typename Text, typename Say>
void KeepLast(std::vector<Candidate>& rows, Key key, Text text, Say say, QStringList& faults)
{
    std::map<int, std::vector<Candidate*>> byKey;
    std::vector<int> order;
    for (Candidate& c : rows) {
        if (!c.kept) continue;
        auto& same = byKey[key(c)];
        if (same.empty()) order.push_back(key(c));
        same.push_back(&c);
    }
    for (int k : order) {
        const std::vector<Candidate*>& same = byKey[k];
        if (same.size() < 2) continue;
        QStringList named;
        for (Candidate* c : same) {
            named << text(*c);
            c->kept = false;
        }
        same.back()->kept = true;
        faults << say(*same.back(), named);
    }
}

}  // namespace

SpokeRows LacedSpokeRows(const GridModel& table, int hubCount, int rimCount)
{
    SpokeRows result;
    std::vector<Candidate> rows;
    for (int row = 1; row < table.RowCount(); ++row) {
        const LacingCell& rim = table.Cell(kRimCol, row);
        if (rim.IsGap()) continue;
        if (rim.IsEmpty()) break;
        const LacingCell& hub = table.Cell(kToHubCol, row);
        if (hub.IsEmptyOrGap() || !rim.WholeNumber() || !hub.WholeNumber()) continue;
        const Candidate c{{row, *rim.WholeNumber(), *hub.WholeNumber()}, rim.Spelling(), hub.Spelling()};
        if (c.spoke.rimHole < 1 || c.spoke.rimHole > rimCount) {
            result.faults << QCoreApplication::translate("Lacing", "Rim hole %1 is beyond the rim's %2 holes: it is not counted.")
                                 .arg(c.rimText)
                                 .arg(rimCount);
            continue;
        }
        if (c.spoke.hubHole < 1 || c.spoke.hubHole > hubCount) {
            result.faults << QCoreApplication::translate("Lacing", "Rim hole %1 is laced to hub hole %2, beyond the hub's %3 holes: it is not counted.")
                                 .arg(c.rimText, c.hubText)
                                 .arg(hubCount);
            continue;
        }
        rows.push_back(c);
    }

    KeepLast(
        rows, [](const Candidate& c) { return c.spoke.hubHole; }, [](const Candidate& c) { return c.rimText; },
        [](const Candidate& last, const QStringList& rims) {
            return QCoreApplication::translate("Lacing", "Hub hole %1 is laced from rim holes %2: only rim hole %3 is counted.")
                .arg(last.hubText, Listed(rims), last.rimText);
        },
        result.faults);
    KeepLast(
        rows, [](const Candidate& c) { return c.spoke.rimHole; }, [](const Candidate& c) { return c.hubText; },
        [](const Candidate& last, const QStringList& hubs) {
            return QCoreApplication::translate("Lacing", "Rim hole %1 is laced to hub holes %2: only hub hole %3 is counted.")
                .arg(last.rimText, Listed(hubs), last.hubText);
        },
        result.faults);

    for (const Candidate& c : rows)
        if (c.kept) result.spokes.push_back(c.spoke);
    return result;
}

}  // namespace rimora
