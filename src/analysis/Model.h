// The analysis model: everything one load of a save yields. A load builds a
// fresh Analysis; nothing of an earlier save survives in it. Names follow the
// host game's save layout and the window's captions.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "rules/Limits.h"

namespace tolvane {

// One player slot of the save header's slot table.
struct TLeaderInfoRec {
  std::string LeaderName;
  std::string CivDescription;
  std::string SlotText3;
  std::string CivAdjective;
  std::string Password;
  std::string SlotText6;
  std::string SlotText7;
  int32_t SlotFlag = 0;
  std::string SlotText9;
  int32_t CivType = 0;
  int32_t LeaderType = 0;
  int32_t Team = 0;
  int32_t Handicap = 0;
  int32_t SlotValue14 = 0;
  int32_t SlotValue15 = 0;
  int32_t SlotStatus = 0;
};

struct TReplayMsgRec {
  int32_t Turn = 0;
  int32_t Info1 = 0, Info2 = 0, Info3 = 0, Info4 = 0;
  std::string Text;  // markup already removed
  int32_t Color = 0;
};

struct TPlotRec {
  int16_t PlotType = 0;
  int16_t Terrain = 0;
  int16_t Feature = -1;
  int16_t Bonus = -1;
};

struct TCityRec {
  std::string Name;
  int32_t X = 0;
  int32_t Y = 0;
  std::array<int32_t, kBuildings> HasBuilding{};
  std::array<int32_t, kBuildings> FreeBuilding{};
  std::array<int32_t, kBuildings> BuildingProduction{};
  std::array<int32_t, kUnits> UnitProduction{};
  std::array<int32_t, kProjects> ProjectProduction{};
  std::array<int32_t, kProcesses> ProcessRate{};
  int32_t Culture = 0;  // hundredths of a culture point, the owner's entry
  int32_t FoundedTurn = 0;
  int32_t Population = 0;
};

struct TMessageRec {
  std::string Text;  // markup already removed
  std::string AuxText1;
  std::string AuxText2;
  int32_t AuxInt1 = 0;
  int32_t Color = 0;
  int32_t AuxInt2 = 0;
  int32_t AuxInt3 = 0;
  int32_t AuxFlag1 = 0;
  int32_t AuxFlag2 = 0;
  int32_t Turn = 0;
  int32_t MessageType = 0;  // 3 city event, 5 combat
  int32_t AuxInt4 = 0;
  int32_t AuxInt5 = 0;
  int32_t AuxFlag3 = 0;
};

template <typename T>
using PerSlot = std::array<T, kSlots>;
template <typename T>
using PerTeam = std::array<T, kTeams>;
using TeamRow = std::array<int32_t, kTeams>;
using TechRow = std::array<int32_t, kTechs>;
using HistoryRow = std::vector<int32_t>;  // kHistoryLength entries

// The six per-turn histories in save order, then the science history.
enum HistoryKind { ScoreHist, EconomyHist, IndustryHist, AgricultureHist, PowerHist, CultureHist, ScienceHist };

struct Analysis {
  // --- Values taken from fixed offsets of the inflated body.
  int32_t ElapsedTurns = 0;
  int32_t EndTurn = 0;
  int32_t PlayTime = 0;  // seconds
  int32_t MaxPopScore = 0, MaxLandScore = 0, MaxTechScore = 0, MaxWonderScore = 0;
  int32_t InitPop = 0, InitLand = 0, InitTech = 0, InitWonder = 0;
  int32_t Difficulty = 0;
  int32_t VictoryType = 0;
  int32_t GameState = 0;
  int32_t GameScore = 0;

  // --- Save header and slot table.
  int32_t SaveVersion = 0;
  std::string ModPath, ModChecksum;
  int32_t Flags = 0;
  std::string GameBuildVersion, DLLChecksum, ShaderChecksum, PythonChecksum, XMLChecksum;
  int32_t SaveFlag = 0;
  int32_t GameType = 0;
  std::string GameName, GamePassword, AdminPassword, MapScript;
  int32_t WorldSize = 0, Climate = 0, SeaLevel = 0, StartEra = 0, GameSpeed = 0, Calendar = 0;
  std::array<int32_t, kVictories> VictoryFlags{};
  std::array<int32_t, kGameOptions> GameOptions{};
  bool RestrictedView = false;
  std::array<TLeaderInfoRec, kSlots + 1> LeaderInfo{};  // entry 19 stays empty

  // Derived settings (neutral when a setting lies outside its range).
  double DiffCoeff = 1.0;
  int32_t WorldCostPercent = 100;
  int32_t SpeedCostPercent = 100;
  int32_t EraCostPercent = 100;
  int32_t TeamMemberCostPercent = 50;

  // --- Sessions: turns of the session messages found, sorted ascending
  // (at most kMaxSessions), and the count of those at turn 0.
  std::vector<int32_t> SessionTurns;
  int32_t Sessions = 1;
  int32_t PreSessions = 0;

  // --- Game section.
  int32_t StartTurn = 0;
  int32_t GameTurn = 0;
  int32_t GameDate = 0;
  std::vector<TReplayMsgRec> ReplayMsgs;  // at most kMaxReplayMsgs

