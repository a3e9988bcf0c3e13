// Play sessions: the host game writes a replay message beginning with its
// word for a session start ("Session", in Russian or in French) each time a
// game is started or reloaded. The scan finds those words anywhere in the
// body and takes the turn that stands 24 bytes before each.
#include <algorithm>
#include <cstring>
#include <optional>
#include <span>
#include <string_view>

#include "analysis/Walk.h"
#include "rules/GameCodes.h"

namespace tolvane {

namespace {

// A replay message holds five int32 (the turn first) and the text's count
// before its first character.
constexpr int64_t kTurnBeforeText = 24;

// The body is searched a stretch at a time, for every word in turn, so that
// it comes from memory once rather than once per word: a stretch stays in
// the core's cache between the words.
constexpr int64_t kStretch = int64_t(128) << 10;

}  // namespace

SessionScan ScanSessions(const SaveImage& save) {
  const std::span<const uint8_t> bytes(save.bytes);
  const int64_t size = int64_t(bytes.size());
  const std::span<const std::string_view> words = SessionWords();
  // Each word's matches in the order they stand, at most kMaxSessions of
  // them; then the first word's matches, the next word's, ... up to
  // kMaxSessions in all.
  std::vector<std::vector<int32_t>> turnsOfWord(words.size());
  std::vector<int64_t> next(words.size(), int64_t(save.bodyOffset) + 1);
  for (int64_t stretch = int64_t(save.bodyOffset) + 1; stretch < size; stretch += kStretch) {
    const int64_t stretchEnd = std::min(size, stretch + kStretch);
    for (size_t w = 0; w < words.size(); ++w) {
      std::vector<int32_t>& turns = turnsOfWord[w];
      // A match starts before stretchEnd; its last byte may lie beyond.
      const int64_t span = 2 * int64_t(words[w].size() - 1);
      const auto searched = bytes.first(size_t(std::min(size, stretchEnd + span)));
      while (int64_t(turns.size()) < kMaxSessions && next[w] < stretchEnd) {
        const std::optional<int64_t> found = FindUStr(searched, words[w], next[w]);
        if (!found) {
          next[w] = stretchEnd;
          break;
        }
        const int64_t p = *found;
        next[w] = p + 1;
        int32_t turn = 0;  // a match too close to the start has no turn before it
        if (p >= kTurnBeforeText) std::memcpy(&turn, bytes.data() + p - kTurnBeforeText, 4);
        turns.push_back(turn);
      }
    }
  }
  std::vector<int32_t> turns;
  for (const std::vector<int32_t>& ofWord : turnsOfWord)
    turns.insert(turns.end(), ofWord.begin(),
                 ofWord.begin() + std::min<int64_t>(int64_t(ofWord.size()), kMaxSessions - int64_t(turns.size())));
  std::sort(turns.begin(), turns.end());
  SessionScan scan;
  scan.preSessions = int32_t(std::count(turns.begin(), turns.end(), 0));
  // Only turns below the filler turn count as sessions.
  turns.erase(std::lower_bound(turns.begin(), turns.end(), kNoSessionTurn), turns.end());
  scan.turns = std::move(turns);
  return scan;
}

}  // namespace tolvane
