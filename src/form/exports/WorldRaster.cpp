#include "form/exports/WorldRaster.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "form/PlayerColors.h"
#include "form/pages/SaveView.h"

namespace tolvane::form {

namespace {

// Plot types and the rows of the terrain and feature tables as the save
// numbers them.
enum PlotType { kPeak = 0, kHills = 1, kFlat = 2, kWater = 3, kUnknownPlotType = 4 };
constexpr int kTerrains = 9, kUnknownTerrain = kTerrains;
enum Feature { kIce = 0, kJungle = 1, kOasis = 2, kFloodPlains = 3, kForest = 4, kFallout = 5, kNoFeature = 6 };

// The ground of each terrain: grassland, plains, desert, tundra, snow,
// coast, ocean, and the peak and hills terrains.
constexpr std::array<Rgb, kTerrains> kTerrainColors = {0x5E9F40, 0xA9A352, 0xDECC8C, 0x8E8B77, 0xEEF1F4,
                                                       0x4682C4, 0x21508E, 0x8A7F74, 0x98855F};
constexpr Rgb kUnknownLandColor = 0x9C9C9C;  // land of a terrain outside the table
constexpr Rgb kUnknownPlotColor = 0x707070;  // a plot type outside the table
constexpr Rgb kRock = 0x7D7269, kRockLit = 0xA69C91, kSnowCap = 0xF5F6F8;
constexpr Rgb kIceColor = 0xE4EEF5, kForestColor = 0x2A5A25, kJungleColor = 0x124A2B, kFloodPlainsColor = 0x86AD42,
              kOasisColor = 0x38A8B6, kFalloutColor = 0x7E7D2A;
constexpr Rgb kMarkFill = 0xFFF2A0, kMarkEdge = 0x3A2A10;
constexpr Rgb kDarkRing = 0x161616, kLightRing = 0xF7F7F7;
// The share (of 256) of the owner's colour in the fill of its land.
constexpr int kOwnerFill = 84;

Rgba Color(Rgb c) { return {uint8_t(c >> 16 & 0xFF), uint8_t(c >> 8 & 0xFF), uint8_t(c & 0xFF), 255}; }

// `over` laid on `under` with `weight` parts of 256.
Rgba Mix(Rgba under, Rgba over, int weight) {
  auto mix = [weight](int u, int o) { return uint8_t((u * (256 - weight) + o * weight + 128) >> 8); };
  return {mix(under.r, over.r), mix(under.g, over.g), mix(under.b, over.b), 255};
}

// A colour at `percent` of its brightness (up to white).
Rgba Shade(Rgba c, int percent) {
  auto shade = [percent](int v) { return uint8_t(std::min(255, (v * percent + 50) / 100)); };
  return {shade(c.r), shade(c.g), shade(c.b), 255};
}

// Whether a colour is light: it takes a dark ring.
bool Light(Rgb c) { return 299 * int(c >> 16 & 0xFF) + 587 * int(c >> 8 & 0xFF) + 114 * int(c & 0xFF) > 140000; }

PlotGround GroundOf(const Plot& p) {
  return {.plotType = int8_t(p.plotType >= 0 && p.plotType < kUnknownPlotType ? p.plotType : int(kUnknownPlotType)),
          .terrain = int8_t(p.terrain >= 0 && p.terrain < kTerrains ? p.terrain : kUnknownTerrain),
          .feature = int8_t(p.feature >= 0 && p.feature < kNoFeature ? p.feature : int(kNoFeature)),
          .resource = p.bonus >= 0};  // one outside the table too: the plot text names it unknown
}

// Shapes within a square of n x n pixels, measured in half pixels from its
// top left corner (the centre of pixel i lies at 2i + 1), all in integers so
// that a picture comes out the same everywhere.
int64_t Half(int i) { return 2 * int64_t(i) + 1; }

// The hump of a hill: an ellipse standing on the bottom of the square.
bool InHill(int i, int j, int n) {
  const int64_t dx = 10 * (Half(i) - n), dy = 10 * Half(j) - 19 * int64_t(n);
  const int64_t ax = 8 * int64_t(n), ay = 10 * int64_t(n);
  return dx * dx * ay * ay + dy * dy * ax * ax <= ax * ax * ay * ay;
}

// A peak: a triangle from near the top to near the bottom; 0 outside, 1 on
// its lit (left) side, 2 on its shaded side, 3 in its snow cap.
int PeakPart(int i, int j, int n) {
  const int64_t top = 2 * int64_t(n), base = 18 * int64_t(n), halfWidth = 9 * int64_t(n);
  const int64_t x = 10 * Half(i) - 10 * int64_t(n), y = 10 * Half(j);
  if (y < top || y > base || std::abs(x) * (base - top) > halfWidth * (y - top)) return 0;
  if ((y - top) * 100 <= (base - top) * 34) return 3;
  return x <= 0 ? 1 : 2;
}

// Within a circle of `radius` half pixels about the square's centre.
bool InCircle(int i, int j, int n, int64_t radius) {
  const int64_t dx = Half(i) - n, dy = Half(j) - n;
  return dx * dx + dy * dy <= radius * radius;
}

// The ground of one plot as a square of n x n pixels, the owner's fill over it.
void PaintTile(Rgba* tile, int n, const PlotGround& g, int owner) {
  const bool water = g.plotType == kWater;
  const Rgba base = g.plotType == kUnknownPlotType ? Color(kUnknownPlotColor)
                    : g.terrain == kUnknownTerrain ? Color(water ? kTerrainColors[6] : kUnknownLandColor)
                                                   : Color(kTerrainColors[size_t(g.terrain)]);
  const bool small = n < 4;  // too small for shapes: a plain colour per kind
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i) {
      Rgba c = base;
      if (g.plotType == kHills) {
        c = small ? Shade(base, 82) : InHill(i, j, n) ? Shade(base, 74) : Shade(base, 94);
      } else if (g.plotType == kPeak) {
        const int part = small ? 0 : PeakPart(i, j, n);
        c = part == 3   ? Color(kSnowCap)
            : part == 1 ? Color(kRockLit)
            : part == 2 ? Shade(Color(kRockLit), 80)
                        : Mix(base, Color(kRock), small ? 170 : 110);
      }
      switch (g.feature) {
        case kIce:
          c = Mix(c, Color(kIceColor), 210);
          break;
        case kJungle:
          c = Mix(c, Color(kJungleColor), 140);
          break;
        case kForest:
          c = Mix(c, Color(kForestColor), 112);
          break;
        case kFloodPlains:
          c = Mix(c, Color(kFloodPlainsColor), 96);
          break;
        case kOasis:
          if (small || InCircle(i, j, n, n / 2)) c = Mix(c, Color(kOasisColor), small ? 96 : 230);
          break;
        case kFallout:
          c = Mix(c, Color(kFalloutColor), 120);
          break;
        default:
          break;
      }
      if (owner >= 0) c = Mix(c, Color(kPlayerColors[size_t(owner)]), kOwnerFill);
      tile[size_t(j) * size_t(n) + size_t(i)] = c;
    }
}

// Every tile once: by plot type, terrain, feature and owner.
class Tiles {
 public:
  explicit Tiles(int n)
      : n_(n), tiles_(size_t(kUnknownPlotType + 1) * (kTerrains + 1) * (kNoFeature + 1) * (kSlots + 1)) {}
  const Rgba* Get(const PlotGround& g, int owner) {
    const size_t key =
        ((size_t(g.plotType) * (kTerrains + 1) + size_t(g.terrain)) * (kNoFeature + 1) + size_t(g.feature)) *
            (kSlots + 1) +
        size_t(owner + 1);
    std::vector<Rgba>& tile = tiles_[key];
    if (tile.empty()) {
      tile.resize(size_t(n_) * size_t(n_));
      PaintTile(tile.data(), n_, g, owner);
    }
    return tile.data();
  }

