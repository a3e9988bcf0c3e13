// The header, the sessions, the game section, the map and the teams, each
// read from saves the test writer fills with junk wherever the walk skips.
#include <gtest/gtest.h>

#include "AnalyseHelpers.h"
#include "rules/Calendar.h"

namespace tolvane::testing {
namespace {

TEST(Header, ReadsSettingsSlotsAndFixedOffsets) {
  SaveDescription d = MinimalSave();
  d.saveVersion = 302;
  d.modPath = "Mods\\Balance";
  d.flags = 255;
  d.xmlChecksum = "abc";
  d.gameName = "Cup \xE9t\xE9";
  d.mapScript = "Continents";
  d.worldSize = 4;
  d.climate = 2;
  d.seaLevel = 0;
  d.startEra = 1;
  d.gameSpeed = 0;
  d.calendar = 7;
  d.headerListCount = 5;
  d.victoryFlags = {0, 1, 0, 2, 0, 0, 1, 1, 1};  // nine flags: seven kept, nine bytes consumed
  d.gameOptions[5] = 1;
  d.gameOptions[17] = 3;
  d.slots[1] = {.leaderName = "Bo",
                .civDescription = "Empire",
                .civAdjective = "Imperial",
                .password = "pw",
                .slotFlag = 7,
                .civType = 5,
                .leaderType = 12,
                .team = 1,
                .handicap = 6,
                .slotStatus = 1};
  d.elapsedTurns = 120;
  d.endTurn = 1200;
  d.maxPopScore = 11;
  d.maxWonderScore = 44;
  d.initPop = 55;
  d.initWonder = 88;
  d.difficulty = 8;
  d.victoryType = 4;
  d.gameState = 1;
  d.gameScore = 4321;
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.modPath, "Mods\\Balance");
  EXPECT_EQ(a.flags, 255);
  EXPECT_EQ(a.xmlChecksum, "abc");
  EXPECT_EQ(a.gameName, "Cup \xE9t\xE9");
  EXPECT_EQ(a.mapScript, "Continents");
  EXPECT_EQ(a.worldSize, 4);
  EXPECT_EQ(a.climate, 2);
  EXPECT_EQ(a.startEra, 1);
  EXPECT_EQ(a.calendar, 7);
  EXPECT_EQ((std::vector<int32_t>(a.victoryFlags.begin(), a.victoryFlags.end())),
            (std::vector<int32_t>{0, 1, 0, 2, 0, 0, 1}));
  EXPECT_EQ(a.gameOptions[5], 1);
  EXPECT_EQ(a.gameOptions[17], 3);
  const SlotInfo& bo = a.slots[1];
  EXPECT_EQ(bo.leaderName, "Bo");
  EXPECT_EQ(bo.civDescription, "Empire");
  EXPECT_EQ(bo.civAdjective, "Imperial");
  EXPECT_EQ(bo.password, "pw");
  EXPECT_EQ(bo.civType, 5);
  EXPECT_EQ(bo.leaderType, 12);
  EXPECT_EQ(bo.team, 1);
  EXPECT_EQ(bo.handicap, 6);
  EXPECT_EQ(bo.slotStatus, 1);
  EXPECT_EQ(a.storedElapsedTurns, 120);
  EXPECT_EQ(a.endTurn, 1200);
  EXPECT_EQ(a.maxPopScore, 11);
  EXPECT_EQ(a.maxWonderScore, 44);
  EXPECT_EQ(a.initPop, 55);
  EXPECT_EQ(a.initWonder, 88);
  EXPECT_EQ(a.difficulty, 8);
  EXPECT_EQ(a.victoryType, 4);
  EXPECT_EQ(a.gameState, 1);
  EXPECT_EQ(a.gameScore, 4321);
  // Derived settings: Deity, Large world, Marathon, Classical start.
  EXPECT_DOUBLE_EQ(a.diffCoeff, 2.0);
  EXPECT_EQ(a.worldCostPercent, 140);
  EXPECT_EQ(a.speedCostPercent, 300);
  EXPECT_EQ(a.eraCostPercent, 90);
}

TEST(Header, SettingsOutsideTheirRangeGiveNeutralCosts) {
  SaveDescription d = MinimalSave();
  d.worldSize = 9;
  d.gameSpeed = -1;
  d.startEra = 7;
  d.difficulty = 12;
  const Analysis a = Analyse(d);
  EXPECT_DOUBLE_EQ(a.diffCoeff, 1.0);
  EXPECT_EQ(a.worldCostPercent, 100);
  EXPECT_EQ(a.speedCostPercent, 100);
  EXPECT_EQ(a.eraCostPercent, 100);
}

TEST(Header, PlayTimeRoundsQuarterSeconds) {
  for (auto [quarters, seconds] : {std::pair{9, 2}, {10, 3}, {11, 3}, {29536, 7384}}) {
    SaveDescription d = MinimalSave();
    d.playTimeQuarterSeconds = quarters;
    EXPECT_EQ(Analyse(d).playTime, seconds) << quarters;
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
    d.adminPassword = c.admin;
    d.gameState = c.state;
    EXPECT_EQ(Analyse(d).restrictedView, c.restricted) << c.admin << " " << c.state;
  }
}

TEST(GameSection, TurnDateAndOldSpeedNumbering) {
  SaveDescription d = MinimalSave();
  d.elapsedTurns = 50;
  d.startTurn = 75;
  d.gameSpeed = 2;
  Analysis a = Analyse(d);
  EXPECT_EQ(a.startTurn, 75);
  EXPECT_EQ(a.gameTurn, 125);
  EXPECT_EQ(a.gameDate, Turn2Date(2, 125));
  // Before version 102 the speeds were numbered from 1; the research cost
  // still takes the speed as stored.
  d.saveVersion = 101;
  d.gameSpeed = 1;
  a = Analyse(d);
  EXPECT_EQ(a.storedGameSpeed, 1);
  EXPECT_EQ(a.gameSpeed, 2);
  EXPECT_EQ(a.speedCostPercent, 150);
  EXPECT_EQ(a.gameDate, Turn2Date(2, 125));
}

// The limit is that of the speed after renumbering; the current turn and
// the stored value keep what the save holds.
TEST(GameSection, ElapsedTurnsHeldWithinTheSpeedsLimit) {
  struct Case {
    int32_t version, speed, start, elapsed, kept;
  };
  for (const Case& c :
       {Case{302, 0, 0, 1300, 1200}, Case{302, 2, 10, 450, 450}, Case{302, 2, 10, 455, 460}, Case{302, 3, 0, 321, 320},
        Case{302, 2, -30, 20, 0}, Case{302, 7, 0, 5000, 5000}, Case{101, 2, 0, 400, 320}, Case{101, 3, 0, 400, 400}}) {
    SaveDescription d = MinimalSave();
    d.saveVersion = c.version;
    d.gameSpeed = c.speed;
    d.startTurn = c.start;
    d.elapsedTurns = c.elapsed;
    const Analysis a = Analyse(d);
    SCOPED_TRACE(::testing::Message() << c.version << " " << c.speed << " " << c.start << " " << c.elapsed);
    EXPECT_EQ(a.elapsedTurns, c.kept);
    EXPECT_EQ(a.storedElapsedTurns, c.elapsed);
    EXPECT_EQ(a.gameTurn, c.start + c.elapsed);
  }
}

TEST(GameSection, ReplayKeepsTextOutsideMarkup) {
  SaveDescription d = MinimalSave();
  d.replay = {{.turn = 3, .info1 = 1, .info4 = 4, .text = "<color=255,0,0>Rome</color> founded", .color = 36},
              {.turn = 4, .text = "", .color = 0},
              {.turn = 5, .text = "a > b", .color = 38}};
  const Analysis a = Analyse(d);
  ASSERT_EQ(a.replay.size(), 3u);
  EXPECT_EQ(a.replay[0].turn, 3);
  EXPECT_EQ(a.replay[0].text, "Rome founded");
  EXPECT_EQ(a.replay[0].color, 36);
  EXPECT_EQ(a.replay[1].text, "");
  EXPECT_EQ(a.replay[2].text, "a > b");
  EXPECT_EQ(a.replay[2].color, 38);
}

TEST(GameSection, ReplayBeyondTheCapIsReadToItsEnd) {
  SaveDescription d = MinimalSave();
  d.replay.resize(kMaxReplayMessages + 2, ReplayMessageDesc{.turn = 1, .text = "x", .color = 1});
  d.replay.back().text = "last";
  d.players[0].playerGold = 777;  // read after the replay: the walk stayed in step
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.replay.size(), size_t(kMaxReplayMessages));
  EXPECT_EQ(a.playerGold[0], 777);
}

