#pragma once

class QTableView;

namespace nimbo {

// Column widths a user can read: a grid's declared widths are a designer's guess, so every
// column is widened (never narrowed) until its heading shows whole and, once rows are in view,
// until their values do, up to a limit that keeps one long name from taking the whole window.
class GridColumnFit {
public:
    static constexpr int kMaxFitWidth = 320;
    static void fitHeadings(QTableView* grid);
    static void fitValues(QTableView* grid, int maxWidth = kMaxFitWidth);
};

} // namespace nimbo
