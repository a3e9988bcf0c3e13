// PNG files of pictures, without a toolkit (stb_image_write).
#pragma once

#include <string>

#include "form/Raster.h"

namespace tolvane::form {

// The bytes of a PNG file (8-bit RGBA) of a picture; an empty picture gives
// an empty text.
std::string EncodePng(const Raster& raster);

}  // namespace tolvane::form
