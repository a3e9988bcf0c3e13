// The "Player" page's widgets: one player's gold, research, technologies,
// great people, vassals, rank and best cities.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/Pages.h"

namespace tolvane::gui {

using kit::Put;

QWidget* BuildPlayerPage(Binder& b, form::PlayerPage& page) {
  auto* grid = kit::Grid();
  // Left block.
  grid->addWidget(b.Caption(page.gold), 0, 0);
  Put(grid, b.Number(page.gold, 8), 0, 1);
  grid->addWidget(b.Caption(page.researching), 1, 0);
  grid->addWidget(b.Edit(page.researching, 20), 1, 1, 1, 3, Qt::AlignLeft);
  auto* beakers = new QHBoxLayout;
  beakers->addWidget(b.Number(page.researchBeakers, 13));
  beakers->addSpacing(4);
  beakers->addWidget(Binder::Text(QStringLiteral("beakers")));
  beakers->addStretch(1);
  grid->addLayout(beakers, 2, 1, 1, 3);
  grid->addWidget(b.Caption(page.bestCityCultures[0]), 3, 0);
  auto* culture = new QHBoxLayout;
  for (form::Edit& e : page.bestCityCultures) culture->addWidget(b.Number(e, 10));
  culture->addStretch(1);
  grid->addLayout(culture, 3, 1, 1, 3);
  // Middle.
  grid->addWidget(b.Caption(page.generalPoints), 0, 2, Qt::AlignRight);
  Put(grid, b.Number(page.generalPoints, 9), 0, 3);
  // Right block, two columns of label-edit pairs.
  form::Edit* right[2][3] = {{&page.greatPeople, &page.vassals, &page.rankAmongMet},
                             {&page.technologies, &page.units, &page.cities}};
  for (int c = 0; c < 2; ++c)
    for (int r = 0; r < 3; ++r) {
      grid->addWidget(b.Caption(*right[c][r]), r, 5 + 2 * c, Qt::AlignRight);
      Put(grid, b.Number(*right[c][r], 7), r, 6 + 2 * c);
    }
  // A gap before the right block and the room to spare after it, so that the
  // two blocks stay together in a wide window.
  grid->setColumnMinimumWidth(4, Binder::Scaled(24));
  grid->setColumnStretch(9, 1);

  auto* layout = new QVBoxLayout;
  auto* top = new QHBoxLayout;
  top->addWidget(b.Combo(page.playerSelector));
  top->addStretch(1);
  layout->addLayout(top);
  layout->addLayout(grid);
  layout->addWidget(b.Grid(page.technologyGrid), 1);
  return kit::Page(page, layout);
}

}  // namespace tolvane::gui
