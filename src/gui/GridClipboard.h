// Ctrl+C on the lists and grids: what is selected goes to the clipboard as
// text that editors and spreadsheets paste as lines and cells.
#pragma once

class QListView;
class QTableView;

namespace tolvane::gui {

class GridModel;

// Ctrl+C on a list copies its selected lines.
void AddLinesCopyAction(QListView* view);

// Ctrl+C on a grid copies its selection as lines of tab-separated cells,
// which spreadsheets paste as cells: the rows and columns that hold a
// selected cell, each cell's text without its padding (a cell not selected
// stays empty). Whole rows selected bring the header row and each row's
// first, fixed cell with them. A column the grid does not show is not
// copied.
void AddGridCopyAction(QTableView* table, const GridModel* model);

}  // namespace tolvane::gui
