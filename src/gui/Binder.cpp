#include "gui/Binder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QTableView>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "gui/EditFocus.h"
#include "gui/GridClipboard.h"
#include "gui/GridCorner.h"
#include "gui/HistoryChartView.h"
#include "gui/LineModels.h"
#include "gui/PictureView.h"
#include "gui/QtText.h"
#include "gui/TwoColumnList.h"

namespace tolvane::gui {

namespace {

void SetTint(QWidget* widget, QPalette::ColorRole role, Tint tint) {
  if (tint == Tint::Plain) return;
  QPalette palette = widget->palette();
  palette.setColor(role, tint == Tint::Input ? QColor(0x00, 0x00, 0xFF) : QColor(0x80, 0x00, 0x00));
  widget->setPalette(palette);
}

// The design's digits are 6 pixels wide; the font in use may be wider.
double DesignScale() {
  const QFontMetricsF metrics(QApplication::font());
  return std::max(1.0, metrics.horizontalAdvance(QStringLiteral("0123456789")) / 60.0);
}

void SetUpLines(QListView* view, const std::string& name) {
  view->setObjectName(Q(name));
  view->setFont(Binder::FixedFont());
  view->setUniformItemSizes(true);
  view->setWordWrap(false);
  view->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  AddLinesCopyAction(view);
}

}  // namespace

Binder::Binder(std::function<void(const Action&)> run, QObject* parent) : QObject(parent), run_(std::move(run)) {}

Binder::~Binder() {
  for (const QPointer<QThread>& thread : writings_)
    if (thread) thread->wait();
}

int Binder::Scaled(int designPixels) {
  static const double kScale = DesignScale();
  return int(designPixels * kScale + 0.5);
}

QFont Binder::FixedFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSizeF(QApplication::font().pointSizeF());
  return font;
}

namespace {

// Every widget tells what it shows when the pointer rests on it.
void Describe(QWidget* widget, const form::Control& control) { widget->setToolTip(Q(control.Title())); }

}  // namespace

void Binder::Bind(const form::Control& control, std::function<void()> apply) {
  bindings_.push_back({&control, std::move(apply)});
}

void Binder::Refresh(bool all) {
  for (Binding& b : bindings_) {
    const uint64_t revision = b.control->Revision();
    if (!all && revision == b.seen) continue;
    b.seen = revision;
    b.apply();
  }
}

QLineEdit* Binder::Edit(form::Edit& control, int chars, Tint tint) {
  auto* edit = new QLineEdit;
  edit->setObjectName(Q(control.Name()));
  SetTint(edit, QPalette::Text, tint);
  if (chars > 0) {
    const int digits = edit->fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0')));
    edit->setFixedWidth(digits + edit->fontMetrics().averageCharWidth() * 2 + 8);
  }
  // A calculator's result is no place to type: it is read-only and out of
  // the Tab order, and looks it.
  if (control.Role() == form::EditRole::Computed) {
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
  }
  // A term that no save holds a value for stays in the form, disabled.
  if (control.Role() == form::EditRole::NoValue) edit->setEnabled(false);
  edit->setToolTip(control.Role() == form::EditRole::NoValue
                       ? QStringLiteral("%1: the save holds no value for this term.").arg(Q(control.Title()))
                       : Q(control.Title()));
  const QPalette plain = edit->palette();
  OnFocusExit(edit, [this, &control] { run_([&control] { control.Exit(); }); });
  connect(edit, &QLineEdit::textEdited, this, [this, &control](const QString& text) {
    run_([&control, value = text.toStdString()] { control.SetText(value); });
  });
  Bind(control, [edit, plain, &control] {
    // An input that a calculator refused is marked until its text is a number.
    QPalette palette = plain;
    if (control.Marked()) palette.setColor(QPalette::Base, QColor(0xFF, 0xD8, 0xD8));
    if (edit->palette() != palette) edit->setPalette(palette);
    const QString text = Q(control.Text());
    if (edit->text() == text) return;  // keeps the cursor of the edit the user types in
    const QSignalBlocker block(edit);
    edit->setText(text);
    edit->setCursorPosition(0);
  });
  return edit;
}

