#include "ui/FormLayout.h"

#include <fmt/format.h>

namespace tolvane::ui {

namespace {

// One line per slot, "Graph01" .. "Graph19" until a drawing names them.
std::vector<ChartSeries> InitialSeries() {
  static constexpr std::array<Rgb, 19> kColors = {0xFF0000, 0x0000FF, 0x00FF00, 0xFFFF00, 0xFF8000, 0x00FFFF, 0x8000FF,
                                                  0x808000, 0xFFFFFF, 0xFF00FF, 0x004000, 0x80FF80, 0xFFFF80, 0x808040,
                                                  0x400040, 0x80FFFF, 0x004040, 0xFF8040, 0x000000};
  std::vector<ChartSeries> series;
  for (size_t s = 0; s < kColors.size(); ++s)
    series.push_back({fmt::format("Graph{:02}", s + 1), kColors[s], 2, true, {}});
  return series;
}

}  // namespace

FormLayout::FormLayout()
    : tabs{{{"Base"},
            {"Header"},
            {"Map"},
            {"Leaders"},
            {"Teams"},
            {"Replay"},
            {"Graph"},
            {"Player Log"},
            {"Reloads"},
            {"Player"},
            {"Kavrel"},
            {"Cities"},
            {"Attitudes"}}},
      historyChart(list_, "HistoryChart", kGraphPage, InitialSeries()) {}

}  // namespace tolvane::ui
