// The "Reloads" page: how often the game was started or reloaded. The
// sessions found in the save, less the user's count of sessions before play
// began, are the play sessions; the playing time shared among them is the
// average session time.
#pragma once

#include <optional>

#include "form/Page.h"

namespace tolvane::form {

// The page's counts and times as values, each set where the text that shows
// it is set; none while the page does not show it (PreSessions: while its
// text is no count the page accepts).
struct SessionFigures {
  std::optional<int32_t> sessions, preSessions, playSessions;
  std::optional<int32_t> averageSessionTime;  // seconds
};

class ReloadsPage : public Page {
 public:
  explicit ReloadsPage(PageList& pages);

  Edit sessions{controls_, {.name = "Edit9", .caption = "       Sessions       (Число сессий)"}};
  Edit preSessions{
      controls_,
      {.name = "Edit11", .caption = "    PreSessions     (Число пресессий)", .role = EditRole::IntegerInput},
      "1"};
  Edit playSessions{
      controls_, {.name = "Edit10", .caption = "    Play Sessions     (Игровые сессии)", .role = EditRole::Computed}};
  Edit averageSessionTime{
      controls_,
      {.name = "Edit12", .caption = "  Average Session time   (Ср. время сессии)", .role = EditRole::Computed}};
  ListBox sessionList{controls_, {.name = "SessionListBox", .description = "Session list"}};
  // The sessions of the list again, each with the turn it began: "№",
  // "Turn", "Year".
  Grid sessionTurns{controls_, {.name = "SessionTurnsGrid", .description = "Sessions by turn"}, 3, 1, 1, 1};

  void Fill() override;
  // The counts of the previous save go with the controls.
  void Reset() override {
    Page::Reset();
    playSessions_ = averageSessionTime_ = 0;
    figures_ = {};
  }
  // Play sessions and the average time of one, from the sessions found and
  // the count typed as PreSessions, which must lie between 0 and the
  // sessions (more would count a negative number of play sessions).
  void RecountSessions();

  int32_t PlaySessions() const { return playSessions_; }
  int32_t AverageSessionTime() const { return averageSessionTime_; }  // seconds
  const SessionFigures& Figures() const { return figures_; }

 private:
  int32_t playSessions_ = 0;
  int32_t averageSessionTime_ = 0;
  SessionFigures figures_;
};

}  // namespace tolvane::form
