#include "gui/LineModels.h"

#include <QColor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPalette>
#include <QSize>

namespace tolvane::gui {

namespace {

QColor ColorOf(form::Rgb rgb) { return QColor(int(rgb >> 16 & 0xFF), int(rgb >> 8 & 0xFF), int(rgb & 0xFF)); }

// Characters, not bytes, of a UTF-8 text: enough to find the widest line of
// a fixed-pitch list without measuring every line.
size_t CharCount(const std::string& text) {
  size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}

}  // namespace

LinesModel::LinesModel(const form::ListBox* list, const form::RichText* rich, QFont font, QObject* parent)
    : QAbstractListModel(parent), list_(list), rich_(rich), font_(std::move(font)) {
  Reload();
}

int LinesModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

QVariant LinesModel::data(const QModelIndex& index, int role) const {
  const size_t row = size_t(index.row());
  if (!index.isValid() || int(row) >= rows_) return {};
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(rich_ ? rich_->Lines()[row].text : list_->Lines()[row]);
    case Qt::ForegroundRole:
      if (rich_) return ColorOf(rich_->Lines()[row].color);
      return {};
    case Qt::SizeHintRole:
      return rowSize_;
    default:
      return {};
  }
}

void LinesModel::Reload() {
  beginResetModel();
  rows_ = int(rich_ ? rich_->Lines().size() : list_->Lines().size());
  const std::string* widest = nullptr;
  size_t widestChars = 0;
  for (int row = 0; row < rows_; ++row) {
    const std::string& text = rich_ ? rich_->Lines()[size_t(row)].text : list_->Lines()[size_t(row)];
    if (const size_t n = CharCount(text); !widest || n > widestChars) widest = &text, widestChars = n;
  }
  const QFontMetrics metrics(font_);
  const int width = widest ? metrics.horizontalAdvance(QString::fromStdString(*widest)) : 0;
  rowSize_ = QSize(width + 2 * metrics.averageCharWidth(), metrics.lineSpacing() + 2);
  endResetModel();
}

GridModel::GridModel(const form::Grid& grid, QFont numberFont, QObject* parent)
    : QAbstractTableModel(parent),
      grid_(grid),
      numberFont_(std::move(numberFont)),
      rows_(grid.RowCount() - grid.FixedRows()) {}

int GridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_.ColCount() - 1; }

QString GridModel::Cell(int col, int row) const { return QString::fromStdString(grid_.Cell(col, row)); }

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_) return {};
  const int col = index.column() + 1, row = index.row() + grid_.FixedRows();
  switch (role) {
    case Qt::DisplayRole:
      return Cell(col, row);
    case Qt::FontRole: {
      const std::string& text = grid_.Cell(col, row);
      if (!text.empty() && (text[0] == ' ' || (text[0] >= '0' && text[0] <= '9'))) return numberFont_;
      return {};
    }
    case Qt::BackgroundRole:
      // The fixed columns after the first are drawn like the headers.
      if (col < grid_.FixedCols()) return QGuiApplication::palette().button();
      return {};
    default:
      return {};
  }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  if (orientation == Qt::Horizontal) return section + 1 < grid_.ColCount() ? Cell(section + 1, 0) : QVariant();
  return section < rows_ ? Cell(0, section + grid_.FixedRows()) : QVariant();
}

void GridModel::Reload() {
  // Same shape: only the texts change, and the view keeps its column widths
  // and scroll position.
  const int rows = grid_.RowCount() - grid_.FixedRows();
  if (rows != rows_) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
    return;
  }
  const int cols = columnCount();
  if (rows_ > 0 && cols > 0) Q_EMIT dataChanged(index(0, 0), index(rows_ - 1, cols - 1));
  if (cols > 0) Q_EMIT headerDataChanged(Qt::Horizontal, 0, cols - 1);
  if (rows_ > 0) Q_EMIT headerDataChanged(Qt::Vertical, 0, rows_ - 1);
}

TableModel::TableModel(const form::Table& table, std::vector<bool> rightAligned, QObject* parent)
    : QAbstractTableModel(parent),
      table_(table),
      rightAligned_(std::move(rightAligned)),
      rows_(int(table.Rows().size())) {}

int TableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int TableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(table_.Headers().size());
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
      return QString::fromStdString(table_.Rows()[size_t(index.row())][size_t(index.column())]);
    case Qt::FontRole:
      if (index.row() == table_.MarkedRow()) {
        QFont bold;
        bold.setBold(true);
        return bold;
      }
      return {};
    case Qt::BackgroundRole:
      // A flagged row (one that breaks a rule) is tinted red.
      if (table_.Flagged(index.row())) return QColor(0xFF, 0xD6, 0xD6);
      return {};
    case Qt::ForegroundRole:
      if (table_.Flagged(index.row())) return QColor(0x00, 0x00, 0x00);
      return {};
    case Qt::TextAlignmentRole:
      if (size_t(index.column()) < rightAligned_.size() && rightAligned_[size_t(index.column())])
        return int(Qt::AlignRight | Qt::AlignVCenter);
      return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  if (orientation == Qt::Horizontal)
    return section < columnCount() ? QString::fromStdString(table_.Headers()[size_t(section)]) : QVariant();
  if (section >= rows_) return {};
  return section == table_.MarkedRow() ? QStringLiteral("\u25B6") : QString::number(section + 1);
}

void TableModel::Reload() {
  // The same number of rows: only their texts change, and the view keeps its
  // selection and scroll position.
  const int rows = int(table_.Rows().size());
  if (rows != rows_) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
    return;
  }
  if (rows_ > 0) {
    Q_EMIT dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
    Q_EMIT headerDataChanged(Qt::Vertical, 0, rows_ - 1);
  }
}

}  // namespace tolvane::gui
