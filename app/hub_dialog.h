#pragma once
// "Hub…": how the spokes leave the hub. The boxes are the window's own
// stored controls, lent to the dialog as the parts' boxes are; only the
// inputs the hub kind uses are shown: the line's offset on a straight-pull
// hub, the flanges' thickness and the heads on a J-bend one. Below them,
// where the holes lie: the split between the flanges, and for a 2:1 hub the
// rim's drilling, the offset between the flanges and the crossed side's
// pattern; for equal flanges the pair angles of hub and rim.
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
        TRadioGroup* split;
        TRadioGroup* drilling;
        TRadioGroup* pattern;
        QWidget* flangeOffset;
        QWidget* hubPair;
        QWidget* rimPair;
    };
    // `changed` runs after the kind has shown its inputs; `patternSpan` gives
    // the crossed side's span of a pattern as the builder reads it ("63.75°"),
    // empty when it has none.
    HubDialog(QWidget* parent, const Boxes& boxes, std::function<void()> changed,
              std::function<QString(int)> patternSpan = {});

    // Shows the inputs of the kind chosen; the window calls it after a profile is read.
    void ShowKindInputs();
    // Names each crossed pattern with the span it gives the wheel as it stands.
    void ShowPatternSpans();

private:
    Boxes boxes_;
    QFormLayout* form_ = nullptr;
    std::function<QString(int)> patternSpan_;
};

}  // namespace rimora
