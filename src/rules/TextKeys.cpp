#include "rules/TextKeys.h"

#include <cstddef>

namespace tolvane {

namespace {

// Texts longer than this are not turned into words.
constexpr size_t kMaxTextLength = 1023;

// The text up to its first zero byte, as the game's texts end there.
std::string_view UpToZero(std::string_view text) { return text.substr(0, text.find('\0')); }

}  // namespace

std::string CutMacros(std::string_view text) {
  text = UpToZero(text);
  std::string out;
  if (text.empty() || text.size() > kMaxTextLength) return out;
  // Copies the runs outside markup whole: most texts have none.
  out.reserve(text.size());
  size_t from = 0;
  for (size_t open; (open = text.find('<', from)) != std::string_view::npos;) {
    out.append(text.substr(from, open - from));
    const size_t close = text.find('>', open);
    if (close == std::string_view::npos) return out;
    from = close + 1;
  }
  out.append(text.substr(from));
  return out;
}

void CutMacrosInPlace(std::string& text) {
  if (text.find('<') != std::string::npos || text.size() > kMaxTextLength) text = CutMacros(text);
}

char CharLowCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

// The first character and each one after an underscore keep their case;
// underscores become blanks.
std::string LowCase(std::string_view key) {
  key = UpToZero(key);
  std::string out;
  out.reserve(key.size());
  bool keepNext = true;
  for (char c : key) {
    char o = keepNext ? c : CharLowCase(c);
    keepNext = false;
    if (o == '_') {
      o = ' ';
      keepNext = true;
    }
    out += o;
  }
  return out;
}

// The cut goes by the key's length from the front; where the key occurs
// only decides whether there is a cut.
std::string CutTextKey(std::string_view text, std::string_view key) {
  const std::string_view counted = UpToZero(text);
  key = UpToZero(key);
  const size_t n = counted.size();
  if (n >= 1 && n <= kMaxTextLength && key.size() < n && counted.find(key) != std::string_view::npos) {
    return LowCase(counted.substr(key.size()));
  }
  return std::string(text);
}

}  // namespace tolvane
