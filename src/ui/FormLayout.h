// The main window's controls, by their names, in the order of the window's
// layout (top row, then the thirteen pages in tab order), with their initial
// contents. Static captions of labels belong to the drawing, not to the state.
#pragma once

#include <array>
#include <string>

#include "ui/Controls.h"

namespace tolvane::ui {

struct Tab {
  std::string caption;
  bool visible = true;
};

class FormLayout {
 protected:
  ControlList list_;  // first: every control below registers itself here

 public:
  FormLayout();
  FormLayout(const FormLayout&) = delete;
  FormLayout& operator=(const FormLayout&) = delete;

  // Tabs of the page control, indexed by Page.
  std::array<Tab, kPageCount> tabs;

  // --- Above the pages.
  Edit edit1{list_, "Edit1", kTopRow};  // path of the loaded save
  Button button1{list_, "Button1", kTopRow, "Load File"};
  Edit edit2{list_, "Edit2", kTopRow};  // the save's file date
  Button button2{list_, "Button2", kTopRow, "Save File"};

  // --- "Base".
  Edit nickE{list_, "NickE", kBasePage};
  Edit leaderE{list_, "LeaderE", kBasePage};
  Edit countryE{list_, "CountryE", kBasePage};
  Edit edit3{list_, "Edit3", kBasePage};    // current turn / turn limit
  Edit edit4{list_, "Edit4", kBasePage};    // date of the current turn
  Edit edit5{list_, "Edit5", kBasePage};    // playing time
  Edit edit8{list_, "Edit8", kBasePage};    // difficulty
  Edit edit7{list_, "Edit7", kBasePage};    // game status
  Edit edit6{list_, "Edit6", kBasePage};    // game score stored in the save
  Edit edit13{list_, "Edit13", kBasePage};  // final score as computed
  Edit vassalPopScoredE{list_, "VassalPopScoredE", kBasePage};
  Edit vassalLandScoredE{list_, "VassalLandScoredE", kBasePage};
  Edit initPopE{list_, "InitPopE", kBasePage};
  Edit currPopScoreE{list_, "CurrPopScoreE", kBasePage};
  Edit maxPopScoreE{list_, "MaxPopScoreE", kBasePage};
  Edit popCoeffE{list_, "PopCoeffE", kBasePage};
  Edit popScoreE{list_, "PopScoreE", kBasePage};
  Edit popFinalScoreE{list_, "PopFinalScoreE", kBasePage};
  Edit initLandE{list_, "InitLandE", kBasePage};
  Edit currLandScoreE{list_, "CurrLandScoreE", kBasePage};
  Edit maxLandScoreE{list_, "MaxLandScoreE", kBasePage};
  Edit landCoeffE{list_, "LandCoeffE", kBasePage};
  Edit landScoreE{list_, "LandScoreE", kBasePage};
  Edit landFinalScoreE{list_, "LandFinalScoreE", kBasePage};
  Edit initTechE{list_, "InitTechE", kBasePage};
  Edit currTechScoreE{list_, "CurrTechScoreE", kBasePage};
  Edit maxTechScoreE{list_, "MaxTechScoreE", kBasePage};
  Edit techCoeffE{list_, "TechCoeffE", kBasePage};
  Edit techScoreE{list_, "TechScoreE", kBasePage};
  Edit techFinalScoreE{list_, "TechFinalScoreE", kBasePage};
  Edit initWonderE{list_, "InitWonderE", kBasePage};
  Edit currWonderScoreE{list_, "CurrWonderScoreE", kBasePage};
  Edit maxWonderScoreE{list_, "MaxWonderScoreE", kBasePage};
  Edit wonderCoeffE{list_, "WonderCoeffE", kBasePage};
  Edit wonderScoreE{list_, "WonderScoreE", kBasePage};
  Edit wonderFinalScoreE{list_, "WonderFinalScoreE", kBasePage};
  Edit gameScoreSumE{list_, "GameScoreSumE", kBasePage};
  Edit finalScoreSumE{list_, "FinalScoreSumE", kBasePage};
  Edit diffCoeffE{list_, "DiffCoeffE", kBasePage};

