// The player records: the walk stays in step through every list, and the
// cities, messages, technology turns and histories land where they belong.
#include <gtest/gtest.h>

#include "AnalyseHelpers.h"
#include "rules/Tables.h"

namespace tolvane::testing {
namespace {

// Every slot in use, each on its own team, with values that tell the slots apart.
SaveDescription NineteenPlayers() {
  SaveDescription d = MinimalSave();
  for (int s = 0; s < kSlots; ++s) {
    auto& slot = d.LeaderInfo[size_t(s)];
    slot.LeaderName = "P" + std::to_string(s);
    slot.LeaderType = s % kLeaders;
    slot.Team = s;
    d.Teams[size_t(s)].TeamMembers = 1;
    PlayerDesc& p = d.Players[size_t(s)];
    p.PlayerPopulation = 10 + s;
    p.PlayerGold = 1000 + s;
    p.GreatPeopleCreated = s;
    p.GreatGeneralsCreated = 2 * s;
    p.PopulationScore = 100 + s;
    p.LandScore = 200 + s;
    p.WondersScore = 300 + s;
    p.TechScore = 400 + s;
    p.GeneralPoints = 500 + s;
    p.PlayerAlive = uint8_t(s % 3 ? 1 : 2);
    p.LeaderPersonality = s;
    p.UnitCount = s % 4;
    p.EventRecordCount = 2;
    p.Cities = {{.Name = "C" + std::to_string(s), .Culture = s}};
    p.Messages = {{.Text = "M" + std::to_string(s), .Turn = s}};
    p.Histories[0] = {{0, s}};
  }
  return d;
}

TEST(Players, WalkStaysInStepThroughJunkLists) {
  for (JunkCounts counts : {JunkCounts::Positive, JunkCounts::Zero, JunkCounts::Negative, JunkCounts::Mixed}) {
    SaveDescription d = NineteenPlayers();
    d.Options.Counts = counts;
    d.Options.JunkSeed = 42 + int(counts);
    d.EventTags = {9, 10, 0, -1, 4, 9};
    d.Options.Texts = counts == JunkCounts::Mixed ? TextWidth::Narrow : TextWidth::Wide;
    const Analysis a = Analyse(d);
    for (size_t s = 0; s < kSlots; ++s) {
      SCOPED_TRACE(::testing::Message() << "slot " << s << " counts " << int(counts));
      EXPECT_EQ(a.PlayerPopulation[s], 10 + int(s));
      EXPECT_EQ(a.PlayerGold[s], 1000 + int(s));
      EXPECT_EQ(a.GreatPeopleCreated[s], int(s));
      EXPECT_EQ(a.GreatGeneralsCreated[s], 2 * int(s));
      EXPECT_EQ(a.PopulationScore[s], 100 + int(s));
      EXPECT_EQ(a.LandScore[s], 200 + int(s));
      EXPECT_EQ(a.WondersScore[s], 300 + int(s));
      EXPECT_EQ(a.TechScore[s], 400 + int(s));
      EXPECT_EQ(a.GeneralPoints[s], 500 + int(s));
      EXPECT_EQ(a.PlayerAlive[s], s % 3 ? 1 : 2);
      EXPECT_EQ(a.LeaderPersonality[s], int(s));
      EXPECT_EQ(a.UnitCount[s], int(s % 4));
      ASSERT_EQ(a.Cities[s].size(), 1u);
      EXPECT_EQ(a.Cities[s][0].Name, "C" + std::to_string(s));
      ASSERT_EQ(a.Messages[s].size(), 1u);
      EXPECT_EQ(a.Messages[s][0].Text, "M" + std::to_string(s));
      EXPECT_EQ(a.History[ScoreHist][s][0], int(s));
    }
  }
}

TEST(Players, ResearchingTechIsTheLastFlagAndNegativeUnitCountIsKept) {
  SaveDescription d = MinimalSave();
  d.Players[0].ResearchFlags[3] = 1;
  d.Players[0].ResearchFlags[40] = 2;
  d.Players[0].UnitCount = -7;
  d.Players[0].PlayerGold = 99;
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.ResearchingTech[0], 40);
  EXPECT_EQ(a.ResearchingTech[1], 0);  // no flag: the first technology
  EXPECT_EQ(a.UnitCount[0], -7);
  EXPECT_EQ(a.PlayerGold[0], 99);
}

TEST(Cities, NamesCultureAndFields) {
  SaveDescription d = MinimalSave();
  std::array<int32_t, kSlots> others{};
  others.fill(777);
  CityDesc full{.Name = "TXT_KEY_CITY_NAME_ST_PETERSBURG",
                .X = 4,
                .Y = 9,
                .FoundedTurn = 33,
                .Population = 12,
                .ProcessRate = {0, 5, 0},
                .Culture = 123456,
                .SlotCulture = others};
  full.ProjectProduction[10] = 11;
  full.BuildingProduction[128] = 128;
  full.UnitProduction[91] = 91;
  full.HasBuilding[0] = 1;
  full.FreeBuilding[128] = 2;
  d.Players[0].Cities = {
      full, {.Name = "Rome"}, {.Name = "TXT_KEY_CITY_NAME_"}, {.Name = ""}, {.Name = "my TXT_KEY_CITY_NAME_X"}};
  const Analysis a = Analyse(d);
  const auto& c = a.Cities[0];
  ASSERT_EQ(c.size(), 5u);
  EXPECT_EQ(a.CityCount[0], 5);
  EXPECT_EQ(c[0].Name, "St Petersburg");
  EXPECT_EQ(c[0].X, 4);
  EXPECT_EQ(c[0].Y, 9);
  EXPECT_EQ(c[0].FoundedTurn, 33);
  EXPECT_EQ(c[0].Population, 12);
  EXPECT_EQ(c[0].ProcessRate[1], 5);
  EXPECT_EQ(c[0].Culture, 123456);  // the owner's entry, not the others' 777
  EXPECT_EQ(c[0].ProjectProduction[10], 11);
  EXPECT_EQ(c[0].BuildingProduction[128], 128);
  EXPECT_EQ(c[0].UnitProduction[91], 91);
  EXPECT_EQ(c[0].HasBuilding[0], 1);
  EXPECT_EQ(c[0].FreeBuilding[128], 2);
  EXPECT_EQ(c[1].Name, "Rome");
  EXPECT_EQ(c[2].Name, "TXT_KEY_CITY_NAME_");
  EXPECT_EQ(c[3].Name, "");
  EXPECT_EQ(c[4].Name, "Me X");  // the key's length is cut from the front
}

TEST(Cities, OwnersCultureEntryForEverySlot) {
  SaveDescription d = MinimalSave();
  d.LeaderInfo[7].LeaderName = "Seven";
  d.Players[7].Cities = {{.Name = "A", .Culture = 70}};
  d.Players[18].Cities = {{.Name = "B", .Culture = 180}};
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.Cities[7][0].Culture, 70);
  EXPECT_EQ(a.Cities[18][0].Culture, 180);
}