TEST(Sessions, CountsTheThreeWordsAndSortsTheirTurns) {
  SaveDescription d = MinimalSave();
  d.replay = {{.turn = 57, .text = "Session 2"},
              {.turn = 0, .text = "Session 1"},
              {.turn = 120, .text = "Lancement de la session"},
              {.turn = 90, .text = "\xD1\xE5\xF1\xF1\xE8\xFF", .textHighByte = 0x04},
              {.turn = 91, .text = "session in lower case"},
              // At the filler turn and beyond: no session.
              {.turn = kNoSessionTurn, .text = "Session 9999"},
              {.turn = kNoSessionTurn + 1, .text = "Session 10000"}};
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.sessionTurns, (std::vector<int32_t>{0, 57, 90, 120}));
  EXPECT_EQ(a.sessions, 5);
  EXPECT_EQ(a.preSessions, 1);
}

// The body is searched a stretch at a time: a word is found wherever it
// stands, across a stretch's end too. The longest word, back to back in the
// replay, shifted two bytes at a time over a whole message's length.
TEST(Sessions, FoundWhereverTheyStandInALargeBody) {
  constexpr int kMessages = 1900;  // past the first stretch of the body
  for (int shift = 0; shift < 37; ++shift) {
    SaveDescription d = MinimalSave();
    d.replay.push_back({.turn = 3, .text = std::string(size_t(shift) + 1, 'x')});
    std::vector<int32_t> expected;
    for (int i = 1; i <= kMessages; ++i) {
      d.replay.push_back({.turn = i, .text = "Lancement de la session"});
      expected.push_back(i);
    }
    const Analysis a = Analyse(d);
    EXPECT_EQ(a.sessionTurns, expected) << "shifted by " << shift;
  }
}

