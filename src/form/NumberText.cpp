#include "form/NumberText.h"

#include <fmt/format.h>

#include <charconv>
#include <cmath>

#include "form/Controls.h"

namespace tolvane::form {

namespace {

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The sign is taken apart because from_chars refuses a leading "+".
std::string_view SkipPlus(std::string_view t) {
  return t.size() > 1 && t[0] == '+' && t[1] != '-' && t[1] != '+' ? t.substr(1) : t;
}

}  // namespace

int32_t ParseInt(std::string_view text) {
  const std::string_view t = SkipPlus(TrimBlanks(text));
  int32_t value = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value, 10);
  if (t.empty() || ec != std::errc() || end != t.data() + t.size())
    throw InputError(fmt::format("'{}' is not a valid integer value", text));
  return value;
}

double ParseFloat(std::string_view text) {
  const std::string_view t = SkipPlus(TrimBlanks(text));
  // Only digits, a point, an exponent and signs: "inf", "nan" and hex are no numbers here.
  const bool plain = !t.empty() && t.find_first_not_of("0123456789.eE+-") == std::string_view::npos;
  double value = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value, std::chars_format::general);
  if (!plain || ec != std::errc() || end != t.data() + t.size() || !std::isfinite(value))
    throw InputError(fmt::format("'{}' is not a valid floating point value", text));
  return value;
}

namespace {

template <typename Parse>
auto Read(Edit& edit, Parse parse) {
  try {
    const auto value = parse(edit.Text());
    edit.SetMarked(false);
    return value;
  } catch (const InputError& e) {
    edit.SetMarked(true);
    throw InputError(e.what(), &edit);
  }
}

}  // namespace

int32_t ReadInt(Edit& edit) { return Read(edit, ParseInt); }

double ReadFloat(Edit& edit) { return Read(edit, ParseFloat); }

int32_t ReadIntIn(Edit& edit, int32_t min, int32_t max) {
  const int32_t value = ReadInt(edit);
  if (value < min || value > max) {
    edit.SetMarked(true);
    throw InputError(fmt::format("{} must be a whole number from {} to {}.", edit.Title(), min, max), &edit);
  }
  return value;
}

}  // namespace tolvane::form
