// The 19 player records, in slot order, back to back. Besides the values kept
// here, each holds the player's cities, messages and per-turn histories.
#include "analysis/Walk.h"

namespace tolvane {

namespace {

// The runs after the player's text: 35, 35, 24, 129, 129, 6, 68, 68, 105,
// 105, 2, 4, 5, 5, 7, 3 and 12 int32.
constexpr int64_t kPlayerRunsInts = kBonuses + kBonuses + 24 + kBuildings + kBuildings + 6 + kUnitClasses +
                                    kUnitClasses + kBuildingClasses + kBuildingClasses + 2 + 4 + 5 + 5 + 7 + 3 + 12;
static_assert(kPlayerRunsInts == 742);

void SkipUnit(SaveReader& r) {
  r.SkipInt32(53);
  r.SkipBool(5);
  r.SkipInt32(12);
  r.SkipUStr();
  r.SkipUStr();
  r.SkipBool(48);
  r.SkipInt32(9 + 6 + 9 + 6 + 9);
  r.SkipInt32(3);
}

void SkipGroup(SaveReader& r) {
  r.SkipInt32(3);
  r.SkipBool();
  r.SkipInt32(3);
  SkipInt32List(r, 2);
  SkipInt32List(r, 5);
  r.SkipInt32(3);
  r.SkipBool();
  r.SkipInt32(3);
}

// Items of two int32 and four flags.
void SkipEventItems(SaveReader& r) { r.SkipBytes(int64_t(r.ReadCount()) * (2 * 4 + 4)); }

void SkipEvent(SaveReader& r) {
  r.SkipInt32(3);
  SkipEventItems(r);
  SkipEventItems(r);
  r.SkipBool(2);
  r.SkipInt32();
  r.SkipBool(3);
  r.SkipUStr();
  // Tagged items: tags 9 and 10 carry a text, every other tag two int32.
  for (int32_t i = 0, n = r.ReadCount(); i < n; ++i) {
    const int32_t tag = r.ReadInt32();
    if (tag == 9 || tag == 10)
      r.SkipUStr();
    else
      r.SkipInt32(2);
  }
}

template <typename Skip>
void SkipList(SaveReader& r, Skip skip) {
  for (int32_t i = 0, n = r.ReadCount(); i < n; ++i) skip(r);
}

void ReadPlayer(SaveReader& r, Analysis& a, int slot, TechTurns& techTurns) {
  const size_t s = size_t(slot);
  SectionScope scope(r, "player records");
  r.SkipInt32(3);
  a.playerPopulation[s] = r.ReadInt32();
  r.SkipInt32(2);
  a.playerGold[s] = r.ReadInt32();
  r.SkipInt32(8);
  a.greatPeopleCreated[s] = r.ReadInt32();
  a.greatGeneralsCreated[s] = r.ReadInt32();
  r.SkipInt32(66);
  a.populationScore[s] = r.ReadInt32();
  a.landScore[s] = r.ReadInt32();
  a.wondersScore[s] = r.ReadInt32();
  a.techScore[s] = r.ReadInt32();
  a.generalPoints[s] = r.ReadInt32();
  a.playerAlive[s] = r.ReadBool();
  r.SkipBool(8);
  r.SkipInt32();
  a.leaderPersonality[s] = r.ReadInt32();
  r.SkipInt32(2);
  r.SkipInt32(13 * 3);
  r.SkipInt32(kSlots);
  r.SkipBool(28 + 18);
  r.SkipUStr();
  r.SkipInt32(kPlayerRunsInts);
  // The technology being researched: the last one flagged.
  for (int k = 0; k < kTechs; ++k)
    if (r.ReadBool()) a.researchingTech[s] = k;
  r.SkipBool(kSlots);
  r.SkipInt32(5);
  r.SkipInt32(12 * 3 + 24 * 3);
  SkipInt32List(r);
  SkipInt32List(r);
  SkipUStrList(r);
  SkipIndexBlock(r);
  SkipList(r, [](SaveReader& entry) {
    entry.SkipInt32(3 + kBonuses);
    SkipInt32List(entry, 2);
  });
  SkipIndexBlock(r);
  ReadCities(r, a, slot);
  SkipIndexBlock(r);
  a.unitCount[s] = r.ReadCount();
  for (int32_t i = 0; i < a.unitCount[s]; ++i) SkipUnit(r);
  SkipIndexBlock(r);
  SkipList(r, SkipGroup);
  ReadMessages(r, a, slot, techTurns);
  SkipList(r, [](SaveReader& entry) {
    entry.SkipInt32(4);
    entry.SkipBool(2);
    entry.SkipInt32();
    entry.SkipUStr();
    entry.SkipUStr();
    entry.SkipUStr();
    SkipUStrList(entry, 2);
  });
  SkipList(r, SkipEvent);
  ReadHistories(r, a, slot);
  r.SkipInt32(5 + 36 + 36);
  r.SkipInt32(8 * kSlots);
  r.SkipBool(kSlots);
  r.SkipInt32(kSlots * 14 + kSlots * 28);
}

}  // namespace

void ReadPlayers(SaveReader& r, Analysis& a, TechTurns& techTurns) {
  for (int slot = 0; slot < kSlots; ++slot) ReadPlayer(r, a, slot, techTurns);
}

}  // namespace tolvane
