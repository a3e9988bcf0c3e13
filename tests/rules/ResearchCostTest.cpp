#include <gtest/gtest.h>

#include <vector>

#include "rules/ResearchCost.h"
#include "rules/Tables.h"

namespace tolvane {
namespace {

TEST(ResearchDiffCoeff, PercentOfEachLevel) {
  const int32_t expected[] = {60, 75, 90, 100, 110, 115, 120, 125, 130};
  for (int32_t level = 0; level < 9; ++level) EXPECT_EQ(ResearchDiffCoeff(level), expected[level]) << level;
  EXPECT_EQ(ResearchDiffCoeff(-1), 100);
  EXPECT_EQ(ResearchDiffCoeff(9), 100);
}

TEST(ResearchPercents, WorldSpeedAndEra) {
  struct Case {
    int32_t (*percent)(int32_t);
    std::vector<int32_t> byValue;  // from value 0 on
  };
  const Case cases[] = {{WorldCostPercent, {100, 110, 120, 130, 140, 150}},
                        {SpeedCostPercent, {300, 150, 100, 67}},
                        {EraCostPercent, {100, 90, 80, 70, 60, 50, 40}}};
  for (const Case& c : cases) {
    for (size_t v = 0; v < c.byValue.size(); ++v) EXPECT_EQ(c.percent(int32_t(v)), c.byValue[v]) << v;
    EXPECT_EQ(c.percent(-1), 100);
    EXPECT_EQ(c.percent(int32_t(c.byValue.size())), 100);
  }
}

TEST(TechCostFor, CostsOfTheGame) {
  struct Case {
    const char* what;
    int32_t base;
    int32_t handicap;
    int32_t members;
    ResearchSettings settings;
    int32_t expected;
  };
  const Case cases[] = {
      // 115*50/100 = 57; 120*57/100 = 68; (50+100)*68/100 = 102, not the 103 of exact arithmetic
      {"two Monarch members on a large world", 50, 5, 2, {120, 100, 100, 50}, 102},
      {"single Deity player, Future Tech", kTechInfo[kFutureTech].cost, 8, 1, {150, 300, 100, 50}, 58500},
      {"every percent 100, one member", 1234, 3, 1, {}, 1234},
      {"no member pays half", 1000, 3, 0, {}, 500},
      {"three members pay double", 1000, 3, 3, {}, 2000},
      {"level outside the table counts as Noble", 1000, 9, 1, {}, 1000},
      // 130 * 20000000 and the next two products exceed 32 bits and wrap
      {"products wrap like 32-bit", 20000000, 8, 1, {150, 300, 100, 50}, 9625819},
      {"wrapped product truncates toward zero", 2147483647, 8, 1, {}, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(TechCostFor(c.base, c.handicap, c.members, c.settings), c.expected);
  }
}

}  // namespace
}  // namespace tolvane
