// The "Kavrel" page: the Kavrel score's calculator and the anarchy
// calculator.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/Pages.h"
#include "gui/QtText.h"

namespace tolvane::gui {

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

}  // namespace tolvane::gui
