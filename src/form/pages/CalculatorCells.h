// What the two score calculators (the Base page's and the Kavrel page's)
// share: a row of edits under the calculator's column titles, the user's
// inputs first, the results after them, and whole numbers shown in seven
// places.
#pragma once

#include <fmt/format.h>
#include <fmt/printf.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "form/Controls.h"

namespace tolvane::form {

// A whole number of a calculator, right-aligned in seven places ("%7d").
inline std::string Int7(int32_t v) { return fmt::sprintf("%7d", v); }

// The edits of one calculator row: each named by the row's window names,
// described to the user as "<row>: <column>" ("Land: Factor"); the first
// `inputs` columns take whole numbers from the user, the others show
// computed results.
template <size_t N>
struct CalculatorCells {
  ControlList& list;
  std::string_view title;
  const std::array<std::string_view, N>& names;
  const std::array<std::string_view, N>& columns;
  size_t inputs;

  Edit Cell(size_t column) const {
    return Edit(list, {.name = names[column],
                       .description = fmt::format("{}: {}", title, columns[column]),
                       .role = column < inputs ? EditRole::IntegerInput : EditRole::Computed});
  }
};

}  // namespace tolvane::form
