// The Base, Header, Map, Leaders, Teams and Replay pages and the selectors.
#include <gtest/gtest.h>

#include "FormFixture.h"

namespace tolvane::ui::testing {
namespace {

using Strings = std::vector<std::string>;

TEST_F(FormTest, BasePageShowsTurnDateTimeScoreAndFirstPlayer) {
  Show(SmallGame());
  EXPECT_EQ(form.Edit3.Text(), " 120/460");
  EXPECT_EQ(form.Edit4.Text(), "  125AD");
  EXPECT_EQ(form.Edit5.Text(), "   1:02:05");
  EXPECT_EQ(form.Edit6.Text(), "   812");
  EXPECT_EQ(form.Edit8.Text(), "Noble");
  EXPECT_EQ(form.Edit7.Text(), "Incomplete");
  EXPECT_EQ(form.NickE.Text(), "Alice");
  EXPECT_EQ(form.LeaderE.Text(), "Augustus");
  EXPECT_EQ(form.CountryE.Text(), "Rome");
}

TEST_F(FormTest, BasePageEdgeValues) {
  Analysis a = SmallGame();
  a.GameTurn = 115;  // year 0 at Normal speed
  a.GameDate = 0;
  a.LeaderInfo[0].LeaderType = 37;  // beyond the leader table
  a.LeaderInfo[0].CivType = -1;
  a.LeaderInfo[0].LeaderName = "\xC5sa";
  a.Difficulty = 9;
  Show(a);
  EXPECT_EQ(form.Edit4.Text(), "   1AD");
  EXPECT_EQ(form.LeaderE.Text(), "");
  EXPECT_EQ(form.CountryE.Text(), "");
  EXPECT_EQ(form.NickE.Text(), "Åsa");
  EXPECT_EQ(form.Edit8.Text(), "Unknown");
}

TEST_F(FormTest, GameStatusByStateAndVictory) {
  struct Case {
    int32_t state, victory;
    const char* shown;
  };
  for (const Case& c : {Case{0, 2, "Incomplete"}, Case{1, 0, "Unknown"}, Case{1, 2, "Conquest"}, Case{1, -1, "Loss"},
                        Case{-1, 6, "Diplomatic"}, Case{1, 7, "Unknown"}}) {
    Analysis a = SmallGame();
    a.GameState = c.state;
    a.VictoryType = c.victory;
    Show(a);
    EXPECT_EQ(form.Edit7.Text(), c.shown) << c.state << "/" << c.victory;
  }
}

TEST_F(FormTest, HeaderAndMapPages) {
  Analysis a = SmallGame();
  a.Flags = 255;
  a.ModPath = "Mods\\Caf\xE9";
  a.GameName = "Test";
  a.AdminPassword = "pw";
  a.SaveFlag = 1;
  a.WorldSize = 2;
  a.Climate = 9;
  a.SeaLevel = 1;
  a.Latitude1 = -90;
  a.Latitude2 = 90;
  a.WrapX = 1;
  a.WrapY = 0;
  a.GameOptions[0] = a.GameOptions[5] = 1;
  a.VictoryFlags.fill(1);
  Show(a);
  EXPECT_EQ(form.SaveVersionE.Text(), "     302");
  EXPECT_EQ(form.FlagsE.Text(), "000000FF");
  EXPECT_EQ(form.ModPathE.Text(), "Mods\\Café");
  EXPECT_EQ(form.AdminPasswordE.Text(), "pw");
  EXPECT_EQ(form.SaveFlagE.Text(), "       1");
  EXPECT_EQ(form.WorldSizeE.Text(), "Small");
  EXPECT_EQ(form.ClimateE.Text(), "Unknown");
  EXPECT_EQ(form.SeaLevelE.Text(), "Medium");
  EXPECT_EQ(form.EraE.Text(), "Ancient");
  EXPECT_EQ(form.GameSpeedE.Text(), "Normal");
  EXPECT_EQ(form.CalenderE.Text(), "       0");
  EXPECT_EQ(form.MapSizeE.Text(), "   2 x 1");
  EXPECT_EQ(form.LatitudesE.Text(), "   90 ; -90");
  EXPECT_EQ(form.LandTilesE.Text(), "     160");
  EXPECT_EQ(form.OwnedTilesE.Text(), "      70");
  EXPECT_EQ(form.WrapXE.Text(), " Yes");
  EXPECT_EQ(form.WrapYE.Text(), "  No");
  EXPECT_EQ(form.StartTurnDateE.Text(), "     0/4000BC");
  EXPECT_EQ(form.GameOptionBox.Lines(), (Strings{"No City Razing", "Aggressive AI"}));
  EXPECT_EQ(form.VictoryConditionBox.Lines(),
            (Strings{"Time", "Conquest", "Domination", "Culture", "Space", "Diplomatic"}));
}

TEST_F(FormTest, LeadersGridShowsEverySlotByRow) {
  Show(SmallGame());
  EXPECT_EQ(Row(form.LeadersGrid, 1), (Strings{" 1", "Alice", "    500", "   40 ( 25.00%)", "   30 ( 60.00%)",
                                               "Roman Empire", "Roman", "      0", "     12", " "}));
  // A dead player shows a zero score but its other details.
  EXPECT_EQ(Row(form.LeadersGrid, 3), (Strings{" 3", "René", "      0", "   10 (  6.25%)", "    5 ( 10.00%)",
                                               "French Empire", "French", "      1", "      3", " "}));
  // An unused slot (LeaderType -1) shows its empty name only.
  EXPECT_EQ(Row(form.LeadersGrid, 4), (Strings{" 4", "", " ", " ", " ", " ", " ", " ", " ", " "}));
  EXPECT_EQ(form.LeadersGrid.Cell(1, 19), "Barbarians");
}

TEST_F(FormTest, TeamsGridGroupsSlotsByTeamWithTeamTotals) {
  Show(SmallGame());
  EXPECT_EQ(Row(form.TeamsGrid, 1),
            (Strings{" 0", "Alice", "  500/500", "   40/56 ( 35.00%)", "   30/40 ( 80.00%)", " ", "Noble", "Human"}));
  EXPECT_EQ(Row(form.TeamsGrid, 2), (Strings{" 1", "Bob", "  300/300", "   20/16 ( 10.00%)", "   15/10 ( 20.00%)",
                                             "    0", "Prince", "Computer"}));
  EXPECT_EQ(Row(form.TeamsGrid, 3), (Strings{" 1", "René", "      0", "   10/16 ( 10.00%)", "    5/10 ( 20.00%)",
                                             "    0", "Prince", "Computer"}));
  EXPECT_EQ(Row(form.TeamsGrid, 4), (Strings{" 3", "", " ", " ", " ", " ", " ", " "}));
  EXPECT_EQ(form.TeamsGrid.Cell(0, 19), "18");
  EXPECT_EQ(form.TeamsGrid.Cell(7, 19), "Closed");
}

TEST_F(FormTest, TeamsGridEdgeCases) {
  Analysis a = SmallGame();
  a.LandPlots = 0;
  a.TotalPopulation = -1;
  a.LeaderInfo[3].Team = 19;  // outside the team tables: in no row
  a.LeaderInfo[4].Team = -1;
  a.LeaderInfo[1].SlotStatus = 7;
  a.IsVassal[1][5] = 1;  // the highest master is shown
  Show(a);
  EXPECT_EQ(form.TeamsGrid.Cell(3, 1), "   40/56 (  0.00%)");
  EXPECT_EQ(form.TeamsGrid.Cell(4, 1), "   30/40 (  0.00%)");
  EXPECT_EQ(form.TeamsGrid.Cell(5, 2), "    5");
  EXPECT_EQ(form.TeamsGrid.Cell(7, 2), "Closed");
  EXPECT_EQ(form.TeamsGrid.Cell(0, 4), " 5");  // team 3 and 4 lost their slots
  EXPECT_EQ(Row(form.TeamsGrid, 18), (Strings{" ", " ", " ", " ", " ", " ", " ", " "}));
  EXPECT_EQ(form.TeamsGrid.Cell(0, 17), "18");
}

// The detail rule: restricted view (admin password, game running) and the
// not-available mode (slot 0's password), apart and together.
TEST_F(FormTest, RestrictedViewShowsOnlyTeamsMetByTeamZero) {
  Analysis a = SmallGame();
  a.RestrictedView = true;
  a.HasMet[0][1] = 0;
  a.ReplayMsgs.push_back({5, 0, 0, 0, 0, "Founded", 0});
  Show(a);
  EXPECT_EQ(Row(form.LeadersGrid, 2), (Strings{" 2", " ", " ", " ", " ", " ", " ", " ", " ", " "}));
  EXPECT_EQ(form.LeadersGrid.Cell(2, 1), "    500");
  EXPECT_EQ(form.LeadersGrid.Cell(1, 19), "Barbarians");
  EXPECT_EQ(Row(form.TeamsGrid, 2), (Strings{" 1", " ", " ", " ", " ", " ", " ", " "}));
  EXPECT_EQ(form.TeamsGrid.Cell(1, 19), "Barbarians");
  EXPECT_TRUE(form.ReplayList.Lines().empty());
  EXPECT_FALSE(form.PlayerLogSelect.Visible());
  EXPECT_FALSE(form.PlayerInfoSelect.Visible());
  EXPECT_FALSE(form.PlayerCitySelect.Visible());
  EXPECT_TRUE(form.Tabs()[kReplayPage].visible);
}

TEST_F(FormTest, NotAvailableAndRestrictedTogetherShowNamesOnly) {
  Analysis a = SmallGame();
  a.RestrictedView = true;
  a.HasMet[0][1] = 0;
  a.LeaderInfo[0].Password = "secret";
  Show(a);
  for (int row : {1, 2, 3, 19}) {
    EXPECT_NE(form.LeadersGrid.Cell(1, row), " ") << row;
    EXPECT_EQ(form.LeadersGrid.Cell(2, row), " ") << row;
    EXPECT_EQ(form.TeamsGrid.Cell(2, row), " ") << row;
  }
  EXPECT_EQ(form.LeadersGrid.Cell(1, 2), "Bob");
  EXPECT_EQ(form.TeamsGrid.Cell(1, 2), "Bob");
}

TEST_F(FormTest, NotAvailableModeHidesTheGamesCourse) {
  Analysis a = SmallGame();
  a.LeaderInfo[0].Password = "secret";
  a.ReplayMsgs.push_back({5, 0, 0, 0, 0, "Founded", 0});
  Show(a);
  EXPECT_EQ(form.LeadersGrid.Cell(2, 2), "    300");  // details as usual
  EXPECT_EQ(form.ReplayList.Lines().size(), 1u);
  std::vector<std::string> visible;
  for (const Tab& tab : form.Tabs())
    if (tab.visible) visible.push_back(tab.caption);
  EXPECT_EQ(visible, (Strings{"Base", "Map", "Leaders", "Teams", "Attitudes"}));
  EXPECT_EQ(form.PopScoreE.Text(), "");  // no score calculation
  EXPECT_EQ(form.KavrelPopFinalE.Text(), "");
  EXPECT_EQ(form.GoldE.Text(), "");
  EXPECT_EQ(Texts(form.PlayerLog), (Strings{"Not Available"}));
  EXPECT_EQ(Colors(form.PlayerLog), (Strings{"#FF0000"}));

  // The next save without a password shows the pages again.
  Show(SmallGame());
  EXPECT_TRUE(form.Tabs()[kKavrelPage].visible);
  EXPECT_FALSE(form.Tabs()[kCitiesPage].visible);
  EXPECT_NE(form.PopScoreE.Text(), "");
}

TEST_F(FormTest, ReplayLinesTakeTheirColoursAndSessionsArePurple) {
  Analysis a = SmallGame();
  a.ReplayMsgs = {{10, 0, 0, 0, 0, "Founded Rome", 37},
                  {11, 0, 0, 0, 0, "War", 38},
                  {12, 0, 0, 0, 0, "Grey", 34},
                  {13, 0, 0, 0, 0, "Blue", 36},
                  {14, 0, 0, 0, 0, "Other", 5},
                  {15, 0, 0, 0, 0, "", 38},
                  {16, 0, 0, 0, 0, "my session", 34},
                  {0, 0, 0, 0, 0, "Session 1", 38},
                  {1, 0, 0, 0, 0, "\xD1\xE5\xF1\xF1\xE8\xFF", 36},
                  {2, 0, 0, 0, 0, "Lancement de la session", 37},
                  {90, 0, 0, 0, 0, "Caf\xE9 built", 0}};
  Show(a);
  EXPECT_EQ(Texts(form.ReplayList),
            (Strings{"  10 3600BC Founded Rome", "  11 3560BC War", "  12 3520BC Grey", "  13 3480BC Blue",
                     "  14 3440BC Other", "  16 3360BC my session", "   0 4000BC Session 1", "   1 3960BC Ñåññèÿ",
                     "   2 3920BC Lancement de la session", "  90  625BC Café built"}));
  EXPECT_EQ(Colors(form.ReplayList), (Strings{"#008000", "#FF0000", "#808080", "#0000FF", "#000000", "#808080",
                                              "#800080", "#800080", "#800080", "#000000"}));
}

TEST_F(FormTest, SelectorsListNamedSlotsAndStartOnTheFirst) {
  Show(SmallGame());
  for (const ComboBox* box : {&form.PlayerLogSelect, &form.PlayerInfoSelect, &form.PlayerCitySelect,
                              &form.AttLeaderSel1, &form.AttLeaderSel2}) {
    EXPECT_EQ(box->Items(), (Strings{"Alice", "Bob", "René", "Barbarians"})) << box->Name();
    EXPECT_EQ(box->Index(), 0) << box->Name();
    EXPECT_EQ(box->Text(), "Alice") << box->Name();
  }
  EXPECT_TRUE(form.PlayerLogSelect.Visible());
  EXPECT_TRUE(form.PlayerInfoSelect.Visible());

  // The next load puts every selector back on its first name.
  form.SelectItem("PlayerInfoSelect", 2);
  Analysis a = SmallGame();
  for (int s = 0; s < kSlots; ++s) a.LeaderInfo[size_t(s)].LeaderName.clear();
  Show(a);
  EXPECT_TRUE(form.PlayerInfoSelect.Items().empty());
  EXPECT_EQ(form.PlayerInfoSelect.Index(), -1);
}

}  // namespace
}  // namespace tolvane::ui::testing
