#include "form/exports/Csv.h"

#include <algorithm>

namespace tolvane::form {

namespace {

// "-12", "-0.5": a negative number as the pages write it.
bool IsNegativeNumber(std::string_view text) {
  if (text.size() < 2 || text.front() != '-') return false;
  const std::string_view digits = text.substr(1);
  const size_t point = digits.find('.');
  auto allDigits = [](std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  if (point == std::string_view::npos) return allDigits(digits);
  return allDigits(digits.substr(0, point)) && allDigits(digits.substr(point + 1));
}

}  // namespace

std::string CsvField(std::string_view text) {
  std::string field;
  if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos &&
      !IsNegativeNumber(text))
    field = "'";
  field += text;
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace tolvane::form
