// The "Replay" page: the game's replay, one line per message with its turn
// and date, coloured as in the game; session starts in purple.
#pragma once

#include "ui/Page.h"

namespace tolvane::ui {

class ReplayPage : public Page {
 public:
  ReplayPage(const Analysis& save, MessageLog& messages);

  RichText replay{controls_, {.name = "ReplayList", .description = "Replay"}};

  void Fill();
};

}  // namespace tolvane::ui
