#pragma once
// "Hub…": how the spokes leave the hub. The boxes are the window's own
// stored controls, lent to the dialog as the parts' boxes are; only the
// inputs the hub kind uses are shown: the line's offset on a straight-pull
// hub, the flanges' thickness and the heads on a J-bend one.
#include <QDialog>

#include <functional>

class QFormLayout;

namespace rimora {

class TRadioGroup;

class HubDialog : public QDialog {
    Q_OBJECT
public:
    struct Boxes {
        TRadioGroup* kind;
        QWidget* leftTangent;
        QWidget* rightTangent;
        QWidget* leftThickness;
        QWidget* rightThickness;
        TRadioGroup* leftHeads;
        TRadioGroup* rightHeads;
    };
    // `changed` runs after the kind has shown its inputs.
    HubDialog(QWidget* parent, const Boxes& boxes, std::function<void()> changed);

    // Shows the inputs of the kind chosen; the window calls it after a profile is read.
    void ShowKindInputs();

private:
    Boxes boxes_;
    QFormLayout* form_ = nullptr;
};

}  // namespace rimora
