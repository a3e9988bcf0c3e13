#include "rules/ResearchCost.h"

#include <array>
#include <cstddef>
#include <span>

#include "rules/Int32Math.h"
#include "rules/Limits.h"

namespace tolvane {

namespace {

constexpr std::array<int32_t, 9> kResearchPercent = {60, 75, 90, 100, 110, 115, 120, 125, 130};
constexpr std::array<int32_t, kWorldSizes> kWorldPercent = {100, 110, 120, 130, 140, 150};
constexpr std::array<int32_t, kSpeeds> kSpeedPercent = {300, 150, 100, 67};
constexpr std::array<int32_t, kEras> kEraPercent = {100, 90, 80, 70, 60, 50, 40};

int32_t PercentOr100(std::span<const int32_t> table, int32_t v) {
  return v >= 0 && static_cast<size_t>(v) < table.size() ? table[static_cast<size_t>(v)] : 100;
}

// percent * x / 100 in 32-bit steps: the product wraps, the division truncates.
int32_t Percent(int32_t percent, int32_t x) { return Wrap32(int64_t{percent} * x) / 100; }

}  // namespace

int32_t ResearchDiffCoeff(int32_t level) { return PercentOr100(kResearchPercent, level); }
int32_t WorldCostPercent(int32_t worldSize) { return PercentOr100(kWorldPercent, worldSize); }
int32_t SpeedCostPercent(int32_t gameSpeed) { return PercentOr100(kSpeedPercent, gameSpeed); }
int32_t EraCostPercent(int32_t startEra) { return PercentOr100(kEraPercent, startEra); }

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
