// A picture as plain pixels, without a toolkit: 8-bit red, green, blue and
// alpha, rows from the top. The window wraps it in an image of its toolkit;
// the exports write it as PNG.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tolvane::form {

// One pixel; in memory the bytes R, G, B, A in this order.
struct Rgba {
  uint8_t r = 0, g = 0, b = 0, a = 255;
  bool operator==(const Rgba&) const = default;
};
static_assert(sizeof(Rgba) == 4);

struct Raster {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<Rgba> pixels;  // width x height, row by row from the top

  Raster() = default;
  Raster(int32_t w, int32_t h) : width(w), height(h), pixels(size_t(w) * size_t(h)) {}
  bool Empty() const { return pixels.empty(); }
  Rgba& At(int32_t x, int32_t y) { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
  const Rgba& At(int32_t x, int32_t y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// A short fingerprint of a picture's pixels: the 64-bit FNV-1a hash of its
// bytes (R, G, B, A of each pixel, rows from the top) as 16 lower-case hex
// digits. Two pictures that differ in one pixel have different fingerprints.
std::string RasterDigest(const Raster& raster);
// The same hash over any bytes.
uint64_t Fnv1a64(const uint8_t* bytes, size_t size);

}  // namespace tolvane::form
