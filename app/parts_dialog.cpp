#include "app/parts_dialog.h"

#include "app/fonts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace rimora {

PartsDialog::PartsDialog(QWidget* parent, const std::vector<std::pair<QString, QWidget*>>& lines) : QDialog(parent)
{
    setObjectName(QStringLiteral("PartsDialog"));
    setWindowTitle(tr("Parts and remarks"));
    // The type of the "Data" tab it belongs to.
    setFont(TahomaFont(13));
    auto* form = new QFormLayout();
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (const auto& [caption, box] : lines) {
        box->setParent(this);
        box->setFont(InputFont(15));
        form->addRow(caption, box);
    }
    if (!lines.empty()) {
        // Room for a few lines of remarks; a line of a part in its box's own height.
        lines.back().second->setMinimumHeight(120);
        lines.front().second->setMinimumWidth(360);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form, 1);
    layout->addWidget(buttons);
}

}  // namespace rimora
