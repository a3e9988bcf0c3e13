// The "Attitudes" page: the terms of one leader's attitude toward another.
// The save holds values for the first three constant terms only; the page
// keeps the boxes of every term, the others without a value.
#pragma once

#include <array>
#include <string_view>

#include "form/Page.h"

namespace tolvane::form {

// A term that changes in the course of a game: its value and its maximum.
struct VariableTerm {
  VariableTerm(ControlList& list, std::string_view caption, std::string_view valueName, std::string_view maximumName);
  Edit value, maximum;
};

class AttitudesPage : public Page {
 public:
  explicit AttitudesPage(PageList& pages);

  ComboBox leaderSelector{controls_, {.name = "AttLeaderSel1", .caption = "Leader 1"}, 9};
  ComboBox towardSelector{controls_, {.name = "AttLeaderSel2", .caption = "Leader 2"}, 9};
  std::array<VariableTerm, 18> variableTerms{{{controls_, "Rank Difference", "Edit24", "Edit25"},
                                              {controls_, "High Ranks", "Edit26", "Edit27"},
                                              {controls_, "War Success", "Edit28", "Edit29"},
                                              {controls_, "Close Borders", "Edit30", "Edit31"},
                                              {controls_, "War", "Edit32", "Edit33"},
                                              {controls_, "Peace", "Edit34", "Edit35"},
                                              {controls_, "Same Religion", "Edit36", "Edit37"},
                                              {controls_, "Different Religion", "Edit38", "Edit39"},
                                              {controls_, "Bonus Trade", "Edit40", "Edit41"},
                                              {controls_, "Open Borders", "Edit42", "Edit43"},
                                              {controls_, "Defensive Pact", "Edit44", "Edit45"},
                                              {controls_, "Rival Defensive Pact", "Edit46", "Edit47"},
                                              {controls_, "Rival Vassal", "Edit48", "Edit49"},
                                              {controls_, "Share War", "Edit50", "Edit51"},
                                              {controls_, "Favorite Civic", "Edit52", "Edit53"},
                                              {controls_, "Trade", "Edit54", "Edit55"},
                                              {controls_, "Rival Trade", "Edit56", "Edit57"},
                                              {controls_, "Extra Attitude", "Edit58", "Edit59"}}};
  // "Constant": the first three are filled.
  Edit baseAttitude{controls_, {.name = "BaseAttitudeE", .caption = "Base Attitude"}};
  Edit handicapAttitude{controls_, {.name = "HandicapAttitudeE", .caption = "Handicap"}};
  Edit aggressiveAiAttitude{controls_, {.name = "AggressiveAIE", .caption = "Aggressive AI (Human)"}};
  Edit peaceAttitude{controls_, {.name = "CloseBordersE", .caption = "Peace (AI)", .role = EditRole::NoValue}};
  Edit warmongerRespect{controls_, {.name = "Edit18", .caption = "Warmonger Respect (AI)", .role = EditRole::NoValue}};
  Edit teamSizeDifference{controls_, {.name = "Edit16", .caption = "Team Size Difference", .role = EditRole::NoValue}};
  // "Memory": what one leader remembers of the other, left column then right.
  std::array<Edit, 23> memoryTerms{
      {{controls_, {.name = "Edit65", .caption = "Declared War", .role = EditRole::NoValue}},
       {controls_, {.name = "Edit66", .caption = "Declared War On Friend", .role = EditRole::NoValue}},
       {controls_, {.name = "Edit67", .caption = "Hired War Ally", .role = EditRole::NoValue}},
       {controls_, {.name = "Edit68", .caption = "Nuked Us", .role = EditRole::NoValue}},
       {controls_, {.name = "Edit69", .caption = "Nuked Friend", .role = EditRole::NoValue}},
       {controls_, {.name = "Edit70", .caption = "Razed City", .role = EditRole::NoValue}},
       {controls_, {.name = "Edit71", .caption = "Razed Holy City", .role = EditRole::NoValue}},
       {controls_, {.name = "Edit72", .caption = "Spy Caught", .role = EditRole::NoValue}},
       {controls_, {.name = "Edit73", .caption = "Give Help", .role = EditRole::NoValue}},
       {controls_, {.name = "Edit74", .caption = "Refused Help", .role = EditRole::NoValue}},
       {controls_, {.name = "Edit75", .caption = "Accept Demand", .role = EditRole::NoValue}},
       {controls_, {.name = "Edit76", .caption = "Rejected Demand", .role = EditRole::NoValue}},
       {controls_, {.name = "Edit15", .caption = "Accepted Religion", .role = EditRole::NoValue}},
       {controls_, {.name = "Edit17", .caption = "Denied Religion", .role = EditRole::NoValue}},
       {controls_, {.name = "Edit19", .caption = "Accepted Civic", .role = EditRole::NoValue}},
       {controls_, {.name = "Edit21", .caption = "Denied Civic", .role = EditRole::NoValue}},
       {controls_, {.name = "Edit23", .caption = "Denied Join War", .role = EditRole::NoValue}},
       {controls_, {.name = "Edit60", .caption = "Accepted Stop Trading", .role = EditRole::NoValue}},
       {controls_, {.name = "Edit61", .caption = "Denied Stop Trading", .role = EditRole::NoValue}},
       {controls_, {.name = "Edit62", .caption = "Stopped Trading", .role = EditRole::NoValue}},
       {controls_, {.name = "Edit63", .caption = "Hired Trade Embargo", .role = EditRole::NoValue}},
       {controls_, {.name = "Edit64", .caption = "Made Demand", .role = EditRole::NoValue}},
       {controls_, {.name = "Edit77", .caption = "Traded Tech to Us", .role = EditRole::NoValue}}}};
  static constexpr size_t kMemoryLeftColumn = 12;  // the first twelve terms stand in the left column
  Edit summary{controls_, {.name = "Edit78", .caption = "Summary", .role = EditRole::NoValue}};

  void Fill() override;
  // Shows the constant terms of the selected leader toward the other.
  void ShowAttitude();
};

}  // namespace tolvane::form
