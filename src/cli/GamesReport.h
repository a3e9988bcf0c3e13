// `tolvane-report --games PATH...`: the saves of the files and folders
// given grouped into games, each game's saves in turn order with their
// verdicts, and the files that could not be loaded apart.
#pragma once

#include <iosfwd>
#include <nlohmann/json.hpp>
#include <vector>

#include "cli/TableReport.h"
#include "form/Games.h"

namespace tolvane::report {

// The games as a JSON array: each game with its number, name, whether it
// is continuous and its saves; the files that could not be loaded as a last
// element whose game is null. `judged`: each save also with the rules'
// verdict.
nlohmann::ordered_json GamesJson(const std::vector<form::Game>& games, const std::vector<form::SaveRow>& rows,
                                 bool judged);

// Reads the saves (options as for the table), groups them and prints the
// games to `out` as text, CSV or JSON. Returns the exit status: 0 when every
// save loaded, 1 when one did not, 2 when the rules file is refused (its
// message on `err`, nothing read).
int PrintGames(const TableOptions& options, std::ostream& out, std::ostream& err);

}  // namespace tolvane::report
