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
    auto& slot = d.slots[size_t(s)];
    slot.leaderName = "P" + std::to_string(s);
    slot.leaderType = s % kLeaders;
    slot.team = s;
    d.teams[size_t(s)].teamMembers = 1;
    PlayerDesc& p = d.players[size_t(s)];
    p.playerPopulation = 10 + s;
    p.playerGold = 1000 + s;
    p.greatPeopleCreated = s;
    p.greatGeneralsCreated = 2 * s;
    p.populationScore = 100 + s;
    p.landScore = 200 + s;
    p.wondersScore = 300 + s;
    p.techScore = 400 + s;
    p.generalPoints = 500 + s;
    p.playerAlive = uint8_t(s % 3 ? 1 : 2);
    p.leaderPersonality = s;
    p.unitCount = s % 4;
    p.eventRecordCount = 2;
    p.cities = {{.name = "C" + std::to_string(s), .culture = s}};
    p.messages = {{.text = "M" + std::to_string(s), .turn = s}};
    p.histories[0] = {{0, s}};
  }
  return d;
}

TEST(Players, WalkStaysInStepThroughJunkLists) {
  for (JunkCounts counts : {JunkCounts::Positive, JunkCounts::Zero, JunkCounts::Negative, JunkCounts::Mixed}) {
    SaveDescription d = NineteenPlayers();
    d.options.counts = counts;
    d.options.junkSeed = 42 + int(counts);
    d.eventTags = {9, 10, 0, -1, 4, 9};
    d.options.texts = counts == JunkCounts::Mixed ? TextWidth::Narrow : TextWidth::Wide;
    const Analysis a = Analyse(d);
    for (size_t s = 0; s < kSlots; ++s) {
      SCOPED_TRACE(::testing::Message() << "slot " << s << " counts " << int(counts));
      EXPECT_EQ(a.playerPopulation[s], 10 + int(s));
      EXPECT_EQ(a.playerGold[s], 1000 + int(s));
      EXPECT_EQ(a.greatPeopleCreated[s], int(s));
      EXPECT_EQ(a.greatGeneralsCreated[s], 2 * int(s));
      EXPECT_EQ(a.populationScore[s], 100 + int(s));
      EXPECT_EQ(a.landScore[s], 200 + int(s));
      EXPECT_EQ(a.wondersScore[s], 300 + int(s));
      EXPECT_EQ(a.techScore[s], 400 + int(s));
      EXPECT_EQ(a.generalPoints[s], 500 + int(s));
      EXPECT_EQ(a.playerAlive[s], s % 3 ? 1 : 2);
      EXPECT_EQ(a.leaderPersonality[s], int(s));
      EXPECT_EQ(a.unitCount[s], int(s % 4));
      ASSERT_EQ(a.cities[s].size(), 1u);
      EXPECT_EQ(a.cities[s][0].name, "C" + std::to_string(s));
      ASSERT_EQ(a.messages[s].size(), 1u);
      EXPECT_EQ(a.messages[s][0].text, "M" + std::to_string(s));
      EXPECT_EQ(a.history[kScoreHistory][s][0], int(s));
    }
  }
}

TEST(Players, ResearchingTechIsTheLastFlagAndNegativeUnitCountIsKept) {
  SaveDescription d = MinimalSave();
  d.players[0].researchFlags[3] = 1;
  d.players[0].researchFlags[40] = 2;
  d.players[0].unitCount = -7;
  d.players[0].playerGold = 99;
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.researchingTech[0], 40);
  EXPECT_EQ(a.researchingTech[1], 0);  // no flag: the first technology
  EXPECT_EQ(a.unitCount[0], -7);
  EXPECT_EQ(a.playerGold[0], 99);
}