QLineEdit* Binder::Number(form::Edit& control, int chars, Tint tint) {
  QLineEdit* edit = Edit(control, chars, tint);
  edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return edit;
}

QLabel* Binder::Label(const form::Label& control) {
  auto* label = new QLabel;
  Describe(label, control);
  label->setObjectName(Q(control.Name()));
  Bind(control, [label, &control] { label->setText(Q(control.Text())); });
  return label;
}

QLabel* Binder::Caption(const form::Control& control, Tint tint) {
  if (control.Caption().empty()) throw std::logic_error("no caption for " + control.Name());
  QLabel* label = Text(Q(control.Caption()), tint);
  label->setObjectName(Q(control.Name()) + QStringLiteral("Caption"));
  return label;
}

QLabel* Binder::Text(const QString& text, Tint tint) {
  auto* label = new QLabel(text);
  SetTint(label, QPalette::WindowText, tint);
  return label;
}

QPushButton* Binder::Button(form::Button& control, bool mnemonic) {
  auto* button = new QPushButton;
  button->setObjectName(Q(control.Name()));
  connect(button, &QPushButton::clicked, this, [this, &control] { run_([&control] { control.Click(); }); });
  // The caption's first letter is the button's mnemonic (Alt+L for "Load File").
  Bind(control, [button, &control, mnemonic] {
    button->setText((mnemonic ? QStringLiteral("&") : QString()) + Q(control.Caption()));
    button->setEnabled(control.Enabled());
  });
  return button;
}

QCheckBox* Binder::Check(form::CheckBox& control) {
  auto* check = new QCheckBox;
  check->setObjectName(Q(control.Name()));
  connect(check, &QCheckBox::clicked, this, [this, &control] { run_([&control] { control.Click(); }); });
  Bind(control, [check, &control] {
    const QSignalBlocker block(check);
    check->setText(Q(control.Caption()));
    check->setChecked(control.Checked());
  });
  return check;
}

QComboBox* Binder::Combo(form::ComboBox& control, bool editable) {
  auto* box = new QComboBox;
  Describe(box, control);
  box->setObjectName(Q(control.Name()));
  box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  if (editable) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);  // typed text is no new item
    box->setCompleter(nullptr);                 // the text is what the user typed, nothing more
    connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, &control](const QString& text) {
      run_([&control, value = text.toStdString()] { control.Type(value); });
    });
  }
  // Only the user's choice: the program setting the index raises no event.
  connect(box, &QComboBox::activated, this, [this, &control](int index) {
    run_([&control, index] {
      if (index >= 0 && index < int(control.Items().size())) control.Select(index);
    });
  });
  Bind(control, [box, editable, &control] {
    const QSignalBlocker block(box);
    QLineEdit* line = editable ? box->lineEdit() : nullptr;
    const int cursor = line ? line->cursorPosition() : 0;
    const auto& items = control.Items();
    bool same = box->count() == int(items.size());
    for (int i = 0; same && i < box->count(); ++i) same = box->itemText(i) == Q(items[size_t(i)]);
    if (!same) {
      box->clear();
      for (const std::string& item : items) box->addItem(Q(item));
    }
    if (box->currentIndex() != control.Index()) box->setCurrentIndex(control.Index());
    if (line && line->text() != Q(control.Text())) {
      line->setText(Q(control.Text()));
      line->setCursorPosition(std::min(cursor, int(line->text().size())));
    }
    box->setMaxVisibleItems(std::max(1, control.DropDownCount()));
    box->setVisible(control.Visible());
  });
  return box;
}

