#include "rules/Calendar.h"

#include <fmt/printf.h>

#include <array>
#include <cstddef>
#include <span>

#include "rules/Int32Math.h"
#include "rules/Limits.h"

namespace tolvane {

namespace {

// A stretch of the calendar: from the turn after `Bound` on, each turn adds
// `YearsPerTurn` years to `Year`, the year at the bound.
struct Segment {
  int32_t bound;
  int32_t year;
  int32_t yearsPerTurn;
};

constexpr Segment kMarathon[] = {{0, -4000, 15}, {200, -1000, 10}, {350, 500, 8},
                                 {390, 820, 5},  {480, 1270, 2},   {540, 1390, 1}};
constexpr Segment kEpic[] = {{0, -4000, 30}, {100, -1000, 15}, {240, 1100, 6},
                             {310, 1520, 3}, {380, 1730, 2},   {420, 1810, 1}};
constexpr Segment kNormal[] = {{0, -4000, 40}, {75, -1000, 25}, {135, 500, 20}, {160, 1000, 10},
                               {210, 1500, 5}, {270, 1800, 2},  {330, 1920, 1}};
constexpr Segment kQuick[] = {{0, -4000, 60},  {50, -1000, 35}, {80, 50, 30},   {110, 950, 15},
                              {135, 1325, 10}, {165, 1625, 5},  {220, 1900, 2}, {270, 2000, 1}};

constexpr std::array<std::span<const Segment>, kSpeeds> kCalendars = {kMarathon, kEpic, kNormal, kQuick};
constexpr std::array<int32_t, kSpeeds> kTurnLimits = {1200, 660, 460, 320};

}  // namespace

int32_t TurnLimit(int32_t speed) {
  if (speed < 0 || speed >= kSpeeds) return 0;
  return kTurnLimits[static_cast<size_t>(speed)];
}

int32_t Turn2Date(int32_t speed, int32_t turn, bool* wrapped) {
  if (speed < 0 || speed >= kSpeeds) return -9999;
  const auto segments = kCalendars[static_cast<size_t>(speed)];
  // The last segment whose bound the turn exceeds; turns at or below the
  // first bound extend the first segment.
  const Segment* seg = &segments.front();
  for (size_t i = segments.size(); i-- > 1;) {
    if (turn > segments[i].bound) {
      seg = &segments[i];
      break;
    }
  }
  // Turns far outside the game wrap like the game's 32-bit years.
  const int64_t year = seg->year + int64_t{seg->yearsPerTurn} * (int64_t{turn} - seg->bound);
  if (wrapped && !Fits32(year)) *wrapped = true;
  return Wrap32(year);
}

std::string DateTextPadded(int32_t year) {
  if (year < 0) return fmt::sprintf("%5dBC", -int64_t{year});
  if (year == 0) return "   1AD";
  return fmt::sprintf("%5dAD", year);
}

std::string DateTextPlain(int32_t year) {
  if (year < 0) return fmt::sprintf("%dBC", -int64_t{year});
  if (year == 0) return "1AD";
  return fmt::sprintf("%dAD", year);
}

}  // namespace tolvane
