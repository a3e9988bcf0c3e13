// The "Saves" page: the folder and the filter over the table of its saves.
// Reading the saves and the folder's watch are the SavesController's.
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <algorithm>
#include <filesystem>
#include <memory>

#include "gui/Pages.h"

namespace tolvane::gui {

QWidget* BuildSavesPage(Binder& b, form::SavesPage& page) {
  auto* grid = kit::Grid();
  QPushButton* open = b.Button(page.openFolder);
  grid->addWidget(open, 0, 0);
  grid->addWidget(b.Caption(page.folder), 0, 1);
  QLineEdit* folder = b.Edit(page.folder);
  folder->setReadOnly(true);
  grid->addWidget(folder, 0, 2);
  grid->addWidget(b.Caption(page.filter), 0, 3);
  QLineEdit* filter = b.Edit(page.filter, 16);
  filter->setClearButtonEnabled(true);
  filter->setPlaceholderText(QStringLiteral("words in any column"));
  grid->addWidget(filter, 0, 4);
  grid->addWidget(b.Button(page.compare), 0, 5);
  grid->addWidget(b.Button(page.saveTable), 0, 6);
  std::vector<bool> rightAligned;
  for (const form::SaveColumn& column : form::kSaveColumns)
    rightAligned.push_back(column.sort == form::SortKind::Number || column.sort == form::SortKind::Turn ||
                           column.sort == form::SortKind::Duration);
  QTableView* table = b.Table(page.table, std::move(rightAligned));
  grid->addWidget(table, 1, 0, 1, 7);
  // Double-click or Enter loads the row's save.
  QObject::connect(table, &QTableView::activated, table,
                   [&b, &page](const QModelIndex& index) { b.Run([&page, row = index.row()] { page.OpenRow(row); }); });
  // The current row stays with its save while the rows come and move; only
  // the current row moves, the selection is the page's.
  auto current = std::make_shared<std::filesystem::path>();
  QObject::connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, table,
                   [&page, current](const QModelIndex& index) {
                     if (index.isValid()) *current = page.PathOfRow(index.row()).value_or(std::filesystem::path());
                   });
  auto keepCurrent = [table, &page, current] {
    if (current->empty()) return;
    const QModelIndex now = table->currentIndex();
    for (int row = 0; row < table->model()->rowCount(); ++row)
      if (page.PathOfRow(row) == *current) {
        if (now.row() != row)
          table->selectionModel()->setCurrentIndex(table->model()->index(row, std::max(0, now.column())),
                                                   QItemSelectionModel::NoUpdate);
        return;
      }
  };
  QObject::connect(table->model(), &QAbstractItemModel::dataChanged, table, keepCurrent);
  QObject::connect(table->model(), &QAbstractItemModel::modelReset, table, keepCurrent);
  grid->addWidget(b.Label(page.count), 2, 0, 1, 7);
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(1, 1);
  return kit::Page(page, grid);
}

}  // namespace tolvane::gui
