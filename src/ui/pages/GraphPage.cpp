#include "ui/pages/GraphPage.h"

#include <fmt/format.h>

#include <algorithm>

#include "rules/Int32Math.h"
#include "ui/Latin1.h"
#include "ui/pages/SaveView.h"

namespace tolvane::ui {

// One line per slot, "Graph01" .. "Graph19" until a drawing names them.
std::vector<ChartSeries> GraphPage::InitialSeries() {
  static constexpr std::array<Rgb, kSlots> kColors = {
      0xFF0000, 0x0000FF, 0x00FF00, 0xFFFF00, 0xFF8000, 0x00FFFF, 0x8000FF, 0x808000, 0xFFFFFF, 0xFF00FF,
      0x004000, 0x80FF80, 0xFFFF80, 0x808040, 0x400040, 0x80FFFF, 0x004040, 0xFF8040, 0x000000};
  std::vector<ChartSeries> series;
  for (size_t s = 0; s < kColors.size(); ++s)
    series.push_back({fmt::format("Graph{:02}", s + 1), kColors[s], 2, true, {}});
  return series;
}

GraphPage::GraphPage(const Analysis& save, MessageLog& messages) : Page({"Graph", "TabSheet5"}, save, messages) {
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
  const bool known = history >= 0 && history < int(a.history.size());
  // A history holds kHistoryLength turns, whatever the elapsed turns say.
  const int turns = std::clamp(a.elapsedTurns, 0, kHistoryLength);
  int64_t lo = 0, hi = 0;
  for (int s = 0; s < kSlots; ++s) {
    chart.ClearSeries(s);
    const SlotInfo& info = a.slots[size_t(s)];
    const bool drawn =
        s == 0 || (showAi.Checked() && info.leaderType >= 0 && (!a.restrictedView || MetByFirstTeam(a, s)));
    chart.SetLegend(s, drawn);
    if (!drawn) continue;
    chart.SetTitle(s, Latin1ToUtf8(info.leaderName));
    const HistoryRow* row = known ? &a.history[size_t(history)][size_t(s)] : nullptr;
    for (int k = 0; k < turns; ++k) {
      const int32_t y = row && size_t(k) < row->size() ? (*row)[size_t(k)] : 0;
      chart.AddPoint(s, Wrap32(int64_t(a.startTurn) + k), y);
      lo = std::min<int64_t>(lo, y);
      hi = std::max<int64_t>(hi, y);
    }
  }
  // A little room above the highest value; below, the lowest economy (which
  // can run negative) or a small margin under zero.
  const int64_t max = hi * 105 / 100;
  const int64_t min = history == kEconomyHistory ? (lo < 0 ? lo * 105 / 100 : 0) : -(2 * hi) / 100;
  chart.SetAxis(min, max);
}

}  // namespace tolvane::ui
