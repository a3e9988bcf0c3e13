// The "Teams" page's widgets: the grid of the slots grouped by team.
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/Pages.h"

namespace tolvane::gui {

QWidget* BuildTeamsPage(Binder& b, form::TeamsPage& page) {
  auto* layout = new QVBoxLayout;
  layout->addWidget(b.Grid(page.teams));
  return kit::Page(page, layout);
}

}  // namespace tolvane::gui
