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
#include <algorithm>
#include <span>

#include "gui/Pages.h"
#include "gui/QtText.h"

namespace tolvane::gui {

using kit::Put;

QWidget* BuildPlayerPage(Binder& b, form::PlayerPage& page) {
  auto* grid = kit::Grid();
  // Left block.
  grid->addWidget(b.Caption(page.gold), 0, 0);
  Put(grid, b.Number(page.gold, 8), 0, 1);
  grid->addWidget(b.Caption(page.researching), 1, 0);
  grid->addWidget(b.Edit(page.researching, 20), 1, 1, 1, 3, Qt::AlignLeft);
  auto* beakers = new QHBoxLayout;
  beakers->addWidget(b.Number(page.researchBeakers, 13));
  beakers->addSpacing(4);
  beakers->addWidget(Binder::Text(QStringLiteral("beakers")));
  beakers->addStretch(1);
  grid->addLayout(beakers, 2, 1, 1, 3);
  grid->addWidget(b.Caption(page.bestCityCultures[0]), 3, 0);
  auto* culture = new QHBoxLayout;
  for (form::Edit& e : page.bestCityCultures) culture->addWidget(b.Number(e, 10));
  culture->addStretch(1);
  grid->addLayout(culture, 3, 1, 1, 3);
  // Middle.
  grid->addWidget(b.Caption(page.generalPoints), 0, 2, Qt::AlignRight);
  Put(grid, b.Number(page.generalPoints, 9), 0, 3);
  // Right block, two columns of label-edit pairs.
  form::Edit* right[2][3] = {{&page.greatPeople, &page.vassals, &page.rankAmongMet},
                             {&page.technologies, &page.units, &page.cities}};
  for (int c = 0; c < 2; ++c)
    for (int r = 0; r < 3; ++r) {
      grid->addWidget(b.Caption(*right[c][r]), r, 5 + 2 * c, Qt::AlignRight);
      Put(grid, b.Number(*right[c][r], 7), r, 6 + 2 * c);
    }
  // A gap before the right block and the room to spare after it, so that the
  // two blocks stay together in a wide window.
  grid->setColumnMinimumWidth(4, Binder::Scaled(24));
  grid->setColumnStretch(9, 1);

  auto* layout = new QVBoxLayout;
  auto* top = new QHBoxLayout;
  top->addWidget(b.Combo(page.playerSelector));
  top->addStretch(1);
  layout->addLayout(top);
  layout->addLayout(grid);
  layout->addWidget(b.Grid(page.technologyGrid), 1);
  return kit::Page(page, layout);
}

namespace {

// The Kavrel score's seven components by row; the user's columns are blue.
QGroupBox* KavrelCalculations(Binder& b, form::KavrelPage& page) {
  constexpr int kInputColumns = 3;
  auto* grid = kit::Grid();
  for (int c = 0; c < int(page.kColumns.size()); ++c)
    grid->addWidget(Binder::Text(Q(page.kColumns[size_t(c)]), c < kInputColumns ? Tint::Input : Tint::Plain), 0, c + 1,
                    Qt::AlignCenter);
  int r = 1;
  for (form::KavrelRow* row : {&page.population, &page.land, &page.science, &page.wonders, &page.culture,
                               &page.modernTechnologies, &page.turn}) {
    grid->addWidget(Binder::Text(Q(row->title)), r, 0);
    int c = 1;
    for (form::Edit* e : {&row->current, &row->maximal, &row->factor})
      grid->addWidget(b.Number(*e, 8, Tint::Input), r, c++);
    for (form::Edit* e : {&row->finalScore, &row->share}) grid->addWidget(b.Number(*e, 8), r, c++);
    ++r;
  }
  grid->addWidget(b.Caption(page.date), r, 0);
  grid->addWidget(b.Number(page.date, 8), r, 1);
  grid->addWidget(b.Number(page.finalScoreSum, 8, Tint::Sum), r, 4);
  grid->setColumnStretch(6, 1);
  return kit::Group(QStringLiteral("Score Calculations"), grid);
}

QGroupBox* AnarchyCalculations(Binder& b, form::AnarchyCalculator& anarchy) {
  auto* grid = kit::Grid();
  int c = 1;
  for (const form::Control* input : std::initializer_list<const form::Control*>{
           &anarchy.civics, &anarchy.cities, &anarchy.worldSize, &anarchy.gameSpeed, &anarchy.startEra})
    grid->addWidget(b.Caption(*input, Tint::Input), 0, c++, Qt::AlignCenter);
  grid->addWidget(b.Caption(anarchy.length), 1, 0);
  grid->addWidget(b.Number(anarchy.civics, 4, Tint::Input), 1, 1, Qt::AlignCenter);
  grid->addWidget(b.Number(anarchy.cities, 4, Tint::Input), 1, 2, Qt::AlignCenter);
  c = 3;
  for (form::ComboBox* box : {&anarchy.worldSize, &anarchy.gameSpeed, &anarchy.startEra})
    grid->addWidget(b.Combo(*box, /*editable=*/true), 1, c++);
  grid->addWidget(b.Label(anarchy.length), 1, 6);
  grid->setColumnStretch(7, 1);
  return kit::Group(QStringLiteral("Anarchy Length Calculations"), grid);
}

}  // namespace

QWidget* BuildKavrelPage(Binder& b, form::KavrelPage& page) {
  auto* layout = new QVBoxLayout;
  layout->addWidget(KavrelCalculations(b, page));
  layout->addWidget(AnarchyCalculations(b, page.anarchy));
  layout->addStretch(1);
  return kit::Page(page, layout);
}

QWidget* BuildCitiesPage(Binder& b, form::CitiesPage& page) {
  auto* left = new QVBoxLayout;
  left->addWidget(b.Caption(page.citySelector));
  left->addWidget(b.Combo(page.citySelector));
  left->addWidget(b.Caption(page.buildings));
  left->addWidget(b.Rich(page.buildings), 1);

  auto* fields = kit::Grid();
  fields->addWidget(b.Caption(page.founded), 0, 0);
  Put(fields, b.Number(page.founded, 7), 0, 1);
  fields->addWidget(b.Caption(page.population), 0, 2, Qt::AlignRight);
  Put(fields, b.Number(page.population, 4), 0, 3);
  fields->addWidget(b.Caption(page.culture), 0, 4, Qt::AlignRight);
  Put(fields, b.Number(page.culture, 15), 0, 5);
  fields->addWidget(b.Caption(page.position), 1, 0);
  Put(fields, b.Number(page.position, 9), 1, 1);
  fields->setColumnStretch(6, 1);
  auto* right = new QVBoxLayout;
  right->addLayout(fields);
  right->addWidget(b.Grid(page.production), 1);

  auto* body = new QHBoxLayout;
  body->addLayout(left, 2);
  body->addLayout(right, 3);
  auto* top = new QHBoxLayout;
  top->addWidget(b.Combo(page.playerSelector));
  top->addStretch(1);
  auto* layout = new QVBoxLayout;
  layout->addLayout(top);
  layout->addLayout(body, 1);
  return kit::Page(page, layout);
}

namespace {

// Label-edit rows of the Attitudes page: compact, as the design's edits are
// only a line high.
QLineEdit* Compact(QLineEdit* edit) {
  edit->setFixedHeight(edit->fontMetrics().height() + 6);
  return edit;
}

QGroupBox* Variable(Binder& b, form::AttitudesPage& page) {
  auto* grid = kit::Grid();
  grid->setVerticalSpacing(1);
  grid->addWidget(Binder::Text(QStringLiteral("Value")), 0, 1, Qt::AlignCenter);
  grid->addWidget(Binder::Text(QStringLiteral("Max")), 0, 2, Qt::AlignCenter);
  int r = 1;
  for (form::VariableTerm& term : page.variableTerms) {
    grid->addWidget(b.Caption(term.value), r, 0);
    grid->addWidget(Compact(b.Number(term.value, 6)), r, 1);
    grid->addWidget(Compact(b.Number(term.maximum, 4)), r++, 2);
  }
  grid->setRowStretch(r, 1);
  grid->setColumnStretch(3, 1);
  return kit::Group(QStringLiteral("Variable"), grid);
}

// Rows of label-edit pairs in two columns.
QGroupBox* TwoColumns(Binder& b, const QString& title, std::span<form::Edit* const> left,
                      std::span<form::Edit* const> right) {
  auto* grid = kit::Grid();
  grid->setVerticalSpacing(1);
  int rows = 0;
  for (const auto& [column, edits] : {std::pair{0, left}, {3, right}}) {
    int r = 0;
    for (form::Edit* edit : edits) {
      grid->addWidget(b.Caption(*edit), r, column);
      grid->addWidget(Compact(b.Number(*edit, 6)), r++, column + 1);
    }
    rows = std::max(rows, r);
  }
  // A gap between the two columns, and the room to spare after them and
  // below: each label stays beside its box however large the window.
  grid->setColumnMinimumWidth(2, Binder::Scaled(24));
  grid->setColumnStretch(5, 1);
  grid->setRowStretch(rows, 1);
  return kit::Group(title, grid);
}

}  // namespace

QWidget* BuildAttitudesPage(Binder& b, form::AttitudesPage& page) {
  auto* top = new QHBoxLayout;
  top->addWidget(b.Caption(page.leaderSelector));
  top->addWidget(b.Combo(page.leaderSelector));
  top->addSpacing(12);
  top->addWidget(Binder::Text(QStringLiteral("toward")));
  top->addSpacing(12);
  top->addWidget(b.Caption(page.towardSelector));
  top->addWidget(b.Combo(page.towardSelector));
  top->addStretch(1);

  form::Edit* const constantLeft[] = {&page.baseAttitude, &page.handicapAttitude, &page.aggressiveAiAttitude};
  form::Edit* const constantRight[] = {&page.peaceAttitude, &page.warmongerRespect, &page.teamSizeDifference};
  std::vector<form::Edit*> memory;
  for (form::Edit& e : page.memoryTerms) memory.push_back(&e);
  const std::span<form::Edit* const> memoryTerms(memory);
  auto* right = new QVBoxLayout;
  right->addWidget(TwoColumns(b, QStringLiteral("Constant"), constantLeft, constantRight));
  right->addWidget(TwoColumns(b, QStringLiteral("Memory"), memoryTerms.first(page.kMemoryLeftColumn),
                              memoryTerms.subspan(page.kMemoryLeftColumn)),
                   1);
  auto* body = new QHBoxLayout;
  body->addWidget(Variable(b, page));
  body->addLayout(right, 1);

  auto* summary = new QHBoxLayout;
  summary->addWidget(b.Caption(page.summary));
  summary->addWidget(b.Edit(page.summary), 1);

  auto* layout = new QVBoxLayout;
  layout->addLayout(top);
  layout->addLayout(body, 1);
  layout->addLayout(summary);
  return kit::Page(page, layout);
}

}  // namespace tolvane::gui