  // --- "Header".
  Edit saveVersionE{list_, "SaveVersionE", kHeaderPage};
  Edit flagsE{list_, "FlagsE", kHeaderPage};
  Edit gameBuildVersionE{list_, "GameBuildVersionE", kHeaderPage};
  Edit modPathE{list_, "ModPathE", kHeaderPage};
  Edit modChecksumE{list_, "ModChecksumE", kHeaderPage};
  Edit dllChecksumE{list_, "DLLChecksumE", kHeaderPage};
  Edit shaderChecksumE{list_, "ShaderChecksumE", kHeaderPage};
  Edit pythonChecksumE{list_, "PythonChecksumE", kHeaderPage};
  Edit xmlChecksumE{list_, "XMLChecksumE", kHeaderPage};
  Edit gamePasswordE{list_, "GamePasswordE", kHeaderPage};
  Edit adminPasswordE{list_, "AdminPasswordE", kHeaderPage};

  // --- "Map".
  Edit saveFlagE{list_, "SaveFlagE", kMapPage};
  Edit gameNameE{list_, "GameNameE", kMapPage};
  Edit mapScriptE{list_, "MapScriptE", kMapPage};
  Edit worldSizeE{list_, "WorldSizeE", kMapPage};
  Edit seaLevelE{list_, "SeaLevelE", kMapPage};
  Edit gameSpeedE{list_, "GameSpeedE", kMapPage};
  Edit mapSizeE{list_, "MapSizeE", kMapPage};
  Edit landTilesE{list_, "LandTilesE", kMapPage};
  Edit ownedTilesE{list_, "OwnedTilesE", kMapPage};
  Edit gameTypeE{list_, "GameTypeE", kMapPage};
  Edit climateE{list_, "ClimateE", kMapPage};
  Edit eraE{list_, "EraE", kMapPage};
  Edit calenderE{list_, "CalenderE", kMapPage};
  Edit latitudesE{list_, "LatitudesE", kMapPage};
  Edit wrapXe{list_, "WrapXE", kMapPage};
  Edit wrapYe{list_, "WrapYE", kMapPage};
  Edit startTurnDateE{list_, "StartTurnDateE", kMapPage};
  ListBox victoryConditionBox{list_, "VictoryConditionBox", kMapPage};
  ListBox gameOptionBox{list_, "GameOptionBox", kMapPage};

  // --- "Leaders", "Teams", "Replay".
  Grid leadersGrid{list_, "LeadersGrid", kLeadersPage, 10, 20, 2, 1};
  Grid teamsGrid{list_, "TeamsGrid", kTeamsPage, 8, 20, 2, 1};
  RichText replayList{list_, "ReplayList", kReplayPage};

  // --- "Graph".
  ComboBox graphSelect{list_,
                       "GraphSelect",
                       kGraphPage,
                       8,
                       {"Score", "Economy", "Industry", "Agriculture", "Power", "Culture", "Science"},
                       0};
  CheckBox showAiCheckBox{list_, "ShowAICheckBox", kGraphPage, "Show AI"};
  Chart historyChart;

  // --- "Player Log".
  ComboBox playerLogSelect{list_, "PlayerLogSelect", kPlayerLogPage, 9};
  CheckBox showCombatsCheckBox{list_, "ShowCombatsCheckBox", kPlayerLogPage, "Show Combats"};
  CheckBox showCityEventsCheckBox{list_, "ShowCityEventsCheckBox", kPlayerLogPage, "Show City Events"};
  RichText playerLog{list_, "PlayerLog", kPlayerLogPage};

