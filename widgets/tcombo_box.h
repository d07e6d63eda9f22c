#pragma once
#include "platform/component.h"
#include "widgets/notice.h"

#include <QComboBox>

namespace rimora {

// Drop-down list that allows only its items. OnChange runs only for the
// user's own selection of another item; a selection made by the program
// reports nothing. The mouse wheel turns it only once the user picked it.
class TComboBox : public QComboBox, public Component, public IItemIndexControl {
    Q_OBJECT
public:
    TComboBox(QWidget* parent, const QString& name, const QStringList& items);
    QString Name() const override { return objectName(); }
    int ItemIndex() const override { return currentIndex(); }
    // An index outside the list selects nothing.
    void SetItemIndex(int index) override;
    QString Text() const { return currentText(); }

    Notice OnChange;

private:
    int lastIndex_ = -1;
};

}  // namespace rimora
