#pragma once
#include "platform/component.h"
#include "widgets/notice.h"

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

// The width at which `edit`, in its font and style, shows `longest` whole:
// narrower, a right-aligned number loses its first digits and reads as
// another number ("1.125" for "41.125").
int WidthShowing(const QLineEdit& edit, const QString& longest);

}  // namespace rimora