 private:
  int n_;
  std::vector<std::vector<Rgba>> tiles_;
};

// Copies a tile of n x n pixels into the picture. The common sizes copy
// rows of a size known when compiled, which the compiler turns into a few
// vector moves rather than a call per row.
template <int N>
void CopyRows(Raster& r, const Rgba* tile, int32_t left, int32_t top) {
  for (int j = 0; j < N; ++j) std::memcpy(&r.At(left, top + j), tile + j * N, N * sizeof(Rgba));
}

void CopyTile(Raster& r, const Rgba* tile, int n, int32_t left, int32_t top) {
  switch (n) {
    case 4:
      return CopyRows<4>(r, tile, left, top);
    case 8:
      return CopyRows<8>(r, tile, left, top);
    case 16:
      return CopyRows<16>(r, tile, left, top);
    case 32:
      return CopyRows<32>(r, tile, left, top);
    default:
      for (int j = 0; j < n; ++j)
        std::memcpy(&r.At(left, top + j), tile + size_t(j) * size_t(n), size_t(n) * sizeof(Rgba));
  }
}

// Fills a rectangle of the picture (clipped to it).
void FillRect(Raster& r, int32_t left, int32_t top, int32_t width, int32_t height, Rgba c) {
  const int32_t x0 = std::max(left, 0), x1 = std::min(left + width, r.width);
  const int32_t y0 = std::max(top, 0), y1 = std::min(top + height, r.height);
  for (int32_t y = y0; y < y1; ++y) std::fill(&r.At(x0, y), &r.At(x0, y) + std::max(0, x1 - x0), c);
}

// A stamp of n x n pixels: 0 leaves the pixel, 1 and 2 paint its two colours.
using Stamp = std::vector<uint8_t>;

void Press(Raster& r, const Stamp& stamp, int n, int32_t left, int32_t top, Rgba first, Rgba second) {
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i)
      if (const uint8_t s = stamp[size_t(j) * size_t(n) + size_t(i)]) r.At(left + i, top + j) = s == 1 ? first : second;
}

