#pragma once
#include "platform/component.h"

#include <QWidget>
#include <vector>

namespace rimora {

// A top-level window that knows its components by name in creation order
// (the order of the records in settings and profile files) and gives its
// outer placement in screen pixels.
class TForm : public QWidget, public IForm {
    Q_OBJECT
public:
    TForm(const QString& name, QWidget* parent = nullptr);

    QString Name() const override { return objectName(); }
    std::vector<Component*> Components() const override { return components_; }

    // Creates a control as a child of `parent` and registers it.
    template <class T, class... Args>
    T* Create(QWidget* parent, Args&&... args)
    {
        T* control = new T(parent, std::forward<Args>(args)...);
        components_.push_back(control);
        return control;
    }

    int Left() const override { return frameGeometry().x(); }
    int Top() const override { return frameGeometry().y(); }
    int Width() const override { return frameGeometry().width(); }
    int Height() const override { return frameGeometry().height(); }
    void SetLeft(int left) override { move(left, Top()); }
    void SetTop(int top) override { move(Left(), top); }
    void SetWidth(int width) override;
    void SetHeight(int height) override;

    // Keeps the outer size at least width x height: the frame can no longer be
    // dragged smaller, and a size set smaller is set back.
    void EnforceMinimumOuterSize(int width, int height);
    int MinimumOuterWidth() const override { return minOuterWidth_; }
    int MinimumOuterHeight() const override { return minOuterHeight_; }

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Whether the window manager has framed the window yet.
    bool FrameKnown() const;
    void ApplyPendingOuterSize();

    std::vector<Component*> components_;
    // Outer sizes set while the window manager had not framed the window
    // yet; set again once the frame is known.
    int pendingOuterWidth_ = 0;
    int pendingOuterHeight_ = 0;
    int minOuterWidth_ = 0;
    int minOuterHeight_ = 0;
};

}  // namespace rimora
