// The host game's content, indexed by type number exactly as the save refers
// to it: row i of a table is the game's type i. Never changed at run time.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "rules/Limits.h"

namespace tolvane {

struct TTechInfoRec {
  std::string_view Name;
  int32_t Cost;
  int32_t Era;  // 1..7
};

// Buildings, projects and units share one shape: the type key without its
// category prefix and the base production cost (-1 where the game has none).
struct TBuildingInfoRec {
  std::string_view Key;
  int32_t Cost;
};
using TProjectInfoRec = TBuildingInfoRec;
using TUnitInfoRec = TBuildingInfoRec;

extern const std::array<std::string_view, kLeaders> LeaderNames;
extern const std::array<std::string_view, kCivs> CivNames;
extern const std::array<TTechInfoRec, kTechs> TechInfo;
extern const std::array<TBuildingInfoRec, kBuildings> BuildingInfo;
extern const std::array<TProjectInfoRec, kProjects> ProjectInfo;
extern const std::array<TUnitInfoRec, kUnits> UnitInfo;
// Indexed by era number 1..7; entry 0 is empty and never shown.
extern const std::array<std::string_view, kEras + 1> EraNames;
extern const std::array<std::array<int32_t, 5>, kSpeeds> CultureThresholds;
extern const std::array<std::string_view, kProcesses> ProcessNames;
extern const std::array<std::string_view, 4> PlotTypeAbbrev;
extern const std::array<std::string_view, 9> TerrainAbbrev;
extern const std::array<std::string_view, 6> FeatureAbbrev;
extern const std::array<std::string_view, 35> BonusAbbrev;
extern const std::array<std::string_view, kVictories> VictoryNames;
extern const std::array<std::string_view, kGameOptions> GameOptionNames;
extern const std::array<std::array<int32_t, 56>, kLeaders> LeaderAttitudeTable;

// Names of the settings as the pages show them; "Unknown" outside the range.
std::string_view WorldSizeName(int32_t v);    // "Duel" .. "Huge"
std::string_view ClimateName(int32_t v);      // "Temperate" .. "Cold"
std::string_view SeaLevelName(int32_t v);     // "Low", "Medium", "High"
std::string_view EraName(int32_t v);          // start era 0..6: "Ancient" .. "Future"
std::string_view GameSpeedName(int32_t v);    // "Marathon", "Epic", "Normal", "Quick"
std::string_view LevelString(int32_t level);  // "Settler" .. "Deity"
std::string_view VictoryTypeName(int32_t v);  // 1..6 and -1 "Loss"; others "Unknown"
std::string_view SlotStatusName(int32_t v);   // "Open", "Computer", "Closed", "Human"; others "Closed"

}  // namespace tolvane
