#include "form/exports/HistoryCsv.h"

#include <fmt/format.h>

#include <map>
#include <optional>
#include <vector>

#include "form/exports/Csv.h"
#include "form/pages/HistoryLines.h"

namespace tolvane::form {

namespace {

constexpr std::string_view kRowEnd = "\r\n";

}  // namespace

std::string ChartCsv(const Chart& chart) {
  std::vector<const ChartSeries*> shown;
  for (const ChartSeries& s : chart.Series())
    if (s.legend) shown.push_back(&s);
  std::string csv = "turn";
  for (const ChartSeries* s : shown) csv += "," + CsvField(s->title);
  csv += kRowEnd;
  std::map<int32_t, std::vector<std::optional<int32_t>>> turns;
  for (size_t col = 0; col < shown.size(); ++col)
    for (const auto& [x, y] : shown[col]->points) {
      auto& row = turns[x];
      row.resize(shown.size());
      row[col] = y;
    }
  for (const auto& [turn, values] : turns) {
    csv += fmt::format("{}", turn);
    for (const std::optional<int32_t>& v : values) csv += v ? fmt::format(",{}", *v) : std::string(",");
    csv += kRowEnd;
  }
  return csv;
}

std::string HistoriesCsv(const Analysis& a) {
  std::vector<std::vector<HistoryLine>> byKind;
  for (int kind = 0; kind < int(kHistoryNames.size()); ++kind)
    byKind.push_back(DrawnHistoryLines(a, kind, /*showAi=*/true));
  std::string csv = "player,slot,series,turn,value";
  csv += kRowEnd;
  // Every history draws the same slots; the rows go slot by slot.
  const size_t slots = byKind.front().size();
  for (size_t line = 0; line < slots; ++line)
    for (size_t kind = 0; kind < byKind.size(); ++kind) {
      const HistoryLine& l = byKind[kind][line];
      const std::string prefix = fmt::format("{},{},{},", CsvField(l.title), l.slot, kHistoryNames[kind]);
      for (const auto& [turn, value] : l.points) csv += fmt::format("{}{},{}{}", prefix, turn, value, kRowEnd);
    }
  return csv;
}

}  // namespace tolvane::form
