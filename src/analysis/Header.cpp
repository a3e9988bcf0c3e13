// The save header and slot table, and the values the game section holds at
// fixed offsets.
#include "analysis/Walk.h"

namespace tolvane {

void ReadFixedOffsets(std::span<const uint8_t> body, Analysis& a) {
  SaveReader r(body);
  SectionScope scope(r, "game settings");
  auto at = [&r](size_t offset) {
    r.Seek(offset);
    return r.ReadInt32();
  };
  a.storedElapsedTurns = at(8);
  a.endTurn = at(20);
  const int32_t quarters = at(24);  // playing time in quarter seconds, rounded to seconds
  a.playTime = quarters / 4 + (quarters - 4 * (quarters / 4) >= 2 ? 1 : 0);
  a.maxPopScore = at(64);
  a.maxLandScore = at(68);
  a.maxTechScore = at(72);
  a.maxWonderScore = at(76);
  a.initPop = at(80);
  a.initLand = at(84);
  a.initTech = at(88);
  a.initWonder = at(92);
  a.difficulty = at(105);
  a.victoryType = at(121);
  a.gameState = at(125);
  a.gameScore = at(361);
}

namespace {

// The slot table is stored column by column: 19 values of one field, then the next.
void ReadSlotTable(SaveReader& r, Analysis& a) {
  SectionScope scope(r, "slot table");
  auto& slots = a.slots;
  auto column = [&](auto read) {
    for (int s = 0; s < kSlots; ++s) read(slots[size_t(s)]);
  };
  auto skipTexts = [&r] {
    for (int s = 0; s < kSlots; ++s) r.SkipUStr();
  };
  column([&](SlotInfo& l) { l.leaderName = r.ReadUStr(); });
  column([&](SlotInfo& l) { l.civDescription = r.ReadUStr(); });
  skipTexts();
  column([&](SlotInfo& l) { l.civAdjective = r.ReadUStr(); });
  column([&](SlotInfo& l) { l.password = r.ReadUStr(); });
  skipTexts();
  skipTexts();
  r.SkipBool(kSlots);
  skipTexts();
  column([&](SlotInfo& l) { l.civType = r.ReadInt32(); });
  column([&](SlotInfo& l) { l.leaderType = r.ReadInt32(); });
  column([&](SlotInfo& l) { l.team = r.ReadInt32(); });
  column([&](SlotInfo& l) { l.handicap = r.ReadInt32(); });
  r.SkipInt32(2 * kSlots);
  column([&](SlotInfo& l) { l.slotStatus = r.ReadInt32(); });
  r.SkipInt32(kSlots);
  r.SkipBool(kSlots);
  r.SkipBool(kSlots);
}

}  // namespace

void ReadHeader(SaveReader& r, Analysis& a) {
  SectionScope scope(r, "save header");
  a.saveVersion = r.ReadInt32();
  a.modPath = r.ReadStr();
  a.modChecksum = r.ReadStr();
  a.flags = r.ReadInt32();
  a.gameBuildVersion = r.ReadStr();
  a.dllChecksum = r.ReadStr();
  a.shaderChecksum = r.ReadStr();
  a.pythonChecksum = r.ReadStr();
  a.xmlChecksum = r.ReadStr();
  a.saveFlag = r.ReadInt32();
  a.gameType = r.ReadInt32();
  a.gameName = r.ReadUStr();
  a.gamePassword = r.ReadUStr();
  a.adminPassword = r.ReadUStr();
  a.mapScript = r.ReadUStr();
  r.SkipBool();
  a.worldSize = r.ReadInt32();
  a.climate = r.ReadInt32();
  a.seaLevel = r.ReadInt32();
  a.startEra = r.ReadInt32();
  a.storedGameSpeed = r.ReadInt32();
  r.SkipInt32();
  a.calendar = r.ReadInt32();
  const int32_t countA = r.ReadCount();
  r.SkipInt32();
  r.SkipInt32(countA);
  const int32_t countV = r.ReadCount();
  for (int32_t v = 0; v < countV; ++v) {
    const int32_t flag = r.ReadBool();
    if (v < kVictories) a.victoryFlags[size_t(v)] = flag;
  }
  for (auto& option : a.gameOptions) option = r.ReadBool();
  r.SkipBool(5);
  r.SkipBool();
  r.SkipInt32(5);
  ReadSlotTable(r, a);
}

}  // namespace tolvane
