// The "Header" page's widgets: the save's version, checksums and passwords.
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/Pages.h"

namespace tolvane::gui {

using kit::Put;

QWidget* BuildHeaderPage(Binder& b, form::HeaderPage& page) {
  auto* grid = kit::Grid();
  grid->addWidget(b.Caption(page.saveVersion), 0, 0);
  Put(grid, b.Number(page.saveVersion, 9), 0, 1);
  grid->addWidget(b.Caption(page.flags), 0, 2, Qt::AlignRight);
  Put(grid, b.Number(page.flags, 9), 0, 3);
  int r = 1;
  for (form::Edit* e :
       {&page.gameBuildVersion, &page.modPath, &page.modChecksum, &page.dllChecksum, &page.shaderChecksum,
        &page.pythonChecksum, &page.xmlChecksum, &page.gamePassword, &page.adminPassword}) {
    grid->addWidget(b.Caption(*e), r, 0);
    grid->addWidget(b.Edit(*e), r++, 1, 1, 3);
  }
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(r, 1);
  return kit::Page(page, grid);
}

}  // namespace tolvane::gui
