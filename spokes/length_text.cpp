#include "spokes/length_text.h"

#include "platform/convert.h"
#include "platform/errors.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

namespace rimora {

double ReadBackLength(const QString& text)
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
        if (!grouped.match(whole).hasMatch())
            throw EConvertError(
                QCoreApplication::translate("Spokes", "'%1' is not a valid floating point value").arg(text));
        whole.remove(group);
    }
    double value = 0;
    if (!TryStrToFloat(whole + fraction, value))
        throw EConvertError(
            QCoreApplication::translate("Spokes", "'%1' is not a valid floating point value").arg(text));
    return value;
}

}  // namespace rimora
