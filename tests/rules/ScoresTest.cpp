#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "rules/Scores.h"

namespace tolvane {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(GameScorePart, PartOfTheGameScore) {
  struct Case {
    int32_t value, maximum, factor, expected;
  };
  const Case cases[] = {
      {1200, 5000, 5000, 1200},                         // 1200/5000 is inexact, the product is exactly 1200.0
      {10, 3, 2000, 6666},      {-10, 3, 2000, -6666},  // truncated toward zero
      {777, 777, 5000, 5000},   {500, 0, 5000, 0},
      {500, -5, 5000, 0},       {3, 1, 1 << 30, -1073741824},  // 3221225472 keeps its low 32 bits
      {kMax, 1, kMax, 0},                                      // 2^62 - 2^32 after rounding to a double
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " " << c.maximum << " " << c.factor);
    EXPECT_EQ(GameScorePart(c.value, c.maximum, c.factor), c.expected);
  }
}

TEST(FinalScorePart, PartOfTheFinalScore) {
  struct Case {
    const char* what;
    int32_t value, initial, maximum, factor, turn, limit;
    double coefficient;
    int32_t expected;
  };
  const Case cases[] = {
      {"worked example, e = 10 * 40^0.5", 100, 10, 400, 5000, 230, 460, 1.0, 7905},
      {"ratio 41.9 cut to 41 before the power", 100, 10, 419, 5000, 230, 460, 1.0, 7808},
      {"difficulty coefficient applies last", 100, 10, 400, 5000, 230, 460, 2.0, 15811},
      {"turn 0 expects the initial value", 100, 10, 400, 5000, 0, 460, 1.0, 50000},
      {"turn limit expects initial times the whole ratio", 100, 10, 419, 5000, 460, 460, 1.0, 1219},
      {"no initial value: straight line to the maximum", 100, 0, 400, 5000, 460, 460, 1.0, 1250},
      {"no initial value at turn 0 expects nothing", 100, 0, 400, 5000, 0, 460, 1.0, 0},
      {"non-positive maximum on the straight line", 100, 0, -400, 5000, 230, 460, 1.0, 0},
      {"ratio 0 after turn 0", 100, 10, 5, 5000, 230, 460, 1.0, 0},
      {"ratio 0 before turn 0: infinite expectation", 100, 10, 5, 5000, -230, 460, 1.0, 0},
      {"turn limit 0 counts as 1200", 100, 0, 400, 5000, 600, 0, 1.0, 2500},
      {"negative ratio with a whole exponent", 100, 10, -400, 5000, 460, 460, 1.0, 0},
      {"factor * value wraps like 32-bit", 100000, 0, 1, 100000, 460, 460, 1.0, 1410065408},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(FinalScorePart(c.value, c.initial, c.maximum, c.factor, c.turn, c.limit, c.coefficient), c.expected);
  }
}

TEST(FinalScorePart, ThrowsWhereThereIsNoValue) {
  // A negative ratio has no square root.
  EXPECT_THROW(FinalScorePart(100, 10, -400, 5000, 230, 460, 1.0), CalcError);
  // Far beyond the range of a 64-bit integer, or no number at all.
  EXPECT_THROW(FinalScorePart(100, 10, 400, 5000, 0, 460, 1e30), CalcError);
  EXPECT_THROW(FinalScorePart(100, 10, 400, 5000, 0, 460, std::nan("")), CalcError);
  EXPECT_THROW(FinalScorePart(100, 10, 400, 5000, 0, 460, std::numeric_limits<double>::infinity()), CalcError);
  try {
    FinalScorePart(100, 10, -400, 5000, 230, 460, 1.0);
  } catch (const CalcError& e) {
    EXPECT_STREQ(e.what(), "Invalid floating point operation");
  }
}

