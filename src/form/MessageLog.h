// The messages the window shows the user, oldest first: a save that cannot
// be read, a calculator's input that is no number, a score without a value.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tolvane::form {

class Edit;

class MessageLog {
 public:
  // A message; `field` is the input whose text it refuses, if any.
  void Add(std::string text, const Edit* field = nullptr) {
    all_.push_back(std::move(text));
    fields_.push_back(field);
  }
  const std::vector<std::string>& All() const { return all_; }
  // The input that message i refuses, or nullptr.
  const Edit* FieldOf(size_t i) const { return fields_[i]; }

  // Runs a handler's body; a failure for the user (InputError, CalcError)
  // ends the body and becomes a message.
  void Guard(const std::function<void()>& body);

 private:
  std::vector<std::string> all_;
  std::vector<const Edit*> fields_;
};

}  // namespace tolvane::form
