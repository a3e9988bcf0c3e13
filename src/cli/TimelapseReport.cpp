#include "cli/TimelapseReport.h"

#include <fmt/format.h>

#include <memory>
#include <ostream>
#include <vector>

#include "form/Form.h"
#include "form/Games.h"
#include "save/FileWrite.h"
#include "save/SaveError.h"
#include "save/Utf8Path.h"

namespace tolvane::report {

namespace {

const std::string& FileName(const form::SaveRow& row) { return row.cells[form::kFileNameColumn]; }

}  // namespace

int WriteTimelapse(const TimelapseRequest& request, std::ostream& err) {
  if (!form::CanEncodeTimelapse()) {
    try {
      form::EncodeTimelapse({}, request.gif);
    } catch (const SaveError& e) {
      err << "tolvane-report: " << e.what() << "\n";
    }
    return 2;
  }
  // The World page's layers, as its check boxes are left by the clicks.
  form::Form form;
  const form::WorldPage& world = form.world;
  for (const std::string& name : request.checks) {
    if (name != world.showOwners.Name() && name != world.showCities.Name() && name != world.showResources.Name()) {
      err << "tolvane-report: --check with --timelapse takes the World page's check boxes (" << world.showOwners.Name()
          << ", " << world.showCities.Name() << ", " << world.showResources.Name() << "), not " << name << "\n";
      return 2;
    }
    form.ClickCheckBox(name);
  }
  form::TimelapseOptions options = request.gif;
  options.layers = {.owners = world.showOwners.Checked(),
                    .cities = world.showCities.Checked(),
                    .resources = world.showResources.Checked()};
  const auto output = PathFromUtf8(request.output);
  try {
    RefuseToWriteOverASave(output);  // before reading every save
  } catch (const SaveError& e) {
    err << "tolvane-report: " << e.what() << "\n";
    return 1;
  }
  TableOptions table = request.table;
  table.worldFrames = true;
  const std::vector<form::SaveRow> rows = ReadRows(table, err);
  const std::vector<form::Game> games = form::GroupGames(rows);
  if (games.size() > 1 && request.game == 0) {
    err << fmt::format("tolvane-report: the saves hold {} games; pick one with --game N:\n", games.size());
    for (const form::Game& game : games) err << "  " << form::GameLine(game, rows) << "\n";
    return 2;
  }
  if (request.game < 0 || (request.game > 0 && size_t(request.game) > games.size())) {
    err << fmt::format("tolvane-report: --game {}: the saves hold {} game{}.\n", request.game, games.size(),
                       games.size() == 1 ? "" : "s");
    return 2;
  }
  bool leftOut = false;
  for (const form::SaveRow& row : rows)
    if (!row.loaded) {
      err << fmt::format("tolvane-report: left out \"{}\": {}\n", FileName(row), row.cells[form::kErrorColumn]);
      leftOut = true;
    }
  if (games.empty()) {
    err << "tolvane-report: no save could be loaded: no timelapse written.\n";
    return 1;
  }
  const form::Game& game = games[size_t(request.game > 0 ? request.game - 1 : 0)];
  std::vector<std::shared_ptr<const form::WorldFrame>> frames;
  for (const form::ChainedSave& save : game.saves) {
    const form::SaveRow& row = rows[save.row];
    if (!row.world || row.world->world.width == 0 || row.world->world.height == 0) {
      err << fmt::format(
          "tolvane-report: left out \"{}\": the save shows no map (its first slot has a password, or "
          "it holds none).\n",
          FileName(row));
      continue;
    }
    frames.push_back(row.world);
  }
  try {
    const std::vector<uint8_t> gif = form::EncodeTimelapse(frames, options);
    WriteBytes(output, std::string_view(reinterpret_cast<const char*>(gif.data()), gif.size()));
  } catch (const SaveError& e) {
    err << "tolvane-report: " << e.what() << "\n";
    return 1;
  }
  return leftOut ? 1 : 0;
}

}  // namespace tolvane::report
