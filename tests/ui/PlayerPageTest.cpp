// The "Player" page: one player's economy, research, rank and technologies.
#include <fmt/format.h>
#include <gtest/gtest.h>

#include "FormFixture.h"
#include "analysis/Research.h"

namespace tolvane::ui::testing {
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

TEST_F(FormTest, PlayerPageShowsTheFirstPlayerAfterALoad) {
  const Analysis a = PlayerGame();
  Show(a);
  EXPECT_EQ(form_.goldE.Text(), "   1234");
  EXPECT_EQ(form_.researchingE.Text(), "Hunting");
  EXPECT_EQ(form_.currTechBeakersE.Text(), fmt::format("{:7}/{}", 17, TechCost(a, 56, 0)));
  EXPECT_EQ(form_.cityNumberE.Text(), "     2");
  EXPECT_EQ(form_.unitNumberE.Text(), "     7");
  EXPECT_EQ(form_.techNumberE.Text(), "     1");
  EXPECT_EQ(form_.gpCreatedE.Text(), "     3");
  EXPECT_EQ(form_.generalPointsE.Text(), "  12/60");
  EXPECT_EQ(form_.rankMetE.Text(), "   1/3");
  EXPECT_EQ(form_.vassalsE.Text(), "     2");  // both members of the vassal team count
  EXPECT_EQ(form_.city1CultureE.Text(), "  2500.00");
  EXPECT_EQ(form_.city2CultureE.Text(), "    12.34");
  EXPECT_EQ(form_.city3CultureE.Text(), "     0.00");
}

TEST_F(FormTest, TechGridFollowsTheTechnologyOrder) {
  const Analysis a = PlayerGame();
  Show(a);
  EXPECT_EQ(Row(form_.techGrid, 1),
            (Strings{" 1", "Fishing", "Ancient", fmt::format("{:7}", TechCost(a, 25, 0)), "Yes"}));
  EXPECT_EQ(Row(form_.techGrid, 2),
            (Strings{" 2", "Hunting", "Ancient", fmt::format("{:7}", TechCost(a, 56, 0)), "     17"}));
  EXPECT_EQ(form_.techGrid.Cell(1, 3), "Mysticism");
  EXPECT_EQ(form_.techGrid.Cell(4, 3), "No");
  // The last row is the repeatable technology, showing how often it was gained.
  EXPECT_EQ(Row(form_.techGrid, 86),
            (Strings{"86", "Future Tech", "Future", fmt::format("{:7}", TechCost(a, kFutureTech, 0)), "2"}));
}

TEST_F(FormTest, PlayerSelectorPicksTheNamedSlotShown) {
  Show(PlayerGame());
  form_.SelectItem("PlayerInfoSelect", 1);
  EXPECT_EQ(form_.rankMetE.Text(), "   2/3");
  EXPECT_EQ(form_.vassalsE.Text(), "     0");
  EXPECT_EQ(form_.researchingE.Text(), "");
  EXPECT_EQ(form_.currTechBeakersE.Text(), "");
  EXPECT_EQ(form_.techGrid.Cell(4, 86), "No");
  // The last name is the barbarian slot, which counts itself among the met.
  form_.SelectItem("PlayerInfoSelect", 3);
  EXPECT_EQ(form_.goldE.Text(), "     18");
  EXPECT_EQ(form_.rankMetE.Text(), "   1/1");
  // Typed text selects nothing: the first player.
  form_.TypeComboText("PlayerInfoSelect", "Bob");
  EXPECT_EQ(form_.goldE.Text(), "   1234");
}

TEST_F(FormTest, PlayerSelectorSkipsUnnamedSlots) {
  Analysis a = PlayerGame();
  a.slots[1].leaderName.clear();
  Show(a);
  EXPECT_EQ(form_.playerInfoSelect.Items(), (Strings{"Alice", "René", "Barbarians"}));
  form_.SelectItem("PlayerInfoSelect", 1);
  EXPECT_EQ(form_.goldE.Text(), "     99");
}

TEST_F(FormTest, EqualScoresShareTheBetterRank) {
  Analysis a = PlayerGame();
  a.playerScore[1] = 500;
  Show(a);
  EXPECT_EQ(form_.rankMetE.Text(), "   1/3");
  form_.SelectItem("PlayerInfoSelect", 1);
  EXPECT_EQ(form_.rankMetE.Text(), "   1/3");
}

TEST_F(FormTest, PlayerOfATeamOutsideTheTablesKnowsNothing) {
  Analysis a = PlayerGame();
  a.slots[0].team = 25;
  Show(a);
  EXPECT_EQ(form_.techNumberE.Text(), "     0");
  EXPECT_EQ(form_.rankMetE.Text(), "   1/0");
  EXPECT_EQ(form_.vassalsE.Text(), "     0");
  EXPECT_EQ(form_.techGrid.Cell(4, 1), "No");
  EXPECT_EQ(form_.currTechBeakersE.Text(), fmt::format("{:7}/{}", 0, TechCost(a, 56, 0)));
}

}  // namespace
}  // namespace tolvane::ui::testing
