// Texts compared without regard to the case of the letters A to Z, as a
// save's name ends in ".CivWarlordsSave" in any case and as the Saves page
// filters and sorts. Other bytes, those of UTF-8 sequences among them,
// compare as they are.
#pragma once

#include <algorithm>
#include <string_view>

namespace tolvane::form {

// The byte with A to Z made a to z.
constexpr char Folded(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

inline bool EqualFolded(char a, char b) { return Folded(a) == Folded(b); }

// Whether `word` stands anywhere in `text` (an empty word does).
inline bool ContainsFolded(std::string_view text, std::string_view word) {
  return std::search(text.begin(), text.end(), word.begin(), word.end(), EqualFolded) != text.end();
}

inline bool EndsWithFolded(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && std::equal(end.begin(), end.end(), text.end() - end.size(), EqualFolded);
}

}  // namespace tolvane::form
