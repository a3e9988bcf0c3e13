#include "form/pages/TeamsPage.h"

#include <fmt/printf.h>

#include "form/Latin1.h"
#include "form/pages/SaveView.h"
#include "rules/Int32Math.h"
#include "rules/Tables.h"

namespace tolvane::form {

namespace {

// A share in percent, 0 when there is nothing to share.
double Percent(int32_t part, int32_t whole) { return whole > 0 ? double(Wrap32(int64_t(part) * 100)) / whole : 0.0; }

}  // namespace

TeamsPage::TeamsPage(PageList& pages) : Page({"Teams", "TabSheet10"}, pages) {
  int col = 0;
  for (const auto& [header, width] : {std::pair{"№", 20},
                                      {"Leader name", 115},
                                      {"Score", 70},
                                      {"Territory", 105},
                                      {"Population", 105},
                                      {"Vassal", 37},
                                      {"Level", 60},
                                      {"Slot", 60}}) {
    teams.SetCell(col, 0, header);
    teams.SetColWidth(col++, width);
  }
}

// One row per slot, grouped by team; slots of a team outside the team
// tables appear in no row.
void TeamsPage::Fill() {
  const Analysis& a = save_;
  for (int row = 1; row <= kSlots; ++row)
    for (int col = 0; col < teams.ColCount(); ++col) teams.SetCell(col, row, " ");
  int row = 1;
  for (int t = 0; t < kTeams; ++t) {
    const auto team = size_t(t);
    for (int s = 0; s < kSlots; ++s) {
      const SlotInfo& info = a.slots[size_t(s)];
      if (info.team != t) continue;
      teams.SetCell(0, row, fmt::sprintf("%2d", t));
      const Detail detail = DetailOf(a, s);
      if (detail != Detail::Nothing) teams.SetCell(1, row, Latin1ToUtf8(info.leaderName));
      if (detail == Detail::Everything) {
        const auto slot = size_t(s);
        teams.SetCell(2, row,
                      a.playerAlive[slot] ? fmt::sprintf("%5d/%d", a.playerScore[slot], a.teamScore[team]) : "      0");
        teams.SetCell(3, row,
                      fmt::sprintf("%5d/%d (%6.2f%%)", a.ownedLandCount[slot], a.teamLandCounted[team],
                                   Percent(a.teamLandCounted[team], a.landPlots)));
        teams.SetCell(4, row,
                      fmt::sprintf("%5d/%d (%6.2f%%)", a.playerPopulation[slot], a.teamPopulationCounted[team],
                                   Percent(a.teamPopulationCounted[team], a.totalPopulation)));
        // The master is the highest team this one is the vassal of.
        for (int u = kTeams - 1; u >= 0; --u)
          if (a.isVassal[team][size_t(u)] != 0) {
            teams.SetCell(5, row, fmt::sprintf("%5d", u));
            break;
          }
        teams.SetCell(6, row, std::string(LevelString(info.handicap)));
        teams.SetCell(7, row, std::string(SlotStatusName(info.slotStatus)));
      }
      ++row;
    }
  }
}

}  // namespace tolvane::form
