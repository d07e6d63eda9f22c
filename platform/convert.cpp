#include "platform/convert.h"

#include "platform/errors.h"
#include "platform/number_text.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
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

QString GroupSeparator(const QLocale& locale)
{
    return locale.groupSeparator();
}

bool IsAsciiDigit(QChar ch)
{
    return ch.unicode() >= u'0' && ch.unicode() <= u'9';
}

// The marks a typed number may hold between its digits.
enum class Mark { Decimal, Group, Foreign, GroupOrForeign };

// The region's own mark, its group separator, or the other region's decimal
// mark (a point or a comma) that is not the region's. Where a region groups
// with a non-breaking space, the plain space a keyboard types counts too.
qsizetype MarkAt(const QString& t, qsizetype at, const QLocale& locale, Mark& mark)
{
    const QString decimal = DecimalSeparator(locale);
    const QString group = GroupSeparator(locale);
    if (t.mid(at, decimal.size()) == decimal) {
        mark = Mark::Decimal;
        return decimal.size();
    }
    const bool foreign = t[at] == QLatin1Char('.') || t[at] == QLatin1Char(',');
    if (!group.isEmpty() && t.mid(at, group.size()) == group) {
        mark = foreign ? Mark::GroupOrForeign : Mark::Group;
        return group.size();
    }
    if (group.size() == 1 && group[0].isSpace() && t[at] == QLatin1Char(' ')) {
        mark = Mark::Group;
        return 1;
    }
    if (foreign) {
        mark = Mark::Foreign;
        return 1;
    }
    return 0;
}

bool IsGroup(Mark mark)
{
    return mark == Mark::Group || mark == Mark::GroupOrForeign;
}

// Groups of three digits after a first group of one to three that does not
// begin with 0 ("0,590" is no grouped number).
bool WellGrouped(const QStringList& runs, qsizetype count)
{
    if (runs[0].isEmpty() || runs[0].size() > 3 || runs[0][0] == QLatin1Char('0')) return false;
    for (qsizetype k = 1; k < count; ++k)
        if (runs[k].size() != 3) return false;
    return true;
}

// The number in C notation from its sign, digits before and after the
// decimal mark and exponent; false when it is no finite number.
bool Compose(const QByteArray& sign, const QString& whole, const QString& fraction, bool hasMark,
             const QByteArray& exponent, double& value)
{
    if (whole.isEmpty() && fraction.isEmpty()) return false;
    QByteArray c = sign + whole.toLatin1();
    if (hasMark) c += '.' + fraction.toLatin1();
    c += exponent;
    double v = 0;
    const auto [end, error] = std::from_chars(c.constData(), c.constData() + c.size(), v);
    if (error != std::errc() || end != c.constData() + c.size() || !std::isfinite(v)) return false;
    value = v;
    return true;
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

DecimalReading ReadDecimal(const QString& text, const QLocale& locale)
{
    DecimalReading r;
    const QString t = text.trimmed();
    const qsizetype n = t.size();
    qsizetype i = 0;
    // from_chars takes a minus sign but no plus sign.
    QByteArray sign;
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
        if (t[i] == QLatin1Char('-')) sign = "-";
        ++i;
    }
    QStringList runs{QString()};
    QList<Mark> marks;
    while (i < n) {
        if (IsAsciiDigit(t[i])) {
            runs.back() += t[i++];
            continue;
        }
        Mark mark = Mark::Decimal;
        const qsizetype length = MarkAt(t, i, locale, mark);
        if (length == 0) break;
        marks << mark;
        runs << QString();
        i += length;
    }
    QByteArray exponent;
    if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        exponent = "e";
        ++i;
        if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) exponent += static_cast<char>(t[i++].unicode());
        qsizetype digits = 0;
        for (; i < n && IsAsciiDigit(t[i]); ++i, ++digits) exponent += static_cast<char>(t[i].unicode());
        if (digits == 0) return r;
    }
    if (i != n) return r;

    // With the region's own mark, only groups may stand before it and no
    // mark after it.
    if (const qsizetype decimalAt = marks.indexOf(Mark::Decimal); decimalAt >= 0) {
        if (decimalAt != marks.size() - 1) return r;
        if (decimalAt > 0
            && (!std::all_of(marks.begin(), marks.end() - 1, IsGroup) || !WellGrouped(runs, decimalAt + 1)))
            return r;
        r.ok = Compose(sign, runs.mid(0, decimalAt + 1).join(QString()), runs.back(), true, exponent, r.value);
        return r;
    }
    if (marks.isEmpty()) {
        r.ok = Compose(sign, runs[0], QString(), false, exponent, r.value);
        return r;
    }
    // Without it, groups of three or one other region's mark; "1,590" in a
    // point region may be either and is not read at all.
    const bool grouped = std::all_of(marks.begin(), marks.end(), IsGroup) && WellGrouped(runs, runs.size());
    const bool decimal = marks.size() == 1 && (marks[0] == Mark::Foreign || marks[0] == Mark::GroupOrForeign);
    double asGroups = 0;
    double asDecimal = 0;
    const bool groupsRead = grouped && Compose(sign, runs.join(QString()), QString(), false, exponent, asGroups);
    const bool decimalRead = decimal && Compose(sign, runs[0], runs[1], true, exponent, asDecimal);
    if (grouped && decimal) {
        r.twoWays = groupsRead && decimalRead;
        r.value = asGroups;
        r.decimalValue = asDecimal;
        return r;
    }
    r.ok = groupsRead || decimalRead;
    r.value = groupsRead ? asGroups : asDecimal;
    return r;
}

