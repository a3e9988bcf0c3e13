// The corner of a grid, where its header row meets its header column: the
// grid's fixed cell at column 0, row 0, drawn like a header section.
#pragma once

class QAbstractButton;
class QTableView;

namespace tolvane::gui {

// The table's corner button, from now on drawn as a header section with the
// button's text; nullptr when the table has none.
QAbstractButton* CornerAsHeader(QTableView* table);

}  // namespace tolvane::gui