QListView* Binder::List(const form::ListBox& control) {
  auto* view = new TwoColumnList;
  Describe(view, control);
  SetUpLines(view, control.Name());
  view->setFlow(QListView::TopToBottom);
  view->setWrapping(true);
  view->setResizeMode(QListView::Adjust);
  auto* model = new LinesModel(&control, nullptr, view->font(), view);
  view->setModel(model);
  Bind(control, [model] { model->Reload(); });
  return view;
}

QListView* Binder::Rich(const form::RichText& control) {
  auto* view = new QListView;
  Describe(view, control);
  SetUpLines(view, control.Name());
  auto* model = new LinesModel(nullptr, &control, view->font(), view);
  view->setModel(model);
  Bind(control, [model] { model->Reload(); });
  return view;
}

QTableView* Binder::Grid(const form::Grid& control) {
  auto* table = new QTableView;
  Describe(table, control);
  table->setObjectName(Q(control.Name()));
  auto* model = new GridModel(control, FixedFont(), table);
  table->setModel(model);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setWordWrap(false);
  table->setTextElideMode(Qt::ElideNone);
  table->setSelectionMode(QAbstractItemView::ExtendedSelection);
  AddGridCopyAction(table, model);
  const int rowHeight = table->fontMetrics().height() + 4;
  table->verticalHeader()->setMinimumSectionSize(rowHeight);
  table->verticalHeader()->setDefaultSectionSize(rowHeight);
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->horizontalHeader()->setHighlightSections(false);
  table->verticalHeader()->setHighlightSections(false);
  table->horizontalHeader()->setMinimumSectionSize(Scaled(16));
  QAbstractButton* corner = CornerAsHeader(table);
  Bind(control, [table, model, corner, &control] {
    model->Reload();
    // The design's widths, or wider where the texts in this font need it.
    for (int col = 1; col < control.ColCount(); ++col) {
      const int section = col - 1;
      const int width =
          std::max({Scaled(control.ColWidth(col)), static_cast<QAbstractItemView*>(table)->sizeHintForColumn(section),
                    table->horizontalHeader()->sectionSizeHint(section)});
      table->horizontalHeader()->resizeSection(section, width);
      // A column without a header and without a value is no column for the user.
      bool blank = control.Cell(col, 0).empty();
      for (int row = control.FixedRows(); blank && row < control.RowCount(); ++row)
        blank = control.Cell(col, row).find_first_not_of(' ') == std::string::npos;
      table->setColumnHidden(section, blank);
    }
    table->verticalHeader()->setFixedWidth(Scaled(control.ColWidth(0)));
    if (corner) corner->setText(Q(control.Cell(0, 0)));
  });
  return table;
}

PictureView* Binder::Picture(const form::Picture& control) {
  auto* view = new PictureView(control);
  view->setObjectName(Q(control.Name()));
  Bind(control, [view] { view->PictureChanged(); });
  return view;
}

QSlider* Binder::Slider(form::Slider& control) {
  auto* slider = new QSlider(Qt::Horizontal);
  Describe(slider, control);
  slider->setObjectName(Q(control.Name()));
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setTickInterval(1);
  slider->setSingleStep(1);
  // Only the user's moves: the program setting the position raises no event.
  connect(slider, &QSlider::valueChanged, this,
          [this, &control](int position) { run_([&control, position] { control.Move(position); }); });
  Bind(control, [slider, &control] {
    const QSignalBlocker block(slider);
    slider->setRange(0, std::max(0, control.Count() - 1));
    slider->setPageStep(std::max(1, control.Count() / 10));
    slider->setValue(std::max(0, control.Position()));
    slider->setEnabled(control.Count() > 0);
    slider->setVisible(control.Visible());
  });
  return slider;
}

