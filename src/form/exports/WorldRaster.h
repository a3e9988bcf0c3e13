// The map as a picture, without a toolkit: one square of `scale` x `scale`
// pixels per plot, north up (the row of the highest y on top, as map.txt
// writes it). The ground shows the plot type and the terrain, forests and
// jungles darker; the owners' land a translucent fill in the player's colour
// with a solid border where the owner changes; a city a dot in its owner's
// colour with a contrasting ring; a resource a small mark.
#pragma once

#include <cstdint>
#include <vector>

#include "analysis/Model.h"
#include "form/Raster.h"

namespace tolvane::form {

// What the picture draws over the ground.
struct WorldLayers {
  bool owners = true;
  bool cities = true;
  bool resources = false;
};

// A city as the picture places it.
struct WorldCity {
  int32_t x = 0, y = 0;  // inside the stored map
  int slot = 0;          // its owner
  // The city's record in the analysis; null in a world kept apart from its
  // analysis (a timelapse's frame).
  const City* city = nullptr;
};

// The ground of a plot as the picture draws it: its plot type, terrain and
// feature as the save numbers them, each with one value for everything
// outside its table, and whether it holds a resource.
struct PlotGround {
  int8_t plotType = 0, terrain = 0, feature = 0;
  bool resource = false;
  bool operator==(const PlotGround&) const = default;
};

// The plots' ground, owners and cities as the pages may show them: in the
// restricted view the players the first team has not met own nothing and
// have no cities; a save that is not available shows no map at all. All a
// picture of the world needs, at one value per plot.
struct ShownWorld {
  int32_t width = 0, height = 0;  // the stored map's
  bool wrapX = false, wrapY = false;
  std::vector<int8_t> owner;       // per plot, row-major [y][x]: the owner shown, -1 for none
  std::vector<PlotGround> ground;  // per plot, row-major [y][x]
  std::vector<WorldCity> cities;   // by slot, then in record order
  PerSlot<int32_t> plotCount{};    // plots shown as the slot's
  PerSlot<int32_t> cityCount{};    // cities shown as the slot's

  int OwnerAt(int32_t x, int32_t y) const { return owner[size_t(y) * size_t(width) + size_t(x)]; }
  const PlotGround& GroundAt(int32_t x, int32_t y) const { return ground[size_t(y) * size_t(width) + size_t(x)]; }
  // The first city on the plot, or nullptr.
  const WorldCity* CityAt(int32_t x, int32_t y) const;
};

// What the pages show of the loaded save's map. Its cities refer to the
// analysis's records (WorldCity::city).
ShownWorld WorldAsShown(const Analysis& a);

// The most pixels per plot a picture may take.
inline constexpr int32_t kMaxWorldScale = 32;
// A picture of a map takes at most this many pixels.
inline constexpr int64_t kMaxWorldPixels = int64_t(64) << 20;

// Pixels per plot for a picture of the whole map at most about 2,000 pixels
// on its longer side: 16 for small maps, down to 1 for the largest.
int32_t DefaultWorldScale(int32_t width, int32_t height);

// The picture of the shown world at `scale` pixels per plot (1 ..
// kMaxWorldScale; the picture no more than kMaxWorldPixels). Empty for an
// empty map.
Raster DrawWorld(const ShownWorld& world, const WorldLayers& layers, int32_t scale);

}  // namespace tolvane::form