// A city: a dot with a ring about the plot's centre; the whole plot when it
// is too small for a ring.
Stamp CityStamp(int n) {
  Stamp stamp(size_t(n) * size_t(n), 1);
  if (n < 4) return stamp;
  const int64_t outer = int64_t(n) * 86 / 100, ring = std::max(2, n / 4);
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i)
      stamp[size_t(j) * size_t(n) + size_t(i)] = !InCircle(i, j, n, outer)         ? 0
                                                 : InCircle(i, j, n, outer - ring) ? 1
                                                                                   : 2;
  return stamp;
}

// A resource: a small diamond with a dark edge in the plot's upper right
// quarter; a pixel in its corner when the plot is too small for that.
Stamp ResourceStamp(int n) {
  Stamp stamp(size_t(n) * size_t(n), 0);
  if (n < 4) {
    stamp[size_t(n - 1)] = 1;
    return stamp;
  }
  // Clear of the plot's edges, where a border may run.
  const int64_t radius = std::max(1, n * 2 / 5), cx = 13 * int64_t(n) / 10, cy = 7 * int64_t(n) / 10;
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i) {
      const int64_t d = std::abs(Half(i) - cx) + std::abs(Half(j) - cy);
      stamp[size_t(j) * size_t(n) + size_t(i)] = d <= radius ? 1 : d <= radius + 2 ? 2 : 0;
    }
  return stamp;
}

// The owner of a neighbouring plot, across a wrapping edge; `self` beyond
// an edge that does not wrap (no border there).
int NeighbourOwner(const ShownWorld& w, int32_t x, int32_t y, int self) {
  if (x < 0 || x >= w.width) {
    if (!w.wrapX) return self;
    x = (x + w.width) % w.width;
  }
  if (y < 0 || y >= w.height) {
    if (!w.wrapY) return self;
    y = (y + w.height) % w.height;
  }
  return w.OwnerAt(x, y);
}

// The borders of the owners' land: a line on the inner side of every edge
// where the owner changes, and the corner where only a diagonal neighbour
// has another owner.
void DrawBorders(Raster& r, const ShownWorld& w, int n) {
  const int t = std::max(1, (n + 4) / 8);
  for (int32_t y = 0; y < w.height; ++y)
    for (int32_t x = 0; x < w.width; ++x) {
      const int o = w.OwnerAt(x, y);
      if (o < 0) continue;
      const Rgba c = Color(kPlayerColors[size_t(o)]);
      const int32_t left = x * n, top = (w.height - 1 - y) * n;
      const bool west = NeighbourOwner(w, x - 1, y, o) != o, east = NeighbourOwner(w, x + 1, y, o) != o;
      const bool north = NeighbourOwner(w, x, y + 1, o) != o, south = NeighbourOwner(w, x, y - 1, o) != o;
      if (west) FillRect(r, left, top, t, n, c);
      if (east) FillRect(r, left + n - t, top, t, n, c);
      if (north) FillRect(r, left, top, n, t, c);
      if (south) FillRect(r, left, top + n - t, n, t, c);
      if (!west && !north && NeighbourOwner(w, x - 1, y + 1, o) != o) FillRect(r, left, top, t, t, c);
      if (!east && !north && NeighbourOwner(w, x + 1, y + 1, o) != o) FillRect(r, left + n - t, top, t, t, c);
      if (!west && !south && NeighbourOwner(w, x - 1, y - 1, o) != o) FillRect(r, left, top + n - t, t, t, c);
      if (!east && !south && NeighbourOwner(w, x + 1, y - 1, o) != o) FillRect(r, left + n - t, top + n - t, t, t, c);
    }
}

}  // namespace

