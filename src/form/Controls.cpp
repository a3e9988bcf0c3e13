#include "form/Controls.h"

#include <fmt/format.h>

#include <algorithm>
#include <stdexcept>

#include "form/NumberText.h"

namespace tolvane::form {

std::string_view KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Edit:
      return "edit";
    case ControlKind::Label:
      return "label";
    case ControlKind::Button:
      return "button";
    case ControlKind::CheckBox:
      return "checkbox";
    case ControlKind::ComboBox:
      return "combobox";
    case ControlKind::ListBox:
      return "listbox";
    case ControlKind::RichText:
      return "richtext";
    case ControlKind::Grid:
      return "grid";
    case ControlKind::Chart:
      return "chart";
    case ControlKind::Picture:
      return "picture";
    case ControlKind::Table:
      return "table";
    case ControlKind::Slider:
      return "slider";
  }
  return "?";
}

std::string RgbText(Rgb color) { return fmt::format("#{:06X}", color & 0xFFFFFF); }

void ControlList::Add(Control* control) {
  if (!byName_.emplace(control->Name(), control).second)
    throw std::logic_error("two controls named " + control->Name());
  controls_.push_back(control);
}

Control* ControlList::Find(std::string_view name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

Control::Control(ControlList& list, ControlKind kind, const ControlIdentity& identity)
    : name_(identity.name), caption_(identity.caption), description_(identity.description), kind_(kind) {
  list.Add(this);
}

std::string Control::Title() const {
  if (!description_.empty()) return description_;
  std::string_view words = caption_;
  if (const size_t bracket = words.find(" ("); bracket != std::string_view::npos) words = words.substr(0, bracket);
  std::string title;
  for (size_t i = 0; i < words.size(); ++i)
    if (words[i] != ' ' || (!title.empty() && title.back() != ' ')) title += words[i];
  while (!title.empty() && title.back() == ' ') title.pop_back();
  return title;
}

Edit::Edit(ControlList& list, const ControlIdentity& identity, std::string text)
    : Control(list, ControlKind::Edit, identity), role_(identity.role), text_(std::move(text)) {}

void Edit::SetText(std::string text) {
  text_ = std::move(text);
  if (marked_) {
    try {
      if (role_ == EditRole::RealInput)
        ParseFloat(text_);
      else
        ParseInt(text_);
      marked_ = false;
    } catch (const InputError&) {
    }
  }
  Changed();
  if (onChange_) onChange_();
}

void Edit::SetMarked(bool marked) {
  if (marked_ == marked) return;
  marked_ = marked;
  Changed();
}

void Edit::RestoreStartState() {
  text_ = startText_;
  marked_ = false;
  Changed();
}

void Edit::Exit() const {
  if (onExit_) onExit_();
}

Label::Label(ControlList& list, const ControlIdentity& identity, std::string text)
    : Control(list, ControlKind::Label, identity), text_(std::move(text)) {}

void Label::SetText(std::string text) {
  text_ = std::move(text);
  Changed();
}

void Label::RestoreStartState() {
  text_ = startText_;
  Changed();
}

Button::Button(ControlList& list, const ControlIdentity& identity) : Control(list, ControlKind::Button, identity) {}

void Button::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}

void Button::Click() {
  if (enabled_ && onClick_) onClick_();
}

void Button::RestoreStartState() {
  enabled_ = startEnabled_;
  Changed();
}

CheckBox::CheckBox(ControlList& list, const ControlIdentity& identity, bool checked)
    : Control(list, ControlKind::CheckBox, identity), checked_(checked) {}

void CheckBox::Click() {
  checked_ = !checked_;
  Changed();
  if (onClick_) onClick_();
}

ComboBox::ComboBox(ControlList& list, const ControlIdentity& identity, int dropDownCount,
                   std::vector<std::string> items, int index)
    : Control(list, ControlKind::ComboBox, identity), items_(std::move(items)), dropDownCount_(dropDownCount) {
  SetIndex(index);
}

void ComboBox::KeepStartState() { start_ = {items_, index_, text_, visible_, dropDownCount_}; }

