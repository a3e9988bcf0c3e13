// The "Player Log" page: the messages one player received.
#include <fmt/format.h>
#include <fmt/printf.h>

#include <algorithm>

#include "rules/Calendar.h"
#include "ui/Form.h"
#include "ui/Latin1.h"

namespace tolvane::ui {

namespace {

constexpr int32_t kCityEvent = 3;
constexpr int32_t kCombat = 5;

Rgb MessageColor(const Message& m) {
  if (m.messageType == kCombat) return kPurple;
  if (m.messageType == kCityEvent) return kGreen;
  switch (m.color) {
    case 8:
    case 38:
      return kRed;
    case 33:
      return kOlive;
    case 34:
      return kGrey;
    case 36:
      return kBlue;
    case 37:
      return kGreen;
    default:
      return kBlack;
  }
}

}  // namespace

void Form::DrawPlayerLog() {
  const Analysis& a = model_;
  const int q = SlotOf(playerLogSelect, 0);
  playerLog.Clear();
  if (NotAvailable()) {
    playerLog.SetColor(kRed);
    playerLog.Append("Not Available");
    return;
  }
  const auto& messages = a.messages[size_t(q)];
  const size_t count = std::min(messages.size(), size_t(std::max(a.messageCount[size_t(q)], 0)));
  for (size_t j = 0; j < count; ++j) {
    const Message& m = messages[j];
    if ((m.messageType == kCombat && !showCombatsCheckBox.Checked()) ||
        (m.messageType == kCityEvent && !showCityEventsCheckBox.Checked()) || m.text.empty())
      continue;
    playerLog.SetColor(MessageColor(m));
    playerLog.Append(
        fmt::sprintf("%4d%s %s", m.turn, DateTextPadded(Turn2Date(a.gameSpeed, m.turn)), Latin1ToUtf8(m.text)));
  }
}

}  // namespace tolvane::ui
