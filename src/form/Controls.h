// The controls of the window as plain state: what each one shows and the
// event it raises. The window's toolkit draws them; tolvane-report prints
// them. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "form/Raster.h"

namespace tolvane::form {

enum class ControlKind {
  Edit,
  Label,
  Button,
  CheckBox,
  ComboBox,
  ListBox,
  RichText,
  Grid,
  Chart,
  Picture,
  Table,
  Slider
};

// "edit", "label", "button", "checkbox", "combobox", "listbox", "richtext", "grid", "chart", "picture",
// "table", "slider".
std::string_view KindName(ControlKind kind);

// A colour as 0xRRGGBB.
using Rgb = uint32_t;
inline constexpr Rgb kBlack = 0x000000, kRed = 0xFF0000, kGreen = 0x008000, kBlue = 0x0000FF, kGrey = 0x808080,
                     kOlive = 0x808000, kPurple = 0x800080;
// "#RRGGBB", upper-case hex digits.
std::string RgbText(Rgb color);

class Control;

// Every control of a page (or of the window) in creation order, and the
// lookup by window name.
class ControlList {
 public:
  void Add(Control* control);
  const std::vector<Control*>& All() const { return controls_; }
  Control* Find(std::string_view name) const;

 private:
  std::vector<Control*> controls_;
  std::unordered_map<std::string_view, Control*> byName_;
};

// What an edit is for. A display edit shows a value of the save: the user may
// type over it, but nothing reads it back. An input is read by a calculator,
// as a whole number or a real number. A computed edit shows a calculator's
// result: the window does not let the user type into it (tolvane-report's
// --set still can). A no-value edit stands for a term that no save holds a
// value for: the window shows it disabled.
enum class EditRole { Display, IntegerInput, RealInput, Computed, NoValue };

// How a control is known: its window name (the toolkit's object name and
// the key of the report's JSON), the caption that stands beside it in the
// window (for a button or a check box, its own text), and a few words for
// what it shows where no caption says it. `role` concerns edits only.
struct ControlIdentity {
  std::string_view name;
  std::string_view caption = {};
  std::string_view description = {};
  EditRole role = EditRole::Display;
};

// What all controls share: a name and caption, a kind, and a revision that grows with
// every change of their state (a view redraws a control whose revision it
// has not seen).
class Control {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  const std::string& Description() const { return description_; }
  // The control's name for the user: its description, or else its caption
  // up to a translation in brackets ("PreSessions" for
  // "    PreSessions     (Число пресессий)").
  std::string Title() const;
  ControlKind Kind() const { return kind_; }
  uint64_t Revision() const { return revision_; }

  // The control's state now becomes its start state.
  virtual void KeepStartState() = 0;
  // Back to the start state, without an event (the revision grows). What
  // the user set on purpose stays: a check box's tick, the item picked in a
  // combo box (Picked).
  virtual void RestoreStartState() = 0;

 protected:
  Control(ControlList& list, ControlKind kind, const ControlIdentity& identity);
  void Changed() { ++revision_; }

 private:
  std::string name_, caption_, description_;
  ControlKind kind_;
  uint64_t revision_ = 0;
};

// The control as the class of its kind (Edit, Grid, ...), or nullptr when it
// is of another kind.
template <typename T>
const T* As(const Control* control) {
  return control && control->Kind() == T::kKind ? static_cast<const T*>(control) : nullptr;
}
template <typename T>
T* As(Control* control) {
  return control && control->Kind() == T::kKind ? static_cast<T*>(control) : nullptr;
}

using Handler = std::function<void()>;

// A single-line edit. Its change event runs on every change of the text,
// whether the user typed it or the program set it; its exit event runs when
// the focus leaves it.
class Edit : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::Edit;
  Edit(ControlList& list, const ControlIdentity& identity, std::string text = {});
  EditRole Role() const { return role_; }
  bool IsInput() const { return role_ == EditRole::IntegerInput || role_ == EditRole::RealInput; }
  const std::string& Text() const { return text_; }
  // A new text; an input refused before is no longer marked once its text is
  // a number.
  void SetText(std::string text);
  // Whether a calculator refused the input's text and it is still refused.
  bool Marked() const { return marked_; }
  // A calculator refused the text (Marked), or read it (not Marked).
  void SetMarked(bool marked);
  void Exit() const;
  void OnChange(Handler h) { onChange_ = std::move(h); }
  void OnExit(Handler h) { onExit_ = std::move(h); }
  bool HasExitHandler() const { return bool(onExit_); }
  void KeepStartState() override { startText_ = text_; }
  // The start text, no longer marked.
  void RestoreStartState() override;

 private:
  EditRole role_;
  std::string text_, startText_;
  bool marked_ = false;
  Handler onChange_, onExit_;
};

// A label whose text the program sets (beside its static caption).
class Label : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::Label;
  Label(ControlList& list, const ControlIdentity& identity, std::string text);
  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  void KeepStartState() override { startText_ = text_; }
  void RestoreStartState() override;

 private:
  std::string text_, startText_;
};