void ComboBox::RestoreStartState() {
  items_ = start_.items;
  index_ = start_.index;
  text_ = start_.text;
  visible_ = start_.visible;
  dropDownCount_ = start_.dropDownCount;
  // The item the user picked stays selected while the list holds it.
  if (const auto picked = std::find(items_.begin(), items_.end(), picked_);
      !picked_.empty() && picked != items_.end()) {
    index_ = int(picked - items_.begin());
    text_ = picked_;
  }
  Changed();
}

void ComboBox::Clear() {
  items_.clear();
  index_ = -1;
  text_.clear();
  Changed();
}

void ComboBox::Add(std::string item) {
  items_.push_back(std::move(item));
  Changed();
}

void ComboBox::SetIndex(int index) {
  if (index < -1 || index >= int(items_.size())) throw std::out_of_range(fmt::format("{}: no item {}", Name(), index));
  index_ = index;
  text_ = index < 0 ? std::string() : items_[size_t(index)];
  Changed();
}

void ComboBox::SetVisible(bool visible) {
  visible_ = visible;
  Changed();
}

void ComboBox::SetDropDownCount(int rows) {
  dropDownCount_ = rows;
  Changed();
}

void ComboBox::Select(int index) {
  if (index < 0) throw std::out_of_range(fmt::format("{}: no item {}", Name(), index));
  SetIndex(index);
  picked_ = text_;
  if (onChange_) onChange_();
}

void ComboBox::Type(std::string text) {
  index_ = -1;
  picked_.clear();
  text_ = std::move(text);
  Changed();
  if (onChange_) onChange_();
}

ListBox::ListBox(ControlList& list, const ControlIdentity& identity) : Control(list, ControlKind::ListBox, identity) {}

void ListBox::Clear() {
  lines_.clear();
  Changed();
}

void ListBox::Add(std::string line) {
  lines_.push_back(std::move(line));
  Changed();
}

void ListBox::RestoreStartState() {
  lines_ = startLines_;
  Changed();
}

RichText::RichText(ControlList& list, const ControlIdentity& identity)
    : Control(list, ControlKind::RichText, identity) {}

void RichText::Clear() {
  lines_.clear();
  Changed();
}

void RichText::Append(std::string text) {
  lines_.push_back({std::move(text), color_});
  Changed();
}

void RichText::KeepStartState() {
  startLines_ = lines_;
  startColor_ = color_;
}

void RichText::RestoreStartState() {
  lines_ = startLines_;
  color_ = startColor_;
  Changed();
}

Grid::Grid(ControlList& list, const ControlIdentity& identity, int cols, int rows, int fixedCols, int fixedRows)
    : Control(list, ControlKind::Grid, identity),
      cols_(cols),
      fixedCols_(fixedCols),
      fixedRows_(fixedRows),
      cells_(size_t(rows), std::vector<std::string>(size_t(cols))),
      widths_(size_t(cols), kDefaultColWidth) {}

void Grid::SetCell(int col, int row, std::string text) {
  cells_.at(size_t(row)).at(size_t(col)) = std::move(text);
  Changed();
}

void Grid::SetRowCount(int rows) {
  cells_.resize(size_t(rows), std::vector<std::string>(size_t(cols_)));
  Changed();
}

void Grid::SetColWidth(int col, int width) {
  widths_.at(size_t(col)) = width;
  Changed();
}

void Grid::KeepStartState() {
  startCells_ = cells_;
  startWidths_ = widths_;
}

void Grid::RestoreStartState() {
  cells_ = startCells_;
  widths_ = startWidths_;
  Changed();
}

Table::Table(ControlList& list, const ControlIdentity& identity, std::vector<std::string> headers)
    : Control(list, ControlKind::Table, identity), headers_(std::move(headers)) {}

void Table::SetRows(std::vector<std::vector<std::string>> rows, int marked, std::vector<int> flagged) {
  for (const auto& row : rows)
    if (row.size() != headers_.size())
      throw std::logic_error(
          fmt::format("{}: a row of {} cells under {} headers", Name(), row.size(), headers_.size()));
  if (marked < -1 || marked >= int(rows.size())) throw std::out_of_range(fmt::format("{}: no row {}", Name(), marked));
  std::sort(flagged.begin(), flagged.end());
  flagged.erase(std::unique(flagged.begin(), flagged.end()), flagged.end());
  if (!flagged.empty() && (flagged.front() < 0 || flagged.back() >= int(rows.size())))
    throw std::out_of_range(fmt::format("{}: a flag on no row", Name()));
  rows_ = std::move(rows);
  marked_ = marked;
  flagged_ = std::move(flagged);
  selected_.clear();
  ++rowsRevision_;
  Changed();
}

