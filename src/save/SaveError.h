// The one failure of loading and analysing a save: a message for the user.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace tolvane {

class SaveError : public std::runtime_error {
 public:
  explicit SaveError(const std::string& message) : std::runtime_error(message) {}
  // A message that names the file, and the same without its name: where the
  // file is named beside it (a row of the table of many saves), the reason
  // alone is shown.
  SaveError(const std::string& message, std::string reason) : std::runtime_error(message), reason_(std::move(reason)) {}
  // What went wrong, without the file's name; the whole message when it
  // names no file.
  std::string Reason() const { return reason_.empty() ? what() : reason_; }

 private:
  std::string reason_;
};

}  // namespace tolvane
