#include "form/SaveTable.h"

#include <charconv>
#include <optional>

#include "form/Blanks.h"
#include "form/FoldedText.h"

namespace tolvane::form {

namespace {

// A whole number at the start of `s` (with an optional minus), moving `s`
// past it.
std::optional<long long> TakeNumber(std::string_view& s) {
  long long v = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (error != std::errc() || end == s.data()) return std::nullopt;
  s.remove_prefix(size_t(end - s.data()));
  return v;
}

bool Take(std::string_view& s, std::string_view what) {
  if (!s.starts_with(what)) return false;
  s.remove_prefix(what.size());
  return true;
}

// "1200AD", "4000BC", "1AD": the year, before Christ negative.
std::optional<long long> GameYear(std::string_view s) {
  const std::optional<long long> year = TakeNumber(s);
  if (!year || *year < 0) return std::nullopt;
  if (s == "AD") return *year;
  if (s == "BC") return -*year;
  return std::nullopt;
}

// "2025-03-01 18:04:11" as the number 20250301180411.
std::optional<long long> FileTime(std::string_view s) {
  std::optional<long long> value = TakeNumber(s);
  if (!value || *value < 0) return std::nullopt;
  for (const std::string_view separator : {"-", "-", " ", ":", ":"}) {
    if (!Take(s, separator)) return std::nullopt;
    const std::optional<long long> part = TakeNumber(s);
    if (!part || *part < 0 || *part > 99) return std::nullopt;
    *value = *value * 100 + *part;
  }
  return s.empty() ? value : std::nullopt;
}

// "9:41:17" in seconds; the hours may have any number of digits.
std::optional<long long> Duration(std::string_view s) {
  const std::optional<long long> hours = TakeNumber(s);
  if (!hours || !Take(s, ":")) return std::nullopt;
  const std::optional<long long> minutes = TakeNumber(s);
  if (!minutes || !Take(s, ":")) return std::nullopt;
  const std::optional<long long> seconds = TakeNumber(s);
  if (!seconds || !s.empty()) return std::nullopt;
  return (*hours * 60 + *minutes) * 60 + *seconds;
}

// "180/460": the current turn first, then the last turn.
std::optional<long long> Turn(std::string_view s) {
  const std::optional<long long> turn = TakeNumber(s);
  if (!turn || !Take(s, "/")) return std::nullopt;
  const std::optional<long long> last = TakeNumber(s);
  if (!last || !s.empty()) return std::nullopt;
  return *turn * (1LL << 32) + *last;
}

int CompareText(std::string_view a, std::string_view b) {
  for (size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (Folded(a[i]) != Folded(b[i])) return uint8_t(Folded(a[i])) < uint8_t(Folded(b[i])) ? -1 : 1;
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return a.compare(b) < 0 ? -1 : a.compare(b) > 0 ? 1 : 0;
}

}  // namespace

std::vector<std::string> SaveColumnHeaders() {
  std::vector<std::string> headers;
  for (const SaveColumn& column : kSaveColumns) headers.emplace_back(column.header);
  return headers;
}

SortValue SortValueOf(SortKind kind, std::string_view cell) {
  std::string_view s = Trimmed(cell);
  std::optional<long long> value;
  switch (kind) {
    case SortKind::Text:
      break;
    case SortKind::Number:
      value = TakeNumber(s);
      if (!s.empty()) value.reset();
      break;
    case SortKind::Date:
      value = GameYear(s);
      if (!value) value = FileTime(s);
      break;
    case SortKind::Turn:
      value = Turn(s);
      break;
    case SortKind::Duration:
      value = Duration(s);
      break;
  }
  return value ? SortValue{true, *value} : SortValue{};
}

int CompareCells(SortKind kind, std::string_view a, std::string_view b) {
  if (kind == SortKind::Text) {
    a = Trimmed(a), b = Trimmed(b);
    if (a.empty() != b.empty()) return a.empty() ? 1 : -1;
    return CompareText(a, b);
  }
  const SortValue va = SortValueOf(kind, a), vb = SortValueOf(kind, b);
  if (va.valid != vb.valid) return va.valid ? -1 : 1;
  if (!va.valid) return CompareText(Trimmed(a), Trimmed(b));
  return va.value < vb.value ? -1 : va.value > vb.value ? 1 : 0;
}

}  // namespace tolvane::form
