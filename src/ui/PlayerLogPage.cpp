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

Rgb MessageColor(const TMessageRec& m) {
  if (m.MessageType == kCombat) return kPurple;
  if (m.MessageType == kCityEvent) return kGreen;
  switch (m.Color) {
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
  const int q = SlotOf(PlayerLogSelect, 0);
  PlayerLog.Clear();
  if (NotAvailable()) {
    PlayerLog.SetColor(kRed);
    PlayerLog.Append("Not Available");
    return;
  }
  const auto& messages = a.Messages[size_t(q)];
  const size_t count = std::min(messages.size(), size_t(std::max(a.MessageCount[size_t(q)], 0)));
  for (size_t j = 0; j < count; ++j) {
    const TMessageRec& m = messages[j];
    if ((m.MessageType == kCombat && !ShowCombatsCheckBox.Checked()) ||
        (m.MessageType == kCityEvent && !ShowCityEventsCheckBox.Checked()) || m.Text.empty())
      continue;
    PlayerLog.SetColor(MessageColor(m));
    PlayerLog.Append(
        fmt::sprintf("%4d%s %s", m.Turn, DateTextPadded(Turn2Date(a.GameSpeed, m.Turn)), Latin1ToUtf8(m.Text)));
  }
}

}  // namespace tolvane::ui