  // --- "Reloads".
  Edit edit9{list_, "Edit9", kReloadsPage};         // sessions
  Edit edit11{list_, "Edit11", kReloadsPage, "1"};  // sessions before play began
  Edit edit10{list_, "Edit10", kReloadsPage};       // play sessions
  Edit edit12{list_, "Edit12", kReloadsPage};       // average session time
  ListBox sessionListBox{list_, "SessionListBox", kReloadsPage};

  // --- "Player".
  ComboBox playerInfoSelect{list_, "PlayerInfoSelect", kPlayerPage, 9};
  Edit goldE{list_, "GoldE", kPlayerPage};
  Edit researchingE{list_, "ResearchingE", kPlayerPage};
  Edit currTechBeakersE{list_, "CurrTechBeakersE", kPlayerPage};
  Edit city1CultureE{list_, "City1CultureE", kPlayerPage};
  Edit city2CultureE{list_, "City2CultureE", kPlayerPage};
  Edit city3CultureE{list_, "City3CultureE", kPlayerPage};
  Edit generalPointsE{list_, "GeneralPointsE", kPlayerPage};
  Edit gpCreatedE{list_, "GPCreatedE", kPlayerPage};
  Edit vassalsE{list_, "VassalsE", kPlayerPage};
  Edit rankMetE{list_, "RankMetE", kPlayerPage};
  Edit techNumberE{list_, "TechNumberE", kPlayerPage};
  Edit unitNumberE{list_, "UnitNumberE", kPlayerPage};
  Edit cityNumberE{list_, "CityNumberE", kPlayerPage};
  Grid techGrid{list_, "TechGrid", kPlayerPage, 5, 87, 1, 1};

