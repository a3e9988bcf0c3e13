// `tolvane-report --timelapse OUT.gif PATH...`: the saves of the files and
// folders given grouped into games, and one game's worlds, save after save
// in turn order, written as an animated GIF.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/TableReport.h"
#include "form/exports/Timelapse.h"

namespace tolvane::report {

struct TimelapseRequest {
  std::string output;          // the GIF to write
  TableOptions table;          // the saves to read (paths, recursive, jobs, progress)
  int game = 0;                // the game's number as --games numbers them; 0: the only one
  form::TimelapseOptions gif;  // pixels per plot, milliseconds per frame
  // The World page's check boxes clicked (their names), which give the layers.
  std::vector<std::string> checks;
};

// Reads the saves, picks the game and writes its timelapse, with notes on
// `err`. Returns the exit status: 0 written with every save, 1 written
// without the saves that could not be loaded (each named on `err`), or not
// written (its reason on `err`, nothing left in its place), 2 when the
// saves hold several games and none is picked, the game picked does not
// exist, a check box clicked is not one of the World page's, or the build
// cannot write a timelapse.
int WriteTimelapse(const TimelapseRequest& request, std::ostream& err);

}  // namespace tolvane::report
