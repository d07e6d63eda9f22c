#include "platform/convert.h"

#include "platform/errors.h"

#include <QCoreApplication>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace rimora {

namespace {

int HexDigit(QChar ch)
{
    const char16_t c = ch.unicode();
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

QString DecimalSeparator(const QLocale& locale)
{
    return locale.decimalPoint();
}

// A decimal text carries no grouping, so one point or one comma is the
// decimal mark wherever it cannot be a thousands group: a profile written in
// a point region opens in a comma region and the other way round.
qsizetype DecimalMarkLength(const QString& t, qsizetype at, const QString& regionMark)
{
    if (t.mid(at, regionMark.size()) == regionMark) return regionMark.size();
    if (t[at] == QLatin1Char('.') || t[at] == QLatin1Char(',')) return 1;
    return 0;
}

QString GroupSeparator(const QLocale& locale)
{
    return locale.groupSeparator();
}

}  // namespace

bool TryStrToInt(const QString& text, int& value)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == QLatin1Char(' ')) ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i >= n) return false;

    bool hex = false;
    if (text[i] == QLatin1Char('$') || text[i] == QLatin1Char('x') || text[i] == QLatin1Char('X')) {
        hex = true;
        ++i;
    } else if (text[i] == QLatin1Char('0') && i + 1 < n
               && (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        hex = true;
        i += 2;
    }
    if (i >= n) return false;

    std::uint64_t magnitude = 0;
    if (hex) {
        for (; i < n; ++i) {
            const int d = HexDigit(text[i]);
            if (d < 0) return false;
            magnitude = magnitude * 16 + static_cast<unsigned>(d);
            if (magnitude > 0xFFFFFFFFull) return false;
        }
        // A hexadecimal number fills the 32 bits as they are: $FFFFFFFF is -1.
        std::int32_t bits = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
        value = negative ? static_cast<int>(0u - static_cast<std::uint32_t>(bits)) : bits;
        return true;
    }

    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return false;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > 2147483648ull) return false;
    }
    if (!negative && magnitude > 2147483647ull) return false;
    value = negative ? static_cast<int>(-static_cast<std::int64_t>(magnitude))
                     : static_cast<int>(magnitude);
    return true;
}

bool IsIntegerText(const QString& text)
{
    int ignored = 0;
    return TryStrToInt(text, ignored);
}

int StrToInt(const QString& text)
{
    int value = 0;
    if (!TryStrToInt(text, value))
        throw EConvertError(QCoreApplication::translate("Convert", "'%1' is not a valid integer value").arg(text));
    return value;
}

