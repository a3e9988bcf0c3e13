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
      const std::string_view name = TechInfo[size_t(k)].Name;
      uint32_t head;
      std::memcpy(&head, name.data(), 4);
      byFirstByte[uint8_t(name[0])].push_back({k, head, name});
    }
  }
};
const TechNameIndex& techNames() {
  static const TechNameIndex index;
  return index;
}

// Sets the turn of every technology whose name occurs in the text
// (case-sensitive, anywhere in it).
void scanForTechnologies(std::string_view text, int32_t turn, TechRow& techTurn) {
  const auto& index = techNames();
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

void readMessage(SaveReader& r, TMessageRec& m) {
  m.Text = r.readUStr();
  CutMacrosInPlace(m.Text);
  m.AuxText1 = r.readUStr();
  m.AuxText2 = r.readUStr();
  m.AuxInt1 = r.readInt32();
  m.Color = r.readInt32();
  m.AuxInt2 = r.readInt32();
  m.AuxInt3 = r.readInt32();
  m.AuxFlag1 = r.readBool();
  m.AuxFlag2 = r.readBool();
  m.Turn = r.readInt32();
  m.MessageType = r.readInt32();
  m.AuxInt4 = r.readInt32();
  m.AuxInt5 = r.readInt32();
  m.AuxFlag3 = r.readBool();
}

}  // namespace

void ReadMessages(SaveReader& r, Analysis& a, int slot) {
  r.section("player messages");
  const size_t s = size_t(slot);
  const int32_t team = a.GetTeam(slot);
  a.MessageCount[s] = r.readCount();
  auto& messages = a.Messages[s];
  messages.clear();
  // A message takes at least 47 bytes; a count beyond what the save holds is
  // not reserved for.
  messages.reserve(
      size_t(std::clamp<int64_t>(a.MessageCount[s], 0, std::min<int64_t>(kMaxMessages, r.remaining() / 47))));
  TMessageRec spare;  // messages past the cap are read here, scanned and dropped
  for (int32_t i = 0; i < a.MessageCount[s]; ++i) {
    TMessageRec& m = i < kMaxMessages ? messages.emplace_back() : spare;
    readMessage(r, m);
    if (Analysis::ValidTeam(team)) scanForTechnologies(m.Text, m.Turn, a.TechTurn[size_t(team)]);
  }
}

void BuildScienceHistories(Analysis& a) {
  // A technology the team knows but no message names was known from the start.
  for (int slot = 0; slot < kSlots; ++slot) {
    const int32_t team = a.GetTeam(slot);
    if (!Analysis::ValidTeam(team)) continue;
    for (int k = 0; k < kTechs; ++k) {
      int32_t& turn = a.TechTurn[size_t(team)][size_t(k)];
      if (turn == -1 && a.HasTech[size_t(team)][size_t(k)]) turn = 0;
    }
  }
  // The summed research cost of the technologies acquired up to each turn.
  const int32_t last = std::min(a.ElapsedTurns, kHistoryLength - 1);
  for (int slot = 0; slot < kSlots; ++slot) {
    auto& row = a.History[ScienceHist][size_t(slot)];
    std::fill(row.begin(), row.end(), 0);
    const int32_t team = a.GetTeam(slot);
    if (!Analysis::ValidTeam(team)) continue;
    for (int k = 0; k < kTechs; ++k) {
      const int32_t turn = a.TechTurn[size_t(team)][size_t(k)];
      if (turn < 0) continue;
      const int64_t index = std::max<int64_t>(int64_t(turn) - a.StartTurn, 0);
      if (index < kHistoryWritable) row[size_t(index)] = Wrap32(int64_t(row[size_t(index)]) + TechCost(a, k, slot));
    }
    for (int32_t i = 1; i <= last; ++i) row[size_t(i)] = Wrap32(int64_t(row[size_t(i)]) + row[size_t(i - 1)]);
  }
}

}  // namespace tolvane
