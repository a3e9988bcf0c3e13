// Paths as the user sees them (UTF-8 text: the file bar, the command line,
// messages) and as the system opens them (std::filesystem::path, built from
// wide characters on Windows).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tolvane {

// The path named by UTF-8 text, on every system (a path made straight from
// a std::string reads it in the ANSI code page on Windows).
inline std::filesystem::path PathFromUtf8(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

// The path as UTF-8 text, for messages.
inline std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace tolvane
