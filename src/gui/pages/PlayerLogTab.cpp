// The "Player Log" page: one player's log.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

#include "gui/Pages.h"

namespace tolvane::gui {

QWidget* BuildPlayerLogPage(Binder& b, form::PlayerLogPage& page) {
  auto* top = new QHBoxLayout;
  top->addWidget(b.Combo(page.playerSelector));
  top->addSpacing(12);
  top->addWidget(b.Check(page.showCombats));
  top->addWidget(b.Check(page.showCityEvents));
  top->addStretch(1);
  QListView* log = b.Rich(page.log);
  auto* layout = new QVBoxLayout;
  layout->setSpacing(2);
  layout->addLayout(top);
  layout->addSpacing(4);
  layout->addWidget(kit::LogHeader(log));
  layout->addWidget(log, 1);
  return kit::Page(page, layout);
}

}  // namespace tolvane::gui
