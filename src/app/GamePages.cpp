// The pages about the game as a whole: "Base", "Header", "Map", "Leaders",
// "Teams".
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTableView>
#include <QVBoxLayout>

#include "app/Pages.h"

namespace tolvane::app {

using kit::Put;

namespace {

// The Base page's "Score Calculations": the four score parts by row, the
// user's inputs in blue, the sums in maroon.
QGroupBox* ScoreCalculations(Binder& b) {
  static constexpr const char* kColumns[] = {"Initial", "Current", "Maximal", "Factor", "Game Score", "Final Score"};
  static constexpr const char* kRows[] = {"Population", "Land", "Science", "Wonder"};
  static constexpr const char* kCells[4][6] = {
      {"InitPopE", "CurrPopScoreE", "MaxPopScoreE", "PopCoeffE", "PopScoreE", "PopFinalScoreE"},
      {"InitLandE", "CurrLandScoreE", "MaxLandScoreE", "LandCoeffE", "LandScoreE", "LandFinalScoreE"},
      {"InitTechE", "CurrTechScoreE", "MaxTechScoreE", "TechCoeffE", "TechScoreE", "TechFinalScoreE"},
      {"InitWonderE", "CurrWonderScoreE", "MaxWonderScoreE", "WonderCoeffE", "WonderScoreE", "WonderFinalScoreE"}};
  constexpr int kInputColumns = 4;
  auto* grid = kit::Grid();
  for (int c = 0; c < 6; ++c)
    grid->addWidget(Binder::Text(kColumns[c], c < kInputColumns ? Tint::Input : Tint::Plain), 0, c + 1,
                    Qt::AlignCenter);
  for (int r = 0; r < 4; ++r) {
    grid->addWidget(Binder::Text(kRows[r]), r + 1, 0);
    for (int c = 0; c < 6; ++c)
      grid->addWidget(b.Number(kCells[r][c], 7, c < kInputColumns ? Tint::Input : Tint::Plain), r + 1, c + 1);
  }
  grid->addWidget(b.Number("GameScoreSumE", 7, Tint::Sum), 5, 5);
  grid->addWidget(b.Number("FinalScoreSumE", 7, Tint::Sum), 5, 6);
  grid->addWidget(kit::Wrapped(b.Caption("DiffCoeffE", Tint::Input), 80), 2, 7, 2, 1, Qt::AlignBottom);
  grid->addWidget(b.Number("DiffCoeffE", 7, Tint::Input), 4, 7, Qt::AlignCenter);
  grid->setColumnStretch(8, 1);
  return kit::Group("Score Calculations", grid);
}

}  // namespace

QWidget* BasePage(Binder& b) {
  auto* grid = kit::Grid();
  auto caption = [&b](const char* name) { return kit::Wrapped(b.Caption(name), 110); };
  grid->addWidget(caption("NickE"), 0, 0);
  Put(grid, b.Edit("NickE", 14), 0, 1);
  Put(grid, b.Edit("LeaderE", 14), 0, 2, 2);
  Put(grid, b.Edit("CountryE", 14), 0, 4, 2);
  grid->addWidget(caption("Edit3"), 1, 0);
  Put(grid, b.Number("Edit3", 8), 1, 1);
  Put(grid, b.Number("Edit4", 7), 1, 2, 2);
  grid->addWidget(caption("Edit5"), 2, 0);
  Put(grid, b.Number("Edit5", 10), 2, 1);
  grid->addWidget(caption("Edit8"), 3, 0);
  Put(grid, b.Edit("Edit8", 10), 3, 1);
  grid->addWidget(caption("Edit7"), 4, 0);
  Put(grid, b.Edit("Edit7", 10), 4, 1);
  grid->addWidget(caption("Edit6"), 5, 0);
  Put(grid, b.Number("Edit6", 7), 5, 1);
  Put(grid, b.Number("Edit13", 7), 5, 2, 2);
  // The vassals' share of slot 0's score, which the user may correct.
  grid->addWidget(b.Caption("VassalPopScoredE"), 2, 4, Qt::AlignRight);
  Put(grid, b.Number("VassalPopScoredE", 7, Tint::Input), 2, 5);
  grid->addWidget(b.Caption("VassalLandScoredE"), 3, 4, Qt::AlignRight);
  Put(grid, b.Number("VassalLandScoredE", 7, Tint::Input), 3, 5);
  grid->setColumnStretch(6, 1);

  auto* page = new QVBoxLayout;
  page->addLayout(grid);
  page->addWidget(ScoreCalculations(b));
  page->addStretch(1);
  return kit::Page("TabSheet1", page);
}

QWidget* HeaderPage(Binder& b) {
  auto* grid = kit::Grid();
  grid->addWidget(b.Caption("SaveVersionE"), 0, 0);
  Put(grid, b.Number("SaveVersionE", 9), 0, 1);
  grid->addWidget(b.Caption("FlagsE"), 0, 2, Qt::AlignRight);
  Put(grid, b.Number("FlagsE", 9), 0, 3);
  const char* rows[] = {"GameBuildVersionE", "ModPathE",     "ModChecksumE",  "DLLChecksumE",  "ShaderChecksumE",
                        "PythonChecksumE",   "XMLChecksumE", "GamePasswordE", "AdminPasswordE"};
  int r = 1;
  for (const char* name : rows) {
    grid->addWidget(b.Caption(name), r, 0);
    grid->addWidget(b.Edit(name), r++, 1, 1, 3);
  }
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(r, 1);
  return kit::Page("TabSheet2", grid);
}

QWidget* MapPage(Binder& b) {
  auto* grid = kit::Grid();
  struct Field {
    const char* name;
    int chars;  // 0: wide
    bool number;
  };
  // Left column, the middle "Starting", the right column.
  static constexpr Field kLeft[] = {{"SaveFlagE", 9, true},    {"GameNameE", 0, false},  {"MapScriptE", 0, false},
                                    {"WorldSizeE", 10, false}, {"SeaLevelE", 10, false}, {"GameSpeedE", 10, false},
                                    {"MapSizeE", 11, true},    {"LandTilesE", 9, true},  {"OwnedTilesE", 9, true}};
  static constexpr Field kRight[] = {{"GameTypeE", 9, true}, {"ClimateE", 10, false},  {"EraE", 12, false},
                                     {"CalenderE", 9, true}, {"LatitudesE", 11, true}, {"WrapXE", 5, true},
                                     {"WrapYE", 5, true}};
  auto edit = [&b](const Field& f) { return f.number ? b.Number(f.name, f.chars) : b.Edit(f.name, f.chars); };
  int r = 0;
  for (const Field& f : kLeft) {
    grid->addWidget(b.Caption(f.name), r, 0);
    if (f.chars == 0)
      grid->addWidget(b.Edit(f.name), r, 1, 1, 2);
    else
      Put(grid, edit(f), r, 1);
    ++r;
  }
  r = 0;
  for (const Field& f : kRight) {
    grid->addWidget(b.Caption(f.name), r, 3);
    Put(grid, edit(f), r++, 4);
  }
  grid->addWidget(b.Caption("StartTurnDateE"), 4, 2, Qt::AlignHCenter | Qt::AlignBottom);
  grid->addWidget(b.Number("StartTurnDateE", 14), 5, 2, Qt::AlignHCenter);
  grid->setColumnStretch(2, 1);
  grid->setColumnStretch(5, 1);

  auto* lists = kit::Grid();
  lists->addWidget(b.Caption("VictoryConditionBox"), 0, 0, Qt::AlignTop);
  lists->addWidget(b.List("VictoryConditionBox"), 0, 1);
  lists->addWidget(b.Caption("GameOptionBox"), 0, 2, Qt::AlignTop);
  lists->addWidget(b.List("GameOptionBox"), 0, 3);
  lists->setColumnStretch(1, 2);
  lists->setColumnStretch(3, 5);

  auto* page = new QVBoxLayout;
  page->addLayout(grid);
  page->addLayout(lists, 1);
  return kit::Page("TabSheet3", page);
}

QWidget* LeadersPage(Binder& b) {
  auto* page = new QVBoxLayout;
  page->addWidget(b.Grid("LeadersGrid"));
  return kit::Page("TabSheet4", page);
}

QWidget* TeamsPage(Binder& b) {
  auto* page = new QVBoxLayout;
  page->addWidget(b.Grid("TeamsGrid"));
  return kit::Page("TabSheet10", page);
}

}  // namespace tolvane::app
