#include "FormFixture.h"

#include "rules/Calendar.h"
#include "ui/Controls.h"

namespace tolvane::ui::testing {

Analysis SmallGame() {
  Analysis a;
  a.SaveVersion = 302;
  a.GameSpeed = 2;
  a.StartTurn = 0;
  a.ElapsedTurns = 120;
  a.GameTurn = 120;
  a.EndTurn = 460;
  a.GameDate = Turn2Date(a.GameSpeed, a.GameTurn);
  a.PlayTime = 3725;
  a.GameScore = 812;
  a.Difficulty = 3;
  a.DiffCoeff = 1.0;
  a.SpeedCostPercent = 100;
  a.MapWidth = 2;
  a.MapHeight = 1;
  a.LandPlots = 160;
  a.OwnedPlots = 70;

  for (int s = 0; s < kSlots; ++s) {
    a.LeaderInfo[size_t(s)].LeaderType = -1;
    a.LeaderInfo[size_t(s)].CivType = -1;
    a.LeaderInfo[size_t(s)].Team = s;
    a.LeaderInfo[size_t(s)].SlotStatus = 2;
  }
  auto slot = [&](int s, const char* name, const char* description, const char* adjective, int civ, int leader,
                  int team, int handicap, int status) {
    TLeaderInfoRec& info = a.LeaderInfo[size_t(s)];
    info = {};
    info.LeaderName = name;
    info.CivDescription = description;
    info.CivAdjective = adjective;
    info.CivType = civ;
    info.LeaderType = leader;
    info.Team = team;
    info.Handicap = handicap;
    info.SlotStatus = status;
  };
  slot(0, "Alice", "Roman Empire", "Roman", 19, 3, 0, 3, 3);
  slot(1, "Bob", "German Empire", "German", 9, 4, 1, 4, 1);
  slot(2, "Ren\xE9", "French Empire", "French", 8, 24, 1, 4, 1);
  slot(18, "Barbarians", "Barbarian Empire", "Barbarian", 25, 0, 18, 4, 2);
  a.PlayerCount = 3;

  a.PlayerAlive = {1, 1, 0};
  a.PlayerAlive[18] = 1;
  a.PlayerScore = {500, 300, 0};
  a.PlayerScore[18] = 20;
  a.OwnedLandCount = {40, 20, 10};
  a.LandPercent = {25.0, 12.5, 6.25};
  a.PlayerPopulation = {30, 15, 5};
  a.PopulationPercent = {60.0, 30.0, 10.0};
  a.TotalPopulation = 50;
  a.LandScore = {12, 6, 3};

  a.TeamMembers[0] = 1;
  a.TeamMembers[1] = 2;
  a.TeamMembers[18] = 1;
  a.TeamScore[0] = 500;
  a.TeamScore[1] = 300;
  a.TeamScore[18] = 20;
  a.TeamLandCounted[0] = 56;
  a.TeamLandCounted[1] = 16;
  a.TeamPopulationCounted[0] = 40;
  a.TeamPopulationCounted[1] = 10;
  a.IsVassal[1][0] = 1;
  for (int t : {0, 1, 18}) a.HasMet[0][size_t(t)] = a.HasMet[1][size_t(t)] = 1;
  a.HasMet[18][18] = 1;
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

}  // namespace tolvane::ui::testing
