// The "Attitudes" page: one leader's attitude toward another, term by term.
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

namespace tolvane::gui {

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
