#include "widgets/tcombo_box.h"

#include "widgets/picked_wheel.h"

namespace rimora {

TComboBox::TComboBox(QWidget* parent, const QString& name, const QStringList& items) : QComboBox(parent)
{
    setObjectName(name);
    addItems(items);
    setCurrentIndex(-1);
    TurnOnlyWhenPicked(this);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index == lastIndex_) return;
        lastIndex_ = index;
        Fire(OnChange);
    });
}

void TComboBox::SetItemIndex(int index)
{
    if (index < 0 || index >= count()) index = -1;
    lastIndex_ = index;
    setCurrentIndex(index);
}

}  // namespace rimora
