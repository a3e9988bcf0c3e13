#include "form/Raster.h"

#include <fmt/format.h>

namespace tolvane::form {

uint64_t Fnv1a64(const uint8_t* bytes, size_t size) {
  uint64_t hash = 0xCBF29CE484222325ull;
  for (size_t i = 0; i < size; ++i) {
    hash ^= bytes[i];
    hash *= 0x100000001B3ull;
  }
  return hash;
}

std::string RasterDigest(const Raster& raster) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(raster.pixels.data());
  return fmt::format("{:016x}", Fnv1a64(bytes, raster.pixels.size() * sizeof(Rgba)));
}

}  // namespace tolvane::form
