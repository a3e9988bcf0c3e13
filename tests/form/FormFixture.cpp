#include "FormFixture.h"

#include "form/Controls.h"
#include "rules/Calendar.h"

namespace tolvane::form::testing {

Analysis SmallGame() {
  Analysis a;
  a.saveVersion = 302;
  a.gameSpeed = 2;
  a.startTurn = 0;
  a.elapsedTurns = 120;
  a.gameTurn = 120;
  a.endTurn = 460;
  a.gameDate = Turn2Date(a.gameSpeed, a.gameTurn);
  a.playTime = 3725;
  a.gameScore = 812;
  a.difficulty = 3;
  a.diffCoeff = 1.0;
  a.speedCostPercent = 100;
  a.mapWidth = 2;
  a.mapHeight = 1;
  a.landPlots = 160;
  a.ownedPlots = 70;

  for (int s = 0; s < kSlots; ++s) {
    a.slots[size_t(s)].leaderType = -1;
    a.slots[size_t(s)].civType = -1;
    a.slots[size_t(s)].team = s;
    a.slots[size_t(s)].slotStatus = 2;
  }
  auto slot = [&](int s, const char* name, const char* description, const char* adjective, int civ, int leader,
                  int team, int handicap, int status) {
    SlotInfo& info = a.slots[size_t(s)];
    info = {};
    info.leaderName = name;
    info.civDescription = description;
    info.civAdjective = adjective;
    info.civType = civ;
    info.leaderType = leader;
    info.team = team;
    info.handicap = handicap;
    info.slotStatus = status;
  };
  slot(0, "Alice", "Roman Empire", "Roman", 19, 3, 0, 3, 3);
  slot(1, "Bob", "German Empire", "German", 9, 4, 1, 4, 1);
  slot(2, "Ren\xE9", "French Empire", "French", 8, 24, 1, 4, 1);
  slot(18, "Barbarians", "Barbarian Empire", "Barbarian", 25, 0, 18, 4, 2);
  a.playerCount = 3;

  a.playerAlive = {1, 1, 0};
  a.playerAlive[18] = 1;
  a.playerScore = {500, 300, 0};
  a.playerScore[18] = 20;
  a.ownedLandCount = {40, 20, 10};
  a.landPercent = {25.0, 12.5, 6.25};
  a.playerPopulation = {30, 15, 5};
  a.populationPercent = {60.0, 30.0, 10.0};
  a.totalPopulation = 50;
  a.landScore = {12, 6, 3};

  a.teamMembers[0] = 1;
  a.teamMembers[1] = 2;
  a.teamMembers[18] = 1;
  a.teamScore[0] = 500;
  a.teamScore[1] = 300;
  a.teamScore[18] = 20;
  a.teamLandCounted[0] = 56;
  a.teamLandCounted[1] = 16;
  a.teamPopulationCounted[0] = 40;
  a.teamPopulationCounted[1] = 10;
  a.isVassal[1][0] = 1;
  for (int t : {0, 1, 18}) a.hasMet[0][size_t(t)] = a.hasMet[1][size_t(t)] = 1;
  a.hasMet[18][18] = 1;
  return a;
}

Analysis ScoreGame() {
  Analysis a = SmallGame();
  a.gameTurn = 230;
  a.endTurn = 460;
  a.initPop = 10;
  a.maxPopScore = 400;
  a.populationScore[0] = a.populationScoreCounted[0] = 100;
  a.maxLandScore = 1000;
  a.landScore[0] = 200;
  a.landScoreCounted[0] = 250;
  a.maxTechScore = 500;
  a.maxWonderScore = 100;
  a.kavrelTurnCurr = a.kavrelTurnMax = 460;
  a.kavrelCultureMax = 50000;
  return a;
}

std::vector<std::string> Texts(const RichText& box) {
  std::vector<std::string> texts;
  for (const RichLine& line : box.Lines()) texts.push_back(line.text);
  return texts;
}

std::vector<std::string> Colors(const RichText& box) {
  std::vector<std::string> colors;
  for (const RichLine& line : box.Lines()) colors.push_back(RgbText(line.color));
  return colors;
}

std::vector<std::string> Row(const Grid& grid, int row) { return grid.Rows().at(size_t(row)); }

}  // namespace tolvane::form::testing
