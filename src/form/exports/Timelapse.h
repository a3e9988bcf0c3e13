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
  unsigned threads = 0;   // threads drawing and writing the frames; 0: one per core
};

// The caption band's background, also the canvas's beyond a smaller frame;
// its texts, and the outline of the legend's colour swatches.
inline constexpr Rgba kTimelapseBand{0x24, 0x28, 0x2C, 255};
inline constexpr Rgba kTimelapseText{0xF0, 0xF0, 0xF0, 255};
// The letters of the caption and of the legend, in pixels (TextPainter).
inline constexpr int kTimelapseCaptionPixels = 17;
inline constexpr int kTimelapseLegendPixels = 14;
// The longest a frame may stay: what a GIF can store (655.35 s).
inline constexpr int32_t kMaxTimelapseFrameMs = 655350;

// The picture of one frame at `scale` pixels per plot: exactly
// DrawWorld(frame.world, layers, scale) at its top left corner, the
// caption band and the legend below it. The frame is as wide as its map,
// or as its caption or a legend entry where one is wider; the legend wraps
// into as many lines as it needs. A frame without a map is the band alone.
Raster DrawTimelapseFrame(const WorldFrame& frame, const WorldLayers& layers, int32_t scale);

// Whether this build can write a timelapse (EncodeTimelapse); a build
// without the GIF library cannot.
bool CanEncodeTimelapse();

// The animated GIF of the frames in the order given, frames without a map
// left out, looping for ever. Every frame of the GIF is as large as the
// largest frame picture, its picture at the top left corner and the band's
// background beyond it. The first frame holds the whole picture, every
// later one the rectangle that changed, its unchanged pixels transparent.
// The colours are exact: one global table while all frames' colours fit in
// it, a frame's own table where they no longer do; only a frame whose own
// changed pixels have more than 255 colours is reduced (a median cut), and
// its pixels keep the reduced colours until a later frame changes them.
// The same frames give the same bytes on any number of threads. Throws
// SaveError when there is no frame with a map, the pictures would be too
// large, or the build cannot write a GIF (CanEncodeTimelapse).
std::vector<uint8_t> EncodeTimelapse(const std::vector<std::shared_ptr<const WorldFrame>>& frames,
                                     const TimelapseOptions& options);

}  // namespace tolvane::form