class Button : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::Button;
  Button(ControlList& list, const ControlIdentity& identity);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // The user's click: the click event runs, unless the button is disabled.
  void Click();
  void OnClick(Handler h) { onClick_ = std::move(h); }
  void KeepStartState() override { startEnabled_ = enabled_; }
  void RestoreStartState() override;

 private:
  bool enabled_ = true, startEnabled_ = true;
  Handler onClick_;
};

class CheckBox : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::CheckBox;
  CheckBox(ControlList& list, const ControlIdentity& identity, bool checked = false);
  bool Checked() const { return checked_; }
  // The user's click: the state toggles, then the click event runs.
  void Click();
  void OnClick(Handler h) { onClick_ = std::move(h); }
  // Only the user ticks a check box: its tick is kept.
  void KeepStartState() override {}
  void RestoreStartState() override {}

 private:
  bool checked_ = false;
  Handler onClick_;
};

// A drop-down list whose text can also be typed over. Setting the index from
// the program raises no event; the user's choice or typing raises the
// change event.
class ComboBox : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::ComboBox;
  ComboBox(ControlList& list, const ControlIdentity& identity, int dropDownCount, std::vector<std::string> items = {},
           int index = -1);
  const std::vector<std::string>& Items() const { return items_; }
  int Index() const { return index_; }  // -1: no item selected
  const std::string& Text() const { return text_; }
  bool Visible() const { return visible_; }
  int DropDownCount() const { return dropDownCount_; }
  // The text of the item the user picked last; empty when the user typed a
  // text since, or never picked one. The program's SetIndex leaves it.
  const std::string& Picked() const { return picked_; }

  // Removes every item; no item is selected and the text is empty.
  void Clear();
  void Add(std::string item);
  // Selects an item (its text is shown) or, with -1, nothing (empty text).
  void SetIndex(int index);
  void SetVisible(bool visible);
  void SetDropDownCount(int rows);

  // The user picks item `index` (0 .. items - 1).
  void Select(int index);
  // The user types a text: no item is selected any more.
  void Type(std::string text);
  void OnChange(Handler h) { onChange_ = std::move(h); }
  void KeepStartState() override;
  // The start items and selection; the item the user picked (Picked) stays
  // selected while the items hold it.
  void RestoreStartState() override;

 private:
  struct State {
    std::vector<std::string> items;
    int index = -1;
    std::string text;
    bool visible = true;
    int dropDownCount = 0;
  };
  std::vector<std::string> items_;
  int index_ = -1;
  std::string text_;
  bool visible_ = true;
  int dropDownCount_;
  std::string picked_;
  State start_;
  Handler onChange_;
};

class ListBox : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::ListBox;
  ListBox(ControlList& list, const ControlIdentity& identity);
  const std::vector<std::string>& Lines() const { return lines_; }
  void Clear();
  void Add(std::string line);
  void KeepStartState() override { startLines_ = lines_; }
  void RestoreStartState() override;

 private:
  std::vector<std::string> lines_, startLines_;
};

struct RichLine {
  std::string text;
  Rgb color = kBlack;
  bool operator==(const RichLine&) const = default;
};

// A rich-text box: each appended line takes the colour set last.
class RichText : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::RichText;
  RichText(ControlList& list, const ControlIdentity& identity);
  const std::vector<RichLine>& Lines() const { return lines_; }
  void Clear();
  void SetColor(Rgb color) { color_ = color; }
  void Append(std::string text);
  void KeepStartState() override;
  void RestoreStartState() override;

 private:
  std::vector<RichLine> lines_, startLines_;
  Rgb color_ = kBlack, startColor_ = kBlack;
};

// A string grid: cells by column and row, row 0 and column 0 first.
class Grid : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::Grid;
  static constexpr int kDefaultColWidth = 100;
  Grid(ControlList& list, const ControlIdentity& identity, int cols, int rows, int fixedCols, int fixedRows);
  int ColCount() const { return cols_; }
  int RowCount() const { return int(cells_.size()); }
  int FixedCols() const { return fixedCols_; }
  int FixedRows() const { return fixedRows_; }
  const std::string& Cell(int col, int row) const { return cells_[size_t(row)][size_t(col)]; }
  const std::vector<std::vector<std::string>>& Rows() const { return cells_; }
  int ColWidth(int col) const { return widths_[size_t(col)]; }

  void SetCell(int col, int row, std::string text);
  // New rows start with empty cells; removed rows lose theirs.
  void SetRowCount(int rows);
  void SetColWidth(int col, int width);
  void KeepStartState() override;
  void RestoreStartState() override;

 private:
  int cols_, fixedCols_, fixedRows_;
  std::vector<std::vector<std::string>> cells_, startCells_;
  std::vector<int> widths_, startWidths_;
};

