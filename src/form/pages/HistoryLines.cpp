#include "form/pages/HistoryLines.h"

#include <algorithm>

#include "form/Latin1.h"
#include "form/pages/SaveView.h"
#include "rules/Int32Math.h"

namespace tolvane::form {

std::vector<HistoryLine> DrawnHistoryLines(const Analysis& a, int kind, bool showAi) {
  std::vector<HistoryLine> lines;
  if (NotAvailable(a)) return lines;
  const bool known = kind >= 0 && kind < int(a.history.size());
  // A history holds kHistoryLength turns, whatever the elapsed turns say.
  const int turns = std::clamp(a.elapsedTurns, 0, kHistoryLength);
  for (int s = 0; s < kSlots; ++s) {
    const SlotInfo& info = a.slots[size_t(s)];
    const bool drawn = s == 0 || (showAi && info.leaderType >= 0 && SeenByFirstTeam(a, s));
    if (!drawn) continue;
    HistoryLine& line = lines.emplace_back();
    line.slot = s;
    line.title = Latin1ToUtf8(info.leaderName);
    const HistoryRow* row = known ? &a.history[size_t(kind)][size_t(s)] : nullptr;
    line.points.reserve(size_t(turns));
    for (int k = 0; k < turns; ++k) {
      const int32_t y = row && size_t(k) < row->size() ? (*row)[size_t(k)] : 0;
      line.points.emplace_back(Wrap32(int64_t(a.startTurn) + k), y);
    }
  }
  return lines;
}

}  // namespace tolvane::form
