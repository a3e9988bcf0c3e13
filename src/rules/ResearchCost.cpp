#include "rules/ResearchCost.h"

#include <array>
#include <cstddef>

#include "rules/Int32Math.h"

namespace tolvane {

namespace {

constexpr std::array<int32_t, 9> kResearchPercent = {60, 75, 90, 100, 110, 115, 120, 125, 130};

// percent * x / 100 in 32-bit steps: the product wraps, the division truncates.
int32_t Percent(int32_t percent, int32_t x) { return Wrap32(int64_t{percent} * x) / 100; }

}  // namespace

int32_t ResearchDiffCoeff(int32_t level) {
  if (level < 0 || level >= static_cast<int32_t>(kResearchPercent.size())) return 100;
  return kResearchPercent[static_cast<size_t>(level)];
}

// Every step truncates before the next one, as the game does; the order of
// the percentages therefore matters.
int32_t TechCostFor(int32_t baseCost, int32_t teamHandicap, int32_t members, const ResearchSettings& s) {
  int32_t x = Percent(ResearchDiffCoeff(teamHandicap), baseCost);
  x = Percent(s.worldCostPercent, x);
  x = Percent(s.speedCostPercent, x);
  x = Percent(s.eraCostPercent, x);
  // Each member after the first adds TeamMemberCostPercent of the cost.
  const int32_t teamPercent = Wrap32((int64_t{members} - 1) * s.teamMemberCostPercent + 100);
  return Percent(teamPercent, x);
}

}  // namespace tolvane
