// The "Graph" page: one per-turn history of the first player, or of every
// player with "Show AI", as a line chart.
#pragma once

#include <array>
#include <string_view>

#include "ui/Page.h"

namespace tolvane::ui {

class GraphPage : public Page {
 public:
  GraphPage(const Analysis& save, MessageLog& messages);

  // Item i is history kind i (HistoryKind).
  ComboBox historySelector{controls_,
                           {.name = "GraphSelect", .description = "History"},
                           8,
                           {"Score", "Economy", "Industry", "Agriculture", "Power", "Culture", "Science"},
                           0};
  CheckBox showAi{controls_, {.name = "ShowAICheckBox", .caption = "Show AI"}};
  // One series per slot, in the slot's colour.
  Chart chart{controls_, {.name = "HistoryChart", .description = "History chart"}, InitialSeries()};

  void Fill();
  // Draws the selected history of the players shown.
  void DrawHistory();

 private:
  static std::vector<ChartSeries> InitialSeries();
};

}  // namespace tolvane::ui
