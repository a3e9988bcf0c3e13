// What differs between the systems Tolvane is built for (Linux and other
// POSIX systems, Windows), kept in this one place so that the rest of the
// code is plain C++.
#pragma once

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::platform {

// Opens a file for reading, in binary mode (on POSIX systems without waiting
// for a writer, should a named pipe have been put in the file's place).
// nullptr with errno set on failure.
std::FILE* OpenForReading(const std::filesystem::path& path);

// What an open file is when it is no regular file: "a folder", "a named pipe
// (FIFO)", "a socket", "a device" (a Windows device name such as CON or NUL
// too) or "no regular file"; "" for a regular file.
std::string_view KindOfOpenFile(std::FILE* file);

// Opens a file for writing, in binary mode, replacing it. nullptr with errno
// set on failure.
std::FILE* OpenForWriting(const std::filesystem::path& path);

// Creates a new file and opens it for writing, in binary mode; a file of
// that name already there is left alone (nullptr with errno EEXIST). nullptr
// with errno set on failure.
std::FILE* CreateForWriting(const std::filesystem::path& path);

// Flushes an open file's bytes through to the disk, so that they outlive a
// crash of the system. False with errno set on failure.
bool SyncToDisk(std::FILE* file);

// Renames a file, replacing a file of the new name in one step (on Windows
// too, where a plain rename refuses to). False with errno set on failure.
bool RenameReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

// The local time of `t` in `local`; false when it cannot be told.
bool LocalTime(std::time_t t, std::tm& local);

// The program's arguments (argv[0] first) as UTF-8. On Windows argv holds
// them in the ANSI code page, which loses every letter outside it (a
// Cyrillic folder name on a Western system), so they are taken from the
// wide command line; elsewhere argv is UTF-8 already.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Standard output passes its bytes on as they are: on Windows no "\r" is
// added before each "\n", so that a report is the same file everywhere.
void UseBinaryStandardOutput();

// Lowers the priority of the calling thread, so that work in the background
// gives way to the window's thread when both want a core (threads it starts
// inherit the lower priority where the system lets them). Does nothing where
// the system offers no such thing.
void LowerThisThreadsPriority();

// Whether a stream is a terminal (and not a pipe or a file).
bool IsTerminal(std::FILE* stream);

}  // namespace tolvane::platform
