// A small hand-filled game for the page tests, and helpers to read the form.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/Model.h"
#include "form/Form.h"

namespace tolvane::form::testing {

// Three players and the barbarians at turn 120 of a Normal-speed game:
//  slot 0 "Alice"  (Augustus of Rome, team 0, human, Noble)
//  slot 1 "Bob"    (Bismarck of Germany, team 1, computer, Prince)
//  slot 2 "René"   (byte E9; Napoleon of France, team 1, computer, dead)
//  slot 18 "Barbarians" (team 18)
// Team 1 is the vassal of team 0. Team 0 has met teams 0, 1 and 18. The other
// slots are unused (empty name, LeaderType -1, their own team).
Analysis SmallGame();
// SmallGame with slot 0 at turn 230 of 460: population 100 of 400 from 10;
// land 200 plus a vassal share of 50, of 1000 from 0. The Kavrel turn is its
// maximum.
Analysis ScoreGame();

// The texts of a rich-text box, without colours.
std::vector<std::string> Texts(const RichText& box);
// The colours of a rich-text box, as "#RRGGBB".
std::vector<std::string> Colors(const RichText& box);
// The cells of one grid row.
std::vector<std::string> Row(const Grid& grid, int row);

// A form that shows an analysis (SmallGame() or a variant of it).
class FormTest : public ::testing::Test {
 protected:
  void Show(Analysis a) { form_.Show(std::move(a), {}); }
  // The user types a text into an edit and leaves it.
  static void Enter(Edit& edit, std::string text) {
    edit.SetText(std::move(text));
    edit.Exit();
  }
  Form form_;
};

// One suite per page.
using BasePageTest = FormTest;
using HeaderAndMapPagesTest = FormTest;
using LeadersPageTest = FormTest;
using TeamsPageTest = FormTest;
using ReplayPageTest = FormTest;
using GraphPageTest = FormTest;
using PlayerLogPageTest = FormTest;
using ReloadsPageTest = FormTest;
using PlayerPageTest = FormTest;
using KavrelPageTest = FormTest;
using CitiesPageTest = FormTest;
using AttitudesPageTest = FormTest;
// How much of a save the pages show (not-available mode, restricted view).
using SaveViewTest = FormTest;

}  // namespace tolvane::form::testing
