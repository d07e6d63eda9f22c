#include "spokes/tension_meter.h"

#include "platform/atomic_file.h"
#include "platform/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

// The resource lives in a static library: naming its initializer keeps the
// linker from dropping it.
static void InitMeterResources()
{
    Q_INIT_RESOURCE(tension_meters);
}

namespace rimora {

namespace {

// Far more than any chart prints: a file that big is no meter.
constexpr qint64 kMaxMeterFileSize = 256 * 1024;

std::optional<SpokeKind> KindFromJson(const QJsonObject& o, QString* problem)
{
    SpokeKind kind;
    kind.name = o.value(QStringLiteral("name")).toString().trimmed();
    if (kind.name.isEmpty()) {
        *problem = QCoreApplication::translate("TensionMeter", "a spoke kind has no name");
        return std::nullopt;
    }
    for (const QJsonValue& row : o.value(QStringLiteral("rows")).toArray()) {
        const QJsonArray pair = row.toArray();
        if (pair.size() != 2 || !pair[0].isDouble() || !pair[1].isDouble()) {
            *problem = QCoreApplication::translate("TensionMeter", "%1: a row is not [reading, kgf]").arg(kind.name);
            return std::nullopt;
        }
        kind.rows.push_back({pair[0].toDouble(), pair[1].toDouble()});
    }
    const QString rowsProblem = SortRows(kind.rows);
    if (!rowsProblem.isEmpty()) {
        *problem = QStringLiteral("%1: %2").arg(kind.name, rowsProblem);
        return std::nullopt;
    }
    return kind;
}

void AddKind(TensionMeter& meter, const SpokeKind& kind)
{
    for (SpokeKind& held : meter.kinds)
        if (held.name.compare(kind.name, Qt::CaseInsensitive) == 0) {
            held = kind;
            return;
        }
    meter.kinds.push_back(kind);
}

std::optional<TensionMeter> ReadMeterFile(const QString& path, QString* problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = file.errorString();
        return std::nullopt;
    }
    if (file.size() > kMaxMeterFileSize) {
        *problem = QCoreApplication::translate("TensionMeter", "too large for a meter's chart");
        return std::nullopt;
    }
    return MeterFromJson(file.readAll(), problem);
}

}  // namespace

const SpokeKind* TensionMeter::Kind(const QString& kindName) const
{
    for (const SpokeKind& kind : kinds)
        if (kind.name == kindName) return &kind;
    return nullptr;
}

MeterReading ReadMeter(const SpokeKind& kind, double reading)
{
    const std::vector<MeterRow>& rows = kind.rows;
    if (rows.empty() || !std::isfinite(reading)) return {MeterReading::Where::Below, 0, 0};
    if (reading < rows.front().reading) return {MeterReading::Where::Below, 0, rows.front().reading};
    if (reading > rows.back().reading) return {MeterReading::Where::Above, 0, rows.back().reading};
    const auto upper = std::lower_bound(rows.begin(), rows.end(), reading,
                                        [](const MeterRow& row, double r) { return row.reading < r; });
    if (upper->reading == reading || upper == rows.begin()) return {MeterReading::Where::OnTable, upper->kgf, 0};
    const MeterRow& a = *(upper - 1);
    const MeterRow& b = *upper;
    return {MeterReading::Where::OnTable, a.kgf + (b.kgf - a.kgf) * (reading - a.reading) / (b.reading - a.reading), 0};
}

QString SortRows(std::vector<MeterRow>& rows)
{
    if (rows.size() < 2) return QCoreApplication::translate("TensionMeter", "a table needs at least two rows");
    for (const MeterRow& row : rows)
        if (!std::isfinite(row.reading) || !std::isfinite(row.kgf) || row.reading <= 0 || row.kgf <= 0)
            return QCoreApplication::translate("TensionMeter", "every reading and kgf must be above 0");
    std::sort(rows.begin(), rows.end(), [](const MeterRow& a, const MeterRow& b) { return a.reading < b.reading; });
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].reading == rows[i - 1].reading)
            return QCoreApplication::translate("TensionMeter", "the reading %1 is given twice").arg(rows[i].reading);
        // A meter's spring bends further under more pull: a chart that falls
        // would give two tensions for one reading.
        if (rows[i].kgf <= rows[i - 1].kgf)
            return QCoreApplication::translate("TensionMeter", "kgf must rise with the reading (%1 at %2, %3 at %4)")
                .arg(rows[i - 1].kgf)
                .arg(rows[i - 1].reading)
                .arg(rows[i].kgf)
                .arg(rows[i].reading);
    }
    return QString();
}

