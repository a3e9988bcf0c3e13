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

// One player slot of the save header's slot table: the columns the pages
// show or the calculators use.
struct SlotInfo {
  std::string leaderName;
  std::string civDescription;
  std::string civAdjective;
  std::string password;
  int32_t civType = 0;
  int32_t leaderType = 0;
  int32_t team = 0;
  int32_t handicap = 0;
  int32_t slotStatus = 0;
};

struct ReplayMessage {
  int32_t turn = 0;
  std::string text;  // markup already removed
  int32_t color = 0;
};

// An owner byte of kNoOwner or more: the plot is nobody's.
inline constexpr uint8_t kNoOwner = kSlots;

struct Plot {
  int16_t plotType = 0;
  int16_t terrain = 0;
  int16_t feature = -1;
  int16_t bonus = -1;
  uint8_t owner = 255;  // the owning slot as stored; kNoOwner or more for nobody
  // The owning slot, or -1 when the plot is nobody's.
  int OwnerSlot() const { return owner < kNoOwner ? int(owner) : -1; }
};

struct City {
  std::string name;
  int32_t x = 0;
  int32_t y = 0;
  std::array<int32_t, kBuildings> hasBuilding{};
  std::array<int32_t, kBuildings> freeBuilding{};
  std::array<int32_t, kBuildings> buildingProduction{};
  std::array<int32_t, kUnits> unitProduction{};
  std::array<int32_t, kProjects> projectProduction{};
  std::array<int32_t, kProcesses> processRate{};
  int32_t culture = 0;  // hundredths of a culture point, the owner's entry
  int32_t foundedTurn = 0;
  int32_t population = 0;
};

struct Message {
  std::string text;  // markup already removed
  int32_t color = 0;
  int32_t turn = 0;
  int32_t messageType = 0;  // kCityEventMessage, kCombatMessage, ... (rules/GameCodes.h)
};

template <typename T>
using PerSlot = std::array<T, kSlots>;
template <typename T>
using PerTeam = std::array<T, kTeams>;
using TeamRow = std::array<int32_t, kTeams>;
using TechRow = std::array<int32_t, kTechs>;
using HistoryRow = std::vector<int32_t>;  // kHistoryLength entries

// The six per-turn histories in save order, then the science history.
enum HistoryKind {
  kScoreHistory,
  kEconomyHistory,
  kIndustryHistory,
  kAgricultureHistory,
  kPowerHistory,
  kCultureHistory,
  kScienceHistory
};

struct Analysis {
  // --- Values taken from fixed offsets of the inflated body.
  int32_t storedElapsedTurns = 0;  // as the save stores them; the pages read elapsedTurns
  int32_t endTurn = 0;
  int32_t playTime = 0;  // seconds
  int32_t maxPopScore = 0, maxLandScore = 0, maxTechScore = 0, maxWonderScore = 0;
  int32_t initPop = 0, initLand = 0, initTech = 0, initWonder = 0;
  int32_t difficulty = 0;
  int32_t victoryType = 0;
  int32_t gameState = 0;
  int32_t gameScore = 0;

  // --- Save header and slot table.
  int32_t saveVersion = 0;
  std::string modPath, modChecksum;
  int32_t flags = 0;
  std::string gameBuildVersion, dllChecksum, shaderChecksum, pythonChecksum, xmlChecksum;
  int32_t saveFlag = 0;
  int32_t gameType = 0;
  std::string gameName, gamePassword, adminPassword, mapScript;
  int32_t worldSize = 0, climate = 0, seaLevel = 0, startEra = 0, calendar = 0;
  int32_t storedGameSpeed = 0;  // as the save stores it; the pages read gameSpeed
  std::array<int32_t, kVictories> victoryFlags{};
  std::array<int32_t, kGameOptions> gameOptions{};
  std::array<SlotInfo, kSlots + 1> slots{};  // entry 19 stays empty

  // --- Settings derived once the walk has read what they need.
  // An administrator password hides the other players while the game runs.
  bool restrictedView = false;
  // The difficulty coefficient and the research percents (neutral when a
  // setting lies outside its range; the speed's is that of the stored speed).
  double diffCoeff = 1.0;
  int32_t worldCostPercent = 100;
  int32_t speedCostPercent = 100;
  int32_t eraCostPercent = 100;
  // The game speed 0 Marathon .. 3 Quick: saves before version 102 number
  // their speeds from 1.
  int32_t gameSpeed = 0;
  // The current turn (start turn and stored elapsed turns) and its year.
  int32_t gameTurn = 0;
  int32_t gameDate = 0;
  // The stored elapsed turns, 0 when the current turn lies before turn 0 and
  // the speed's turn limit when it lies beyond it.
  int32_t elapsedTurns = 0;

