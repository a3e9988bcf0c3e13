// The little that tolvane-report needs to know of its console, for every
// platform: whether a stream is a terminal, and standard output in binary
// mode (CSV lines end in CR LF of their own).
#pragma once

#include <cstdio>

namespace tolvane::report {

bool IsTerminal(std::FILE* stream);

// Standard output writes the bytes it is given (no "\n" becomes "\r\n").
void UseBinaryStandardOutput();

}  // namespace tolvane::report
