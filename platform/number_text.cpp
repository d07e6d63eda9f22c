#include "platform/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace rimora {

namespace {

// The digits of |value| scaled by 10^decimals, rounded half away from zero.
// The product is exact in long double (a double's 53 bits and at most 10 more),
// so 284.25 really is a tie and becomes 284.3. A value that is no number is 0.
QString ScaledDigits(double value, int decimals)
{
    static constexpr long double kScale[] = {1.0L, 10.0L, 100.0L, 1000.0L};
    const long double scaled = std::round(std::fabs(static_cast<long double>(value)) * kScale[decimals]);
    QString digits;
    if (!std::isfinite(value)) {
        digits = QStringLiteral("0");
    } else if (scaled < 1e18L) {
        digits = QString::number(static_cast<qulonglong>(scaled));
    } else {
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.0Lf", scaled);
        digits = QString::fromLatin1(buffer);
    }
    if (digits.size() < decimals + 1) digits.prepend(QString(decimals + 1 - digits.size(), QLatin1Char('0')));
    return digits;
}

QString RegionText(double value, int decimals, bool grouped, const QLocale& locale)
{
    const QString digits = ScaledDigits(value, decimals);
    const QString whole = digits.left(digits.size() - decimals);
    const QString group = grouped ? locale.groupSeparator() : QString();
    QString text;
    for (qsizetype k = 0; k < whole.size(); ++k) {
        if (k > 0 && (whole.size() - k) % 3 == 0) text += group;
        text += whole[k];
    }
    if (decimals > 0) text += locale.decimalPoint() + digits.right(decimals);
    // No minus before a figure that rounds to nothing: "0.0", not "-0.0".
    const bool negative = value < 0 && digits.count(QLatin1Char('0')) != digits.size();
    return negative ? QStringLiteral("-") + text : text;
}

}  // namespace

QString DecimalText(double value, int decimals, Marks marks, const QLocale& region)
{
    decimals = std::clamp(decimals, 0, 3);
    if (marks == Marks::Point) return QString::number(value, 'f', decimals);
    return RegionText(value, decimals, marks == Marks::Region, region);
}

double SpokeLengthTenths(double mm)
{
    if (!(std::fabs(mm) < 1e9)) return std::round(mm * 10.0) / 10.0;
    const long long millionths = std::llround(mm * 1e6);
    const long long tenths = (millionths >= 0 ? millionths + 50000 : millionths - 50000) / 100000;
    return static_cast<double>(tenths) / 10.0;
}

QString SpokeLengthText(double mm, Marks marks)
{
    return LengthText(std::fabs(mm) < 1e9 ? SpokeLengthTenths(mm) : mm, marks);
}

QString LengthText(double mm, Marks marks, int decimals)
{
    return DecimalText(mm, decimals, marks);
}

QString OrderLengthText(double mm, Marks marks)
{
    return DecimalText(mm, 0, marks);
}

QString AngleText(double degrees, Marks marks, int decimals)
{
    return DecimalText(degrees, decimals, marks);
}

QString TensionText(double kgf, Marks marks)
{
    return DecimalText(kgf, 1, marks);
}

}  // namespace rimora
