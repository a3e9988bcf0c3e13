// The "Graph" page: one per-turn history, one line per player.
#include <algorithm>

#include "rules/Int32Math.h"
#include "ui/Form.h"
#include "ui/Latin1.h"

namespace tolvane::ui {

void Form::DrawGraph() {
  const Analysis& a = model_;
  if (NotAvailable()) return;
  const int history = graphSelect.Index();  // item i is history kind i; no item draws zeros
  const bool known = history >= 0 && history < int(a.history.size());
  // A history holds kHistoryLength turns, whatever the elapsed turns say.
  const int turns = std::clamp(a.elapsedTurns, 0, kHistoryLength);
  int64_t lo = 0, hi = 0;
  for (int s = 0; s < kSlots; ++s) {
    historyChart.ClearSeries(s);
    const SlotInfo& info = a.slots[size_t(s)];
    const int32_t team = info.team;
    const bool met = Analysis::ValidTeam(team) && a.hasMet[0][size_t(team)] != 0;
    const bool drawn = s == 0 || (showAiCheckBox.Checked() && info.leaderType >= 0 && (!a.restrictedView || met));
    historyChart.SetLegend(s, drawn);
    if (!drawn) continue;
    historyChart.SetTitle(s, Latin1ToUtf8(info.leaderName));
    const HistoryRow* row = known ? &a.history[size_t(history)][size_t(s)] : nullptr;
    for (int k = 0; k < turns; ++k) {
      const int32_t y = row && size_t(k) < row->size() ? (*row)[size_t(k)] : 0;
      historyChart.AddPoint(s, Wrap32(int64_t(a.startTurn) + k), y);
      lo = std::min<int64_t>(lo, y);
      hi = std::max<int64_t>(hi, y);
    }
  }
  // A little room above the highest value; below, the lowest economy (which
  // can run negative) or a small margin under zero.
  constexpr int kEconomy = kEconomyHistory;
  const int64_t max = hi * 105 / 100;
  const int64_t min = history == kEconomy ? (lo < 0 ? lo * 105 / 100 : 0) : -(2 * hi) / 100;
  historyChart.SetAxis(min, max);
}

}  // namespace tolvane::ui
