// The host game's content, indexed by type number exactly as the save refers
// to it: row i of a table is the game's type i. Never changed at run time.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "rules/Limits.h"

namespace tolvane {

struct TechInfo {
  std::string_view name;
  int32_t cost;
  int32_t era;  // 1..7
};

// Buildings, projects and units share one shape: the type key without its
// category prefix and the base production cost (-1 where the game has none).
struct BuildingInfo {
  std::string_view key;
  int32_t cost;
};
using ProjectInfo = BuildingInfo;
using UnitInfo = BuildingInfo;

extern const std::array<std::string_view, kLeaders> kLeaderNames;
extern const std::array<std::string_view, kCivs> kCivNames;
extern const std::array<TechInfo, kTechs> kTechInfo;
extern const std::array<BuildingInfo, kBuildings> kBuildingInfo;
extern const std::array<ProjectInfo, kProjects> kProjectInfo;
extern const std::array<UnitInfo, kUnits> kUnitInfo;
// Indexed by era number 1..7; entry 0 is empty and never shown.
extern const std::array<std::string_view, kEras + 1> kEraNames;
extern const std::array<std::array<int32_t, 5>, kSpeeds> kCultureThresholds;
extern const std::array<std::string_view, kProcesses> kProcessNames;
extern const std::array<std::string_view, 4> kPlotTypeAbbrev;
extern const std::array<std::string_view, 9> kTerrainAbbrev;
extern const std::array<std::string_view, 6> kFeatureAbbrev;
extern const std::array<std::string_view, kBonuses> kBonusAbbrev;
// The same rows by their full names, as the map picture's plot text shows them.
extern const std::array<std::string_view, 4> kPlotTypeNames;
extern const std::array<std::string_view, 9> kTerrainNames;
extern const std::array<std::string_view, 6> kFeatureNames;
extern const std::array<std::string_view, kBonuses> kBonusNames;
extern const std::array<std::string_view, kVictories> kVictoryNames;
extern const std::array<std::string_view, kGameOptions> kGameOptionNames;
extern const std::array<std::array<int32_t, 56>, kLeaders> kLeaderAttitudeTable;

// Names of the settings as the pages show them; "Unknown" outside the range.
std::string_view WorldSizeName(int32_t v);    // "Duel" .. "Huge"
std::string_view ClimateName(int32_t v);      // "Temperate" .. "Cold"
std::string_view SeaLevelName(int32_t v);     // "Low", "Medium", "High"
std::string_view EraName(int32_t v);          // start era 0..6: "Ancient" .. "Future"
std::string_view GameSpeedName(int32_t v);    // "Marathon", "Epic", "Normal", "Quick"
std::string_view LevelString(int32_t level);  // "Settler" .. "Deity"
std::string_view VictoryTypeName(int32_t v);  // 1..6 and -1 "Loss"; others "Unknown"
std::string_view SlotStatusName(int32_t v);   // "Open", "Computer", "Closed", "Human"; others "Closed"

// The same names in value order, for lists that offer every value (entry i
// names value i).
std::span<const std::string_view> WorldSizeNames();
std::span<const std::string_view> ClimateNames();
std::span<const std::string_view> SeaLevelNames();
std::span<const std::string_view> StartEraNames();
std::span<const std::string_view> GameSpeedNames();
std::span<const std::string_view> LevelNames();
std::span<const std::string_view> SlotStatusNames();

}  // namespace tolvane
