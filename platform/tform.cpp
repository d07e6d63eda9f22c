#include "platform/tform.h"

namespace rimora {

TForm::TForm(const QString& name, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(name);
}

// Outer sizes: the frame the window manager adds is kept out of the client.
void TForm::SetWidth(int width)
{
    const int frame = frameGeometry().width() - geometry().width();
    resize(std::max(1, width - frame), height());
}

void TForm::SetHeight(int height)
{
    const int frame = frameGeometry().height() - geometry().height();
    resize(width(), std::max(1, height - frame));
}

void TForm::EnforceMinimumOuterSize(int minWidth, int minHeight)
{
    const int frameWidth = frameGeometry().width() - geometry().width();
    const int frameHeight = frameGeometry().height() - geometry().height();
    setMinimumSize(minWidth - frameWidth, minHeight - frameHeight);
    if (Width() < minWidth) SetWidth(minWidth);
    if (Height() < minHeight) SetHeight(minHeight);
}

}  // namespace rimora
