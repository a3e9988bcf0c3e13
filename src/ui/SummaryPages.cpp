// PrintData: the Base, Header, Map, Leaders, Teams, Replay and Reloads pages,
// the player selectors, then the other pages' fillers and the calculators.
#include <fmt/format.h>
#include <fmt/printf.h>

#include "rules/Calendar.h"
#include "rules/Int32Math.h"
#include "rules/Tables.h"
#include "ui/Form.h"
#include "ui/Latin1.h"

namespace tolvane::ui {

namespace {

// How much of a slot the Leaders and Teams grids show.
enum class Detail { Nothing, NameOnly, Everything };

Detail DetailOf(const Analysis& a, int slot) {
  const SlotInfo& info = a.slots[size_t(slot)];
  const bool notAvailable = !a.slots[0].password.empty();
  if (notAvailable && a.restrictedView) return Detail::NameOnly;
  const int32_t team = info.team;
  const bool met = Analysis::ValidTeam(team) && a.hasMet[0][size_t(team)] != 0;
  if (a.restrictedView && !met) return Detail::Nothing;
  return info.leaderType >= 0 ? Detail::Everything : Detail::NameOnly;
}

// A share in percent, 0 when there is nothing to share.
double Percent(int32_t part, int32_t whole) { return whole > 0 ? double(Wrap32(int64_t(part) * 100)) / whole : 0.0; }

// Session texts are marked in the host game's English, Russian and French.
bool IsSessionText(std::string_view text) {
  return text.find("Session") != std::string_view::npos ||
         text.find("\xD1\xE5\xF1\xF1\xE8\xFF") != std::string_view::npos ||
         text.find("Lancement de la session") != std::string_view::npos;
}

Rgb ReplayColor(int32_t code) {
  switch (code) {
    case 34:
      return kGrey;
    case 36:
      return kBlue;
    case 37:
      return kGreen;
    case 38:
      return kRed;
    default:
      return kBlack;
  }
}

template <typename Table>
std::string RowOr(const Table& table, int32_t row) {
  return row >= 0 && size_t(row) < table.size() ? std::string(table[size_t(row)]) : std::string();
}

}  // namespace

void Form::PrintData() {
  PrintBase();
  edit9.SetText(fmt::sprintf("%6d", model_.sessions));
  PrintHeaderAndMap();
  ClearLeadersGrid();
  PrintLeadersGrid();
  PrintTeamsGrid();
  PrintReplay();
  FillPlayerSelectors();

  PlayerCityChoose();
  DrawPlayerLog();
  DrawGraph();
  PrintPlayerInfo();
  PrintLeaderAttitude();

  // The pages of the game's course are hidden for a save whose first player
  // has a password. A calculation without a value shows its message; the
  // load completes all the same.
  const bool available = !NotAvailable();
  if (available) {
    Guarded([this] { ScoreCalc(); });
    Guarded([this] { KavrelScoreCalc(); });
  }
  for (Page p : {kReplayPage, kGraphPage, kPlayerLogPage, kReloadsPage, kPlayerPage, kKavrelPage})
    tabs[p].visible = available;
}

void Form::PrintBase() {
  const Analysis& a = model_;
  edit3.SetText(fmt::sprintf("%4d/%3d", a.gameTurn, a.endTurn));
  edit4.SetText(DateTextPadded(a.gameDate));
  edit5.SetText(fmt::sprintf("%4d:%02.2d:%02.2d", a.playTime / 3600, a.playTime / 60 % 60, a.playTime % 60));
  edit6.SetText(fmt::sprintf("%6d", a.gameScore));
  edit8.SetText(std::string(LevelString(a.difficulty)));
  edit7.SetText(a.gameState == 0 ? "Incomplete" : std::string(VictoryTypeName(a.victoryType)));

  const SlotInfo& first = a.slots[0];
  nickE.SetText(Latin1ToUtf8(first.leaderName));
  leaderE.SetText(RowOr(kLeaderNames, first.leaderType));
  countryE.SetText(RowOr(kCivNames, first.civType));
}

void Form::PrintHeaderAndMap() {
  const Analysis& a = model_;
  saveVersionE.SetText(fmt::sprintf("%8d", a.saveVersion));
  modPathE.SetText(Latin1ToUtf8(a.modPath));
  modChecksumE.SetText(Latin1ToUtf8(a.modChecksum));
  flagsE.SetText(fmt::sprintf("%08X", a.flags));
  gameBuildVersionE.SetText(Latin1ToUtf8(a.gameBuildVersion));
  dllChecksumE.SetText(Latin1ToUtf8(a.dllChecksum));
  shaderChecksumE.SetText(Latin1ToUtf8(a.shaderChecksum));
  pythonChecksumE.SetText(Latin1ToUtf8(a.pythonChecksum));
  xmlChecksumE.SetText(Latin1ToUtf8(a.xmlChecksum));

  saveFlagE.SetText(fmt::sprintf("%8d", a.saveFlag));
  gameTypeE.SetText(fmt::sprintf("%8d", a.gameType));
  gameNameE.SetText(Latin1ToUtf8(a.gameName));
  gamePasswordE.SetText(Latin1ToUtf8(a.gamePassword));
  adminPasswordE.SetText(Latin1ToUtf8(a.adminPassword));
  mapScriptE.SetText(Latin1ToUtf8(a.mapScript));
  worldSizeE.SetText(std::string(WorldSizeName(a.worldSize)));
  climateE.SetText(std::string(ClimateName(a.climate)));
  seaLevelE.SetText(std::string(SeaLevelName(a.seaLevel)));
  eraE.SetText(std::string(EraName(a.startEra)));
  gameSpeedE.SetText(std::string(GameSpeedName(a.gameSpeed)));
  calenderE.SetText(fmt::sprintf("%8d", a.calendar));
  mapSizeE.SetText(fmt::sprintf("%4d x %d", a.mapWidth, a.mapHeight));
  latitudesE.SetText(fmt::sprintf("%5d ; %d", a.latitude2, a.latitude1));
  landTilesE.SetText(fmt::sprintf("%8d", a.landPlots));
  ownedTilesE.SetText(fmt::sprintf("%8d", a.ownedPlots));
  wrapXe.SetText(a.wrapX != 0 ? " Yes" : "  No");
  wrapYe.SetText(a.wrapY != 0 ? " Yes" : "  No");
  startTurnDateE.SetText(fmt::sprintf("%6d/%s", a.startTurn, DateTextPlain(Turn2Date(a.gameSpeed, a.startTurn))));

  gameOptionBox.Clear();
  for (int k = 0; k < kGameOptions; ++k)
    if (a.gameOptions[size_t(k)] != 0) gameOptionBox.Add(std::string(kGameOptionNames[size_t(k)]));
  // Entry 0 of the victory names is "Loss", never a condition.
  victoryConditionBox.Clear();
  for (int k = 1; k < kVictories; ++k)
    if (a.victoryFlags[size_t(k)] != 0) victoryConditionBox.Add(std::string(kVictoryNames[size_t(k)]));
}

void Form::ClearLeadersGrid() {
  for (int row = 1; row <= kSlots; ++row) {
    leadersGrid.SetCell(0, row, fmt::sprintf("%2d", row));
    for (int col = 1; col < leadersGrid.ColCount(); ++col) leadersGrid.SetCell(col, row, " ");
    for (int col = 0; col < teamsGrid.ColCount(); ++col) teamsGrid.SetCell(col, row, " ");
  }
}

void Form::PrintLeadersGrid() {
  const Analysis& a = model_;
  for (int s = 0; s < kSlots; ++s) {
    const Detail detail = DetailOf(a, s);
    if (detail == Detail::Nothing) continue;
    const SlotInfo& info = a.slots[size_t(s)];
    const int row = s + 1;
    leadersGrid.SetCell(1, row, Latin1ToUtf8(info.leaderName));
    if (detail != Detail::Everything) continue;
    leadersGrid.SetCell(2, row, a.playerAlive[size_t(s)] ? fmt::sprintf("%7d", a.playerScore[size_t(s)]) : "      0");
    leadersGrid.SetCell(3, row, fmt::sprintf("%5d (%6.2f%%)", a.ownedLandCount[size_t(s)], a.landPercent[size_t(s)]));
    leadersGrid.SetCell(4, row,
                        fmt::sprintf("%5d (%6.2f%%)", a.playerPopulation[size_t(s)], a.populationPercent[size_t(s)]));
    leadersGrid.SetCell(5, row, Latin1ToUtf8(info.civDescription));
    leadersGrid.SetCell(6, row, Latin1ToUtf8(info.civAdjective));
    leadersGrid.SetCell(7, row, fmt::sprintf("%7d", info.team));
    leadersGrid.SetCell(8, row, fmt::sprintf("%7d", a.landScore[size_t(s)]));
  }
}

// One row per slot, grouped by team; slots of a team outside the team
// tables appear in no row.
void Form::PrintTeamsGrid() {
  const Analysis& a = model_;
  int row = 1;
  for (int t = 0; t < kTeams; ++t) {
    const auto team = size_t(t);
    for (int s = 0; s < kSlots; ++s) {
      const SlotInfo& info = a.slots[size_t(s)];
      if (info.team != t) continue;
      teamsGrid.SetCell(0, row, fmt::sprintf("%2d", t));
      const Detail detail = DetailOf(a, s);
      if (detail != Detail::Nothing) teamsGrid.SetCell(1, row, Latin1ToUtf8(info.leaderName));
      if (detail == Detail::Everything) {
        teamsGrid.SetCell(
            2, row,
            a.playerAlive[size_t(s)] ? fmt::sprintf("%5d/%d", a.playerScore[size_t(s)], a.teamScore[team]) : "      0");
        teamsGrid.SetCell(3, row,
                          fmt::sprintf("%5d/%d (%6.2f%%)", a.ownedLandCount[size_t(s)], a.teamLandCounted[team],
                                       Percent(a.teamLandCounted[team], a.landPlots)));
        teamsGrid.SetCell(4, row,
                          fmt::sprintf("%5d/%d (%6.2f%%)", a.playerPopulation[size_t(s)], a.teamPopulationCounted[team],
                                       Percent(a.teamPopulationCounted[team], a.totalPopulation)));
        // The master is the highest team this one is the vassal of.
        for (int u = kTeams - 1; u >= 0; --u)
          if (a.isVassal[team][size_t(u)] != 0) {
            teamsGrid.SetCell(5, row, fmt::sprintf("%5d", u));
            break;
          }
        teamsGrid.SetCell(6, row, std::string(LevelString(info.handicap)));
        teamsGrid.SetCell(7, row, std::string(SlotStatusName(info.slotStatus)));
      }
      ++row;
    }
  }
}

void Form::PrintReplay() {
  const Analysis& a = model_;
  replayList.Clear();
  if (a.restrictedView) return;
  for (const ReplayMessage& m : a.replay) {
    if (m.text.empty()) continue;
    replayList.SetColor(IsSessionText(m.text) ? kPurple : ReplayColor(m.color));
    replayList.Append(
        fmt::sprintf("%4d%s %s", m.turn, DateTextPadded(Turn2Date(a.gameSpeed, m.turn)), Latin1ToUtf8(m.text)));
  }
}

// The five player selectors list the named slots in slot order and start on
// the first; the page fillers read them right after.
void Form::FillPlayerSelectors() {
  for (ComboBox* box : {&playerLogSelect, &playerInfoSelect, &playerCitySelect})
    box->SetVisible(!model_.restrictedView);
  for (ComboBox* box : {&playerLogSelect, &playerInfoSelect, &playerCitySelect, &attLeaderSel1, &attLeaderSel2}) {
    box->Clear();
    for (int s = 0; s < kSlots; ++s) {
      const std::string& name = model_.slots[size_t(s)].leaderName;
      if (!name.empty()) box->Add(Latin1ToUtf8(name));
    }
    if (box->Index() == -1 && !box->Items().empty()) box->SetIndex(0);
  }
}

}  // namespace tolvane::ui