// Beyond the cap, the first word's matches in the order they stand are kept
// and the other words' are not counted.
TEST(Sessions, TheCapKeepsTheFirstWordsMatchesFirst) {
  SaveDescription d = MinimalSave();
  d.replay.push_back({.turn = 7000, .text = "Lancement de la session"});
  std::vector<int32_t> expected;
  for (int i = 1; i <= kMaxSessions + 2; ++i) {
    d.replay.push_back({.turn = i, .text = "Session"});
    if (i <= kMaxSessions) expected.push_back(i);
  }
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.sessionTurns, expected);
}

TEST(Sessions, NoSessionMessages) {
  const Analysis a = Analyse(MinimalSave());
  EXPECT_TRUE(a.sessionTurns.empty());
  EXPECT_EQ(a.sessions, 1);
  EXPECT_EQ(a.preSessions, 0);
}

TEST(Map, PlotsPlacedByTheirOwnPlaceAndLandCounted) {
  SaveDescription d = MinimalSave();
  d.mapWidth = 3;
  d.mapHeight = 2;
  d.landPlots = 8;
  d.ownedPlots = 4;
  d.latitude1 = -60;
  d.latitude2 = 70;
  d.wrapX = 2;
  d.wrapY = 0;
  // Written in reverse order; placed by x and y.
  d.plots = {{.x = 2, .y = 1, .owner = 2, .plotType = 1, .terrain = 1, .feature = 4, .bonus = 3},
             {.x = 1, .y = 1, .owner = 2, .plotType = 3, .terrain = 6},
             {.x = 0, .y = 1, .owner = 255, .plotType = 0, .terrain = 7},
             {.x = 2, .y = 0, .owner = 18, .plotType = 2, .terrain = 0},
             {.x = 1, .y = 0, .owner = 2, .plotType = 0, .terrain = 2},
             {.x = 700, .y = 0, .owner = 2, .plotType = 2, .terrain = 0}};  // no place, still land of slot 2
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.mapWidth, 3);
  EXPECT_EQ(a.latitude1, -60);
  EXPECT_EQ(a.latitude2, 70);
  EXPECT_EQ(a.wrapX, 2);
  EXPECT_EQ(a.wrapY, 0);
  EXPECT_EQ(a.ownedLandCount[2], 3);
  EXPECT_EQ(a.ownedLandCount[18], 1);
  EXPECT_DOUBLE_EQ(a.landPercent[2], 37.5);
  EXPECT_DOUBLE_EQ(a.landPercent[18], 12.5);
  EXPECT_EQ(a.PlotAt(2, 1).feature, 4);
  EXPECT_EQ(a.PlotAt(2, 1).bonus, 3);
  EXPECT_EQ(a.PlotAt(1, 1).plotType, 3);
  EXPECT_EQ(a.PlotAt(0, 1).terrain, 7);
  EXPECT_EQ(a.PlotAt(1, 0).terrain, 2);
  // Each plot keeps its owner; 19 or more is nobody's.
  EXPECT_EQ(a.PlotAt(2, 1).OwnerSlot(), 2);
  EXPECT_EQ(a.PlotAt(2, 0).OwnerSlot(), 18);
  EXPECT_EQ(a.PlotAt(0, 1).OwnerSlot(), -1);
  EXPECT_EQ(a.PlotAt(0, 0).OwnerSlot(), -1);  // no record: nobody's
}

