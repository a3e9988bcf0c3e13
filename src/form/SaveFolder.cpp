#include "form/SaveFolder.h"

#include <fmt/format.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <system_error>

#include "save/Platform.h"
#include "save/SaveError.h"

namespace tolvane::form {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSaveExtension = ".CivWarlordsSave";

char Folded(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

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

bool IsSaveName(const fs::path& name) {
  const std::string text = PathText(name.filename());
  if (text.size() < kSaveExtension.size()) return false;
  return std::equal(kSaveExtension.begin(), kSaveExtension.end(), text.end() - ptrdiff_t(kSaveExtension.size()),
                    [](char a, char b) { return Folded(a) == Folded(b); });
}

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
