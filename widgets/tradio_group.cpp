#include "widgets/tradio_group.h"

#include <QGridLayout>
#include <QRadioButton>

namespace rimora {

TRadioGroup::TRadioGroup(QWidget* parent, const QString& name, const QString& caption, const QStringList& items,
                         int columns, int itemIndex)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this))
{
    setObjectName(name);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setVerticalSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group_->addButton(button, i);
        layout->addWidget(button, i / columns, i % columns);
    }
    SetItemIndex(itemIndex);
    connect(group_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) Fire(OnClick);
    });
}

void TRadioGroup::SetItemIndex(int index)
{
    if (index == ItemIndex()) return;
    if (QAbstractButton* button = group_->button(index)) {
        button->setChecked(true);
        return;
    }
    // Nothing selected: an exclusive group refuses to uncheck its last button.
    group_->setExclusive(false);
    for (QAbstractButton* button : group_->buttons()) button->setChecked(false);
    group_->setExclusive(true);
    Fire(OnClick);
}

}  // namespace rimora
