#include "form/SaveSummary.h"

#include <fmt/format.h>
#include <fmt/ranges.h>

#include <memory>
#include <new>

#include "form/Blanks.h"
#include "form/SaveFolder.h"

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
  cells[kFileDateColumn] = FileTimeText(path);
  // Each column's control and the page that shows it.
  const struct {
    SaveColumnIndex column;
    const Page& page;
    const Edit& edit;
  } kShown[] = {
      {kPlayerColumn, form.base, form.base.nick},
      {kLeaderColumn, form.base, form.base.leader},
      {kCivilizationColumn, form.base, form.base.civilization},
      {kDifficultyColumn, form.base, form.base.difficulty},
      {kGameSpeedColumn, form.map, form.map.gameSpeed},
      {kWorldSizeColumn, form.map, form.map.worldSize},
      {kMapScriptColumn, form.map, form.map.mapScript},
      {kTurnColumn, form.base, form.base.turn},
      {kDateColumn, form.base, form.base.date},
      {kGameStatusColumn, form.base, form.base.gameStatus},
      {kGameScoreColumn, form.base, form.base.gameScore},
      {kFinalScoreColumn, form.base, form.base.finalScore},
      {kKavrelScoreColumn, form.kavrel, form.kavrel.finalScoreSum},
      {kSessionsColumn, form.reloads, form.reloads.sessions},
      {kPreSessionsColumn, form.reloads, form.reloads.preSessions},
      {kPlaySessionsColumn, form.reloads, form.reloads.playSessions},
      {kAverageSessionTimeColumn, form.reloads, form.reloads.averageSessionTime},
      {kPlayingTimeColumn, form.base, form.base.playingTime},
  };
  for (const auto& shown : kShown)
    if (shown.page.Visible()) cells[shown.column] = Trimmed(shown.edit.Text());
  if (form.leaders.Visible()) cells[kPlayersColumn] = std::to_string(PlayersListed(form.leaders));
  row.loaded = form.Loaded();
  return row;
}

SaveRow SummarizeSave(const std::filesystem::path& path, const CalculatorSettings& settings) {
  SaveRow row;
  try {
    const auto form = std::make_unique<Form>();
    form->AdoptCalculators(settings);
    const bool loaded = form->LoadFile(PathText(path));
    if (loaded) row = RowOfForm(*form, path);
    row.cells[kErrorColumn] = fmt::format("{}", fmt::join(form->Messages(), "; "));
    row.loaded = loaded;
  } catch (const std::bad_alloc&) {
    row.cells[kErrorColumn] = "There is not enough memory to read this save.";
  } catch (const std::exception& e) {
    row.cells[kErrorColumn] = e.what();
  }
  if (!row.loaded) {
    row.cells[kFileNameColumn] = PathText(path.filename());
    row.cells[kFileDateColumn] = FileTimeText(path);
  }
  return row;
}

}  // namespace tolvane::form
