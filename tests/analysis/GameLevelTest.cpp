// The header, the sessions, the game section, the map and the teams, each
// read from saves the test writer fills with junk wherever the walk skips.
#include <gtest/gtest.h>

#include "AnalyseHelpers.h"
#include "rules/Calendar.h"

namespace tolvane::testing {
namespace {

TEST(Header, ReadsSettingsSlotsAndFixedOffsets) {
  SaveDescription d = MinimalSave();
  d.SaveVersion = 302;
  d.ModPath = "Mods\\Balance";
  d.Flags = 255;
  d.XMLChecksum = "abc";
  d.GameName = "Cup \xE9t\xE9";
  d.MapScript = "Continents";
  d.WorldSize = 4;
  d.Climate = 2;
  d.SeaLevel = 0;
  d.StartEra = 1;
  d.GameSpeed = 0;
  d.Calendar = 7;
  d.HeaderListCount = 5;
  d.VictoryFlags = {0, 1, 0, 2, 0, 0, 1, 1, 1};  // nine flags: seven kept, nine bytes consumed
  d.GameOptions[5] = 1;
  d.GameOptions[17] = 3;
  d.LeaderInfo[1] = {.LeaderName = "Bo",
                     .CivDescription = "Empire",
                     .CivAdjective = "Imperial",
                     .Password = "pw",
                     .SlotFlag = 7,
                     .CivType = 5,
                     .LeaderType = 12,
                     .Team = 1,
                     .Handicap = 6,
                     .SlotStatus = 1};
  d.ElapsedTurns = 120;
  d.EndTurn = 1200;
  d.MaxPopScore = 11;
  d.MaxWonderScore = 44;
  d.InitPop = 55;
  d.InitWonder = 88;
  d.Difficulty = 8;
  d.VictoryType = 4;
  d.GameState = 1;
  d.GameScore = 4321;
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.ModPath, "Mods\\Balance");
  EXPECT_EQ(a.Flags, 255);
  EXPECT_EQ(a.XMLChecksum, "abc");
  EXPECT_EQ(a.GameName, "Cup \xE9t\xE9");
  EXPECT_EQ(a.MapScript, "Continents");
  EXPECT_EQ(a.WorldSize, 4);
  EXPECT_EQ(a.Climate, 2);
  EXPECT_EQ(a.StartEra, 1);
  EXPECT_EQ(a.Calendar, 7);
  EXPECT_EQ((std::vector<int32_t>(a.VictoryFlags.begin(), a.VictoryFlags.end())),
            (std::vector<int32_t>{0, 1, 0, 2, 0, 0, 1}));
  EXPECT_EQ(a.GameOptions[5], 1);
  EXPECT_EQ(a.GameOptions[17], 3);
  const TLeaderInfoRec& bo = a.LeaderInfo[1];
  EXPECT_EQ(bo.LeaderName, "Bo");
  EXPECT_EQ(bo.CivDescription, "Empire");
  EXPECT_EQ(bo.CivAdjective, "Imperial");
  EXPECT_EQ(bo.Password, "pw");
  EXPECT_EQ(bo.SlotFlag, 7);
  EXPECT_EQ(bo.CivType, 5);
  EXPECT_EQ(bo.LeaderType, 12);
  EXPECT_EQ(bo.Team, 1);
  EXPECT_EQ(bo.Handicap, 6);
  EXPECT_EQ(bo.SlotStatus, 1);
  EXPECT_EQ(a.ElapsedTurns, 120);
  EXPECT_EQ(a.EndTurn, 1200);
  EXPECT_EQ(a.MaxPopScore, 11);
  EXPECT_EQ(a.MaxWonderScore, 44);
  EXPECT_EQ(a.InitPop, 55);
  EXPECT_EQ(a.InitWonder, 88);
  EXPECT_EQ(a.Difficulty, 8);
  EXPECT_EQ(a.VictoryType, 4);
  EXPECT_EQ(a.GameState, 1);
  EXPECT_EQ(a.GameScore, 4321);
  // Derived settings: Deity, Large world, Marathon, Classical start.
  EXPECT_DOUBLE_EQ(a.DiffCoeff, 2.0);
  EXPECT_EQ(a.WorldCostPercent, 140);
  EXPECT_EQ(a.SpeedCostPercent, 300);
  EXPECT_EQ(a.EraCostPercent, 90);
}

TEST(Header, SettingsOutsideTheirRangeGiveNeutralCosts) {
  SaveDescription d = MinimalSave();
  d.WorldSize = 9;
  d.GameSpeed = -1;
  d.StartEra = 7;
  d.Difficulty = 12;
  const Analysis a = Analyse(d);
  EXPECT_DOUBLE_EQ(a.DiffCoeff, 1.0);
  EXPECT_EQ(a.WorldCostPercent, 100);
  EXPECT_EQ(a.SpeedCostPercent, 100);
  EXPECT_EQ(a.EraCostPercent, 100);
}

TEST(Header, PlayTimeRoundsQuarterSeconds) {
  for (auto [quarters, seconds] : {std::pair{9, 2}, {10, 3}, {11, 3}, {29536, 7384}}) {
    SaveDescription d = MinimalSave();
    d.PlayTimeQuarterSeconds = quarters;
    EXPECT_EQ(Analyse(d).PlayTime, seconds) << quarters;
  }
}

TEST(Header, RestrictedViewNeedsAdminPasswordAndRunningGame) {
  struct Case {
    std::string admin;
    int32_t state;
    bool restricted;
  };
  for (const Case& c : {Case{"", 0, false}, Case{"", -1, false}, Case{"root", 0, true}, Case{"root", -2, true},
                        Case{"root", 1, false}}) {
    SaveDescription d = MinimalSave();
    d.AdminPassword = c.admin;
    d.GameState = c.state;
    EXPECT_EQ(Analyse(d).RestrictedView, c.restricted) << c.admin << " " << c.state;
  }
}

TEST(GameSection, TurnDateAndOldSpeedNumbering) {
  SaveDescription d = MinimalSave();
  d.ElapsedTurns = 50;
  d.StartTurn = 75;
  d.GameSpeed = 2;
  Analysis a = Analyse(d);
  EXPECT_EQ(a.StartTurn, 75);
  EXPECT_EQ(a.GameTurn, 125);
  EXPECT_EQ(a.GameDate, Turn2Date(2, 125));
  // Before version 102 the speeds were numbered from 1; the research cost
  // still takes the speed as stored.
  d.SaveVersion = 101;
  d.GameSpeed = 1;
  a = Analyse(d);
  EXPECT_EQ(a.GameSpeed, 2);
  EXPECT_EQ(a.SpeedCostPercent, 150);
  EXPECT_EQ(a.GameDate, Turn2Date(2, 125));
}

TEST(GameSection, ElapsedTurnsHeldWithinTheSpeedsLimit) {
  struct Case {
    int32_t speed, start, elapsed, kept;
  };
  for (const Case& c : {Case{0, 0, 1300, 1200}, Case{2, 10, 450, 450}, Case{2, 10, 455, 460}, Case{3, 0, 321, 320},
                        Case{2, -30, 20, 0}, Case{7, 0, 5000, 5000}}) {
    SaveDescription d = MinimalSave();
    d.GameSpeed = c.speed;
    d.StartTurn = c.start;
    d.ElapsedTurns = c.elapsed;
    EXPECT_EQ(Analyse(d).ElapsedTurns, c.kept) << c.speed << " " << c.start << " " << c.elapsed;
  }
}

TEST(GameSection, ReplayKeepsTextOutsideMarkup) {
  SaveDescription d = MinimalSave();
  d.ReplayMsgs = {{.Turn = 3, .Info1 = 1, .Info4 = 4, .Text = "<color=255,0,0>Rome</color> founded", .Color = 36},
                  {.Turn = 4, .Text = "", .Color = 0},
                  {.Turn = 5, .Text = "a > b", .Color = 38}};
  const Analysis a = Analyse(d);
  ASSERT_EQ(a.ReplayMsgs.size(), 3u);
  EXPECT_EQ(a.ReplayMsgs[0].Turn, 3);
  EXPECT_EQ(a.ReplayMsgs[0].Info1, 1);
  EXPECT_EQ(a.ReplayMsgs[0].Info4, 4);
  EXPECT_EQ(a.ReplayMsgs[0].Text, "Rome founded");
  EXPECT_EQ(a.ReplayMsgs[0].Color, 36);
  EXPECT_EQ(a.ReplayMsgs[1].Text, "");
  EXPECT_EQ(a.ReplayMsgs[2].Text, "a > b");
  EXPECT_EQ(a.ReplayMsgs[2].Color, 38);
}

TEST(GameSection, ReplayBeyondTheCapIsReadToItsEnd) {
  SaveDescription d = MinimalSave();
  d.ReplayMsgs.resize(kMaxReplayMsgs + 2, ReplayMsgDesc{.Turn = 1, .Text = "x", .Color = 1});
  d.ReplayMsgs.back().Text = "last";
  d.Players[0].PlayerGold = 777;  // read after the replay: the walk stayed in step
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.ReplayMsgs.size(), size_t(kMaxReplayMsgs));
  EXPECT_EQ(a.PlayerGold[0], 777);
}

