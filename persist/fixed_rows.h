#pragma once
// The fixed (heading) rows of every grid of a window, kept across a read so
// that a file can never replace them.
#include "platform/component.h"
#include "platform/lacing_cell.h"

#include <QString>
#include <vector>

namespace rimora {

class FixedRowsSnapshot {
public:
    explicit FixedRowsSnapshot(const IForm& form);
    // Puts the kept cells back, as far as each grid still has room for them.
    void Restore() const;

private:
    struct Cell {
        GridModel* model;
        int col;
        int row;
        LacingCell value;
    };
    std::vector<Cell> cells_;
};

}  // namespace rimora
