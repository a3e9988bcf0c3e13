// The "Saves" page: the folder and the filter over the table of its saves,
// the games grouped above it and the rules file that judges them. Reading
// the saves and the folder's watch are the SavesController's.
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <algorithm>
#include <filesystem>
#include <memory>

#include "gui/Pages.h"
#include "gui/QtText.h"

namespace tolvane::gui {

namespace {

// The caption with `key` underlined as its mnemonic (the binder gives a
// button the first letter, which "Open Folder…" and "Compare" hold here).
template <typename Widget>
void Mnemonic(Binder& b, const form::Control& control, Widget* widget, QChar key) {
  b.Watch(control, [widget, &control, key] {
    QString text = Q(control.Caption());
    const qsizetype at = text.indexOf(key);
    if (at >= 0) text.insert(at, QLatin1Char('&'));
    widget->setText(text);
  });
}

}  // namespace

QWidget* BuildSavesPage(Binder& b, form::SavesPage& page) {
  auto* grid = kit::Grid();
  QPushButton* open = b.Button(page.openFolder);
  grid->addWidget(open, 0, 0);
  grid->addWidget(b.Caption(page.folder), 0, 1);
  QLineEdit* folder = b.Edit(page.folder);
  folder->setReadOnly(true);
  grid->addWidget(folder, 0, 2);
  grid->addWidget(b.Caption(page.filter), 0, 3);
  QLineEdit* filter = b.Edit(page.filter, 16);
  filter->setClearButtonEnabled(true);
  filter->setPlaceholderText(QStringLiteral("words in any column"));
  grid->addWidget(filter, 0, 4);
  grid->addWidget(b.Button(page.compare), 0, 5);
  grid->addWidget(b.Button(page.saveTable), 0, 6);

  // The games and the rules: Alt+G, Alt+K, Alt+R, Alt+D.
  auto* games = new QHBoxLayout;
  games->setContentsMargins(0, 0, 0, 0);
  games->setSpacing(grid->horizontalSpacing());
  QCheckBox* group = b.Check(page.groupByGame);
  Mnemonic(b, page.groupByGame, group, QLatin1Char('G'));
  games->addWidget(group);
  QPushButton* link = b.Button(page.compareLink, /*mnemonic=*/false);
  Mnemonic(b, page.compareLink, link, QLatin1Char('k'));
  link->setToolTip(QStringLiteral("Compare the save that does not continue the one before it with that save"));
  games->addWidget(link);
  games->addSpacing(Binder::Scaled(12));
  games->addWidget(b.Caption(page.rulesFile));
  QLabel* rules = b.Label(page.rulesFile);
  // A long name is cut, never widening the window.
  rules->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  rules->setMinimumWidth(Binder::Scaled(60));
  b.Watch(page.rulesFile,
          [rules, &page] { rules->setToolTip(page.RulesPath().empty() ? QString() : QPath(page.RulesPath())); });
  games->addWidget(rules, 1);
  QPushButton* openRules = b.Button(page.openRules, /*mnemonic=*/false);
  Mnemonic(b, page.openRules, openRules, QLatin1Char('R'));
  games->addWidget(openRules);
  QPushButton* dropRules = b.Button(page.dropRules, /*mnemonic=*/false);
  Mnemonic(b, page.dropRules, dropRules, QLatin1Char('D'));
  games->addWidget(dropRules);
  grid->addLayout(games, 1, 0, 1, 7);

  std::vector<bool> rightAligned;
  for (const form::SaveColumn& column : form::kSaveColumns)
    rightAligned.push_back(column.sort == form::SortKind::Number || column.sort == form::SortKind::Turn ||
                           column.sort == form::SortKind::Duration);
  QTableView* table = b.Table(page.table, std::move(rightAligned));
  // The games over the saves, shown while they are grouped.
  QTableView* gameLines = b.Table(page.games, {true, false, false, true, false, false});
  gameLines->setSelectionMode(QAbstractItemView::SingleSelection);
  // The arrows pick a game; Tab goes on to the saves.
  gameLines->setTabKeyNavigation(false);
  // The link's verdict, the longest text, takes the width left.
  gameLines->horizontalHeader()->setStretchLastSection(true);
  b.Watch(page.groupByGame, [gameLines, &page] { gameLines->setVisible(page.groupByGame.Checked()); });
  // Double-click or Enter on a game shows its saves and goes to them.
  QObject::connect(gameLines, &QTableView::activated, table, [&b, &page, table](const QModelIndex& index) {
    b.Run([&page, line = index.row()] { page.OpenGame(line); });
    table->setFocus(Qt::OtherFocusReason);
  });
  auto* split = new QSplitter(Qt::Vertical);
  split->setObjectName(QStringLiteral("SavesSplitter"));
  split->setChildrenCollapsible(false);
  split->addWidget(gameLines);
  split->addWidget(table);
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 2);
  grid->addWidget(split, 2, 0, 1, 7);
  // Double-click or Enter loads the row's save.
  QObject::connect(table, &QTableView::activated, table,
                   [&b, &page](const QModelIndex& index) { b.Run([&page, row = index.row()] { page.OpenRow(row); }); });
  // The current row stays with its save while the rows come and move; only
  // the current row moves, the selection is the page's.
  auto current = std::make_shared<std::filesystem::path>();
  QObject::connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, table,
                   [&page, current](const QModelIndex& index) {
                     if (index.isValid()) *current = page.PathOfRow(index.row()).value_or(std::filesystem::path());
                   });
  auto keepCurrent = [table, &page, current] {
    if (current->empty()) return;
    const QModelIndex now = table->currentIndex();
    for (int row = 0; row < table->model()->rowCount(); ++row)
      if (page.PathOfRow(row) == *current) {
        if (now.row() != row)
          table->selectionModel()->setCurrentIndex(table->model()->index(row, std::max(0, now.column())),
                                                   QItemSelectionModel::NoUpdate);
        return;
      }
  };
  QObject::connect(table->model(), &QAbstractItemModel::dataChanged, table, keepCurrent);
  QObject::connect(table->model(), &QAbstractItemModel::modelReset, table, keepCurrent);
  grid->addWidget(b.Label(page.count), 3, 0, 1, 7);
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(2, 1);
  QWidget* built = kit::Page(page, grid);
  // Tab goes from the rules' buttons to the games, then to the saves.
  QWidget::setTabOrder(dropRules, gameLines);
  QWidget::setTabOrder(gameLines, table);
  return built;
}

}  // namespace tolvane::gui
