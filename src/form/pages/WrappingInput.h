// The calculators compute in the game's 32-bit arithmetic, where a value
// beyond the range wraps around. A typed value that would make a result
// wrap is refused like a text that is no number: the field is marked and
// named in the message, and the results keep showing the last values that
// fit.
#pragma once

#include <fmt/format.h>

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "form/Controls.h"
#include "form/NumberText.h"

namespace tolvane::form {

// One input of a calculator: its edit, its name in messages ("Population
// Factor") and how its value passes from one set of the calculator's values
// to another.
template <typename Values>
struct CalculatorInput {
  Edit* edit;
  std::string name;
  std::function<void(Values& to, const Values& from)> take;
};

// The message for a value that makes a result leave the 32-bit range:
// "Population Factor: 2147483647 makes the final score too large".
inline std::string WrapsMessage(std::string_view field, std::string_view value, std::string_view result) {
  const auto first = value.find_first_not_of(' ');
  value = first == std::string_view::npos ? std::string_view() : value.substr(first);
  return fmt::format("{}: {} makes the {} too large", field, value.substr(0, value.find_last_not_of(' ') + 1), result);
}

// After every input was read into `typed`: when those values make a result
// wrap (`wraps` names the result, or gives nothing) while the values before
// (`before`) did not, the first input, in reading order, whose typed value
// tips them over is refused. The values go back to what they were before
// that input, its edit is marked, and an InputError names it and the result.
template <typename Values>
void RefuseWrappingInput(std::span<const CalculatorInput<Values>> inputs, const Values& before, Values& typed,
                         const std::function<std::optional<std::string_view>(const Values&)>& wraps) {
  if (!wraps(typed) || wraps(before)) return;
  Values values = before;
  for (const CalculatorInput<Values>& input : inputs) {
    Values next = values;
    input.take(next, typed);
    if (const std::optional<std::string_view> result = wraps(next)) {
      typed = values;
      input.edit->SetMarked(true);
      throw InputError(WrapsMessage(input.name, input.edit->Text(), *result), input.edit);
    }
    values = next;
  }
}

}  // namespace tolvane::form
