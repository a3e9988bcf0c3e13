#include "form/SaveFolder.h"

#include <fmt/format.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <system_error>

#include "form/FoldedText.h"
#include "save/Platform.h"
#include "save/SaveError.h"

namespace tolvane::form {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSaveExtension = ".CivWarlordsSave";

ListedSave Listed(const fs::directory_entry& entry) {
  std::error_code error;
  ListedSave save{entry.path()};
  // A folder or a pipe has no size to speak of; its time still tells a change.
  if (entry.is_regular_file(error)) save.size = entry.file_size(error);
  save.time = entry.last_write_time(error);
  if (error) save.time = {};
  return save;
}

}  // namespace

bool IsSaveName(const fs::path& name) { return EndsWithFolded(PathText(name.filename()), kSaveExtension); }

std::vector<ListedSave> ListSaves(const fs::path& folder, bool recursive) {
  std::vector<ListedSave> saves;
  std::error_code error;
  auto fail = [&] {
    throw SaveError(fmt::format("Cannot list the folder \"{}\". {}", PathText(folder), error.message()));
  };
  if (recursive) {
    fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
    if (error) fail();
    for (; it != fs::recursive_directory_iterator(); it.increment(error)) {
      if (error) break;  // a subfolder that vanished or cannot be read: what was found stays
      if (IsSaveName(it->path())) saves.push_back(Listed(*it));
    }
  } else {
    fs::directory_iterator it(folder, error);
    if (error) fail();
    for (; it != fs::directory_iterator(); it.increment(error)) {
      if (error) fail();
      if (IsSaveName(it->path())) saves.push_back(Listed(*it));
    }
  }
  std::sort(saves.begin(), saves.end(), [](const ListedSave& a, const ListedSave& b) { return a.path < b.path; });
  return saves;
}

fs::path PathKey(const fs::path& path) {
  std::error_code error;
  const fs::path given = path.empty() ? fs::path(".") : path;
  const fs::path absolute = fs::absolute(given, error);
  // Without a current folder (it was removed) the path stays relative.
  fs::path key = (error ? given : absolute).lexically_normal();
  // "saves/" is the folder "saves"; a root ("/", "C:\") keeps its separator.
  if (!key.has_filename() && key.has_relative_path()) key = key.parent_path();
  return key;
}

std::string PathText(const fs::path& path) {
  const std::u8string text = path.u8string();
  return {text.begin(), text.end()};
}

FileTime FileTimeOf(const fs::path& path) {
  std::error_code error;
  const fs::file_time_type time = fs::last_write_time(path, error);
  if (error) return {};
  const std::time_t t = std::chrono::system_clock::to_time_t(
      std::chrono::time_point_cast<std::chrono::system_clock::duration>(fs::file_time_type::clock::to_sys(time)));
  std::tm local{};
  if (!platform::LocalTime(t, local)) return {};
  char text[32];
  const size_t n = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return {std::string(text, n), int64_t(t)};
}

std::string FileTimeText(const fs::path& path) { return FileTimeOf(path).text; }

}  // namespace tolvane::form