TEST(Cities, MoreThanTheCapAreReadToTheirEnd) {
  SaveDescription d = MinimalSave();
  d.Options.MaxJunkListLength = 1;
  for (int i = 0; i < kMaxCities + 3; ++i) d.Players[0].Cities.push_back({.Name = "c", .Culture = i});
  d.Players[0].UnitCount = 5;  // read after the cities
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.CityCount[0], kMaxCities + 3);
  EXPECT_EQ(a.Cities[0].size(), size_t(kMaxCities));
  EXPECT_EQ(a.CultureOfRank(0, 0), kMaxCities - 1);  // only the kept cities are ranked
  EXPECT_EQ(a.UnitCount[0], 5);
}

// Research costs equal base costs: Noble, small map percent 100, one member.
SaveDescription PlainCosts() {
  SaveDescription d = MinimalSave();
  d.WorldSize = 0;
  d.GameSpeed = 2;
  d.StartEra = 0;
  d.LeaderInfo[0].Handicap = 3;
  d.ElapsedTurns = 200;
  return d;
}

int techIndex(std::string_view name) {
  for (int k = 0; k < kTechs; ++k)
    if (TechInfo[size_t(k)].Name == name) return k;
  return -1;
}

TEST(TechnologyTurns, LastMessageNamingATechnologyWins) {
  SaveDescription d = PlainCosts();
  d.Players[0].Messages = {
      {.Text = "You have discovered Wri<color=1>ting</color>!", .Turn = 12},
      {.Text = "Mathematics and Writing spread", .Turn = 20, .MessageType = 5},
      {.Text = "pottery in lower case", .Turn = 21},
  };
  d.Teams[0].HasTech[size_t(techIndex("Mysticism"))] = 1;  // known from the start, never named
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.TechTurn[0][size_t(techIndex("Writing"))], 20);
  EXPECT_EQ(a.TechTurn[0][size_t(techIndex("Mathematics"))], 20);
  EXPECT_EQ(a.TechTurn[0][size_t(techIndex("Pottery"))], -1);
  EXPECT_EQ(a.TechTurn[0][size_t(techIndex("Mysticism"))], 0);
  const auto& science = a.History[ScienceHist][0];
  EXPECT_EQ(science[0], 50);  // Mysticism from the start
  EXPECT_EQ(science[19], 50);
  EXPECT_EQ(science[20], 50 + 250 + 120);  // Mathematics and Writing on turn 20
  EXPECT_EQ(science[200], 420);
  EXPECT_EQ(science[201], 0);  // beyond the elapsed turns nothing is summed
}

