// The "Attitudes" page: the constant terms of one leader toward another.
#include <gtest/gtest.h>

#include "FormFixture.h"

namespace tolvane::ui::testing {
namespace {

Analysis AttitudeGame() {
  Analysis a = SmallGame();
  a.LeaderPersonality = {5, 11, 5};
  a.LeaderPersonality[18] = 0;
  a.LeaderInfo[2].Handicap = 0;
  a.GameOptions[5] = 1;  // "Aggressive AI"
  return a;
}

std::vector<std::string> Terms(const Form& form) {
  return {form.BaseAttitudeE.Text(), form.HandicapAttitudeE.Text(), form.AggressiveAIE.Text()};
}

TEST_F(FormTest, AttitudesOfTheSelectedLeaders) {
  Show(AttitudeGame());
  // A fresh load shows the first player toward itself: a human at Noble.
  EXPECT_EQ(Terms(form), (std::vector<std::string>{"    -1", "    -1", "    -2"}));
  form.SelectItem("AttLeaderSel1", 1);
  EXPECT_EQ(form.BaseAttitudeE.Text(), "     2");
  form.SelectItem("AttLeaderSel1", 3);  // the barbarians
  EXPECT_EQ(form.BaseAttitudeE.Text(), "     0");
  form.SelectItem("AttLeaderSel2", 1);  // a computer player at Prince
  EXPECT_EQ(form.HandicapAttitudeE.Text(), "    -1");
  EXPECT_EQ(form.AggressiveAIE.Text(), "     0");
  form.SelectItem("AttLeaderSel2", 2);  // at Settler
  EXPECT_EQ(form.HandicapAttitudeE.Text(), "     2");
}

TEST_F(FormTest, AttitudesWithoutSelectionShowTheSecondPlayerTowardTheFirst) {
  Show(AttitudeGame());
  form.TypeComboText("AttLeaderSel1", "Bob");
  form.TypeComboText("AttLeaderSel2", "x");
  EXPECT_EQ(Terms(form), (std::vector<std::string>{"     2", "    -1", "    -2"}));

  Analysis a = AttitudeGame();
  a.GameOptions[5] = 0;
  Show(a);
  EXPECT_EQ(form.AggressiveAIE.Text(), "     0");
}

TEST_F(FormTest, AttitudesKeepTheirTextsForAProtectedRestrictedSave) {
  Analysis a = AttitudeGame();
  a.LeaderPersonality[0] = 11;
  Show(a);
  ASSERT_EQ(form.BaseAttitudeE.Text(), "     2");
  a = AttitudeGame();
  a.LeaderInfo[0].Password = "pw";
  a.RestrictedView = true;
  Show(a);
  EXPECT_EQ(form.BaseAttitudeE.Text(), "     2");
  a.RestrictedView = false;  // the password alone does not stop the page
  Show(a);
  EXPECT_EQ(form.BaseAttitudeE.Text(), "    -1");
}

}  // namespace
}  // namespace tolvane::ui::testing
