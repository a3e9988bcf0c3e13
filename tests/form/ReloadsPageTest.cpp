// The "Reloads" page: the session list and the play-session statistics.
#include <gtest/gtest.h>

#include "FormFixture.h"

namespace tolvane::form::testing {
namespace {

using Strings = std::vector<std::string>;

Analysis ThreeSessions() {
  Analysis a = SmallGame();
  a.sessionTurns = {0, 57, 120};
  a.sessions = 4;
  a.preSessions = 1;
  a.playTime = 7384;
  return a;
}

TEST_F(ReloadsPageTest, SessionListNumbersSessionsWithTheirYears) {
  Show(ThreeSessions());
  EXPECT_EQ(form_.reloads.sessionList.Lines(), (Strings{"  1 -4000", "  2 -1720", "  3   125"}));
  // The grid beside the list: each session with its turn and year.
  const Grid& grid = form_.reloads.sessionTurns;
  ASSERT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(Row(grid, 0), (Strings{"№", "Turn", "Year"}));
  EXPECT_EQ(Row(grid, 2), (Strings{"  2", "   57", " -1720"}));
  EXPECT_EQ(Row(grid, 3), (Strings{"  3", "  120", "   125"}));
  EXPECT_EQ(form_.reloads.sessions.Text(), "     4");
  EXPECT_EQ(form_.reloads.preSessions.Text(), "1");
  EXPECT_EQ(form_.reloads.playSessions.Text(), "     3");
  EXPECT_EQ(form_.reloads.averageSessionTime.Text(), "   0:41:01");  // 7384 s / 3
}

TEST_F(ReloadsPageTest, PreSessionsEditRecomputesOnEveryChange) {
  Show(ThreeSessions());
  form_.reloads.preSessions.SetText("2");
  EXPECT_EQ(form_.reloads.playSessions.Text(), "     2");
  EXPECT_EQ(form_.reloads.averageSessionTime.Text(), "   1:01:32");
  EXPECT_EQ(form_.reloads.PlaySessions(), 2);
  EXPECT_EQ(form_.Model().preSessions, 1);  // the save's count stays as it was read
  form_.reloads.preSessions.SetText("  4 ");
  EXPECT_EQ(form_.reloads.playSessions.Text(), "     0");
  EXPECT_EQ(form_.reloads.averageSessionTime.Text(), "   0:00:00");
  EXPECT_TRUE(form_.Messages().empty());
}

// More sessions before play than sessions at all would count a negative
// number of play sessions: such a count is refused like a text that is no
// number, naming the field and its range, and the statistics stay.
TEST_F(ReloadsPageTest, PreSessionsOutsideItsRangeIsRefused) {
  Show(ThreeSessions());
  form_.reloads.preSessions.SetText("3");
  for (const char* text : {"5", "-1", "x"}) {
    form_.reloads.preSessions.SetText(text);
    EXPECT_EQ(form_.reloads.playSessions.Text(), "     1") << text;
    EXPECT_TRUE(form_.reloads.preSessions.Marked()) << text;
    EXPECT_EQ(form_.FieldOfMessage(form_.Messages().size() - 1), &form_.reloads.preSessions);
  }
  EXPECT_EQ(form_.Messages(),
            (Strings{"PreSessions must be a whole number from 0 to 4.",
                     "PreSessions must be a whole number from 0 to 4.", "'x' is not a valid integer value"}));
  form_.reloads.preSessions.SetText("4");
  EXPECT_FALSE(form_.reloads.preSessions.Marked());
  EXPECT_EQ(form_.reloads.playSessions.Text(), "     0");
}

TEST_F(ReloadsPageTest, PreSessionsThatIsNoIntegerKeepsTheStatistics) {
  Show(ThreeSessions());
  form_.reloads.preSessions.SetText("2");
  for (const char* text : {"x", ""}) {
    form_.reloads.preSessions.SetText(text);
    EXPECT_EQ(form_.Messages().back(), "'" + std::string(text) + "' is not a valid integer value");
    EXPECT_EQ(form_.reloads.preSessions.Text(), text);
    EXPECT_EQ(form_.reloads.playSessions.Text(), "     2");
    EXPECT_EQ(form_.reloads.averageSessionTime.Text(), "   1:01:32");
    EXPECT_EQ(form_.reloads.PlaySessions(), 2);
  }
  EXPECT_EQ(form_.Messages().size(), 2u);

  // The next load writes its own count of sessions before play.
  Show(ThreeSessions());
  EXPECT_EQ(form_.reloads.preSessions.Text(), "1");
  EXPECT_EQ(form_.reloads.playSessions.Text(), "     3");
}

TEST_F(ReloadsPageTest, NoSessionMeansOnePlaySessionOfTheWholePlayTime) {
  Analysis a = SmallGame();
  a.playTime = 7384;
  Show(a);
  EXPECT_TRUE(form_.reloads.sessionList.Lines().empty());
  EXPECT_EQ(form_.reloads.sessions.Text(), "     1");
  EXPECT_EQ(form_.reloads.preSessions.Text(), "0");
  EXPECT_EQ(form_.reloads.playSessions.Text(), "     1");
  EXPECT_EQ(form_.reloads.averageSessionTime.Text(), "   2:03:04");
}

TEST_F(ReloadsPageTest, PreSessionsBeforeAnyLoadUsesTheEmptyGame) {
  form_.reloads.preSessions.SetText("0");
  EXPECT_EQ(form_.reloads.playSessions.Text(), "     1");
  EXPECT_EQ(form_.reloads.averageSessionTime.Text(), "   0:00:00");
}

}  // namespace
}  // namespace tolvane::form::testing
