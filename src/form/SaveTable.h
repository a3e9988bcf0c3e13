// The table of many saves: one row per save, the same columns in the
// window's Saves page and in `tolvane-report --table`. Each column has a key
// (the CSV header and the JSON key), the header the window and the text
// table show, and the way its cells sort.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::form {

// How the cells of a column compare: as text (ignoring the case of A to Z),
// as whole numbers, as dates (a year of the game's calendar such as "1200AD"
// or "4000BC", or a file time "2025-03-01 18:04:11"), as turns ("180/460",
// by the current turn), or as durations ("9:41:17").
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
    {"error", "Error", SortKind::Text},
}};

// The headers of the window and the text table, in column order.
std::vector<std::string> SaveColumnHeaders();

// One save's row: a cell per column (what the pages show, without the
// blanks that pad their texts), and whether the save could be loaded at
// all. A save that could not be loaded has its file name, its file date
// when there is one, and the message in the error column.
struct SaveRow {
  std::vector<std::string> cells = std::vector<std::string>(kSaveColumnCount);
  bool loaded = false;
  bool operator==(const SaveRow&) const = default;
};

// The value a cell stands for in its column's order, or nothing for a cell
// that holds no such value (an empty cell, a text where a number belongs).
// Text cells have no value: they compare as text.
struct SortValue {
  bool valid = false;
  long long value = 0;
};
SortValue SortValueOf(SortKind kind, std::string_view cell);

// Compares two cells of a column: negative, 0 or positive as `a` sorts
// before, with or after `b` upwards. A cell without a value sorts after every
// cell with one.
int CompareCells(SortKind kind, std::string_view a, std::string_view b);

}  // namespace tolvane::form
