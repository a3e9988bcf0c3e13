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
  a.PlayerGold[0] = 1234;
  a.ResearchingTech[0] = 56;  // Hunting
  a.ResearchProgress[0][56] = 17;
  a.HasTech[0][25] = 1;  // Fishing
  a.KnownTechCount[0] = 1;
  a.FutureTechCount[0] = 2;
  a.CityCount[0] = 2;
  a.CityCulture[0] = {250000, 1234};
  a.UnitCount[0] = 7;
  a.GreatPeopleCreated[0] = 3;
  a.GeneralPoints[0] = 12;
  a.GreatGeneralsCreated[0] = 1;
  a.ResearchingTech[1] = -1;  // researching nothing
  a.PlayerGold[2] = 99;
  a.PlayerGold[18] = 18;
  return a;
}

TEST_F(FormTest, PlayerPageShowsTheFirstPlayerAfterALoad) {
  const Analysis a = PlayerGame();
  Show(a);
  EXPECT_EQ(form.GoldE.Text(), "   1234");
  EXPECT_EQ(form.ResearchingE.Text(), "Hunting");
  EXPECT_EQ(form.CurrTechBeakersE.Text(), fmt::format("{:7}/{}", 17, TechCost(a, 56, 0)));
  EXPECT_EQ(form.CityNumberE.Text(), "     2");
  EXPECT_EQ(form.UnitNumberE.Text(), "     7");
  EXPECT_EQ(form.TechNumberE.Text(), "     1");
  EXPECT_EQ(form.GPCreatedE.Text(), "     3");
  EXPECT_EQ(form.GeneralPointsE.Text(), "  12/60");
  EXPECT_EQ(form.RankMetE.Text(), "   1/3");
  EXPECT_EQ(form.VassalsE.Text(), "     2");  // both members of the vassal team count
  EXPECT_EQ(form.City1CultureE.Text(), "  2500.00");
  EXPECT_EQ(form.City2CultureE.Text(), "    12.34");
  EXPECT_EQ(form.City3CultureE.Text(), "     0.00");
}

TEST_F(FormTest, TechGridFollowsTheTechnologyOrder) {
  const Analysis a = PlayerGame();
  Show(a);
  EXPECT_EQ(Row(form.TechGrid, 1),
            (Strings{" 1", "Fishing", "Ancient", fmt::format("{:7}", TechCost(a, 25, 0)), "Yes"}));
  EXPECT_EQ(Row(form.TechGrid, 2),
            (Strings{" 2", "Hunting", "Ancient", fmt::format("{:7}", TechCost(a, 56, 0)), "     17"}));
  EXPECT_EQ(form.TechGrid.Cell(1, 3), "Mysticism");
  EXPECT_EQ(form.TechGrid.Cell(4, 3), "No");
  // The last row is the repeatable technology, showing how often it was gained.
  EXPECT_EQ(Row(form.TechGrid, 86),
            (Strings{"86", "Future Tech", "Future", fmt::format("{:7}", TechCost(a, kFutureTech, 0)), "2"}));
}

TEST_F(FormTest, PlayerSelectorPicksTheNamedSlotShown) {
  Show(PlayerGame());
  form.SelectItem("PlayerInfoSelect", 1);
  EXPECT_EQ(form.RankMetE.Text(), "   2/3");
  EXPECT_EQ(form.VassalsE.Text(), "     0");
  EXPECT_EQ(form.ResearchingE.Text(), "");
  EXPECT_EQ(form.CurrTechBeakersE.Text(), "");
  EXPECT_EQ(form.TechGrid.Cell(4, 86), "No");
  // The last name is the barbarian slot, which counts itself among the met.
  form.SelectItem("PlayerInfoSelect", 3);
  EXPECT_EQ(form.GoldE.Text(), "     18");
  EXPECT_EQ(form.RankMetE.Text(), "   1/1");
  // Typed text selects nothing: the first player.
  form.TypeComboText("PlayerInfoSelect", "Bob");
  EXPECT_EQ(form.GoldE.Text(), "   1234");
}

TEST_F(FormTest, PlayerSelectorSkipsUnnamedSlots) {
  Analysis a = PlayerGame();
  a.LeaderInfo[1].LeaderName.clear();
  Show(a);
  EXPECT_EQ(form.PlayerInfoSelect.Items(), (Strings{"Alice", "René", "Barbarians"}));
  form.SelectItem("PlayerInfoSelect", 1);
  EXPECT_EQ(form.GoldE.Text(), "     99");
}

TEST_F(FormTest, EqualScoresShareTheBetterRank) {
  Analysis a = PlayerGame();
  a.PlayerScore[1] = 500;
  Show(a);
  EXPECT_EQ(form.RankMetE.Text(), "   1/3");
  form.SelectItem("PlayerInfoSelect", 1);
  EXPECT_EQ(form.RankMetE.Text(), "   1/3");
}

TEST_F(FormTest, PlayerOfATeamOutsideTheTablesKnowsNothing) {
  Analysis a = PlayerGame();
  a.LeaderInfo[0].Team = 25;
  Show(a);
  EXPECT_EQ(form.TechNumberE.Text(), "     0");
  EXPECT_EQ(form.RankMetE.Text(), "   1/0");
  EXPECT_EQ(form.VassalsE.Text(), "     0");
  EXPECT_EQ(form.TechGrid.Cell(4, 1), "No");
  EXPECT_EQ(form.CurrTechBeakersE.Text(), fmt::format("{:7}/{}", 0, TechCost(a, 56, 0)));
}

}  // namespace
}  // namespace tolvane::ui::testing
