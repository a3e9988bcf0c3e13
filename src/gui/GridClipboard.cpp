#include "gui/GridClipboard.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QListView>
#include <QTableView>
#include <algorithm>
#include <set>

#include "gui/LineModels.h"

namespace tolvane::gui {

void AddLinesCopyAction(QListView* view) {
  auto* copy = new QAction(view);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetShortcut);
  QObject::connect(copy, &QAction::triggered, view, [view] {
    QModelIndexList rows = view->selectionModel()->selectedIndexes();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList lines;
    for (const QModelIndex& row : rows) lines << row.data().toString();
    QApplication::clipboard()->setText(lines.join('\n'));
  });
  view->addAction(copy);
}

void AddGridCopyAction(QTableView* table, const GridModel* model) {
  auto* copy = new QAction(table);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetShortcut);
  QObject::connect(copy, &QAction::triggered, table, [table, model] {
    const QItemSelectionModel* selection = table->selectionModel();
    const QModelIndexList cells = selection->selectedIndexes();
    if (cells.isEmpty()) return;
    std::set<int> rows, cols;
    for (const QModelIndex& cell : cells) {
      rows.insert(cell.row());
      cols.insert(cell.column());
    }
    const bool wholeRows =
        std::all_of(rows.begin(), rows.end(), [selection](int row) { return selection->isRowSelected(row); });
    if (wholeRows)
      for (int col = 0; col < model->columnCount(); ++col) cols.insert(col);
    std::erase_if(cols, [table](int col) { return table->isColumnHidden(col); });
    auto field = [](const QVariant& value) {
      QString text = value.toString().trimmed();
      for (QChar& c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) c = QLatin1Char(' ');
      return text;
    };
    QStringList lines;
    if (wholeRows) {
      QStringList header{field(model->Cell(0, 0))};
      for (int col : cols) header << field(model->headerData(col, Qt::Horizontal, Qt::DisplayRole));
      lines << header.join(QLatin1Char('\t'));
    }
    for (int row : rows) {
      QStringList line;
      if (wholeRows) line << field(model->headerData(row, Qt::Vertical, Qt::DisplayRole));
      for (int col : cols) {
        const QModelIndex index = model->index(row, col);
        line << (selection->isSelected(index) ? field(index.data()) : QString());
      }
      lines << line.join(QLatin1Char('\t'));
    }
    QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
  });
  table->addAction(copy);
}

}  // namespace tolvane::gui
