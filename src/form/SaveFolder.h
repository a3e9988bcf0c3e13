// The saves of a folder as the Saves page and `tolvane-report --table` list
// them, and the texts of a save's file: its name and its last-write time.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tolvane::form {

// One entry of a folder whose name ends in ".CivWarlordsSave", whatever it
// is (a folder or a named pipe of that name gets its row as well, with the
// message of its load), and what tells a changed file: its size and time.
struct ListedSave {
  std::filesystem::path path;
  uintmax_t size = 0;
  std::filesystem::file_time_type time;
  bool operator==(const ListedSave&) const = default;
};

// True for a name that ends in ".CivWarlordsSave" (the letters in any case).
bool IsSaveName(const std::filesystem::path& name);

// The saves of `folder` sorted by path; with `recursive`, those of its
// subfolders at any depth as well (a subfolder that cannot be read is left
// out). Nothing is opened: a named pipe or a device stays untouched. Throws
// SaveError when the folder itself cannot be listed.
std::vector<ListedSave> ListSaves(const std::filesystem::path& folder, bool recursive = false);

// A path as the Saves page knows a file or a folder again, however it was
// written: absolute (against the current folder; the empty path is the
// current folder itself), without "." and ".." and without a separator at
// the end. Only the text is worked on: a missing file or folder has its key
// as well, and links are not followed.
std::filesystem::path PathKey(const std::filesystem::path& path);

// A path as UTF-8 text.
std::string PathText(const std::filesystem::path& path);

// The last-write time of a file: in local time, "2025-03-01 18:04:11", and
// in seconds since 1970 (to sort by); "" and none when the file has none.
struct FileTime {
  std::string text;
  std::optional<int64_t> seconds;
};
FileTime FileTimeOf(const std::filesystem::path& path);
std::string FileTimeText(const std::filesystem::path& path);

}  // namespace tolvane::form
