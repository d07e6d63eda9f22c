#include "widgets/tspin_edit.h"

#include "platform/convert.h"
#include "widgets/picked_wheel.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>

namespace rimora {

namespace {

// The number of digits 0-9 after at most one leading sign, when nothing
// else follows; -1 for any other text.
qsizetype SignedDigitCount(QStringView text)
{
    if (text.startsWith(QLatin1Char('+')) || text.startsWith(QLatin1Char('-'))) text = text.mid(1);
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return -1;
    return text.size();
}

}  // namespace

TSpinEdit::TSpinEdit(QWidget* parent, const QString& name, int minValue, int maxValue, int value)
    : QAbstractSpinBox(parent), min_(minValue), max_(maxValue)
{
    setObjectName(name);
    setAccelerated(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    lineEdit()->setText(QString::number(Clamp(value)));
    TurnOnlyWhenPicked(this);
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
    const qsizetype digits = SignedDigitCount(input);
    if (digits > 0) return QValidator::Acceptable;
    if (digits == 0) return QValidator::Intermediate;
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
    QStringView text(Text());
    while (text.startsWith(QLatin1Char(' '))) text = text.mid(1);
    if (min_ != max_ && SignedDigitCount(text) > 0)
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
