// The "Attitudes" page: the constant terms of one leader toward another.
#include <gtest/gtest.h>

#include "FormFixture.h"

namespace tolvane::form::testing {
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
  return {form.attitudes.baseAttitude.Text(), form.attitudes.handicapAttitude.Text(),
          form.attitudes.aggressiveAiAttitude.Text()};
}

TEST_F(AttitudesPageTest, TermsOfTheSelectedLeaders) {
  Show(AttitudeGame());
  // A fresh load shows the first player toward itself: a human at Noble.
  EXPECT_EQ(Terms(form_), (std::vector<std::string>{"    -1", "    -1", "    -2"}));
  form_.attitudes.leaderSelector.Select(1);
  EXPECT_EQ(form_.attitudes.baseAttitude.Text(), "     2");
  form_.attitudes.leaderSelector.Select(3);  // the barbarians
  EXPECT_EQ(form_.attitudes.baseAttitude.Text(), "     0");
  form_.attitudes.towardSelector.Select(1);  // a computer player at Prince
  EXPECT_EQ(form_.attitudes.handicapAttitude.Text(), "    -1");
  EXPECT_EQ(form_.attitudes.aggressiveAiAttitude.Text(), "     0");
  form_.attitudes.towardSelector.Select(2);  // at Settler
  EXPECT_EQ(form_.attitudes.handicapAttitude.Text(), "     2");
}

TEST_F(AttitudesPageTest, WithoutSelectionTheSecondPlayerTowardTheFirst) {
  Show(AttitudeGame());
  form_.attitudes.leaderSelector.Type("Bob");
  form_.attitudes.towardSelector.Type("x");
  EXPECT_EQ(Terms(form_), (std::vector<std::string>{"     2", "    -1", "    -2"}));

  Analysis a = AttitudeGame();
  a.gameOptions[5] = 0;
  Show(a);
  EXPECT_EQ(form_.attitudes.aggressiveAiAttitude.Text(), "     0");
}

TEST_F(AttitudesPageTest, ShowNothingOfTheSaveBeforeForAProtectedRestrictedSave) {
  Analysis a = AttitudeGame();
  a.leaderPersonality[0] = 11;
  Show(a);
  ASSERT_EQ(form_.attitudes.baseAttitude.Text(), "     2");
  a = AttitudeGame();
  a.slots[0].password = "pw";
  a.restrictedView = true;
  Show(a);
  EXPECT_EQ(form_.attitudes.baseAttitude.Text(), "");
  a.restrictedView = false;  // the password alone does not stop the page
  Show(a);
  EXPECT_EQ(form_.attitudes.baseAttitude.Text(), "    -1");
}

}  // namespace
}  // namespace tolvane::form::testing
