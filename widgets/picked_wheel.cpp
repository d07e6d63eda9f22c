#include "widgets/picked_wheel.h"

#include <QEvent>
#include <QFocusEvent>
#include <QWidget>

namespace rimora {

namespace {

class PickedWheel : public QObject {
public:
    explicit PickedWheel(QWidget* control) : QObject(control) {}

    // Presses on a part of the control (a spin box's text) pick it too.
    void Watch(QObject* part) { part->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            picked_ = true;
            // The box the wheel now turns shows its focus frame, as after Tab.
            static_cast<QWidget*>(parent())->window()->setAttribute(Qt::WA_KeyboardFocusChange);
            break;
        case QEvent::FocusIn:
            if (watched == parent()) picked_ = ArrivesPicked(static_cast<QFocusEvent*>(event)->reason());
            break;
        case QEvent::Wheel:
            // Focus that has moved on takes the pick with it; the next
            // arrival decides afresh.
            if (!picked_ || !static_cast<QWidget*>(parent())->hasFocus()) {
                event->ignore();  // on to the page behind
                return true;
            }
            break;
        default: break;
        }
        return false;
    }

private:
    // A pop-up list closing or the window coming back to the front returns
    // the focus as it was; any other arrival is the user's only by a click,
    // Tab or a shortcut.
    bool ArrivesPicked(Qt::FocusReason reason) const
    {
        switch (reason) {
        case Qt::MouseFocusReason:
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason: return true;
        case Qt::PopupFocusReason:
        case Qt::ActiveWindowFocusReason: return picked_;
        default: return false;
        }
    }

    bool picked_ = false;
};

}  // namespace

void TurnOnlyWhenPicked(QWidget* control)
{
    auto* filter = new PickedWheel(control);
    filter->Watch(control);
    for (QWidget* part : control->findChildren<QWidget*>()) filter->Watch(part);
}

}  // namespace rimora