  // --- Sessions: turns of the session messages found, sorted ascending
  // (at most kMaxSessions), and the count of those at turn 0.
  std::vector<int32_t> sessionTurns;
  int32_t sessions = 1;
  int32_t preSessions = 0;

  // --- Game section.
  int32_t startTurn = 0;
  std::vector<ReplayMessage> replay;  // at most kMaxReplayMessages

  // --- Map.
  int32_t mapWidth = 0, mapHeight = 0;
  int32_t landPlots = 0, ownedPlots = 0;
  int32_t latitude1 = 0, latitude2 = 0;
  int32_t wrapX = 0, wrapY = 0;
  PerSlot<int32_t> ownedLandCount{};
  PerSlot<double> landPercent{};
  // Plots of the map, row-major [y][x], for x < StoredMapWidth() and
  // y < StoredMapHeight() (the map's size, capped at kMaxMapSide).
  std::vector<Plot> plots;
  int32_t StoredMapWidth() const { return mapWidth < 0 ? 0 : mapWidth > kMaxMapSide ? kMaxMapSide : mapWidth; }
  int32_t StoredMapHeight() const { return mapHeight < 0 ? 0 : mapHeight > kMaxMapSide ? kMaxMapSide : mapHeight; }
  // x, y inside the stored map.
  const Plot& PlotAt(int32_t x, int32_t y) const { return plots[size_t(y) * StoredMapWidth() + x]; }
  Plot& PlotAt(int32_t x, int32_t y) { return plots[size_t(y) * StoredMapWidth() + x]; }

  // --- Teams.
  PerTeam<int32_t> teamMembers{};
  PerTeam<int32_t> teamPopulation{};
  PerTeam<int32_t> teamLand{};
  PerTeam<TeamRow> hasMet{};
  PerTeam<TeamRow> isVassal{};  // [t][u]: team t is the vassal of team u
  PerTeam<TechRow> researchProgress{};
  PerTeam<int32_t> futureTechCount{};
  PerTeam<TechRow> hasTech{};
  PerTeam<int32_t> knownTechCount{};

  // --- Players.
  PerSlot<int32_t> playerPopulation{};
  PerSlot<int32_t> playerGold{};
  PerSlot<int32_t> greatPeopleCreated{};
  PerSlot<int32_t> greatGeneralsCreated{};
  PerSlot<int32_t> generalPoints{};
  PerSlot<int32_t> populationScore{};
  PerSlot<int32_t> landScore{};
  PerSlot<int32_t> wondersScore{};
  PerSlot<int32_t> techScore{};
  PerSlot<int32_t> playerAlive{};
  PerSlot<int32_t> leaderPersonality{};
  PerSlot<int32_t> researchingTech{};
  PerSlot<int32_t> unitCount{};
  PerSlot<int32_t> populationScoreCounted{};
  PerSlot<int32_t> landScoreCounted{};

  // Cities: the count as read, the first kMaxCities records, and their
  // culture values, one per stored city, sorted descending after the walk
  // (CultureOfRank gives 0 beyond them).
  PerSlot<int32_t> cityCount{};
  PerSlot<std::vector<City>> cities;
  PerSlot<std::vector<int32_t>> cityCulture;

  // Messages: the count as read and the first kMaxMessages records.
  PerSlot<int32_t> messageCount{};
  PerSlot<std::vector<Message>> messages;

  // Histories [kind][slot], kHistoryLength entries each; index = turn - StartTurn.
  std::array<PerSlot<HistoryRow>, 7> history;

  // --- Statistics derived after the walk.
  int32_t playerCount = 0;
  int32_t totalPopulation = 0;
  PerSlot<double> populationPercent{};
  PerTeam<int32_t> teamPopulationCounted{};
  PerTeam<int32_t> teamLandCounted{};
  PerSlot<int32_t> playerScore{};
  PerTeam<int32_t> teamScore{};
  int32_t kavrelCultureCurr = 0;
  int32_t kavrelMTechCurr = 0;
  int32_t kavrelTurnCurr = 0;
  int32_t kavrelCultureMax = 50000;
  int32_t kavrelTurnMax = 0;

  Analysis() {
    for (auto& kind : history)
      for (auto& row : kind) row.assign(kHistoryLength, 0);
  }

  // The team of a slot, and whether it indexes the team tables.
  int32_t GetTeam(int slot) const { return slots[slot].team; }
  static bool ValidTeam(int32_t team) { return team >= 0 && team < kTeams; }
  // The culture of city rank i (0-based) of a slot; 0 beyond the stored ones.
  int32_t CultureOfRank(int slot, int rank) const {
    const auto& row = cityCulture[slot];
    return rank < int(row.size()) ? row[size_t(rank)] : 0;
  }
};

}  // namespace tolvane