TEST(Map, NoLandLeavesPercentagesAtZero) {
  SaveDescription d = MinimalSave();
  d.plots = {{.x = 0, .y = 0, .owner = 0, .plotType = 1}};
  d.mapWidth = 1;
  d.mapHeight = 1;
  d.landPlots = 0;
  const Analysis a = Analyse(d);
  EXPECT_EQ(a.ownedLandCount[0], 1);
  EXPECT_EQ(a.landPercent[0], 0.0);
}

TEST(Teams, ReadsEveryRecordBackToBack) {
  SaveDescription d = MinimalSave();
  for (int t = 0; t < kTeams; ++t) {
    d.teams[size_t(t)].teamMembers = t;
    d.teams[size_t(t)].teamPopulation = 100 + t;
    d.teams[size_t(t)].teamLand = 200 + t;
    d.teams[size_t(t)].hasMet[size_t(t)] = 1;
    d.teams[size_t(t)].researchProgress[size_t(t)] = 300 + t;
  }
  TeamDesc& last = d.teams[18];
  for (int k = 0; k < 40; ++k) last.hasTech[size_t(k)] = 1;
  last.hasTech[85] = 2;
  last.futureTechCount = 3;
  last.isVassal[4] = 1;
  const Analysis a = Analyse(d);
  for (int t = 0; t < kTeams; ++t) {
    EXPECT_EQ(a.teamMembers[size_t(t)], t);
    EXPECT_EQ(a.teamPopulation[size_t(t)], 100 + t);
    EXPECT_EQ(a.teamLand[size_t(t)], 200 + t);
    EXPECT_EQ(a.hasMet[size_t(t)][size_t(t)], 1);
    EXPECT_EQ(a.researchProgress[size_t(t)][size_t(t)], 300 + t);
  }
  EXPECT_EQ(a.futureTechCount[18], 3);
  EXPECT_EQ(a.hasTech[18][85], 2);
  EXPECT_EQ(a.knownTechCount[18], 41 + 3);
  EXPECT_EQ(a.isVassal[18][4], 1);
  EXPECT_EQ(a.isVassal[18][3], 0);
}

}  // namespace
}  // namespace tolvane::testing
