// Runs tolvane-report as a process, as scripts use it.
#pragma once

#include <string>

namespace tolvane::testing {

struct Outcome {
  int status = -1;  // the exit status; -1 when the process did not exit
  std::string out;  // standard output
};

// Runs the report with the arguments (words separated by blanks; a part in
// single quotes is taken as it stands, '' is an empty word) in the folder
// `workingDir` (the current one when empty); standard error is dropped.
Outcome RunReport(const std::string& args, const std::string& workingDir = {});

// Runs the report with its standard output dropped and its standard error
// going into a pipe; returns what it wrote there.
std::string RunReportErrors(const std::string& args);

// Runs the report with its standard output going to the file `output`;
// returns the exit status (-1 when the process did not exit).
int RunReportInto(const std::string& args, const std::string& output);

}  // namespace tolvane::testing
