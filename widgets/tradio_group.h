#pragma once
#include "platform/component.h"
#include "widgets/notice.h"

#include <QButtonGroup>
#include <QGroupBox>

namespace rimora {

// A captioned group of radio buttons in columns. OnClick runs on every change
// of the selected item, also from the program. -1 selects nothing.
class TRadioGroup : public QGroupBox, public Component, public IRadioGroupControl {
    Q_OBJECT
public:
    TRadioGroup(QWidget* parent, const QString& name, const QString& caption, const QStringList& items,
                int columns, int itemIndex);
    QString Name() const override { return objectName(); }
    int ItemIndex() const override { return group_->checkedId(); }
    void SetItemIndex(int index) override;
    int Count() const { return static_cast<int>(group_->buttons().size()); }

    Notice OnClick;

private:
    QButtonGroup* group_;
};

}  // namespace rimora
