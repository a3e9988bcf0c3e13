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
  const TLeaderInfoRec& info = a.LeaderInfo[size_t(slot)];
  const bool notAvailable = !a.LeaderInfo[0].Password.empty();
  if (notAvailable && a.RestrictedView) return Detail::NameOnly;
  const int32_t team = info.Team;
  const bool met = Analysis::ValidTeam(team) && a.HasMet[0][size_t(team)] != 0;
  if (a.RestrictedView && !met) return Detail::Nothing;
  return info.LeaderType >= 0 ? Detail::Everything : Detail::NameOnly;
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
  Edit9.SetText(fmt::sprintf("%6d", model_.Sessions));
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
  Edit3.SetText(fmt::sprintf("%4d/%3d", a.GameTurn, a.EndTurn));
  Edit4.SetText(DateTextPadded(a.GameDate));
  Edit5.SetText(fmt::sprintf("%4d:%02.2d:%02.2d", a.PlayTime / 3600, a.PlayTime / 60 % 60, a.PlayTime % 60));
  Edit6.SetText(fmt::sprintf("%6d", a.GameScore));
  Edit8.SetText(std::string(LevelString(a.Difficulty)));
  Edit7.SetText(a.GameState == 0 ? "Incomplete" : std::string(VictoryTypeName(a.VictoryType)));

  const TLeaderInfoRec& first = a.LeaderInfo[0];
  NickE.SetText(Latin1ToUtf8(first.LeaderName));
  LeaderE.SetText(RowOr(LeaderNames, first.LeaderType));
  CountryE.SetText(RowOr(CivNames, first.CivType));
}

void Form::PrintHeaderAndMap() {
  const Analysis& a = model_;
  SaveVersionE.SetText(fmt::sprintf("%8d", a.SaveVersion));
  ModPathE.SetText(Latin1ToUtf8(a.ModPath));
  ModChecksumE.SetText(Latin1ToUtf8(a.ModChecksum));
  FlagsE.SetText(fmt::sprintf("%08X", a.Flags));
  GameBuildVersionE.SetText(Latin1ToUtf8(a.GameBuildVersion));
  DLLChecksumE.SetText(Latin1ToUtf8(a.DLLChecksum));
  ShaderChecksumE.SetText(Latin1ToUtf8(a.ShaderChecksum));
  PythonChecksumE.SetText(Latin1ToUtf8(a.PythonChecksum));
  XMLChecksumE.SetText(Latin1ToUtf8(a.XMLChecksum));

  SaveFlagE.SetText(fmt::sprintf("%8d", a.SaveFlag));
  GameTypeE.SetText(fmt::sprintf("%8d", a.GameType));
  GameNameE.SetText(Latin1ToUtf8(a.GameName));
  GamePasswordE.SetText(Latin1ToUtf8(a.GamePassword));
  AdminPasswordE.SetText(Latin1ToUtf8(a.AdminPassword));
  MapScriptE.SetText(Latin1ToUtf8(a.MapScript));
  WorldSizeE.SetText(std::string(WorldSizeName(a.WorldSize)));
  ClimateE.SetText(std::string(ClimateName(a.Climate)));
  SeaLevelE.SetText(std::string(SeaLevelName(a.SeaLevel)));
  EraE.SetText(std::string(EraName(a.StartEra)));
  GameSpeedE.SetText(std::string(GameSpeedName(a.GameSpeed)));
  CalenderE.SetText(fmt::sprintf("%8d", a.Calendar));
  MapSizeE.SetText(fmt::sprintf("%4d x %d", a.MapWidth, a.MapHeight));
  LatitudesE.SetText(fmt::sprintf("%5d ; %d", a.Latitude2, a.Latitude1));
  LandTilesE.SetText(fmt::sprintf("%8d", a.LandPlots));
  OwnedTilesE.SetText(fmt::sprintf("%8d", a.OwnedPlots));
  WrapXE.SetText(a.WrapX != 0 ? " Yes" : "  No");
  WrapYE.SetText(a.WrapY != 0 ? " Yes" : "  No");
  StartTurnDateE.SetText(fmt::sprintf("%6d/%s", a.StartTurn, DateTextPlain(Turn2Date(a.GameSpeed, a.StartTurn))));

  GameOptionBox.Clear();
  for (int k = 0; k < kGameOptions; ++k)
    if (a.GameOptions[size_t(k)] != 0) GameOptionBox.Add(std::string(GameOptionNames[size_t(k)]));
  // Entry 0 of the victory names is "Loss", never a condition.
  VictoryConditionBox.Clear();
  for (int k = 1; k < kVictories; ++k)
    if (a.VictoryFlags[size_t(k)] != 0) VictoryConditionBox.Add(std::string(VictoryNames[size_t(k)]));
}

