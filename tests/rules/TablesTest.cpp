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
  EXPECT_TRUE(allNamed(LeaderNames));
  EXPECT_TRUE(allNamed(CivNames));
  EXPECT_TRUE(allNamed(std::span(EraNames).subspan(1)));
  EXPECT_TRUE(allNamed(ProcessNames));
  EXPECT_TRUE(allNamed(PlotTypeAbbrev));
  EXPECT_TRUE(allNamed(TerrainAbbrev));
  EXPECT_TRUE(allNamed(FeatureAbbrev));
  EXPECT_TRUE(allNamed(BonusAbbrev));
  EXPECT_TRUE(allNamed(VictoryNames));
  EXPECT_TRUE(allNamed(GameOptionNames));
  for (const auto& t : TechInfo) EXPECT_TRUE(!t.Name.empty() && t.Cost > 0 && t.Era >= 1 && t.Era <= 7) << t.Name;
  auto keyed = [](std::span<const TBuildingInfoRec> rows) {
    return std::none_of(rows.begin(), rows.end(), [](const auto& r) { return r.Key.empty() || r.Cost == 0; });
  };
  EXPECT_TRUE(keyed(BuildingInfo));
  EXPECT_TRUE(keyed(ProjectInfo));
  EXPECT_TRUE(keyed(UnitInfo));
}

TEST(Tables, TechInfo) {
  EXPECT_EQ(TechInfo[0].Name, "Mysticism");
  EXPECT_EQ(TechInfo[0].Cost, 50);
  EXPECT_EQ(TechInfo[0].Era, 1);
  EXPECT_EQ(TechInfo[kFutureTech].Name, "Future Tech");
  EXPECT_EQ(TechInfo[kFutureTech].Cost, 10000);
  EXPECT_EQ(TechInfo[kFutureTech].Era, 7);
  EXPECT_EQ(TechInfo[55].Name, "Fusion");
  EXPECT_EQ(EraNames[TechInfo[55].Era], "Modern");
  EXPECT_EQ(TechInfo[42].Name, "Chemistry");
  EXPECT_EQ(TechInfo[43].Name, "Scientific Method");
  // The Kavrel score counts the modern technologies; only Future Tech is era 7.
  EXPECT_EQ(std::count_if(TechInfo.begin(), TechInfo.end(), [](const auto& t) { return t.Era == 6; }), 14);
  EXPECT_EQ(std::count_if(TechInfo.begin(), TechInfo.end(), [](const auto& t) { return t.Era == 7; }), 1);
  // Names are matched against message texts, so none may repeat.
  std::set<std::string_view> names;
  for (const auto& t : TechInfo) names.insert(t.Name);
  EXPECT_EQ(names.size(), TechInfo.size());
}

TEST(Tables, RowsWithoutCost) {
  auto costless = [](std::span<const TBuildingInfoRec> rows) {
    std::set<size_t> found;
    for (size_t i = 0; i < rows.size(); ++i)
      if (rows[i].Cost == -1) found.insert(i);
    return found;
  };
  EXPECT_EQ(costless(BuildingInfo), (std::set<size_t>{35, 64, 68, 72, 76, 80, 84, 88, 125}));
  EXPECT_EQ(costless(UnitInfo), (std::set<size_t>{0, 1, 2, 3, 86, 87, 88, 89, 90, 91}));
  EXPECT_TRUE(costless(ProjectInfo).empty());
  EXPECT_EQ(BuildingInfo[35].Key, "ACADEMY");
  EXPECT_EQ(BuildingInfo[125].Key, "MILITARY_ACADEMY");
  EXPECT_EQ(BuildingInfo[128].Key, "GREAT_WALL");
  EXPECT_EQ(UnitInfo[0].Key, "LION");
  EXPECT_EQ(UnitInfo[91].Key, "GREAT_GENERAL");
  EXPECT_EQ(ProjectInfo[10].Key, "SS_STASIS_CHAMBER");
  EXPECT_EQ(ProjectInfo[10].Cost, 1200);
}

TEST(Tables, CultureThresholdsAscend) {
  EXPECT_EQ(CultureThresholds[0][0], 30);
  EXPECT_EQ(CultureThresholds[1][4], 70000);
  EXPECT_EQ(CultureThresholds[3][4], 25000);
  for (const auto& row : CultureThresholds) EXPECT_TRUE(std::is_sorted(row.begin(), row.end()));
}

TEST(Tables, Names) {
  EXPECT_EQ(LeaderNames[0], "Barbarian");
  EXPECT_EQ(LeaderNames[36], "Washington");
  EXPECT_EQ(CivNames[24], "Minor");
  EXPECT_EQ(CivNames[25], "Barbarian");
  EXPECT_EQ(EraNames[1], "Ancient");
  EXPECT_EQ(EraNames[7], "Future");
  EXPECT_EQ(VictoryNames[0], "Loss");
  EXPECT_EQ(VictoryNames[6], "Diplomatic");
  EXPECT_EQ(GameOptionNames[5], "Aggressive AI");
  EXPECT_EQ(GameOptionNames[17], "No Goody Huts");
  EXPECT_EQ(BonusAbbrev[34], "Movi");
  EXPECT_EQ(TerrainAbbrev[8], "Hi");
  EXPECT_EQ(ProcessNames[2], "Culture");
}

TEST(Tables, LeaderAttitudes) {
  const int32_t baseAttitude[kLeaders] = {0, 0, 1, 0,  1,  -1, 1, 0, 1, 1,  1, 2, -1, 0,  1,  0, -1, 0, 0,
                                          0, 1, 0, -1, -1, -1, 0, 1, 0, -1, 1, 0, -1, -1, -1, 0, 0,  0};
  for (int leader = 0; leader < kLeaders; ++leader) EXPECT_EQ(LeaderAttitudeTable[leader][0], baseAttitude[leader]);

  const std::array<int32_t, 56> row1 = {
      0,   2,    -2,  0,    -4,  -1,   -5, 5,    60, 1,    1,    10,   4,    -1,   -5,   -1,   50,   2,   25,
      2,   12,   2,   1,    8,   4,    1,  10,   2,  -300, -100, -100, -200, -100, -250, -200, -100, 100, -100,
      100, -100, 100, -100, 100, -100, 0,  -100, 50, -100, -100, 0,    -100, -100, 0,    0,    10,   0};
  const std::array<int32_t, 56> row11 = {
      2,   0,    0,   1,    -2,  -1,   -5, 5,    60, 1,    1,    10,   4,    -1,   -5,   -1,   50,   2,   25,
      2,   12,   2,   1,    8,   2,    1,  10,   6,  -300, -100, -100, -200, -100, -250, -200, -100, 100, -100,
      100, -100, 100, -100, 100, -100, 0,  -100, 50, -100, -100, 0,    -100, -100, 0,    0,    5,    0};
  EXPECT_EQ(LeaderAttitudeTable[1], row1);
  EXPECT_EQ(LeaderAttitudeTable[11], row11);
  EXPECT_EQ(LeaderAttitudeTable[0], (std::array<int32_t, 56>{}));

  // Only parameters 0-4, 12, 13, 24, 27 and 54 differ between leaders.
  const std::set<size_t> varying = {0, 1, 2, 3, 4, 12, 13, 24, 27, 54};
  for (size_t leader = 1; leader < kLeaders; ++leader) {
    for (size_t p = 0; p < 56; ++p) {
      if (!varying.contains(p)) {
        EXPECT_EQ(LeaderAttitudeTable[leader][p], row1[p]) << leader << " " << p;
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

}  // namespace
}  // namespace tolvane
