#include "platform/tspin_edit.h"

#include "platform/convert.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QRegularExpression>

namespace rimora {

TSpinEdit::TSpinEdit(QWidget* parent, const QString& name, int minValue, int maxValue, int value)
    : QAbstractSpinBox(parent), min_(minValue), max_(maxValue)
{
    setObjectName(name);
    setAccelerated(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    lineEdit()->setText(QString::number(Clamp(value)));
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] { Fire(OnChange); });
}

int TSpinEdit::Clamp(int value) const
{
    if (min_ == max_) return value;
    return std::clamp(value, min_, max_);
}

QString TSpinEdit::Text() const
{
    return lineEdit()->text();
}

void TSpinEdit::SetText(const QString& text)
{
    if (text != lineEdit()->text()) lineEdit()->setText(text);
}

int TSpinEdit::Value() const
{
    int value = 0;
    return TryStrToInt(Text(), value) ? value : min_;
}

void TSpinEdit::SetValue(int value)
{
    SetText(QString::number(Clamp(value)));
}

void TSpinEdit::stepBy(int steps)
{
    SetValue(Value() + steps);
    lineEdit()->selectAll();
}

QValidator::State TSpinEdit::validate(QString& input, int&) const
{
    // Digits and one leading sign may be typed; the range is checked only
    // when the box loses the focus.
    static const QRegularExpression complete(QStringLiteral("^[+-]?\\d+$"));
    static const QRegularExpression partial(QStringLiteral("^[+-]?$"));
    if (complete.match(input).hasMatch()) return QValidator::Acceptable;
    if (partial.match(input).hasMatch()) return QValidator::Intermediate;
    return QValidator::Invalid;
}

void TSpinEdit::fixup(QString&) const
{
    // The text stays as typed; focusOutEvent pulls it into the range.
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const
{
    return StepUpEnabled | StepDownEnabled;
}

int TSpinEdit::SettledValue() const
{
    int value = 0;
    if (TryStrToInt(Text(), value)) return Clamp(value);
    // Digits too many for a whole number lie beyond the range's nearer end.
    static const QRegularExpression overflow(QStringLiteral("^ *[+-]?\\d+$"));
    if (min_ != max_ && overflow.match(Text()).hasMatch())
        return Text().trimmed().startsWith(QLatin1Char('-')) ? min_ : max_;
    return Value();
}

void TSpinEdit::focusOutEvent(QFocusEvent* event)
{
    // Leaving the box shows the value the program uses from now on.
    const int settled = SettledValue();
    if (Text() != QString::number(settled)) SetText(QString::number(settled));
    // The inner line edit must hear it too, or its caret keeps blinking.
    QCoreApplication::sendEvent(lineEdit(), event);
    QWidget::focusOutEvent(event);
    update();
}

}  // namespace rimora
