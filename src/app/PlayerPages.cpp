// The pages about one player, one city and the calculators: "Player",
// "Kavrel", "Cities", "Attitudes".
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTableView>
#include <QVBoxLayout>
#include <string>

#include "app/Pages.h"

namespace tolvane::app {

using kit::Put;

QWidget* PlayerPage(Binder& b) {
  auto* grid = kit::Grid();
  // Left block.
  grid->addWidget(b.Caption("GoldE"), 0, 0);
  Put(grid, b.Number("GoldE", 8), 0, 1);
  grid->addWidget(b.Caption("ResearchingE"), 1, 0);
  grid->addWidget(b.Edit("ResearchingE", 20), 1, 1, 1, 3, Qt::AlignLeft);
  auto* beakers = new QHBoxLayout;
  beakers->addWidget(b.Number("CurrTechBeakersE", 13));
  beakers->addSpacing(4);
  beakers->addWidget(Binder::Text("beakers"));
  beakers->addStretch(1);
  grid->addLayout(beakers, 2, 1, 1, 3);
  grid->addWidget(b.Caption("City1CultureE"), 3, 0);
  auto* culture = new QHBoxLayout;
  for (const char* name : {"City1CultureE", "City2CultureE", "City3CultureE"}) culture->addWidget(b.Number(name, 10));
  culture->addStretch(1);
  grid->addLayout(culture, 3, 1, 1, 3);
  // Middle.
  grid->addWidget(b.Caption("GeneralPointsE"), 0, 2, Qt::AlignRight);
  Put(grid, b.Number("GeneralPointsE", 9), 0, 3);
  // Right block, two columns of label-edit pairs.
  static constexpr const char* kRight[2][3] = {{"GPCreatedE", "VassalsE", "RankMetE"},
                                               {"TechNumberE", "UnitNumberE", "CityNumberE"}};
  for (int c = 0; c < 2; ++c)
    for (int r = 0; r < 3; ++r) {
      grid->addWidget(b.Caption(kRight[c][r]), r, 5 + 2 * c, Qt::AlignRight);
      Put(grid, b.Number(kRight[c][r], 7), r, 6 + 2 * c);
    }
  grid->setColumnStretch(4, 1);

  auto* page = new QVBoxLayout;
  auto* top = new QHBoxLayout;
  top->addWidget(b.Combo("PlayerInfoSelect"));
  top->addStretch(1);
  page->addLayout(top);
  page->addLayout(grid);
  page->addWidget(b.Grid("TechGrid"), 1);
  return kit::Page("TabSheet8", page);
}

namespace {

// The Kavrel score's seven components by row; the user's columns are blue.
QGroupBox* KavrelCalculations(Binder& b) {
  static constexpr const char* kColumns[] = {"Current+", "Maximal", "Factor", "Final Score", "% Score"};
  static constexpr const char* kSuffixes[] = {"CurrE", "MaxE", "FactorE", "FinalE", "PercentE"};
  static constexpr const char* kRows[][2] = {{"Population", "Pop"}, {"Land", "Land"},       {"Science", "Tech"},
                                             {"Wonder", "Wonder"},  {"Culture", "Culture"}, {"M.Tech", "MTech"},
                                             {"Turn", "Turn"}};
  constexpr int kInputColumns = 3;
  auto* grid = kit::Grid();
  for (int c = 0; c < 5; ++c)
    grid->addWidget(Binder::Text(kColumns[c], c < kInputColumns ? Tint::Input : Tint::Plain), 0, c + 1,
                    Qt::AlignCenter);
  int r = 1;
  for (const auto& row : kRows) {
    grid->addWidget(Binder::Text(row[0]), r, 0);
    for (int c = 0; c < 5; ++c) {
      const std::string name = std::string("Kavrel") + row[1] + kSuffixes[c];
      grid->addWidget(b.Number(name.c_str(), 8, c < kInputColumns ? Tint::Input : Tint::Plain), r, c + 1);
    }
    ++r;
  }
  grid->addWidget(b.Caption("KavrelDateE"), r, 0);
  grid->addWidget(b.Number("KavrelDateE", 8, Tint::Input), r, 1);
  grid->addWidget(b.Number("KavrelSumFinalE", 8, Tint::Sum), r, 4);
  grid->setColumnStretch(6, 1);
  return kit::Group("Score Calculations", grid);
}

QGroupBox* AnarchyCalculations(Binder& b) {
  auto* grid = kit::Grid();
  static constexpr const char* kInputs[] = {"NewCivicsE", "AnarchyCitiesE", "AnarchyWorldSizeBox",
                                            "AnarchyGameSpeedBox", "AnarchyStartEraBox"};
  for (int c = 0; c < 5; ++c) grid->addWidget(b.Caption(kInputs[c], Tint::Input), 0, c + 1, Qt::AlignCenter);
  grid->addWidget(b.Caption("AnarchyLengthL"), 1, 0);
  grid->addWidget(b.Number("NewCivicsE", 4, Tint::Input), 1, 1, Qt::AlignCenter);
  grid->addWidget(b.Number("AnarchyCitiesE", 4, Tint::Input), 1, 2, Qt::AlignCenter);
  for (int c = 2; c < 5; ++c) grid->addWidget(b.Combo(kInputs[c], /*editable=*/true), 1, c + 1);
  grid->addWidget(b.Label("AnarchyLengthL"), 1, 6);
  grid->setColumnStretch(7, 1);
  return kit::Group("Anarchy Length Calculations", grid);
}

}  // namespace

QWidget* KavrelPage(Binder& b) {
  auto* page = new QVBoxLayout;
  page->addWidget(KavrelCalculations(b));
  page->addWidget(AnarchyCalculations(b));
  page->addStretch(1);
  return kit::Page("TabSheet9", page);
}

QWidget* CitiesPage(Binder& b) {
  auto* left = new QVBoxLayout;
  left->addWidget(b.Caption("CityBox"));
  left->addWidget(b.Combo("CityBox"));
  left->addWidget(b.Caption("BuildingsList"));
  left->addWidget(b.Rich("BuildingsList"), 1);

  auto* fields = kit::Grid();
  fields->addWidget(b.Caption("CityFoundE"), 0, 0);
  Put(fields, b.Number("CityFoundE", 7), 0, 1);
  fields->addWidget(b.Caption("PopE"), 0, 2, Qt::AlignRight);
  Put(fields, b.Number("PopE", 4), 0, 3);
  fields->addWidget(b.Caption("CultureE"), 0, 4, Qt::AlignRight);
  Put(fields, b.Number("CultureE", 15), 0, 5);
  fields->addWidget(b.Caption("CityXYE"), 1, 0);
  Put(fields, b.Number("CityXYE", 9), 1, 1);
  fields->setColumnStretch(6, 1);
  auto* right = new QVBoxLayout;
  right->addLayout(fields);
  right->addWidget(b.Grid("ProductionGrid"), 1);

  auto* body = new QHBoxLayout;
  body->addLayout(left, 2);
  body->addLayout(right, 3);
  auto* top = new QHBoxLayout;
  top->addWidget(b.Combo("PlayerCitySelect"));
  top->addStretch(1);
  auto* page = new QVBoxLayout;
  page->addLayout(top);
  page->addLayout(body, 1);
  return kit::Page("Cities", page);
}

namespace {

// Label-edit rows of the Attitudes page: compact, as the design's edits are
// only a line high.
QLineEdit* Compact(QLineEdit* edit) {
  edit->setFixedHeight(edit->fontMetrics().height() + 6);
  return edit;
}

QGroupBox* Variable(Binder& b) {
  auto* grid = kit::Grid();
  grid->setVerticalSpacing(1);
  grid->addWidget(Binder::Text("Value"), 0, 1, Qt::AlignCenter);
  grid->addWidget(Binder::Text("Max"), 0, 2, Qt::AlignCenter);
  for (int r = 0; r < 18; ++r) {
    const std::string value = "Edit" + std::to_string(24 + 2 * r), max = "Edit" + std::to_string(25 + 2 * r);
    grid->addWidget(b.Caption(value.c_str()), r + 1, 0);
    grid->addWidget(Compact(b.Number(value.c_str(), 6)), r + 1, 1);
    grid->addWidget(Compact(b.Number(max.c_str(), 4)), r + 1, 2);
  }
  grid->setRowStretch(19, 1);
  return kit::Group("Variable", grid);
}

// Rows of label-edit pairs in two columns.
QGroupBox* TwoColumns(Binder& b, const QString& title, std::initializer_list<const char*> left,
                      std::initializer_list<const char*> right) {
  auto* grid = kit::Grid();
  grid->setVerticalSpacing(1);
  int c = 0;
  for (const auto& column : {left, right}) {
    int r = 0;
    for (const char* name : column) {
      grid->addWidget(b.Caption(name), r, c);
      grid->addWidget(Compact(b.Number(name, 6)), r++, c + 1);
    }
    c += 2;
  }
  grid->setColumnMinimumWidth(2, Binder::Scaled(130));
  return kit::Group(title, grid);
}

}  // namespace

QWidget* AttitudesPage(Binder& b) {
  auto* top = new QHBoxLayout;
  top->addWidget(b.Caption("AttLeaderSel1"));
  top->addWidget(b.Combo("AttLeaderSel1"));
  top->addSpacing(12);
  top->addWidget(Binder::Text("toward"));
  top->addSpacing(12);
  top->addWidget(b.Caption("AttLeaderSel2"));
  top->addWidget(b.Combo("AttLeaderSel2"));
  top->addStretch(1);

  auto* right = new QVBoxLayout;
  right->addWidget(TwoColumns(b, "Constant", {"BaseAttitudeE", "HandicapAttitudeE", "AggressiveAIE"},
                              {"CloseBordersE", "Edit18", "Edit16"}));
  right->addWidget(TwoColumns(b, "Memory",
                              {"Edit65", "Edit66", "Edit67", "Edit68", "Edit69", "Edit70", "Edit71", "Edit72", "Edit73",
                               "Edit74", "Edit75", "Edit76"},
                              {"Edit15", "Edit17", "Edit19", "Edit21", "Edit23", "Edit60", "Edit61", "Edit62", "Edit63",
                               "Edit64", "Edit77"}),
                   1);
  auto* body = new QHBoxLayout;
  body->addWidget(Variable(b));
  body->addLayout(right, 1);

  auto* summary = new QHBoxLayout;
  summary->addWidget(b.Caption("Edit78"));
  summary->addWidget(b.Edit("Edit78"), 1);

  auto* page = new QVBoxLayout;
  page->addLayout(top);
  page->addLayout(body, 1);
  page->addLayout(summary);
  return kit::Page("TabSheet11", page);
}

}  // namespace tolvane::app
