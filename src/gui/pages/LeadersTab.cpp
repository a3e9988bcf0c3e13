// The "Leaders" page's widgets: the grid of the slots.
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/Pages.h"

namespace tolvane::gui {

QWidget* BuildLeadersPage(Binder& b, form::LeadersPage& page) {
  auto* layout = new QVBoxLayout;
  layout->addWidget(b.Grid(page.leaders));
  return kit::Page(page, layout);
}

}  // namespace tolvane::gui
