// Item models that read the form's controls in place: the lines of a list or
// rich-text box, the cells of a string grid. A view asks only for the rows it
// shows, so a log of thousands of lines costs nothing until it is scrolled.
#pragma once

#include <QAbstractListModel>
#include <QAbstractTableModel>
#include <QFont>
#include <QSize>
#include <vector>

#include "form/Controls.h"

namespace tolvane::gui {

// The lines of a ListBox or a RichText control; a rich-text line carries its
// colour in the foreground role. Every row reports the size of the widest
// line so that a view with uniform row sizes scrolls across the whole text.
class LinesModel : public QAbstractListModel {
  Q_OBJECT
 public:
  LinesModel(const form::ListBox* list, const form::RichText* rich, QFont font, QObject* parent);
  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  // Takes the control's lines anew.
  void Reload();

 private:
  const form::ListBox* list_;
  const form::RichText* rich_;
  QFont font_;
  int rows_ = 0;
  QSize rowSize_;
};

// A string grid: row 0 is the horizontal header, column 0 the vertical
// header; the other fixed columns are ordinary columns drawn like headers.
// Cells that start with a blank or a digit are padded numbers and take the
// fixed-pitch font, so that their columns line up.
class GridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  GridModel(const form::Grid& grid, QFont numberFont, QObject* parent);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // The text of the grid's cell at (col, row), as the view shows it.
  QString Cell(int col, int row) const;
  void Reload();

 private:
  const form::Grid& grid_;
  QFont numberFont_;
  int rows_ = 0;
};

// A sortable table: the rows in the order the page shows them, the marked
// row in bold with "▶" in its header (the other rows numbered), the columns
// given as right-aligned so. The view sorts nothing itself.
class TableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  TableModel(const form::Table& table, std::vector<bool> rightAligned, QObject* parent);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  void Reload();

 private:
  const form::Table& table_;
  std::vector<bool> rightAligned_;
  int rows_ = 0;
};

}  // namespace tolvane::gui
