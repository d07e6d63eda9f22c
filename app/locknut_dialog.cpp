#include "app/locknut_dialog.h"

#include "platform/guard.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace rimora {

LocknutDialog::LocknutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Flange offsets from the locknuts"));
    OldE = new QLineEdit(this);
    LeftE = new QLineEdit(this);
    RightE = new QLineEdit(this);
    auto* form = new QFormLayout();
    const std::pair<QLineEdit*, const char*> lines[] = {{OldE, QT_TR_NOOP("OLD, over-locknut width:")},
                                                        {LeftE, QT_TR_NOOP("Left locknut to flange:")},
                                                        {RightE, QT_TR_NOOP("Right locknut to flange:")}};
    for (const auto& [edit, caption] : lines) {
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        edit->setFixedWidth(64);
        auto* row = new QHBoxLayout();
        row->addWidget(edit);
        row->addWidget(new QLabel(tr("mm"), this));
        row->addStretch(1);
        form->addRow(tr(caption), row);
    }
    auto* note = new QLabel(tr("WL = OLD/2 - left distance,  WR = OLD/2 - right distance"), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &LocknutDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LocknutDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

void LocknutDialog::accept()
{
    const bool converted = RunGuarded([this] {
        result_ = FlangeOffsetsFromLocknuts(OldE->text(), LeftE->text(), RightE->text());
    });
    if (converted) QDialog::accept();
}

}  // namespace rimora
