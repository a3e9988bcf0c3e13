// Length of the anarchy after a change of civics.
#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

#include "rules/Scores.h"

namespace tolvane {

namespace {

// The factor of a list's selected item; an item the list does not hold,
// and -1 for a list whose text was typed over, take `none`.
int32_t FactorOf(std::span<const int32_t> byItem, int32_t item, int32_t none) {
  if (item < 0 || item >= static_cast<int32_t>(byItem.size())) return none;
  return byItem[static_cast<size_t>(item)];
}

constexpr std::array<int32_t, 6> kCityWeightByWorldSize = {11, 10, 9, 8, 7, 6};
constexpr std::array<int32_t, 4> kPercentBySpeed = {200, 150, 100, 67};
constexpr std::array<int32_t, 7> kPercentByEra = {50, 50, 40, 40, 34, 34, 34};

}  // namespace

int32_t AnarchyLength(int32_t civics, int32_t cities, int32_t worldSizeItem, int32_t gameSpeedItem,
                      int32_t startEraItem) {
  const int32_t k = std::clamp(civics, 0, 5);
  const int32_t n = std::clamp(cities, 0, 1000);
  const int32_t w = FactorOf(kCityWeightByWorldSize, worldSizeItem, 8);
  const int32_t s = FactorOf(kPercentBySpeed, gameSpeedItem, 2);
  const int32_t e = FactorOf(kPercentByEra, startEraItem, 0);
  int32_t length = k + 1 + n * w / 100;
  length = length * s / 100;
  length = length * e / 100;
  // A change of civics always costs at least one turn.
  if (k > 0 && length < 1) length = 1;
  return length;
}

}  // namespace tolvane