TEST(KavrelScorePart, ComponentOfTheKavrelScore) {
  struct Case {
    const char* what;
    int32_t factor, turn;
    double current, maximum;
    int32_t limit, expected;
  };
  const Case cases[] = {
      {"at the turn limit: factor * current / maximum", 2500, 1000, 300, 1000, 1000, 750},
      {"turn 0: factor times current", 2500, 0, 12.34, 500, 460, 30850},
      {"turn component at turn 0", 2500, 0, 0, 460, 460, 0},
      {"turn 230 of 460: 26809.51", 2500, 230, 230, 460, 460, 26810},
      {"halves to even: 122.5", 1, 0, 122.5, 10, 460, 122},
      {"halves to even: 123.5", 1, 0, 123.5, 10, 460, 124},
      {"halves to even: 2.5", 1, 0, 2.5, 10, 460, 2},
      {"halves to even: -2.5", 1, 0, -2.5, 10, 460, -2},
      {"halves to even: -3.5", 1, 0, -3.5, 10, 460, -4},
      {"just above a half", 1, 0, 2.5000001, 10, 460, 3},
      {"maximum 0 after turn 0", 2500, 230, 300, 0, 460, -1},
      {"maximum 0 before turn 0: infinite power", 2500, -230, 300, 0, 460, 0},
      {"negative maximum at the turn limit", 2500, 460, 300, -1000, 460, -1},
      {"turn limit 0 counts as 1200", 2500, 1200, 300, 1000, 0, 750},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(KavrelScorePart(c.factor, c.turn, c.current, c.maximum, c.limit), c.expected);
  }
}

TEST(KavrelScorePart, ThrowsWhereThereIsNoValue) {
  EXPECT_THROW(KavrelScorePart(2500, 230, 300, -1000, 460), CalcError);
  // A maximum below 1 raised to the 7th power leaves a divisor of 1e-14.
  EXPECT_THROW(KavrelScorePart(2500, 7, 300, 0.01, 1), CalcError);
}

TEST(DiffCoeffOf, TableOfLevels) {
  const double expected[] = {0.4, 0.6, 0.8, 1.0, 1.2, 1.4, 1.6, 1.8, 2.0};
  for (int32_t level = 0; level < 9; ++level) EXPECT_EQ(DiffCoeffOf(level), expected[level]) << level;
  EXPECT_EQ(DiffCoeffOf(-1), 1.0);
  EXPECT_EQ(DiffCoeffOf(9), 1.0);
}

TEST(AnarchyLength, TurnsOfAnarchy) {
  struct Case {
    const char* what;
    int32_t civics, cities, world, speed, era, expected;
  };
  const Case cases[] = {
      {"initial values", 0, 10, 3, 2, 0, 0},
      {"two civics", 2, 10, 3, 2, 0, 1},
      {"largest", 5, 1000, 0, 0, 0, 116},
      {"7 civics count as 5, 5000 cities as 1000", 7, 5000, 0, 0, 0, 116},
      {"negative counts count as 0", -3, -3, 3, 2, 0, 0},
      {"raised to one turn", 1, 10, 5, 3, 6, 1},
      {"typed era: e = 0, with civics", 1, 10, 3, 2, -1, 1},
      {"typed era: e = 0, without civics", 0, 10, 3, 2, -1, 0},
      {"typed speed: s = 2", 5, 1000, 0, -1, 0, 1},
      {"typed world size: w = 8", 0, 1000, -1, 0, 0, 81},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(AnarchyLength(c.civics, c.cities, c.world, c.speed, c.era), c.expected);
  }
}

TEST(Attitudes, ConstantTerms) {
  EXPECT_EQ(BaseAttitude(11), 2);
  EXPECT_EQ(BaseAttitude(5), -1);
  EXPECT_EQ(BaseAttitude(0), 0);
  EXPECT_EQ(BaseAttitude(-4), 0);  // counts as row 0
  EXPECT_EQ(BaseAttitude(2), 1);
  EXPECT_EQ(BaseAttitude(37), 0);  // beyond the table: the barbarian row

  const int32_t handicap[][2] = {{0, 2}, {1, 1}, {2, 0}, {3, -1}, {8, -1}, {9, -1}, {-1, -1}};
  for (const auto& [level, term] : handicap) EXPECT_EQ(HandicapAttitude(level), term) << level;

  EXPECT_EQ(AggressiveAIAttitude(true, 3), -2);
  EXPECT_EQ(AggressiveAIAttitude(true, 1), 0);
  EXPECT_EQ(AggressiveAIAttitude(false, 3), 0);
}

}  // namespace
}  // namespace tolvane
