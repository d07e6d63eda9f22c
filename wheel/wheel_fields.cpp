#include "wheel/wheel_fields.h"

#include "platform/convert.h"
#include "platform/errors.h"
#include "wheel/wheel_records.h"

#include <QCoreApplication>
#include <QLocale>

namespace rimora {

namespace {

bool IsHoleCount(WheelField field)
{
    return field == WheelField::HubHoles || field == WheelField::RimHoles;
}

}  // namespace

QString FieldCaption(WheelField field)
{
    return RecordCaption(RecordOf(field));
}

QString FieldShortName(WheelField field)
{
    const QString caption = FieldCaption(field);
    const qsizetype comma = caption.indexOf(QLatin1Char(','));
    return comma < 0 ? caption : caption.left(comma);
}

bool TakesWholeNumber(WheelField field)
{
    return RecordOf(field).kind != RecordKind::Decimal;
}

QString FieldMessage(WheelField field, const QString& why)
{
    return QStringLiteral("%1: %2").arg(FieldCaption(field), why);
}

QString UnreadableText(WheelField field, const QString& text)
{
    if (TakesWholeNumber(field)) {
        int ignored = 0;
        if (TryStrToInt(text, ignored)) return QString();
        // A hole count is chosen from a list, which is empty until then.
        if (IsHoleCount(field) && text.isEmpty())
            return FieldMessage(field, QCoreApplication::translate("WheelFields", "choose the number of holes."));
        return QCoreApplication::translate("WheelFields", "%1: '%2' is not a whole number").arg(FieldCaption(field), text);
    }
    return UnreadableDecimal(FieldCaption(field), text);
}

QString UnreadableDecimal(const QString& caption, const QString& text)
{
    const DecimalReading reading = ReadDecimal(text);
    if (reading.ok) return QString();
    if (reading.twoWays) {
        // Both readings as the region writes them, so either can be typed in.
        const QString grouped = FloatToStr(reading.value);
        const QString decimal = FloatToStr(reading.decimalValue);
        return QCoreApplication::translate("WheelFields", "%1: '%2' could be %3 or %4: write %3 or %4")
            .arg(caption, text, grouped, decimal);
    }
    return QCoreApplication::translate("WheelFields", "%1: '%2' is not a number (decimal mark '%3')")
        .arg(caption, text, QLocale().decimalPoint());
}

double ReadDecimalInput(const QString& caption, const QString& text)
{
    double value = 0;
    if (!TryStrToFloat(text, value)) throw EConvertError(UnreadableDecimal(caption, text));
    return value;
}

}  // namespace rimora