  // --- Map.
  int32_t MapWidth = 0, MapHeight = 0;
  int32_t LandPlots = 0, OwnedPlots = 0;
  int32_t Latitude1 = 0, Latitude2 = 0;
  int32_t WrapX = 0, WrapY = 0;
  int32_t PlotCount = 0;
  PerSlot<int32_t> OwnedLandCount{};
  PerSlot<double> LandPercent{};
  // Plots of the map, row-major [y][x], for x < StoredMapWidth() and
  // y < StoredMapHeight() (the map's size, capped at kMaxMapSide).
  std::vector<TPlotRec> PlotTable;
  int32_t StoredMapWidth() const { return MapWidth < 0 ? 0 : MapWidth > kMaxMapSide ? kMaxMapSide : MapWidth; }
  int32_t StoredMapHeight() const { return MapHeight < 0 ? 0 : MapHeight > kMaxMapSide ? kMaxMapSide : MapHeight; }
  // x, y inside the stored map.
  const TPlotRec& Plot(int32_t x, int32_t y) const { return PlotTable[size_t(y) * StoredMapWidth() + x]; }
  TPlotRec& Plot(int32_t x, int32_t y) { return PlotTable[size_t(y) * StoredMapWidth() + x]; }

  // --- Teams.
  PerTeam<int32_t> TeamMembers{};
  PerTeam<int32_t> TeamPopulation{};
  PerTeam<int32_t> TeamLand{};
  PerTeam<TeamRow> HasMet{};
  PerTeam<TeamRow> IsVassal{};  // [t][u]: team t is the vassal of team u
  PerTeam<TechRow> ResearchProgress{};
  PerTeam<int32_t> FutureTechCount{};
  PerTeam<TechRow> HasTech{};
  PerTeam<int32_t> KnownTechCount{};

  // --- Players.
  PerSlot<int32_t> PlayerPopulation{};
  PerSlot<int32_t> PlayerGold{};
  PerSlot<int32_t> GreatPeopleCreated{};
  PerSlot<int32_t> GreatGeneralsCreated{};
  PerSlot<int32_t> GeneralPoints{};
  PerSlot<int32_t> PopulationScore{};
  PerSlot<int32_t> LandScore{};
  PerSlot<int32_t> WondersScore{};
  PerSlot<int32_t> TechScore{};
  PerSlot<int32_t> PlayerAlive{};
  PerSlot<int32_t> LeaderPersonality{};
  PerSlot<int32_t> ResearchingTech{};
  PerSlot<int32_t> UnitCount{};
  PerSlot<int32_t> PopulationScoreCounted{};
  PerSlot<int32_t> LandScoreCounted{};

  // Cities: the count as read, the first kMaxCities records, and their
  // culture values, one per stored city, sorted descending after the walk
  // (CultureOfRank gives 0 beyond them).
  PerSlot<int32_t> CityCount{};
  PerSlot<std::vector<TCityRec>> Cities;
  PerSlot<std::vector<int32_t>> CityCulture;

  // Messages: the count as read and the first kMaxMessages records.
  PerSlot<int32_t> MessageCount{};
  PerSlot<std::vector<TMessageRec>> Messages;
  PerTeam<TechRow> TechTurn{};  // -1 unknown, 0 known without a message

  // Histories [kind][slot], kHistoryLength entries each; index = turn - StartTurn.
  std::array<PerSlot<HistoryRow>, 7> History;

  // --- Statistics derived after the walk.
  int32_t PlayerCount = 0;
  int32_t TotalPopulation = 0;
  PerSlot<double> PopulationPercent{};
  PerTeam<int32_t> TeamPopulationCounted{};
  PerTeam<int32_t> TeamLandCounted{};
  PerTeam<int32_t> TeamVassalPopulation{};
  PerTeam<int32_t> TeamVassalLand{};
  PerSlot<int32_t> VassalPopulationScore{};
  PerSlot<int32_t> VassalLandScore{};
  PerSlot<int32_t> PlayerScore{};
  PerTeam<int32_t> TeamScore{};
  int32_t KavrelCultureCurr = 0;
  int32_t KavrelMTechCurr = 0;
  int32_t KavrelTurnCurr = 0;
  int32_t KavrelCultureMax = 50000;
  int32_t KavrelTurnMax = 0;

  Analysis() {
    for (auto& kind : History)
      for (auto& row : kind) row.assign(kHistoryLength, 0);
    for (auto& row : TechTurn) row.fill(-1);
  }

  // The team of a slot, and whether it indexes the team tables.
  int32_t GetTeam(int slot) const { return LeaderInfo[slot].Team; }
  static bool ValidTeam(int32_t team) { return team >= 0 && team < kTeams; }
  // The culture of city rank i (0-based) of a slot; 0 beyond the stored ones.
  int32_t CultureOfRank(int slot, int rank) const {
    const auto& row = CityCulture[slot];
    return rank < int(row.size()) ? row[size_t(rank)] : 0;
  }
};

}  // namespace tolvane
