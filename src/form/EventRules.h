// The rules of an event: the values its saves must show, read from a JSON
// file that maps column keys of the table of saves to
//   "Monarch"                    the one value allowed,
//   ["Normal", "Epic"]           the values allowed,
//   {"min": 1, "max": 2}         bounds on a column with numbers (either),
//   {"includes": [..], "excludes": [..]}  items a list column must and must
//                                not hold (either).
// A value is a string (the cell's text) or, on a column with numbers, a
// whole number (turns by the current turn, dates by the year, times in
// seconds). A row that does not show a column's value (a hidden page, an
// empty cell) breaks every rule on it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "form/SaveTable.h"

namespace tolvane::form {

struct EventRule {
  size_t column = 0;
  // A value allowed: a cell's text or a number.
  using Value = std::variant<std::string, int64_t>;
  std::vector<Value> allowed;                   // none: any value the row shows
  std::optional<int64_t> min, max;              // bounds, both inclusive
  std::vector<std::string> includes, excludes;  // items of a list column
};

struct EventRules {
  std::vector<EventRule> rules;  // in the order of the file
};

// A rules file read, or why it was refused (its key, or the line of the
// fault in its JSON).
struct EventRulesRead {
  std::optional<EventRules> rules;
  std::string error;
};

EventRulesRead ParseEventRules(std::string_view json);
EventRulesRead ReadEventRules(const std::filesystem::path& path);

// The keys of the rules a row breaks, in the order of the file.
std::vector<std::string> BrokenRules(const EventRules& rules, const SaveRow& row);

// Writes the verdict into the rows' rules columns: "yes" or "no" and the
// keys broken; nothing for a save that could not be loaded.
void FillRulesColumns(std::vector<SaveRow>& rows, const EventRules& rules);

}  // namespace tolvane::form
