// The saves of the loaded save's game as the World page's timelapse steps
// through them: their world frames in the game's turn order, and which of
// them is the loaded save's.
#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "form/exports/Timelapse.h"
#include "form/exports/WorldFrame.h"

namespace tolvane::form {

struct GameFrames {
  std::vector<std::filesystem::path> saves;               // in turn order
  std::vector<std::shared_ptr<const WorldFrame>> frames;  // one per save, never null
  int own = -1;                                           // the loaded save's place among them; -1 when it is not there
};

// A timelapse to encode: the frames in turn order and how to draw them.
struct TimelapseRequest {
  std::vector<std::shared_ptr<const WorldFrame>> frames;
  TimelapseOptions options;
};

// How long each frame stays while the timelapse plays, by the speed's
// item: "1 save a second" .. "10 saves a second".
inline constexpr int32_t kTimelapseFrameMs[] = {1000, 500, 200, 100};

}  // namespace tolvane::form
