// The "Graph" page: one per-turn history, one line per player.
#include <algorithm>

#include "rules/Int32Math.h"
#include "ui/Form.h"
#include "ui/Latin1.h"

namespace tolvane::ui {

void Form::DrawGraph() {
  const Analysis& a = model_;
  if (NotAvailable()) return;
  const int history = GraphSelect.Index();  // item i is history kind i; no item draws zeros
  const bool known = history >= 0 && history < int(a.History.size());
  // A history holds kHistoryLength turns, whatever the elapsed turns say.
  const int turns = std::clamp(a.ElapsedTurns, 0, kHistoryLength);
  int64_t lo = 0, hi = 0;
  for (int s = 0; s < kSlots; ++s) {
    HistoryChart.ClearSeries(s);
    const TLeaderInfoRec& info = a.LeaderInfo[size_t(s)];
    const int32_t team = info.Team;
    const bool met = Analysis::ValidTeam(team) && a.HasMet[0][size_t(team)] != 0;
    const bool drawn = s == 0 || (ShowAICheckBox.Checked() && info.LeaderType >= 0 && (!a.RestrictedView || met));
    HistoryChart.SetLegend(s, drawn);
    if (!drawn) continue;
    HistoryChart.SetTitle(s, Latin1ToUtf8(info.LeaderName));
    const HistoryRow* row = known ? &a.History[size_t(history)][size_t(s)] : nullptr;
    for (int k = 0; k < turns; ++k) {
      const int32_t y = row && size_t(k) < row->size() ? (*row)[size_t(k)] : 0;
      HistoryChart.AddPoint(s, Wrap32(int64_t(a.StartTurn) + k), y);
      lo = std::min<int64_t>(lo, y);
      hi = std::max<int64_t>(hi, y);
    }
  }
  // A little room above the highest value; below, the lowest economy (which
  // can run negative) or a small margin under zero.
  constexpr int kEconomy = EconomyHist;
  const int64_t max = hi * 105 / 100;
  const int64_t min = history == kEconomy ? (lo < 0 ? lo * 105 / 100 : 0) : -(2 * hi) / 100;
  HistoryChart.SetAxis(min, max);
}

}  // namespace tolvane::ui
