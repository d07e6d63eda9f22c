#pragma once
// Small stand-ins for a window and its controls, with the value behaviour the
// real controls have (a list index outside the list selects nothing, a spin
// value is pulled into its range unless min equals max), so that stores and
// flows can be tested without widgets.
#include "platform/component.h"
#include "platform/grid_model.h"

#include <QSize>
#include <QStringList>
#include <algorithm>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

namespace rimora::test {

class FakeNamed : public Component {
public:
    explicit FakeNamed(QString name) : name_(std::move(name)) {}
    QString Name() const override { return name_; }

private:
    QString name_;
};

class FakeEdit : public FakeNamed, public ITextControl {
public:
    FakeEdit(QString name, QString text = {}) : FakeNamed(std::move(name)), text(std::move(text)) {}
    QString Text() const override { return text; }
    void SetText(const QString& value) override { text = value; }
    QString text;
};

class FakeComboBox : public FakeNamed, public IItemIndexControl {
public:
    FakeComboBox(QString name, int count, int index = -1) : FakeNamed(std::move(name)), count(count), index(index) {}
    int ItemIndex() const override { return index; }
    void SetItemIndex(int value) override { index = value >= 0 && value < count ? value : -1; }
    int count;
    int index;
};

class FakeRadioGroup : public FakeNamed, public IRadioGroupControl {
public:
    FakeRadioGroup(QString name, int count, int index = -1) : FakeNamed(std::move(name)), count(count), index(index) {}
    int ItemIndex() const override { return index; }
    void SetItemIndex(int value) override { index = value >= 0 && value < count ? value : -1; }
    int count;
    int index;
};

class FakeSpinEdit : public FakeNamed, public ISpinControl {
public:
    FakeSpinEdit(QString name, int min, int max, int value) : FakeNamed(std::move(name)), min(min), max(max), value(value) {}
    int Value() const override { return value; }
    void SetValue(int v) override { value = min == max ? v : std::clamp(v, min, max); }
    int min;
    int max;
    int value;
};

class FakeCheckBox : public FakeNamed, public ICheckControl {
public:
    FakeCheckBox(QString name, bool checked = false) : FakeNamed(std::move(name)), checked(checked) {}
    bool Checked() const override { return checked; }
    void SetChecked(bool value) override { checked = value; }
    bool checked;
};

class FakeColorBox : public FakeNamed, public IColorControl {
public:
    FakeColorBox(QString name, TColor defaultColor, TColor selected)
        : FakeNamed(std::move(name)), defaultColor(defaultColor), selected(selected) {}
    TColor Selected() const override { return selected; }
    void SetSelected(TColor value) override { selected = value; }
    TColor DefaultColorColor() const override { return defaultColor; }
    TColor defaultColor;
    TColor selected;
};

// A panel: it holds controls, never a value of its own.
class FakePanel : public FakeNamed {
public:
    using FakeNamed::FakeNamed;
};

class FakeStringGrid : public FakeNamed, public IGridControl {
public:
    FakeStringGrid(QString name, int cols, int rows) : FakeNamed(std::move(name)), model(cols, rows) {}
    GridModel& Model() override { return model; }
    // Fills rows from comma-separated texts, row 0 first.
    void SetRows(const QStringList& rows)
    {
        for (int r = 0; r < rows.size(); ++r) model.SetRowFromCommaText(r, rows[r]);
    }
    QStringList Row(int r) const
    {
        QStringList cells;
        for (int c = 0; c < model.ColCount(); ++c) cells << model.Cells(c, r);
        return cells;
    }
    GridModel model;
};

// A plain component that holds no value (a button, a paint box).
class FakeButton : public FakeNamed {
public:
    using FakeNamed::FakeNamed;
};

// A caption: shown, never stored.
class FakeLabel : public FakeNamed {
public:
    using FakeNamed::FakeNamed;
};

// A window: its name, its components in creation order, its placement.
class FakeForm : public IForm {
public:
    explicit FakeForm(QString name, int width = 400, int height = 300)
        : name_(std::move(name)), width_(width), height_(height) {}

    template <class T, class... Args>
    T& Add(Args&&... args)
    {
        auto control = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *control;
        owned_.push_back(std::move(control));
        return ref;
    }

    // The component of that name as the kind asked for; a test that asks
    // wrongly fails at once.
    template <class T>
    T& Get(const QString& name) const
    {
        for (const auto& c : owned_)
            if (c->Name() == name)
                if (auto* t = dynamic_cast<T*>(c.get())) return *t;
        throw std::logic_error("no such control: " + name.toStdString());
    }

    // Every stored value of every control, grid rows included, as text: two
    // windows hold the same values exactly when these are equal.
    QStringList Values() const
    {
        QStringList out;
        for (const auto& c : owned_) {
            const QString n = c->Name() + QLatin1Char('=');
            if (auto* e = dynamic_cast<FakeEdit*>(c.get())) out << n + e->text;
            if (auto* l = dynamic_cast<FakeComboBox*>(c.get())) out << n + QString::number(l->index);
            if (auto* r = dynamic_cast<FakeRadioGroup*>(c.get())) out << n + QString::number(r->index);
            if (auto* s = dynamic_cast<FakeSpinEdit*>(c.get())) out << n + QString::number(s->value);
            if (auto* b = dynamic_cast<FakeCheckBox*>(c.get())) out << n + QString::number(b->checked);
            if (auto* k = dynamic_cast<FakeColorBox*>(c.get())) out << n + QString::number(k->selected);
            if (auto* g = dynamic_cast<FakeStringGrid*>(c.get()))
                for (int row = 0; row < g->model.RowCount(); ++row) out << n + g->Row(row).join(QLatin1Char('|'));
        }
        return out;
    }

    QString Name() const override { return name_; }
    std::vector<Component*> Components() const override
    {
        std::vector<Component*> out;
        for (const auto& c : owned_) out.push_back(c.get());
        return out;
    }
    int Left() const override { return left_; }
    int Top() const override { return top_; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetLeft(int v) override { left_ = v; }
    void SetTop(int v) override { top_ = v; }
    void SetWidth(int v) override { width_ = v; }
    void SetHeight(int v) override { height_ = v; }
    int MinimumOuterWidth() const override { return minimum.width(); }
    int MinimumOuterHeight() const override { return minimum.height(); }
    QSize minimum;

private:
    QString name_;
    std::vector<std::unique_ptr<Component>> owned_;
    int left_ = 0;
    int top_ = 0;
    int width_;
    int height_;
};

}  // namespace rimora::test
