#include "form/pages/ReloadsPage.h"

#include <fmt/format.h>
#include <fmt/printf.h>

#include "form/NumberText.h"
#include "form/pages/SaveView.h"
#include "rules/Calendar.h"
#include "rules/GameCodes.h"
#include "rules/Int32Math.h"

namespace tolvane::form {

ReloadsPage::ReloadsPage(PageList& pages) : Page({"Reloads", "TabSheet7"}, pages) {
  preSessions.OnChange([this] { RecountSessions(); });
}

void ReloadsPage::Fill() {
  const Analysis& a = save_;
  SetVisible(!NotAvailable(a));
  // One line per session message: its number and the year it began.
  sessionList.Clear();
  int k = 0;
  for (int32_t turn : a.sessionTurns)
    if (turn < kNoSessionTurn) sessionList.Add(fmt::sprintf("%3d%6d", ++k, Turn2Date(a.gameSpeed, turn)));
  sessions.SetText(fmt::sprintf("%6d", a.sessions));
  preSessions.SetText(fmt::format("{}", a.preSessions));  // recounts
}

void ReloadsPage::RecountSessions() {
  messages_.Guard([this] {
    const int32_t before = ReadIntIn(preSessions, 0, save_.sessions);
    playSessions_ = Wrap32(int64_t(save_.sessions) - before);
    playSessions.SetText(fmt::sprintf("%6d", playSessions_));
    averageSessionTime_ = playSessions_ > 0 ? save_.playTime / playSessions_ : 0;
    const int32_t minutes = averageSessionTime_ / 60;
    averageSessionTime.SetText(fmt::sprintf("%4d:%02.2d:%02.2d", minutes / 60, minutes % 60, averageSessionTime_ % 60));
  });
}

}  // namespace tolvane::form
