#include "RunReport.h"

#include <sys/wait.h>

#include <cstdio>

namespace tolvane::testing {

Outcome RunReport(const std::string& args, const std::string& workingDir) {
  Outcome run;
  std::string command = std::string(TOLVANE_REPORT) + " " + args + " 2>/dev/null";
  if (!workingDir.empty()) command = "cd '" + workingDir + "' && " + command;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[65536];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace tolvane::testing
