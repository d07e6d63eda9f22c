#pragma once
// The "Lace" tab: the lacing steps of the wheel on screen, one at a time,
// with Back and Next (Alt+B / Alt+N, PgUp / PgDn while the tab is shown).
// While it is shown the drawing shows the step: its spokes in their side's
// colour, those laced before faint, the rest left out.
#include "drawing/wheel_drawing.h"
#include "lacing/lacing_steps.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <functional>

namespace rimora {

class LaceStepsPage : public QWidget {
    Q_OBJECT
public:
    explicit LaceStepsPage(QWidget* parent);

    // The steps of the wheel as it now stands; the step shown stays where it
    // was while the wheel still has it.
    void SetSteps(LacingSteps steps);
    int CurrentStep() const { return current_; }
    void ShowStep(int index);
    // What the drawing shows of the current step.
    SpokeShading Shading() const;
    // Whether the step shown is seen from the left.
    bool SeenFromLeft() const;

    // After the step shown has changed.
    std::function<void()> OnStepChanged;

    QPushButton* backButton = nullptr;
    QPushButton* nextButton = nullptr;
    // The build sheet with a page per step, to take to the truing stand.
    QPushButton* printButton = nullptr;

private:
    void Show();

    LacingSteps steps_;
    int current_ = 0;
    QLabel* stepLabel_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QLabel* textLabel_ = nullptr;
    QLabel* spokesLabel_ = nullptr;
    QLabel* noteLabel_ = nullptr;
};

}  // namespace rimora