TEST(Cities, NamesCultureAndFields) {
  SaveDescription d = MinimalSave();
  std::array<int32_t, kSlots> others{};
  others.fill(777);
  CityDesc full{.name = "TXT_KEY_CITY_NAME_ST_PETERSBURG",
                .x = 4,
                .y = 9,
                .foundedTurn = 33,
                .population = 12,
                .processRate = {0, 5, 0},
                .culture = 123456,
                .slotCulture = others};
  full.projectProduction[10] = 11;
  full.buildingProduction[128] = 128;
  full.unitProduction[91] = 91;
  full.hasBuilding[0] = 1;
  full.freeBuilding[128] = 2;
  d.players[0].cities = {
      full, {.name = "Rome"}, {.name = "TXT_KEY_CITY_NAME_"}, {.name = ""}, {.name = "my TXT_KEY_CITY_NAME_X"}};
  const Analysis a = Analyse(d);
  const auto& c = a.cities[0];
  ASSERT_EQ(c.size(), 5u);
  EXPECT_EQ(a.cityCount[0], 5);
  EXPECT_EQ(c[0].name, "St Petersburg");
  EXPECT_EQ(c[0].x, 4);
  EXPECT_EQ(c[0].y, 9);
  EXPECT_EQ(c[0].foundedTurn, 33);
  EXPECT_EQ(c[0].population, 12);
  EXPECT_EQ(c[0].processRate[1], 5);
  EXPECT_EQ(c[0].culture, 123456);  // the owner's entry, not the others' 777
  EXPECT_EQ(c[0].projectProduction[10], 11);
  EXPECT_EQ(c[0].buildingProduction[128], 128);
  EXPECT_EQ(c[0].unitProduction[91], 91);
  EXPECT_EQ(c[0].hasBuilding[0], 1);
  EXPECT_EQ(c[0].freeBuilding[128], 2);
  EXPECT_EQ(c[1].name, "Rome");
  EXPECT_EQ(c[2].name, "TXT_KEY_CITY_NAME_");
  EXPECT_EQ(c[3].name, "");
  EXPECT_EQ(c[4].name, "Me X");  // the key's length is cut from the front
}

TEST(Cities, OwnersCultureEntryForEverySlot) {
  SaveDescription d = MinimalSave();
  d.slots[7].leaderName = "Seven";
  d.players[7].cities = {{.name = "A", .culture = 70}};
  d.players[18].cities = {{.name = "B", .culture = 180}};
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.cities[7][0].culture, 70);
  EXPECT_EQ(a.cities[18][0].culture, 180);
}

TEST(Cities, MoreThanTheCapAreReadToTheirEnd) {
  SaveDescription d = MinimalSave();
  d.options.maxJunkListLength = 1;
  for (int i = 0; i < kMaxCities + 3; ++i) d.players[0].cities.push_back({.name = "c", .culture = i});
  d.players[0].unitCount = 5;  // read after the cities
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.cityCount[0], kMaxCities + 3);
  EXPECT_EQ(a.cities[0].size(), size_t(kMaxCities));
  EXPECT_EQ(a.CultureOfRank(0, 0), kMaxCities - 1);  // only the kept cities are ranked
  EXPECT_EQ(a.unitCount[0], 5);
}

// Research costs equal base costs: Noble, small map percent 100, one member.
SaveDescription PlainCosts() {
  SaveDescription d = MinimalSave();
  d.worldSize = 0;
  d.gameSpeed = 2;
  d.startEra = 0;
  d.slots[0].handicap = 3;
  d.elapsedTurns = 200;
  return d;
}

int TechIndex(std::string_view name) {
  for (int k = 0; k < kTechs; ++k)
    if (kTechInfo[size_t(k)].name == name) return k;
  return -1;
}

TEST(TechnologyTurns, LastMessageNamingATechnologyWins) {
  SaveDescription d = PlainCosts();
  d.players[0].messages = {
      {.text = "You have discovered Wri<color=1>ting</color>!", .turn = 12},
      {.text = "Mathematics and Writing spread", .turn = 20, .messageType = kCombatMessage},
      {.text = "pottery in lower case", .turn = 21},
  };
  d.teams[0].hasTech[size_t(TechIndex("Mysticism"))] = 1;  // known from the start, never named
  const Analysis a = Analyse(d);
  // Writing counts from turn 20, not 12; Pottery, named only in lower case, never.
  const auto& science = a.history[kScienceHistory][0];
  EXPECT_EQ(science[0], 50);  // Mysticism from the start
  EXPECT_EQ(science[19], 50);
  EXPECT_EQ(science[20], 50 + 250 + 120);  // Mathematics and Writing on turn 20
  EXPECT_EQ(science[200], 420);
  EXPECT_EQ(science[201], 0);  // beyond the elapsed turns nothing is summed
}