QTableView* Binder::Table(form::Table& control, std::vector<bool> rightAligned) {
  auto* table = new QTableView;
  table->setObjectName(Q(control.Name()));
  auto* model = new TableModel(control, std::move(rightAligned), table);
  table->setModel(model);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  // Ctrl+click and Shift+click select more rows (two saves to compare).
  table->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table->setWordWrap(false);
  table->setAlternatingRowColors(true);
  const int rowHeight = table->fontMetrics().height() + 4;
  table->verticalHeader()->setMinimumSectionSize(rowHeight);
  table->verticalHeader()->setDefaultSectionSize(rowHeight);
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // The row numbers' column is as wide from the start as four digits need.
  // Grown only when the first rows arrive, with the table on screen, it
  // shifted the cells to the right, and the window kept a strip of the
  // shifted cells beside the pages.
  table->verticalHeader()->setMinimumWidth(
      table->verticalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("9999")) +
      2 * table->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, table->verticalHeader()) + 2);
  QHeaderView* header = table->horizontalHeader();
  header->setSectionsClickable(true);
  header->setSortIndicatorShown(true);
  header->setHighlightSections(false);
  connect(header, &QHeaderView::sectionClicked, this,
          [this, &control](int column) { run_([&control, column] { control.ClickHeader(column); }); });
  // The user's selection goes to the control; the control's selection, set
  // with the rows, comes back without counting as the user's.
  auto applying = std::make_shared<bool>(false);
  auto selectedRows = [table] {
    std::vector<int> rows;
    for (const QModelIndex& index : table->selectionModel()->selectedRows()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
  };
  connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this, &control, applying, selectedRows] {
            if (*applying) return;
            run_([&control, rows = selectedRows()] { control.Select(rows); });
          });
  // Each column as wide as its widest text, until the user sets its width.
  auto autoWidths = std::make_shared<std::vector<int>>(control.Headers().size(), -1);
  // The rows as last shown: a change of the selection alone leaves the
  // model (and the view's current row) as it is.
  auto shownRows = std::make_shared<uint64_t>(UINT64_MAX);
  Bind(control, [table, model, header, autoWidths, applying, selectedRows, shownRows, &control] {
    const bool rowsChanged = *shownRows != control.RowsRevision();
    if (rowsChanged) {
      // The rows in a new order move the current row with its save; the
      // columns stay where the user scrolled them.
      QScrollBar* across = table->horizontalScrollBar();
      const int scrolled = across->value();
      *shownRows = control.RowsRevision();
      model->Reload();
      across->setValue(scrolled);
    }
    if (selectedRows() != control.SelectedRows()) {
      *applying = true;
      QItemSelection selection;
      const int lastColumn = model->columnCount() - 1;
      for (int row : control.SelectedRows()) selection.select(model->index(row, 0), model->index(row, lastColumn));
      table->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
      *applying = false;
    }
    {
      const QSignalBlocker block(header);
      if (control.SortColumn() < 0)
        header->setSortIndicator(-1, Qt::AscendingOrder);
      else
        header->setSortIndicator(control.SortColumn(),
                                 control.SortAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
    }
    if (!rowsChanged) return;
    // The text of most characters stands for the widest: one measure per
    // column, however many rows.
    QFont bold = table->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int margin = 2 * table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 8;
    for (int col = 0; col < int(control.Headers().size()); ++col) {
      const std::string* widest = nullptr;
      for (const auto& row : control.Rows())
        if (!widest || row[size_t(col)].size() > widest->size()) widest = &row[size_t(col)];
      const int cells = widest ? metrics.horizontalAdvance(Q(*widest)) + margin : 0;
      const int width = std::min(std::max(cells, header->sectionSizeHint(col)), Scaled(300));
      int& automatic = (*autoWidths)[size_t(col)];
      if (automatic < 0 || header->sectionSize(col) == automatic) {
        header->resizeSection(col, width);
        automatic = width;
      }
    }
  });
  return table;
}

HistoryChartView* Binder::Chart(const form::Chart& control) {
  auto* view = new HistoryChartView(int(control.Series().size()));
  Describe(view, control);
  view->setObjectName(Q(control.Name()));
  Bind(control, [view, &control] { view->Show(control); });
  return view;
}

}  // namespace tolvane::gui
