// The "Compare" page: two saves of one game side by side. On top the
// verdicts (same game, whether the later save continues the earlier one,
// and the first evidence against it, also as one coloured line), then the
// settings that never change during a game, the span between the saves,
// what changed for each player the Leaders pages list, and the replay and
// log lines added (or, for a save that does not continue the earlier one,
// the lines that differ from it), coloured as on the Replay and Player Log
// pages. "Save Comparison…" writes it all as text or as JSON.
//
// The window (or tolvane-report --compare) loads the two saves into forms
// of their own and shows their comparison here; the save the other pages
// show is not touched. Until then the page is empty and its tab hidden.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "form/Page.h"
#include "form/SaveComparison.h"

namespace tolvane::form {

class ComparePage : public Page {
 public:
  explicit ComparePage(PageList& pages);

  Label earlier{controls_, {.name = "CompareEarlierE", .caption = "Earlier save"}, ""};
  Label later{controls_, {.name = "CompareLaterE", .caption = "Later save"}, ""};
  // "Continues", "Does not continue: …", "Different games: …".
  Label verdict{controls_, {.name = "CompareVerdictL", .description = "Verdict"}, ""};
  Edit sameGame{controls_, {.name = "CompareSameGameE", .caption = "Same game"}};
  Edit continues{controls_, {.name = "CompareContinuesE", .caption = "Continues"}};
  Edit evidence{controls_, {.name = "CompareEvidenceE", .caption = "Evidence"}};
  Grid settings{controls_, {.name = "CompareSettingsGrid", .description = "Settings"}, 3, 1, 1, 1};
  Grid span{controls_, {.name = "CompareSpanGrid", .description = "Between the saves"}, 4, 5, 1, 1};
  Grid players{controls_, {.name = "ComparePlayersGrid", .description = "Players"}, 10, 1, 2, 1};
  // What the two lists below hold: lines added, or lines that differ.
  Label replayHeading{controls_, {.name = "CompareReplayL", .description = "Replay"}, "Replay lines added"};
  RichText replayAdded{controls_, {.name = "CompareReplayList", .description = "Replay lines"}};
  Label logHeading{controls_, {.name = "CompareLogL", .description = "Log"}, "Log lines added"};
  RichText logAdded{controls_, {.name = "CompareLogList", .description = "Log lines"}};
  // Enabled while a comparison is shown.
  Button saveComparison{controls_, {.name = "CompareSaveButton", .caption = "Save Comparison…"}};

  // The page shows two saves the user compared, not the loaded one: a load
  // neither fills it nor takes the comparison away.
  void Fill() override {}
  void Reset() override {}
  // Shows a comparison and the page's tab.
  void Show(const SaveComparison& comparison);
  // The colour of the verdict line.
  Rgb VerdictLineColor() const { return verdictColor_; }
  // "Save Comparison…": the comparison shown, as JSON when the path ends in
  // ".json", else as the page's text. Throws SaveError when the file cannot
  // be written.
  void WriteComparison(const std::string& path) const;
  // The saves could not both be loaded: the message goes to the user, the
  // page stays as it was.
  void Fail(std::string message) { messages_.Add(std::move(message)); }
  // The saves the page compares (UTF-8 paths), earlier first; empty before
  // the first comparison.
  const std::string& EarlierPath() const { return earlierPath_; }
  const std::string& LaterPath() const { return laterPath_; }

 private:
  std::string earlierPath_, laterPath_;
  Rgb verdictColor_ = kBlack;
  std::optional<SaveComparison> shown_;
};

// "412 → 530 (+118)", "412 (same)".
std::string ChangeText(const Change& change);

}  // namespace tolvane::form
