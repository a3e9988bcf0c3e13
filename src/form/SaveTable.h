// The table of many saves: one row per save, the same columns in the
// window's Saves page and in `tolvane-report --table`. Each column has a key
// (the CSV header and the JSON key), the header the window and the text
// table show, and the way its cells sort.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/SaveLineage.h"
#include "form/exports/WorldFrame.h"

namespace tolvane::form {

// How the cells of a column compare: as text (ignoring the case of A to Z),
// or by the value each cell stands for: a whole number, a date (a year of the
// game's calendar, before Christ negative, or a file time), a turn (the
// current turn, then the last turn) or a duration (in seconds).
enum class SortKind { Text, Number, Date, Turn, Duration };

struct SaveColumn {
  std::string_view key;     // snake_case
  std::string_view header;  // as the window shows it
  SortKind sort;
};

// The columns in their order; the constants below index them.
enum SaveColumnIndex : size_t {
  kFileNameColumn,
  kFileDateColumn,
  kPlayerColumn,
  kLeaderColumn,
  kCivilizationColumn,
  kDifficultyColumn,
  kGameSpeedColumn,
  kWorldSizeColumn,
  kMapScriptColumn,
  kTurnColumn,
  kDateColumn,
  kGameStatusColumn,
  kGameScoreColumn,
  kFinalScoreColumn,
  kKavrelScoreColumn,
  kSessionsColumn,
  kPreSessionsColumn,
  kPlaySessionsColumn,
  kAverageSessionTimeColumn,
  kPlayingTimeColumn,
  kPlayersColumn,
  kVictoriesColumn,
  kOptionsColumn,
  // Filled once every row of the table is read: the save's game and its
  // verdict (Games.h), and the verdict of a rules file (EventRules.h).
  kGameColumn,
  kContinuesPreviousColumn,
  kContinuesColumn,
  kEvidenceColumn,
  kRulesOkColumn,
  kRulesBrokenColumn,
  kErrorColumn,
  kSaveColumnCount
};

inline constexpr std::array<SaveColumn, kSaveColumnCount> kSaveColumns = {{
    {"file_name", "File", SortKind::Text},
    {"file_date", "File date", SortKind::Date},
    {"player", "Player", SortKind::Text},
    {"leader", "Leader", SortKind::Text},
    {"civilization", "Civilization", SortKind::Text},
    {"difficulty", "Difficulty", SortKind::Text},
    {"game_speed", "Game speed", SortKind::Text},
    {"world_size", "World size", SortKind::Text},
    {"map_script", "Map script", SortKind::Text},
    {"turn", "Turn", SortKind::Turn},
    {"date", "Date", SortKind::Date},
    {"game_status", "Game status", SortKind::Text},
    {"game_score", "Game score", SortKind::Number},
    {"final_score", "Final score", SortKind::Number},
    {"kavrel_score", "Kavrel score", SortKind::Number},
    {"sessions", "Sessions", SortKind::Number},
    {"pre_sessions", "Pre-sessions", SortKind::Number},
    {"play_sessions", "Play sessions", SortKind::Number},
    {"average_session_time", "Average session", SortKind::Duration},
    {"playing_time", "Playing time", SortKind::Duration},
    {"players", "Players", SortKind::Number},
    {"victories", "Victory conditions", SortKind::Text},
    {"options", "Game options", SortKind::Text},
    {"game", "Game", SortKind::Number},
    {"continues_previous", "Continues previous", SortKind::Text},
    {"continues", "Continues", SortKind::Text},
    {"evidence", "Evidence", SortKind::Text},
    {"rules_ok", "Rules kept", SortKind::Text},
    {"rules_broken", "Rules broken", SortKind::Text},
    {"error", "Error", SortKind::Text},
}};

// The columns whose cell is a list (its items joined by ", ").
inline constexpr bool IsListColumn(size_t column) { return column == kVictoriesColumn || column == kOptionsColumn; }

// The headers of the window and the text table, in column order.
std::vector<std::string> SaveColumnHeaders();

// One save's row: a cell per column (what the pages show, without the
// blanks that pad their texts) and, beside each cell of a column that does
// not sort as text, the value it stands for (none for an empty cell), and
// whether the save could be loaded at all. A save that could not be loaded
// has its file name, its file date when there is one, and the reason in the
// error column. Beside the cell of a list column, its items (none when its
// page is hidden). A loaded save also carries what its place in its game is
// judged by.
struct SaveRow {
  std::vector<std::string> cells = std::vector<std::string>(kSaveColumnCount);
  std::vector<std::optional<int64_t>> values = std::vector<std::optional<int64_t>>(kSaveColumnCount);
  std::vector<std::optional<std::vector<std::string>>> items =
      std::vector<std::optional<std::vector<std::string>>>(kSaveColumnCount);
  std::optional<SaveLineage> lineage;
  // The save's world as a timelapse of its game shows it, when the reading
  // was asked for it (SaveTableRun::Options::worldFrames); shared, never
  // changed. Rows compare without it.
  std::shared_ptr<const WorldFrame> world;
  bool loaded = false;
  bool operator==(const SaveRow& other) const {
    return cells == other.cells && values == other.values && items == other.items && lineage == other.lineage &&
           loaded == other.loaded;
  }
};

// The value of a turn cell: by the current turn, then by the last turn.
int64_t TurnOrder(int32_t turn, int32_t lastTurn);

// Whether a row has something to sort by in a column: a text that is not
// blank, or a value. Rows without one sort after all others either way.
bool SortsBy(const SaveRow& row, size_t column);

// Compares two rows by a column: negative, 0 or positive as `a` sorts
// before, with or after `b` upwards. Text columns compare their cells'
// text, the others the values beside them (never their text); a row
// without anything to sort by comes after every row with something.
int CompareRows(const SaveRow& a, const SaveRow& b, size_t column);

}  // namespace tolvane::form
