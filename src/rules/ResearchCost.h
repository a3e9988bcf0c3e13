// Research cost of a technology for a team.
#pragma once

#include <cstdint>

namespace tolvane {

struct ResearchSettings {
  int32_t worldCostPercent = 100;
  int32_t speedCostPercent = 100;
  int32_t eraCostPercent = 100;
  int32_t teamMemberCostPercent = 50;
};

// Research percent of a difficulty level 0..8; 100 for any other value.
int32_t ResearchDiffCoeff(int32_t level);

// Research percents of a world size 0..5, a game speed 0..3 and a start era
// 0..6; 100 for any other value.
int32_t WorldCostPercent(int32_t worldSize);
int32_t SpeedCostPercent(int32_t gameSpeed);
int32_t EraCostPercent(int32_t startEra);

// Research points of a technology of the given base cost for a team of
// `members` members at the team's difficulty level; 32-bit integer steps.
int32_t TechCostFor(int32_t baseCost, int32_t teamHandicap, int32_t members, const ResearchSettings& s);

}  // namespace tolvane