// A table of text rows under column headers that the user sorts by clicking
// a header: the rows in the order shown, the column they are sorted by, one
// marked row, the rows flagged (a row that breaks a rule, say) and the rows
// the user selected. The program sets the rows; the
// page that owns the table orders them and keeps the selection with them.
class Table : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::Table;
  Table(ControlList& list, const ControlIdentity& identity, std::vector<std::string> headers);
  const std::vector<std::string>& Headers() const { return headers_; }
  const std::vector<std::vector<std::string>>& Rows() const { return rows_; }
  int SortColumn() const { return sortColumn_; }  // -1: in the order given
  bool SortAscending() const { return ascending_; }
  int MarkedRow() const { return marked_; }  // -1: none
  // The flagged rows as shown, ascending.
  const std::vector<int>& FlaggedRows() const { return flagged_; }
  bool Flagged(int row) const;
  // The selected rows as shown, ascending.
  const std::vector<int>& SelectedRows() const { return selected_; }
  // Grows with every SetRows (a view reloads the rows only then, not when
  // only the selection changed).
  uint64_t RowsRevision() const { return rowsRevision_; }

  // Each row holds one cell per header; the selection is cleared.
  void SetRows(std::vector<std::vector<std::string>> rows, int marked, std::vector<int> flagged = {});
  void SetSort(int column, bool ascending);
  // Selects rows (in any order; rows outside the table are dropped). No
  // event runs.
  void SetSelection(std::vector<int> rows);

  // The user clicks a column header: a second click on the sorting column
  // turns its order round, a click on another column sorts by it upwards;
  // then the sort event runs.
  void ClickHeader(int column);
  void OnSort(Handler h) { onSort_ = std::move(h); }
  // The user selects rows (with the mouse or the keyboard): the selection
  // becomes `rows`, then the select event runs.
  void Select(std::vector<int> rows);
  void OnSelect(Handler h) { onSelect_ = std::move(h); }
  void KeepStartState() override;
  void RestoreStartState() override;

 private:
  struct State {
    std::vector<std::vector<std::string>> rows;
    int sortColumn = -1;
    bool ascending = true;
    int marked = -1;
    std::vector<int> flagged;
  };
  std::vector<std::string> headers_;
  std::vector<std::vector<std::string>> rows_;
  int sortColumn_ = -1;
  bool ascending_ = true;
  int marked_ = -1;
  std::vector<int> flagged_;
  State start_;
  std::vector<int> selected_;
  uint64_t rowsRevision_ = 0;
  Handler onSort_, onSelect_;
};

struct ChartSeries {
  std::string title;
  Rgb color = kBlack;
  int width = 2;
  bool legend = true;
  std::vector<std::pair<int32_t, int32_t>> points;  // (x, y), x ascending
};

// A line chart with a fixed set of series and a value axis whose limits the
// program sets.
class Chart : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::Chart;
  Chart(ControlList& list, const ControlIdentity& identity, std::vector<ChartSeries> series);
  const std::vector<ChartSeries>& Series() const { return series_; }
  int64_t AxisMin() const { return min_; }
  int64_t AxisMax() const { return max_; }

  void ClearSeries(int s);
  void SetTitle(int s, std::string title);
  void SetLegend(int s, bool shown);
  void AddPoint(int s, int32_t x, int32_t y);
  // Replaces the points of series s.
  void SetPoints(int s, std::vector<std::pair<int32_t, int32_t>> points);
  void SetAxis(int64_t min, int64_t max);
  void KeepStartState() override;
  void RestoreStartState() override;

 private:
  std::vector<ChartSeries> series_, startSeries_;
  int64_t min_ = 0, max_ = 0, startMin_ = 0, startMax_ = 0;
};

// A picture the program draws, such as the map: a raster that is drawn when
// a view or an export first asks for it after a change, so that a picture
// nobody looks at costs nothing.
class Picture : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::Picture;
  using Painter = std::function<Raster()>;
  Picture(ControlList& list, const ControlIdentity& identity);
  // The picture, drawn now if it has changed since it was last asked for
  // (an empty raster until a painter is set).
  const Raster& Image() const;
  // A new drawing: the painter runs when the picture is next asked for.
  void SetPainter(Painter painter);
  void KeepStartState() override { startPainter_ = painter_; }
  void RestoreStartState() override { SetPainter(startPainter_); }

 private:
  Painter painter_, startPainter_;
  mutable std::optional<Raster> image_;
};

// A slider over `Count()` positions, 0 .. Count() - 1, one of them taken
// (-1 while there is none). The program sets its range and position without
// an event; the user's move raises the change event.
class Slider : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::Slider;
  Slider(ControlList& list, const ControlIdentity& identity);
  int Count() const { return count_; }
  int Position() const { return position_; }
  bool Visible() const { return visible_; }

  // `count` positions with `position` taken (kept inside the range).
  void SetRange(int count, int position);
  void SetPosition(int position);
  void SetVisible(bool visible);
  // The user moves the slider to `position` (0 .. Count() - 1): the change
  // event runs when the position changed.
  void Move(int position);
  void OnChange(Handler h) { onChange_ = std::move(h); }
  void KeepStartState() override;
  void RestoreStartState() override;

 private:
  int count_ = 0, position_ = -1;
  bool visible_ = true;
  int startCount_ = 0, startPosition_ = -1;
  bool startVisible_ = true;
  Handler onChange_;
};

}  // namespace tolvane::form
