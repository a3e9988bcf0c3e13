// The "Map" page's widgets: the game's settings, the map's size and land, the
// victory conditions and the game options.
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

QWidget* BuildMapPage(Binder& b, form::MapPage& page) {
  auto* grid = kit::Grid();
  struct Field {
    form::Edit* edit;
    int chars;  // 0: wide
    bool number;
  };
  // Left column, the middle "Starting", the right column.
  const Field left[] = {{&page.saveFlag, 9, true},    {&page.gameName, 0, false},  {&page.mapScript, 0, false},
                        {&page.worldSize, 10, false}, {&page.seaLevel, 10, false}, {&page.gameSpeed, 10, false},
                        {&page.mapSize, 11, true},    {&page.landTiles, 9, true},  {&page.ownedTiles, 9, true}};
  const Field right[] = {{&page.gameType, 9, true}, {&page.climate, 10, false},  {&page.startEra, 12, false},
                         {&page.calendar, 9, true}, {&page.latitudes, 11, true}, {&page.wrapX, 5, true},
                         {&page.wrapY, 5, true}};
  auto edit = [&b](const Field& f) { return f.number ? b.Number(*f.edit, f.chars) : b.Edit(*f.edit, f.chars); };
  int r = 0;
  for (const Field& f : left) {
    grid->addWidget(b.Caption(*f.edit), r, 0);
    if (f.chars == 0)
      grid->addWidget(b.Edit(*f.edit), r, 1, 1, 2);
    else
      Put(grid, edit(f), r, 1);
    ++r;
  }
  r = 0;
  for (const Field& f : right) {
    grid->addWidget(b.Caption(*f.edit), r, 3);
    Put(grid, edit(f), r++, 4);
  }
  grid->addWidget(b.Caption(page.startTurn), 4, 2, Qt::AlignHCenter | Qt::AlignBottom);
  grid->addWidget(b.Number(page.startTurn, 14), 5, 2, Qt::AlignHCenter);
  grid->setColumnStretch(2, 1);
  grid->setColumnStretch(5, 1);

  auto* lists = kit::Grid();
  lists->addWidget(b.Caption(page.victoryConditions), 0, 0, Qt::AlignTop);
  lists->addWidget(b.List(page.victoryConditions), 0, 1);
  lists->addWidget(b.Caption(page.gameOptions), 0, 2, Qt::AlignTop);
  lists->addWidget(b.List(page.gameOptions), 0, 3);
  lists->setColumnStretch(1, 2);
  lists->setColumnStretch(3, 5);

  auto* layout = new QVBoxLayout;
  layout->addLayout(grid);
  layout->addLayout(lists, 1);
  return kit::Page(page, layout);
}

}  // namespace tolvane::gui
