// A small hand-filled game for the page tests, and helpers to read the form.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/Model.h"
#include "ui/Form.h"

namespace tolvane::ui::testing {

// Three players and the barbarians at turn 120 of a Normal-speed game:
//  slot 0 "Alice"  (Augustus of Rome, team 0, human, Noble)
//  slot 1 "Bob"    (Bismarck of Germany, team 1, computer, Prince)
//  slot 2 "René"   (byte E9; Napoleon of France, team 1, computer, dead)
//  slot 18 "Barbarians" (team 18)
// Team 1 is the vassal of team 0. Team 0 has met teams 0, 1 and 18. The other
// slots are unused (empty name, LeaderType -1, their own team).
Analysis SmallGame();

// The texts of a rich-text box, without colours.
std::vector<std::string> Texts(const RichText& box);
// The colours of a rich-text box, as "#RRGGBB".
std::vector<std::string> Colors(const RichText& box);
// The cells of one grid row.
std::vector<std::string> Row(const Grid& grid, int row);

// A form that has shown SmallGame() (or a variant of it).
class FormTest : public ::testing::Test {
 protected:
  void Show(Analysis a) { form_.ShowAnalysis(std::move(a), {}); }
  Form form_;
};

}  // namespace tolvane::ui::testing
