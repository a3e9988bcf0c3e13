// The one failure of loading and analysing a save: a message for the user.
#pragma once

#include <stdexcept>
#include <string>

namespace tolvane {

class SaveError : public std::runtime_error {
 public:
  explicit SaveError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tolvane
