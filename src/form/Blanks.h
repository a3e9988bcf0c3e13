// The pages pad their texts with blanks, as the window's fields show them
// ("%7d"); summaries, comparisons and reports take the text inside.
#pragma once

#include <string_view>

namespace tolvane::form {

// The text without the blanks before and after it.
inline std::string_view Trimmed(std::string_view s) {
  const size_t b = s.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

}  // namespace tolvane::form
