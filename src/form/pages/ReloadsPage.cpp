#include "form/pages/ReloadsPage.h"

#include <fmt/format.h>
#include <fmt/printf.h>

#include "form/FigureText.h"
#include "form/NumberText.h"
#include "form/pages/SaveView.h"
#include "rules/Calendar.h"
#include "rules/GameCodes.h"
#include "rules/Int32Math.h"

namespace tolvane::form {

ReloadsPage::ReloadsPage(const Analysis& save, MessageLog& messages) : Page({"Reloads", "TabSheet7"}, save, messages) {
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
  figures_.sessions = a.sessions;
  sessions.SetText(fmt::sprintf("%6d", a.sessions));
  preSessions.SetText(fmt::format("{}", a.preSessions));  // recounts
}

void ReloadsPage::RecountSessions() {
  messages_.Guard([this] {
    figures_.preSessions.reset();
    const int32_t before = ReadIntIn(preSessions, 0, save_.sessions);
    figures_.preSessions = before;
    playSessions_ = Wrap32(int64_t(save_.sessions) - before);
    figures_.playSessions = playSessions_;
    playSessions.SetText(fmt::sprintf("%6d", playSessions_));
    averageSessionTime_ = playSessions_ > 0 ? save_.playTime / playSessions_ : 0;
    figures_.averageSessionTime = averageSessionTime_;
    averageSessionTime.SetText(TimeText(averageSessionTime_));
  });
}

}  // namespace tolvane::form
