// The "Leaders" page: one row per slot with score, territory, population,
// civilization texts, team and land score.
#pragma once

#include "form/Page.h"

namespace tolvane::form {

class LeadersPage : public Page {
 public:
  explicit LeadersPage(PageList& pages);

  Grid leaders{controls_, {.name = "LeadersGrid", .description = "Leaders"}, 10, kSlots + 1, 2, 1};

  void Fill() override;
};

}  // namespace tolvane::form