  // --- "Kavrel": one row per component, the columns "Current+", "Maximal",
  // "Factor", "Final Score", "% Score".
  Edit kavrelPopCurrE{list_, "KavrelPopCurrE", kKavrelPage};
  Edit kavrelPopMaxE{list_, "KavrelPopMaxE", kKavrelPage};
  Edit kavrelPopFactorE{list_, "KavrelPopFactorE", kKavrelPage};
  Edit kavrelPopFinalE{list_, "KavrelPopFinalE", kKavrelPage};
  Edit kavrelPopPercentE{list_, "KavrelPopPercentE", kKavrelPage};
  Edit kavrelLandCurrE{list_, "KavrelLandCurrE", kKavrelPage};
  Edit kavrelLandMaxE{list_, "KavrelLandMaxE", kKavrelPage};
  Edit kavrelLandFactorE{list_, "KavrelLandFactorE", kKavrelPage};
  Edit kavrelLandFinalE{list_, "KavrelLandFinalE", kKavrelPage};
  Edit kavrelLandPercentE{list_, "KavrelLandPercentE", kKavrelPage};
  Edit kavrelTechCurrE{list_, "KavrelTechCurrE", kKavrelPage};
  Edit kavrelTechMaxE{list_, "KavrelTechMaxE", kKavrelPage};
  Edit kavrelTechFactorE{list_, "KavrelTechFactorE", kKavrelPage};
  Edit kavrelTechFinalE{list_, "KavrelTechFinalE", kKavrelPage};
  Edit kavrelTechPercentE{list_, "KavrelTechPercentE", kKavrelPage};
  Edit kavrelWonderCurrE{list_, "KavrelWonderCurrE", kKavrelPage};
  Edit kavrelWonderMaxE{list_, "KavrelWonderMaxE", kKavrelPage};
  Edit kavrelWonderFactorE{list_, "KavrelWonderFactorE", kKavrelPage};
  Edit kavrelWonderFinalE{list_, "KavrelWonderFinalE", kKavrelPage};
  Edit kavrelWonderPercentE{list_, "KavrelWonderPercentE", kKavrelPage};
  Edit kavrelCultureCurrE{list_, "KavrelCultureCurrE", kKavrelPage};
  Edit kavrelCultureMaxE{list_, "KavrelCultureMaxE", kKavrelPage};
  Edit kavrelCultureFactorE{list_, "KavrelCultureFactorE", kKavrelPage};
  Edit kavrelCultureFinalE{list_, "KavrelCultureFinalE", kKavrelPage};
  Edit kavrelCulturePercentE{list_, "KavrelCulturePercentE", kKavrelPage};
  Edit kavrelMTechCurrE{list_, "KavrelMTechCurrE", kKavrelPage};
  Edit kavrelMTechMaxE{list_, "KavrelMTechMaxE", kKavrelPage};
  Edit kavrelMTechFactorE{list_, "KavrelMTechFactorE", kKavrelPage};
  Edit kavrelMTechFinalE{list_, "KavrelMTechFinalE", kKavrelPage};
  Edit kavrelMTechPercentE{list_, "KavrelMTechPercentE", kKavrelPage};
  Edit kavrelTurnCurrE{list_, "KavrelTurnCurrE", kKavrelPage};
  Edit kavrelTurnMaxE{list_, "KavrelTurnMaxE", kKavrelPage};
  Edit kavrelTurnFactorE{list_, "KavrelTurnFactorE", kKavrelPage};
  Edit kavrelTurnFinalE{list_, "KavrelTurnFinalE", kKavrelPage};
  Edit kavrelTurnPercentE{list_, "KavrelTurnPercentE", kKavrelPage};
  Edit kavrelDateE{list_, "KavrelDateE", kKavrelPage};
  Edit kavrelSumFinalE{list_, "KavrelSumFinalE", kKavrelPage};
  // "Anarchy Length Calculations".
  Edit newCivicsE{list_, "NewCivicsE", kKavrelPage, "  0"};
  Edit anarchyCitiesE{list_, "AnarchyCitiesE", kKavrelPage, " 10"};
  ComboBox anarchyWorldSizeBox{
      list_, "AnarchyWorldSizeBox", kKavrelPage, 8, {"Duel", "Tiny", "Small", "Standart", "Large", "Huge"}, 3};
  ComboBox anarchyGameSpeedBox{list_, "AnarchyGameSpeedBox", kKavrelPage, 8, {"Marathon", "Epic", "Normal", "Quick"},
                               2};
  ComboBox anarchyStartEraBox{list_,
                              "AnarchyStartEraBox",
                              kKavrelPage,
                              8,
                              {"Ancient", "Classical", "Medieval", "Renaissance", "Industrial", "Modern", "Future"},
                              0};
  Label anarchyLengthL{list_, "AnarchyLengthL", kKavrelPage, "= 0 turns"};

  // --- "Cities".
  ComboBox playerCitySelect{list_, "PlayerCitySelect", kCitiesPage, 9};
  ComboBox cityBox{list_, "CityBox", kCitiesPage, 16};
  RichText buildingsList{list_, "BuildingsList", kCitiesPage};
  Edit cityFoundE{list_, "CityFoundE", kCitiesPage};
  Edit popE{list_, "PopE", kCitiesPage};
  Edit cultureE{list_, "CultureE", kCitiesPage};
  Edit cityXye{list_, "CityXYE", kCitiesPage};
  Grid productionGrid{list_, "ProductionGrid", kCitiesPage, 3, 16, 1, 1};

