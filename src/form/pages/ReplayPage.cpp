#include "form/pages/ReplayPage.h"

#include <fmt/printf.h>

#include "form/Latin1.h"
#include "form/pages/SaveView.h"
#include "rules/Calendar.h"
#include "rules/GameCodes.h"

namespace tolvane::form {

std::string ReplayLineText(const Analysis& a, const ReplayMessage& m) {
  return fmt::sprintf("%4d%s %s", m.turn, DateTextPadded(Turn2Date(a.gameSpeed, m.turn)), Latin1ToUtf8(m.text));
}

ReplayPage::ReplayPage(PageList& pages) : Page({"Replay", "Log"}, pages) {}

bool ReplayPage::ShowsReplay() const { return Visible() && !save_.restrictedView; }

void ReplayPage::Fill() {
  const Analysis& a = save_;
  SetVisible(!NotAvailable(a));
  replay.Clear();
  // Kept while the tab is hidden; the restricted view shows no replay.
  if (a.restrictedView) return;
  for (const ReplayMessage& m : a.replay) {
    if (m.text.empty()) continue;
    replay.SetColor(ReplayLineColor(m.text, m.color));
    replay.Append(ReplayLineText(a, m));
  }
}

}  // namespace tolvane::form
