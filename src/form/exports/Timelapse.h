// A game's saves as a timelapse: one frame per save, in the order given
// (the game's turn order), each the world picture of its save at the
// frame's top left corner with a caption band (game name, turn, date) and
// the legend of its players below it, written as an animated GIF.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "form/Raster.h"
#include "form/exports/WorldFrame.h"
#include "form/exports/WorldRaster.h"

namespace tolvane::form {

struct TimelapseOptions {
  WorldLayers layers;
  int32_t scale = 0;      // pixels per plot; 0: DefaultWorldScale of the first frame's map
  int32_t frameMs = 700;  // how long each frame stays, in milliseconds
};

// The picture of one frame at `scale` pixels per plot: exactly
// DrawWorld(frame.world, layers, scale) at its top left corner, the
// caption band and the legend below it.
Raster DrawTimelapseFrame(const WorldFrame& frame, const WorldLayers& layers, int32_t scale);

// The animated GIF of the frames in the order given. Throws SaveError when
// there is no frame with a map or the pictures would be too large.
std::vector<uint8_t> EncodeTimelapse(const std::vector<std::shared_ptr<const WorldFrame>>& frames,
                                     const TimelapseOptions& options);

}  // namespace tolvane::form