const WorldCity* ShownWorld::CityAt(int32_t x, int32_t y) const {
  const auto it = std::find_if(cities.begin(), cities.end(), [&](const WorldCity& c) { return c.x == x && c.y == y; });
  return it == cities.end() ? nullptr : &*it;
}

ShownWorld WorldAsShown(const Analysis& a) {
  ShownWorld w;
  const int32_t width = a.StoredMapWidth(), height = a.StoredMapHeight();
  if (NotAvailable(a) || a.plots.size() != size_t(width) * size_t(height)) return w;
  w.width = width;
  w.height = height;
  w.wrapX = a.wrapX != 0;
  w.wrapY = a.wrapY != 0;
  PerSlot<bool> seen{};
  for (int s = 0; s < kSlots; ++s) seen[size_t(s)] = SeenByFirstTeam(a, s);
  w.owner.reserve(a.plots.size());
  w.ground.reserve(a.plots.size());
  for (const Plot& p : a.plots) {
    w.ground.push_back(GroundOf(p));
    const int o = p.OwnerSlot() >= 0 && seen[size_t(p.OwnerSlot())] ? p.OwnerSlot() : -1;
    w.owner.push_back(int8_t(o));
    if (o >= 0) ++w.plotCount[size_t(o)];
  }
  for (int s = 0; s < kSlots; ++s) {
    if (!seen[size_t(s)]) continue;
    for (const City& c : a.cities[size_t(s)]) {
      if (c.x < 0 || c.y < 0 || c.x >= width || c.y >= height) continue;  // no place on the map
      w.cities.push_back({c.x, c.y, s, &c});
      ++w.cityCount[size_t(s)];
    }
  }
  return w;
}

int32_t DefaultWorldScale(int32_t width, int32_t height) {
  const int32_t side = std::max({width, height, int32_t(1)});
  return std::clamp<int32_t>(2000 / side, 1, 16);
}

Raster DrawWorld(const ShownWorld& w, const WorldLayers& layers, int32_t scale) {
  if (scale < 1 || scale > kMaxWorldScale) throw std::invalid_argument("a world picture takes 1 to 32 pixels a plot");
  if (int64_t(w.width) * w.height * scale * scale > kMaxWorldPixels)
    throw std::invalid_argument("the world picture would be too large");
  if (w.width <= 0 || w.height <= 0) return {};
  const int n = scale;
  Raster r(w.width * n, w.height * n);
  Tiles tiles(n);
  for (int32_t y = 0; y < w.height; ++y)
    for (int32_t x = 0; x < w.width; ++x) {
      const Rgba* tile = tiles.Get(w.GroundAt(x, y), layers.owners ? w.OwnerAt(x, y) : -1);
      const int32_t left = x * n, top = (w.height - 1 - y) * n;
      CopyTile(r, tile, n, left, top);
    }
  if (layers.owners) DrawBorders(r, w, n);
  if (layers.resources) {
    const Stamp mark = ResourceStamp(n);
    for (int32_t y = 0; y < w.height; ++y)
      for (int32_t x = 0; x < w.width; ++x) {
        if (w.GroundAt(x, y).resource)
          Press(r, mark, n, x * n, (w.height - 1 - y) * n, Color(kMarkFill), Color(kMarkEdge));
      }
  }
  if (layers.cities) {
    const Stamp dot = CityStamp(n);
    for (const WorldCity& c : w.cities) {
      const Rgb color = kPlayerColors[size_t(c.slot)];
      Press(r, dot, n, c.x * n, (w.height - 1 - c.y) * n, Color(color), Color(Light(color) ? kDarkRing : kLightRing));
    }
  }
  return r;
}

}  // namespace tolvane::form
