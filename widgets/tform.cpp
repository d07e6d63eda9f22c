#include "widgets/tform.h"

#include <utility>

namespace rimora {

TForm::TForm(const QString& name, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(name);
}

// Outer sizes: the frame the window manager adds is kept out of the client.
// Until the window manager has framed the window (after its first showing,
// often only once it is mapped) its frame is not known and counts as
// nothing, so the size is set again as soon as the frame is known;
// otherwise a stored outer size would become the inner size, the window
// would grow at every start, and one fitted to the screen would reach past
// its bottom by the title bar. A size that is never set (the design size of
// a first start) stays the inner size.
void TForm::SetWidth(int width)
{
    const int frame = frameGeometry().width() - geometry().width();
    resize(std::max(1, width - frame), height());
    pendingOuterWidth_ = FrameKnown() ? 0 : width;
}

void TForm::SetHeight(int height)
{
    const int frame = frameGeometry().height() - geometry().height();
    resize(width(), std::max(1, height - frame));
    pendingOuterHeight_ = FrameKnown() ? 0 : height;
}

bool TForm::FrameKnown() const
{
    return isVisible() && frameGeometry() != geometry();
}

void TForm::ApplyPendingOuterSize()
{
    if (!FrameKnown()) return;
    const int width = std::exchange(pendingOuterWidth_, 0);
    const int height = std::exchange(pendingOuterHeight_, 0);
    if (width == 0 && height == 0) return;
    // The minimum, too, was set while the frame counted as nothing: as it
    // stands it would hold a window stored at its minimum larger by the frame.
    if (minOuterWidth_ > 0 || minOuterHeight_ > 0) EnforceMinimumOuterSize(minOuterWidth_, minOuterHeight_);
    if (width > 0) SetWidth(width);
    if (height > 0) SetHeight(height);
}

void TForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ApplyPendingOuterSize();
}

// The window manager's frame arrives with a move of the client into it.
void TForm::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    ApplyPendingOuterSize();
}

void TForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ApplyPendingOuterSize();
}

void TForm::EnforceMinimumOuterSize(int minWidth, int minHeight)
{
    minOuterWidth_ = minWidth;
    minOuterHeight_ = minHeight;
    const int frameWidth = frameGeometry().width() - geometry().width();
    const int frameHeight = frameGeometry().height() - geometry().height();
    setMinimumSize(minWidth - frameWidth, minHeight - frameHeight);
    if (Width() < minWidth) SetWidth(minWidth);
    if (Height() < minHeight) SetHeight(minHeight);
}

}  // namespace rimora
