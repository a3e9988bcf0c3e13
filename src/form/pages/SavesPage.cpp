#include "form/pages/SavesPage.h"

#include <fmt/format.h>

#include <algorithm>
#include <system_error>
#include <unordered_set>

#include "form/FoldedText.h"
#include "form/Games.h"
#include "form/exports/SaveTableText.h"
#include "save/FileWrite.h"
#include "save/SaveError.h"
#include "save/Utf8Path.h"

namespace tolvane::form {

namespace fs = std::filesystem;

namespace {

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  for (size_t at = 0; at < text.size();) {
    const size_t start = text.find_first_not_of(' ', at);
    if (start == std::string_view::npos) break;
    const size_t end = std::min(text.find(' ', start), text.size());
    words.push_back(text.substr(start, end - start));
    at = end;
  }
  return words;
}

std::string Saves(size_t n) { return fmt::format("{} save{}", n, n == 1 ? "" : "s"); }

}  // namespace

SavesPage::SavesPage(PageList& pages) : Page({"Saves", "SavesSheet"}, pages) {
  table.SetSort(kFileNameColumn, true);
  table.OnSort([this] { ShowRows(); });
  filter.OnChange([this] { ShowRows(); });
  table.OnSelect([this] { TakeSelection(); });
  saveTable.SetEnabled(false);
  compare.SetEnabled(false);
  cancel.SetEnabled(false);
}

SavesPage::Entry SavesPage::Waiting(ListedSave file) {
  Entry entry{std::move(file)};
  entry.key = PathKey(entry.file.path);
  entry.row.cells[kFileNameColumn] = PathText(entry.file.path.filename());
  return entry;
}

bool SavesPage::OpenFolder(const fs::path& path) {
  std::vector<ListedSave> files;
  try {
    files = ListSaves(path);
  } catch (const SaveError& e) {
    messages_.Add(e.what());
    return false;
  }
  folder_ = path;
  folder.SetText(PathText(PathKey(path)));
  entries_.clear();
  selected_.clear();
  for (ListedSave& file : files) entries_.push_back(Waiting(std::move(file)));
  IndexEntries();
  reading_ = readingDone_ = 0;
  games_.clear();
  ShowRows();
  ShowProgress();
  if (onGames_) onGames_();
  return true;
}

bool SavesPage::Rescan() {
  if (folder_.empty()) return false;
  std::vector<ListedSave> files;
  try {
    files = ListSaves(folder_);
  } catch (const SaveError&) {
    files.clear();  // the folder is gone: so are its saves
  }
  bool changed = files.size() != entries_.size();
  std::vector<Entry> entries;
  entries.reserve(files.size());
  for (ListedSave& file : files) {
    Entry* known = Find(file.path);
    if (!known) {
      entries.push_back(Waiting(std::move(file)));
      changed = true;
      continue;
    }
    if (!(known->file == file)) {
      known->file = std::move(file);
      known->state = State::Waiting;
      changed = true;
    }
    entries.push_back(std::move(*known));
  }
  entries_ = std::move(entries);
  IndexEntries();
  if (changed) {
    ChainGames();
    ShowRows();
  }
  return changed;
}

void SavesPage::ReadAllAgain() {
  for (Entry& entry : entries_) entry.state = State::Waiting;
}

std::vector<fs::path> SavesPage::Listed() const {
  std::vector<fs::path> paths;
  for (const Entry& entry : entries_) paths.push_back(entry.file.path);
  return paths;
}

std::vector<fs::path> SavesPage::StartReading() {
  std::vector<fs::path> paths;
  for (Entry& entry : entries_)
    if (entry.state == State::Waiting) {
      entry.state = State::Reading;
      paths.push_back(entry.file.path);
    }
  if (paths.empty()) return paths;
  reading_ += paths.size();
  ShowProgress();
  return paths;
}

