#include "widgets/tcheck_box.h"

namespace rimora {

TCheckBox::TCheckBox(QWidget* parent, const QString& name, const QString& caption, bool checked)
    : QCheckBox(caption, parent)
{
    setObjectName(name);
    setChecked(checked);
    connect(this, &QCheckBox::toggled, this, [this] { Fire(OnClick); });
}

}  // namespace rimora
