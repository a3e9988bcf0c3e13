#include "form/exports/Timelapse.h"

#include "save/SaveError.h"

namespace tolvane::form {

Raster DrawTimelapseFrame(const WorldFrame& frame, const WorldLayers& layers, int32_t scale) {
  return DrawWorld(frame.world, layers, scale);
}

std::vector<uint8_t> EncodeTimelapse(const std::vector<std::shared_ptr<const WorldFrame>>&, const TimelapseOptions&) {
  throw SaveError("This build cannot write a timelapse.");
}

}  // namespace tolvane::form
