#pragma once
#include "platform/component.h"
#include "widgets/notice.h"

#include <QAbstractSpinBox>

namespace rimora {

// Whole number in a range with up/down steps of 1. The value is the text read
// as a whole number, else the range minimum. A typed value outside the range
// stays as typed until the box loses the focus; then the box shows the value
// it uses: pulled to the nearer end (also for digits beyond 32 bits), written
// plainly ("7" for "007"), which is a change like any other. The mouse wheel
// steps it only once the user picked it.
class TSpinEdit : public QAbstractSpinBox, public Component, public ISpinControl {
    Q_OBJECT
public:
    TSpinEdit(QWidget* parent, const QString& name, int minValue, int maxValue, int value);
    QString Name() const override { return objectName(); }

    QString Text() const;
    void SetText(const QString& text);
    int Value() const override;
    void SetValue(int value) override;
    int MinValue() const { return min_; }
    int MaxValue() const { return max_; }

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

    Notice OnChange;

protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int Clamp(int value) const;
    int SettledValue() const;
    int min_;
    int max_;
};

}  // namespace rimora