  // --- "Attitudes".
  ComboBox attLeaderSel1{list_, "AttLeaderSel1", kAttitudesPage, 9};
  ComboBox attLeaderSel2{list_, "AttLeaderSel2", kAttitudesPage, 9};
  // "Variable": value and maximum of each row, never filled.
  Edit edit24{list_, "Edit24", kAttitudesPage}, edit25{list_, "Edit25", kAttitudesPage};
  Edit edit26{list_, "Edit26", kAttitudesPage}, edit27{list_, "Edit27", kAttitudesPage};
  Edit edit28{list_, "Edit28", kAttitudesPage}, edit29{list_, "Edit29", kAttitudesPage};
  Edit edit30{list_, "Edit30", kAttitudesPage}, edit31{list_, "Edit31", kAttitudesPage};
  Edit edit32{list_, "Edit32", kAttitudesPage}, edit33{list_, "Edit33", kAttitudesPage};
  Edit edit34{list_, "Edit34", kAttitudesPage}, edit35{list_, "Edit35", kAttitudesPage};
  Edit edit36{list_, "Edit36", kAttitudesPage}, edit37{list_, "Edit37", kAttitudesPage};
  Edit edit38{list_, "Edit38", kAttitudesPage}, edit39{list_, "Edit39", kAttitudesPage};
  Edit edit40{list_, "Edit40", kAttitudesPage}, edit41{list_, "Edit41", kAttitudesPage};
  Edit edit42{list_, "Edit42", kAttitudesPage}, edit43{list_, "Edit43", kAttitudesPage};
  Edit edit44{list_, "Edit44", kAttitudesPage}, edit45{list_, "Edit45", kAttitudesPage};
  Edit edit46{list_, "Edit46", kAttitudesPage}, edit47{list_, "Edit47", kAttitudesPage};
  Edit edit48{list_, "Edit48", kAttitudesPage}, edit49{list_, "Edit49", kAttitudesPage};
  Edit edit50{list_, "Edit50", kAttitudesPage}, edit51{list_, "Edit51", kAttitudesPage};
  Edit edit52{list_, "Edit52", kAttitudesPage}, edit53{list_, "Edit53", kAttitudesPage};
  Edit edit54{list_, "Edit54", kAttitudesPage}, edit55{list_, "Edit55", kAttitudesPage};
  Edit edit56{list_, "Edit56", kAttitudesPage}, edit57{list_, "Edit57", kAttitudesPage};
  Edit edit58{list_, "Edit58", kAttitudesPage}, edit59{list_, "Edit59", kAttitudesPage};
  // "Constant": the first three are filled.
  Edit baseAttitudeE{list_, "BaseAttitudeE", kAttitudesPage};
  Edit handicapAttitudeE{list_, "HandicapAttitudeE", kAttitudesPage};
  Edit aggressiveAie{list_, "AggressiveAIE", kAttitudesPage};
  Edit closeBordersE{list_, "CloseBordersE", kAttitudesPage};
  Edit edit18{list_, "Edit18", kAttitudesPage};
  Edit edit16{list_, "Edit16", kAttitudesPage};
  // "Memory", left column then right column, never filled.
  Edit edit65{list_, "Edit65", kAttitudesPage}, edit66{list_, "Edit66", kAttitudesPage};
  Edit edit67{list_, "Edit67", kAttitudesPage}, edit68{list_, "Edit68", kAttitudesPage};
  Edit edit69{list_, "Edit69", kAttitudesPage}, edit70{list_, "Edit70", kAttitudesPage};
  Edit edit71{list_, "Edit71", kAttitudesPage}, edit72{list_, "Edit72", kAttitudesPage};
  Edit edit73{list_, "Edit73", kAttitudesPage}, edit74{list_, "Edit74", kAttitudesPage};
  Edit edit75{list_, "Edit75", kAttitudesPage}, edit76{list_, "Edit76", kAttitudesPage};
  Edit edit15{list_, "Edit15", kAttitudesPage}, edit17{list_, "Edit17", kAttitudesPage};
  Edit edit19{list_, "Edit19", kAttitudesPage}, edit21{list_, "Edit21", kAttitudesPage};
  Edit edit23{list_, "Edit23", kAttitudesPage}, edit60{list_, "Edit60", kAttitudesPage};
  Edit edit61{list_, "Edit61", kAttitudesPage}, edit62{list_, "Edit62", kAttitudesPage};
  Edit edit63{list_, "Edit63", kAttitudesPage}, edit64{list_, "Edit64", kAttitudesPage};
  Edit edit77{list_, "Edit77", kAttitudesPage};
  // "Summary".
  Edit edit78{list_, "Edit78", kAttitudesPage};
};

}  // namespace tolvane::ui
