#pragma once
#include "platform/component.h"
#include "platform/notice.h"

#include <QLineEdit>

namespace rimora {

// One-line edit box. OnChange runs on every change of the text, by the user
// or by the program, and only when the text really differs.
class TEdit : public QLineEdit, public Component, public ITextControl {
    Q_OBJECT
public:
    TEdit(QWidget* parent, const QString& name);
    QString Name() const override { return objectName(); }
    QString Text() const override { return text(); }
    void SetText(const QString& text) override;

    Notice OnChange;
};

}  // namespace rimora