void SavesPage::SetRows(std::vector<std::pair<fs::path, SaveRow>> rows) {
  for (auto& [path, row] : rows) {
    if (reading_ > 0) --reading_, ++readingDone_;
    Entry* entry = Find(path);
    if (!entry) continue;
    entry->row = std::move(row);
    // A save that changed while it was read waits to be read again.
    if (entry->state == State::Reading) entry->state = State::Read;
  }
  if (reading_ == 0) readingDone_ = 0;
  ChainGames();
  ShowRows();
  ShowProgress();
}

void SavesPage::CancelReading() {
  for (Entry& entry : entries_)
    if (entry.state == State::Reading) entry.state = State::Skipped;
  reading_ = readingDone_ = 0;
  ShowRows();
  ShowProgress();
}

bool SavesPage::Lists(const fs::path& path) const { return !folder_.empty() && PathKey(path) == PathKey(folder_); }

SavesPage::Entry* SavesPage::Find(const fs::path& path) {
  const auto it = index_.find(PathKey(path).native());
  return it == index_.end() ? nullptr : &entries_[it->second];
}

void SavesPage::IndexEntries() {
  index_.clear();
  for (size_t i = 0; i < entries_.size(); ++i) index_.emplace(entries_[i].key.native(), i);
}

bool SavesPage::Matches(const SaveRow& row) const {
  for (std::string_view word : Words(filter.Text()))
    if (std::none_of(row.cells.begin(), row.cells.end(),
                     [word](const std::string& cell) { return ContainsFolded(cell, word); }))
      return false;
  return true;
}

void SavesPage::ChainGames() {
  // The rows are moved out and back: a row holds its save's replay.
  std::vector<SaveRow> rows;
  rows.reserve(entries_.size());
  for (Entry& entry : entries_) {
    // A save's game may change with the saves read since.
    for (const size_t column : {kGameColumn, kContinuesPreviousColumn, kContinuesColumn}) {
      entry.row.cells[column].clear();
      entry.row.values[column].reset();
    }
    rows.push_back(std::move(entry.row));
  }
  games_ = GroupGames(rows);
  FillGameColumns(rows, games_);
  for (size_t i = 0; i < entries_.size(); ++i) entries_[i].row = std::move(rows[i]);
  if (onGames_) onGames_();
}

void SavesPage::ShowRows() {
  shown_.clear();
  for (size_t i = 0; i < entries_.size(); ++i)
    if (Matches(entries_[i].row)) shown_.push_back(i);
  const int column = table.SortColumn();
  if (column >= 0) {
    // A row without anything to sort by goes last either way; equal rows
    // keep the folder's order.
    const bool up = table.SortAscending();
    std::stable_sort(shown_.begin(), shown_.end(), [&](size_t a, size_t b) {
      const SaveRow &ra = entries_[a].row, &rb = entries_[b].row;
      const bool hasA = SortsBy(ra, size_t(column)), hasB = SortsBy(rb, size_t(column));
      if (hasA != hasB) return hasA;
      if (!hasA) return false;
      const int order = CompareRows(ra, rb, size_t(column));
      return up ? order < 0 : order > 0;
    });
  }
  std::vector<std::vector<std::string>> rows;
  rows.reserve(shown_.size());
  int marked = -1;
  size_t failed = 0, unread = 0;
  for (const Entry& entry : entries_) {
    failed += entry.state == State::Read && !entry.row.loaded;
    unread += entry.state == State::Skipped;
  }
  const fs::path loaded = loadedPath_ && !loadedPath_->empty() ? PathKey(PathFromUtf8(*loadedPath_)) : fs::path();
  for (size_t i : shown_) {
    if (!loaded.empty() && entries_[i].key == loaded) marked = int(rows.size());
    rows.push_back(entries_[i].row.cells);
  }
  table.SetRows(std::move(rows), marked);
  std::unordered_set<fs::path::string_type> selected;
  for (const fs::path& key : selected_) selected.insert(key.native());
  std::vector<int> selectedRows;
  for (size_t row = 0; row < shown_.size(); ++row)
    if (selected.count(entries_[shown_[row]].key.native())) selectedRows.push_back(int(row));
  table.SetSelection(std::move(selectedRows));
  ShowCompare();

  std::string text = shown_.size() == entries_.size() ? Saves(entries_.size())
                                                      : fmt::format("{} of {}", shown_.size(), Saves(entries_.size()));
  if (failed) text += fmt::format(", {} could not be loaded", failed);
  if (unread) text += fmt::format(", {} not read", unread);
  count.SetText(folder_.empty() ? std::string() : text);
  saveTable.SetEnabled(!shown_.empty());
}

