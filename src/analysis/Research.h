// Research cost of a technology for the team of a slot, from a loaded save.
#pragma once

#include "analysis/Model.h"

namespace tolvane {

// Average difficulty (truncated) of the team's living members; 3 when none.
int32_t GetTeamHandicap(const Analysis& a, int32_t team);

// Research points technology `tech` costs the team of `slot`. A slot whose
// team lies outside 0..18 counts one member at difficulty 3.
int32_t TechCost(const Analysis& a, int tech, int slot);

}  // namespace tolvane
