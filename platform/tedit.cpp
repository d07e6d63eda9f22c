#include "platform/tedit.h"

namespace rimora {

TEdit::TEdit(QWidget* parent, const QString& name) : QLineEdit(parent)
{
    setObjectName(name);
    connect(this, &QLineEdit::textChanged, this, [this] { Fire(OnChange); });
}

void TEdit::SetText(const QString& value)
{
    if (value == text()) return;
    setText(value);
}

}  // namespace rimora
