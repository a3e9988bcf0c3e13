// Runs tolvane-report as a process, as scripts use it.
#pragma once

#include <string>

namespace tolvane::testing {

struct Outcome {
  int status = -1;  // the exit status; -1 when the process did not exit
  std::string out;  // standard output
};

// Runs the report with the arguments (quoted for the shell) in the folder
// `workingDir` (the current one when empty); standard error is dropped.
Outcome RunReport(const std::string& args, const std::string& workingDir = {});

}  // namespace tolvane::testing
