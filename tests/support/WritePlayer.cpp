// One player record with its embedded lists: cities, units, groups,
// messages, event records and the six per-turn histories.
#include "Sections.h"

namespace tolvane::testing {
namespace {

void WriteUnitRecord(FieldWriter& w) {
  w.JunkInt32(53);
  w.JunkBool(5);
  w.JunkInt32(12);
  w.JunkText16(2);
  w.JunkBool(48);
  w.JunkInt32(9 + 6 + 9 + 6 + 9);
  w.JunkInt32(3);
}

void WriteGroupRecord(FieldWriter& w) {
  w.JunkInt32(3);
  w.JunkBool(1);
  w.JunkInt32(3);
  w.Int32List(2);
  w.Int32List(5);
  w.JunkInt32(3);
  w.JunkBool(1);
  w.JunkInt32(3);
}

// A list of items of 2 x int32 and 4 x bool.
void WriteEventItemList(FieldWriter& w) {
  for (int32_t n = w.JunkCount(); n > 0; --n) {
    w.JunkInt32(2);
    w.JunkBool(4);
  }
}

void WriteEventRecord(FieldWriter& w, const std::vector<int32_t>& tags) {
  w.JunkInt32(3);
  WriteEventItemList(w);
  WriteEventItemList(w);
  w.JunkBool(2);
  w.JunkInt32(1);
  w.JunkBool(3);
  w.JunkText16();
  w.Int32(static_cast<int32_t>(tags.size()));
  for (int32_t tag : tags) {
    w.Int32(tag);
    if (tag == 9 || tag == 10) {
      w.JunkText16();
    } else {
      w.JunkInt32(2);
    }
  }
}

void WriteHistories(FieldWriter& w, const PlayerDesc& p) {
  for (const std::vector<HistoryPair>& history : p.histories) {
    w.Int32(static_cast<int32_t>(history.size()));
    for (const HistoryPair& pair : history) {
      w.Int32(pair.turn);
      w.Int32(pair.value);
    }
  }
}

}  // namespace

void WriteMessageRecord(FieldWriter& w, const MessageDesc& m) {
  w.Text16(m.text);
  w.Text16(m.auxText1);
  w.Text16(m.auxText2);
  w.Int32(m.auxInt1);
  w.Int32(m.color);
  w.Int32(m.auxInt2);
  w.Int32(m.auxInt3);
  w.Bool(m.auxFlag1);
  w.Bool(m.auxFlag2);
  w.Int32(m.turn);
  w.Int32(m.messageType);
  w.Int32(m.auxInt4);
  w.Int32(m.auxInt5);
  w.Bool(m.auxFlag3);
}

void WritePlayerRecord(FieldWriter& w, const SaveDescription& d, int slot) {
  const PlayerDesc& p = d.players[slot];
  w.JunkInt32(3);
  w.Int32(p.playerPopulation);
  w.JunkInt32(2);
  w.Int32(p.playerGold);
  w.JunkInt32(8);
  w.Int32(p.greatPeopleCreated);
  w.Int32(p.greatGeneralsCreated);
  w.JunkInt32(66);
  w.Int32(p.populationScore);
  w.Int32(p.landScore);
  w.Int32(p.wondersScore);
  w.Int32(p.techScore);
  w.Int32(p.generalPoints);
  w.Bool(p.playerAlive);
  w.JunkBool(8);
  w.JunkInt32(1);
  w.Int32(p.leaderPersonality);
  w.JunkInt32(2);
  w.JunkInt32(13 * 3);
  w.JunkInt32(kSlots);
  w.JunkBool(28 + 18);
  w.JunkText16();
  // Runs of 35, 35, 24, 129, 129, 6, 68, 68, 105, 105, 2, 4, 5, 5, 7, 3 and 12 int32 (742 in all).
  w.JunkInt32(kBonuses + kBonuses + 24 + kBuildings + kBuildings + 6 + kUnitClasses + kUnitClasses + kBuildingClasses +
              kBuildingClasses + 2 + 4 + 5 + 5 + 7 + 3 + 12);
  w.Bools(p.researchFlags);
  w.JunkBool(kSlots);
  w.JunkInt32(5);
  w.JunkInt32(12 * 3 + 24 * 3);
  w.Int32List();
  w.Int32List();
  w.Text16List();
  w.IndexBlock();
  for (int32_t n = w.JunkCount(); n > 0; --n) {
    w.JunkInt32(3);
    w.JunkInt32(kBonuses);
    w.Int32List(2);
  }
  w.IndexBlock();

  w.Int32(p.cityCountOverride.value_or(static_cast<int32_t>(p.cities.size())));
  for (const CityDesc& c : p.cities) WriteCityRecord(w, c, slot);
  w.IndexBlock();
  w.Int32(p.unitCount);
  for (int32_t n = p.unitCount; n > 0; --n) WriteUnitRecord(w);
  w.IndexBlock();
  for (int32_t n = w.JunkCount(); n > 0; --n) WriteGroupRecord(w);
  w.Int32(p.messageCountOverride.value_or(static_cast<int32_t>(p.messages.size())));
  for (const MessageDesc& m : p.messages) WriteMessageRecord(w, m);
  for (int32_t n = w.JunkCount(); n > 0; --n) {
    w.JunkInt32(4);
    w.JunkBool(2);
    w.JunkInt32(1);
    w.JunkText16(3);
    w.Text16List(2);
  }
  w.Int32(p.eventRecordCount);
  for (int32_t n = p.eventRecordCount; n > 0; --n) WriteEventRecord(w, d.eventTags);
  WriteHistories(w, p);

  w.JunkInt32(5 + 36 + 36);
  w.JunkInt32(8 * kSlots);
  w.JunkBool(kSlots);
  w.JunkInt32(kSlots * 14);
  w.JunkInt32(kSlots * 28);
}

}  // namespace tolvane::testing
