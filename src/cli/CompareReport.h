// `tolvane-report --compare EARLIER LATER`: two saves of one game compared,
// as the Compare page shows them (text) or as one JSON object.
#pragma once

#include <iosfwd>
#include <string>

namespace tolvane::report {

// Loads both saves, each into a fresh form, and prints their comparison to
// `out` (the Compare page as text, or the JSON object). Returns the exit
// status: 0 when both saves loaded, whatever the verdict; 1 when one did not
// (its message on `err`) or the report could not be written.
int PrintComparison(const std::string& first, const std::string& second, bool json, std::ostream& out,
                    std::ostream& err);

}  // namespace tolvane::report
