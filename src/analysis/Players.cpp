// The 19 player records, in slot order, back to back. Besides the values kept
// here, each holds the player's cities, messages and per-turn histories.
#include "analysis/Walk.h"

namespace tolvane {

namespace {

void skipUnit(SaveReader& r) {
  r.skipInt32(53);
  r.skipBool(5);
  r.skipInt32(12);
  r.skipUStr();
  r.skipUStr();
  r.skipBool(48);
  r.skipInt32(9 + 6 + 9 + 6 + 9);
  r.skipInt32(3);
}

void skipGroup(SaveReader& r) {
  r.skipInt32(3);
  r.skipBool();
  r.skipInt32(3);
  SkipInt32List(r, 2);
  SkipInt32List(r, 5);
  r.skipInt32(3);
  r.skipBool();
  r.skipInt32(3);
}

// Items of two int32 and four flags.
void skipEventItems(SaveReader& r) { r.skipBytes(int64_t(r.readCount()) * (2 * 4 + 4)); }

void skipEvent(SaveReader& r) {
  r.skipInt32(3);
  skipEventItems(r);
  skipEventItems(r);
  r.skipBool(2);
  r.skipInt32();
  r.skipBool(3);
  r.skipUStr();
  // Tagged items: tags 9 and 10 carry a text, every other tag two int32.
  for (int32_t i = 0, n = r.readCount(); i < n; ++i) {
    const int32_t tag = r.readInt32();
    if (tag == 9 || tag == 10)
      r.skipUStr();
    else
      r.skipInt32(2);
  }
}

template <typename Skip>
void skipList(SaveReader& r, Skip skip) {
  for (int32_t i = 0, n = r.readCount(); i < n; ++i) skip(r);
}

void readPlayer(SaveReader& r, Analysis& a, int slot) {
  const size_t s = size_t(slot);
  r.section("player records");
  r.skipInt32(3);
  a.PlayerPopulation[s] = r.readInt32();
  r.skipInt32(2);
  a.PlayerGold[s] = r.readInt32();
  r.skipInt32(8);
  a.GreatPeopleCreated[s] = r.readInt32();
  a.GreatGeneralsCreated[s] = r.readInt32();
  r.skipInt32(66);
  a.PopulationScore[s] = r.readInt32();
  a.LandScore[s] = r.readInt32();
  a.WondersScore[s] = r.readInt32();
  a.TechScore[s] = r.readInt32();
  a.GeneralPoints[s] = r.readInt32();
  a.PlayerAlive[s] = r.readBool();
  r.skipBool(8);
  r.skipInt32();
  a.LeaderPersonality[s] = r.readInt32();
  r.skipInt32(2);
  r.skipInt32(13 * 3);
  r.skipInt32(kSlots);
  r.skipBool(28 + 18);
  r.skipUStr();
  r.skipInt32(742);  // runs of 35, 35, 24, 129, 129, 6, 68, 68, 105, 105, 2, 4, 5, 5, 7, 3, 12
  // The technology being researched: the last one flagged.
  for (int k = 0; k < kTechs; ++k)
    if (r.readBool()) a.ResearchingTech[s] = k;
  r.skipBool(kSlots);
  r.skipInt32(5);
  r.skipInt32(12 * 3 + 24 * 3);
  SkipInt32List(r);
  SkipInt32List(r);
  SkipUStrList(r);
  SkipIndexBlock(r);
  skipList(r, [](SaveReader& r) {
    r.skipInt32(3 + 35);
    SkipInt32List(r, 2);
  });
  SkipIndexBlock(r);
  ReadCities(r, a, slot);
  r.section("player records");
  SkipIndexBlock(r);
  a.UnitCount[s] = r.readCount();
  for (int32_t i = 0; i < a.UnitCount[s]; ++i) skipUnit(r);
  SkipIndexBlock(r);
  skipList(r, skipGroup);
  ReadMessages(r, a, slot);
  r.section("player records");
  skipList(r, [](SaveReader& r) {
    r.skipInt32(4);
    r.skipBool(2);
    r.skipInt32();
    r.skipUStr();
    r.skipUStr();
    r.skipUStr();
    SkipUStrList(r, 2);
  });
  skipList(r, skipEvent);
  ReadHistories(r, a, slot);
  r.section("player records");
  r.skipInt32(5 + 36 + 36);
  r.skipInt32(8 * kSlots);
  r.skipBool(kSlots);
  r.skipInt32(kSlots * 14 + kSlots * 28);
}

}  // namespace

void ReadPlayers(SaveReader& r, Analysis& a) {
  // Each team's technology turns start unknown once, before any member's
  // messages are scanned, so that every member's messages count.
  for (auto& row : a.TechTurn) row.fill(-1);
  for (int slot = 0; slot < kSlots; ++slot) readPlayer(r, a, slot);
  BuildScienceHistories(a);
}

}  // namespace tolvane
