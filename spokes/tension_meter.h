#pragma once
// Spoke tension meters as data: a meter's chart turns the dial's reading into
// kgf, one table per spoke kind (a diameter and a profile of spoke). Between
// two rows the chart is read along the straight line joining them; a reading
// outside the table is not guessed at. Each meter is a small JSON file:
//
//   {"name": "Park Tool TM-1", "source": "...", "version": "...", "note": "...",
//    "kinds": [{"name": "2.0 mm round steel", "rows": [[17, 53], [18, 58], ...]}]}
//
// The shipped charts are built into the program; the user's own meters (a
// chart that came with a meter, or calibration points from a hanging weight)
// are files of the same form in the user's data folder.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace rimora {

struct MeterRow {
    double reading = 0;
    double kgf = 0;
};

struct SpokeKind {
    QString name;
    std::vector<MeterRow> rows;  // readings rising, kgf rising
};

struct TensionMeter {
    QString name;
    QString source;   // where the chart comes from
    QString version;  // which edition of it
    QString note;
    std::vector<SpokeKind> kinds;

    const SpokeKind* Kind(const QString& kindName) const;
};

// What a reading says on a spoke kind's table: kgf on the table, or which
// end it lies beyond (no kgf then).
struct MeterReading {
    enum class Where { OnTable, Below, Above };
    Where where = Where::OnTable;
    double kgf = 0;
    double limit = 0;  // Below/Above: the table's end reading
};
MeterReading ReadMeter(const SpokeKind& kind, double reading);

// Rows from points given in any order: sorted by reading. Empty when they
// make a table; otherwise why not (fewer than two points, a reading given
// twice, kgf that does not rise with the reading, a value not above 0).
QString SortRows(std::vector<MeterRow>& rows);

// The meter of a file's bytes, or nothing with `problem` set.
std::optional<TensionMeter> MeterFromJson(const QByteArray& bytes, QString* problem);
QByteArray MeterToJson(const TensionMeter& meter);

// The meters built into the program.
std::vector<TensionMeter> ShippedMeters();
// Where the user's meters are kept: "meters" in the user's data folder.
QString UserMetersFolder();
// The shipped meters with the user's files of `folder` over them: a file of
// a shipped meter's name adds its kinds to it (a kind of the same name takes
// the place of the shipped one), any other is a meter of its own. Files that
// do not read are left out and named in `problems`.
std::vector<TensionMeter> LoadMeters(const QString& folder, QStringList* problems = nullptr);
// The file a meter is kept in within `folder`.
QString MeterFilePath(const QString& folder, const QString& meterName);
// Writes one kind of a meter into the user's file of that meter, adding it to
// (or replacing it in) whatever the file holds; the folder is made when
// missing. Throws EFileWriteError with the system's reason; the file is then
// as it was.
void SaveUserKind(const QString& folder, const TensionMeter& meter, const SpokeKind& kind);

const TensionMeter* FindMeter(const std::vector<TensionMeter>& meters, const QString& name);

}  // namespace rimora
