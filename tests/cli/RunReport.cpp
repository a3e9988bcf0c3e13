#include "RunReport.h"

#include <cstdio>
#include <filesystem>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <sys/wait.h>
#endif

namespace tolvane::testing {

namespace {

// The words of a shell-like text: separated by blanks, a part in single
// quotes taken as it stands ('' is an empty word).
std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  bool quoted = false;
  for (char c : text) {
    if (c == '\'') {
      quoted = !quoted;
      inWord = true;
    } else if (c == ' ' && !quoted) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

#ifdef _WIN32

// A path the command processor takes: absolute, with backslashes (a path of
// the host such as "/work/x" names Z:\work\x under Wine).
std::string NativePath(const std::string& path) {
  std::filesystem::path p = std::filesystem::absolute(std::filesystem::path(std::u8string(path.begin(), path.end())));
  const std::u8string text = p.make_preferred().u8string();
  return {text.begin(), text.end()};
}

std::string Quoted(const std::string& word) { return "\"" + word + "\""; }

std::wstring Wide(const std::string& utf8) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
  std::wstring wide(size_t(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), n);
  return wide;
}

#else

std::string NativePath(const std::string& path) { return path; }

std::string Quoted(const std::string& word) { return "'" + word + "'"; }

#endif

#ifdef _WIN32
constexpr const char* kNowhere = "NUL";
#else
constexpr const char* kNowhere = "/dev/null";
#endif

// The command line of the report with these arguments.
std::string CommandLine(const std::string& args) {
  std::string command = Quoted(NativePath(TOLVANE_REPORT));
  for (const std::string& word : Words(args)) command += " " + Quoted(word);
  return command;
}

// The command line, its standard error dropped.
std::string ReportCommand(const std::string& args) { return CommandLine(args) + " 2>" + kNowhere; }

std::string ReadAll(FILE* pipe) {
  std::string text;
  char buffer[65536];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
  return text;
}

// Runs a command through the command processor, reading its standard output.
FILE* OpenPipe(const std::string& command) {
#ifdef _WIN32
  // The command processor takes off the outer quotes and keeps the inner ones.
  return _wpopen(Wide(Quoted(command)).c_str(), L"rb");
#else
  return popen(command.c_str(), "r");
#endif
}

int ClosePipe(FILE* pipe) {
#ifdef _WIN32
  return _pclose(pipe);
#else
  const int status = pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

}  // namespace

Outcome RunReport(const std::string& args, const std::string& workingDir) {
  Outcome run;
  std::string command = ReportCommand(args);
#ifdef _WIN32
  if (!workingDir.empty()) command = "cd /d " + Quoted(NativePath(workingDir)) + " && " + command;
#else
  if (!workingDir.empty()) command = "cd " + Quoted(workingDir) + " && " + command;
#endif
  FILE* pipe = OpenPipe(command);
  if (!pipe) return run;
  run.out = ReadAll(pipe);
  run.status = ClosePipe(pipe);
  return run;
}

std::string RunReportErrors(const std::string& args) {
  FILE* pipe = OpenPipe(CommandLine(args) + " 2>&1 >" + kNowhere);
  if (!pipe) return {};
  std::string text = ReadAll(pipe);
  ClosePipe(pipe);
#ifdef _WIN32
  // Standard error is a text stream on Windows: its lines end in CR LF.
  for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
#endif
  return text;
}

int RunReportInto(const std::string& args, const std::string& output) {
  FILE* pipe = OpenPipe(ReportCommand(args) + " >" + Quoted(NativePath(output)));
  return pipe ? ClosePipe(pipe) : -1;
}

}  // namespace tolvane::testing
