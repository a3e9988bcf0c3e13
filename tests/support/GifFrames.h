// Reading an animated GIF back with giflib's reader (DGifSlurp), for the
// timelapse's tests: each frame as a viewer composes it over the frames
// before it (every frame left in place), with what the file says of it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "form/Raster.h"

namespace tolvane::testing {

struct GifFrame {
  form::Raster composed;                             // the whole canvas once the frame is drawn
  int32_t left = 0, top = 0, width = 0, height = 0;  // the rectangle it holds
  int delayCs = 0;                                   // hundredths of a second
  int disposal = -1;
  int transparent = -1;   // its transparent index, -1 for none
  bool ownTable = false;  // a colour table of its own
  int tableSize = 0;      // colours in the table it uses
};

struct GifMovie {
  int32_t width = 0, height = 0;
  bool loops = false;  // a NETSCAPE2.0 extension asking to repeat for ever
  bool globalTable = false;
  std::vector<GifFrame> frames;
  std::string error;  // giflib's, when the bytes are not a GIF it can read
};

GifMovie ReadGif(const std::vector<uint8_t>& bytes);
GifMovie ReadGifFile(const std::string& path);

}  // namespace tolvane::testing
