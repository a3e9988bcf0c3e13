// The "Saves" page: the saves of one folder side by side, one row each (the
// columns of form/SaveTable.h), sorted by a column the user picks and
// narrowed by a filter; the loaded save's row is marked.
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
#include <unordered_map>
#include <utility>
#include <vector>

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
  // listed), after a load.
  void MarkLoaded() { ShowRows(); }
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

 private:
  enum class State { Waiting, Reading, Read, Skipped };
  struct Entry {
    ListedSave file;
    std::filesystem::path key;  // the path made absolute, to find a save by its path
    SaveRow row;
    State state = State::Waiting;
  };
  // Applies the filter and the order and shows the rows and their count.
  // Groups the rows read into games and writes each row's game and the
  // save it continues (the table's game columns).
  void ChainGames();
  void ShowRows();
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
  std::vector<Game> games_;  // the entries' games (ChainedSave::row indexes entries_)
  std::function<void()> onGames_;
  std::vector<std::filesystem::path> selected_;  // keys of the selected entries
  size_t reading_ = 0, readingDone_ = 0;
};

}  // namespace tolvane::form
