// The "Teams" page: the slots grouped by team, with each player's share of
// the team's score, territory and population, the master of a vassal team,
// the difficulty level and the slot's kind.
#pragma once

#include "form/Page.h"

namespace tolvane::form {

class TeamsPage : public Page {
 public:
  explicit TeamsPage(PageList& pages);

  Grid teams{controls_, {.name = "TeamsGrid", .description = "Teams"}, 8, kSlots + 1, 2, 1};

  void Fill() override;
};

}  // namespace tolvane::form
