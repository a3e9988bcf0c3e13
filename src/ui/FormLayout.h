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
  Edit Edit1{list_, "Edit1", kTopRow};  // path of the loaded save
  Button Button1{list_, "Button1", kTopRow, "Load File"};
  Edit Edit2{list_, "Edit2", kTopRow};  // the save's file date
  Button Button2{list_, "Button2", kTopRow, "Save File"};

  // --- "Base".
  Edit NickE{list_, "NickE", kBasePage};
  Edit LeaderE{list_, "LeaderE", kBasePage};
  Edit CountryE{list_, "CountryE", kBasePage};
  Edit Edit3{list_, "Edit3", kBasePage};    // current turn / turn limit
  Edit Edit4{list_, "Edit4", kBasePage};    // date of the current turn
  Edit Edit5{list_, "Edit5", kBasePage};    // playing time
  Edit Edit8{list_, "Edit8", kBasePage};    // difficulty
  Edit Edit7{list_, "Edit7", kBasePage};    // game status
  Edit Edit6{list_, "Edit6", kBasePage};    // game score stored in the save
  Edit Edit13{list_, "Edit13", kBasePage};  // final score as computed
  Edit VassalPopScoredE{list_, "VassalPopScoredE", kBasePage};
  Edit VassalLandScoredE{list_, "VassalLandScoredE", kBasePage};
  Edit InitPopE{list_, "InitPopE", kBasePage};
  Edit CurrPopScoreE{list_, "CurrPopScoreE", kBasePage};
  Edit MaxPopScoreE{list_, "MaxPopScoreE", kBasePage};
  Edit PopCoeffE{list_, "PopCoeffE", kBasePage};
  Edit PopScoreE{list_, "PopScoreE", kBasePage};
  Edit PopFinalScoreE{list_, "PopFinalScoreE", kBasePage};
  Edit InitLandE{list_, "InitLandE", kBasePage};
  Edit CurrLandScoreE{list_, "CurrLandScoreE", kBasePage};
  Edit MaxLandScoreE{list_, "MaxLandScoreE", kBasePage};
  Edit LandCoeffE{list_, "LandCoeffE", kBasePage};
  Edit LandScoreE{list_, "LandScoreE", kBasePage};
  Edit LandFinalScoreE{list_, "LandFinalScoreE", kBasePage};
  Edit InitTechE{list_, "InitTechE", kBasePage};
  Edit CurrTechScoreE{list_, "CurrTechScoreE", kBasePage};
  Edit MaxTechScoreE{list_, "MaxTechScoreE", kBasePage};
  Edit TechCoeffE{list_, "TechCoeffE", kBasePage};
  Edit TechScoreE{list_, "TechScoreE", kBasePage};
  Edit TechFinalScoreE{list_, "TechFinalScoreE", kBasePage};
  Edit InitWonderE{list_, "InitWonderE", kBasePage};
  Edit CurrWonderScoreE{list_, "CurrWonderScoreE", kBasePage};
  Edit MaxWonderScoreE{list_, "MaxWonderScoreE", kBasePage};
  Edit WonderCoeffE{list_, "WonderCoeffE", kBasePage};
  Edit WonderScoreE{list_, "WonderScoreE", kBasePage};
  Edit WonderFinalScoreE{list_, "WonderFinalScoreE", kBasePage};
  Edit GameScoreSumE{list_, "GameScoreSumE", kBasePage};
  Edit FinalScoreSumE{list_, "FinalScoreSumE", kBasePage};
  Edit DiffCoeffE{list_, "DiffCoeffE", kBasePage};

  // --- "Header".
  Edit SaveVersionE{list_, "SaveVersionE", kHeaderPage};
  Edit FlagsE{list_, "FlagsE", kHeaderPage};
  Edit GameBuildVersionE{list_, "GameBuildVersionE", kHeaderPage};
  Edit ModPathE{list_, "ModPathE", kHeaderPage};
  Edit ModChecksumE{list_, "ModChecksumE", kHeaderPage};
  Edit DLLChecksumE{list_, "DLLChecksumE", kHeaderPage};
  Edit ShaderChecksumE{list_, "ShaderChecksumE", kHeaderPage};
  Edit PythonChecksumE{list_, "PythonChecksumE", kHeaderPage};
  Edit XMLChecksumE{list_, "XMLChecksumE", kHeaderPage};
  Edit GamePasswordE{list_, "GamePasswordE", kHeaderPage};
  Edit AdminPasswordE{list_, "AdminPasswordE", kHeaderPage};

  // --- "Map".
  Edit SaveFlagE{list_, "SaveFlagE", kMapPage};
  Edit GameNameE{list_, "GameNameE", kMapPage};
  Edit MapScriptE{list_, "MapScriptE", kMapPage};
  Edit WorldSizeE{list_, "WorldSizeE", kMapPage};
  Edit SeaLevelE{list_, "SeaLevelE", kMapPage};
  Edit GameSpeedE{list_, "GameSpeedE", kMapPage};
  Edit MapSizeE{list_, "MapSizeE", kMapPage};
  Edit LandTilesE{list_, "LandTilesE", kMapPage};
  Edit OwnedTilesE{list_, "OwnedTilesE", kMapPage};
  Edit GameTypeE{list_, "GameTypeE", kMapPage};
  Edit ClimateE{list_, "ClimateE", kMapPage};
  Edit EraE{list_, "EraE", kMapPage};
  Edit CalenderE{list_, "CalenderE", kMapPage};
  Edit LatitudesE{list_, "LatitudesE", kMapPage};
  Edit WrapXE{list_, "WrapXE", kMapPage};
  Edit WrapYE{list_, "WrapYE", kMapPage};
  Edit StartTurnDateE{list_, "StartTurnDateE", kMapPage};
  ListBox VictoryConditionBox{list_, "VictoryConditionBox", kMapPage};
  ListBox GameOptionBox{list_, "GameOptionBox", kMapPage};

  // --- "Leaders", "Teams", "Replay".
  Grid LeadersGrid{list_, "LeadersGrid", kLeadersPage, 10, 20, 2, 1};
  Grid TeamsGrid{list_, "TeamsGrid", kTeamsPage, 8, 20, 2, 1};
  RichText ReplayList{list_, "ReplayList", kReplayPage};

  // --- "Graph".
  ComboBox GraphSelect{list_,
                       "GraphSelect",
                       kGraphPage,
                       8,
                       {"Score", "Economy", "Industry", "Agriculture", "Power", "Culture", "Science"},
                       0};
  CheckBox ShowAICheckBox{list_, "ShowAICheckBox", kGraphPage, "Show AI"};
  Chart HistoryChart;

  // --- "Player Log".
  ComboBox PlayerLogSelect{list_, "PlayerLogSelect", kPlayerLogPage, 9};
  CheckBox ShowCombatsCheckBox{list_, "ShowCombatsCheckBox", kPlayerLogPage, "Show Combats"};
  CheckBox ShowCityEventsCheckBox{list_, "ShowCityEventsCheckBox", kPlayerLogPage, "Show City Events"};
  RichText PlayerLog{list_, "PlayerLog", kPlayerLogPage};

  // --- "Reloads".
  Edit Edit9{list_, "Edit9", kReloadsPage};         // sessions
  Edit Edit11{list_, "Edit11", kReloadsPage, "1"};  // sessions before play began
  Edit Edit10{list_, "Edit10", kReloadsPage};       // play sessions
  Edit Edit12{list_, "Edit12", kReloadsPage};       // average session time
  ListBox SessionListBox{list_, "SessionListBox", kReloadsPage};

  // --- "Player".
  ComboBox PlayerInfoSelect{list_, "PlayerInfoSelect", kPlayerPage, 9};
  Edit GoldE{list_, "GoldE", kPlayerPage};
  Edit ResearchingE{list_, "ResearchingE", kPlayerPage};
  Edit CurrTechBeakersE{list_, "CurrTechBeakersE", kPlayerPage};
  Edit City1CultureE{list_, "City1CultureE", kPlayerPage};
  Edit City2CultureE{list_, "City2CultureE", kPlayerPage};
  Edit City3CultureE{list_, "City3CultureE", kPlayerPage};
  Edit GeneralPointsE{list_, "GeneralPointsE", kPlayerPage};
  Edit GPCreatedE{list_, "GPCreatedE", kPlayerPage};
  Edit VassalsE{list_, "VassalsE", kPlayerPage};
  Edit RankMetE{list_, "RankMetE", kPlayerPage};
  Edit TechNumberE{list_, "TechNumberE", kPlayerPage};
  Edit UnitNumberE{list_, "UnitNumberE", kPlayerPage};
  Edit CityNumberE{list_, "CityNumberE", kPlayerPage};
  Grid TechGrid{list_, "TechGrid", kPlayerPage, 5, 87, 1, 1};

  // --- "Kavrel": one row per component, the columns "Current+", "Maximal",
  // "Factor", "Final Score", "% Score".
  Edit KavrelPopCurrE{list_, "KavrelPopCurrE", kKavrelPage};
  Edit KavrelPopMaxE{list_, "KavrelPopMaxE", kKavrelPage};
  Edit KavrelPopFactorE{list_, "KavrelPopFactorE", kKavrelPage};
  Edit KavrelPopFinalE{list_, "KavrelPopFinalE", kKavrelPage};
  Edit KavrelPopPercentE{list_, "KavrelPopPercentE", kKavrelPage};
  Edit KavrelLandCurrE{list_, "KavrelLandCurrE", kKavrelPage};
  Edit KavrelLandMaxE{list_, "KavrelLandMaxE", kKavrelPage};
  Edit KavrelLandFactorE{list_, "KavrelLandFactorE", kKavrelPage};
  Edit KavrelLandFinalE{list_, "KavrelLandFinalE", kKavrelPage};
  Edit KavrelLandPercentE{list_, "KavrelLandPercentE", kKavrelPage};
  Edit KavrelTechCurrE{list_, "KavrelTechCurrE", kKavrelPage};
  Edit KavrelTechMaxE{list_, "KavrelTechMaxE", kKavrelPage};
  Edit KavrelTechFactorE{list_, "KavrelTechFactorE", kKavrelPage};
  Edit KavrelTechFinalE{list_, "KavrelTechFinalE", kKavrelPage};
  Edit KavrelTechPercentE{list_, "KavrelTechPercentE", kKavrelPage};
  Edit KavrelWonderCurrE{list_, "KavrelWonderCurrE", kKavrelPage};
  Edit KavrelWonderMaxE{list_, "KavrelWonderMaxE", kKavrelPage};
  Edit KavrelWonderFactorE{list_, "KavrelWonderFactorE", kKavrelPage};
  Edit KavrelWonderFinalE{list_, "KavrelWonderFinalE", kKavrelPage};
  Edit KavrelWonderPercentE{list_, "KavrelWonderPercentE", kKavrelPage};
  Edit KavrelCultureCurrE{list_, "KavrelCultureCurrE", kKavrelPage};
  Edit KavrelCultureMaxE{list_, "KavrelCultureMaxE", kKavrelPage};
  Edit KavrelCultureFactorE{list_, "KavrelCultureFactorE", kKavrelPage};
  Edit KavrelCultureFinalE{list_, "KavrelCultureFinalE", kKavrelPage};
  Edit KavrelCulturePercentE{list_, "KavrelCulturePercentE", kKavrelPage};
  Edit KavrelMTechCurrE{list_, "KavrelMTechCurrE", kKavrelPage};
  Edit KavrelMTechMaxE{list_, "KavrelMTechMaxE", kKavrelPage};
  Edit KavrelMTechFactorE{list_, "KavrelMTechFactorE", kKavrelPage};
  Edit KavrelMTechFinalE{list_, "KavrelMTechFinalE", kKavrelPage};
  Edit KavrelMTechPercentE{list_, "KavrelMTechPercentE", kKavrelPage};
  Edit KavrelTurnCurrE{list_, "KavrelTurnCurrE", kKavrelPage};
  Edit KavrelTurnMaxE{list_, "KavrelTurnMaxE", kKavrelPage};
  Edit KavrelTurnFactorE{list_, "KavrelTurnFactorE", kKavrelPage};
  Edit KavrelTurnFinalE{list_, "KavrelTurnFinalE", kKavrelPage};
  Edit KavrelTurnPercentE{list_, "KavrelTurnPercentE", kKavrelPage};
  Edit KavrelDateE{list_, "KavrelDateE", kKavrelPage};
  Edit KavrelSumFinalE{list_, "KavrelSumFinalE", kKavrelPage};
  // "Anarchy Length Calculations".
  Edit NewCivicsE{list_, "NewCivicsE", kKavrelPage, "  0"};
  Edit AnarchyCitiesE{list_, "AnarchyCitiesE", kKavrelPage, " 10"};
  ComboBox AnarchyWorldSizeBox{
      list_, "AnarchyWorldSizeBox", kKavrelPage, 8, {"Duel", "Tiny", "Small", "Standart", "Large", "Huge"}, 3};
  ComboBox AnarchyGameSpeedBox{list_, "AnarchyGameSpeedBox", kKavrelPage, 8, {"Marathon", "Epic", "Normal", "Quick"},
                               2};
  ComboBox AnarchyStartEraBox{list_,
                              "AnarchyStartEraBox",
                              kKavrelPage,
                              8,
                              {"Ancient", "Classical", "Medieval", "Renaissance", "Industrial", "Modern", "Future"},
                              0};
  Label AnarchyLengthL{list_, "AnarchyLengthL", kKavrelPage, "= 0 turns"};

  // --- "Cities".
  ComboBox PlayerCitySelect{list_, "PlayerCitySelect", kCitiesPage, 9};
  ComboBox CityBox{list_, "CityBox", kCitiesPage, 16};
  RichText BuildingsList{list_, "BuildingsList", kCitiesPage};
  Edit CityFoundE{list_, "CityFoundE", kCitiesPage};
  Edit PopE{list_, "PopE", kCitiesPage};
  Edit CultureE{list_, "CultureE", kCitiesPage};
  Edit CityXYE{list_, "CityXYE", kCitiesPage};
  Grid ProductionGrid{list_, "ProductionGrid", kCitiesPage, 3, 16, 1, 1};

  // --- "Attitudes".
  ComboBox AttLeaderSel1{list_, "AttLeaderSel1", kAttitudesPage, 9};
  ComboBox AttLeaderSel2{list_, "AttLeaderSel2", kAttitudesPage, 9};
  // "Variable": value and maximum of each row, never filled.
  Edit Edit24{list_, "Edit24", kAttitudesPage}, Edit25{list_, "Edit25", kAttitudesPage};
  Edit Edit26{list_, "Edit26", kAttitudesPage}, Edit27{list_, "Edit27", kAttitudesPage};
  Edit Edit28{list_, "Edit28", kAttitudesPage}, Edit29{list_, "Edit29", kAttitudesPage};
  Edit Edit30{list_, "Edit30", kAttitudesPage}, Edit31{list_, "Edit31", kAttitudesPage};
  Edit Edit32{list_, "Edit32", kAttitudesPage}, Edit33{list_, "Edit33", kAttitudesPage};
  Edit Edit34{list_, "Edit34", kAttitudesPage}, Edit35{list_, "Edit35", kAttitudesPage};
  Edit Edit36{list_, "Edit36", kAttitudesPage}, Edit37{list_, "Edit37", kAttitudesPage};
  Edit Edit38{list_, "Edit38", kAttitudesPage}, Edit39{list_, "Edit39", kAttitudesPage};
  Edit Edit40{list_, "Edit40", kAttitudesPage}, Edit41{list_, "Edit41", kAttitudesPage};
  Edit Edit42{list_, "Edit42", kAttitudesPage}, Edit43{list_, "Edit43", kAttitudesPage};
  Edit Edit44{list_, "Edit44", kAttitudesPage}, Edit45{list_, "Edit45", kAttitudesPage};
  Edit Edit46{list_, "Edit46", kAttitudesPage}, Edit47{list_, "Edit47", kAttitudesPage};
  Edit Edit48{list_, "Edit48", kAttitudesPage}, Edit49{list_, "Edit49", kAttitudesPage};
  Edit Edit50{list_, "Edit50", kAttitudesPage}, Edit51{list_, "Edit51", kAttitudesPage};
  Edit Edit52{list_, "Edit52", kAttitudesPage}, Edit53{list_, "Edit53", kAttitudesPage};
  Edit Edit54{list_, "Edit54", kAttitudesPage}, Edit55{list_, "Edit55", kAttitudesPage};
  Edit Edit56{list_, "Edit56", kAttitudesPage}, Edit57{list_, "Edit57", kAttitudesPage};
  Edit Edit58{list_, "Edit58", kAttitudesPage}, Edit59{list_, "Edit59", kAttitudesPage};
  // "Constant": the first three are filled.
  Edit BaseAttitudeE{list_, "BaseAttitudeE", kAttitudesPage};
  Edit HandicapAttitudeE{list_, "HandicapAttitudeE", kAttitudesPage};
  Edit AggressiveAIE{list_, "AggressiveAIE", kAttitudesPage};
  Edit CloseBordersE{list_, "CloseBordersE", kAttitudesPage};
  Edit Edit18{list_, "Edit18", kAttitudesPage};
  Edit Edit16{list_, "Edit16", kAttitudesPage};
  // "Memory", left column then right column, never filled.
  Edit Edit65{list_, "Edit65", kAttitudesPage}, Edit66{list_, "Edit66", kAttitudesPage};
  Edit Edit67{list_, "Edit67", kAttitudesPage}, Edit68{list_, "Edit68", kAttitudesPage};
  Edit Edit69{list_, "Edit69", kAttitudesPage}, Edit70{list_, "Edit70", kAttitudesPage};
  Edit Edit71{list_, "Edit71", kAttitudesPage}, Edit72{list_, "Edit72", kAttitudesPage};
  Edit Edit73{list_, "Edit73", kAttitudesPage}, Edit74{list_, "Edit74", kAttitudesPage};
  Edit Edit75{list_, "Edit75", kAttitudesPage}, Edit76{list_, "Edit76", kAttitudesPage};
  Edit Edit15{list_, "Edit15", kAttitudesPage}, Edit17{list_, "Edit17", kAttitudesPage};
  Edit Edit19{list_, "Edit19", kAttitudesPage}, Edit21{list_, "Edit21", kAttitudesPage};
  Edit Edit23{list_, "Edit23", kAttitudesPage}, Edit60{list_, "Edit60", kAttitudesPage};
  Edit Edit61{list_, "Edit61", kAttitudesPage}, Edit62{list_, "Edit62", kAttitudesPage};
  Edit Edit63{list_, "Edit63", kAttitudesPage}, Edit64{list_, "Edit64", kAttitudesPage};
  Edit Edit77{list_, "Edit77", kAttitudesPage};
  // "Summary".
  Edit Edit78{list_, "Edit78", kAttitudesPage};
};

}  // namespace tolvane::ui
