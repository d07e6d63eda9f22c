#include "persist/fixed_rows.h"

#include "platform/grid_model.h"

namespace rimora {

FixedRowsSnapshot::FixedRowsSnapshot(const IForm& form)
{
    for (Component* component : form.Components()) {
        auto* grid = dynamic_cast<IGridControl*>(component);
        if (grid == nullptr) continue;
        GridModel& model = grid->Model();
        for (int r = 0; r < model.FixedRows() && r < model.RowCount(); ++r)
            for (int c = 0; c < model.ColCount(); ++c) cells_.push_back({&model, c, r, model.Cell(c, r)});
    }
}

void FixedRowsSnapshot::Restore() const
{
    for (const Cell& cell : cells_)
        if (cell.col < cell.model->ColCount() && cell.row < cell.model->RowCount())
            cell.model->SetCell(cell.col, cell.row, cell.value);
}

}  // namespace rimora
