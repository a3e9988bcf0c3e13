// The difference of two texts line by line, as `diff -u` shows it, for
// tests that compare a long output with a committed one.
#pragma once

#include <string>
#include <string_view>

namespace tolvane::testing {

// The lines of `expected` missing from `actual` ("-") and the lines added
// ("+"), in hunks with `context` unchanged lines around each change and
// headers "--- expectedName", "+++ actualName", "@@ -1,4 +1,5 @@"; "" when
// the texts are equal.
std::string UnifiedDiff(std::string_view expected, std::string_view actual, std::string_view expectedName,
                        std::string_view actualName, size_t context = 3);

}  // namespace tolvane::testing
