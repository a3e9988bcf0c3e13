// A player's messages, and from them the turn on which each team acquired
// each technology: the turn of the last message that names it.
#include <algorithm>
#include <cstring>

#include "analysis/Research.h"
#include "analysis/Walk.h"
#include "rules/Tables.h"
#include "rules/TextKeys.h"

namespace tolvane {

namespace {

// The technologies grouped by the first byte of their name, each with its
// first four bytes as one number, so that a text is searched once instead of
// once per technology and most candidates are ruled out by one comparison.
struct TechName {
  int tech;
  uint32_t head;  // the first four bytes; every name is longer
  std::string_view name;
};
struct TechNameIndex {
  std::array<std::vector<TechName>, 256> byFirstByte;
  TechNameIndex() {
    for (int k = 0; k < kTechs; ++k) {
      const std::string_view name = kTechInfo[size_t(k)].name;
      uint32_t head;
      std::memcpy(&head, name.data(), 4);
      byFirstByte[uint8_t(name[0])].push_back({k, head, name});
    }
  }
};
const TechNameIndex& TechNames() {
  static const TechNameIndex kIndex;
  return kIndex;
}

// Sets the turn of every technology whose name occurs in the text
// (case-sensitive, anywhere in it).
void ScanForTechnologies(std::string_view text, int32_t turn, TechRow& techTurn) {
  const auto& index = TechNames();
  for (size_t i = 0; i + 4 <= text.size(); ++i) {
    const auto& candidates = index.byFirstByte[uint8_t(text[i])];
    if (candidates.empty()) continue;
    uint32_t head;
    std::memcpy(&head, text.data() + i, 4);
    for (const TechName& t : candidates)
      if (t.head == head && text.size() - i >= t.name.size() &&
          std::memcmp(text.data() + i + 4, t.name.data() + 4, t.name.size() - 4) == 0)
        techTurn[size_t(t.tech)] = turn;
  }
}

// A message with three empty texts: three counts, eight int32 and three flags.
constexpr int64_t kMinMessageBytes = 3 * 4 + 8 * 4 + 3;

void ReadMessage(SaveReader& r, Message& m) {
  m.text = r.ReadUStr();
  CutMacrosInPlace(m.text);
  r.SkipUStr();
  r.SkipUStr();
  r.SkipInt32();
  m.color = r.ReadInt32();
  r.SkipInt32(2);
  r.SkipBool(2);
  m.turn = r.ReadInt32();
  m.messageType = r.ReadInt32();
  r.SkipInt32(2);
  r.SkipBool();
}

}  // namespace

void ReadMessages(SaveReader& r, Analysis& a, int slot, TechTurns& techTurns) {
  SectionScope scope(r, "player messages");
  const size_t s = size_t(slot);
  const int32_t team = a.GetTeam(slot);
  a.messageCount[s] = r.ReadCount();
  auto& messages = a.messages[s];
  messages.clear();
  ReserveForList(messages, a.messageCount[s], kMaxMessages, kMinMessageBytes, r);
  Message spare;  // messages past the cap are read here, scanned and dropped
  for (int32_t i = 0; i < a.messageCount[s]; ++i) {
    Message& m = i < kMaxMessages ? messages.emplace_back() : spare;
    ReadMessage(r, m);
    if (Analysis::ValidTeam(team)) ScanForTechnologies(m.text, m.turn, techTurns.turn[size_t(team)]);
  }
}

void BuildScienceHistories(Analysis& a, const TechTurns& techTurns) {
  // A technology the team knows but no message names was known from the start.
  auto turnOf = [&](int32_t team, int k) {
    const int32_t turn = techTurns.turn[size_t(team)][size_t(k)];
    return turn == -1 && a.hasTech[size_t(team)][size_t(k)] ? 0 : turn;
  };
  // The summed research cost of the technologies acquired up to each turn.
  const int32_t last = std::min(a.elapsedTurns, kHistoryLength - 1);
  for (int slot = 0; slot < kSlots; ++slot) {
    auto& row = a.history[kScienceHistory][size_t(slot)];
    std::fill(row.begin(), row.end(), 0);
    const int32_t team = a.GetTeam(slot);
    if (!Analysis::ValidTeam(team)) continue;
    for (int k = 0; k < kTechs; ++k) {
      const int32_t turn = turnOf(team, k);
      if (turn < 0) continue;
      const int64_t index = std::max<int64_t>(int64_t(turn) - a.startTurn, 0);
      if (index < kHistoryWritable) row[size_t(index)] = Wrap32(int64_t(row[size_t(index)]) + TechCost(a, k, slot));
    }
    for (int32_t i = 1; i <= last; ++i) row[size_t(i)] = Wrap32(int64_t(row[size_t(i)]) + row[size_t(i - 1)]);
  }
}

}  // namespace tolvane
