#include "platform/tform.h"

#include <utility>

namespace rimora {

TForm::TForm(const QString& name, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(name);
}

// Outer sizes: the frame the window manager adds is kept out of the client.
// Before the window is shown its frame is not known and counts as nothing,
// so the size is set again when it is shown; otherwise a stored outer size
// would become the inner size and the window would grow at every start.
// A size set to what the window already has (the default of a first start)
// asks for nothing and is not set again.
void TForm::SetWidth(int width)
{
    const bool asked = width != Width();
    const int frame = frameGeometry().width() - geometry().width();
    resize(std::max(1, width - frame), height());
    if (isVisible())
        pendingOuterWidth_ = 0;
    else if (asked)
        pendingOuterWidth_ = width;
}

void TForm::SetHeight(int height)
{
    const bool asked = height != Height();
    const int frame = frameGeometry().height() - geometry().height();
    resize(width(), std::max(1, height - frame));
    if (isVisible())
        pendingOuterHeight_ = 0;
    else if (asked)
        pendingOuterHeight_ = height;
}

void TForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    const int width = std::exchange(pendingOuterWidth_, 0);
    const int height = std::exchange(pendingOuterHeight_, 0);
    if (width > 0) SetWidth(width);
    if (height > 0) SetHeight(height);
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
