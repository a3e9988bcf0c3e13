// The map section: settings, one record per plot, and the two lists after
// the plots. Also the believable map used when a description gives none.
#include <algorithm>
#include <cstdlib>

#include "Sections.h"

namespace tolvane::testing {

void WritePlotRecord(FieldWriter& w, const PlotDesc& p) {
  w.JunkInt32(1);
  w.Int16(p.x);
  w.Int16(p.y);
  w.JunkInt32(1);
  w.JunkInt16(6);
  w.JunkInt32(1);
  w.JunkInt16(3);
  w.JunkBool(6);
  w.Byte(p.owner);
  w.Int16(p.plotType);
  w.Int16(p.terrain);
  w.Int16(p.feature);
  w.Int16(p.bonus);
  w.JunkInt16(2);
  w.JunkBytes(2);
  w.JunkInt32(6);
  w.JunkInt16(3);
  w.JunkInt32(kSlots);
  w.JunkInt16(kSlots);
  w.JunkBytes(kSlots);
  w.JunkInt32(kSlots);
  w.JunkInt16(kSlots);
  w.JunkInt16(kSlots);
  w.JunkBytes(kSlots);
  w.JunkBool(8);
  w.JunkBool(kSlots);
  w.JunkInt16(kSlots);
  w.JunkInt16(kSlots);
  w.JunkText16();
  w.JunkInt16(22);
  w.JunkBytes(kSlots * 7);
  w.JunkInt16(kSlots);
  w.Int32List(2);
}

// 7,189 bytes, all skipped.
void WriteMapListRecord(FieldWriter& w) {
  w.JunkInt32(9);
  w.JunkBool(1);
  w.JunkInt32(14 * kSlots);
  w.JunkInt32(kSlots * 2);
  w.JunkInt32(kSlots * 3);
  w.JunkInt32(kSlots * 36);
  w.JunkInt32(kSlots * 36);
  w.JunkInt32(kBonuses);
  w.JunkInt32(24);
}

void WriteMapSection(FieldWriter& w, const SaveDescription& d, BodyLayout* layout) {
  if (layout) layout->mapSection = w.Out().Size();
  w.JunkInt32(3);
  w.Int32(d.mapWidth);
  w.Int32(d.mapHeight);
  w.Int32(d.landPlots);
  w.Int32(d.ownedPlots);
  w.Int32(d.latitude1);
  w.Int32(d.latitude2);
  w.JunkInt32(1);
  w.Bool(d.wrapX);
  w.Bool(d.wrapY);
  w.JunkInt32(kBonuses);
  w.JunkInt32(kBonuses);
  if (layout) layout->firstPlot = w.Out().Size();
  if (d.plots.empty()) {
    for (const PlotDesc& p : GeneratePlots(d.mapWidth, d.mapHeight, 0, w.Options().junkSeed)) WritePlotRecord(w, p);
  } else {
    for (const PlotDesc& p : d.plots) WritePlotRecord(w, p);
  }
  w.IndexBlock();
  for (int32_t n = w.JunkCount(); n > 0; --n) WriteMapListRecord(w);
}

std::vector<PlotDesc> GeneratePlots(int32_t width, int32_t height, int owners, uint64_t seed) {
  std::vector<PlotDesc> plots;
  if (width <= 0 || height <= 0) return plots;
  plots.reserve(size_t(width) * size_t(height));
  uint64_t state = seed ^ 0x6D6170ull;
  auto next = [&state] {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return uint32_t(state >> 33);
  };
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      PlotDesc p;
      p.x = int16_t(x);
      p.y = int16_t(y);
      const bool edge = x < 2 || y < 2 || x >= width - 2 || y >= height - 2;
      const uint32_t r = next();
      if (edge || r % 7 == 0) {  // ocean and coast
        p.plotType = 3;
        p.terrain = int16_t(r % 3 == 0 ? 5 : 6);
        p.feature = int16_t(r % 11 == 0 ? 0 : -1);
        p.bonus = int16_t(r % 13 == 0 ? 15 : -1);
      } else {
        static constexpr int16_t kLandTypes[] = {2, 2, 2, 1, 1, 0};  // flat, hills, peaks
        p.plotType = kLandTypes[r % 6];
        p.terrain = int16_t((r >> 4) % 5);
        p.feature = int16_t((r >> 8) % 3 == 0 ? 4 : -1);
        p.bonus = int16_t((r >> 12) % 9 == 0 ? (r >> 16) % kBonuses : -1);
        // Owned in vertical bands, one per owner, with unowned gaps.
        const int band = owners > 0 ? int(int64_t(x) * owners / width) : -1;
        if (band >= 0 && (r >> 20) % 5 != 0) p.owner = uint8_t(band);
      }
      plots.push_back(p);
    }
  }
  return plots;
}

void CountPlots(SaveDescription& d) {
  const auto land = [](const PlotDesc& p) { return p.plotType >= 0 && p.plotType <= 2; };
  d.landPlots = int32_t(std::count_if(d.plots.begin(), d.plots.end(), land));
  d.ownedPlots =
      int32_t(std::count_if(d.plots.begin(), d.plots.end(), [](const PlotDesc& p) { return p.owner < kSlots; }));
}

}  // namespace tolvane::testing
