// The "Saves" page: the folder and the filter over the table of its saves.
// Reading the saves and the folder's watch are the SavesController's.
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

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
  grid->addWidget(b.Table(page.table, std::move(rightAligned)), 1, 0, 1, 7);
  grid->addWidget(b.Label(page.count), 2, 0, 1, 7);
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(1, 1);
  return kit::Page(page, grid);
}

}  // namespace tolvane::gui
