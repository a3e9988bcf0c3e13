// The "Player" page: one player's economy, research, rank and technologies.
#include <fmt/format.h>
#include <gtest/gtest.h>

#include "FormFixture.h"
#include "analysis/Research.h"

namespace tolvane::form::testing {
namespace {

using Strings = std::vector<std::string>;

Analysis PlayerGame() {
  Analysis a = SmallGame();
  a.playerGold[0] = 1234;
  a.researchingTech[0] = 56;  // Hunting
  a.researchProgress[0][56] = 17;
  a.hasTech[0][25] = 1;  // Fishing
  a.knownTechCount[0] = 1;
  a.futureTechCount[0] = 2;
  a.cityCount[0] = 2;
  a.cityCulture[0] = {250000, 1234};
  a.unitCount[0] = 7;
  a.greatPeopleCreated[0] = 3;
  a.generalPoints[0] = 12;
  a.greatGeneralsCreated[0] = 1;
  a.researchingTech[1] = -1;  // researching nothing
  a.playerGold[2] = 99;
  a.playerGold[18] = 18;
  return a;
}

TEST_F(PlayerPageTest, ShowsTheFirstPlayerAfterALoad) {
  const Analysis a = PlayerGame();
  Show(a);
  EXPECT_EQ(form_.player.gold.Text(), "   1234");
  EXPECT_EQ(form_.player.researching.Text(), "Hunting");
  EXPECT_EQ(form_.player.researchBeakers.Text(), fmt::format("{:7}/{}", 17, TechCost(a, 56, 0)));
  EXPECT_EQ(form_.player.cities.Text(), "     2");
  EXPECT_EQ(form_.player.units.Text(), "     7");
  EXPECT_EQ(form_.player.technologies.Text(), "     1");
  EXPECT_EQ(form_.player.greatPeople.Text(), "     3");
  EXPECT_EQ(form_.player.generalPoints.Text(), "  12/60");
  EXPECT_EQ(form_.player.rankAmongMet.Text(), "   1/3");
  EXPECT_EQ(form_.player.vassals.Text(), "     2");  // both members of the vassal team count
  EXPECT_EQ(form_.player.bestCityCultures[0].Text(), "  2500.00");
  EXPECT_EQ(form_.player.bestCityCultures[1].Text(), "    12.34");
  EXPECT_EQ(form_.player.bestCityCultures[2].Text(), "     0.00");
}

TEST_F(PlayerPageTest, TechGridFollowsTheTechnologyOrder) {
  const Analysis a = PlayerGame();
  Show(a);
  EXPECT_EQ(Row(form_.player.technologyGrid, 1),
            (Strings{" 1", "Fishing", "Ancient", fmt::format("{:7}", TechCost(a, 25, 0)), "Yes"}));
  EXPECT_EQ(Row(form_.player.technologyGrid, 2),
            (Strings{" 2", "Hunting", "Ancient", fmt::format("{:7}", TechCost(a, 56, 0)), "     17"}));
  EXPECT_EQ(form_.player.technologyGrid.Cell(1, 3), "Mysticism");
  EXPECT_EQ(form_.player.technologyGrid.Cell(4, 3), "No");
  // The last row is the repeatable technology, showing how often it was gained.
  EXPECT_EQ(Row(form_.player.technologyGrid, 86),
            (Strings{"86", "Future Tech", "Future", fmt::format("{:7}", TechCost(a, kFutureTech, 0)), "2"}));
}

TEST_F(PlayerPageTest, PlayerSelectorPicksTheNamedSlotShown) {
  Show(PlayerGame());
  form_.player.playerSelector.Select(1);
  EXPECT_EQ(form_.player.rankAmongMet.Text(), "   2/3");
  EXPECT_EQ(form_.player.vassals.Text(), "     0");
  EXPECT_EQ(form_.player.researching.Text(), "");
  EXPECT_EQ(form_.player.researchBeakers.Text(), "");
  EXPECT_EQ(form_.player.technologyGrid.Cell(4, 86), "No");
  // The last name is the barbarian slot, which counts itself among the met.
  form_.player.playerSelector.Select(3);
  EXPECT_EQ(form_.player.gold.Text(), "     18");
  EXPECT_EQ(form_.player.rankAmongMet.Text(), "   1/1");
  // Typed text selects nothing: the first player.
  form_.player.playerSelector.Type("Bob");
  EXPECT_EQ(form_.player.gold.Text(), "   1234");
}

TEST_F(PlayerPageTest, PlayerSelectorSkipsUnnamedSlots) {
  Analysis a = PlayerGame();
  a.slots[1].leaderName.clear();
  Show(a);
  EXPECT_EQ(form_.player.playerSelector.Items(), (Strings{"Alice", "René", "Barbarians"}));
  form_.player.playerSelector.Select(1);
  EXPECT_EQ(form_.player.gold.Text(), "     99");
}

TEST_F(PlayerPageTest, EqualScoresShareTheBetterRank) {
  Analysis a = PlayerGame();
  a.playerScore[1] = 500;
  Show(a);
  EXPECT_EQ(form_.player.rankAmongMet.Text(), "   1/3");
  form_.player.playerSelector.Select(1);
  EXPECT_EQ(form_.player.rankAmongMet.Text(), "   1/3");
}

TEST_F(PlayerPageTest, PlayerOfATeamOutsideTheTablesKnowsNothing) {
  Analysis a = PlayerGame();
  a.slots[0].team = 25;
  Show(a);
  EXPECT_EQ(form_.player.technologies.Text(), "     0");
  EXPECT_EQ(form_.player.rankAmongMet.Text(), "   1/0");
  EXPECT_EQ(form_.player.vassals.Text(), "     0");
  EXPECT_EQ(form_.player.technologyGrid.Cell(4, 1), "No");
  EXPECT_EQ(form_.player.researchBeakers.Text(), fmt::format("{:7}/{}", 0, TechCost(a, 56, 0)));
}

}  // namespace
}  // namespace tolvane::form::testing
