// The pages of the game's course: "Replay", "Graph", "Player Log", "Reloads".
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

#include "app/HistoryChartView.h"
#include "app/Pages.h"

namespace tolvane::app {

QWidget* ReplayPage(Binder& b) {
  QListView* replay = b.Rich("ReplayList");
  auto* page = new QVBoxLayout;
  page->setSpacing(2);
  page->addWidget(kit::LogHeader(replay));
  page->addWidget(replay, 1);
  return kit::Page("Log", page);
}

QWidget* GraphPage(Binder& b) {
  auto* top = new QHBoxLayout;
  top->addWidget(b.Combo("GraphSelect"));
  top->addSpacing(12);
  top->addWidget(b.Check("ShowAICheckBox"));
  top->addStretch(1);
  auto* page = new QVBoxLayout;
  page->addLayout(top);
  page->addWidget(b.Chart("HistoryChart"), 1);
  return kit::Page("TabSheet5", page);
}

QWidget* PlayerLogPage(Binder& b) {
  auto* top = new QHBoxLayout;
  top->addWidget(b.Combo("PlayerLogSelect"));
  top->addSpacing(12);
  top->addWidget(b.Check("ShowCombatsCheckBox"));
  top->addWidget(b.Check("ShowCityEventsCheckBox"));
  top->addStretch(1);
  QListView* log = b.Rich("PlayerLog");
  auto* page = new QVBoxLayout;
  page->setSpacing(2);
  page->addLayout(top);
  page->addSpacing(4);
  page->addWidget(kit::LogHeader(log));
  page->addWidget(log, 1);
  return kit::Page("TabSheet6", page);
}

QWidget* ReloadsPage(Binder& b) {
  auto* grid = kit::Grid();
  grid->setVerticalSpacing(8);
  struct Row {
    const char* name;
    Tint tint;
  };
  // PreSessions is the user's count of the sessions before play began.
  static constexpr Row kRows[] = {
      {"Edit9", Tint::Plain}, {"Edit11", Tint::Input}, {"Edit10", Tint::Plain}, {"Edit12", Tint::Plain}};
  int r = 0;
  for (const Row& row : kRows) {
    grid->addWidget(kit::Wrapped(b.Caption(row.name, row.tint), 130), r, 0);
    kit::Put(grid, b.Number(row.name, 10, row.tint), r++, 1);
  }
  grid->setRowStretch(r, 1);
  auto* page = new QHBoxLayout;
  page->addLayout(grid);
  page->addSpacing(12);
  page->addWidget(b.List("SessionListBox"), 1);
  return kit::Page("TabSheet7", page);
}

}  // namespace tolvane::app