void SavesPage::ShowProgress() {
  progress.SetText(Reading() ? fmt::format("Reading saves: {} of {}", ReadingDone(), ReadingTotal()) : "");
  cancel.SetEnabled(Reading());
}

std::optional<fs::path> SavesPage::PathOfRow(int row) const {
  if (row < 0 || size_t(row) >= shown_.size()) return std::nullopt;
  return entries_[shown_[size_t(row)]].file.path;
}

void SavesPage::OpenRow(int row) {
  const std::optional<fs::path> save = PathOfRow(row);
  if (save && onOpen_) onOpen_(*save);
}

std::optional<fs::path> SavesPage::NeighbourSave(int step) const {
  const int marked = table.MarkedRow();
  const int rows = int(shown_.size());
  for (int row = marked >= 0 ? marked + step : step > 0 ? 0 : rows - 1; row >= 0 && row < rows; row += step) {
    const Entry& entry = entries_[shown_[size_t(row)]];
    if (entry.state != State::Read || entry.row.loaded) return entry.file.path;
  }
  return std::nullopt;
}

void SavesPage::TakeSelection() {
  selected_.clear();
  for (int row : table.SelectedRows()) selected_.push_back(entries_[shown_[size_t(row)]].key);
  ShowCompare();
}

std::vector<fs::path> SavesPage::SelectedSaves() const {
  std::vector<fs::path> paths;
  for (int row : table.SelectedRows()) paths.push_back(entries_[shown_[size_t(row)]].file.path);
  return paths;
}

std::optional<std::pair<fs::path, fs::path>> SavesPage::ComparedSaves() const {
  const auto& rows = table.SelectedRows();
  if (rows.size() != 2) return std::nullopt;
  const Entry& first = entries_[shown_[size_t(rows[0])]];
  const Entry& second = entries_[shown_[size_t(rows[1])]];
  for (const Entry* entry : {&first, &second})
    if (entry->state != State::Read || !entry->row.loaded) return std::nullopt;
  return std::pair{first.file.path, second.file.path};
}

void SavesPage::ShowCompare() { compare.SetEnabled(ComparedSaves().has_value()); }

std::vector<SaveRow> SavesPage::ShownRows() const {
  std::vector<SaveRow> rows;
  for (size_t i : shown_) rows.push_back(entries_[i].row);
  return rows;
}

GameFrames SavesPage::FramesOfGame(const fs::path& save) const {
  const fs::path key = PathKey(save);
  const auto isSave = [&](const ChainedSave& s) { return s.row < entries_.size() && entries_[s.row].key == key; };
  for (const Game& game : games_) {
    if (std::none_of(game.saves.begin(), game.saves.end(), isSave)) continue;
    GameFrames frames;
    for (const ChainedSave& s : game.saves) {
      if (s.row >= entries_.size() || !entries_[s.row].row.world) continue;
      if (isSave(s)) frames.own = int(frames.frames.size());
      frames.saves.push_back(entries_[s.row].file.path);
      frames.frames.push_back(entries_[s.row].row.world);
    }
    return frames;
  }
  return {};
}

void SavesPage::WriteTable(const fs::path& path) {
  try {
    WriteBytes(path, SaveTableCsv(ShownRows()));
  } catch (const SaveError& e) {
    messages_.Add(e.what());
  }
}

}  // namespace tolvane::form