TEST(TechnologyTurns, StartTurnOffsetsAndSharedTeamRow) {
  SaveDescription d = PlainCosts();
  d.StartTurn = 150;
  d.ElapsedTurns = 40;
  // Slots 0 and 5 form team 0; the later member's messages count for both.
  d.LeaderInfo[5] = {.LeaderName = "Mate", .LeaderType = 4, .Team = 0, .Handicap = 3};
  d.Teams[0].TeamMembers = 2;
  d.Players[5].PlayerAlive = 1;
  d.Players[5].Messages = {{.Text = "Pottery!", .Turn = 160}};
  d.Players[0].Messages = {{.Text = "The Wheel", .Turn = 100}};  // before the start: index 0
  const Analysis a = Analyse(d);
  const int32_t pottery = 80 * 150 / 100, wheel = 60 * 150 / 100;  // two members pay 150 percent
  for (int slot : {0, 5}) {
    const auto& science = a.History[ScienceHist][size_t(slot)];
    EXPECT_EQ(science[0], wheel) << slot;
    EXPECT_EQ(science[9], wheel) << slot;
    EXPECT_EQ(science[10], wheel + pottery) << slot;
  }
}

TEST(Histories, PlacedByTurnFromTheStart) {
  SaveDescription d = MinimalSave();
  d.StartTurn = 100;
  auto& h = d.Players[0].Histories;
  h[0] = {{100, 1}, {1299, 2}, {1300, 3}, {50, 4}, {60, 5}};  // two before the start: the later wins
  h[1] = {{101, -250}, {101, -300}};
  h[2] = {};
  h[5] = {{110, 9}};
  const Analysis a = Analyse(d);
  const auto& score = a.History[ScoreHist][0];
  EXPECT_EQ(score[0], 5);
  EXPECT_EQ(score[1199], 2);
  EXPECT_EQ(score[1200], 0);
  EXPECT_EQ(a.History[EconomyHist][0][1], -300);
  EXPECT_EQ(a.History[CultureHist][0][10], 9);
}

TEST(Statistics, NamesCountsAndPopulationShares) {
  SaveDescription d = MinimalSave();
  d.LeaderInfo[1] = {.LeaderName = "", .LeaderType = 5, .Team = 1};
  d.LeaderInfo[2] = {.LeaderName = "Cid", .LeaderType = 2, .Team = 2};
  d.LeaderInfo[3] = {.LeaderName = "", .LeaderType = -1, .Team = 3};
  d.LeaderInfo[4] = {.LeaderName = "", .LeaderType = 37, .Team = 4};
  d.Players[0].PlayerPopulation = 30;
  d.Players[1].PlayerPopulation = 10;
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.LeaderInfo[1].LeaderName, "Brennus");
  EXPECT_EQ(a.LeaderInfo[3].LeaderName, "");
  EXPECT_EQ(a.LeaderInfo[4].LeaderName, "");
  EXPECT_EQ(a.PlayerCount, 3);  // slots 0, 1, 2; the barbarians do not count
  EXPECT_EQ(a.TotalPopulation, 40);
  EXPECT_DOUBLE_EQ(a.PopulationPercent[0], 75.0);
  EXPECT_DOUBLE_EQ(a.PopulationPercent[1], 25.0);
  EXPECT_DOUBLE_EQ(a.PopulationPercent[2], 0.0);
}

