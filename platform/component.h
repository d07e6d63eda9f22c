#pragma once
// What the form-state store and the subsystems may know of a window and its
// controls, without any widget header. The controls in widgets/ implement
// these.
#include "platform/color.h"

#include <QString>
#include <vector>

namespace rimora {

class GridModel;

// A named part of a window. Windows keep their components in creation order,
// which is the order of the records in settings and profile files.
class Component {
public:
    virtual ~Component() = default;
    virtual QString Name() const = 0;
};

class ITextControl {  // an edit box
public:
    virtual ~ITextControl() = default;
    virtual QString Text() const = 0;
    virtual void SetText(const QString& text) = 0;
};

class IItemIndexControl {  // a drop-down list
public:
    virtual ~IItemIndexControl() = default;
    virtual int ItemIndex() const = 0;
    virtual void SetItemIndex(int index) = 0;
};

class IRadioGroupControl {
public:
    virtual ~IRadioGroupControl() = default;
    virtual int ItemIndex() const = 0;
    virtual void SetItemIndex(int index) = 0;
};

class ISpinControl {
public:
    virtual ~ISpinControl() = default;
    virtual int Value() const = 0;
    virtual void SetValue(int value) = 0;
};

class ICheckControl {
public:
    virtual ~ICheckControl() = default;
    virtual bool Checked() const = 0;
    virtual void SetChecked(bool checked) = 0;
};

class IColorControl {
public:
    virtual ~IColorControl() = default;
    virtual TColor Selected() const = 0;
    virtual void SetSelected(TColor color) = 0;
    virtual TColor DefaultColorColor() const = 0;
};

class IGridControl {
public:
    virtual ~IGridControl() = default;
    virtual GridModel& Model() = 0;
};

// A top-level window as the store sees it: its component name, its components
// in creation order, and its outer placement in screen pixels.
class IForm {
public:
    virtual ~IForm() = default;
    virtual QString Name() const = 0;
    virtual std::vector<Component*> Components() const = 0;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetLeft(int left) = 0;
    virtual void SetTop(int top) = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
    // The outer size the window will not be made smaller than; 0 for none.
    virtual int MinimumOuterWidth() const { return 0; }
    virtual int MinimumOuterHeight() const { return 0; }
};

}  // namespace rimora
