#include "form/pages/PlayerLogPage.h"

#include <fmt/printf.h>

#include <algorithm>

#include "form/Latin1.h"
#include "form/pages/SaveView.h"
#include "rules/Calendar.h"
#include "rules/GameCodes.h"

namespace tolvane::form {

std::string LogLineText(const Analysis& a, const Message& m) {
  return fmt::sprintf("%4d%s %s", m.turn, DateTextPadded(Turn2Date(a.gameSpeed, m.turn)), Latin1ToUtf8(m.text));
}

PlayerLogPage::PlayerLogPage(PageList& pages) : Page({"Player Log", "TabSheet6"}, pages) {
  playerSelector.SetVisible(false);
  for (CheckBox* filter : {&showCombats, &showCityEvents}) filter->OnClick([this] { ShowLog(); });
  playerSelector.OnChange([this] { ShowLog(); });
}

void PlayerLogPage::Fill() {
  SetVisible(!NotAvailable(save_));
  playerSelector.SetVisible(!save_.restrictedView);
  FillPlayerSelector(playerSelector, save_);
  ShowLog();
}

void PlayerLogPage::ShowLog() {
  const Analysis& a = save_;
  const int q = SlotOf(playerSelector, a, 0);
  log.Clear();
  if (NotAvailable(a)) {
    log.SetColor(kRed);
    log.Append("Not Available");
    return;
  }
  const auto& messages = a.messages[size_t(q)];
  const size_t count = std::min(messages.size(), size_t(std::max(a.messageCount[size_t(q)], 0)));
  for (size_t j = 0; j < count; ++j) {
    const Message& m = messages[j];
    if ((m.messageType == kCombatMessage && !showCombats.Checked()) ||
        (m.messageType == kCityEventMessage && !showCityEvents.Checked()) || m.text.empty())
      continue;
    log.SetColor(PlayerLogLineColor(m.messageType, m.color));
    log.Append(LogLineText(a, m));
  }
}

}  // namespace tolvane::form
