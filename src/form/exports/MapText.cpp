#include "form/exports/MapText.h"

#include <fmt/format.h>

#include "rules/Tables.h"

namespace tolvane::form {

namespace {

// A plot value outside the table has no abbreviation; it shows as "?".
template <size_t N>
std::string_view Abbrev(const std::array<std::string_view, N>& table, int16_t v) {
  return v >= 0 && size_t(v) < N ? table[size_t(v)] : std::string_view("?");
}

}  // namespace

std::string MapText(const Analysis& a) {
  // Only the stored map can be written; a map announced wider than the
  // stored one writes the stored part.
  const int32_t w = a.StoredMapWidth(), h = a.StoredMapHeight();
  std::string text = "y/x;";
  for (int32_t x = 0; x < w; ++x) text += fmt::format("{};", x);
  for (int32_t y = h - 1; y >= 0; --y) {
    text += fmt::format("\r\n{};", y);
    for (int32_t x = 0; x < w; ++x) {
      const Plot& p = a.PlotAt(x, y);
      text += Abbrev(kPlotTypeAbbrev, p.plotType);
      text += ',';
      text += Abbrev(kTerrainAbbrev, p.terrain);
      if (p.feature >= 0) (text += ',') += Abbrev(kFeatureAbbrev, p.feature);
      if (p.bonus >= 0) (text += ',') += Abbrev(kBonusAbbrev, p.bonus);
      text += ';';
    }
  }
  return text;
}

}  // namespace tolvane::form
