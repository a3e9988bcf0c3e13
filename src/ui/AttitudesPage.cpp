// The "Attitudes" page: the constant terms of one leader's attitude toward another.
#include <fmt/format.h>
#include <fmt/printf.h>

#include "rules/Scores.h"
#include "ui/Form.h"

namespace tolvane::ui {

void Form::PrintLeaderAttitude() {
  const Analysis& a = model_;
  if (NotAvailable() && a.restrictedView) return;
  // Without a selection the page shows the second player toward the first.
  const int s1 = SlotOf(attLeaderSel1, 1);
  const int s2 = SlotOf(attLeaderSel2, 0);
  constexpr int kAggressiveAI = 5;
  const SlotInfo& toward = a.slots[size_t(s2)];
  baseAttitudeE.SetText(fmt::sprintf("%6d", BaseAttitude(a.leaderPersonality[size_t(s1)])));
  handicapAttitudeE.SetText(fmt::sprintf("%6d", HandicapAttitude(toward.handicap)));
  aggressiveAie.SetText(
      fmt::sprintf("%6d", AggressiveAIAttitude(a.gameOptions[kAggressiveAI] != 0, toward.slotStatus)));
}

}  // namespace tolvane::ui