std::optional<TensionMeter> MeterFromJson(const QByteArray& bytes, QString* problem)
{
    QString ignored;
    if (!problem) problem = &ignored;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (!document.isObject()) {
        *problem = error.error != QJsonParseError::NoError ? error.errorString() : QCoreApplication::translate("TensionMeter", "not a JSON object");
        return std::nullopt;
    }
    const QJsonObject o = document.object();
    TensionMeter meter;
    meter.name = o.value(QStringLiteral("name")).toString().trimmed();
    meter.source = o.value(QStringLiteral("source")).toString();
    meter.version = o.value(QStringLiteral("version")).toString();
    meter.note = o.value(QStringLiteral("note")).toString();
    if (meter.name.isEmpty()) {
        *problem = QCoreApplication::translate("TensionMeter", "the meter has no name");
        return std::nullopt;
    }
    for (const QJsonValue& kind : o.value(QStringLiteral("kinds")).toArray()) {
        std::optional<SpokeKind> read = KindFromJson(kind.toObject(), problem);
        if (!read) return std::nullopt;
        AddKind(meter, *read);
    }
    return meter;
}

QByteArray MeterToJson(const TensionMeter& meter)
{
    QJsonArray kinds;
    for (const SpokeKind& kind : meter.kinds) {
        QJsonArray rows;
        for (const MeterRow& row : kind.rows) rows.append(QJsonArray{row.reading, row.kgf});
        kinds.append(QJsonObject{{QStringLiteral("name"), kind.name}, {QStringLiteral("rows"), rows}});
    }
    QJsonObject o{{QStringLiteral("name"), meter.name}, {QStringLiteral("kinds"), kinds}};
    if (!meter.source.isEmpty()) o.insert(QStringLiteral("source"), meter.source);
    if (!meter.version.isEmpty()) o.insert(QStringLiteral("version"), meter.version);
    if (!meter.note.isEmpty()) o.insert(QStringLiteral("note"), meter.note);
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

std::vector<TensionMeter> ShippedMeters()
{
    InitMeterResources();
    std::vector<TensionMeter> meters;
    const QDir folder(QStringLiteral(":/meters"));
    for (const QString& name : folder.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        QString problem;
        if (std::optional<TensionMeter> meter = ReadMeterFile(folder.filePath(name), &problem))
            meters.push_back(std::move(*meter));
    }
    return meters;
}

QString UserMetersFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/meters");
}

const TensionMeter* FindMeter(const std::vector<TensionMeter>& meters, const QString& name)
{
    for (const TensionMeter& meter : meters)
        if (meter.name.compare(name, Qt::CaseInsensitive) == 0) return &meter;
    return nullptr;
}

std::vector<TensionMeter> LoadMeters(const QString& folder, QStringList* problems)
{
    std::vector<TensionMeter> meters = ShippedMeters();
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        QString problem;
        const std::optional<TensionMeter> own = ReadMeterFile(dir.filePath(name), &problem);
        if (!own) {
            if (problems) problems->append(QStringLiteral("%1: %2").arg(dir.filePath(name), problem));
            continue;
        }
        if (const TensionMeter* held = FindMeter(meters, own->name)) {
            TensionMeter& shipped = meters[static_cast<std::size_t>(held - meters.data())];
            for (const SpokeKind& kind : own->kinds) AddKind(shipped, kind);
        } else {
            meters.push_back(*own);
        }
    }
    return meters;
}

QString MeterFilePath(const QString& folder, const QString& meterName)
{
    // Letters and digits of any script stay; anything a file system may
    // refuse becomes '-'.
    QString base = meterName.trimmed().toLower();
    base.replace(QRegularExpression(QStringLiteral("[^\\w]+")), QStringLiteral("-"));
    base.remove(QRegularExpression(QStringLiteral("^-+|-+$")));
    if (base.isEmpty()) base = QStringLiteral("meter");
    return QDir(folder).filePath(base.left(80) + QStringLiteral(".json"));
}

void SaveUserKind(const QString& folder, const TensionMeter& meter, const SpokeKind& kind)
{
    if (!QDir().mkpath(folder))
        throw EFileWriteError(folder, QCoreApplication::translate("TensionMeter", "the folder cannot be made"));
    const QString path = MeterFilePath(folder, meter.name);
    TensionMeter own;
    QString problem;
    if (QFile::exists(path)) {
        std::optional<TensionMeter> held = ReadMeterFile(path, &problem);
        // A file that does not read is kept, never written over.
        if (!held) throw EFileWriteError(path, problem);
        if (held->name.compare(meter.name, Qt::CaseInsensitive) != 0)
            throw EFileWriteError(path, QCoreApplication::translate("TensionMeter", "it holds the meter \"%1\"").arg(held->name));
        own = std::move(*held);
    } else {
        own.name = meter.name;
        own.source = meter.source;
        own.version = meter.version;
    }
    AddKind(own, kind);
    WriteFileAtomically(path, MeterToJson(own));
}

}  // namespace rimora
