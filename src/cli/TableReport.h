// `tolvane-report --table PATH...`: one row per save of the files and
// folders given, in the order given, the saves read in parallel.
#pragma once

#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "form/SaveTable.h"

namespace tolvane::report {

enum class TableFormat { Text, Csv, Json };

struct TableOptions {
  std::vector<std::string> paths;  // saves and folders (a folder: its saves, sorted by name)
  bool recursive = false;          // folders: their subfolders' saves too
  unsigned jobs = 0;               // saves read at once; 0: one per core
  TableFormat format = TableFormat::Text;
  bool progress = false;  // a progress line on `err` (a terminal)
};

// Prints the table to `out` (CSV and JSON row by row as the rows come, the
// aligned text at the end) and notes and the progress line to `err`.
// Returns the exit status: 0 when every save loaded, 1 when one did not
// (its row holds the message).
int PrintTable(const TableOptions& options, std::ostream& out, std::ostream& err);

// One row as a JSON object: each column under its key, numbers as numbers
// (null when empty), the other columns as strings.
nlohmann::ordered_json RowJson(const form::SaveRow& row);

}  // namespace tolvane::report
