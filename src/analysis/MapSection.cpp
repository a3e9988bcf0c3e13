// The map: its settings, one record per plot, and each player's land.
#include "analysis/Walk.h"

namespace tolvane {

namespace {

// A record of the list that follows the plots, skipped whole: 9 x int32;
// bool; 14 blocks of 19 x int32; 19 x (2 x int32); 19 x (3 x int32);
// 19 x 36 x int32 twice; 35 x int32; 24 x int32.
constexpr int64_t kMapListRecordBytes =
    4 * 9 + 1 + 4 * (14 * kSlots + kSlots * 2 + kSlots * 3 + 2 * kSlots * 36 + 35 + 24);
static_assert(kMapListRecordBytes == 7189);

constexpr uint8_t kNoOwner = kSlots;  // an owner byte of 19 or more: nobody's

void readPlot(SaveReader& r, Analysis& a) {
  r.skipInt32();
  const int16_t x = r.readInt16();
  const int16_t y = r.readInt16();
  r.skipInt32();
  r.skipInt16(6);
  r.skipInt32();
  r.skipInt16(3);
  r.skipBool(6);
  const uint8_t owner = r.readByte();
  TPlotRec plot;
  plot.PlotType = r.readInt16();
  plot.Terrain = r.readInt16();
  plot.Feature = r.readInt16();
  plot.Bonus = r.readInt16();
  const bool land = plot.PlotType >= 0 && plot.PlotType <= 2;
  if (owner < kNoOwner && land) ++a.OwnedLandCount[owner];
  // Plots are placed by their own x and y; one outside the stored map is
  // read but has no place.
  if (x >= 0 && y >= 0 && x < a.StoredMapWidth() && y < a.StoredMapHeight()) a.Plot(x, y) = plot;
  r.skipInt16(2);
  r.skipBytes(2);
  r.skipInt32(6);
  r.skipInt16(3);
  r.skipInt32(kSlots);
  r.skipInt16(kSlots);
  r.skipBytes(kSlots);
  r.skipInt32(kSlots);
  r.skipInt16(kSlots);
  r.skipInt16(kSlots);
  r.skipBytes(kSlots);
  r.skipBool(8);
  r.skipBool(kSlots);
  r.skipInt16(kSlots);
  r.skipInt16(kSlots);
  r.skipUStr();
  r.skipInt16(22);
  r.skipBytes(kSlots * 7);
  r.skipInt16(kSlots);
  SkipInt32List(r, 2);
}

}  // namespace

void ReadMap(SaveReader& r, Analysis& a) {
  r.section("map");
  r.skipInt32(3);
  a.MapWidth = r.readInt32();
  a.MapHeight = r.readInt32();
  a.LandPlots = r.readInt32();
  a.OwnedPlots = r.readInt32();
  a.Latitude1 = r.readInt32();
  a.Latitude2 = r.readInt32();
  r.skipInt32();
  a.WrapX = r.readBool();
  a.WrapY = r.readBool();
  r.skipInt32(35);
  r.skipInt32(35);
  a.PlotCount = Wrap32(int64_t(a.MapWidth) * a.MapHeight);
  a.PlotTable.assign(size_t(a.StoredMapWidth()) * size_t(a.StoredMapHeight()), TPlotRec{});

  r.section("map plots");
  for (int32_t i = 0; i < a.PlotCount; ++i) readPlot(r, a);
  if (a.LandPlots > 0)
    for (int s = 0; s < kSlots; ++s) a.LandPercent[size_t(s)] = a.OwnedLandCount[size_t(s)] * 100.0 / a.LandPlots;

  r.section("map");
  SkipIndexBlock(r);
  r.skipBytes(int64_t(r.readCount()) * kMapListRecordBytes);
}

}  // namespace tolvane