TEST(Statistics, KavrelInputs) {
  for (auto [third, culture] : {std::pair{12050, 124}, {11750, 122}}) {
    SaveDescription d = MinimalSave();
    d.GameSpeed = 1;
    d.StartTurn = 5;
    d.ElapsedTurns = 100;
    d.EndTurn = 660;
    d.Players[0].Cities = {{.Name = "a", .Culture = 5000},
                           {.Name = "b", .Culture = 20000},
                           {.Name = "c", .Culture = third},
                           {.Name = "d", .Culture = 100}};
    for (const char* modern : {"Flight", "Radio", "Future Tech"}) d.Teams[0].HasTech[size_t(techIndex(modern))] = 1;
    d.Teams[0].FutureTechCount = 2;
    const Analysis a = Analyse(d);
    EXPECT_EQ(a.CultureOfRank(0, 0), 20000);
    EXPECT_EQ(a.CultureOfRank(0, 2), 5000);
    EXPECT_EQ(a.KavrelCultureCurr, culture);  // (20000 + third + 5000) / 3 / 100, halves to even
    EXPECT_EQ(a.KavrelMTechCurr, (2 + 2) * 10);
    EXPECT_EQ(a.KavrelTurnCurr, 105);
    EXPECT_EQ(a.KavrelTurnMax, 660);
    EXPECT_EQ(a.KavrelCultureMax, 75000);
  }
}

TEST(Statistics, VassalRuleForTeamsAndPlayers) {
  SaveDescription d = MinimalSave();
  // Team 0 (slots 0 and 1) is master of team 2 (slot 2); team 3 (slot 3, dead) is vassal of team 0 too.
  d.LeaderInfo[1] = {.LeaderName = "B", .LeaderType = 1, .Team = 0};
  d.LeaderInfo[2] = {.LeaderName = "C", .LeaderType = 2, .Team = 2};
  d.LeaderInfo[3] = {.LeaderName = "D", .LeaderType = 3, .Team = 3};
  d.Teams[0] = {.TeamMembers = 2, .TeamPopulation = 40, .TeamLand = 100};
  d.Teams[2] = {.TeamMembers = 1, .TeamPopulation = 9, .TeamLand = 31};
  d.Teams[3] = {.TeamMembers = 1, .TeamPopulation = 6, .TeamLand = 8};
  d.Teams[2].IsVassal[0] = 1;
  d.Teams[3].IsVassal[0] = 1;
  d.Players[0].PopulationScore = 100;
  d.Players[1].PopulationScore = 50;
  d.Players[1].PlayerAlive = 1;
  d.Players[2].PlayerAlive = 1;
  d.Players[2].PopulationScore = 41;
  d.Players[2].LandScore = 21;
  d.Players[3].PlayerAlive = 0;
  d.Players[3].PopulationScore = 80;
  d.MaxPopScore = 1000;
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.TeamPopulationCounted[2], 4);
  EXPECT_EQ(a.TeamLandCounted[2], 15);
  EXPECT_EQ(a.TeamPopulationCounted[0], 40 + 4 + 3);
  EXPECT_EQ(a.TeamLandCounted[0], 100 + 15 + 4);
  // Each member gains the living vassal's half, shared by the two members.
  EXPECT_EQ(a.PopulationScoreCounted[0], 100 + 20 / 2);
  EXPECT_EQ(a.PopulationScoreCounted[1], 50 + 20 / 2);
  EXPECT_EQ(a.LandScoreCounted[0], 10 / 2);
  EXPECT_EQ(a.PopulationScoreCounted[2], 20);
  EXPECT_EQ(a.PopulationScoreCounted[3], 80);  // dead: whole, and adds nothing
  EXPECT_EQ(a.PlayerScore[0], 5000 * 110 / 1000);
  EXPECT_EQ(a.PlayerScore[3], 0);
  EXPECT_EQ(a.TeamScore[0], a.PlayerScore[0] + a.PlayerScore[1]);
}

TEST(Statistics, TeamOutsideTheTablesIndexesNothing) {
  SaveDescription d = MinimalSave();
  d.LeaderInfo[0].Team = 40;
  d.LeaderInfo[1] = {.LeaderName = "B", .LeaderType = 1, .Team = -3};
  d.Players[0].Messages = {{.Text = "Writing", .Turn = 3}};
  d.Players[0].PopulationScore = 10;
  d.MaxPopScore = 10;
  d.ElapsedTurns = 10;
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.PlayerScore[0], 5000);
  EXPECT_EQ(a.History[ScienceHist][0][10], 0);
  for (const auto& row : a.TechTurn) EXPECT_EQ(row[size_t(techIndex("Writing"))], -1);
}

}  // namespace
}  // namespace tolvane::testing
