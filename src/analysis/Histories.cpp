// A player's six per-turn histories: (turn, value) pairs placed by the turn
// counted from the start turn.
#include <algorithm>

#include "analysis/Walk.h"

namespace tolvane {

void ReadHistories(SaveReader& r, Analysis& a, int slot) {
  SectionScope scope(r, "player histories");
  for (int kind = kScoreHistory; kind <= kCultureHistory; ++kind) {
    auto& row = a.history[size_t(kind)][size_t(slot)];
    for (int32_t i = 0, n = r.ReadCount(); i < n; ++i) {
      const int32_t turn = r.ReadInt32();
      const int32_t value = r.ReadInt32();
      // Turns before the start land on the first entry; later pairs win.
      const int64_t index = std::max<int64_t>(int64_t(turn) - a.startTurn, 0);
      if (index < kHistoryWritable) row[size_t(index)] = value;
    }
  }
}

}  // namespace tolvane
