#pragma once
// A small window of the program's own controls, for the stores and flows: a
// TForm of a given inner size (400 x 300 unless told) that is never shown,
// each control made with the value the test starts from, in creation order.
#include "widgets/simple_controls.h"
#include "widgets/tcheck_box.h"
#include "widgets/tcolor_box.h"
#include "widgets/tcombo_box.h"
#include "widgets/tedit.h"
#include "widgets/tform.h"
#include "widgets/tradio_group.h"
#include "widgets/tspin_edit.h"
#include "widgets/tstring_grid.h"

#include <QStringList>
#include <stdexcept>

namespace rimora::test {

// Items "0", "1", ... as many as asked: the stores know a list by its index.
inline QStringList NumberedItems(int count)
{
    QStringList items;
    for (int i = 0; i < count; ++i) items << QString::number(i);
    return items;
}

// Fills rows from comma-separated texts, row 0 first.
inline void SetGridRows(TStringGrid& grid, const QStringList& rows)
{
    for (int r = 0; r < rows.size(); ++r) grid.Model().SetRowFromCommaText(r, rows[r]);
}

inline QStringList GridRow(const TStringGrid& grid, int row)
{
    QStringList cells;
    for (int c = 0; c < grid.ColCount(); ++c) cells << grid.Cells(c, row);
    return cells;
}

class SmallForm : public TForm {
public:
    explicit SmallForm(const QString& name, int width = 400, int height = 300) : TForm(name) { resize(width, height); }

    TEdit& Edit(const QString& name, const QString& text = {})
    {
        TEdit* edit = Create<TEdit>(this, name);
        edit->SetText(text);
        return *edit;
    }
    TComboBox& ComboBox(const QString& name, int count, int index = -1)
    {
        TComboBox* list = Create<TComboBox>(this, name, NumberedItems(count));
        list->SetItemIndex(index);
        return *list;
    }
    TRadioGroup& RadioGroup(const QString& name, int count, int index = -1)
    {
        return *Create<TRadioGroup>(this, name, name, NumberedItems(count), 1, index);
    }
    TSpinEdit& SpinEdit(const QString& name, int min, int max, int value)
    {
        return *Create<TSpinEdit>(this, name, min, max, value);
    }
    TCheckBox& CheckBox(const QString& name, bool checked = false)
    {
        return *Create<TCheckBox>(this, name, name, checked);
    }
    TColorBox& ColorBox(const QString& name, TColor defaultColor, TColor selected)
    {
        TColorBox* box = Create<TColorBox>(this, name, defaultColor);
        box->SetSelected(selected);
        return *box;
    }
    // One heading row, as the lacing table has.
    TStringGrid& StringGrid(const QString& name, int cols, int rows)
    {
        return *Create<TStringGrid>(this, name, cols, rows, 0, 1);
    }
    TPanel& Panel(const QString& name) { return *Create<TPanel>(this, name); }
    TButton& Button(const QString& name) { return *Create<TButton>(this, name, name); }
    TLabel& Label(const QString& name) { return *Create<TLabel>(this, name, name); }

    // The control of that name as the kind asked for; a test that asks
    // wrongly fails at once.
    template <class T>
    T& Get(const QString& name) const
    {
        for (Component* c : Components())
            if (c->Name() == name)
                if (auto* t = dynamic_cast<T*>(c)) return *t;
        throw std::logic_error("no such control: " + name.toStdString());
    }

    // Every stored value of every control, grid rows included, as text: two
    // windows hold the same values exactly when these are equal.
    QStringList Values() const
    {
        QStringList out;
        for (Component* c : Components()) {
            const QString n = c->Name() + QLatin1Char('=');
            if (auto* e = dynamic_cast<ITextControl*>(c)) out << n + e->Text();
            if (auto* l = dynamic_cast<IItemIndexControl*>(c)) out << n + QString::number(l->ItemIndex());
            if (auto* r = dynamic_cast<IRadioGroupControl*>(c)) out << n + QString::number(r->ItemIndex());
            if (auto* s = dynamic_cast<ISpinControl*>(c)) out << n + QString::number(s->Value());
            if (auto* b = dynamic_cast<ICheckControl*>(c)) out << n + QString::number(b->Checked());
            if (auto* k = dynamic_cast<IColorControl*>(c)) out << n + QString::number(k->Selected());
            if (auto* g = dynamic_cast<TStringGrid*>(c))
                for (int row = 0; row < g->RowCount(); ++row) out << n + GridRow(*g, row).join(QLatin1Char('|'));
        }
        return out;
    }
};

}  // namespace rimora::test
