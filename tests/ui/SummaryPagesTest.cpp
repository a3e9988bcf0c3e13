// The Base, Header, Map, Leaders, Teams and Replay pages and the selectors.
#include <gtest/gtest.h>

#include "FormFixture.h"

namespace tolvane::ui::testing {
namespace {

using Strings = std::vector<std::string>;

TEST_F(FormTest, BasePageShowsTurnDateTimeScoreAndFirstPlayer) {
  Show(SmallGame());
  EXPECT_EQ(form_.edit3.Text(), " 120/460");
  EXPECT_EQ(form_.edit4.Text(), "  125AD");
  EXPECT_EQ(form_.edit5.Text(), "   1:02:05");
  EXPECT_EQ(form_.edit6.Text(), "   812");
  EXPECT_EQ(form_.edit8.Text(), "Noble");
  EXPECT_EQ(form_.edit7.Text(), "Incomplete");
  EXPECT_EQ(form_.nickE.Text(), "Alice");
  EXPECT_EQ(form_.leaderE.Text(), "Augustus");
  EXPECT_EQ(form_.countryE.Text(), "Rome");
}

TEST_F(FormTest, BasePageEdgeValues) {
  Analysis a = SmallGame();
  a.gameTurn = 115;  // year 0 at Normal speed
  a.gameDate = 0;
  a.slots[0].leaderType = 37;  // beyond the leader table
  a.slots[0].civType = -1;
  a.slots[0].leaderName = "\xC5sa";
  a.difficulty = 9;
  Show(a);
  EXPECT_EQ(form_.edit4.Text(), "   1AD");
  EXPECT_EQ(form_.leaderE.Text(), "");
  EXPECT_EQ(form_.countryE.Text(), "");
  EXPECT_EQ(form_.nickE.Text(), "Åsa");
  EXPECT_EQ(form_.edit8.Text(), "Unknown");
}

TEST_F(FormTest, GameStatusByStateAndVictory) {
  struct Case {
    int32_t state, victory;
    const char* shown;
  };
  for (const Case& c : {Case{0, 2, "Incomplete"}, Case{1, 0, "Unknown"}, Case{1, 2, "Conquest"}, Case{1, -1, "Loss"},
                        Case{-1, 6, "Diplomatic"}, Case{1, 7, "Unknown"}}) {
    Analysis a = SmallGame();
    a.gameState = c.state;
    a.victoryType = c.victory;
    Show(a);
    EXPECT_EQ(form_.edit7.Text(), c.shown) << c.state << "/" << c.victory;
  }
}

TEST_F(FormTest, HeaderAndMapPages) {
  Analysis a = SmallGame();
  a.flags = 255;
  a.modPath = "Mods\\Caf\xE9";
  a.gameName = "Test";
  a.adminPassword = "pw";
  a.saveFlag = 1;
  a.worldSize = 2;
  a.climate = 9;
  a.seaLevel = 1;
  a.latitude1 = -90;
  a.latitude2 = 90;
  a.wrapX = 1;
  a.wrapY = 0;
  a.gameOptions[0] = a.gameOptions[5] = 1;
  a.victoryFlags.fill(1);
  Show(a);
  EXPECT_EQ(form_.saveVersionE.Text(), "     302");
  EXPECT_EQ(form_.flagsE.Text(), "000000FF");
  EXPECT_EQ(form_.modPathE.Text(), "Mods\\Café");
  EXPECT_EQ(form_.adminPasswordE.Text(), "pw");
  EXPECT_EQ(form_.saveFlagE.Text(), "       1");
  EXPECT_EQ(form_.worldSizeE.Text(), "Small");
  EXPECT_EQ(form_.climateE.Text(), "Unknown");
  EXPECT_EQ(form_.seaLevelE.Text(), "Medium");
  EXPECT_EQ(form_.eraE.Text(), "Ancient");
  EXPECT_EQ(form_.gameSpeedE.Text(), "Normal");
  EXPECT_EQ(form_.calenderE.Text(), "       0");
  EXPECT_EQ(form_.mapSizeE.Text(), "   2 x 1");
  EXPECT_EQ(form_.latitudesE.Text(), "   90 ; -90");
  EXPECT_EQ(form_.landTilesE.Text(), "     160");
  EXPECT_EQ(form_.ownedTilesE.Text(), "      70");
  EXPECT_EQ(form_.wrapXe.Text(), " Yes");
  EXPECT_EQ(form_.wrapYe.Text(), "  No");
  EXPECT_EQ(form_.startTurnDateE.Text(), "     0/4000BC");
  EXPECT_EQ(form_.gameOptionBox.Lines(), (Strings{"No City Razing", "Aggressive AI"}));
  EXPECT_EQ(form_.victoryConditionBox.Lines(),
            (Strings{"Time", "Conquest", "Domination", "Culture", "Space", "Diplomatic"}));
}

TEST_F(FormTest, LeadersGridShowsEverySlotByRow) {
  Show(SmallGame());
  EXPECT_EQ(Row(form_.leadersGrid, 1), (Strings{" 1", "Alice", "    500", "   40 ( 25.00%)", "   30 ( 60.00%)",
                                                "Roman Empire", "Roman", "      0", "     12", " "}));
  // A dead player shows a zero score but its other details.
  EXPECT_EQ(Row(form_.leadersGrid, 3), (Strings{" 3", "René", "      0", "   10 (  6.25%)", "    5 ( 10.00%)",
                                                "French Empire", "French", "      1", "      3", " "}));
  // An unused slot (LeaderType -1) shows its empty name only.
  EXPECT_EQ(Row(form_.leadersGrid, 4), (Strings{" 4", "", " ", " ", " ", " ", " ", " ", " ", " "}));
  EXPECT_EQ(form_.leadersGrid.Cell(1, 19), "Barbarians");
}

TEST_F(FormTest, TeamsGridGroupsSlotsByTeamWithTeamTotals) {
  Show(SmallGame());
  EXPECT_EQ(Row(form_.teamsGrid, 1),
            (Strings{" 0", "Alice", "  500/500", "   40/56 ( 35.00%)", "   30/40 ( 80.00%)", " ", "Noble", "Human"}));
  EXPECT_EQ(Row(form_.teamsGrid, 2), (Strings{" 1", "Bob", "  300/300", "   20/16 ( 10.00%)", "   15/10 ( 20.00%)",
                                              "    0", "Prince", "Computer"}));
  EXPECT_EQ(Row(form_.teamsGrid, 3), (Strings{" 1", "René", "      0", "   10/16 ( 10.00%)", "    5/10 ( 20.00%)",
                                              "    0", "Prince", "Computer"}));
  EXPECT_EQ(Row(form_.teamsGrid, 4), (Strings{" 3", "", " ", " ", " ", " ", " ", " "}));
  EXPECT_EQ(form_.teamsGrid.Cell(0, 19), "18");
  EXPECT_EQ(form_.teamsGrid.Cell(7, 19), "Closed");
}

TEST_F(FormTest, TeamsGridEdgeCases) {
  Analysis a = SmallGame();
  a.landPlots = 0;
  a.totalPopulation = -1;
  a.slots[3].team = 19;  // outside the team tables: in no row
  a.slots[4].team = -1;
  a.slots[1].slotStatus = 7;
  a.isVassal[1][5] = 1;  // the highest master is shown
  Show(a);
  EXPECT_EQ(form_.teamsGrid.Cell(3, 1), "   40/56 (  0.00%)");
  EXPECT_EQ(form_.teamsGrid.Cell(4, 1), "   30/40 (  0.00%)");
  EXPECT_EQ(form_.teamsGrid.Cell(5, 2), "    5");
  EXPECT_EQ(form_.teamsGrid.Cell(7, 2), "Closed");
  EXPECT_EQ(form_.teamsGrid.Cell(0, 4), " 5");  // team 3 and 4 lost their slots
  EXPECT_EQ(Row(form_.teamsGrid, 18), (Strings{" ", " ", " ", " ", " ", " ", " ", " "}));
  EXPECT_EQ(form_.teamsGrid.Cell(0, 17), "18");
}

// The detail rule: restricted view (admin password, game running) and the
// not-available mode (slot 0's password), apart and together.
TEST_F(FormTest, RestrictedViewShowsOnlyTeamsMetByTeamZero) {
  Analysis a = SmallGame();
  a.restrictedView = true;
  a.hasMet[0][1] = 0;
  a.replay.push_back({5, "Founded", 0});
  Show(a);
  EXPECT_EQ(Row(form_.leadersGrid, 2), (Strings{" 2", " ", " ", " ", " ", " ", " ", " ", " ", " "}));
  EXPECT_EQ(form_.leadersGrid.Cell(2, 1), "    500");
  EXPECT_EQ(form_.leadersGrid.Cell(1, 19), "Barbarians");
  EXPECT_EQ(Row(form_.teamsGrid, 2), (Strings{" 1", " ", " ", " ", " ", " ", " ", " "}));
  EXPECT_EQ(form_.teamsGrid.Cell(1, 19), "Barbarians");
  EXPECT_TRUE(form_.replayList.Lines().empty());
  EXPECT_FALSE(form_.playerLogSelect.Visible());
  EXPECT_FALSE(form_.playerInfoSelect.Visible());
  EXPECT_FALSE(form_.playerCitySelect.Visible());
  EXPECT_TRUE(form_.Tabs()[kReplayPage].visible);
}

TEST_F(FormTest, NotAvailableAndRestrictedTogetherShowNamesOnly) {
  Analysis a = SmallGame();
  a.restrictedView = true;
  a.hasMet[0][1] = 0;
  a.slots[0].password = "secret";
  Show(a);
  for (int row : {1, 2, 3, 19}) {
    EXPECT_NE(form_.leadersGrid.Cell(1, row), " ") << row;
    EXPECT_EQ(form_.leadersGrid.Cell(2, row), " ") << row;
    EXPECT_EQ(form_.teamsGrid.Cell(2, row), " ") << row;
  }
  EXPECT_EQ(form_.leadersGrid.Cell(1, 2), "Bob");
  EXPECT_EQ(form_.teamsGrid.Cell(1, 2), "Bob");
}

TEST_F(FormTest, NotAvailableModeHidesTheGamesCourse) {
  Analysis a = SmallGame();
  a.slots[0].password = "secret";
  a.replay.push_back({5, "Founded", 0});
  Show(a);
  EXPECT_EQ(form_.leadersGrid.Cell(2, 2), "    300");  // details as usual
  EXPECT_EQ(form_.replayList.Lines().size(), 1u);
  std::vector<std::string> visible;
  for (const Tab& tab : form_.Tabs())
    if (tab.visible) visible.push_back(tab.caption);
  EXPECT_EQ(visible, (Strings{"Base", "Map", "Leaders", "Teams", "Attitudes"}));
  EXPECT_EQ(form_.popScoreE.Text(), "");  // no score calculation
  EXPECT_EQ(form_.kavrelPopFinalE.Text(), "");
  EXPECT_EQ(form_.goldE.Text(), "");
  EXPECT_EQ(Texts(form_.playerLog), (Strings{"Not Available"}));
  EXPECT_EQ(Colors(form_.playerLog), (Strings{"#FF0000"}));

  // The next save without a password shows the pages again.
  Show(SmallGame());
  EXPECT_TRUE(form_.Tabs()[kKavrelPage].visible);
  EXPECT_FALSE(form_.Tabs()[kCitiesPage].visible);
  EXPECT_NE(form_.popScoreE.Text(), "");
}

TEST_F(FormTest, ReplayLinesTakeTheirColoursAndSessionsArePurple) {
  Analysis a = SmallGame();
  a.replay = {{10, "Founded Rome", 37},
              {11, "War", 38},
              {12, "Grey", 34},
              {13, "Blue", 36},
              {14, "Other", 5},
              {15, "", 38},
              {16, "my session", 34},
              {0, "Session 1", 38},
              {1, "\xD1\xE5\xF1\xF1\xE8\xFF", 36},
              {2, "Lancement de la session", 37},
              {90, "Caf\xE9 built", 0}};
  Show(a);
  EXPECT_EQ(Texts(form_.replayList),
            (Strings{"  10 3600BC Founded Rome", "  11 3560BC War", "  12 3520BC Grey", "  13 3480BC Blue",
                     "  14 3440BC Other", "  16 3360BC my session", "   0 4000BC Session 1", "   1 3960BC Ñåññèÿ",
                     "   2 3920BC Lancement de la session", "  90  625BC Café built"}));
  EXPECT_EQ(Colors(form_.replayList), (Strings{"#008000", "#FF0000", "#808080", "#0000FF", "#000000", "#808080",
                                               "#800080", "#800080", "#800080", "#000000"}));
}

TEST_F(FormTest, SelectorsListNamedSlotsAndStartOnTheFirst) {
  Show(SmallGame());
  for (const ComboBox* box : {&form_.playerLogSelect, &form_.playerInfoSelect, &form_.playerCitySelect,
                              &form_.attLeaderSel1, &form_.attLeaderSel2}) {
    EXPECT_EQ(box->Items(), (Strings{"Alice", "Bob", "René", "Barbarians"})) << box->Name();
    EXPECT_EQ(box->Index(), 0) << box->Name();
    EXPECT_EQ(box->Text(), "Alice") << box->Name();
  }
  EXPECT_TRUE(form_.playerLogSelect.Visible());
  EXPECT_TRUE(form_.playerInfoSelect.Visible());

  // The next load puts every selector back on its first name.
  form_.SelectItem("PlayerInfoSelect", 2);
  Analysis a = SmallGame();
  for (int s = 0; s < kSlots; ++s) a.slots[size_t(s)].leaderName.clear();
  Show(a);
  EXPECT_TRUE(form_.playerInfoSelect.Items().empty());
  EXPECT_EQ(form_.playerInfoSelect.Index(), -1);
}

}  // namespace
}  // namespace tolvane::ui::testing
