#include "app/hub_dialog.h"

#include "app/fonts.h"
#include "wheel/wheel.h"
#include "wheel/wheel_fields.h"
#include "wheel/wheel_records.h"
#include "widgets/tradio_group.h"

#include "wheel/wheel_choices.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace rimora {

namespace {

QString LabelOf(WheelField field)
{
    const WheelRecord& record = RecordOf(field);
    return RecordLabel(record).chopped(1) + QStringLiteral(" (") + RecordUnit(record) + QStringLiteral("):");
}

}  // namespace

HubDialog::HubDialog(QWidget* parent, const Boxes& boxes, std::function<void()> changed,
                     std::function<QString(int)> patternSpan)
    : QDialog(parent), boxes_(boxes), patternSpan_(std::move(patternSpan))
{
    setObjectName(QStringLiteral("HubDialog"));
    setWindowTitle(tr("Hub"));
    setFont(TahomaFont(13));
    form_ = new QFormLayout();
    form_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    boxes_.kind->setParent(this);
    form_->addRow(boxes_.kind);
    const auto edit = [&](QWidget* box, WheelField field) {
        box->setParent(this);
        box->setFont(InputFont(15));
        box->setFixedWidth(80);
        form_->addRow(LabelOf(field), box);
    };
    edit(boxes_.leftTangent, WheelField::LeftTangent);
    edit(boxes_.rightTangent, WheelField::RightTangent);
    edit(boxes_.leftThickness, WheelField::LeftFlangeThickness);
    edit(boxes_.rightThickness, WheelField::RightFlangeThickness);
    for (TRadioGroup* heads : {boxes_.leftHeads, boxes_.rightHeads}) {
        heads->setParent(this);
        form_->addRow(heads);
    }
    for (TRadioGroup* group : {boxes_.split, boxes_.drilling, boxes_.pattern}) {
        group->setParent(this);
        form_->addRow(group);
    }
    const auto angle = [&](QWidget* box, WheelField field) {
        box->setParent(this);
        box->setFont(InputFont(15));
        box->setFixedWidth(80);
        form_->addRow(RecordLabel(RecordOf(field)), box);
    };
    angle(boxes_.flangeOffset, WheelField::FlangeOffset);
    angle(boxes_.hubPair, WheelField::HubPairAngle);
    angle(boxes_.rimPair, WheelField::RimPairAngle);
    auto* note = new QLabel(
        tr("Straight-pull: dL and dR are the circles the heads seat on, and S what the maker gives from the seat's "
           "centre to where the spoke bears (or the slot's width). t is positive when the spoke's line passes "
           "ahead of the seat's centre in the way the spoke runs to the rim, which shortens it.\n"
           "J-bend: with a flange's thickness, a head inside the flange sends its spoke from the outer face, half "
           "the flange and half the spoke farther out; 0 leaves heads out of the lengths."),
        this);
    note->setObjectName(QStringLiteral("HubNote"));
    note->setWordWrap(true);
    note->setMinimumWidth(420);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form_);
    layout->addWidget(note, 1);
    layout->addWidget(buttons);
    boxes_.kind->OnClick = [this, changed] {
        ShowKindInputs();
        if (changed) changed();
    };
    boxes_.split->OnClick = [this, changed] {
        ShowKindInputs();
        if (changed) changed();
    };
    ShowKindInputs();
}

void HubDialog::ShowKindInputs()
{
    const bool straight = boxes_.kind->ItemIndex() == StraightPullHub;
    for (QWidget* box : {boxes_.leftTangent, boxes_.rightTangent}) form_->setRowVisible(box, straight);
    for (QWidget* box : {boxes_.leftThickness, boxes_.rightThickness, static_cast<QWidget*>(boxes_.leftHeads),
                         static_cast<QWidget*>(boxes_.rightHeads)})
        form_->setRowVisible(box, !straight);
    const bool twoToOne = boxes_.split->ItemIndex() == MoreRight || boxes_.split->ItemIndex() == MoreLeft;
    for (QWidget* box : {static_cast<QWidget*>(boxes_.drilling), static_cast<QWidget*>(boxes_.pattern),
                         boxes_.flangeOffset})
        form_->setRowVisible(box, twoToOne);
    // A pair angle left over from equal flanges stays in sight, so it can be cleared.
    for (QWidget* box : {boxes_.hubPair, boxes_.rimPair}) {
        const auto* edit = qobject_cast<QLineEdit*>(box);
        const bool set = edit && !edit->text().isEmpty() && edit->text() != QStringLiteral("0");
        form_->setRowVisible(box, !twoToOne || set);
    }
    ShowPatternSpans();
    adjustSize();
}

void HubDialog::ShowPatternSpans()
{
    const QStringList items = CrossedPatternItems();
    const QList<QAbstractButton*> buttons = boxes_.pattern->findChildren<QAbstractButton*>();
    for (int i = 0; i < std::min<int>(static_cast<int>(buttons.size()), static_cast<int>(items.size())); ++i) {
        const QString span = patternSpan_ ? patternSpan_(i) : QString();
        buttons[i]->setText(span.isEmpty() ? items[i] : items[i] + QStringLiteral(", ") + span);
    }
}

}  // namespace rimora
