// What the pages need beyond single records, derived after the walk in a
// fixed order: names, shares, ranked cities, the Kavrel inputs, the vassal
// rule and every player's and team's score.
#include <algorithm>
#include <cmath>
#include <functional>

#include "analysis/SaveAnalyse.h"
#include "analysis/Walk.h"
#include "rules/Tables.h"

namespace tolvane {

namespace {

void nameUnnamedSlots(Analysis& a) {
  for (int s = 0; s < kSlots; ++s) {
    TLeaderInfoRec& l = a.LeaderInfo[size_t(s)];
    if (l.LeaderName.empty() && l.LeaderType >= 0 && l.LeaderType < kLeaders)
      l.LeaderName = LeaderNames[size_t(l.LeaderType)];
  }
}

void countPlayers(Analysis& a) {
  a.PlayerCount = 0;
  for (int s = 0; s < kSlots; ++s) a.PlayerCount += !a.LeaderInfo[size_t(s)].LeaderName.empty();
  if (!a.LeaderInfo[kBarbarianSlot].LeaderName.empty()) --a.PlayerCount;
}

void populationShares(Analysis& a) {
  int64_t total = 0;
  for (int32_t p : a.PlayerPopulation) total += p;
  a.TotalPopulation = Wrap32(total);
  for (int s = 0; s < kSlots; ++s)
    a.PopulationPercent[size_t(s)] =
        a.TotalPopulation > 0 ? double(Wrap32(int64_t(a.PlayerPopulation[size_t(s)]) * 100)) / a.TotalPopulation : 0.0;
}

void kavrelInputs(Analysis& a) {
  // Culture: the average of slot 0's three most cultured cities, in points.
  const int32_t sum = Wrap32(int64_t(a.CultureOfRank(0, 0)) + a.CultureOfRank(0, 1) + a.CultureOfRank(0, 2));
  a.KavrelCultureCurr = int32_t(std::nearbyint(sum / 3.0 / 100.0));
  // Modern technologies of team 0, each repeat of the last one included.
  int64_t modern = 0;
  for (int k = 0; k < kTechs; ++k) modern += a.HasTech[0][size_t(k)] && TechInfo[size_t(k)].Era == 6;
  a.KavrelMTechCurr = Wrap32((modern + a.FutureTechCount[0]) * 10);
  a.KavrelTurnCurr = Wrap32(int64_t(a.ElapsedTurns) + a.StartTurn);
  a.KavrelTurnMax = a.EndTurn;
  static constexpr std::array<int32_t, 4> kCultureGoal = {150000, 75000, 50000, 25000};
  a.KavrelCultureMax = a.GameSpeed >= 0 && a.GameSpeed < 4 ? kCultureGoal[size_t(a.GameSpeed)] : 50000;
}

// A vassal team counts half its population and land; its master gains the halves.
void teamTotalsWithVassals(Analysis& a) {
  a.TeamPopulationCounted = a.TeamPopulation;
  a.TeamLandCounted = a.TeamLand;
  a.TeamVassalPopulation.fill(0);
  a.TeamVassalLand.fill(0);
  a.TeamScore.fill(0);
  for (size_t t = 0; t < kTeams; ++t) {
    for (size_t k = 0; k < kTeams; ++k) {
      if (!a.IsVassal[k][t]) continue;
      a.TeamVassalPopulation[t] = Wrap32(int64_t(a.TeamVassalPopulation[t]) + a.TeamPopulation[k] / 2);
      a.TeamVassalLand[t] = Wrap32(int64_t(a.TeamVassalLand[t]) + a.TeamLand[k] / 2);
      a.TeamPopulationCounted[k] = a.TeamPopulation[k] / 2;
      a.TeamLandCounted[k] = a.TeamLand[k] / 2;
    }
    a.TeamPopulationCounted[t] = Wrap32(int64_t(a.TeamPopulationCounted[t]) + a.TeamVassalPopulation[t]);
    a.TeamLandCounted[t] = Wrap32(int64_t(a.TeamLandCounted[t]) + a.TeamVassalLand[t]);
  }
}

// The same at player level, shared among the master team's members; each
// player's score is taken at the end of its own turn of the loop.
void playerScoresWithVassals(Analysis& a, const ScoreFactors& f) {
  a.PopulationScoreCounted = a.PopulationScore;
  a.LandScoreCounted = a.LandScore;
  a.VassalPopulationScore.fill(0);
  a.VassalLandScore.fill(0);
  auto isVassalOf = [&a](int j, int p) {
    const int32_t tj = a.GetTeam(j), tp = a.GetTeam(p);
    return Analysis::ValidTeam(tj) && Analysis::ValidTeam(tp) && a.IsVassal[size_t(tj)][size_t(tp)] != 0;
  };
  for (size_t p = 0; p < kSlots; ++p) {
    for (size_t j = 0; j < kSlots; ++j) {
      if (!a.PlayerAlive[j] || !isVassalOf(int(j), int(p))) continue;
      a.VassalPopulationScore[p] = Wrap32(int64_t(a.VassalPopulationScore[p]) + a.PopulationScore[j] / 2);
      a.VassalLandScore[p] = Wrap32(int64_t(a.VassalLandScore[p]) + a.LandScore[j] / 2);
      a.PopulationScoreCounted[j] = a.PopulationScore[j] / 2;
      a.LandScoreCounted[j] = a.LandScore[j] / 2;
    }
    const int32_t team = a.GetTeam(int(p));
    const int32_t members = Analysis::ValidTeam(team) ? std::max(a.TeamMembers[size_t(team)], 1) : 1;
    a.PopulationScoreCounted[p] = Wrap32(int64_t(a.PopulationScoreCounted[p]) + a.VassalPopulationScore[p] / members);
    a.LandScoreCounted[p] = Wrap32(int64_t(a.LandScoreCounted[p]) + a.VassalLandScore[p] / members);
    a.PlayerScore[p] = gPlayerScore(a, int(p), f);
    if (Analysis::ValidTeam(team))
      a.TeamScore[size_t(team)] = Wrap32(int64_t(a.TeamScore[size_t(team)]) + a.PlayerScore[p]);
  }
}

}  // namespace

void DeriveStatistics(Analysis& a, const ScoreFactors& f) {
  nameUnnamedSlots(a);
  countPlayers(a);
  populationShares(a);
  for (auto& row : a.CityCulture) std::sort(row.begin(), row.end(), std::greater<>());
  kavrelInputs(a);
  teamTotalsWithVassals(a);
  playerScoresWithVassals(a, f);
}

}  // namespace tolvane
