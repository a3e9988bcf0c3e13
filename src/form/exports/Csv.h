// Fields of the CSV files Tolvane writes (RFC 4180; UTF-8).
#pragma once

#include <string>
#include <string_view>

namespace tolvane::form {

// One field of a row, in double quotes (quotes doubled) when it holds a
// comma, a quote or a line break. A text that a spreadsheet would take for a
// formula (starting with =, +, -, @, a tab or a carriage return) gets a
// leading apostrophe, so that a player's name from a save never runs as
// one; a plain number ("-2", "-0.5") stays a number.
std::string CsvField(std::string_view text);

}  // namespace tolvane::form
