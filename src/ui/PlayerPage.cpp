// The "Player" page: one player's economy, research and rank.
#include <fmt/format.h>
#include <fmt/printf.h>

#include "analysis/Research.h"
#include "rules/Int32Math.h"
#include "rules/Tables.h"
#include "ui/Form.h"

namespace tolvane::ui {

void Form::PrintPlayerInfo() {
  const Analysis& a = model_;
  const int q = SlotOf(playerInfoSelect, 0);
  if (NotAvailable()) return;
  const auto slot = size_t(q);
  // A team outside the team tables knows nothing, has met no one and has no vassal.
  const int32_t tq = a.GetTeam(q);
  const bool validTeam = Analysis::ValidTeam(tq);
  auto teamValue = [&](const PerTeam<TechRow>& table, int tech) {
    return validTeam ? table[size_t(tq)][size_t(tech)] : 0;
  };
  auto hasMet = [&](int32_t other) {
    return validTeam && Analysis::ValidTeam(other) && a.hasMet[size_t(tq)][size_t(other)];
  };

  goldE.SetText(fmt::sprintf("%7d", a.playerGold[slot]));
  // A player researching nothing holds a number outside the technologies.
  const int32_t researching = a.researchingTech[slot];
  if (researching >= 0 && researching < kTechs) {
    researchingE.SetText(std::string(kTechInfo[size_t(researching)].name));
    currTechBeakersE.SetText(
        fmt::sprintf("%7d/%d", teamValue(a.researchProgress, researching), TechCost(a, researching, q)));
  } else {
    researchingE.SetText("");
    currTechBeakersE.SetText("");
  }
  cityNumberE.SetText(fmt::sprintf("%6d", a.cityCount[slot]));
  unitNumberE.SetText(fmt::sprintf("%6d", a.unitCount[slot]));
  techNumberE.SetText(fmt::sprintf("%6d", validTeam ? a.knownTechCount[size_t(tq)] : 0));
  gpCreatedE.SetText(fmt::sprintf("%6d", a.greatPeopleCreated[slot]));
  generalPointsE.SetText(
      fmt::sprintf("%4d/%d", a.generalPoints[slot], Wrap32(int64_t(30) * (int64_t(a.greatGeneralsCreated[slot]) + 1))));

  // Rank among the players met: 1 plus the number of them with a higher score.
  int met = 0, notBelow = 0;
  for (int i = 0; i < std::min(a.playerCount, kSlots); ++i)
    if (hasMet(a.GetTeam(i))) {
      ++met;
      if (a.playerScore[slot] >= a.playerScore[size_t(i)]) ++notBelow;
    }
  const int rank = met - notBelow + 1;
  if (q == kBarbarianSlot) ++met;
  rankMetE.SetText(fmt::sprintf("%4d/%d", rank, met));

  // Vassal slots, not teams: a vassal team of two members counts twice.
  int vassals = 0;
  for (int i = 0; i < kSlots; ++i) {
    const int32_t ti = a.GetTeam(i);
    if (validTeam && Analysis::ValidTeam(ti) && a.isVassal[size_t(ti)][size_t(tq)]) ++vassals;
  }
  vassalsE.SetText(fmt::sprintf("%6d", vassals));

  for (int row = 1; row <= kTechs; ++row) {
    const int k = techOrder_[size_t(row - 1)];
    const TechInfo& tech = kTechInfo[size_t(k)];
    techGrid.SetCell(1, row, std::string(tech.name));
    techGrid.SetCell(2, row, tech.era >= 1 && tech.era <= kEras ? std::string(kEraNames[size_t(tech.era)]) : "");
    techGrid.SetCell(3, row, fmt::sprintf("%7d", TechCost(a, k, q)));
    const int32_t progress = teamValue(a.researchProgress, k);
    techGrid.SetCell(4, row, teamValue(a.hasTech, k) ? "Yes" : progress == 0 ? "No" : fmt::sprintf("%7d", progress));
  }
  // The last row is the repeatable technology: it shows how often it was gained.
  if (validTeam && a.futureTechCount[size_t(tq)] > 0)
    techGrid.SetCell(4, kTechs, fmt::sprintf("%d", a.futureTechCount[size_t(tq)]));

  Edit* best[] = {&city1CultureE, &city2CultureE, &city3CultureE};
  for (int rank3 = 0; rank3 < 3; ++rank3)
    best[rank3]->SetText(fmt::sprintf("%9.2f", a.CultureOfRank(q, rank3) / 100.0));
}

}  // namespace tolvane::ui