TEST(Sessions, CountsTheThreeWordsAndSortsTheirTurns) {
  SaveDescription d = MinimalSave();
  d.ReplayMsgs = {{.Turn = 57, .Text = "Session 2"},
                  {.Turn = 0, .Text = "Session 1"},
                  {.Turn = 120, .Text = "Lancement de la session"},
                  {.Turn = 90, .Text = "\xD1\xE5\xF1\xF1\xE8\xFF", .TextHighByte = 0x04},
                  {.Turn = 91, .Text = "session in lower case"}};
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.SessionTurns, (std::vector<int32_t>{0, 57, 90, 120}));
  EXPECT_EQ(a.Sessions, 5);
  EXPECT_EQ(a.PreSessions, 1);
}

TEST(Sessions, NoSessionMessages) {
  const Analysis a = Analyse(MinimalSave());
  EXPECT_TRUE(a.SessionTurns.empty());
  EXPECT_EQ(a.Sessions, 1);
  EXPECT_EQ(a.PreSessions, 0);
}

TEST(Map, PlotsPlacedByTheirOwnPlaceAndLandCounted) {
  SaveDescription d = MinimalSave();
  d.MapWidth = 3;
  d.MapHeight = 2;
  d.LandPlots = 8;
  d.OwnedPlots = 4;
  d.Latitude1 = -60;
  d.Latitude2 = 70;
  d.WrapX = 2;
  d.WrapY = 0;
  // Written in reverse order; placed by x and y.
  d.Plots = {{.X = 2, .Y = 1, .Owner = 2, .PlotType = 1, .Terrain = 1, .Feature = 4, .Bonus = 3},
             {.X = 1, .Y = 1, .Owner = 2, .PlotType = 3, .Terrain = 6},
             {.X = 0, .Y = 1, .Owner = 255, .PlotType = 0, .Terrain = 7},
             {.X = 2, .Y = 0, .Owner = 18, .PlotType = 2, .Terrain = 0},
             {.X = 1, .Y = 0, .Owner = 2, .PlotType = 0, .Terrain = 2},
             {.X = 700, .Y = 0, .Owner = 2, .PlotType = 2, .Terrain = 0}};  // no place, still land of slot 2
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.MapWidth, 3);
  EXPECT_EQ(a.PlotCount, 6);
  EXPECT_EQ(a.Latitude1, -60);
  EXPECT_EQ(a.Latitude2, 70);
  EXPECT_EQ(a.WrapX, 2);
  EXPECT_EQ(a.WrapY, 0);
  EXPECT_EQ(a.OwnedLandCount[2], 3);
  EXPECT_EQ(a.OwnedLandCount[18], 1);
  EXPECT_DOUBLE_EQ(a.LandPercent[2], 37.5);
  EXPECT_DOUBLE_EQ(a.LandPercent[18], 12.5);
  EXPECT_EQ(a.Plot(2, 1).Feature, 4);
  EXPECT_EQ(a.Plot(2, 1).Bonus, 3);
  EXPECT_EQ(a.Plot(1, 1).PlotType, 3);
  EXPECT_EQ(a.Plot(0, 1).Terrain, 7);
  EXPECT_EQ(a.Plot(1, 0).Terrain, 2);
}

