// Play sessions: the host game writes a replay message beginning with its
// word for a session start ("Session", in Russian or in French) each time a
// game is started or reloaded. The scan finds those words anywhere in the
// body and takes the turn that stands 24 bytes before each.
#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>

#include "analysis/Walk.h"
#include "rules/GameCodes.h"

namespace tolvane {

namespace {

// A replay message holds five int32 (the turn first) and the text's count
// before its first character.
constexpr int64_t kTurnBeforeText = 24;

}  // namespace

SessionScan ScanSessions(const SaveImage& save) {
  const std::span<const uint8_t> bytes(save.bytes);
  std::vector<int32_t> turns;
  for (std::string_view word : SessionWords()) {
    for (int64_t p = save.bodyOffset; int64_t(turns.size()) < kMaxSessions;) {
      const std::optional<int64_t> found = FindUStr(bytes, word, p + 1);
      if (!found) break;
      p = *found;
      int32_t turn = 0;  // a match too close to the start has no turn before it
      if (p >= kTurnBeforeText) std::memcpy(&turn, bytes.data() + p - kTurnBeforeText, 4);
      turns.push_back(turn);
    }
  }
  std::sort(turns.begin(), turns.end());
  SessionScan scan;
  scan.preSessions = int32_t(std::count(turns.begin(), turns.end(), 0));
  // Only turns below the filler turn count as sessions.
  turns.erase(std::lower_bound(turns.begin(), turns.end(), kNoSessionTurn), turns.end());
  scan.turns = std::move(turns);
  return scan;
}

}  // namespace tolvane
