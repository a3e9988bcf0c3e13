#include "form/SaveSummary.h"

#include <fmt/format.h>
#include <fmt/ranges.h>

#include <memory>
#include <new>
#include <optional>

#include "form/Blanks.h"
#include "form/LoadedSave.h"
#include "form/SaveFolder.h"
#include "save/SaveError.h"

namespace tolvane::form {

namespace {

// The players the Leaders page lists (the barbarians are no player).
int PlayersListed(const LeadersPage& page) {
  int players = 0;
  for (int slot = 0; slot < kBarbarianSlot; ++slot) players += !Trimmed(page.leaders.Cell(1, slot + 1)).empty();
  return players;
}

}  // namespace

SaveRow RowOfForm(const Form& form, const std::filesystem::path& path) {
  SaveRow row;
  auto& cells = row.cells;
  cells[kFileNameColumn] = PathText(path.filename());
  FileTime fileTime = FileTimeOf(path);
  cells[kFileDateColumn] = std::move(fileTime.text);
  row.values[kFileDateColumn] = fileTime.seconds;
  // Each column's control, the page that shows it and the value it shows
  // (none for a text).
  const GameFigures& game = form.base.Figures();
  const SessionFigures& sessions = form.reloads.Figures();
  auto value = [](const std::optional<int32_t>& v) { return v ? std::optional<int64_t>(*v) : std::nullopt; };
  const std::optional<int64_t> turn =
      game.turn && game.lastTurn ? std::optional<int64_t>(TurnOrder(*game.turn, *game.lastTurn)) : std::nullopt;
  const struct {
    SaveColumnIndex column;
    const Page& page;
    const Edit& edit;
    std::optional<int64_t> value;
  } kShown[] = {
      {kPlayerColumn, form.base, form.base.nick, {}},
      {kLeaderColumn, form.base, form.base.leader, {}},
      {kCivilizationColumn, form.base, form.base.civilization, {}},
      {kDifficultyColumn, form.base, form.base.difficulty, {}},
      {kGameSpeedColumn, form.map, form.map.gameSpeed, {}},
      {kWorldSizeColumn, form.map, form.map.worldSize, {}},
      {kMapScriptColumn, form.map, form.map.mapScript, {}},
      {kTurnColumn, form.base, form.base.turn, turn},
      {kDateColumn, form.base, form.base.date, value(game.year)},
      {kGameStatusColumn, form.base, form.base.gameStatus, {}},
      {kGameScoreColumn, form.base, form.base.gameScore, value(game.gameScore)},
      {kFinalScoreColumn, form.base, form.base.finalScore, value(game.finalScore)},
      {kKavrelScoreColumn, form.kavrel, form.kavrel.finalScoreSum, value(form.kavrel.ScoreShown())},
      {kSessionsColumn, form.reloads, form.reloads.sessions, value(sessions.sessions)},
      {kPreSessionsColumn, form.reloads, form.reloads.preSessions, value(sessions.preSessions)},
      {kPlaySessionsColumn, form.reloads, form.reloads.playSessions, value(sessions.playSessions)},
      {kAverageSessionTimeColumn, form.reloads, form.reloads.averageSessionTime, value(sessions.averageSessionTime)},
      {kPlayingTimeColumn, form.base, form.base.playingTime, value(game.playingTime)},
  };
  for (const auto& shown : kShown)
    if (shown.page.Visible()) {
      cells[shown.column] = Trimmed(shown.edit.Text());
      row.values[shown.column] = shown.value;
    }
  if (form.map.Visible()) {
    for (const auto& [column, list] : {std::pair<size_t, const ListBox*>{kVictoriesColumn, &form.map.victoryConditions},
                                       {kOptionsColumn, &form.map.gameOptions}}) {
      row.items[column] = list->Lines();
      for (const std::string& line : list->Lines()) cells[column] += (cells[column].empty() ? "" : ", ") + line;
    }
  }
  row.lineage = LineageOf(form);
  if (form.leaders.Visible()) {
    const int players = PlayersListed(form.leaders);
    cells[kPlayersColumn] = std::to_string(players);
    row.values[kPlayersColumn] = players;
  }
  row.loaded = form.Loaded();
  return row;
}

SaveRow SummarizeSave(const std::filesystem::path& path, const CalculatorSettings& settings) {
  SaveBuffers buffers;
  return SummarizeSave(path, settings, buffers);
}

SaveRow SummarizeSave(const std::filesystem::path& path, const CalculatorSettings& settings, SaveBuffers& buffers,
                      bool worldFrame) {
  SaveRow row;
  try {
    const auto form = std::make_unique<Form>();
    form->AdoptCalculators(settings);
    // The row names the file: a save that cannot be loaded shows the reason
    // alone.
    std::string reason;
    bool loaded = false;
    try {
      form->ShowRowPages(AnalyseSave(PathText(path), form->base.Factors(), buffers, SessionScanThread::Same));
      loaded = true;
    } catch (const SaveError& e) {
      reason = e.Reason();
    }
    if (loaded) {
      row = RowOfForm(*form, path);
      if (worldFrame) row.world = std::make_shared<const WorldFrame>(WorldFrameOf(form->Shown()->analysis));
    }
    row.cells[kErrorColumn] = loaded ? fmt::format("{}", fmt::join(form->Messages(), "; ")) : reason;
    row.loaded = loaded;
  } catch (const std::bad_alloc&) {
    row.cells[kErrorColumn] = "There is not enough memory to read this save.";
  } catch (const std::exception& e) {
    row.cells[kErrorColumn] = e.what();
  }
  if (!row.loaded) {
    row.cells[kFileNameColumn] = PathText(path.filename());
    FileTime fileTime = FileTimeOf(path);
    row.cells[kFileDateColumn] = std::move(fileTime.text);
    row.values[kFileDateColumn] = fileTime.seconds;
  }
  return row;
}

}  // namespace tolvane::form
