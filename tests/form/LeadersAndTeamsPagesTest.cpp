// The Leaders and Teams grids.
#include <gtest/gtest.h>

#include "FormFixture.h"

namespace tolvane::form::testing {
namespace {

using Strings = std::vector<std::string>;

TEST_F(LeadersPageTest, ShowsEverySlotByRow) {
  Show(SmallGame());
  EXPECT_EQ(Row(form_.leaders.leaders, 1), (Strings{" 1", "Alice", "    500", "   40 ( 25.00%)", "   30 ( 60.00%)",
                                                    "Roman Empire", "Roman", "      0", "     12", " "}));
  // A dead player shows a zero score but its other details.
  EXPECT_EQ(Row(form_.leaders.leaders, 3), (Strings{" 3", "René", "      0", "   10 (  6.25%)", "    5 ( 10.00%)",
                                                    "French Empire", "French", "      1", "      3", " "}));
  // An unused slot (LeaderType -1) shows its empty name only.
  EXPECT_EQ(Row(form_.leaders.leaders, 4), (Strings{" 4", "", " ", " ", " ", " ", " ", " ", " ", " "}));
  EXPECT_EQ(form_.leaders.leaders.Cell(1, 19), "Barbarians");
}

TEST_F(TeamsPageTest, GroupsSlotsByTeamWithTeamTotals) {
  Show(SmallGame());
  EXPECT_EQ(Row(form_.teams.teams, 1),
            (Strings{" 0", "Alice", "  500/500", "   40/56 ( 35.00%)", "   30/40 ( 80.00%)", " ", "Noble", "Human"}));
  EXPECT_EQ(Row(form_.teams.teams, 2), (Strings{" 1", "Bob", "  300/300", "   20/16 ( 10.00%)", "   15/10 ( 20.00%)",
                                                "    0", "Prince", "Computer"}));
  EXPECT_EQ(Row(form_.teams.teams, 3), (Strings{" 1", "René", "      0", "   10/16 ( 10.00%)", "    5/10 ( 20.00%)",
                                                "    0", "Prince", "Computer"}));
  EXPECT_EQ(Row(form_.teams.teams, 4), (Strings{" 3", "", " ", " ", " ", " ", " ", " "}));
  EXPECT_EQ(form_.teams.teams.Cell(0, 19), "18");
  EXPECT_EQ(form_.teams.teams.Cell(7, 19), "Closed");
}

TEST_F(TeamsPageTest, EdgeCases) {
  Analysis a = SmallGame();
  a.landPlots = 0;
  a.totalPopulation = -1;
  a.slots[3].team = 19;  // outside the team tables: in no row
  a.slots[4].team = -1;
  a.slots[1].slotStatus = 7;
  a.isVassal[1][5] = 1;  // the highest master is shown
  Show(a);
  EXPECT_EQ(form_.teams.teams.Cell(3, 1), "   40/56 (  0.00%)");
  EXPECT_EQ(form_.teams.teams.Cell(4, 1), "   30/40 (  0.00%)");
  EXPECT_EQ(form_.teams.teams.Cell(5, 2), "    5");
  EXPECT_EQ(form_.teams.teams.Cell(7, 2), "Closed");
  EXPECT_EQ(form_.teams.teams.Cell(0, 4), " 5");  // team 3 and 4 lost their slots
  EXPECT_EQ(Row(form_.teams.teams, 18), (Strings{" ", " ", " ", " ", " ", " ", " ", " "}));
  EXPECT_EQ(form_.teams.teams.Cell(0, 17), "18");
}

}  // namespace
}  // namespace tolvane::form::testing
