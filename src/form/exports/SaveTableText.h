// The table of many saves as text: CSV (RFC 4180: a header row of the
// columns' keys, a field quoted when it holds a comma, a quote or a line
// break, quotes doubled, lines ended by CR LF; UTF-8) and an aligned table
// for a terminal.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "form/SaveTable.h"

namespace tolvane::form {

// The header line: the columns' keys.
std::string SaveTableCsvHeader();
// One row's line.
std::string SaveTableCsvLine(const SaveRow& row);
// The header line and a line per row.
std::string SaveTableCsv(const std::vector<SaveRow>& rows);

// The columns' headers over the rows, each column as wide as its widest
// cell, numbers, turns and durations right-aligned, two blanks between
// columns; a line per row.
std::string SaveTableText(const std::vector<SaveRow>& rows);

}  // namespace tolvane::form
