// The constant terms of one leader's attitude toward another.
#include <cstddef>

#include "rules/GameCodes.h"
#include "rules/Scores.h"
#include "rules/Tables.h"

namespace tolvane {

// A personality outside the table takes the barbarian row, whose base
// attitude is 0.
int32_t BaseAttitude(int32_t leaderPersonality) {
  const int32_t row = leaderPersonality >= 0 && leaderPersonality < kLeaders ? leaderPersonality : 0;
  return kLeaderAttitudeTable[static_cast<size_t>(row)][0];
}

// Leaders like players on the easiest levels more.
int32_t HandicapAttitude(int32_t handicap) {
  switch (handicap) {
    case 0:
      return 2;
    case 1:
      return 1;
    case 2:
      return 0;
    default:
      return -1;
  }
}

int32_t AggressiveAIAttitude(bool aggressiveAIOption, int32_t slotStatus) {
  return aggressiveAIOption && slotStatus == kSlotHuman ? -2 : 0;
}

}  // namespace tolvane
