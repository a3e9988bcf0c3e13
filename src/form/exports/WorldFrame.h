// One save's world as a timelapse of its game keeps it: the world as the
// pages show it, at one value per plot and apart from the analysis, the
// caption's game name, turn and date, and the legend of the players on the
// map. A frame of a 124 x 68 map takes about 50 KB, so a game of hundreds
// of saves keeps all its frames.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/Model.h"
#include "form/exports/WorldRaster.h"

namespace tolvane::form {

// A player on the map: its slot (its colour, kPlayerColors), its name, and
// the plots and cities shown as its.
struct LegendPlayer {
  int slot = 0;
  std::string name;  // UTF-8
  int32_t plots = 0, cities = 0;
  bool operator==(const LegendPlayer&) const = default;
};

struct WorldFrame {
  ShownWorld world;      // its cities' records null
  std::string gameName;  // UTF-8
  int32_t turn = 0;
  std::string date;                  // the game's date at the turn, as "1200AD"
  std::vector<LegendPlayer> legend;  // the players owning plots or cities, by slot
};

// The name the legend and the plot text give a slot's player: its leader's
// name, or "slot N" for a player without one.
std::string WorldPlayerName(const Analysis& a, int slot);

// The players the shown world gives plots or cities, by slot.
std::vector<LegendPlayer> WorldLegend(const Analysis& a, const ShownWorld& world);

// The frame of a save: empty (no map) for a save whose map is not shown.
WorldFrame WorldFrameOf(const Analysis& a);

// The caption of a frame: "NAME — turn 120, 1200AD" (without the name for
// a game without one).
std::string FrameCaption(const WorldFrame& frame);

}  // namespace tolvane::form
