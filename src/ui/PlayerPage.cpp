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
  const int q = SlotOf(PlayerInfoSelect, 0);
  if (NotAvailable()) return;
  const auto slot = size_t(q);
  // A team outside the team tables knows nothing, has met no one and has no vassal.
  const int32_t tq = a.GetTeam(q);
  const bool validTeam = Analysis::ValidTeam(tq);
  auto teamValue = [&](const PerTeam<TechRow>& table, int tech) {
    return validTeam ? table[size_t(tq)][size_t(tech)] : 0;
  };
  auto hasMet = [&](int32_t other) {
    return validTeam && Analysis::ValidTeam(other) && a.HasMet[size_t(tq)][size_t(other)];
  };

  GoldE.SetText(fmt::sprintf("%7d", a.PlayerGold[slot]));
  // A player researching nothing holds a number outside the technologies.
  const int32_t researching = a.ResearchingTech[slot];
  if (researching >= 0 && researching < kTechs) {
    ResearchingE.SetText(std::string(TechInfo[size_t(researching)].Name));
    CurrTechBeakersE.SetText(
        fmt::sprintf("%7d/%d", teamValue(a.ResearchProgress, researching), TechCost(a, researching, q)));
  } else {
    ResearchingE.SetText("");
    CurrTechBeakersE.SetText("");
  }
  CityNumberE.SetText(fmt::sprintf("%6d", a.CityCount[slot]));
  UnitNumberE.SetText(fmt::sprintf("%6d", a.UnitCount[slot]));
  TechNumberE.SetText(fmt::sprintf("%6d", validTeam ? a.KnownTechCount[size_t(tq)] : 0));
  GPCreatedE.SetText(fmt::sprintf("%6d", a.GreatPeopleCreated[slot]));
  GeneralPointsE.SetText(
      fmt::sprintf("%4d/%d", a.GeneralPoints[slot], Wrap32(int64_t(30) * (int64_t(a.GreatGeneralsCreated[slot]) + 1))));

  // Rank among the players met: 1 plus the number of them with a higher score.
  int met = 0, notBelow = 0;
  for (int i = 0; i < std::min(a.PlayerCount, kSlots); ++i)
    if (hasMet(a.GetTeam(i))) {
      ++met;
      if (a.PlayerScore[slot] >= a.PlayerScore[size_t(i)]) ++notBelow;
    }
  const int rank = met - notBelow + 1;
  if (q == kBarbarianSlot) ++met;
  RankMetE.SetText(fmt::sprintf("%4d/%d", rank, met));

  // Vassal slots, not teams: a vassal team of two members counts twice.
  int vassals = 0;
  for (int i = 0; i < kSlots; ++i) {
    const int32_t ti = a.GetTeam(i);
    if (validTeam && Analysis::ValidTeam(ti) && a.IsVassal[size_t(ti)][size_t(tq)]) ++vassals;
  }
  VassalsE.SetText(fmt::sprintf("%6d", vassals));

  for (int row = 1; row <= kTechs; ++row) {
    const int k = techOrder_[size_t(row - 1)];
    const TTechInfoRec& tech = TechInfo[size_t(k)];
    TechGrid.SetCell(1, row, std::string(tech.Name));
    TechGrid.SetCell(2, row, tech.Era >= 1 && tech.Era <= kEras ? std::string(EraNames[size_t(tech.Era)]) : "");
    TechGrid.SetCell(3, row, fmt::sprintf("%7d", TechCost(a, k, q)));
    const int32_t progress = teamValue(a.ResearchProgress, k);
    TechGrid.SetCell(4, row, teamValue(a.HasTech, k) ? "Yes" : progress == 0 ? "No" : fmt::sprintf("%7d", progress));
  }
  // The last row is the repeatable technology: it shows how often it was gained.
  if (validTeam && a.FutureTechCount[size_t(tq)] > 0)
    TechGrid.SetCell(4, kTechs, fmt::sprintf("%d", a.FutureTechCount[size_t(tq)]));

  Edit* best[] = {&City1CultureE, &City2CultureE, &City3CultureE};
  for (int rank3 = 0; rank3 < 3; ++rank3)
    best[rank3]->SetText(fmt::sprintf("%9.2f", a.CultureOfRank(q, rank3) / 100.0));
}

}  // namespace tolvane::ui
