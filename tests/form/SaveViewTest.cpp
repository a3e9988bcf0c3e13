// How much of a save the pages show: the restricted view, the not-available
// mode, and the player selectors.
#include <gtest/gtest.h>

#include "FormFixture.h"

namespace tolvane::form::testing {
namespace {

using Strings = std::vector<std::string>;

// The detail rule: restricted view (admin password, game running) and the
// not-available mode (slot 0's password), apart and together.
TEST_F(SaveViewTest, RestrictedViewShowsOnlyTeamsMetByTeamZero) {
  Analysis a = SmallGame();
  a.restrictedView = true;
  a.hasMet[0][1] = 0;
  a.replay.push_back({5, "Founded", 0});
  Show(a);
  EXPECT_EQ(Row(form_.leaders.leaders, 2), (Strings{" 2", " ", " ", " ", " ", " ", " ", " ", " ", " "}));
  EXPECT_EQ(form_.leaders.leaders.Cell(2, 1), "    500");
  EXPECT_EQ(form_.leaders.leaders.Cell(1, 19), "Barbarians");
  EXPECT_EQ(Row(form_.teams.teams, 2), (Strings{" 1", " ", " ", " ", " ", " ", " ", " "}));
  EXPECT_EQ(form_.teams.teams.Cell(1, 19), "Barbarians");
  EXPECT_TRUE(form_.replay.replay.Lines().empty());
  EXPECT_FALSE(form_.playerLog.playerSelector.Visible());
  EXPECT_FALSE(form_.player.playerSelector.Visible());
  EXPECT_FALSE(form_.cities.playerSelector.Visible());
  EXPECT_TRUE(form_.replay.Visible());
}

TEST_F(SaveViewTest, NotAvailableAndRestrictedTogetherShowNamesOnly) {
  Analysis a = SmallGame();
  a.restrictedView = true;
  a.hasMet[0][1] = 0;
  a.slots[0].password = "secret";
  Show(a);
  for (int row : {1, 2, 3, 19}) {
    EXPECT_NE(form_.leaders.leaders.Cell(1, row), " ") << row;
    EXPECT_EQ(form_.leaders.leaders.Cell(2, row), " ") << row;
    EXPECT_EQ(form_.teams.teams.Cell(2, row), " ") << row;
  }
  EXPECT_EQ(form_.leaders.leaders.Cell(1, 2), "Bob");
  EXPECT_EQ(form_.teams.teams.Cell(1, 2), "Bob");
}

TEST_F(SaveViewTest, NotAvailableModeHidesTheGamesCourse) {
  Analysis a = SmallGame();
  a.slots[0].password = "secret";
  a.replay.push_back({5, "Founded", 0});
  Show(a);
  EXPECT_EQ(form_.leaders.leaders.Cell(2, 2), "    300");  // details as usual
  EXPECT_EQ(form_.replay.replay.Lines().size(), 1u);
  std::vector<std::string> visible;
  for (const Page* page : form_.Pages())
    if (page->Visible()) visible.push_back(page->Caption());
  EXPECT_EQ(visible, (Strings{"Base", "Map", "Leaders", "Teams", "Attitudes", "Saves"}));
  EXPECT_EQ(form_.base.population.gameScore.Text(), "");  // no score calculation
  EXPECT_EQ(form_.kavrel.population.finalScore.Text(), "");
  EXPECT_EQ(form_.player.gold.Text(), "");
  EXPECT_EQ(Texts(form_.playerLog.log), (Strings{"Not Available"}));
  EXPECT_EQ(Colors(form_.playerLog.log), (Strings{"#FF0000"}));

  // The next save without a password shows the pages again.
  Show(SmallGame());
  EXPECT_TRUE(form_.kavrel.Visible());
  EXPECT_FALSE(form_.cities.Visible());
  EXPECT_NE(form_.base.population.gameScore.Text(), "");
}

// The line over the pages names what the save keeps hidden and why; the
// next save shown in full clears it (the cases run on one form).
TEST_F(SaveViewTest, ViewNoteSaysWhatIsHiddenAndWhy) {
  const std::string hidden =
      "The first player's password protects this save: the pages World, Replay, Graph, Player Log, Reloads, Player "
      "and Kavrel are hidden.";
  const std::string restricted = "An administrator's password restricts the view of this running game: ";
  const struct {
    const char* name;
    bool password, restrictedView;
    std::string note;
  } kCases[] = {
      {"password", true, false, hidden},
      {"restricted view", false, true,
       restricted + "the pages show only the players the first team has met, no replay, and the Player and Player Log "
                    "pages only the first player."},
      {"both", true, true, hidden + " " + restricted + "the Leaders and Teams pages show only the players' names."},
      {"neither", false, false, ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    Analysis a = SmallGame();
    if (c.password) a.slots[0].password = "secret";
    a.restrictedView = c.restrictedView;
    Show(a);
    EXPECT_EQ(form_.fileBar.viewNote.Text(), c.note);
  }
}

TEST_F(SaveViewTest, SelectorsListNamedSlotsAndStartOnTheFirst) {
  Show(SmallGame());
  for (const ComboBox* box :
       {&form_.playerLog.playerSelector, &form_.player.playerSelector, &form_.cities.playerSelector,
        &form_.attitudes.leaderSelector, &form_.attitudes.towardSelector}) {
    EXPECT_EQ(box->Items(), (Strings{"Alice", "Bob", "René", "Barbarians"})) << box->Name();
    EXPECT_EQ(box->Index(), 0) << box->Name();
    EXPECT_EQ(box->Text(), "Alice") << box->Name();
  }
  EXPECT_TRUE(form_.playerLog.playerSelector.Visible());
  EXPECT_TRUE(form_.player.playerSelector.Visible());

  // The next load puts every selector back on its first name.
  form_.player.playerSelector.Select(2);
  Analysis a = SmallGame();
  for (int s = 0; s < kSlots; ++s) a.slots[size_t(s)].leaderName.clear();
  Show(a);
  EXPECT_TRUE(form_.player.playerSelector.Items().empty());
  EXPECT_EQ(form_.player.playerSelector.Index(), -1);
}

}  // namespace
}  // namespace tolvane::form::testing
