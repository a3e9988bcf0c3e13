// The "Saves" page: the saves of one folder side by side, one row each (the
// columns of form/SaveTable.h), sorted by a column the user picks and
// narrowed by a filter; the loaded save's row is marked. The saves read are
// grouped into games (form/Games.h): each row tells its game and whether it
// continues the save before it, and "Group by Game" shows a line per game.
// A rules file of an event (form/EventRules.h) judges every row and flags
// the rows that break a rule.
//
// The page lists the folder and keeps the rows. Reading the saves is the
// window's part: it takes the saves waiting for their row (StartReading),
// reads them on worker threads and brings the rows back (SetRows). A form
// that only loads a save (tolvane-report) leaves the page empty.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "form/EventRules.h"
#include "form/Games.h"
#include "form/Page.h"
#include "form/SaveFolder.h"
#include "form/SaveTable.h"
#include "form/pages/WorldTimelapse.h"

namespace tolvane::form {

class SavesPage : public Page {
 public:
  explicit SavesPage(PageList& pages);

  Button openFolder{controls_, {.name = "OpenFolderButton", .caption = "Open Folder…"}};
  Edit folder{controls_, {.name = "SavesFolderE", .caption = "Folder"}};
  Edit filter{controls_, {.name = "SavesFilterE", .caption = "Filter"}};
  Button saveTable{controls_, {.name = "SaveTableButton", .caption = "Save Table…"}};
  // Enabled while exactly two rows of saves that loaded are selected; the
  // window then compares them (ComparedSaves).
  Button compare{controls_, {.name = "CompareButton", .caption = "Compare"}};
  Table table{controls_, {.name = "SavesTable", .description = "Saves"}, SaveColumnHeaders()};
  Label count{controls_, {.name = "SavesCountL", .description = "Saves listed"}, ""};
  // In the window's status bar: how far the reading has come, and the
  // button that stops it (enabled while saves are being read).
  Label progress{controls_, {.name = "SavesProgressL", .description = "Reading saves"}, ""};
  Button cancel{controls_, {.name = "SavesCancelButton", .caption = "Cancel"}};
  // "Group by Game" shows the games table, a line per game; the saves table
  // then shows the saves of the games selected there (all while none is).
  CheckBox groupByGame{controls_, {.name = "GroupByGameCheckBox", .caption = "Group by Game"}};
  Table games{controls_, {.name = "GamesTable", .description = "Games"}, GameLineHeaders()};
  // Enabled while the one save selected does not continue the save before
  // it in its game, or else while the one game selected has a broken link;
  // the form then compares the two saves of that link (LinkedSaves).
  Button compareLink{controls_, {.name = "CompareLinkButton", .caption = "Compare Link"}};
  // The rules file in use (its file name) and the buttons that take one
  // (the form asks for the file) and stop using it.
  Button openRules{controls_, {.name = "OpenRulesButton", .caption = "Open Rules…"}};
  Label rulesFile{
      controls_, {.name = "SavesRulesL", .caption = "Rules", .description = "Rules file"}, std::string(kNoRules)};
  Button dropRules{controls_, {.name = "DropRulesButton", .caption = "Drop Rules"}};

  static constexpr std::string_view kNoRules = "No rules file";
  // The columns of the games table: "Game", "Name", "First player",
  // "Saves", "Turns", "Link".
  static std::vector<std::string> GameLineHeaders();

  // The page lists a folder the user chose: a load only marks its row
  // (MarkLoaded), and the rows, the filter and the order stay.
  void Fill() override {}
  void Reset() override {}

  // --- The folder.
  // Lists a folder's saves, each a row waiting to be read, in place of the
  // rows shown (the filter and the order stay). A folder that cannot be
  // listed adds a message and changes nothing. True on success.
  bool OpenFolder(const std::filesystem::path& folder);
  // Lists the folder again: a new save gets a waiting row, a save gone loses
  // its row, a save whose file changed (its size or time) waits to be read
  // again. True when a row came or went or waits anew.
  bool Rescan();
  // Every listed save waits to be read again (the calculators' settings
  // changed, say).
  void ReadAllAgain();
  const std::filesystem::path& Folder() const { return folder_; }
  // The page lists that folder (the same folder however it is written).
  bool Lists(const std::filesystem::path& folder) const;
  // The saves listed, in the folder's order.
  std::vector<std::filesystem::path> Listed() const;

  // --- Reading the saves.
  // The saves waiting to be read, now being read; the progress counts them.
  std::vector<std::filesystem::path> StartReading();
  // The rows of saves read. A row for a save no longer listed is dropped.
  void SetRows(std::vector<std::pair<std::filesystem::path, SaveRow>> rows);
  // The user stopped the reading: the saves not yet read keep waiting rows
  // until the folder is opened again.
  void CancelReading();
  bool Reading() const { return reading_ > 0; }
  size_t ReadingDone() const { return readingDone_; }
  size_t ReadingTotal() const { return readingDone_ + reading_; }

