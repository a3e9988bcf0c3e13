// The "Compare" page: the verdicts on top, the settings and the span between
// the two saves, the players' changes, and the lines added to the replay and
// the players' logs.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "app/Pages.h"

namespace tolvane::app {

QWidget* BuildComparePage(Binder& b, ui::ComparePage& page) {
  auto* verdicts = kit::Grid();
  int row = 0;
  for (ui::Edit* edit : {&page.earlier, &page.later, &page.sameGame, &page.continues, &page.evidence}) {
    verdicts->addWidget(b.Caption(*edit), row, 0);
    QLineEdit* line = b.Edit(*edit);
    line->setReadOnly(true);
    verdicts->addWidget(line, row++, 1);
  }
  verdicts->setColumnStretch(1, 1);

  auto* tables = new QHBoxLayout;
  tables->addWidget(b.Grid(page.settings), 3);
  tables->addWidget(b.Grid(page.span), 2);

  auto* lists = new QSplitter(Qt::Horizontal);
  for (const ui::RichText* text : {&page.replayAdded, &page.logAdded}) {
    auto* box = new QWidget;
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(new QLabel(QString::fromStdString(text->Description())));
    column->addWidget(b.Rich(*text), 1);
    lists->addWidget(box);
  }

  auto* layout = new QVBoxLayout;
  layout->addLayout(verdicts);
  layout->addLayout(tables, 2);
  layout->addWidget(new QLabel(QString::fromStdString(page.players.Description())));
  layout->addWidget(b.Grid(page.players), 2);
  layout->addWidget(lists, 3);
  return kit::Page(page, layout);
}

}  // namespace tolvane::app
