#include "form/pages/ReloadsPage.h"

#include <fmt/format.h>
#include <fmt/printf.h>

#include <string>
#include <utility>

#include "form/FigureText.h"
#include "form/NumberText.h"
#include "form/pages/SaveView.h"
#include "rules/Calendar.h"
#include "rules/GameCodes.h"
#include "rules/Int32Math.h"

namespace tolvane::form {

ReloadsPage::ReloadsPage(PageList& pages) : Page({"Reloads", "TabSheet7"}, pages) {
  preSessions.OnChange([this] { RecountSessions(); });
  int col = 0;
  for (const auto& [header, width] : {std::pair{"№", 30}, {"Turn", 50}, {"Year", 60}}) {
    sessionTurns.SetCell(col, 0, header);
    sessionTurns.SetColWidth(col++, width);
  }
}

void ReloadsPage::Fill() {
  const Analysis& a = save_;
  SetVisible(!NotAvailable(a));
  // One line per session message: its number and the year it began; the
  // grid adds the turn.
  sessionList.Clear();
  sessionTurns.SetRowCount(1);
  int k = 0;
  for (int32_t turn : a.sessionTurns) {
    if (turn >= kNoSessionTurn) continue;
    const int32_t year = Turn2Date(a.gameSpeed, turn);
    sessionList.Add(fmt::sprintf("%3d%6d", ++k, year));
    sessionTurns.SetRowCount(k + 1);
    // Numbers padded to the right, as in the other grids.
    sessionTurns.SetCell(0, k, fmt::format("{:>3}", k));
    sessionTurns.SetCell(1, k, fmt::format("{:>5}", turn));
    sessionTurns.SetCell(2, k, fmt::format("{:>6}", year));
  }
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
