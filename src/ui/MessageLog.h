// The messages the window shows the user, oldest first: a save that cannot
// be read, a calculator's input that is no number, a score without a value.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tolvane::ui {

class MessageLog {
 public:
  void Add(std::string text) { all_.push_back(std::move(text)); }
  const std::vector<std::string>& All() const { return all_; }

  // Runs a handler's body; a failure for the user (InputError, CalcError)
  // ends the body and becomes a message.
  void Guard(const std::function<void()>& body);

 private:
  std::vector<std::string> all_;
};

}  // namespace tolvane::ui