TEST(TechnologyTurns, StartTurnOffsetsAndSharedTeamRow) {
  SaveDescription d = PlainCosts();
  d.startTurn = 150;
  d.elapsedTurns = 40;
  // Slots 0 and 5 form team 0; the later member's messages count for both.
  d.slots[5] = {.leaderName = "Mate", .leaderType = 4, .team = 0, .handicap = 3};
  d.teams[0].teamMembers = 2;
  d.players[5].playerAlive = 1;
  d.players[5].messages = {{.text = "Pottery!", .turn = 160}};
  d.players[0].messages = {{.text = "The Wheel", .turn = 100}};  // before the start: index 0
  const Analysis a = Analyse(d);
  const int32_t pottery = 80 * 150 / 100, wheel = 60 * 150 / 100;  // two members pay 150 percent
  for (int slot : {0, 5}) {
    const auto& science = a.history[kScienceHistory][size_t(slot)];
    EXPECT_EQ(science[0], wheel) << slot;
    EXPECT_EQ(science[9], wheel) << slot;
    EXPECT_EQ(science[10], wheel + pottery) << slot;
  }
}

TEST(Histories, PlacedByTurnFromTheStart) {
  SaveDescription d = MinimalSave();
  d.startTurn = 100;
  auto& h = d.players[0].histories;
  h[0] = {{100, 1}, {1299, 2}, {1300, 3}, {50, 4}, {60, 5}};  // two before the start: the later wins
  h[1] = {{101, -250}, {101, -300}};
  h[2] = {};
  h[5] = {{110, 9}};
  const Analysis a = Analyse(d);
  const auto& score = a.history[kScoreHistory][0];
  EXPECT_EQ(score[0], 5);
  EXPECT_EQ(score[1199], 2);
  EXPECT_EQ(score[1200], 0);
  EXPECT_EQ(a.history[kEconomyHistory][0][1], -300);
  EXPECT_EQ(a.history[kCultureHistory][0][10], 9);
}

TEST(Statistics, NamesCountsAndPopulationShares) {
  SaveDescription d = MinimalSave();
  d.slots[1] = {.leaderName = "", .leaderType = 5, .team = 1};
  d.slots[2] = {.leaderName = "Cid", .leaderType = 2, .team = 2};
  d.slots[3] = {.leaderName = "", .leaderType = -1, .team = 3};
  d.slots[4] = {.leaderName = "", .leaderType = 37, .team = 4};
  d.players[0].playerPopulation = 30;
  d.players[1].playerPopulation = 10;
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.slots[1].leaderName, "Brennus");
  EXPECT_EQ(a.slots[3].leaderName, "");
  EXPECT_EQ(a.slots[4].leaderName, "");
  EXPECT_EQ(a.playerCount, 3);  // slots 0, 1, 2; the barbarians do not count
  EXPECT_EQ(a.totalPopulation, 40);
  EXPECT_DOUBLE_EQ(a.populationPercent[0], 75.0);
  EXPECT_DOUBLE_EQ(a.populationPercent[1], 25.0);
  EXPECT_DOUBLE_EQ(a.populationPercent[2], 0.0);
}

