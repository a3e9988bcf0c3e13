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

#include "gui/Pages.h"

namespace tolvane::gui {

QWidget* BuildComparePage(Binder& b, form::ComparePage& page) {
  // The two saves, then the verdicts and the evidence on one line.
  auto* verdicts = kit::Grid();
  auto edit = [&b](form::Edit& control, int chars = 0) {
    QLineEdit* line = b.Edit(control, chars);
    line->setReadOnly(true);
    return line;
  };
  verdicts->addWidget(b.Caption(page.earlier), 0, 0);
  verdicts->addWidget(edit(page.earlier), 0, 1, 1, 3);
  verdicts->addWidget(b.Caption(page.later), 0, 4);
  verdicts->addWidget(edit(page.later), 0, 5);
  verdicts->addWidget(b.Caption(page.sameGame), 1, 0);
  verdicts->addWidget(edit(page.sameGame, 4), 1, 1);
  verdicts->addWidget(b.Caption(page.continues), 1, 2);
  verdicts->addWidget(edit(page.continues, 4), 1, 3);
  verdicts->addWidget(b.Caption(page.evidence), 1, 4);
  verdicts->addWidget(edit(page.evidence), 1, 5);
  verdicts->setColumnStretch(3, 1);
  verdicts->setColumnStretch(5, 1);

  auto* tables = new QHBoxLayout;
  tables->addWidget(b.Grid(page.settings), 1);
  tables->addWidget(b.Grid(page.span), 1);

  auto* lists = new QSplitter(Qt::Horizontal);
  for (const form::RichText* text : {&page.replayAdded, &page.logAdded}) {
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
  layout->addLayout(tables, 3);
  layout->addWidget(new QLabel(QString::fromStdString(page.players.Description())));
  layout->addWidget(b.Grid(page.players), 3);
  layout->addWidget(lists, 2);
  return kit::Page(page, layout);
}

}  // namespace tolvane::gui
