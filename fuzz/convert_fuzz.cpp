// The whole-number and decimal conversions on any text, in a point-decimal
// and a comma-decimal region.
//
// Input: the text as UTF-8; its first 4 and 8 bytes also give a whole number
// and a double for the formatting round trips.
//
// Promises checked:
// - IsIntegerText accepts exactly what TryStrToInt accepts, and StrToInt
//   throws EConvertError for the rest; a plain decimal text gives the value
//   Qt's own conversion gives;
// - every int written in decimal, as a hole number or in hexadecimal reads
//   back as itself;
// - a decimal read is finite, and written with FloatToStr reads back within
//   the 15 digits written;
// - a text read two ways is never read as a number, and both its readings
//   are finite;
// - a file's decimal shown in either region's form reads there as one and
//   the same number;
// - FormatLength rounds to the nearest tenth: it reads back, with its
//   grouping, within half a tenth.
#include "fuzz/fuzz_check.h"
#include "platform/convert.h"
#include "platform/errors.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

using rimora::fuzz::Check;
using rimora::fuzz::Shown;

namespace {

void CheckInteger(const QString& text)
{
    int value = 0;
    const bool accepted = rimora::TryStrToInt(text, value);
    Check(rimora::IsIntegerText(text) == accepted, QStringLiteral("IsIntegerText and TryStrToInt differ on %1").arg(Shown(text)));
    try {
        const int strict = rimora::StrToInt(text);
        Check(accepted && strict == value, QStringLiteral("StrToInt accepted %1").arg(Shown(text)));
    } catch (const rimora::EConvertError&) {
        Check(!accepted, QStringLiteral("StrToInt refused %1").arg(Shown(text)));
    }

    // Anchored at the very end: "$" alone would also match before a final
    // line break, which no conversion accepts.
    static const QRegularExpression plainDecimal(QRegularExpression::anchoredPattern(QStringLiteral(" *([+-]?[0-9]+)")));
    const QRegularExpressionMatch m = plainDecimal.match(text);
    if (m.hasMatch()) {
        bool ok = false;
        const int qtValue = m.captured(1).toInt(&ok, 10);
        Check(ok == accepted && (!ok || qtValue == value),
              QStringLiteral("%1: Qt reads %2 (%3), TryStrToInt %4 (%5)")
                  .arg(Shown(text)).arg(qtValue).arg(ok).arg(value).arg(accepted));
    }
}

void CheckIntegerRoundTrips(int n)
{
    int back = 0;
    for (const QString& text : {QString::number(n), rimora::FormatHoleNumber(n),
                                QStringLiteral("$") + QString::number(static_cast<std::uint32_t>(n), 16),
                                QStringLiteral("  0X") + QString::number(static_cast<std::uint32_t>(n), 16).toUpper()}) {
        Check(rimora::TryStrToInt(text, back) && back == n,
              QStringLiteral("%1 written as %2 reads back as %3").arg(n).arg(Shown(text)).arg(back));
    }
}

void CheckFileDecimal(const QString& text, const QLocale& point, const QLocale& comma)
{
    const QString shownInPoint = rimora::FileDecimalInRegion(text, point);
    const QString shownInComma = rimora::FileDecimalInRegion(text, comma);
    // A text that is no file decimal is shown as it is in both.
    if (shownInPoint == text && shownInComma == text) return;
    double inPoint = 0;
    double inComma = 0;
    const bool pointReads = rimora::TryStrToFloat(shownInPoint, inPoint, point);
    const bool commaReads = rimora::TryStrToFloat(shownInComma, inComma, comma);
    // Only a number beyond a double's range reads in neither.
    Check(pointReads == commaReads && (!pointReads || inPoint == inComma),
          QStringLiteral("%1 from a file reads as %2 and %3").arg(Shown(text)).arg(inPoint, 0, 'g', 17).arg(inComma, 0, 'g', 17));
}

void CheckDecimal(const QString& text, const QLocale& region)
{
    const rimora::DecimalReading reading = rimora::ReadDecimal(text, region);
    Check(!(reading.ok && reading.twoWays)
              && (!reading.twoWays || (std::isfinite(reading.value) && std::isfinite(reading.decimalValue))),
          QStringLiteral("%1 read two ways and also as a number").arg(Shown(text)));
    double value = 0;
    if (!rimora::TryStrToFloat(text, value, region)) return;
    Check(std::isfinite(value), QStringLiteral("%1 read as a non-finite number").arg(Shown(text)));
    const QString written = rimora::FloatToStr(value, region);
    double back = 0;
    // 15 significant digits; a subnormal number keeps fewer.
    const double tolerance = std::max(std::fabs(value) * 1e-14, 1e-300);
    Check(rimora::TryStrToFloat(written, back, region) && std::fabs(back - value) <= tolerance,
          QStringLiteral("%1 read as %2, written %3, read back as %4")
              .arg(Shown(text)).arg(value, 0, 'g', 17).arg(Shown(written)).arg(back, 0, 'g', 17));
}

void CheckLength(double value, const QLocale& region)
{
    if (!std::isfinite(value) || std::fabs(value) > 1e15) return;
    const QString length = rimora::FormatLength(value, region);
    double back = 0;
    Check(rimora::TryStrToFloat(length, back, region) && std::fabs(back - value) <= 0.05 + std::fabs(value) * 1e-15,
          QStringLiteral("%1 formatted as %2 reads back as %3").arg(value, 0, 'g', 17).arg(Shown(length)).arg(back, 0, 'g', 17));
    Check(length.endsWith(region.decimalPoint() + length.right(1)) && length.right(1).front().isDigit(),
          QStringLiteral("%1 formatted as %2 has no single decimal").arg(value, 0, 'g', 17).arg(Shown(length)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    static const QLocale point(QLocale::English, QLocale::UnitedStates);
    static const QLocale comma(QLocale::German, QLocale::Germany);

    CheckInteger(text);
    for (const QLocale& region : {point, comma}) CheckDecimal(text, region);
    CheckFileDecimal(text, point, comma);

    if (size >= sizeof(std::int32_t)) {
        std::int32_t n = 0;
        std::memcpy(&n, data, sizeof n);
        CheckIntegerRoundTrips(n);
    }
    if (size >= sizeof(double)) {
        double d = 0;
        std::memcpy(&d, data, sizeof d);
        for (const QLocale& region : {point, comma}) CheckLength(d, region);
    }
    // Lengths as the calculation makes them: tenths and their halves.
    int tenths = 0;
    if (rimora::TryStrToInt(text, tenths)) {
        for (const QLocale& region : {point, comma}) {
            CheckLength(tenths / 10.0, region);
            CheckLength(tenths / 10.0 + 0.05, region);
        }
    }
    return 0;
}
