#include "form/pages/LeadersPage.h"

#include <fmt/printf.h>

#include "form/Latin1.h"
#include "form/pages/SaveView.h"

namespace tolvane::form {

LeadersPage::LeadersPage(PageList& pages) : Page({"Leaders", "TabSheet4"}, pages) {
  int col = 0;
  for (const auto& [header, width] : {std::pair{"№", 20},
                                      {"Leader name", 115},
                                      {"Score", 50},
                                      {"Territory", 85},
                                      {"Population", 85},
                                      {"Civ description", 115},
                                      {"Civ adjective", 100},
                                      {"Team", 50},
                                      {"Land", 50},
                                      {"", 200}}) {
    leaders.SetCell(col, 0, header);
    leaders.SetColWidth(col++, width);
  }
}

void LeadersPage::Fill() {
  const Analysis& a = save_;
  for (int row = 1; row <= kSlots; ++row) {
    leaders.SetCell(0, row, fmt::sprintf("%2d", row));
    for (int col = 1; col < leaders.ColCount(); ++col) leaders.SetCell(col, row, " ");
  }
  for (int s = 0; s < kSlots; ++s) {
    const Detail detail = DetailOf(a, s);
    if (detail == Detail::Nothing) continue;
    const SlotInfo& info = a.slots[size_t(s)];
    const int row = s + 1;
    leaders.SetCell(1, row, Latin1ToUtf8(info.leaderName));
    if (detail != Detail::Everything) continue;
    const auto slot = size_t(s);
    leaders.SetCell(2, row, a.playerAlive[slot] ? fmt::sprintf("%7d", a.playerScore[slot]) : "      0");
    leaders.SetCell(3, row, fmt::sprintf("%5d (%6.2f%%)", a.ownedLandCount[slot], a.landPercent[slot]));
    leaders.SetCell(4, row, fmt::sprintf("%5d (%6.2f%%)", a.playerPopulation[slot], a.populationPercent[slot]));
    leaders.SetCell(5, row, Latin1ToUtf8(info.civDescription));
    leaders.SetCell(6, row, Latin1ToUtf8(info.civAdjective));
    leaders.SetCell(7, row, fmt::sprintf("%7d", info.team));
    leaders.SetCell(8, row, fmt::sprintf("%7d", a.landScore[slot]));
  }
}

}  // namespace tolvane::form
