// The "Replay" page: the game's replay, one line per message with its turn
// and date, coloured as in the game; session starts in purple.
#pragma once

#include <string>

#include "form/Page.h"

namespace tolvane::form {

// A replay message as the page shows it: turn, date and text.
std::string ReplayLineText(const Analysis& a, const ReplayMessage& m);

class ReplayPage : public Page {
 public:
  explicit ReplayPage(PageList& pages);

  RichText replay{controls_, {.name = "ReplayList", .description = "Replay"}};

  void Fill() override;
  // Whether the user sees the replay: not in the restricted view, nor when
  // the save is not available (its tab is hidden).
  bool ShowsReplay() const;
};

}  // namespace tolvane::form
