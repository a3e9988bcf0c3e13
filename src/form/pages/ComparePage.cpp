#include "form/pages/ComparePage.h"

#include <fmt/format.h>
#include <fmt/ranges.h>

#include <algorithm>
#include <cctype>
#include <utility>

#include "form/exports/ComparisonReport.h"
#include "save/FileWrite.h"
#include "save/Utf8Path.h"

namespace tolvane::form {

namespace {

// The names in one cell, one after another.
std::string Listed(const std::vector<std::string>& names) { return fmt::format("{}", fmt::join(names, ", ")); }

template <typename T, typename F>
std::string TextOr(const std::optional<T>& value, F text) {
  return value ? text(*value) : std::string();
}

}  // namespace

std::string ChangeText(const Change& change) {
  const int64_t difference = change.Difference();
  if (difference == 0) return fmt::format("{} (same)", change.later);
  return fmt::format("{} → {} ({:+})", change.earlier, change.later, difference);
}

ComparePage::ComparePage(PageList& pages) : Page({"Compare", "CompareSheet"}, pages) {
  SetVisible(false);
  saveComparison.SetEnabled(false);
  int col = 0;
  for (const auto& [header, width] : {std::pair{"Setting", 90}, {"Earlier", 120}, {"Later", 120}}) {
    settings.SetCell(col, 0, header);
    settings.SetColWidth(col++, width);
  }
  col = 0;
  for (const auto& [header, width] : {std::pair{"", 75}, {"Earlier", 60}, {"Later", 60}, {"Change", 75}}) {
    span.SetCell(col, 0, header);
    span.SetColWidth(col++, width);
  }
  int row = 1;
  for (const char* name : {"Turn", "Date", "Playing time", "Sessions"}) span.SetCell(0, row++, name);
  col = 0;
  for (const auto& [header, width] : {std::pair{"№", 20},
                                      {"Leader name", 115},
                                      {"Score", 100},
                                      {"Territory", 100},
                                      {"Population", 100},
                                      {"Gold", 100},
                                      {"Technologies learned", 200},
                                      {"Cities founded", 150},
                                      {"Cities lost", 150},
                                      {"Log lines added", 90}}) {
    players.SetCell(col, 0, header);
    players.SetColWidth(col++, width);
  }
}

void ComparePage::Show(const SaveComparison& c) {
  earlierPath_ = c.earlierPath;
  laterPath_ = c.laterPath;
  earlier.SetText(c.earlierPath);
  later.SetText(c.laterPath);
  sameGame.SetText(c.sameGame ? "Yes" : "No");
  continues.SetText(!c.continues ? "" : *c.continues ? "Yes" : "No");
  evidence.SetText(c.evidence);
  verdictColor_ = VerdictColor(c);
  verdict.SetText(VerdictText(c));

  settings.SetRowCount(int(c.settings.size()) + 1);
  for (size_t i = 0; i < c.settings.size(); ++i) {
    const ComparedSetting& s = c.settings[i];
    settings.SetCell(0, int(i) + 1, s.name);
    settings.SetCell(1, int(i) + 1, s.earlier);
    settings.SetCell(2, int(i) + 1, s.later);
  }

  auto spanRow = [this](int row, std::string earlierText, std::string laterText, std::string change) {
    span.SetCell(1, row, std::move(earlierText));
    span.SetCell(2, row, std::move(laterText));
    span.SetCell(3, row, std::move(change));
  };
  spanRow(1, std::to_string(c.turn.earlier), std::to_string(c.turn.later),
          fmt::format("{:+} turns", c.turn.Difference()));
  spanRow(2, c.earlierDate, c.laterDate, "");
  spanRow(3, DurationText(c.playingTime.earlier), DurationText(c.playingTime.later),
          (c.playingTime.Difference() < 0 ? "" : "+") + DurationText(c.playingTime.Difference()));
  if (c.sessions)
    spanRow(4, std::to_string(c.sessions->earlier), std::to_string(c.sessions->later),
            fmt::format("{:+}", c.sessions->Difference()));
  else
    spanRow(4, "", "", "");

  players.SetRowCount(int(c.players.size()) + 1);
  for (size_t i = 0; i < c.players.size(); ++i) {
    const PlayerChange& p = c.players[i];
    const int row = int(i) + 1;
    const std::string cells[] = {
        fmt::format("{:2}", p.slot + 1),       p.leader,
        TextOr(p.score, ChangeText),           TextOr(p.land, ChangeText),
        TextOr(p.population, ChangeText),      TextOr(p.gold, ChangeText),
        TextOr(p.technologiesLearned, Listed), TextOr(p.citiesFounded, Listed),
        TextOr(p.citiesLost, Listed),          TextOr(p.logLinesAdded, [](int n) { return std::to_string(n); }),
    };
    for (int col = 0; col < players.ColCount(); ++col) players.SetCell(col, row, cells[col]);
  }

  // After the first difference the later save's lines are its own, not
  // lines added to the earlier save's.
  const bool differ = LinesDiffer(c);
  replayHeading.SetText(differ ? "Replay lines that differ from the earlier save" : "Replay lines added");
  logHeading.SetText(differ ? "Log lines that differ from the earlier save" : "Log lines added");
  players.SetCell(9, 0, differ ? "Log lines that differ" : "Log lines added");
  replayAdded.Clear();
  if (c.replayAdded) {
    for (const AddedLine& line : *c.replayAdded) {
      replayAdded.SetColor(line.color);
      replayAdded.Append(line.line);
    }
  } else {
    replayAdded.SetColor(kGrey);
    replayAdded.Append("The Replay page does not show the replay of these saves.");
  }
  logAdded.Clear();
  for (const AddedLine& line : c.logAdded) {
    logAdded.SetColor(line.color);
    logAdded.Append(line.leader + ": " + line.line);
  }
  shown_ = c;
  saveComparison.SetEnabled(true);
  SetVisible(true);
}

void ComparePage::WriteComparison(const std::string& path) const {
  if (!shown_) return;
  const bool json = path.size() >= 5 && std::equal(path.end() - 5, path.end(), ".json", [](char a, char b) {
                      return std::tolower(static_cast<unsigned char>(a)) == b;
                    });
  WriteBytes(PathFromUtf8(path), json ? ComparisonJson(*shown_) : ComparisonText(*shown_));
}

}  // namespace tolvane::form
