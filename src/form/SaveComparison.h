// Two saves of one game side by side: whether they are of the same game,
// whether the later one continues the earlier one, and what changed between
// them. Computed from two forms that each loaded one save, so that every
// value is the one their pages show, and nothing their pages hide (the
// restricted view, a save that is not available) shows here.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "form/Controls.h"

namespace tolvane::form {

class Form;
struct CalculatorSettings;

// A value in the earlier and in the later save.
struct Change {
  int32_t earlier = 0;
  int32_t later = 0;
  int64_t Difference() const { return int64_t(later) - earlier; }
  bool operator==(const Change&) const = default;
};

// A setting that stays the same throughout a game, as the pages show it.
struct ComparedSetting {
  std::string name;  // "Map Script"
  std::string earlier, later;
  bool Same() const { return earlier == later; }
};

// One player the Leaders page lists in either save. A value is absent when
// a page of either save does not show it for this player.
struct PlayerChange {
  int slot = 0;        // 0-based
  std::string leader;  // the leader's name as the Leaders page shows it
  // The Leaders page's score, territory (plots) and population.
  std::optional<Change> score, land, population;
  // The Player page's gold; the technologies the player's team learned and
  // the cities the player gained and lost (their names), as the Player page
  // and its cities show them.
  std::optional<Change> gold;
  std::optional<std::vector<std::string>> technologiesLearned, citiesFounded, citiesLost;
  // The lines added to the player's log (the Player Log page).
  std::optional<int> logLinesAdded;
};

// A line added to the replay or to a player's log.
struct AddedLine {
  int slot = -1;        // the player whose log holds it; -1 for the replay
  std::string leader;   // that player's name
  int32_t turn = 0;     // the turn of the message
  std::string message;  // its text (UTF-8)
  std::string line;     // the line as its page shows it: turn, date and text
  Rgb color = kBlack;   // as its page colours it
};

struct SaveComparison {
  // The saves as the file bars name them, the earlier first (by game turn;
  // at equal turns in the order given).
  std::string earlierPath, laterPath;
  bool givenLaterFirst = false;

  // The settings side by side and the verdict on them.
  std::vector<ComparedSetting> settings;
  bool sameGame = false;
  // The later continues the earlier; none for saves of different games.
  std::optional<bool> continues;
  // The first evidence against the same game or the continuation, or "".
  std::string evidence;

  // The span between the saves: turn, date (as the Base page shows it),
  // playing time (seconds) and sessions (none when the Reloads page of
  // either save is hidden).
  Change turn;
  std::string earlierDate, laterDate;
  Change playingTime;
  std::optional<Change> sessions;

  std::vector<PlayerChange> players;
  // The replay lines after the part both saves share; none when the Replay
  // page of either save does not show the replay.
  std::optional<std::vector<AddedLine>> replayAdded;
  // The log lines after the part both logs share, of every player whose
  // log is shown, in slot order.
  std::vector<AddedLine> logAdded;
};

// The verdicts in one line: "Continues", "Does not continue: " or
// "Different games: " followed by the evidence.
std::string VerdictText(const SaveComparison& comparison);
// The line's colour: green, red, or purple for different games.
Rgb VerdictColor(const SaveComparison& comparison);
// The later save does not continue the earlier one (or is of another game):
// the replay and log lines after the part both share are not lines added
// but lines that differ from the earlier save.
bool LinesDiffer(const SaveComparison& comparison);

// Compares the saves that two forms show, `first` and `second` in the order
// the user gave them.
SaveComparison CompareSaves(const Form& first, const Form& second);

// Two saves loaded for a comparison, each into a fresh form that scores
// with `settings`; `error` holds the message of the first that failed (the
// forms are then absent).
struct ComparedForms {
  std::unique_ptr<Form> first, second;
  std::string error;
};
ComparedForms LoadForComparison(const std::string& first, const std::string& second,
                                const CalculatorSettings& settings);

// The time as the Base page shows it, "h:mm:ss", with a sign when negative.
std::string DurationText(int64_t seconds);

}  // namespace tolvane::form
