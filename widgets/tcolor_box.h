#pragma once
#include "platform/color.h"
#include "platform/component.h"
#include "widgets/notice.h"

#include <QComboBox>

namespace rimora {

// Colour list: the standard, extended and system colours by name, each with a
// swatch, then one custom colour (when one was chosen or read) and the entry
// that opens the colour dialog. OnChange runs only for the user's selection.
// The mouse wheel turns through the colours only once the user picked the
// box, and never onto the dialog entry, so scrolling past never redraws the
// wheel fifty times or opens a dialog.
class TColorBox : public QComboBox, public Component, public IColorControl {
    Q_OBJECT
public:
    TColorBox(QWidget* parent, const QString& name, TColor defaultColor);
    QString Name() const override { return objectName(); }
    TColor Selected() const override;
    void SetSelected(TColor color) override;
    TColor DefaultColorColor() const override { return default_; }

    // What the user's choice of item `index` does: selects a colour or, for
    // the custom entry, asks the desktop's colour dialog.
    void ChooseItem(int index);

    Notice OnChange;

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    int IndexOf(TColor color) const;
    int CustomEntryIndex() const { return count() - 1; }
    void AddColorItem(int at, TColor color, const QString& name);
    void SelectQuietly(int index);

    TColor default_;
    int lastIndex_ = -1;
    int customColorIndex_ = -1;  // the item holding a custom colour, if any
    int wheelRemainder_ = 0;     // wheel turn short of a whole notch
};

}  // namespace rimora