bool Table::Flagged(int row) const { return std::binary_search(flagged_.begin(), flagged_.end(), row); }

void Table::SetSelection(std::vector<int> rows) {
  std::erase_if(rows, [this](int row) { return row < 0 || row >= int(rows_.size()); });
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  if (rows == selected_) return;
  selected_ = std::move(rows);
  Changed();
}

void Table::Select(std::vector<int> rows) {
  SetSelection(std::move(rows));
  if (onSelect_) onSelect_();
}

void Table::SetSort(int column, bool ascending) {
  if (column < -1 || column >= int(headers_.size()))
    throw std::out_of_range(fmt::format("{}: no column {}", Name(), column));
  sortColumn_ = column;
  ascending_ = ascending;
  Changed();
}

void Table::ClickHeader(int column) {
  SetSort(column, column == sortColumn_ ? !ascending_ : true);
  if (onSort_) onSort_();
}

void Table::KeepStartState() { start_ = {rows_, sortColumn_, ascending_, marked_, flagged_}; }

void Table::RestoreStartState() {
  rows_ = start_.rows;
  sortColumn_ = start_.sortColumn;
  ascending_ = start_.ascending;
  marked_ = start_.marked;
  flagged_ = start_.flagged;
  selected_.clear();
  ++rowsRevision_;
  Changed();
}

Chart::Chart(ControlList& list, const ControlIdentity& identity, std::vector<ChartSeries> series)
    : Control(list, ControlKind::Chart, identity), series_(std::move(series)) {}

void Chart::ClearSeries(int s) {
  series_.at(size_t(s)).points.clear();
  Changed();
}

void Chart::SetTitle(int s, std::string title) {
  series_.at(size_t(s)).title = std::move(title);
  Changed();
}

void Chart::SetLegend(int s, bool shown) {
  series_.at(size_t(s)).legend = shown;
  Changed();
}

void Chart::AddPoint(int s, int32_t x, int32_t y) {
  series_.at(size_t(s)).points.emplace_back(x, y);
  Changed();
}

void Chart::SetPoints(int s, std::vector<std::pair<int32_t, int32_t>> points) {
  series_.at(size_t(s)).points = std::move(points);
  Changed();
}

void Chart::SetAxis(int64_t min, int64_t max) {
  min_ = min;
  max_ = max;
  Changed();
}

void Chart::KeepStartState() {
  startSeries_ = series_;
  startMin_ = min_;
  startMax_ = max_;
}

void Chart::RestoreStartState() {
  series_ = startSeries_;
  min_ = startMin_;
  max_ = startMax_;
  Changed();
}

Picture::Picture(ControlList& list, const ControlIdentity& identity) : Control(list, ControlKind::Picture, identity) {}

const Raster& Picture::Image() const {
  if (!image_) image_ = painter_ ? painter_() : Raster{};
  return *image_;
}

void Picture::SetPainter(Painter painter) {
  painter_ = std::move(painter);
  image_.reset();
  Changed();
}

Slider::Slider(ControlList& list, const ControlIdentity& identity) : Control(list, ControlKind::Slider, identity) {}

void Slider::SetRange(int count, int position) {
  count_ = std::max(0, count);
  position_ = count_ == 0 ? -1 : std::clamp(position, 0, count_ - 1);
  Changed();
}

void Slider::SetPosition(int position) { SetRange(count_, position); }

void Slider::SetVisible(bool visible) {
  visible_ = visible;
  Changed();
}

void Slider::Move(int position) {
  if (position < 0 || position >= count_ || position == position_) return;
  position_ = position;
  Changed();
  if (onChange_) onChange_();
}

void Slider::KeepStartState() {
  startCount_ = count_;
  startPosition_ = position_;
  startVisible_ = visible_;
}

void Slider::RestoreStartState() {
  count_ = startCount_;
  position_ = startPosition_;
  visible_ = startVisible_;
  Changed();
}

}  // namespace tolvane::form
