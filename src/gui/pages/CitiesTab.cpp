// The "Cities" page's widgets: one city of one player.
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

QWidget* BuildCitiesPage(Binder& b, form::CitiesPage& page) {
  auto* left = new QVBoxLayout;
  left->addWidget(b.Caption(page.citySelector));
  left->addWidget(b.Combo(page.citySelector));
  left->addWidget(b.Caption(page.buildings));
  left->addWidget(b.Rich(page.buildings), 1);

  auto* fields = kit::Grid();
  fields->addWidget(b.Caption(page.founded), 0, 0);
  Put(fields, b.Number(page.founded, 7), 0, 1);
  fields->addWidget(b.Caption(page.population), 0, 2, Qt::AlignRight);
  Put(fields, b.Number(page.population, 4), 0, 3);
  fields->addWidget(b.Caption(page.culture), 0, 4, Qt::AlignRight);
  Put(fields, b.Number(page.culture, 15), 0, 5);
  fields->addWidget(b.Caption(page.position), 1, 0);
  Put(fields, b.Number(page.position, 9), 1, 1);
  fields->setColumnStretch(6, 1);
  auto* right = new QVBoxLayout;
  right->addLayout(fields);
  right->addWidget(b.Grid(page.production), 1);

  auto* body = new QHBoxLayout;
  body->addLayout(left, 2);
  body->addLayout(right, 3);
  auto* top = new QHBoxLayout;
  top->addWidget(b.Combo(page.playerSelector));
  top->addStretch(1);
  auto* layout = new QVBoxLayout;
  layout->addLayout(top);
  layout->addLayout(body, 1);
  return kit::Page(page, layout);
}

}  // namespace tolvane::gui
