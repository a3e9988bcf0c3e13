// Numbers typed into the calculators' edits. A text that is not a number
// stops the handler that reads it with a message for the user.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tolvane::ui {

// A handler's failure on the user's input; its message is shown as it is.
class InputError : public std::runtime_error {
 public:
  explicit InputError(const std::string& message) : std::runtime_error(message) {}
};

// A decimal 32-bit integer with an optional sign; blanks before and after it
// are allowed ("%7d" pads with blanks). Throws InputError
// "'<text>' is not a valid integer value".
int32_t ParseInt(std::string_view text);

// A decimal number with "." as decimal point and an optional exponent;
// blanks around it are allowed. Throws InputError
// "'<text>' is not a valid floating point value".
double ParseFloat(std::string_view text);

}  // namespace tolvane::ui
