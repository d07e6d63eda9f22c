#pragma once
#include "platform/component.h"
#include "widgets/notice.h"

#include <QCheckBox>

namespace rimora {

// Check box. OnClick runs on every change of its state, also from the program.
class TCheckBox : public QCheckBox, public Component, public ICheckControl {
    Q_OBJECT
public:
    TCheckBox(QWidget* parent, const QString& name, const QString& caption, bool checked);
    QString Name() const override { return objectName(); }
    bool Checked() const override { return isChecked(); }
    void SetChecked(bool checked) override { setChecked(checked); }

    Notice OnClick;
};

}  // namespace rimora
