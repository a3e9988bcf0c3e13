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
  games.OnSort([this] { ShowGames(); });
  games.OnSelect([this] {
    TakeGameSelection();
    ShowRows();
  });
  groupByGame.OnClick([this] {
    ShowGames();
    ShowRows();
  });
  dropRules.OnClick([this] { DropRules(); });
  saveTable.SetEnabled(false);
  compare.SetEnabled(false);
  compareLink.SetEnabled(false);
  dropRules.SetEnabled(false);
  cancel.SetEnabled(false);
}

std::vector<std::string> SavesPage::GameLineHeaders() {
  return {"Game", "Name", "First player", "Saves", "Turns", "Link"};
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
  ChainGames();
  ShowRows();
  ShowProgress();
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
    // A save's game may change with the saves read since, its verdict with
    // the rules.
    for (const size_t column : {kGameColumn, kContinuesPreviousColumn, kContinuesColumn, kEvidenceColumn,
                                kRulesOkColumn, kRulesBrokenColumn}) {
      entry.row.cells[column].clear();
      entry.row.values[column].reset();
      entry.row.items[column].reset();
    }
    rows.push_back(std::move(entry.row));
  }
  games_ = GroupGames(rows);
  FillGameColumns(rows, games_);
  if (rules_) FillRulesColumns(rows, *rules_);
  for (size_t i = 0; i < entries_.size(); ++i) entries_[i].row = std::move(rows[i]);
  places_.assign(entries_.size(), Place{});
  for (size_t g = 0; g < games_.size(); ++g)
    for (size_t at = 0; at < games_[g].saves.size(); ++at) places_[games_[g].saves[at].row] = {int(g), at};
  ShowGames();
  if (onGames_) onGames_();
}

void SavesPage::ShowGames() {
  gameLines_.clear();
  if (groupByGame.Checked())
    for (size_t g = 0; g < games_.size(); ++g) gameLines_.push_back(g);
  const auto& entryOf = [this](const ChainedSave& save) -> const Entry& { return entries_[save.row]; };
  const int column = games.SortColumn();
  if (column >= 0) {
    // By number: the game, its saves, its turns; by text otherwise.
    const auto key = [&](size_t g) -> std::pair<int64_t, std::string> {
      const Game& game = games_[g];
      const SaveLineage& first = *entryOf(game.saves.front()).row.lineage;
      switch (column) {
        case 0:
          return {game.number, ""};
        case 1:
          return {0, first.settings.front()};
        case 2:
          return {0, entryOf(game.saves.front()).row.cells[kPlayerColumn]};
        case 3:
          return {int64_t(game.saves.size()), ""};
        case 4:
          return {first.gameTurn, ""};
        default: {
          const ChainedSave* broken = game.FirstBrokenLink();
          return {broken ? 1 : 0, broken ? entryOf(*broken).row.cells[kFileNameColumn] : ""};
        }
      }
    };
    const auto folded = [](std::string text) {
      std::transform(text.begin(), text.end(), text.begin(), Folded);
      return text;
    };
    const bool up = games.SortAscending();
    std::stable_sort(gameLines_.begin(), gameLines_.end(), [&](size_t a, size_t b) {
      auto ka = key(a), kb = key(b);
      ka.second = folded(std::move(ka.second)), kb.second = folded(std::move(kb.second));
      return up ? ka < kb : kb < ka;
    });
  }
  const fs::path loaded = loadedPath_ && !loadedPath_->empty() ? PathKey(PathFromUtf8(*loadedPath_)) : fs::path();
  std::vector<std::vector<std::string>> lines;
  std::vector<int> flagged, selectedLines;
  int marked = -1;
  for (const size_t g : gameLines_) {
    const Game& game = games_[g];
    const Entry& first = entryOf(game.saves.front());
    const SaveLineage& lineage = *first.row.lineage;
    const std::string& player = first.row.cells[kPlayerColumn];
    std::string link = "continuous";
    if (const ChainedSave* broken = game.FirstBrokenLink())
      link = fmt::format("{} does not continue the save before it: {}", entryOf(*broken).row.cells[kFileNameColumn],
                         broken->evidence);
    const int line = int(lines.size());
    bool breaks = false;
    for (const ChainedSave& save : game.saves) {
      breaks = breaks || entryOf(save).row.cells[kRulesOkColumn] == "no";
      if (!loaded.empty() && entryOf(save).key == loaded) marked = line;
    }
    if (breaks) flagged.push_back(line);
    if (std::find(selectedGames_.begin(), selectedGames_.end(), lineage.settings) != selectedGames_.end())
      selectedLines.push_back(line);
    lines.push_back(
        {std::to_string(game.number), lineage.settings.front().empty() ? "(no name)" : lineage.settings.front(),
         player.empty() ? "(no player shown)" : player, std::to_string(game.saves.size()),
         fmt::format("{} to {}", lineage.gameTurn, entryOf(game.saves.back()).row.lineage->gameTurn), std::move(link)});
  }
  games.SetRows(std::move(lines), marked, std::move(flagged));
  games.SetSelection(std::move(selectedLines));
}

