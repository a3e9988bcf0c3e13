// The pages about the game as a whole: "Base", "Header", "Map", "Leaders",
// "Teams".
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/Pages.h"
#include "gui/QtText.h"

namespace tolvane::gui {

using kit::Put;

namespace {

// The Base page's "Score Calculations": the four score parts by row, the
// user's inputs in blue, the sums in maroon.
QGroupBox* ScoreCalculations(Binder& b, form::BasePage& page) {
  constexpr int kInputColumns = 4;
  auto* grid = kit::Grid();
  for (int c = 0; c < int(page.kScoreColumns.size()); ++c)
    grid->addWidget(Binder::Text(Q(page.kScoreColumns[size_t(c)]), c < kInputColumns ? Tint::Input : Tint::Plain), 0,
                    c + 1, Qt::AlignCenter);
  int r = 1;
  for (form::ScoreRow* row : {&page.population, &page.land, &page.science, &page.wonders}) {
    grid->addWidget(Binder::Text(Q(row->title)), r, 0);
    int c = 1;
    for (form::Edit* e : {&row->initial, &row->current, &row->maximal, &row->factor})
      grid->addWidget(b.Number(*e, 7, Tint::Input), r, c++);
    for (form::Edit* e : {&row->gameScore, &row->finalScore}) grid->addWidget(b.Number(*e, 7), r, c++);
    ++r;
  }
  grid->addWidget(b.Number(page.gameScoreSum, 7, Tint::Sum), 5, 5);
  grid->addWidget(b.Number(page.finalScoreSum, 7, Tint::Sum), 5, 6);
  grid->addWidget(kit::Wrapped(b.Caption(page.difficultyCoefficient, Tint::Input), 80), 2, 7, 2, 1, Qt::AlignBottom);
  grid->addWidget(b.Number(page.difficultyCoefficient, 7, Tint::Input), 4, 7, Qt::AlignCenter);
  grid->setColumnStretch(8, 1);
  return kit::Group(QStringLiteral("Score Calculations"), grid);
}

}  // namespace

QWidget* BuildBasePage(Binder& b, form::BasePage& page) {
  auto* grid = kit::Grid();
  auto caption = [&b](const form::Control& control) { return kit::Wrapped(b.Caption(control), 110); };
  grid->addWidget(caption(page.nick), 0, 0);
  Put(grid, b.Edit(page.nick, 14), 0, 1);
  Put(grid, b.Edit(page.leader, 14), 0, 2, 2);
  Put(grid, b.Edit(page.civilization, 14), 0, 4, 2);
  grid->addWidget(caption(page.turn), 1, 0);
  Put(grid, b.Number(page.turn, 8), 1, 1);
  Put(grid, b.Number(page.date, 7), 1, 2, 2);
  grid->addWidget(caption(page.playingTime), 2, 0);
  Put(grid, b.Number(page.playingTime, 10), 2, 1);
  grid->addWidget(caption(page.difficulty), 3, 0);
  Put(grid, b.Edit(page.difficulty, 10), 3, 1);
  grid->addWidget(caption(page.gameStatus), 4, 0);
  Put(grid, b.Edit(page.gameStatus, 10), 4, 1);
  grid->addWidget(caption(page.gameScore), 5, 0);
  Put(grid, b.Number(page.gameScore, 7), 5, 1);
  Put(grid, b.Number(page.finalScore, 7), 5, 2, 2);
  // The vassals' share of slot 0's score, which the user may correct.
  grid->addWidget(b.Caption(page.vassalPopulationScored), 2, 4, Qt::AlignRight);
  Put(grid, b.Number(page.vassalPopulationScored, 7, Tint::Input), 2, 5);
  grid->addWidget(b.Caption(page.vassalLandScored), 3, 4, Qt::AlignRight);
  Put(grid, b.Number(page.vassalLandScored, 7, Tint::Input), 3, 5);
  grid->setColumnStretch(6, 1);

  auto* layout = new QVBoxLayout;
  layout->addLayout(grid);
  layout->addWidget(ScoreCalculations(b, page));
  layout->addStretch(1);
  return kit::Page(page, layout);
}

QWidget* BuildHeaderPage(Binder& b, form::HeaderPage& page) {
  auto* grid = kit::Grid();
  grid->addWidget(b.Caption(page.saveVersion), 0, 0);
  Put(grid, b.Number(page.saveVersion, 9), 0, 1);
  grid->addWidget(b.Caption(page.flags), 0, 2, Qt::AlignRight);
  Put(grid, b.Number(page.flags, 9), 0, 3);
  int r = 1;
  for (form::Edit* e :
       {&page.gameBuildVersion, &page.modPath, &page.modChecksum, &page.dllChecksum, &page.shaderChecksum,
        &page.pythonChecksum, &page.xmlChecksum, &page.gamePassword, &page.adminPassword}) {
    grid->addWidget(b.Caption(*e), r, 0);
    grid->addWidget(b.Edit(*e), r++, 1, 1, 3);
  }
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(r, 1);
  return kit::Page(page, grid);
}

QWidget* BuildMapPage(Binder& b, form::MapPage& page) {
  auto* grid = kit::Grid();
  struct Field {
    form::Edit* edit;
    int chars;  // 0: wide
    bool number;
  };
  // Left column, the middle "Starting", the right column.
  const Field left[] = {{&page.saveFlag, 9, true},    {&page.gameName, 0, false},  {&page.mapScript, 0, false},
                        {&page.worldSize, 10, false}, {&page.seaLevel, 10, false}, {&page.gameSpeed, 10, false},
                        {&page.mapSize, 11, true},    {&page.landTiles, 9, true},  {&page.ownedTiles, 9, true}};
  const Field right[] = {{&page.gameType, 9, true}, {&page.climate, 10, false},  {&page.startEra, 12, false},
                         {&page.calendar, 9, true}, {&page.latitudes, 11, true}, {&page.wrapX, 5, true},
                         {&page.wrapY, 5, true}};
  auto edit = [&b](const Field& f) { return f.number ? b.Number(*f.edit, f.chars) : b.Edit(*f.edit, f.chars); };
  int r = 0;
  for (const Field& f : left) {
    grid->addWidget(b.Caption(*f.edit), r, 0);
    if (f.chars == 0)
      grid->addWidget(b.Edit(*f.edit), r, 1, 1, 2);
    else
      Put(grid, edit(f), r, 1);
    ++r;
  }
  r = 0;
  for (const Field& f : right) {
    grid->addWidget(b.Caption(*f.edit), r, 3);
    Put(grid, edit(f), r++, 4);
  }
  grid->addWidget(b.Caption(page.startTurn), 4, 2, Qt::AlignHCenter | Qt::AlignBottom);
  grid->addWidget(b.Number(page.startTurn, 14), 5, 2, Qt::AlignHCenter);
  grid->setColumnStretch(2, 1);
  grid->setColumnStretch(5, 1);

  auto* lists = kit::Grid();
  lists->addWidget(b.Caption(page.victoryConditions), 0, 0, Qt::AlignTop);
  lists->addWidget(b.List(page.victoryConditions), 0, 1);
  lists->addWidget(b.Caption(page.gameOptions), 0, 2, Qt::AlignTop);
  lists->addWidget(b.List(page.gameOptions), 0, 3);
  lists->setColumnStretch(1, 2);
  lists->setColumnStretch(3, 5);

  auto* layout = new QVBoxLayout;
  layout->addLayout(grid);
  layout->addLayout(lists, 1);
  return kit::Page(page, layout);
}

QWidget* BuildLeadersPage(Binder& b, form::LeadersPage& page) {
  auto* layout = new QVBoxLayout;
  layout->addWidget(b.Grid(page.leaders));
  return kit::Page(page, layout);
}

QWidget* BuildTeamsPage(Binder& b, form::TeamsPage& page) {
  auto* layout = new QVBoxLayout;
  layout->addWidget(b.Grid(page.teams));
  return kit::Page(page, layout);
}

}  // namespace tolvane::gui
