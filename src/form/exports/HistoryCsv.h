// The histories as CSV (RFC 4180: fields with commas, quotes or line breaks
// in double quotes, CR LF after every row; UTF-8; a header row): the Graph
// page's "Copy Data" and "Save Data…", and tolvane-report --export-histories.
#pragma once

#include <string>
#include <string_view>

#include "analysis/Model.h"
#include "form/Controls.h"

namespace tolvane::form {

// The lines a chart shows (the series with a legend entry), side by side:
// "turn" and one column per line, titled with the line's name; one row per
// turn of any line, a line without a point at that turn leaves its field
// empty.
std::string ChartCsv(const Chart& chart);

// Every history of every player in long form, one row per point:
// "player,slot,series,turn,value". The points are those the Graph page draws
// for each history with "Show AI" ticked, by slot, then history, then turn.
std::string HistoriesCsv(const Analysis& a);

}  // namespace tolvane::form
