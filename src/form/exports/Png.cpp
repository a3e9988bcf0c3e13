#include "form/exports/Png.h"

#include <climits>
#include <stdexcept>

// The one definition of the library's functions, kept to this file.
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#include <stb_image_write.h>
#pragma GCC diagnostic pop

namespace tolvane::form {

std::string EncodePng(const Raster& raster) {
  if (raster.Empty()) return {};
  if (int64_t(raster.width) * 4 > INT_MAX || raster.height <= 0) throw std::length_error("picture too wide for PNG");
  std::string png;
  auto append = [](void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), size_t(size));
  };
  if (!stbi_write_png_to_func(append, &png, raster.width, raster.height, 4, raster.pixels.data(), raster.width * 4))
    throw std::runtime_error("the picture could not be encoded as PNG");
  return png;
}

}  // namespace tolvane::form
