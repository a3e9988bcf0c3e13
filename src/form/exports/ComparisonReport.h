// A comparison of two saves as a file or a report: the Compare page as text,
// or one JSON object with descriptive keys (numbers as numbers, null for a
// value that a page of either save hides).
#pragma once

#include <string>

#include "form/SaveComparison.h"

namespace tolvane::form {

// The Compare page showing the comparison, as the text report prints a page.
std::string ComparisonText(const SaveComparison& comparison);
// The JSON object, indented, ending in a line break.
std::string ComparisonJson(const SaveComparison& comparison);

}  // namespace tolvane::form
