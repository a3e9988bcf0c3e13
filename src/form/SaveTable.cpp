#include "form/SaveTable.h"

#include <cstdint>

#include "form/Blanks.h"
#include "form/FoldedText.h"

namespace tolvane::form {

namespace {

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

int64_t TurnOrder(int32_t turn, int32_t lastTurn) {
  return int64_t(turn) * (int64_t(1) << 32) + (int64_t(lastTurn) - INT32_MIN);
}

bool SortsBy(const SaveRow& row, size_t column) {
  if (kSaveColumns[column].sort == SortKind::Text) return !Trimmed(row.cells[column]).empty();
  return row.values[column].has_value();
}

int CompareRows(const SaveRow& a, const SaveRow& b, size_t column) {
  const bool hasA = SortsBy(a, column), hasB = SortsBy(b, column);
  if (hasA != hasB) return hasA ? -1 : 1;
  if (!hasA) return 0;
  if (kSaveColumns[column].sort == SortKind::Text)
    return CompareText(Trimmed(a.cells[column]), Trimmed(b.cells[column]));
  const int64_t va = *a.values[column], vb = *b.values[column];
  return va < vb ? -1 : va > vb ? 1 : 0;
}

}  // namespace tolvane::form