  // --- The rows.
  // Where the page finds the path of the save the pages show (UTF-8, ""
  // for none): the form's loaded save.
  void SetLoadedPath(const std::string* path) { loadedPath_ = path; }
  // Marks the row of the save the pages show anew (no row when it is not
  // listed), and the line of its game, after a load.
  void MarkLoaded() {
    ShowGames();
    ShowRows();
  }
  // The user opens a row (a double-click, Enter): the page's open event
  // runs with its save (the form loads it). Nothing for no such row.
  void OpenRow(int row);
  void OnOpen(std::function<void(const std::filesystem::path&)> h) { onOpen_ = std::move(h); }
  // The save of a row as shown (filtered and sorted); none for no such row.
  std::optional<std::filesystem::path> PathOfRow(int row) const;
  // The save `step` rows after (1) or before (-1) the marked row, as shown,
  // passing over saves that could not be loaded; without a marked row the
  // first (or the last). None at either end.
  std::optional<std::filesystem::path> NeighbourSave(int step) const;
  // The rows as shown: the filter and the order applied.
  std::vector<SaveRow> ShownRows() const;
  // The saves of the rows selected, in the order shown: the selection
  // follows its saves when the rows are sorted or filtered anew.
  std::vector<std::filesystem::path> SelectedSaves() const;
  // The two saves "Compare" compares, in the order shown; none unless
  // exactly two rows of saves that loaded are selected.
  std::optional<std::pair<std::filesystem::path, std::filesystem::path>> ComparedSaves() const;
  // "Save Table…": writes the rows as shown as CSV to `path`. A file that
  // cannot be written adds a message.
  void WriteTable(const std::filesystem::path& path);
  size_t SaveCount() const { return entries_.size(); }
  // The world frames of the game of a save, in turn order: those of the
  // game's saves read with their frame (SaveRow::world). None while the
  // save's row is not read or it belongs to no game.
  GameFrames FramesOfGame(const std::filesystem::path& save) const;
  // Runs whenever the rows were grouped into games anew (or the folder
  // changed).
  void OnGames(std::function<void()> h) { onGames_ = std::move(h); }

  // --- The games.
  // The games of the saves read, numbered in the order of each game's first
  // file name; their saves' rows index the page's saves in folder order.
  const std::vector<Game>& Games() const { return games_; }
  // The user opens a game's line (a double-click, Enter): it becomes the one
  // game selected, and only its saves show. Nothing for no such line.
  void OpenGame(int line);
  // The two saves "Compare Link" compares, the earlier first: the save
  // before the one that does not continue it, and that save.
  std::optional<std::pair<std::filesystem::path, std::filesystem::path>> LinkedSaves() const;

  // --- The rules.
  // Judges the rows by the rules file at `path` from now on. A file that
  // cannot be read or is refused adds a message naming it and changes
  // nothing: the rules in use before stay. True when the file is in use.
  bool OpenRules(const std::filesystem::path& path);
  // "Drop Rules": no rules file; the rules columns are empty again.
  void DropRules();
  // The rules file in use, empty for none.
  const std::filesystem::path& RulesPath() const { return rulesPath_; }

 private:
  enum class State { Waiting, Reading, Read, Skipped };
  struct Entry {
    ListedSave file;
    std::filesystem::path key;  // the path made absolute, to find a save by its path
    SaveRow row;
    State state = State::Waiting;
  };
  // Groups the rows read into games and writes each row's game and the
  // save it continues (the table's game columns), and the rules' verdict.
  void ChainGames();
  // Applies the filter, the games selected and the order and shows the
  // rows and their count.
  void ShowRows();
  // The games table's lines, in its order, the selection kept by game.
  void ShowGames();
  // The user's selection of games, kept as the games' settings.
  void TakeGameSelection();
  std::optional<std::pair<std::filesystem::path, std::filesystem::path>> LinkOf(size_t game, size_t at) const;
  void ShowProgress();
  bool Matches(const SaveRow& row) const;
  Entry* Find(const std::filesystem::path& path);
  // Builds the lookup of the entries by their key anew.
  void IndexEntries();
  // The user's selection of rows, kept as the entries' keys.
  void TakeSelection();
  void ShowCompare();
  static Entry Waiting(ListedSave file);

  std::filesystem::path folder_;
  std::vector<Entry> entries_;                                            // in folder order
  std::unordered_map<std::filesystem::path::string_type, size_t> index_;  // entries_ by key
  std::vector<size_t> shown_;                                             // the entries shown, in the order shown
  const std::string* loadedPath_ = nullptr;
  std::function<void(const std::filesystem::path&)> onOpen_;
  std::function<void()> onGames_;
  std::vector<std::filesystem::path> selected_;  // keys of the selected entries
  // The games, each entry's place in its game (its game's index in games_
  // and its own among the game's saves; -1 for none), the games in the
  // order of the games table, and the settings of the games selected there.
  struct Place {
    int game = -1;
    size_t at = 0;
  };
  using GameKey = decltype(SaveLineage::settings);
  std::vector<Game> games_;
  std::vector<Place> places_;
  std::vector<size_t> gameLines_;
  std::vector<GameKey> selectedGames_;
  std::optional<EventRules> rules_;
  std::filesystem::path rulesPath_;
  size_t reading_ = 0, readingDone_ = 0;
};

}  // namespace tolvane::form
