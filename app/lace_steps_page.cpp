#include "app/lace_steps_page.h"

#include "sheet/step_pages.h"

#include <QHBoxLayout>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

namespace rimora {

namespace {

QLabel* WrappingLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

LaceStepsPage::LaceStepsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LacePage"));
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    page->setSpacing(6);

    auto* buttons = new QHBoxLayout;
    backButton = new QPushButton(tr("< &Back"), this);
    backButton->setObjectName(QStringLiteral("LaceBackBtn"));
    backButton->setToolTip(tr("The step before (Alt+B, PgUp)"));
    nextButton = new QPushButton(tr("&Next >"), this);
    nextButton->setObjectName(QStringLiteral("LaceNextBtn"));
    nextButton->setToolTip(tr("The next step (Alt+N, PgDn)"));
    stepLabel_ = new QLabel(this);
    stepLabel_->setObjectName(QStringLiteral("LaceStepL"));
    stepLabel_->setAlignment(Qt::AlignCenter);
    buttons->addWidget(backButton);
    buttons->addWidget(stepLabel_, 1);
    buttons->addWidget(nextButton);
    page->addLayout(buttons);

    // The text of a step can be long on a short window: it scrolls.
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* body = new QWidget(scroll);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    titleLabel_ = WrappingLabel(body, QStringLiteral("LaceTitleL"));
    QFont bold = titleLabel_->font();
    bold.setBold(true);
    // The application font may be set in pixels, with no point size.
    if (bold.pointSizeF() > 0) bold.setPointSizeF(bold.pointSizeF() * 1.15);
    else if (bold.pixelSize() > 0) bold.setPixelSize(static_cast<int>(bold.pixelSize() * 1.15 + 0.5));
    titleLabel_->setFont(bold);
    countLabel_ = WrappingLabel(body, QStringLiteral("LaceCountL"));
    textLabel_ = WrappingLabel(body, QStringLiteral("LaceTextL"));
    spokesLabel_ = WrappingLabel(body, QStringLiteral("LaceSpokesL"));
    noteLabel_ = WrappingLabel(body, QStringLiteral("LaceNoteL"));
    noteLabel_->setStyleSheet(QStringLiteral("color: #a00000"));
    for (QLabel* label : {titleLabel_, countLabel_, textLabel_, spokesLabel_, noteLabel_}) column->addWidget(label);
    column->addStretch(1);
    scroll->setWidget(body);
    page->addWidget(scroll, 1);
    printButton = new QPushButton(tr("&Print the steps..."), this);
    printButton->setObjectName(QStringLiteral("LacePrintBtn"));
    printButton->setToolTip(tr("The build sheet with a page for each step"));
    page->addWidget(printButton, 0, Qt::AlignLeft);

    connect(backButton, &QPushButton::clicked, this, [this] { ShowStep(current_ - 1); });
    connect(nextButton, &QPushButton::clicked, this, [this] { ShowStep(current_ + 1); });
    // Only while the tab is shown: a shortcut of a hidden widget does not fire.
    auto* down = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
    auto* up = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
    connect(down, &QShortcut::activated, this, [this] { ShowStep(current_ + 1); });
    connect(up, &QShortcut::activated, this, [this] { ShowStep(current_ - 1); });
    Show();
}

void LaceStepsPage::SetSteps(LacingSteps steps)
{
    steps_ = std::move(steps);
    current_ = std::clamp(current_, 0, std::max(0, static_cast<int>(steps_.steps.size()) - 1));
    Show();
}

void LaceStepsPage::ShowStep(int index)
{
    const int last = std::max(0, static_cast<int>(steps_.steps.size()) - 1);
    const int next = std::clamp(index, 0, last);
    if (next == current_) return;
    current_ = next;
    Show();
    if (OnStepChanged) OnStepChanged();
}

SpokeShading LaceStepsPage::Shading() const
{
    return ShadingOfStep(steps_, current_);
}

bool LaceStepsPage::SeenFromLeft() const
{
    return current_ < static_cast<int>(steps_.steps.size()) && steps_.steps[static_cast<std::size_t>(current_)].seenFromLeft;
}

void LaceStepsPage::Show()
{
    const int count = static_cast<int>(steps_.steps.size());
    backButton->setEnabled(current_ > 0);
    nextButton->setEnabled(current_ + 1 < count);
    stepLabel_->setText(count > 0 ? tr("Step %1 of %2").arg(current_ + 1).arg(count) : QString());
    if (count == 0) {
        for (QLabel* label : {titleLabel_, countLabel_, textLabel_, spokesLabel_}) label->clear();
    } else {
        const LacingStep& step = steps_.steps[static_cast<std::size_t>(current_)];
        titleLabel_->setText(step.title);
        countLabel_->setText(StepCountLine(step));
        textLabel_->setText(step.text);
        spokesLabel_->setText(StepSpokeList(step));
    }
    noteLabel_->setText(steps_.note);
    noteLabel_->setVisible(!steps_.note.isEmpty());
}

}  // namespace rimora