TEST(Statistics, KavrelInputs) {
  for (auto [third, culture] : {std::pair{12050, 124}, {11750, 122}}) {
    SaveDescription d = MinimalSave();
    d.gameSpeed = 1;
    d.startTurn = 5;
    d.elapsedTurns = 100;
    d.endTurn = 660;
    d.players[0].cities = {{.name = "a", .culture = 5000},
                           {.name = "b", .culture = 20000},
                           {.name = "c", .culture = third},
                           {.name = "d", .culture = 100}};
    for (const char* modern : {"Flight", "Radio", "Future Tech"}) d.teams[0].hasTech[size_t(TechIndex(modern))] = 1;
    d.teams[0].futureTechCount = 2;
    const Analysis a = Analyse(d);
    EXPECT_EQ(a.CultureOfRank(0, 0), 20000);
    EXPECT_EQ(a.CultureOfRank(0, 2), 5000);
    EXPECT_EQ(a.kavrelCultureCurr, culture);  // (20000 + third + 5000) / 3 / 100, halves to even
    EXPECT_EQ(a.kavrelMTechCurr, (2 + 2) * 10);
    EXPECT_EQ(a.kavrelTurnCurr, 105);
    EXPECT_EQ(a.kavrelTurnMax, 660);
    EXPECT_EQ(a.kavrelCultureMax, 75000);
  }
}

TEST(Statistics, VassalRuleForTeamsAndPlayers) {
  SaveDescription d = MinimalSave();
  // Team 0 (slots 0 and 1) is master of team 2 (slot 2); team 3 (slot 3, dead) is vassal of team 0 too.
  d.slots[1] = {.leaderName = "B", .leaderType = 1, .team = 0};
  d.slots[2] = {.leaderName = "C", .leaderType = 2, .team = 2};
  d.slots[3] = {.leaderName = "D", .leaderType = 3, .team = 3};
  d.teams[0] = {.teamMembers = 2, .teamPopulation = 40, .teamLand = 100};
  d.teams[2] = {.teamMembers = 1, .teamPopulation = 9, .teamLand = 31};
  d.teams[3] = {.teamMembers = 1, .teamPopulation = 6, .teamLand = 8};
  d.teams[2].isVassal[0] = 1;
  d.teams[3].isVassal[0] = 1;
  d.players[0].populationScore = 100;
  d.players[1].populationScore = 50;
  d.players[1].playerAlive = 1;
  d.players[2].playerAlive = 1;
  d.players[2].populationScore = 41;
  d.players[2].landScore = 21;
  d.players[3].playerAlive = 0;
  d.players[3].populationScore = 80;
  d.maxPopScore = 1000;
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.teamPopulationCounted[2], 4);
  EXPECT_EQ(a.teamLandCounted[2], 15);
  EXPECT_EQ(a.teamPopulationCounted[0], 40 + 4 + 3);
  EXPECT_EQ(a.teamLandCounted[0], 100 + 15 + 4);
  // Each member gains the living vassal's half, shared by the two members.
  EXPECT_EQ(a.populationScoreCounted[0], 100 + 20 / 2);
  EXPECT_EQ(a.populationScoreCounted[1], 50 + 20 / 2);
  EXPECT_EQ(a.landScoreCounted[0], 10 / 2);
  EXPECT_EQ(a.populationScoreCounted[2], 20);
  EXPECT_EQ(a.populationScoreCounted[3], 80);  // dead: whole, and adds nothing
  EXPECT_EQ(a.playerScore[0], 5000 * 110 / 1000);
  EXPECT_EQ(a.playerScore[3], 0);
  EXPECT_EQ(a.teamScore[0], a.playerScore[0] + a.playerScore[1]);
}

TEST(Statistics, TeamOutsideTheTablesIndexesNothing) {
  SaveDescription d = MinimalSave();
  d.slots[0].team = 40;
  d.slots[1] = {.leaderName = "B", .leaderType = 1, .team = -3};
  d.players[0].messages = {{.text = "Writing", .turn = 3}};
  d.players[0].populationScore = 10;
  d.maxPopScore = 10;
  d.elapsedTurns = 10;
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.playerScore[0], 5000);
  // No team's row took the message: every slot's science stays empty.
  for (const auto& row : a.history[kScienceHistory]) EXPECT_EQ(row[10], 0);
}

}  // namespace
}  // namespace tolvane::testing
