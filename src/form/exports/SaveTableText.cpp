#include "form/exports/SaveTableText.h"

#include <algorithm>

#include "form/exports/Csv.h"

namespace tolvane::form {

namespace {

// Characters on a terminal, counting each UTF-8 sequence once.
size_t Width(std::string_view s) {
  return size_t(std::count_if(s.begin(), s.end(), [](char c) { return (uint8_t(c) & 0xC0) != 0x80; }));
}

bool RightAligned(SortKind kind) {
  return kind == SortKind::Number || kind == SortKind::Turn || kind == SortKind::Duration;
}

std::string Line(const std::vector<std::string_view>& cells, const std::vector<size_t>& widths) {
  std::string line;
  for (size_t col = 0; col < cells.size(); ++col) {
    const std::string padding(widths[col] - Width(cells[col]), ' ');
    if (col > 0) line += "  ";
    line +=
        RightAligned(kSaveColumns[col].sort) ? padding + std::string(cells[col]) : std::string(cells[col]) + padding;
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line + "\n";
}

}  // namespace

std::string SaveTableCsvHeader() {
  std::string line;
  for (const SaveColumn& column : kSaveColumns) line += (line.empty() ? "" : ",") + CsvField(column.key);
  return line + "\r\n";
}

std::string SaveTableCsvLine(const SaveRow& row) {
  std::string line;
  for (size_t col = 0; col < row.cells.size(); ++col) line += (col ? "," : "") + CsvField(row.cells[col]);
  return line + "\r\n";
}

std::string SaveTableCsv(const std::vector<SaveRow>& rows) {
  std::string csv = SaveTableCsvHeader();
  for (const SaveRow& row : rows) csv += SaveTableCsvLine(row);
  return csv;
}

std::string SaveTableText(const std::vector<SaveRow>& rows) {
  std::vector<std::string_view> headers;
  std::vector<size_t> widths;
  for (const SaveColumn& column : kSaveColumns) {
    headers.push_back(column.header);
    widths.push_back(Width(column.header));
  }
  for (const SaveRow& row : rows)
    for (size_t col = 0; col < row.cells.size(); ++col) widths[col] = std::max(widths[col], Width(row.cells[col]));
  std::string text = Line(headers, widths);
  for (const SaveRow& row : rows) text += Line({row.cells.begin(), row.cells.end()}, widths);
  return text;
}

}  // namespace tolvane::form
