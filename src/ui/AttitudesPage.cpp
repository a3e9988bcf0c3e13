// The "Attitudes" page: the constant terms of one leader's attitude toward another.
#include <fmt/format.h>
#include <fmt/printf.h>

#include "rules/Scores.h"
#include "ui/Form.h"

namespace tolvane::ui {

void Form::PrintLeaderAttitude() {
  const Analysis& a = model_;
  if (NotAvailable() && a.RestrictedView) return;
  // Without a selection the page shows the second player toward the first.
  const int s1 = SlotOf(AttLeaderSel1, 1);
  const int s2 = SlotOf(AttLeaderSel2, 0);
  constexpr int kAggressiveAI = 5;
  const TLeaderInfoRec& toward = a.LeaderInfo[size_t(s2)];
  BaseAttitudeE.SetText(fmt::sprintf("%6d", BaseAttitude(a.LeaderPersonality[size_t(s1)])));
  HandicapAttitudeE.SetText(fmt::sprintf("%6d", HandicapAttitude(toward.Handicap)));
  AggressiveAIE.SetText(
      fmt::sprintf("%6d", AggressiveAIAttitude(a.GameOptions[kAggressiveAI] != 0, toward.SlotStatus)));
}

}  // namespace tolvane::ui
