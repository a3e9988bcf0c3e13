#include <gtest/gtest.h>

#include <limits>

#include "rules/Calendar.h"

namespace tolvane {
namespace {

struct DateCase {
  int32_t speed;
  int32_t turn;
  int32_t year;
};

// Every bound of every speed and the turn after it, so a wrong bound, rate
// or start year shows up as a jump in the calendar.
constexpr DateCase kDates[] = {
    // Marathon
    {0, 0, -4000},
    {0, 200, -1000},
    {0, 201, -990},
    {0, 300, 0},
    {0, 350, 500},
    {0, 351, 508},
    {0, 390, 820},
    {0, 391, 825},
    {0, 480, 1270},
    {0, 481, 1272},
    {0, 540, 1390},
    {0, 541, 1391},
    {0, 1200, 2050},
    {0, 1300, 2150},
    // Epic
    {1, 0, -4000},
    {1, 100, -1000},
    {1, 101, -985},
    {1, 240, 1100},
    {1, 241, 1106},
    {1, 310, 1520},
    {1, 311, 1523},
    {1, 380, 1730},
    {1, 381, 1732},
    {1, 420, 1810},
    {1, 421, 1811},
    {1, 660, 2050},
    // Normal
    {2, -1, -4040},
    {2, 0, -4000},
    {2, 75, -1000},
    {2, 76, -975},
    {2, 115, 0},
    {2, 135, 500},
    {2, 136, 520},
    {2, 160, 1000},
    {2, 161, 1010},
    {2, 210, 1500},
    {2, 211, 1505},
    {2, 270, 1800},
    {2, 271, 1802},
    {2, 330, 1920},
    {2, 331, 1921},
    {2, 460, 2050},
    // Quick
    {3, 0, -4000},
    {3, 50, -1000},
    {3, 51, -965},
    {3, 80, 50},
    {3, 81, 80},
    {3, 110, 950},
    {3, 111, 965},
    {3, 135, 1325},
    {3, 136, 1335},
    {3, 165, 1625},
    {3, 166, 1630},
    {3, 220, 1900},
    {3, 221, 1902},
    {3, 270, 2000},
    {3, 271, 2001},
    {3, 320, 2050},
    // No such speed
    {4, 100, -9999},
    {-1, 100, -9999},
    {-1, -5, -9999},
};

TEST(Turn2Date, FollowsTheCalendarOfEachSpeed) {
  for (const auto& c : kDates) {
    SCOPED_TRACE(testing::Message() << "speed " << c.speed << " turn " << c.turn);
    EXPECT_EQ(Turn2Date(c.speed, c.turn), c.year);
  }
}

TEST(Turn2Date, EverySpeedEndsIn2050AtItsTurnLimit) {
  EXPECT_EQ(TurnLimit(0), 1200);
  EXPECT_EQ(TurnLimit(1), 660);
  EXPECT_EQ(TurnLimit(2), 460);
  EXPECT_EQ(TurnLimit(3), 320);
  EXPECT_EQ(TurnLimit(4), 0);
  EXPECT_EQ(TurnLimit(-1), 0);
  for (int32_t speed = 0; speed < 4; ++speed) EXPECT_EQ(Turn2Date(speed, TurnLimit(speed)), 2050);
}

// Turns no save holds still give a year, wrapped like the game's 32-bit
// years, and never overflow.
TEST(Turn2Date, ExtremeTurnsWrapAround) {
  EXPECT_EQ(Turn2Date(3, std::numeric_limits<int32_t>::max()), -2147481919);
  EXPECT_EQ(Turn2Date(3, std::numeric_limits<int32_t>::min()), -4000);
  EXPECT_EQ(Turn2Date(0, std::numeric_limits<int32_t>::min()), 2147479648);
}

TEST(DateText, PaddedAndPlainForms) {
  struct Case {
    int32_t year;
    const char* padded;
    const char* plain;
  };
  const Case cases[] = {
      {-4000, " 4000BC", "4000BC"},
      {-1, "    1BC", "1BC"},
      {0, "   1AD", "1AD"},
      {50, "   50AD", "50AD"},
      {2050, " 2050AD", "2050AD"},
      {-9999, " 9999BC", "9999BC"},
      {123456, "123456AD", "123456AD"},
      {std::numeric_limits<int32_t>::min(), "2147483648BC", "2147483648BC"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.year);
    EXPECT_EQ(DateTextPadded(c.year), c.padded);
    EXPECT_EQ(DateTextPlain(c.year), c.plain);
  }
}

}  // namespace
}  // namespace tolvane
