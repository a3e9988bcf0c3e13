#include "form/pages/PlayerPage.h"

#include <fmt/format.h>
#include <fmt/printf.h>

#include <algorithm>
#include <numeric>

#include "analysis/Research.h"
#include "form/pages/SaveView.h"
#include "rules/Int32Math.h"
#include "rules/Tables.h"

namespace tolvane::form {

PlayerPage::PlayerPage(PageList& pages) : Page({"Player", "TabSheet8"}, pages) {
  playerSelector.SetVisible(false);
  playerSelector.OnChange([this] { ShowPlayer(); });
  int col = 0;
  for (const auto& [header, width] : {std::pair{"№", 20}, {"Tech", 200}, {"Era", 70}, {"Cost", 50}, {"Known", 50}}) {
    technologyGrid.SetCell(col, 0, header);
    technologyGrid.SetColWidth(col++, width);
  }
  for (int row = 1; row <= kTechs; ++row) technologyGrid.SetCell(0, row, fmt::sprintf("%2d", row));
  std::iota(techOrder_.begin(), techOrder_.end(), 0);
  std::stable_sort(techOrder_.begin(), techOrder_.end(), [](int a, int b) {
    const TechInfo &x = kTechInfo[size_t(a)], &y = kTechInfo[size_t(b)];
    return x.era != y.era ? x.era < y.era : x.cost < y.cost;
  });
}

void PlayerPage::Fill() {
  SetVisible(!NotAvailable(save_));
  playerSelector.SetVisible(!save_.restrictedView);
  FillPlayerSelector(playerSelector, save_);
  ShowPlayer();
}

void PlayerPage::ShowPlayer() {
  const Analysis& a = save_;
  const int q = SlotOf(playerSelector, a, 0);
  if (NotAvailable(a)) return;
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

  gold.SetText(fmt::sprintf("%7d", a.playerGold[slot]));
  // A player researching nothing holds a number outside the technologies.
  const int32_t tech = a.researchingTech[slot];
  if (tech >= 0 && tech < kTechs) {
    researching.SetText(std::string(kTechInfo[size_t(tech)].name));
    researchBeakers.SetText(fmt::sprintf("%7d/%d", teamValue(a.researchProgress, tech), TechCost(a, tech, q)));
  } else {
    researching.SetText("");
    researchBeakers.SetText("");
  }
  cities.SetText(fmt::sprintf("%6d", a.cityCount[slot]));
  units.SetText(fmt::sprintf("%6d", a.unitCount[slot]));
  technologies.SetText(fmt::sprintf("%6d", validTeam ? a.knownTechCount[size_t(tq)] : 0));
  greatPeople.SetText(fmt::sprintf("%6d", a.greatPeopleCreated[slot]));
  generalPoints.SetText(
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
  rankAmongMet.SetText(fmt::sprintf("%4d/%d", rank, met));

  // Vassal slots, not teams: a vassal team of two members counts twice.
  int vassalSlots = 0;
  for (int i = 0; i < kSlots; ++i) {
    const int32_t ti = a.GetTeam(i);
    if (validTeam && Analysis::ValidTeam(ti) && a.isVassal[size_t(ti)][size_t(tq)]) ++vassalSlots;
  }
  vassals.SetText(fmt::sprintf("%6d", vassalSlots));

  for (int row = 1; row <= kTechs; ++row) {
    const int k = techOrder_[size_t(row - 1)];
    const TechInfo& info = kTechInfo[size_t(k)];
    technologyGrid.SetCell(1, row, std::string(info.name));
    technologyGrid.SetCell(2, row, info.era >= 1 && info.era <= kEras ? std::string(kEraNames[size_t(info.era)]) : "");
    technologyGrid.SetCell(3, row, fmt::sprintf("%7d", TechCost(a, k, q)));
    const int32_t progress = teamValue(a.researchProgress, k);
    technologyGrid.SetCell(4, row,
                           teamValue(a.hasTech, k) ? "Yes"
                           : progress == 0         ? "No"
                                                   : fmt::sprintf("%7d", progress));
  }
  // The last row is the repeatable technology: it shows how often it was gained.
  if (validTeam && a.futureTechCount[size_t(tq)] > 0)
    technologyGrid.SetCell(4, kTechs, fmt::sprintf("%d", a.futureTechCount[size_t(tq)]));

  for (size_t rank3 = 0; rank3 < bestCityCultures.size(); ++rank3)
    bestCityCultures[rank3].SetText(fmt::sprintf("%9.2f", a.CultureOfRank(q, int(rank3)) / 100.0));
}

}  // namespace tolvane::form
