// make_demo: writes the demo save (examples/demo.CivWarlordsSave) that the
// README shows. A Normal-speed game at turn 180 of 460 on a 60 x 40 map:
// seven players and the barbarians, the Romans (human, slot 0) with the
// Germans and the Celts with the Egyptians as teams of two, the Incas the
// Mongols' vassal. Every value is drawn from one fixed seed, so the file
// comes out the same on every run.
#include <fmt/format.h>

#include <cstdio>
#include <exception>

#include "Demo.h"
#include "rules/ResearchCost.h"
#include "rules/Scores.h"
#include "rules/Tables.h"

namespace tolvane::demo {
namespace {

using testing::PlotDesc;
using testing::SaveDescription;

constexpr uint64_t kSeed = 180;
constexpr int32_t kTechPointsPerEra = 4;  // a technology's share of the score: four points per era
constexpr int32_t kWonderPoints = 5;
constexpr int32_t kWorldWonders = 28;

void SetUpHeader(SaveDescription& d) {
  d.SaveVersion = 302;
  d.ModPath = "";
  d.ModChecksum = "7C3A91E04B5D2F68A0C4E1B79D3F5A26";
  d.Flags = 0x101;
  d.GameBuildVersion = "319";
  d.DLLChecksum = "A4F0C2E91B7D35688E2C4A6F0B1D3E57";
  d.ShaderChecksum = "5E8B2D0F7A4C16395B7E9D1F3A5C7E90";
  d.PythonChecksum = "C1D3E5F70A2B4C6D8E0F1A3B5C7D9E1F";
  d.XMLChecksum = "2B4D6F81A3C5E7092B4D6F81A3C5E709";
  d.SaveFlag = 1;
  d.GameType = 2;
  d.GameName = "Seven Rivers";
  d.GamePassword = "";
  d.AdminPassword = "";  // no admin password: every page shows everything
  d.MapScript = "Continents";
  d.WorldSize = 2;  // Small
  d.Climate = 0;
  d.SeaLevel = 1;
  d.StartEra = 0;
  d.GameSpeed = 2;  // Normal, as saves from version 102 on store it
  d.Calendar = 0;
  d.VictoryFlags = {1, 1, 1, 1, 1, 1, 1};
  d.GameOptions[8] = 1;   // Permanent Alliances
  d.GameOptions[13] = 1;  // New Random Seed
  d.Options.JunkSeed = 0xD3A0180ull;
  d.Options.MaxJunkListLength = 2;
  d.CompressionLevel = 6;

  d.ElapsedTurns = kCurrentTurn;
  d.StartTurn = 0;
  d.EndTurn = 460;
  d.PlayTimeQuarterSeconds = 4 * (9 * 3600 + 41 * 60 + 17);
  d.Difficulty = 4;  // Prince
  d.VictoryType = -1;
  d.GameState = 0;
}

void SetUpSlots(SaveDescription& d) {
  for (int slot = 0; slot < kSlots; ++slot) d.LeaderInfo[size_t(slot)].Team = slot;  // unused slots too
  for (int slot = 0; slot < kSlots; ++slot) {
    if (slot >= kPlayers && slot != kBarbarianSlot) continue;
    const CivSeed& civ = CivOfSlot(slot);
    testing::SlotDesc& s = d.LeaderInfo[size_t(slot)];
    s.LeaderName = civ.Leader;
    s.CivDescription = civ.Description;
    s.SlotText3 = fmt::format("{}s", civ.Adjective);
    s.CivAdjective = civ.Adjective;
    s.CivType = civ.CivType;
    s.LeaderType = civ.LeaderType;
    s.Team = civ.Team;
    s.Handicap = civ.Human ? d.Difficulty : 3;
    s.SlotStatus = civ.Human ? 3 : 1;
    s.SlotValue14 = 1;
    s.SlotValue15 = slot;
  }
}

int32_t TechScore(const Story& s, int team) {
  int32_t points = 0;
  for (const Discovery& d : s.Research[size_t(team)]) points += kTechPointsPerEra * TechInfo[size_t(d.Tech)].Era;
  return points;
}

void SetUpPlayers(Story& s) {
  SaveDescription& d = s.Save;
  std::array<int32_t, kSlots> land{};
  for (const PlotDesc& p : d.Plots) {
    if (p.Owner < kSlots && p.PlotType != 3) ++land[p.Owner];
  }
  for (int slot = 0; slot < kSlots; ++slot) {
    if (slot >= kPlayers && slot != kBarbarianSlot) continue;
    const CivSeed& civ = CivOfSlot(slot);
    testing::PlayerDesc& p = d.Players[size_t(slot)];
    p.PlayerAlive = 1;
    p.LeaderPersonality = civ.LeaderType;
    p.PlayerGold = civ.Gold;
    p.UnitCount = civ.UnitCount;
    p.EventRecordCount = 2;
    for (const auto& city : p.Cities) p.PlayerPopulation += city.Population;
    p.PopulationScore = p.PlayerPopulation;
    p.LandScore = land[size_t(slot)];
    p.TechScore = TechScore(s, civ.Team);
    int wonders = 0;
    for (const DemoCity& c : s.Cities) {
      for (const Building& b : c.Built) wonders += c.Owner == slot && IsWorldWonder(b.Row);
    }
    p.WondersScore = kWonderPoints * wonders;
    if (s.Researching[size_t(civ.Team)] >= 0) p.ResearchFlags[size_t(s.Researching[size_t(civ.Team)])] = 1;
  }
}

void SetUpTeams(Story& s) {
  SaveDescription& d = s.Save;
  const ResearchSettings settings{.WorldCostPercent = 120, .SpeedCostPercent = 100, .EraCostPercent = 100};
  for (int slot = 0; slot < kSlots; ++slot) {
    const testing::PlayerDesc& p = d.Players[size_t(slot)];
    if (p.PlayerAlive == 0) continue;
    testing::TeamDesc& t = d.Teams[size_t(d.LeaderInfo[size_t(slot)].Team)];
    t.TeamMembers += 1;
    t.TeamPopulation += p.PlayerPopulation;
    t.TeamLand += p.LandScore;
  }
  Rng rng(kSeed + 7);
  for (int team = 0; team < kTeams; ++team) {
    testing::TeamDesc& t = d.Teams[size_t(team)];
    if (t.TeamMembers == 0) continue;
    t.HasMet[size_t(team)] = 1;
    for (const Discovery& k : s.Research[size_t(team)]) t.HasTech[size_t(k.Tech)] = 1;
    const int next = s.Researching[size_t(team)];
    if (next < 0) continue;
    int32_t handicap = 0;
    for (int slot = 0; slot < kPlayers; ++slot) {
      if (CivOfSlot(slot).Team == team) handicap += d.LeaderInfo[size_t(slot)].Handicap;
    }
    const int32_t cost = TechCostFor(TechInfo[size_t(next)].Cost, handicap / t.TeamMembers, t.TeamMembers, settings);
    t.ResearchProgress[size_t(next)] = cost * rng.Range(25, 80) / 100;
    // Leftovers of research the team switched away from.
    for (int k = 0; k < kTechs - 1; ++k) {
      if (t.HasTech[size_t(k)] == 0 && k != next && TechInfo[size_t(k)].Era <= 3 && rng.Chance(0.08)) {
        t.ResearchProgress[size_t(k)] = rng.Range(12, TechInfo[size_t(k)].Cost / 3);
      }
    }
  }
  for (const Contact& c : kContacts) {
    d.Teams[size_t(c.A)].HasMet[size_t(c.B)] = 1;
    d.Teams[size_t(c.B)].HasMet[size_t(c.A)] = 1;
  }
  d.Teams[6].IsVassal[4] = 1;  // the Incas serve the Mongols
}

// The score parts' maxima and starting values, and each player's game score
// now with the vassals' shares, as the pages recombine it.
void ScoreGame(Story& s) {
  SaveDescription& d = s.Save;
  d.MaxPopScore = d.LandPlots + d.LandPlots / 2;
  d.MaxLandScore = d.LandPlots;
  d.MaxTechScore = 0;
  for (const auto& tech : TechInfo) d.MaxTechScore += kTechPointsPerEra * tech.Era;
  d.MaxWonderScore = kWonderPoints * kWorldWonders;
  d.InitPop = 4;
  d.InitLand = 21;
  d.InitTech = 2 * kTechPointsPerEra;
  d.InitWonder = 0;

  std::array<int32_t, kSlots> pop{}, land{};
  for (int slot = 0; slot < kSlots; ++slot) {
    pop[size_t(slot)] = d.Players[size_t(slot)].PopulationScore;
    land[size_t(slot)] = d.Players[size_t(slot)].LandScore;
  }
  for (int master = 0; master < kSlots; ++master) {
    const int32_t team = d.LeaderInfo[size_t(master)].Team;
    int32_t vassalPop = 0, vassalLand = 0;
    for (int v = 0; v < kSlots; ++v) {
      const testing::PlayerDesc& p = d.Players[size_t(v)];
      if (p.PlayerAlive == 0 || d.Teams[size_t(d.LeaderInfo[size_t(v)].Team)].IsVassal[size_t(team)] == 0) continue;
      vassalPop += p.PopulationScore / 2;
      vassalLand += p.LandScore / 2;
      pop[size_t(v)] = p.PopulationScore / 2;
      land[size_t(v)] = p.LandScore / 2;
    }
    const int32_t members = std::max(1, d.Teams[size_t(team)].TeamMembers);
    pop[size_t(master)] += vassalPop / members;
    land[size_t(master)] += vassalLand / members;
  }
  for (int slot = 0; slot < kSlots; ++slot) {
    const testing::PlayerDesc& p = d.Players[size_t(slot)];
    if (p.PlayerAlive == 0) continue;
    s.Score[size_t(slot)] = gScore(pop[size_t(slot)], d.MaxPopScore, 5000) +
                            gScore(land[size_t(slot)], d.MaxLandScore, 2000) +
                            gScore(p.TechScore, d.MaxTechScore, 2000) + gScore(p.WondersScore, d.MaxWonderScore, 1000);
  }
  d.GameScore = s.Score[0];
}

void PrintSummary(const Story& s, size_t bytes) {
  const SaveDescription& d = s.Save;
  std::printf("%zu bytes; map %dx%d, %d land plots, %d owned; %zu replay messages\n", bytes, d.MapWidth, d.MapHeight,
              d.LandPlots, d.OwnedPlots, d.ReplayMsgs.size());
  for (int slot = 0; slot < kSlots; ++slot) {
    const testing::PlayerDesc& p = d.Players[size_t(slot)];
    if (p.PlayerAlive == 0) continue;
    std::printf("  %2d %-14s score %5d  pop %3d  land %3d  techs %2zu  cities %zu  messages %zu\n", slot,
                d.LeaderInfo[size_t(slot)].LeaderName.c_str(), s.Score[size_t(slot)], p.PlayerPopulation, p.LandScore,
                s.Research[size_t(d.LeaderInfo[size_t(slot)].Team)].size(), p.Cities.size(), p.Messages.size());
  }
}

}  // namespace
}  // namespace tolvane::demo

int main(int argc, char** argv) {
  using namespace tolvane::demo;
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_demo OUTPUT.CivWarlordsSave\n");
    return 2;
  }
  try {
    CheckTableRows();
    Story s;
    Rng rng(kSeed);
    SetUpHeader(s.Save);
    SetUpSlots(s.Save);
    BuildMap(s, rng);
    PlaceCities(s, rng);
    PlanResearch(s, rng);
    BuildCities(s, rng);
    MarkOwnership(s);
    SetUpPlayers(s);
    SetUpTeams(s);
    ScoreGame(s);
    TellStory(s, rng);
    DrawHistories(s, rng);
    const std::vector<uint8_t> file = tolvane::testing::WriteSaveFile(s.Save);
    tolvane::testing::WriteFile(argv[1], file);
    PrintSummary(s, file.size());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_demo: %s\n", e.what());
    return 1;
  }
  return 0;
}
