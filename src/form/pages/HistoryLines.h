// Which players' histories the Graph page draws, and with which points: one
// rule for the chart and for the exported histories.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "analysis/Model.h"

namespace tolvane::form {

// The histories by name, in HistoryKind order: the items of the Graph page's
// history selector.
inline constexpr std::array<std::string_view, 7> kHistoryNames = {"Score", "Economy", "Industry", "Agriculture",
                                                                  "Power", "Culture", "Science"};

// One drawn line: the slot, the name its legend shows, and its points
// (turn, value) in turn order.
struct HistoryLine {
  int slot = 0;
  std::string title;
  std::vector<std::pair<int32_t, int32_t>> points;
};

// The lines the Graph page draws of history `kind` (a HistoryKind; any other
// value draws zeros), in slot order: always the first player's; with
// `showAi` also every other slot that has a leader and that the first team
// may see. One point per elapsed turn from the start turn, at most a
// history's length. None when the save is not available.
std::vector<HistoryLine> DrawnHistoryLines(const Analysis& a, int kind, bool showAi);

}  // namespace tolvane::form
