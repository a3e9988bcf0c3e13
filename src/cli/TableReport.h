// `tolvane-report --table PATH...`: one row per save of the files and
// folders given, in the order given, the saves read in parallel, each with
// its game and its verdict and, with a rules file, the rules it breaks.
#pragma once

#include <iosfwd>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "form/EventRules.h"
#include "form/SaveTable.h"

namespace tolvane::report {

enum class TableFormat { Text, Csv, Json };

struct TableOptions {
  std::vector<std::string> paths;  // saves and folders (a folder: its saves, sorted by name)
  bool recursive = false;          // folders: their subfolders' saves too
  unsigned jobs = 0;               // saves read at once; 0: one per core
  TableFormat format = TableFormat::Text;
  bool progress = false;     // a progress line on `err` (a terminal)
  std::string rules;         // a rules file to judge every save by; "" for none
  bool worldFrames = false;  // each row keeps its save's world frame (a timelapse's)
};

// Reads the rules file of the options into `rules` (none when no file is
// given); false, with its message on `err`, when the file is refused.
bool ReadRulesOption(const TableOptions& options, std::optional<form::EventRules>& rules, std::ostream& err);

// Reads the rows of the saves and folders given, in the order given, with
// notes and the progress line on `err`; the game columns stay empty.
std::vector<form::SaveRow> ReadRows(const TableOptions& options, std::ostream& err);

// Prints the table to `out` (once every row is read: a row's game needs
// the others) and notes and the progress line to `err`. Returns the exit
// status: 0 when every save loaded, 1 when one did not (its row holds the
// message), 2 when the rules file is refused (its message on `err`, nothing
// read).
int PrintTable(const TableOptions& options, std::ostream& out, std::ostream& err);

// One row as a JSON object: each column under its key, numbers as numbers
// (null when empty), the other columns as strings.
nlohmann::ordered_json RowJson(const form::SaveRow& row);

}  // namespace tolvane::report
