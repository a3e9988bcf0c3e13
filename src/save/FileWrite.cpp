#include "save/FileWrite.h"

#include <fmt/format.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <string>
#include <system_error>

#include "save/Platform.h"
#include "save/SaveError.h"
#include "save/Utf8Path.h"

namespace tolvane {

namespace fs = std::filesystem;

namespace {

SaveError CannotWrite(const fs::path& path, int error) {
  return SaveError(fmt::format("Cannot write \"{}\". {}.", Utf8FromPath(path), std::generic_category().message(error)));
}

// Writes every byte to an open file and closes it; the error number of the
// first failure, 0 when all went well. (A failure without an error number
// is told as an input/output error.)
int WriteAndClose(std::FILE* f, std::string_view bytes, bool sync) {
  int error = 0;
  errno = 0;
  // An empty text may have no buffer at all: nothing to hand to fwrite then.
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) error = errno ? errno : EIO;
  errno = 0;
  if (!error && sync && (std::fflush(f) != 0 || !platform::SyncToDisk(f))) error = errno ? errno : EIO;
  // The last buffered bytes go out on closing, so a full disk may show only then.
  errno = 0;
  if (std::fclose(f) != 0 && !error) error = errno ? errno : EIO;
  return error;
}

// A name for the new file beside the target that no other file has yet:
// the target's name with a dot before it and a number after it.
fs::path TemporaryBeside(const fs::path& target, unsigned attempt) {
  static std::atomic<unsigned> counter{0};
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  const unsigned number = unsigned(ticks) ^ (counter++ * 2654435761u) ^ attempt;
  fs::path name = target.filename();
  name += fmt::format(".{:08x}.tmp", number);
  return target.parent_path() / (fs::path(".") += name);
}

// The file a path names, through any symbolic links: the link stays and
// its target is replaced.
fs::path FinalTarget(const fs::path& path) {
  std::error_code error;
  if (!fs::is_symlink(path, error)) return path;
  const fs::path resolved = fs::weakly_canonical(path, error);
  return error ? path : resolved;
}

}  // namespace

void RefuseToWriteOverASave(const fs::path& path) {
  if (HoldsSavedGame(path))
    throw SaveError(fmt::format("Cannot write \"{}\". It holds a saved game, and Tolvane never writes over a save.",
                                Utf8FromPath(path)));
}

void WriteBytes(const fs::path& path, std::string_view bytes) {
  RefuseToWriteOverASave(path);
  const fs::path target = FinalTarget(path);
  std::error_code statusError;
  const fs::file_status status = fs::status(target, statusError);
  const bool exists = fs::exists(status);
  // A device or named pipe cannot be replaced and holds no file to lose,
  // and a folder is refused by the system: those are opened as they are.
  if (exists && !fs::is_regular_file(status)) {
    std::FILE* f = platform::OpenForWriting(target);
    if (!f) throw CannotWrite(path, errno);
    if (const int error = WriteAndClose(f, bytes, /*sync=*/false)) throw CannotWrite(path, error);
    return;
  }
  // A file its owner may not write stays as it is, although its folder would
  // let it be replaced.
  if (exists && (status.permissions() & fs::perms::owner_write) == fs::perms::none) throw CannotWrite(path, EACCES);

  fs::path temporary;
  std::FILE* f = nullptr;
  for (unsigned attempt = 0; !f && attempt < 100; ++attempt) {
    temporary = TemporaryBeside(target, attempt);
    f = platform::CreateForWriting(temporary);
    if (!f && errno != EEXIST) break;
  }
  if (!f) throw CannotWrite(path, errno);
  int error = WriteAndClose(f, bytes, /*sync=*/true);
  if (!error && exists) {
    // The new file takes the permissions of the one it replaces.
    std::error_code ignored;
    fs::permissions(temporary, status.permissions(), ignored);
  }
  errno = 0;
  if (!error && !platform::RenameReplacing(temporary, target)) error = errno ? errno : EIO;
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    throw CannotWrite(path, error);
  }
}

void WriteSaveImage(const fs::path& path, const SaveImage& image) {
  WriteBytes(path, {reinterpret_cast<const char*>(image.bytes.data()), image.bytes.size()});
}

}  // namespace tolvane
