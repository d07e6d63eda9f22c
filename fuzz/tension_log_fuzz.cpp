// A meter's chart file and a round of readings as a profile keeps it, both
// parsed from any text.
//
// Input: the text as UTF-8, read both as a chart file and as a round.
//
// Promises checked: parsing ends and never throws; a chart that reads has
// rows rising in reading and in kgf, every reading on its table gives a kgf
// between its ends, and written back it reads as the same rows; a round that
// reads, written back, reads as the same readings and label.
#include "fuzz/fuzz_check.h"
#include "spokes/tension_meter.h"
#include "spokes/tension_round.h"

#include <cstddef>
#include <cstdint>

using rimora::fuzz::Check;
using rimora::fuzz::Shown;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString problem;
    if (const std::optional<rimora::TensionMeter> meter = rimora::MeterFromJson(bytes, &problem)) {
        for (const rimora::SpokeKind& kind : meter->kinds) {
            for (std::size_t i = 1; i < kind.rows.size(); ++i)
                Check(kind.rows[i].reading > kind.rows[i - 1].reading && kind.rows[i].kgf > kind.rows[i - 1].kgf,
                      QStringLiteral("kind %1 keeps rows that do not rise").arg(Shown(kind.name)));
            const double middle = (kind.rows.front().reading + kind.rows.back().reading) / 2;
            const rimora::MeterReading read = rimora::ReadMeter(kind, middle);
            Check(read.where == rimora::MeterReading::Where::OnTable && read.kgf >= kind.rows.front().kgf
                      && read.kgf <= kind.rows.back().kgf,
                  QStringLiteral("kind %1 reads %2 off its own table").arg(Shown(kind.name)).arg(middle));
        }
        const std::optional<rimora::TensionMeter> again = rimora::MeterFromJson(rimora::MeterToJson(*meter), &problem);
        Check(again && again->kinds.size() == meter->kinds.size(),
              QStringLiteral("meter %1 written does not read back: %2").arg(Shown(meter->name), problem));
        for (std::size_t k = 0; k < meter->kinds.size(); ++k)
            Check(again->kinds[k].rows.size() == meter->kinds[k].rows.size(),
                  QStringLiteral("kind %1 written back lost rows").arg(Shown(meter->kinds[k].name)));
    }
    const QString text = QString::fromUtf8(bytes);
    if (const std::optional<rimora::TensionRound> round = rimora::RoundFromText(text)) {
        const std::optional<rimora::TensionRound> again = rimora::RoundFromText(rimora::RoundText(*round));
        Check(again && again->readings == round->readings && again->label == round->label,
              QStringLiteral("round %1 written back reads otherwise").arg(Shown(text)));
    }
    return 0;
}
