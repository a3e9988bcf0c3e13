// The "Graph" page: one per-turn history of the first player, or of every
// player with "Show AI", as a line chart; the chart and its data can be
// saved.
#pragma once

#include <string>
#include <string_view>

#include "form/Page.h"
#include "form/pages/HistoryLines.h"

namespace tolvane::form {

class GraphPage : public Page {
 public:
  explicit GraphPage(PageList& pages);

  // Item i is history kind i (HistoryKind).
  ComboBox historySelector{controls_,
                           {.name = "GraphSelect", .description = "History"},
                           8,
                           std::vector<std::string>(kHistoryNames.begin(), kHistoryNames.end()),
                           0};
  CheckBox showAi{controls_, {.name = "ShowAICheckBox", .caption = "Show AI"}};
  // One series per slot, in the slot's colour.
  Chart chart{controls_, {.name = "HistoryChart", .description = "History chart"}, InitialSeries()};
  // The chart as a picture, and the data of its lines as CSV (the window
  // runs them: the picture is drawn by its toolkit).
  Button saveChart{controls_, {.name = "SaveChartButton", .caption = "Save Chart…"}};
  Button copyData{controls_, {.name = "CopyDataButton", .caption = "Copy Data"}};
  Button saveData{controls_, {.name = "SaveDataButton", .caption = "Save Data…"}};

  void Fill() override;
  // Draws the selected history of the players shown.
  void DrawHistory();
  // What the chart shows, for its title: "Score, turn 120" (the history and
  // the save's turn).
  std::string TitleLine() const;
  // The lines drawn as CSV: a column of turns, then one per line.
  std::string DataCsv() const;
  // Writes DataCsv() to a file; throws SaveError when it cannot be written.
  void SaveData(const std::string& path) const;

 private:
  static std::vector<ChartSeries> InitialSeries();
};

}  // namespace tolvane::form
