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

void NameUnnamedSlots(Analysis& a) {
  for (int s = 0; s < kSlots; ++s) {
    SlotInfo& l = a.slots[size_t(s)];
    if (l.leaderName.empty() && l.leaderType >= 0 && l.leaderType < kLeaders)
      l.leaderName = kLeaderNames[size_t(l.leaderType)];
  }
}

void CountPlayers(Analysis& a) {
  a.playerCount = 0;
  for (int s = 0; s < kSlots; ++s) a.playerCount += !a.slots[size_t(s)].leaderName.empty();
  if (!a.slots[kBarbarianSlot].leaderName.empty()) --a.playerCount;
}

void PopulationShares(Analysis& a) {
  int64_t total = 0;
  for (int32_t p : a.playerPopulation) total += p;
  a.totalPopulation = Wrap32(total);
  for (int s = 0; s < kSlots; ++s)
    a.populationPercent[size_t(s)] =
        a.totalPopulation > 0 ? double(Wrap32(int64_t(a.playerPopulation[size_t(s)]) * 100)) / a.totalPopulation : 0.0;
}

void KavrelInputs(Analysis& a) {
  // Culture: the average of slot 0's three most cultured cities, in points.
  const int32_t sum = Wrap32(int64_t(a.CultureOfRank(0, 0)) + a.CultureOfRank(0, 1) + a.CultureOfRank(0, 2));
  a.kavrelCultureCurr = int32_t(std::nearbyint(sum / 3.0 / 100.0));
  // Modern technologies of team 0, each repeat of the last one included.
  int64_t modern = 0;
  for (int k = 0; k < kTechs; ++k) modern += a.hasTech[0][size_t(k)] && kTechInfo[size_t(k)].era == 6;
  a.kavrelMTechCurr = Wrap32((modern + a.futureTechCount[0]) * 10);
  a.kavrelTurnCurr = Wrap32(int64_t(a.elapsedTurns) + a.startTurn);
  a.kavrelTurnMax = a.endTurn;
  static constexpr std::array<int32_t, 4> kCultureGoal = {150000, 75000, 50000, 25000};
  a.kavrelCultureMax = a.gameSpeed >= 0 && a.gameSpeed < 4 ? kCultureGoal[size_t(a.gameSpeed)] : 50000;
}

// A vassal team counts half its population and land; its master gains the halves.
void TeamTotalsWithVassals(Analysis& a) {
  a.teamPopulationCounted = a.teamPopulation;
  a.teamLandCounted = a.teamLand;
  a.teamScore.fill(0);
  for (size_t t = 0; t < kTeams; ++t) {
    int32_t vassalPopulation = 0, vassalLand = 0;
    for (size_t k = 0; k < kTeams; ++k) {
      if (!a.isVassal[k][t]) continue;
      vassalPopulation = Wrap32(int64_t(vassalPopulation) + a.teamPopulation[k] / 2);
      vassalLand = Wrap32(int64_t(vassalLand) + a.teamLand[k] / 2);
      a.teamPopulationCounted[k] = a.teamPopulation[k] / 2;
      a.teamLandCounted[k] = a.teamLand[k] / 2;
    }
    a.teamPopulationCounted[t] = Wrap32(int64_t(a.teamPopulationCounted[t]) + vassalPopulation);
    a.teamLandCounted[t] = Wrap32(int64_t(a.teamLandCounted[t]) + vassalLand);
  }
}

// The same at player level, shared among the master team's members; each
// player's score is taken at the end of its own turn of the loop.
void PlayerScoresWithVassals(Analysis& a, const ScoreFactors& f) {
  a.populationScoreCounted = a.populationScore;
  a.landScoreCounted = a.landScore;
  auto isVassalOf = [&a](int j, int p) {
    const int32_t tj = a.GetTeam(j), tp = a.GetTeam(p);
    return Analysis::ValidTeam(tj) && Analysis::ValidTeam(tp) && a.isVassal[size_t(tj)][size_t(tp)] != 0;
  };
  for (size_t p = 0; p < kSlots; ++p) {
    int32_t vassalPopulationScore = 0, vassalLandScore = 0;
    for (size_t j = 0; j < kSlots; ++j) {
      if (!a.playerAlive[j] || !isVassalOf(int(j), int(p))) continue;
      vassalPopulationScore = Wrap32(int64_t(vassalPopulationScore) + a.populationScore[j] / 2);
      vassalLandScore = Wrap32(int64_t(vassalLandScore) + a.landScore[j] / 2);
      a.populationScoreCounted[j] = a.populationScore[j] / 2;
      a.landScoreCounted[j] = a.landScore[j] / 2;
    }
    const int32_t team = a.GetTeam(int(p));
    const int32_t members = Analysis::ValidTeam(team) ? std::max(a.teamMembers[size_t(team)], 1) : 1;
    a.populationScoreCounted[p] = Wrap32(int64_t(a.populationScoreCounted[p]) + vassalPopulationScore / members);
    a.landScoreCounted[p] = Wrap32(int64_t(a.landScoreCounted[p]) + vassalLandScore / members);
    a.playerScore[p] = PlayerGameScore(a, int(p), f);
    if (Analysis::ValidTeam(team))
      a.teamScore[size_t(team)] = Wrap32(int64_t(a.teamScore[size_t(team)]) + a.playerScore[p]);
  }
}

}  // namespace

void DeriveStatistics(Analysis& a, const ScoreFactors& f) {
  NameUnnamedSlots(a);
  CountPlayers(a);
  PopulationShares(a);
  for (auto& row : a.cityCulture) std::sort(row.begin(), row.end(), std::greater<>());
  KavrelInputs(a);
  TeamTotalsWithVassals(a);
  PlayerScoresWithVassals(a, f);
}

}  // namespace tolvane
