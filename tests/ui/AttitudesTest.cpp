// The "Attitudes" page: the constant terms of one leader toward another.
#include <gtest/gtest.h>

#include "FormFixture.h"

namespace tolvane::ui::testing {
namespace {

Analysis AttitudeGame() {
  Analysis a = SmallGame();
  a.leaderPersonality = {5, 11, 5};
  a.leaderPersonality[18] = 0;
  a.slots[2].handicap = 0;
  a.gameOptions[5] = 1;  // "Aggressive AI"
  return a;
}

std::vector<std::string> Terms(const Form& form) {
  return {form.baseAttitudeE.Text(), form.handicapAttitudeE.Text(), form.aggressiveAie.Text()};
}

TEST_F(FormTest, AttitudesOfTheSelectedLeaders) {
  Show(AttitudeGame());
  // A fresh load shows the first player toward itself: a human at Noble.
  EXPECT_EQ(Terms(form_), (std::vector<std::string>{"    -1", "    -1", "    -2"}));
  form_.SelectItem("AttLeaderSel1", 1);
  EXPECT_EQ(form_.baseAttitudeE.Text(), "     2");
  form_.SelectItem("AttLeaderSel1", 3);  // the barbarians
  EXPECT_EQ(form_.baseAttitudeE.Text(), "     0");
  form_.SelectItem("AttLeaderSel2", 1);  // a computer player at Prince
  EXPECT_EQ(form_.handicapAttitudeE.Text(), "    -1");
  EXPECT_EQ(form_.aggressiveAie.Text(), "     0");
  form_.SelectItem("AttLeaderSel2", 2);  // at Settler
  EXPECT_EQ(form_.handicapAttitudeE.Text(), "     2");
}

TEST_F(FormTest, AttitudesWithoutSelectionShowTheSecondPlayerTowardTheFirst) {
  Show(AttitudeGame());
  form_.TypeComboText("AttLeaderSel1", "Bob");
  form_.TypeComboText("AttLeaderSel2", "x");
  EXPECT_EQ(Terms(form_), (std::vector<std::string>{"     2", "    -1", "    -2"}));

  Analysis a = AttitudeGame();
  a.gameOptions[5] = 0;
  Show(a);
  EXPECT_EQ(form_.aggressiveAie.Text(), "     0");
}

TEST_F(FormTest, AttitudesKeepTheirTextsForAProtectedRestrictedSave) {
  Analysis a = AttitudeGame();
  a.leaderPersonality[0] = 11;
  Show(a);
  ASSERT_EQ(form_.baseAttitudeE.Text(), "     2");
  a = AttitudeGame();
  a.slots[0].password = "pw";
  a.restrictedView = true;
  Show(a);
  EXPECT_EQ(form_.baseAttitudeE.Text(), "     2");
  a.restrictedView = false;  // the password alone does not stop the page
  Show(a);
  EXPECT_EQ(form_.baseAttitudeE.Text(), "    -1");
}

}  // namespace
}  // namespace tolvane::ui::testing
