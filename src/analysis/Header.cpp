// The save header and slot table, and the values the game section holds at
// fixed offsets.
#include <array>

#include "analysis/Walk.h"
#include "rules/Scores.h"

namespace tolvane {

void ReadFixedOffsets(std::span<const uint8_t> body, Analysis& a) {
  SaveReader r(body);
  r.section("game settings");
  auto at = [&r](size_t offset) {
    r.seek(offset);
    return r.readInt32();
  };
  a.ElapsedTurns = at(8);
  a.EndTurn = at(20);
  const int32_t quarters = at(24);  // playing time in quarter seconds, rounded to seconds
  a.PlayTime = quarters / 4 + (quarters - 4 * (quarters / 4) >= 2 ? 1 : 0);
  a.MaxPopScore = at(64);
  a.MaxLandScore = at(68);
  a.MaxTechScore = at(72);
  a.MaxWonderScore = at(76);
  a.InitPop = at(80);
  a.InitLand = at(84);
  a.InitTech = at(88);
  a.InitWonder = at(92);
  a.Difficulty = at(105);
  a.VictoryType = at(121);
  a.GameState = at(125);
  a.GameScore = at(361);
}

void ReadHeader(SaveReader& r, Analysis& a) {
  r.section("save header");
  a.SaveVersion = r.readInt32();
  a.ModPath = r.readStr();
  a.ModChecksum = r.readStr();
  a.Flags = r.readInt32();
  a.GameBuildVersion = r.readStr();
  a.DLLChecksum = r.readStr();
  a.ShaderChecksum = r.readStr();
  a.PythonChecksum = r.readStr();
  a.XMLChecksum = r.readStr();
  a.SaveFlag = r.readInt32();
  a.GameType = r.readInt32();
  a.GameName = r.readUStr();
  a.GamePassword = r.readUStr();
  a.AdminPassword = r.readUStr();
  a.RestrictedView = !a.AdminPassword.empty() && a.GameState <= 0;
  a.MapScript = r.readUStr();
  r.skipBool();
  a.WorldSize = r.readInt32();
  a.Climate = r.readInt32();
  a.SeaLevel = r.readInt32();
  a.StartEra = r.readInt32();
  a.GameSpeed = r.readInt32();
  r.skipInt32();
  a.Calendar = r.readInt32();
  const int32_t countA = r.readCount();
  r.skipInt32();
  r.skipInt32(countA);
  const int32_t countV = r.readCount();
  for (int32_t v = 0; v < countV; ++v) {
    const int32_t flag = r.readBool();
    if (v < kVictories) a.VictoryFlags[size_t(v)] = flag;
  }
  for (auto& option : a.GameOptions) option = r.readBool();
  r.skipBool(5);
  r.skipBool();
  r.skipInt32(5);

  r.section("slot table");
  auto& slots = a.LeaderInfo;
  // The slot table is stored column by column: 19 values of one field, then the next.
  auto column = [&](auto read) {
    for (int s = 0; s < kSlots; ++s) read(slots[size_t(s)]);
  };
  column([&](TLeaderInfoRec& l) { l.LeaderName = r.readUStr(); });
  column([&](TLeaderInfoRec& l) { l.CivDescription = r.readUStr(); });
  column([&](TLeaderInfoRec& l) { l.SlotText3 = r.readUStr(); });
  column([&](TLeaderInfoRec& l) { l.CivAdjective = r.readUStr(); });
  column([&](TLeaderInfoRec& l) { l.Password = r.readUStr(); });
  column([&](TLeaderInfoRec& l) { l.SlotText6 = r.readUStr(); });
  column([&](TLeaderInfoRec& l) { l.SlotText7 = r.readUStr(); });
  column([&](TLeaderInfoRec& l) { l.SlotFlag = r.readBool(); });
  column([&](TLeaderInfoRec& l) { l.SlotText9 = r.readUStr(); });
  column([&](TLeaderInfoRec& l) { l.CivType = r.readInt32(); });
  column([&](TLeaderInfoRec& l) { l.LeaderType = r.readInt32(); });
  column([&](TLeaderInfoRec& l) { l.Team = r.readInt32(); });
  column([&](TLeaderInfoRec& l) { l.Handicap = r.readInt32(); });
  column([&](TLeaderInfoRec& l) { l.SlotValue14 = r.readInt32(); });
  column([&](TLeaderInfoRec& l) { l.SlotValue15 = r.readInt32(); });
  column([&](TLeaderInfoRec& l) { l.SlotStatus = r.readInt32(); });
  r.skipInt32(kSlots);
  r.skipBool(kSlots);
  r.skipBool(kSlots);
}

void DeriveSettings(Analysis& a) {
  static constexpr std::array<int32_t, 6> kWorld = {100, 110, 120, 130, 140, 150};
  static constexpr std::array<int32_t, 4> kSpeed = {300, 150, 100, 67};
  static constexpr std::array<int32_t, 7> kEra = {100, 90, 80, 70, 60, 50, 40};
  auto pick = [](const auto& table, int32_t v) { return v >= 0 && size_t(v) < table.size() ? table[size_t(v)] : 100; };
  a.DiffCoeff = DiffCoeffOf(a.Difficulty);
  a.WorldCostPercent = pick(kWorld, a.WorldSize);
  a.SpeedCostPercent = pick(kSpeed, a.GameSpeed);  // the speed as stored, before any renumbering
  a.EraCostPercent = pick(kEra, a.StartEra);
  a.TeamMemberCostPercent = 50;
}

}  // namespace tolvane
