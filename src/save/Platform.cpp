#include "save/Platform.h"

#include <cerrno>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#else
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/syscall.h>
#endif
#endif

namespace tolvane::platform {

#ifdef _WIN32

std::FILE* OpenForReading(const std::filesystem::path& path) { return _wfopen(path.c_str(), L"rb"); }

std::string_view KindOfOpenFile(std::FILE* file) {
  switch (GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file))))) {
    case FILE_TYPE_DISK:
      return {};
    case FILE_TYPE_CHAR:
      return "a device";
    case FILE_TYPE_PIPE:
      return "a named pipe";
    default:
      return "no regular file";
  }
}

std::FILE* OpenForWriting(const std::filesystem::path& path) { return _wfopen(path.c_str(), L"wb"); }

std::FILE* CreateForWriting(const std::filesystem::path& path) {
  const int fd = _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (fd < 0) return nullptr;
  std::FILE* file = _fdopen(fd, "wb");
  if (!file) {
    const int error = errno;
    _close(fd);
    errno = error;
  }
  return file;
}

bool SyncToDisk(std::FILE* file) { return _commit(_fileno(file)) == 0; }

bool RenameReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  switch (GetLastError()) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      errno = EACCES;
      break;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      errno = ENOENT;
      break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      errno = ENOSPC;
      break;
    default:
      errno = EIO;
  }
  return false;
}

bool LocalTime(std::time_t t, std::tm& local) { return localtime_s(&local, &t) == 0; }

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) return {argv, argv + argc};
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
    std::string text(size_t(bytes > 0 ? bytes : 1), '\0');
    if (bytes > 0) WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, text.data(), bytes, nullptr, nullptr);
    text.pop_back();  // the terminating zero
    arguments.push_back(std::move(text));
  }
  LocalFree(wide);
  return arguments;
}

void UseBinaryStandardOutput() { _setmode(_fileno(stdout), _O_BINARY); }

bool IsTerminal(std::FILE* stream) { return _isatty(_fileno(stream)) != 0; }

void LowerThisThreadsPriority() { SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL); }

#else

std::FILE* OpenForReading(const std::filesystem::path& path) {
  // Reads from a regular file never wait, so the flag changes nothing for one.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  std::FILE* file = fdopen(fd, "rb");
  if (!file) {
    const int error = errno;
    close(fd);
    errno = error;
  }
  return file;
}

std::string_view KindOfOpenFile(std::FILE* file) {
  struct stat st {};
  if (fstat(fileno(file), &st) != 0) return "no regular file";
  if (S_ISREG(st.st_mode)) return {};
  if (S_ISDIR(st.st_mode)) return "a folder";
  if (S_ISFIFO(st.st_mode)) return "a named pipe (FIFO)";
  if (S_ISSOCK(st.st_mode)) return "a socket";
  if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) return "a device";
  return "no regular file";
}

std::FILE* OpenForWriting(const std::filesystem::path& path) { return std::fopen(path.c_str(), "wb"); }

std::FILE* CreateForWriting(const std::filesystem::path& path) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  std::FILE* file = fdopen(fd, "wb");
  if (!file) {
    const int error = errno;
    close(fd);
    errno = error;
  }
  return file;
}

bool SyncToDisk(std::FILE* file) { return fsync(fileno(file)) == 0; }

bool RenameReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool LocalTime(std::time_t t, std::tm& local) { return localtime_r(&t, &local) != nullptr; }

std::vector<std::string> Utf8Arguments(int argc, char** argv) { return {argv, argv + argc}; }

void UseBinaryStandardOutput() {}

bool IsTerminal(std::FILE* stream) { return isatty(fileno(stream)) != 0; }

void LowerThisThreadsPriority() {
#ifdef __linux__
  // On Linux the nice value belongs to each thread (and new threads inherit it).
  setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), 10);
#endif
}

#endif

}  // namespace tolvane::platform
