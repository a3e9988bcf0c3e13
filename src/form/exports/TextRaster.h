// Text on a picture without a toolkit: DejaVu Sans, built into the program,
// drawn with stb_truetype. A glyph's coverage is rounded to a few steps, so
// a text in one colour on one background adds only a handful of colours to
// a picture (what a GIF's palette of 256 colours needs).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "form/Raster.h"

namespace tolvane::form {

// The steps of a glyph's coverage between nothing and full: a text adds at
// most this many colours between its own and its background's.
inline constexpr int kTextShades = 3;

// Measures and draws texts at one size. Not shared between threads (it
// keeps the glyphs drawn so far); any number may exist at once.
class TextPainter {
 public:
  // Letters `pixelHeight` pixels from the top of the highest to the bottom
  // of the lowest.
  explicit TextPainter(int pixelHeight);
  ~TextPainter();
  TextPainter(const TextPainter&) = delete;
  TextPainter& operator=(const TextPainter&) = delete;

  // Pixels above and below the baseline, and from one baseline to the next.
  int32_t Ascent() const { return ascent_; }
  int32_t Descent() const { return descent_; }
  int32_t LineHeight() const { return ascent_ + descent_ + lineGap_; }
  // The width of a UTF-8 text in pixels (a byte that is not UTF-8 counts
  // as U+FFFD).
  int32_t Width(std::string_view utf8);
  // Draws a UTF-8 text in `color` with its baseline at `baseline`, its
  // start at `left`, over what the picture holds (clipped to it).
  void Draw(Raster& raster, int32_t left, int32_t baseline, std::string_view utf8, Rgba color);

  // Whether the built-in font has a glyph for the character.
  static bool HasGlyph(char32_t c);

 private:
  struct Glyphs;
  std::unique_ptr<Glyphs> glyphs_;
  int32_t ascent_ = 0, descent_ = 0, lineGap_ = 0;
};

}  // namespace tolvane::form