void SavesPage::TakeGameSelection() {
  selectedGames_.clear();
  for (const int line : games.SelectedRows())
    selectedGames_.push_back(entries_[games_[gameLines_[size_t(line)]].saves.front().row].row.lineage->settings);
}

void SavesPage::OpenGame(int line) {
  if (line < 0 || size_t(line) >= gameLines_.size()) return;
  games.Select({line});
}

std::optional<std::pair<fs::path, fs::path>> SavesPage::LinkOf(size_t game, size_t at) const {
  if (at == 0 || at >= games_[game].saves.size()) return std::nullopt;
  return std::pair{entries_[games_[game].saves[at - 1].row].file.path, entries_[games_[game].saves[at].row].file.path};
}

std::optional<std::pair<fs::path, fs::path>> SavesPage::LinkedSaves() const {
  // The save selected, when it does not continue the save before it.
  if (table.SelectedRows().size() == 1) {
    const Place place = places_[shown_[size_t(table.SelectedRows().front())]];
    if (place.game >= 0 && games_[size_t(place.game)].saves[place.at].continuesPrevious == false)
      return LinkOf(size_t(place.game), place.at);
  }
  // Or else the first broken link of the game selected.
  if (groupByGame.Checked() && games.SelectedRows().size() == 1) {
    const size_t g = gameLines_[size_t(games.SelectedRows().front())];
    if (const ChainedSave* broken = games_[g].FirstBrokenLink())
      return LinkOf(g, size_t(broken - games_[g].saves.data()));
  }
  return std::nullopt;
}

bool SavesPage::OpenRules(const fs::path& path) {
  EventRulesRead read = ReadEventRules(path);
  if (!read.rules) {
    messages_.Add(fmt::format("{}: {}", PathText(path), read.error));
    return false;
  }
  rules_ = std::move(read.rules);
  rulesPath_ = path;
  rulesFile.SetText(PathText(path.filename()));
  dropRules.SetEnabled(true);
  ChainGames();
  ShowRows();
  return true;
}

void SavesPage::DropRules() {
  rules_.reset();
  rulesPath_.clear();
  rulesFile.SetText(std::string(kNoRules));
  dropRules.SetEnabled(false);
  ChainGames();
  ShowRows();
}

void SavesPage::ShowRows() {
  shown_.clear();
  // The games selected in the grouped view narrow the rows to their saves.
  std::vector<bool> inGames;
  if (groupByGame.Checked() && !games.SelectedRows().empty()) {
    inGames.assign(entries_.size(), false);
    for (const int line : games.SelectedRows())
      for (const ChainedSave& save : games_[gameLines_[size_t(line)]].saves) inGames[save.row] = true;
  }
  for (size_t i = 0; i < entries_.size(); ++i)
    if ((inGames.empty() || inGames[i]) && Matches(entries_[i].row)) shown_.push_back(i);
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
  std::vector<int> flagged;
  size_t failed = 0, unread = 0, breaking = 0;
  for (const Entry& entry : entries_) {
    failed += entry.state == State::Read && !entry.row.loaded;
    unread += entry.state == State::Skipped;
    breaking += entry.row.cells[kRulesOkColumn] == "no";
  }
  const fs::path loaded = loadedPath_ && !loadedPath_->empty() ? PathKey(PathFromUtf8(*loadedPath_)) : fs::path();
  for (size_t i : shown_) {
    if (!loaded.empty() && entries_[i].key == loaded) marked = int(rows.size());
    if (entries_[i].row.cells[kRulesOkColumn] == "no") flagged.push_back(int(rows.size()));
    rows.push_back(entries_[i].row.cells);
  }
  table.SetRows(std::move(rows), marked, std::move(flagged));
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
  if (breaking) text += fmt::format(", {} break{} the rules", breaking, breaking == 1 ? "s" : "");
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

void SavesPage::ShowCompare() {
  compare.SetEnabled(ComparedSaves().has_value());
  compareLink.SetEnabled(LinkedSaves().has_value());
}

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