bool TryStrToFloat(const QString& text, double& value, const QLocale& locale)
{
    const QString sep = DecimalSeparator(locale);
    const QString t = text.trimmed();
    if (t.isEmpty()) return false;

    // Rebuild the number in C notation.
    QByteArray c;
    qsizetype i = 0;
    const qsizetype n = t.size();
    // from_chars takes a minus sign but no plus sign.
    if (t[i] == QLatin1Char('-')) c.append('-');
    if (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')) ++i;
    int digits = 0;
    while (i < n && t[i].isDigit() && t[i].unicode() < 128) { c.append(static_cast<char>(t[i++].unicode())); ++digits; }
    if (const qsizetype mark = i < n ? DecimalMarkLength(t, i, sep) : 0; mark > 0) {
        const bool foreignMark = t.mid(i, mark) != sep;
        const bool couldBeGrouping = foreignMark && t.mid(i, mark) == locale.groupSeparator();
        const int digitsBefore = digits;
        c.append('.');
        i += mark;
        while (i < n && t[i].isDigit() && t[i].unicode() < 128) { c.append(static_cast<char>(t[i++].unicode())); ++digits; }
        // "1,590" in a point region may be 1590 with a thousands group: a
        // number that can be read two ways is not read at all.
        if (couldBeGrouping && digitsBefore >= 1 && digitsBefore <= 3 && digits - digitsBefore == 3) return false;
    }
    if (digits == 0) return false;
    if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        c.append('e');
        ++i;
        if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) c.append(static_cast<char>(t[i++].unicode()));
        int expDigits = 0;
        while (i < n && t[i].isDigit() && t[i].unicode() < 128) { c.append(static_cast<char>(t[i++].unicode())); ++expDigits; }
        if (expDigits == 0) return false;
    }
    if (i != n) return false;

    double v = 0;
    const auto [end, error] = std::from_chars(c.constData(), c.constData() + c.size(), v);
    if (error != std::errc() || end != c.constData() + c.size() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

double StrToFloat(const QString& text, const QLocale& locale)
{
    double value = 0;
    if (!TryStrToFloat(text, value, locale))
        throw EConvertError(
            QCoreApplication::translate("Convert", "'%1' is not a valid floating point value").arg(text));
    return value;
}

QString FormatFloat(const QString& format, double value, const QLocale& locale)
{
    static const QString pattern = QStringLiteral("#,##0.0");
    const qsizetype at = format.indexOf(pattern);
    const QString prefix = at < 0 ? QString() : format.left(at);
    const QString suffix = at < 0 ? QString() : format.mid(at + pattern.size());

    // Tenths as a whole number, rounded half away from zero. The product is
    // exact in long double, so 284.25 really is a tie and becomes 284.3.
    const long double tenths = std::round(std::fabs(static_cast<long double>(value)) * 10.0L);
    QString digits;
    if (!std::isfinite(value)) {
        digits = QStringLiteral("0");
    } else if (tenths < 1e18L) {
        digits = QString::number(static_cast<qulonglong>(tenths));
    } else {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.0Lf", tenths);
        digits = QString::fromLatin1(buffer);
    }
    if (digits.size() < 2) digits.prepend(QLatin1Char('0'));
    const QString intPart = digits.left(digits.size() - 1);
    const QString decPart = digits.right(1);

    QString grouped;
    const QString group = GroupSeparator(locale);
    for (qsizetype k = 0; k < intPart.size(); ++k) {
        if (k > 0 && (intPart.size() - k) % 3 == 0) grouped += group;
        grouped += intPart[k];
    }
    const bool negative = value < 0 && tenths > 0;
    return (negative ? QStringLiteral("-") : QString()) + prefix + grouped + DecimalSeparator(locale) + decPart
           + suffix;
}

QString FormatLength(double value, const QLocale& locale)
{
    return FormatFloat(QStringLiteral("#,##0.0"), value, locale);
}

QString FloatToStr(double value, const QLocale& locale)
{
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    // to_chars never looks at the C library's locale, so the only decimal mark
    // in the result is the one put in below.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    QString text = QString::fromLatin1(buffer, written.ptr - buffer);
    // C writes 1e-05 and 1.5e+20; the program writes 1E-5 and 1.5E20.
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        QString mantissa = text.left(e);
        QString exponent = text.mid(e + 1);
        const bool negativeExponent = exponent.startsWith(QLatin1Char('-'));
        if (exponent.startsWith(QLatin1Char('+')) || negativeExponent) exponent.remove(0, 1);
        while (exponent.size() > 1 && exponent.startsWith(QLatin1Char('0'))) exponent.remove(0, 1);
        text = mantissa + QStringLiteral("E") + (negativeExponent ? QStringLiteral("-") : QString()) + exponent;
    }
    text.replace(QLatin1Char('.'), DecimalSeparator(locale));
    return text;
}

QString FormatHoleNumber(int value)
{
    // "%.2d" without the cost of a format parser: the table writes hundreds.
    const long long magnitude = value < 0 ? -static_cast<long long>(value) : value;
    QString digits = QString::number(magnitude);
    if (digits.size() < 2) digits.prepend(QLatin1Char('0'));
    if (value < 0) digits.prepend(QLatin1Char('-'));
    return digits;
}

}  // namespace rimora