void Form::ClearLeadersGrid() {
  for (int row = 1; row <= kSlots; ++row) {
    LeadersGrid.SetCell(0, row, fmt::sprintf("%2d", row));
    for (int col = 1; col < LeadersGrid.ColCount(); ++col) LeadersGrid.SetCell(col, row, " ");
    for (int col = 0; col < TeamsGrid.ColCount(); ++col) TeamsGrid.SetCell(col, row, " ");
  }
}

void Form::PrintLeadersGrid() {
  const Analysis& a = model_;
  for (int s = 0; s < kSlots; ++s) {
    const Detail detail = DetailOf(a, s);
    if (detail == Detail::Nothing) continue;
    const TLeaderInfoRec& info = a.LeaderInfo[size_t(s)];
    const int row = s + 1;
    LeadersGrid.SetCell(1, row, Latin1ToUtf8(info.LeaderName));
    if (detail != Detail::Everything) continue;
    LeadersGrid.SetCell(2, row, a.PlayerAlive[size_t(s)] ? fmt::sprintf("%7d", a.PlayerScore[size_t(s)]) : "      0");
    LeadersGrid.SetCell(3, row, fmt::sprintf("%5d (%6.2f%%)", a.OwnedLandCount[size_t(s)], a.LandPercent[size_t(s)]));
    LeadersGrid.SetCell(4, row,
                        fmt::sprintf("%5d (%6.2f%%)", a.PlayerPopulation[size_t(s)], a.PopulationPercent[size_t(s)]));
    LeadersGrid.SetCell(5, row, Latin1ToUtf8(info.CivDescription));
    LeadersGrid.SetCell(6, row, Latin1ToUtf8(info.CivAdjective));
    LeadersGrid.SetCell(7, row, fmt::sprintf("%7d", info.Team));
    LeadersGrid.SetCell(8, row, fmt::sprintf("%7d", a.LandScore[size_t(s)]));
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
      const TLeaderInfoRec& info = a.LeaderInfo[size_t(s)];
      if (info.Team != t) continue;
      TeamsGrid.SetCell(0, row, fmt::sprintf("%2d", t));
      const Detail detail = DetailOf(a, s);
      if (detail != Detail::Nothing) TeamsGrid.SetCell(1, row, Latin1ToUtf8(info.LeaderName));
      if (detail == Detail::Everything) {
        TeamsGrid.SetCell(
            2, row,
            a.PlayerAlive[size_t(s)] ? fmt::sprintf("%5d/%d", a.PlayerScore[size_t(s)], a.TeamScore[team]) : "      0");
        TeamsGrid.SetCell(3, row,
                          fmt::sprintf("%5d/%d (%6.2f%%)", a.OwnedLandCount[size_t(s)], a.TeamLandCounted[team],
                                       Percent(a.TeamLandCounted[team], a.LandPlots)));
        TeamsGrid.SetCell(4, row,
                          fmt::sprintf("%5d/%d (%6.2f%%)", a.PlayerPopulation[size_t(s)], a.TeamPopulationCounted[team],
                                       Percent(a.TeamPopulationCounted[team], a.TotalPopulation)));
        // The master is the highest team this one is the vassal of.
        for (int u = kTeams - 1; u >= 0; --u)
          if (a.IsVassal[team][size_t(u)] != 0) {
            TeamsGrid.SetCell(5, row, fmt::sprintf("%5d", u));
            break;
          }
        TeamsGrid.SetCell(6, row, std::string(LevelString(info.Handicap)));
        TeamsGrid.SetCell(7, row, std::string(SlotStatusName(info.SlotStatus)));
      }
      ++row;
    }
  }
}

void Form::PrintReplay() {
  const Analysis& a = model_;
  ReplayList.Clear();
  if (a.RestrictedView) return;
  for (const TReplayMsgRec& m : a.ReplayMsgs) {
    if (m.Text.empty()) continue;
    ReplayList.SetColor(IsSessionText(m.Text) ? kPurple : ReplayColor(m.Color));
    ReplayList.Append(
        fmt::sprintf("%4d%s %s", m.Turn, DateTextPadded(Turn2Date(a.GameSpeed, m.Turn)), Latin1ToUtf8(m.Text)));
  }
}

// The five player selectors list the named slots in slot order and start on
// the first; the page fillers read them right after.
void Form::FillPlayerSelectors() {
  for (ComboBox* box : {&PlayerLogSelect, &PlayerInfoSelect, &PlayerCitySelect})
    box->SetVisible(!model_.RestrictedView);
  for (ComboBox* box : {&PlayerLogSelect, &PlayerInfoSelect, &PlayerCitySelect, &AttLeaderSel1, &AttLeaderSel2}) {
    box->Clear();
    for (int s = 0; s < kSlots; ++s) {
      const std::string& name = model_.LeaderInfo[size_t(s)].LeaderName;
      if (!name.empty()) box->Add(Latin1ToUtf8(name));
    }
    if (box->Index() == -1 && !box->Items().empty()) box->SetIndex(0);
  }
}

}  // namespace tolvane::ui
