// The "Reloads" page: the session list and the play-session statistics.
#include <gtest/gtest.h>

#include "FormFixture.h"

namespace tolvane::ui::testing {
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

TEST_F(FormTest, SessionListNumbersSessionsWithTheirYears) {
  Show(ThreeSessions());
  EXPECT_EQ(form_.sessionListBox.Lines(), (Strings{"  1 -4000", "  2 -1720", "  3   125"}));
  EXPECT_EQ(form_.edit9.Text(), "     4");
  EXPECT_EQ(form_.edit11.Text(), "1");
  EXPECT_EQ(form_.edit10.Text(), "     3");
  EXPECT_EQ(form_.edit12.Text(), "   0:41:01");  // 7384 s / 3
}

TEST_F(FormTest, PreSessionsEditRecomputesOnEveryChange) {
  Show(ThreeSessions());
  form_.SetEditText("Edit11", "2");
  EXPECT_EQ(form_.edit10.Text(), "     2");
  EXPECT_EQ(form_.edit12.Text(), "   1:01:32");
  EXPECT_EQ(form_.Model().preSessions, 2);
  form_.SetEditText("Edit11", "  4 ");
  EXPECT_EQ(form_.edit10.Text(), "     0");
  EXPECT_EQ(form_.edit12.Text(), "   0:00:00");
  form_.SetEditText("Edit11", "9");
  EXPECT_EQ(form_.edit10.Text(), "    -5");
  EXPECT_EQ(form_.edit12.Text(), "   0:00:00");
  EXPECT_TRUE(form_.Messages().empty());
}

TEST_F(FormTest, PreSessionsThatIsNoIntegerKeepsTheStatistics) {
  Show(ThreeSessions());
  form_.SetEditText("Edit11", "2");
  for (const char* text : {"x", ""}) {
    form_.SetEditText("Edit11", text);
    EXPECT_EQ(form_.Messages().back(), "'" + std::string(text) + "' is not a valid integer value");
    EXPECT_EQ(form_.edit11.Text(), text);
    EXPECT_EQ(form_.edit10.Text(), "     2");
    EXPECT_EQ(form_.edit12.Text(), "   1:01:32");
    EXPECT_EQ(form_.Model().preSessions, 2);
  }
  EXPECT_EQ(form_.Messages().size(), 2u);

  // The next load writes its own count of sessions before play.
  Show(ThreeSessions());
  EXPECT_EQ(form_.edit11.Text(), "1");
  EXPECT_EQ(form_.edit10.Text(), "     3");
}

TEST_F(FormTest, NoSessionMeansOnePlaySessionOfTheWholePlayTime) {
  Analysis a = SmallGame();
  a.playTime = 7384;
  Show(a);
  EXPECT_TRUE(form_.sessionListBox.Lines().empty());
  EXPECT_EQ(form_.edit9.Text(), "     1");
  EXPECT_EQ(form_.edit11.Text(), "0");
  EXPECT_EQ(form_.edit10.Text(), "     1");
  EXPECT_EQ(form_.edit12.Text(), "   2:03:04");
}

TEST(FormStart, PreSessionsBeforeAnyLoadUsesTheEmptyGame) {
  Form form;
  form.SetEditText("Edit11", "0");
  EXPECT_EQ(form.edit10.Text(), "     1");
  EXPECT_EQ(form.edit12.Text(), "   0:00:00");
}

}  // namespace
}  // namespace tolvane::ui::testing
