#include "analysis/Research.h"

#include "rules/Int32Math.h"
#include "rules/ResearchCost.h"
#include "rules/Tables.h"

namespace tolvane {

int32_t GetTeamHandicap(const Analysis& a, int32_t team) {
  int64_t sum = 0;
  int32_t count = 0;
  for (int s = 0; s < kSlots; ++s) {
    if (a.playerAlive[size_t(s)] && a.GetTeam(s) == team) {
      sum += a.slots[size_t(s)].handicap;
      ++count;
    }
  }
  return count == 0 ? 3 : Wrap32(sum / count);
}

int32_t TechCost(const Analysis& a, int tech, int slot) {
  const int32_t team = a.GetTeam(slot);
  const bool valid = Analysis::ValidTeam(team);
  const ResearchSettings settings{.worldCostPercent = a.worldCostPercent,
                                  .speedCostPercent = a.speedCostPercent,
                                  .eraCostPercent = a.eraCostPercent};
  return TechCostFor(kTechInfo[size_t(tech)].cost, valid ? GetTeamHandicap(a, team) : 3,
                     valid ? a.teamMembers[size_t(team)] : 1, settings);
}

}  // namespace tolvane
