// The map: its settings, one record per plot, and each player's land.
#include "analysis/Walk.h"

namespace tolvane {

namespace {

// A record of the list that follows the plots, skipped whole: 9 x int32;
// bool; 14 blocks of 19 x int32; 19 x (2 x int32); 19 x (3 x int32);
// 19 x 36 x int32 twice; one int32 per resource; 24 x int32.
constexpr int64_t kMapListRecordBytes =
    4 * 9 + 1 + 4 * (14 * kSlots + kSlots * 2 + kSlots * 3 + 2 * kSlots * 36 + kBonuses + 24);
static_assert(kMapListRecordBytes == 7189);

void ReadPlot(SaveReader& r, Analysis& a) {
  r.SkipInt32();
  const int16_t x = r.ReadInt16();
  const int16_t y = r.ReadInt16();
  r.SkipInt32();
  r.SkipInt16(6);
  r.SkipInt32();
  r.SkipInt16(3);
  r.SkipBool(6);
  const uint8_t owner = r.ReadByte();
  Plot plot;
  plot.plotType = r.ReadInt16();
  plot.terrain = r.ReadInt16();
  plot.feature = r.ReadInt16();
  plot.bonus = r.ReadInt16();
  plot.owner = owner;
  const bool land = plot.plotType >= 0 && plot.plotType <= 2;
  if (owner < kNoOwner && land) ++a.ownedLandCount[owner];
  // Plots are placed by their own x and y; one outside the stored map is
  // read but has no place.
  if (x >= 0 && y >= 0 && x < a.StoredMapWidth() && y < a.StoredMapHeight()) a.PlotAt(x, y) = plot;
  r.SkipInt16(2);
  r.SkipBytes(2);
  r.SkipInt32(6);
  r.SkipInt16(3);
  r.SkipInt32(kSlots);
  r.SkipInt16(kSlots);
  r.SkipBytes(kSlots);
  r.SkipInt32(kSlots);
  r.SkipInt16(kSlots);
  r.SkipInt16(kSlots);
  r.SkipBytes(kSlots);
  r.SkipBool(8);
  r.SkipBool(kSlots);
  r.SkipInt16(kSlots);
  r.SkipInt16(kSlots);
  r.SkipUStr();
  r.SkipInt16(22);
  r.SkipBytes(kSlots * 7);
  r.SkipInt16(kSlots);
  SkipInt32List(r, 2);
}

}  // namespace

void ReadMap(SaveReader& r, Analysis& a) {
  SectionScope scope(r, "map");
  r.SkipInt32(3);
  a.mapWidth = r.ReadInt32();
  a.mapHeight = r.ReadInt32();
  a.landPlots = r.ReadInt32();
  a.ownedPlots = r.ReadInt32();
  a.latitude1 = r.ReadInt32();
  a.latitude2 = r.ReadInt32();
  r.SkipInt32();
  a.wrapX = r.ReadBool();
  a.wrapY = r.ReadBool();
  r.SkipInt32(kBonuses);
  r.SkipInt32(kBonuses);
  const int32_t plotCount = Wrap32(int64_t(a.mapWidth) * a.mapHeight);
  a.plots.assign(size_t(a.StoredMapWidth()) * size_t(a.StoredMapHeight()), Plot{});

  {
    SectionScope plots(r, "map plots");
    for (int32_t i = 0; i < plotCount; ++i) ReadPlot(r, a);
  }
  if (a.landPlots > 0)
    for (int s = 0; s < kSlots; ++s) a.landPercent[size_t(s)] = a.ownedLandCount[size_t(s)] * 100.0 / a.landPlots;

  SkipIndexBlock(r);
  r.SkipBytes(int64_t(r.ReadCount()) * kMapListRecordBytes);
}

}  // namespace tolvane
