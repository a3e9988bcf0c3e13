// Numbers typed into the calculators' edits. A text that is not a number
// stops the handler that reads it with a message for the user.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tolvane::form {

class Edit;

// A handler's failure on the user's input; its message is shown as it is.
// `field` is the edit whose text was refused, when it is known.
class InputError : public std::runtime_error {
 public:
  explicit InputError(const std::string& message, const Edit* field = nullptr)
      : std::runtime_error(message), field_(field) {}
  const Edit* Field() const { return field_; }

 private:
  const Edit* field_;
};

// A decimal 32-bit integer with an optional sign; blanks before and after it
// are allowed ("%7d" pads with blanks). Throws InputError
// "'<text>' is not a valid integer value".
int32_t ParseInt(std::string_view text);

// A decimal number with "." as decimal point and an optional exponent;
// blanks around it are allowed. Throws InputError
// "'<text>' is not a valid floating point value".
double ParseFloat(std::string_view text);

// A calculator reads an input: its text as a number, or an InputError
// naming the edit, which stays marked until its text is a number.
int32_t ReadInt(Edit& edit);
double ReadFloat(Edit& edit);
// An input read as a number must also lie in [min, max]: else the edit is
// marked and an InputError says so, naming the field and the range.
int32_t ReadIntIn(Edit& edit, int32_t min, int32_t max);

}  // namespace tolvane::form
