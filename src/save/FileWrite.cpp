#include "save/FileWrite.h"

#include <fmt/format.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

#include "save/Platform.h"
#include "save/SaveError.h"
#include "save/Utf8Path.h"

namespace tolvane {

void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  auto fail = [&path](int error) {
    return SaveError(
        fmt::format("Cannot write \"{}\". {}.", Utf8FromPath(path), std::generic_category().message(error)));
  };
  std::FILE* f = platform::OpenForWriting(path);
  if (!f) throw fail(errno);
  // An empty text may have no buffer at all: nothing to hand to fwrite then.
  // (A failure without an error number is told as an input/output error.)
  int error = 0;
  errno = 0;
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) error = errno ? errno : EIO;
  // The last buffered bytes go out on closing, so a full disk may show only then.
  errno = 0;
  if (std::fclose(f) != 0 && !error) error = errno ? errno : EIO;
  if (error) throw fail(error);
}

}  // namespace tolvane
