#include "form/pages/GraphPage.h"

#include <fmt/format.h>

#include <algorithm>

#include "form/PlayerColors.h"
#include "form/exports/HistoryCsv.h"
#include "form/pages/SaveView.h"
#include "save/FileWrite.h"
#include "save/Utf8Path.h"

namespace tolvane::form {

// One line per slot, "Graph01" .. "Graph19" until a drawing names them.
std::vector<ChartSeries> GraphPage::InitialSeries() {
  std::vector<ChartSeries> series;
  for (size_t s = 0; s < kPlayerColors.size(); ++s)
    series.push_back({fmt::format("Graph{:02}", s + 1), kPlayerColors[s], 2, true, {}});
  return series;
}

GraphPage::GraphPage(PageList& pages) : Page({"Graph", "TabSheet5"}, pages) {
  historySelector.OnChange([this] { DrawHistory(); });
  showAi.OnClick([this] { DrawHistory(); });
  chart.SetAxis(0, 0);
}

void GraphPage::Fill() {
  SetVisible(!NotAvailable(save_));
  DrawHistory();
}

void GraphPage::DrawHistory() {
  const Analysis& a = save_;
  if (NotAvailable(a)) return;
  const int history = historySelector.Index();  // no item draws zeros
  // A line not drawn is empty and has no legend entry; it keeps its title.
  for (int s = 0; s < kSlots; ++s) {
    chart.ClearSeries(s);
    chart.SetLegend(s, false);
  }
  int64_t lo = 0, hi = 0;
  for (HistoryLine& line : DrawnHistoryLines(a, history, showAi.Checked())) {
    for (const auto& [x, y] : line.points) {
      lo = std::min<int64_t>(lo, y);
      hi = std::max<int64_t>(hi, y);
    }
    chart.SetLegend(line.slot, true);
    chart.SetTitle(line.slot, std::move(line.title));
    chart.SetPoints(line.slot, std::move(line.points));
  }
  // A little room above the highest value; below, the lowest economy (which
  // can run negative) or a small margin under zero.
  const int64_t max = hi * 105 / 100;
  const int64_t min = history == kEconomyHistory ? (lo < 0 ? lo * 105 / 100 : 0) : -(2 * hi) / 100;
  chart.SetAxis(min, max);
}

std::string GraphPage::TitleLine() const { return fmt::format("{}, turn {}", historySelector.Text(), save_.gameTurn); }

std::string GraphPage::DataCsv() const { return ChartCsv(chart); }

void GraphPage::SaveData(const std::string& path) const { WriteBytes(PathFromUtf8(path), DataCsv()); }

}  // namespace tolvane::form
