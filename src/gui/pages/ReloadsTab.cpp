// The "Reloads" page: the sessions of the game.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/Pages.h"

namespace tolvane::gui {

using kit::Put;

QWidget* BuildReloadsPage(Binder& b, form::ReloadsPage& page) {
  auto* grid = kit::Grid();
  grid->setVerticalSpacing(8);
  struct Row {
    form::Edit* edit;
    Tint tint;
  };
  // PreSessions is the user's count of the sessions before play began.
  const Row rows[] = {{&page.sessions, Tint::Plain},
                      {&page.preSessions, Tint::Input},
                      {&page.playSessions, Tint::Plain},
                      {&page.averageSessionTime, Tint::Plain}};
  int r = 0;
  for (const Row& row : rows) {
    grid->addWidget(kit::Wrapped(b.Caption(*row.edit, row.tint), 130), r, 0);
    kit::Put(grid, b.Number(*row.edit, 10, row.tint), r++, 1);
  }
  grid->setRowStretch(r, 1);
  // The list of sessions (number and year) under its caption, and beside it
  // the same sessions with the turn each began.
  auto* list = new QVBoxLayout;
  list->setSpacing(2);
  list->addWidget(Binder::Text(QStringLiteral("Sessions: number and year each began")));
  list->addWidget(b.List(page.sessionList), 1);
  auto* turns = new QVBoxLayout;
  turns->setSpacing(2);
  turns->addWidget(Binder::Text(QString::fromStdString(page.sessionTurns.Description())));
  turns->addWidget(b.Grid(page.sessionTurns), 1);
  auto* layout = new QHBoxLayout;
  layout->addLayout(grid);
  layout->addSpacing(12);
  layout->addLayout(list, 3);
  layout->addSpacing(8);
  layout->addLayout(turns, 2);
  return kit::Page(page, layout);
}

}  // namespace tolvane::gui
