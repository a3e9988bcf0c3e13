// Attitude parameters of every leader personality, in the order of the
// leader names; parameter 0 is the base attitude toward other players.
//
// Only the base attitude is read. The table carries the other parameters
// as the game's typical personality (row 1) has them, with the one leader
// whose parameters are known in full (row 11); the barbarians' row is zero.
#include "rules/Tables.h"

namespace tolvane {

namespace {

using AttitudeRow = std::array<int32_t, 56>;

constexpr AttitudeRow kTypical = {0,    2,    -2,   0,    -4,   -1,   -5,   5,    60,   1,    1,   10,   4,   -1,
                                  -5,   -1,   50,   2,    25,   2,    12,   2,    1,    8,    4,   1,    10,  2,
                                  -300, -100, -100, -200, -100, -250, -200, -100, 100,  -100, 100, -100, 100, -100,
                                  100,  -100, 0,    -100, 50,   -100, -100, 0,    -100, -100, 0,   0,    10,  0};

constexpr AttitudeRow kRow11 = {2,    0,    0,    1,    -2,   -1,   -5,   5,    60,   1,    1,   10,   4,   -1,
                                -5,   -1,   50,   2,    25,   2,    12,   2,    1,    8,    2,   1,    10,  6,
                                -300, -100, -100, -200, -100, -250, -200, -100, 100,  -100, 100, -100, 100, -100,
                                100,  -100, 0,    -100, 50,   -100, -100, 0,    -100, -100, 0,   0,    5,   0};

constexpr std::array<int32_t, kLeaders> kBaseAttitude = {0, 0, 1,  0,  1, -1, 1,  0,  1, 1,  1,  2,  -1,
                                                         0, 1, 0,  -1, 0, 0,  0,  1,  0, -1, -1, -1, 0,
                                                         1, 0, -1, 1,  0, -1, -1, -1, 0, 0,  0};

constexpr std::array<AttitudeRow, kLeaders> BuildTable() {
  std::array<AttitudeRow, kLeaders> table{};
  for (int leader = 1; leader < kLeaders; ++leader) {
    table[size_t(leader)] = leader == 11 ? kRow11 : kTypical;
    table[size_t(leader)][0] = kBaseAttitude[size_t(leader)];
  }
  return table;
}

}  // namespace

const std::array<std::array<int32_t, 56>, kLeaders> kLeaderAttitudeTable = BuildTable();

}  // namespace tolvane