bool TryStrToFloat(const QString& text, double& value, const QLocale& locale)
{
    const DecimalReading r = ReadDecimal(text, locale);
    if (r.ok) value = r.value;
    return r.ok;
}

QString FileDecimalInRegion(const QString& text, const QLocale& locale)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i].isSpace()) ++i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
    qsizetype digits = 0;
    qsizetype markAt = -1;
    for (; i < n; ++i) {
        if (IsAsciiDigit(text[i])) {
            ++digits;
        } else if ((text[i] == QLatin1Char('.') || text[i] == QLatin1Char(',')) && markAt < 0) {
            markAt = i;
        } else {
            break;
        }
    }
    if (digits == 0 || markAt < 0) return text;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
        const qsizetype exponentAt = i;
        while (i < n && IsAsciiDigit(text[i])) ++i;
        if (i == exponentAt) return text;
    }
    while (i < n && text[i].isSpace()) ++i;
    if (i != n) return text;
    QString inRegion = text;
    inRegion.replace(markAt, 1, DecimalSeparator(locale));
    return inRegion;
}

QString DecimalForFile(const QString& text, const QLocale& locale)
{
    const QString t = text.trimmed();
    qsizetype marks = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E')) return text;
        const bool sign = i == 0 && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'));
        if (!IsAsciiDigit(t[i]) && !sign) ++marks;
    }
    // One mark at most is read as the decimal mark wherever the file goes.
    if (marks <= 1) return text;
    const DecimalReading reading = ReadDecimal(t, locale);
    if (!reading.ok) return text;
    const qsizetype decimalAt = t.lastIndexOf(DecimalSeparator(locale));
    const qsizetype decimals = decimalAt < 0 ? 0 : t.size() - decimalAt - DecimalSeparator(locale).size();
    QLocale plain(locale);
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(reading.value, 'f', static_cast<int>(decimals));
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
    QString number = DecimalText(value, 1, Marks::Region, locale);
    // The minus sign stands in front of the whole result, literal text and all.
    const bool negative = number.startsWith(QLatin1Char('-'));
    if (negative) number.remove(0, 1);
    return (negative ? QStringLiteral("-") : QString()) + prefix + number + suffix;
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
