#include "ui/Captions.h"

#include <unordered_map>

namespace tolvane::ui {

namespace {

using Map = std::unordered_map<std::string_view, std::string_view>;

const Map& Captions() {
  static const Map kMap = {
      {"Edit1", "Path"},
      {"Edit2", "Date"},
      // Base
      {"NickE", "Nick (Игрок)"},
      {"Edit3", "Current turn (Текущий ход)"},
      {"Edit5", "Playing time  (Время игры)"},
      {"Edit8", "    Difficulty     (Ур-нь сложности)"},
      {"Edit7", "Game status (Состояние игры)"},
      {"Edit6", "Game score  (Очки)"},
      {"VassalPopScoredE", "Vassal Pop scored"},
      {"VassalLandScoredE", "Vassal Land scored"},
      {"DiffCoeffE", "Difficulty Coefficient"},
      // Header
      {"SaveVersionE", "SaveVersion"},
      {"FlagsE", "Flags"},
      {"GameBuildVersionE", "GameBuildVersion"},
      {"ModPathE", "ModPath"},
      {"ModChecksumE", "ModChecksum"},
      {"DLLChecksumE", "DLLChecksum"},
      {"ShaderChecksumE", "ShaderChecksum"},
      {"PythonChecksumE", "PythonChecksum"},
      {"XMLChecksumE", "XMLChecksum"},
      {"GamePasswordE", "GamePassword"},
      {"AdminPasswordE", "AdminPassword"},
      // Map
      {"SaveFlagE", "Save Flag"},
      {"GameNameE", "Game Name"},
      {"MapScriptE", "Map Script"},
      {"WorldSizeE", "World Size"},
      {"SeaLevelE", "Sea Level"},
      {"GameSpeedE", "Game Speed"},
      {"MapSizeE", "Map Size"},
      {"LandTilesE", "Land Tiles"},
      {"OwnedTilesE", "Owned Tiles"},
      {"GameTypeE", "Game Type"},
      {"ClimateE", "Climate"},
      {"EraE", "Era"},
      {"CalenderE", "Calendar"},
      {"LatitudesE", "Latitudes"},
      {"WrapXE", "Wrap X"},
      {"WrapYE", "Wrap Y"},
      {"StartTurnDateE", "Starting"},
      {"VictoryConditionBox", "Victory Conditions"},
      {"GameOptionBox", "Game Options"},
      // Graph, Player Log
      {"ShowAICheckBox", "Show AI"},
      {"ShowCombatsCheckBox", "Show Combats"},
      {"ShowCityEventsCheckBox", "Show City Events"},
      // Reloads
      {"Edit9", "       Sessions       (Число сессий)"},
      {"Edit11", "    PreSessions     (Число пресессий)"},
      {"Edit10", "    Play Sessions     (Игровые сессии)"},
      {"Edit12", "  Average Session time   (Ср. время сессии)"},
      // Player
      {"GoldE", "Gold"},
      {"ResearchingE", "Researching"},
      {"City1CultureE", "Culture 3xC"},
      {"GeneralPointsE", "General points"},
      {"GPCreatedE", "GPeoples"},
      {"VassalsE", "Vassals"},
      {"RankMetE", "Rank/Met"},
      {"TechNumberE", "Techs"},
      {"UnitNumberE", "Units"},
      {"CityNumberE", "Cities"},
      // Kavrel
      {"KavrelDateE", "Date"},
      {"NewCivicsE", "Civics"},
      {"AnarchyCitiesE", "Cities"},
      {"AnarchyWorldSizeBox", "World Size"},
      {"AnarchyGameSpeedBox", "Game Speed"},
      {"AnarchyStartEraBox", "Starting Era"},
      {"AnarchyLengthL", "Anarchy Length"},
      // Cities
      {"CityBox", "City Select"},
      {"BuildingsList", "Buildings"},
      {"CityFoundE", "Founded"},
      {"PopE", "Pop"},
      {"CultureE", "Culture"},
      {"CityXYE", "X,Y"},
      // Attitudes
      {"AttLeaderSel1", "Leader 1"},
      {"AttLeaderSel2", "Leader 2"},
      {"Edit24", "Rank Difference"},
      {"Edit26", "High Ranks"},
      {"Edit28", "War Success"},
      {"Edit30", "Close Borders"},
      {"Edit32", "War"},
      {"Edit34", "Peace"},
      {"Edit36", "Same Religion"},
      {"Edit38", "Different Religion"},
      {"Edit40", "Bonus Trade"},
      {"Edit42", "Open Borders"},
      {"Edit44", "Defensive Pact"},
      {"Edit46", "Rival Defensive Pact"},
      {"Edit48", "Rival Vassal"},
      {"Edit50", "Share War"},
      {"Edit52", "Favorite Civic"},
      {"Edit54", "Trade"},
      {"Edit56", "Rival Trade"},
      {"Edit58", "Extra Attitude"},
      {"BaseAttitudeE", "Base Attitude"},
      {"HandicapAttitudeE", "Handicap"},
      {"AggressiveAIE", "Aggressive AI (Human)"},
      {"CloseBordersE", "Peace (AI)"},
      {"Edit18", "Warmonger Respect (AI)"},
      {"Edit16", "Team Size Difference"},
      {"Edit65", "Declared War"},
      {"Edit66", "Declared War On Friend"},
      {"Edit67", "Hired War Ally"},
      {"Edit68", "Nuked Us"},
      {"Edit69", "Nuked Friend"},
      {"Edit70", "Razed City"},
      {"Edit71", "Razed Holy City"},
      {"Edit72", "Spy Caught"},
      {"Edit73", "Give Help"},
      {"Edit74", "Refused Help"},
      {"Edit75", "Accept Demand"},
      {"Edit76", "Rejected Demand"},
      {"Edit15", "Accepted Religion"},
      {"Edit17", "Denied Religion"},
      {"Edit19", "Accepted Civic"},
      {"Edit21", "Denied Civic"},
      {"Edit23", "Denied Join War"},
      {"Edit60", "Accepted Stop Trading"},
      {"Edit61", "Denied Stop Trading"},
      {"Edit62", "Stopped Trading"},
      {"Edit63", "Hired Trade Embargo"},
      {"Edit64", "Made Demand"},
      {"Edit77", "Traded Tech to Us"},
      {"Edit78", "Summary"},
  };
  return kMap;
}

}  // namespace

std::string_view CaptionOf(std::string_view controlName) {
  const auto it = Captions().find(controlName);
  return it == Captions().end() ? std::string_view() : it->second;
}

}  // namespace tolvane::ui
