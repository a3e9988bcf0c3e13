// The "Player Log" page: the messages one player received, with filters for
// combats and city events.
#pragma once

#include <string>

#include "form/Page.h"

namespace tolvane::form {

// A message of a player's log as the page shows it: turn, date and text.
std::string LogLineText(const Analysis& a, const Message& m);

class PlayerLogPage : public Page {
 public:
  explicit PlayerLogPage(PageList& pages);

  ComboBox playerSelector{controls_, {.name = "PlayerLogSelect", .description = "Player"}, 9};
  CheckBox showCombats{controls_, {.name = "ShowCombatsCheckBox", .caption = "Show Combats"}};
  CheckBox showCityEvents{controls_, {.name = "ShowCityEventsCheckBox", .caption = "Show City Events"}};
  RichText log{controls_, {.name = "PlayerLog", .description = "Player log"}};

  void Fill() override;
  // Shows the selected player's messages that the filters let through.
  void ShowLog();
};

}  // namespace tolvane::form
