#include "gui/TwoColumnList.h"

#include <QAbstractItemModel>
#include <QResizeEvent>
#include <algorithm>

namespace tolvane::gui {

void TwoColumnList::reset() {
  QListView::reset();
  UpdateGrid();
}

void TwoColumnList::resizeEvent(QResizeEvent* event) {
  QListView::resizeEvent(event);
  UpdateGrid();
}

void TwoColumnList::UpdateGrid() {
  int widest = 0;
  if (const QAbstractItemModel* m = model())
    for (int row = 0; row < m->rowCount(); ++row)
      widest = std::max(widest, fontMetrics().horizontalAdvance(m->index(row, 0).data().toString()));
  const int margin = 2 * fontMetrics().averageCharWidth();
  setGridSize(QSize(std::max({1, viewport()->width() / 2, widest + margin}), fontMetrics().lineSpacing() + 2));
}

}  // namespace tolvane::gui