TEST(Map, NoLandLeavesPercentagesAtZero) {
  SaveDescription d = MinimalSave();
  d.Plots = {{.X = 0, .Y = 0, .Owner = 0, .PlotType = 1}};
  d.MapWidth = 1;
  d.MapHeight = 1;
  d.LandPlots = 0;
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.OwnedLandCount[0], 1);
  EXPECT_EQ(a.LandPercent[0], 0.0);
}

TEST(Teams, ReadsEveryRecordBackToBack) {
  SaveDescription d = MinimalSave();
  for (int t = 0; t < kTeams; ++t) {
    d.Teams[size_t(t)].TeamMembers = t;
    d.Teams[size_t(t)].TeamPopulation = 100 + t;
    d.Teams[size_t(t)].TeamLand = 200 + t;
    d.Teams[size_t(t)].HasMet[size_t(t)] = 1;
    d.Teams[size_t(t)].ResearchProgress[size_t(t)] = 300 + t;
  }
  TeamDesc& last = d.Teams[18];
  for (int k = 0; k < 40; ++k) last.HasTech[size_t(k)] = 1;
  last.HasTech[85] = 2;
  last.FutureTechCount = 3;
  last.IsVassal[4] = 1;
  const Analysis a = Analyse(d);
  for (int t = 0; t < kTeams; ++t) {
    EXPECT_EQ(a.TeamMembers[size_t(t)], t);
    EXPECT_EQ(a.TeamPopulation[size_t(t)], 100 + t);
    EXPECT_EQ(a.TeamLand[size_t(t)], 200 + t);
    EXPECT_EQ(a.HasMet[size_t(t)][size_t(t)], 1);
    EXPECT_EQ(a.ResearchProgress[size_t(t)][size_t(t)], 300 + t);
  }
  EXPECT_EQ(a.FutureTechCount[18], 3);
  EXPECT_EQ(a.HasTech[18][85], 2);
  EXPECT_EQ(a.KnownTechCount[18], 41 + 3);
  EXPECT_EQ(a.IsVassal[18][4], 1);
  EXPECT_EQ(a.IsVassal[18][3], 0);
}

}  // namespace
}  // namespace tolvane::testing
