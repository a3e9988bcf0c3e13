#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>
#include <string>

#include "rules/Tables.h"

namespace tolvane {
namespace {

TEST(Tables, EveryRowIsFilled) {
  // A row left out of an initializer list would be silently empty.
  auto allNamed = [](std::span<const std::string_view> names) {
    return std::none_of(names.begin(), names.end(), [](std::string_view n) { return n.empty(); });
  };
  EXPECT_TRUE(allNamed(kLeaderNames));
  EXPECT_TRUE(allNamed(kCivNames));
  EXPECT_TRUE(allNamed(std::span(kEraNames).subspan(1)));
  EXPECT_TRUE(allNamed(kProcessNames));
  EXPECT_TRUE(allNamed(kPlotTypeAbbrev));
  EXPECT_TRUE(allNamed(kTerrainAbbrev));
  EXPECT_TRUE(allNamed(kFeatureAbbrev));
  EXPECT_TRUE(allNamed(kBonusAbbrev));
  EXPECT_TRUE(allNamed(kPlotTypeNames));
  EXPECT_TRUE(allNamed(kTerrainNames));
  EXPECT_TRUE(allNamed(kFeatureNames));
  EXPECT_TRUE(allNamed(kBonusNames));
  EXPECT_TRUE(allNamed(kVictoryNames));
  EXPECT_TRUE(allNamed(kGameOptionNames));
  for (const auto& t : kTechInfo) EXPECT_TRUE(!t.name.empty() && t.cost > 0 && t.era >= 1 && t.era <= 7) << t.name;
  auto keyed = [](std::span<const BuildingInfo> rows) {
    return std::none_of(rows.begin(), rows.end(), [](const auto& r) { return r.key.empty() || r.cost == 0; });
  };
  EXPECT_TRUE(keyed(kBuildingInfo));
  EXPECT_TRUE(keyed(kProjectInfo));
  EXPECT_TRUE(keyed(kUnitInfo));
}

TEST(Tables, TechInfo) {
  EXPECT_EQ(kTechInfo[0].name, "Mysticism");
  EXPECT_EQ(kTechInfo[0].cost, 50);
  EXPECT_EQ(kTechInfo[0].era, 1);
  EXPECT_EQ(kTechInfo[kFutureTech].name, "Future Tech");
  EXPECT_EQ(kTechInfo[kFutureTech].cost, 10000);
  EXPECT_EQ(kTechInfo[kFutureTech].era, 7);
  EXPECT_EQ(kTechInfo[55].name, "Fusion");
  EXPECT_EQ(kEraNames[kTechInfo[55].era], "Modern");
  EXPECT_EQ(kTechInfo[42].name, "Chemistry");
  EXPECT_EQ(kTechInfo[43].name, "Scientific Method");
  // The Kavrel score counts the modern technologies; only Future Tech is era 7.
  EXPECT_EQ(std::count_if(kTechInfo.begin(), kTechInfo.end(), [](const auto& t) { return t.era == 6; }), 14);
  EXPECT_EQ(std::count_if(kTechInfo.begin(), kTechInfo.end(), [](const auto& t) { return t.era == 7; }), 1);
  // Names are matched against message texts, so none may repeat.
  std::set<std::string_view> names;
  for (const auto& t : kTechInfo) names.insert(t.name);
  EXPECT_EQ(names.size(), kTechInfo.size());
}

TEST(Tables, RowsWithoutCost) {
  auto costless = [](std::span<const BuildingInfo> rows) {
    std::set<size_t> found;
    for (size_t i = 0; i < rows.size(); ++i)
      if (rows[i].cost == -1) found.insert(i);
    return found;
  };
  EXPECT_EQ(costless(kBuildingInfo), (std::set<size_t>{35, 64, 68, 72, 76, 80, 84, 88, 125}));
  EXPECT_EQ(costless(kUnitInfo), (std::set<size_t>{0, 1, 2, 3, 86, 87, 88, 89, 90, 91}));
  EXPECT_TRUE(costless(kProjectInfo).empty());
  EXPECT_EQ(kBuildingInfo[35].key, "ACADEMY");
  EXPECT_EQ(kBuildingInfo[125].key, "MILITARY_ACADEMY");
  EXPECT_EQ(kBuildingInfo[128].key, "GREAT_WALL");
  EXPECT_EQ(kUnitInfo[0].key, "LION");
  EXPECT_EQ(kUnitInfo[91].key, "GREAT_GENERAL");
  EXPECT_EQ(kProjectInfo[10].key, "SS_STASIS_CHAMBER");
  EXPECT_EQ(kProjectInfo[10].cost, 1200);
}

TEST(Tables, CultureThresholdsAscend) {
  EXPECT_EQ(kCultureThresholds[0][0], 30);
  EXPECT_EQ(kCultureThresholds[1][4], 70000);
  EXPECT_EQ(kCultureThresholds[3][4], 25000);
  for (const auto& row : kCultureThresholds) EXPECT_TRUE(std::is_sorted(row.begin(), row.end()));
}

TEST(Tables, Names) {
  EXPECT_EQ(kLeaderNames[0], "Barbarian");
  EXPECT_EQ(kLeaderNames[36], "Washington");
  EXPECT_EQ(kCivNames[24], "Minor");
  EXPECT_EQ(kCivNames[25], "Barbarian");
  EXPECT_EQ(kEraNames[1], "Ancient");
  EXPECT_EQ(kEraNames[7], "Future");
  EXPECT_EQ(kVictoryNames[0], "Loss");
  EXPECT_EQ(kVictoryNames[6], "Diplomatic");
  EXPECT_EQ(kGameOptionNames[5], "Aggressive AI");
  EXPECT_EQ(kGameOptionNames[17], "No Goody Huts");
  EXPECT_EQ(kBonusAbbrev[34], "Movi");
  EXPECT_EQ(kTerrainAbbrev[8], "Hi");
  // A resource's name and its abbreviation name the same row.
  for (size_t b = 0; b < kBonusNames.size(); ++b)
    EXPECT_EQ(kBonusNames[b].substr(0, 3), kBonusAbbrev[b].substr(0, 3)) << kBonusNames[b];
  EXPECT_EQ(kTerrainNames[6], "Ocean");
  EXPECT_EQ(kFeatureNames[4], "Forest");
  EXPECT_EQ(kProcessNames[2], "Culture");
}

TEST(Tables, LeaderAttitudes) {
  const int32_t baseAttitude[kLeaders] = {0, 0, 1, 0,  1,  -1, 1, 0, 1, 1,  1, 2, -1, 0,  1,  0, -1, 0, 0,
                                          0, 1, 0, -1, -1, -1, 0, 1, 0, -1, 1, 0, -1, -1, -1, 0, 0,  0};
  for (int leader = 0; leader < kLeaders; ++leader) EXPECT_EQ(kLeaderAttitudeTable[leader][0], baseAttitude[leader]);

  const std::array<int32_t, 56> row1 = {
      0,   2,    -2,  0,    -4,  -1,   -5, 5,    60, 1,    1,    10,   4,    -1,   -5,   -1,   50,   2,   25,
      2,   12,   2,   1,    8,   4,    1,  10,   2,  -300, -100, -100, -200, -100, -250, -200, -100, 100, -100,
      100, -100, 100, -100, 100, -100, 0,  -100, 50, -100, -100, 0,    -100, -100, 0,    0,    10,   0};
  const std::array<int32_t, 56> row11 = {
      2,   0,    0,   1,    -2,  -1,   -5, 5,    60, 1,    1,    10,   4,    -1,   -5,   -1,   50,   2,   25,
      2,   12,   2,   1,    8,   2,    1,  10,   6,  -300, -100, -100, -200, -100, -250, -200, -100, 100, -100,
      100, -100, 100, -100, 100, -100, 0,  -100, 50, -100, -100, 0,    -100, -100, 0,    0,    5,    0};
  EXPECT_EQ(kLeaderAttitudeTable[1], row1);
  EXPECT_EQ(kLeaderAttitudeTable[11], row11);
  EXPECT_EQ(kLeaderAttitudeTable[0], (std::array<int32_t, 56>{}));

  // Only parameters 0-4, 12, 13, 24, 27 and 54 differ between leaders.
  const std::set<size_t> varying = {0, 1, 2, 3, 4, 12, 13, 24, 27, 54};
  for (size_t leader = 1; leader < kLeaders; ++leader) {
    for (size_t p = 0; p < 56; ++p) {
      if (!varying.contains(p)) {
        EXPECT_EQ(kLeaderAttitudeTable[leader][p], row1[p]) << leader << " " << p;
      }
    }
  }
}

TEST(SettingNames, NamesAndFallbacks) {
  struct Case {
    std::string_view (*name)(int32_t);
    int32_t value;
    std::string_view expected;
  };
  const Case cases[] = {
      {WorldSizeName, 0, "Duel"},
      {WorldSizeName, 3, "Standart"},
      {WorldSizeName, 5, "Huge"},
      {WorldSizeName, 6, "Unknown"},
      {WorldSizeName, -1, "Unknown"},
      {ClimateName, 0, "Temperate"},
      {ClimateName, 4, "Cold"},
      {ClimateName, 5, "Unknown"},
      {SeaLevelName, 2, "High"},
      {SeaLevelName, 3, "Unknown"},
      {EraName, 0, "Ancient"},
      {EraName, 6, "Future"},
      {EraName, 7, "Unknown"},
      {GameSpeedName, 0, "Marathon"},
      {GameSpeedName, 3, "Quick"},
      {GameSpeedName, 4, "Unknown"},
      {LevelString, 0, "Settler"},
      {LevelString, 3, "Noble"},
      {LevelString, 8, "Deity"},
      {LevelString, 9, "Unknown"},
      {LevelString, -1, "Unknown"},
      {VictoryTypeName, 1, "Time"},
      {VictoryTypeName, 6, "Diplomatic"},
      {VictoryTypeName, -1, "Loss"},
      {VictoryTypeName, 0, "Unknown"},
      {VictoryTypeName, 7, "Unknown"},
      {VictoryTypeName, -2, "Unknown"},
      {SlotStatusName, 0, "Open"},
      {SlotStatusName, 1, "Computer"},
      {SlotStatusName, 2, "Closed"},
      {SlotStatusName, 3, "Human"},
      {SlotStatusName, 4, "Closed"},
      {SlotStatusName, -1, "Closed"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.name(c.value), c.expected) << c.value << " " << c.expected;
}

// Each list offers every value the name of its setting knows, in value order.
TEST(SettingNames, ListsInValueOrder) {
  struct Case {
    std::span<const std::string_view> (*list)();
    std::string_view (*name)(int32_t);
    size_t size;
  };
  const Case cases[] = {{WorldSizeNames, WorldSizeName, kWorldSizes},
                        {ClimateNames, ClimateName, 5},
                        {SeaLevelNames, SeaLevelName, 3},
                        {StartEraNames, EraName, kEras},
                        {GameSpeedNames, GameSpeedName, kSpeeds},
                        {LevelNames, LevelString, 9},
                        {SlotStatusNames, SlotStatusName, 4}};
  for (const Case& c : cases) {
    const auto names = c.list();
    ASSERT_EQ(names.size(), c.size) << c.name(0);
    for (size_t v = 0; v < names.size(); ++v) EXPECT_EQ(names[v], c.name(int32_t(v)));
  }
  EXPECT_EQ(WorldSizeNames()[3], "Standart");
}

}  // namespace
}  // namespace tolvane
