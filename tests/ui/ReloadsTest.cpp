// The "Reloads" page: the session list and the play-session statistics.
#include <gtest/gtest.h>

#include "FormFixture.h"

namespace tolvane::ui::testing {
namespace {

using Strings = std::vector<std::string>;

Analysis ThreeSessions() {
  Analysis a = SmallGame();
  a.SessionTurns = {0, 57, 120};
  a.Sessions = 4;
  a.PreSessions = 1;
  a.PlayTime = 7384;
  return a;
}

TEST_F(FormTest, SessionListNumbersSessionsWithTheirYears) {
  Show(ThreeSessions());
  EXPECT_EQ(form.SessionListBox.Lines(), (Strings{"  1 -4000", "  2 -1720", "  3   125"}));
  EXPECT_EQ(form.Edit9.Text(), "     4");
  EXPECT_EQ(form.Edit11.Text(), "1");
  EXPECT_EQ(form.Edit10.Text(), "     3");
  EXPECT_EQ(form.Edit12.Text(), "   0:41:01");  // 7384 s / 3
}

TEST_F(FormTest, PreSessionsEditRecomputesOnEveryChange) {
  Show(ThreeSessions());
  form.SetEditText("Edit11", "2");
  EXPECT_EQ(form.Edit10.Text(), "     2");
  EXPECT_EQ(form.Edit12.Text(), "   1:01:32");
  EXPECT_EQ(form.Model().PreSessions, 2);
  form.SetEditText("Edit11", "  4 ");
  EXPECT_EQ(form.Edit10.Text(), "     0");
  EXPECT_EQ(form.Edit12.Text(), "   0:00:00");
  form.SetEditText("Edit11", "9");
  EXPECT_EQ(form.Edit10.Text(), "    -5");
  EXPECT_EQ(form.Edit12.Text(), "   0:00:00");
  EXPECT_TRUE(form.Messages().empty());
}

TEST_F(FormTest, PreSessionsThatIsNoIntegerKeepsTheStatistics) {
  Show(ThreeSessions());
  form.SetEditText("Edit11", "2");
  for (const char* text : {"x", ""}) {
    form.SetEditText("Edit11", text);
    EXPECT_EQ(form.Messages().back(), "'" + std::string(text) + "' is not a valid integer value");
    EXPECT_EQ(form.Edit11.Text(), text);
    EXPECT_EQ(form.Edit10.Text(), "     2");
    EXPECT_EQ(form.Edit12.Text(), "   1:01:32");
    EXPECT_EQ(form.Model().PreSessions, 2);
  }
  EXPECT_EQ(form.Messages().size(), 2u);

  // The next load writes its own count of sessions before play.
  Show(ThreeSessions());
  EXPECT_EQ(form.Edit11.Text(), "1");
  EXPECT_EQ(form.Edit10.Text(), "     3");
}

TEST_F(FormTest, NoSessionMeansOnePlaySessionOfTheWholePlayTime) {
  Analysis a = SmallGame();
  a.PlayTime = 7384;
  Show(a);
  EXPECT_TRUE(form.SessionListBox.Lines().empty());
  EXPECT_EQ(form.Edit9.Text(), "     1");
  EXPECT_EQ(form.Edit11.Text(), "0");
  EXPECT_EQ(form.Edit10.Text(), "     1");
  EXPECT_EQ(form.Edit12.Text(), "   2:03:04");
}

TEST(FormStart, PreSessionsBeforeAnyLoadUsesTheEmptyGame) {
  Form form;
  form.SetEditText("Edit11", "0");
  EXPECT_EQ(form.Edit10.Text(), "     1");
  EXPECT_EQ(form.Edit12.Text(), "   0:00:00");
}

}  // namespace
}  // namespace tolvane::ui::testing
