#include "platform/lacing_cell.h"

#include "platform/convert.h"
#include "platform/errors.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <utility>

namespace rimora {

namespace {

const QString& GapMark()
{
    static const QString mark = QStringLiteral("-");
    return mark;
}

}  // namespace

std::optional<double> ReadTableLength(const QString& text)
{
    const QLocale locale;
    const QString group = locale.groupSeparator();
    const QString trimmed = text.trimmed();
    const qsizetype decimalAt = trimmed.indexOf(locale.decimalPoint());
    QString whole = decimalAt < 0 ? trimmed : trimmed.left(decimalAt);
    const QString fraction = decimalAt < 0 ? QString() : trimmed.mid(decimalAt);

    if (!group.isEmpty() && whole.contains(group)) {
        const QRegularExpression grouped(QStringLiteral("^[+-]?[0-9]{1,3}(?:%1[0-9]{3})+$")
                                             .arg(QRegularExpression::escape(group)));
        if (!grouped.match(whole).hasMatch()) return std::nullopt;
        whole.remove(group);
    }
    double value = 0;
    if (!TryStrToFloat(whole + fraction, value)) return std::nullopt;
    return value;
}

LacingCell LacingCell::FromText(const QString& text)
{
    LacingCell cell;
    cell.spelling_ = text;
    if (text.isEmpty() || text == GapMark()) return cell;
    int number = 0;
    if (TryStrToInt(text, number)) cell.whole_ = number;
    cell.length_ = ReadTableLength(text);
    return cell;
}

LacingCell LacingCell::Hole(int number, QString spelling)
{
    LacingCell cell;
    cell.spelling_ = std::move(spelling);
    cell.whole_ = number;
    cell.length_ = static_cast<double>(number);
    return cell;
}

LacingCell LacingCell::Length(double mm, QString spelling)
{
    LacingCell cell;
    cell.spelling_ = std::move(spelling);
    cell.length_ = mm;
    return cell;
}

LacingCell LacingCell::Gap()
{
    LacingCell cell;
    cell.spelling_ = GapMark();
    return cell;
}

bool LacingCell::IsGap() const
{
    return spelling_ == GapMark();
}

LacingCell::Kind LacingCell::kind() const
{
    if (IsEmpty()) return Kind::Empty;
    if (IsGap()) return Kind::Gap;
    if (whole_) return Kind::Hole;
    if (length_) return Kind::Length;
    return Kind::Text;
}

int LacingCell::RequireWholeNumber() const
{
    if (!whole_)
        throw EConvertError(
            QCoreApplication::translate("Convert", "'%1' is not a valid integer value").arg(spelling_));
    return *whole_;
}

double LacingCell::RequireMillimetres() const
{
    if (!length_)
        throw EConvertError(
            QCoreApplication::translate("Spokes", "'%1' is not a valid floating point value").arg(spelling_));
    return *length_;
}

}  // namespace rimora
