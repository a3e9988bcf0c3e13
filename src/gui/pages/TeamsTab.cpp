// The "Teams" page: the grid of the teams.
#include <QVBoxLayout>

#include "gui/Pages.h"

namespace tolvane::gui {

QWidget* BuildTeamsPage(Binder& b, form::TeamsPage& page) {
  auto* layout = new QVBoxLayout;
  layout->addWidget(b.Grid(page.teams));
  return kit::Page(page, layout);
}

}  // namespace tolvane::gui
