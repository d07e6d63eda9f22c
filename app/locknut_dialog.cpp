#include "app/locknut_dialog.h"

#include "app/fonts.h"
#include "platform/guard.h"
#include "widgets/tedit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QVBoxLayout>

namespace rimora {

LocknutDialog::LocknutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Flange offsets from the locknuts"));
    // The type of the "Data" tab whose offsets it fills, not the main
    // window's small one.
    setFont(TahomaFont(13));
    OldE = new QLineEdit(this);
    LeftE = new QLineEdit(this);
    RightE = new QLineEdit(this);
    auto* form = new QFormLayout();
    const std::pair<QLineEdit*, const char*> lines[] = {{OldE, QT_TR_NOOP("OLD, over-locknut width:")},
                                                        {LeftE, QT_TR_NOOP("Left locknut to flange:")},
                                                        {RightE, QT_TR_NOOP("Right locknut to flange:")}};
    for (const auto& [edit, caption] : lines) {
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        edit->setFont(InputFont(15));
        // An over-locknut width to the thousandth, "135.125", shown whole.
        edit->setFixedWidth(std::max(64, WidthShowing(*edit, QLocale().toString(135.125, 'f', 3))));
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
