#include "ui/pages/ReplayPage.h"

#include <fmt/printf.h>

#include "rules/Calendar.h"
#include "ui/Latin1.h"
#include "ui/pages/SaveView.h"

namespace tolvane::ui {

namespace {

// Session texts are marked in the host game's English, Russian and French.
bool IsSessionText(std::string_view text) {
  return text.find("Session") != std::string_view::npos ||
         text.find("\xD1\xE5\xF1\xF1\xE8\xFF") != std::string_view::npos ||
         text.find("Lancement de la session") != std::string_view::npos;
}

Rgb ReplayColor(int32_t code) {
  switch (code) {
    case 34:
      return kGrey;
    case 36:
      return kBlue;
    case 37:
      return kGreen;
    case 38:
      return kRed;
    default:
      return kBlack;
  }
}

}  // namespace

ReplayPage::ReplayPage(const Analysis& save, MessageLog& messages) : Page({"Replay", "Log"}, save, messages) {}

void ReplayPage::Fill() {
  const Analysis& a = save_;
  SetVisible(!NotAvailable(a));
  replay.Clear();
  if (a.restrictedView) return;
  for (const ReplayMessage& m : a.replay) {
    if (m.text.empty()) continue;
    replay.SetColor(IsSessionText(m.text) ? kPurple : ReplayColor(m.color));
    replay.Append(
        fmt::sprintf("%4d%s %s", m.turn, DateTextPadded(Turn2Date(a.gameSpeed, m.turn)), Latin1ToUtf8(m.text)));
  }
}

}  // namespace tolvane::ui
