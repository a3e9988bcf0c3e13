// The "Leaders" page: the grid of the players.
#include <QVBoxLayout>

#include "gui/Pages.h"

namespace tolvane::gui {

QWidget* BuildLeadersPage(Binder& b, form::LeadersPage& page) {
  auto* layout = new QVBoxLayout;
  layout->addWidget(b.Grid(page.leaders));
  return kit::Page(page, layout);
}

}  // namespace tolvane::gui
