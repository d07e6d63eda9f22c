#include "app/input_mark.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace rimora {

namespace {

const char* const kMarkName = "inputMark";
constexpr int kFrameWidth = 2;

// Follows its input's size and lets every mouse event through to it.
class InputMark : public QWidget {
public:
    explicit InputMark(QWidget* input) : QWidget(input)
    {
        setObjectName(QString::fromLatin1(kMarkName));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(input->rect());
        input->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
        return false;
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QPen pen(QColor(0xD4, 0x00, 0x00));
        pen.setWidth(kFrameWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.drawRect(QRectF(rect()).adjusted(kFrameWidth / 2.0, kFrameWidth / 2.0, -kFrameWidth / 2.0,
                                                 -kFrameWidth / 2.0));
    }
};

QWidget* MarkOf(const QWidget* input)
{
    return input->findChild<QWidget*>(QString::fromLatin1(kMarkName), Qt::FindDirectChildrenOnly);
}

}  // namespace

void SetInputMarked(QWidget* input, bool marked)
{
    if (!input) return;
    QWidget* mark = MarkOf(input);
    if (!marked) {
        if (mark) mark->hide();
        return;
    }
    if (!mark) mark = new InputMark(input);
    // Over the input's own children, such as a spin box's edit line.
    mark->raise();
    mark->show();
}

bool InputMarked(const QWidget* input)
{
    const QWidget* mark = input ? MarkOf(input) : nullptr;
    return mark && !mark->isHidden();
}

}  // namespace rimora
