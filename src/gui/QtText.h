// The form's texts and the file system's paths as Qt's strings. The form
// holds its texts as UTF-8 (a save's 8-bit texts already turned into it);
// a path keeps every character the file system gives it.
#pragma once

#include <QString>
#include <filesystem>
#include <string_view>

namespace tolvane::gui {

inline QString Q(std::string_view utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }

inline QString QPath(const std::filesystem::path& path) { return QString::fromStdU16String(path.u16string()); }

}  // namespace tolvane::gui
