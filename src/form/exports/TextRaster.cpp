#include "form/exports/TextRaster.h"

#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <unordered_map>
#include <vector>

// The one definition of the library's functions, kept to this file.
#define STBTT_STATIC
#define STB_TRUETYPE_IMPLEMENTATION
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wshadow"
#pragma GCC diagnostic ignored "-Wsign-compare"
#include <stb_truetype.h>
#pragma GCC diagnostic pop

namespace tolvane::embedded {
// DejaVu Sans (generated from the font file when the program is built).
extern const unsigned char kDejaVuSans[];
extern const size_t kDejaVuSansSize;
}  // namespace tolvane::embedded

namespace tolvane::form {

namespace {

// The font, read once; stb_truetype only reads it afterwards, so every
// painter on every thread shares it.
const stbtt_fontinfo& Font() {
  static const stbtt_fontinfo kFont = [] {
    stbtt_fontinfo font;
    if (!stbtt_InitFont(&font, embedded::kDejaVuSans, stbtt_GetFontOffsetForIndex(embedded::kDejaVuSans, 0)))
      throw std::logic_error("the built-in font cannot be read");
    return font;
  }();
  return kFont;
}

// The next character of a UTF-8 text; U+FFFD for a byte that does not
// begin a well-formed character (the byte is skipped).
char32_t NextCharacter(std::string_view text, size_t& at) {
  const auto byte = [&](size_t i) { return uint8_t(text[i]); };
  const uint8_t first = byte(at);
  const int length = first < 0x80             ? 1
                     : (first & 0xE0) == 0xC0 ? 2
                     : (first & 0xF0) == 0xE0 ? 3
                     : (first & 0xF8) == 0xF0 ? 4
                                              : 0;
  if (length == 0 || at + size_t(length) > text.size()) {
    ++at;
    return U'\uFFFD';
  }
  char32_t c = length == 1 ? first : char32_t(first & (0x7F >> length));
  for (int i = 1; i < length; ++i) {
    const uint8_t next = byte(at + size_t(i));
    if ((next & 0xC0) != 0x80) {
      ++at;
      return U'\uFFFD';
    }
    c = c << 6 | char32_t(next & 0x3F);
  }
  at += size_t(length);
  const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < least[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return U'\uFFFD';
  return c;
}

// `over` laid on `under` with `weight` parts of 256.
Rgba Mix(Rgba under, Rgba over, int weight) {
  auto mix = [weight](int u, int o) { return uint8_t((u * (256 - weight) + o * weight + 128) >> 8); };
  return {mix(under.r, over.r), mix(under.g, over.g), mix(under.b, over.b), 255};
}

}  // namespace

struct TextPainter::Glyphs {
  struct Glyph {
    int glyph = 0;                                 // the font's index
    int left = 0, top = 0, width = 0, height = 0;  // the bitmap's place from the pen on the baseline
    float advance = 0;
    std::vector<uint8_t> coverage;  // width x height, in steps 0 .. kTextShades + 1
  };
  float scale = 0;
  std::unordered_map<char32_t, Glyph> glyphs;

  const Glyph& Get(char32_t c) {
    const auto found = glyphs.find(c);
    if (found != glyphs.end()) return found->second;
    const stbtt_fontinfo& font = Font();
    Glyph g;
    g.glyph = stbtt_FindGlyphIndex(&font, int(c));
    int advance = 0, bearing = 0;
    stbtt_GetGlyphHMetrics(&font, g.glyph, &advance, &bearing);
    g.advance = float(advance) * scale;
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    stbtt_GetGlyphBitmapBox(&font, g.glyph, scale, scale, &x0, &y0, &x1, &y1);
    g.left = x0;
    g.top = y0;
    g.width = x1 - x0;
    g.height = y1 - y0;
    if (g.width > 0 && g.height > 0) {
      std::vector<uint8_t> full(size_t(g.width) * size_t(g.height));
      stbtt_MakeGlyphBitmap(&font, full.data(), g.width, g.height, g.width, scale, scale, g.glyph);
      g.coverage.resize(full.size());
      constexpr int kSteps = kTextShades + 1;
      for (size_t i = 0; i < full.size(); ++i) g.coverage[i] = uint8_t((full[i] * kSteps + 127) / 255);
    }
    return glyphs.emplace(c, std::move(g)).first->second;
  }

  float Kern(const Glyph& before, const Glyph& after) const {
    return float(stbtt_GetGlyphKernAdvance(&Font(), before.glyph, after.glyph)) * scale;
  }
};

TextPainter::TextPainter(int pixelHeight) : glyphs_(std::make_unique<Glyphs>()) {
  const stbtt_fontinfo& font = Font();
  glyphs_->scale = stbtt_ScaleForPixelHeight(&font, float(pixelHeight));
  int ascent = 0, descent = 0, lineGap = 0;
  stbtt_GetFontVMetrics(&font, &ascent, &descent, &lineGap);
  ascent_ = int32_t(std::ceil(float(ascent) * glyphs_->scale));
  descent_ = int32_t(std::ceil(float(-descent) * glyphs_->scale));
  lineGap_ = int32_t(std::lround(float(lineGap) * glyphs_->scale));
}

TextPainter::~TextPainter() = default;

int32_t TextPainter::Width(std::string_view utf8) {
  float pen = 0;
  const Glyphs::Glyph* before = nullptr;
  for (size_t at = 0; at < utf8.size();) {
    const Glyphs::Glyph& g = glyphs_->Get(NextCharacter(utf8, at));
    if (before) pen += glyphs_->Kern(*before, g);
    pen += g.advance;
    before = &g;
  }
  return int32_t(std::ceil(pen));
}

void TextPainter::Draw(Raster& raster, int32_t left, int32_t baseline, std::string_view utf8, Rgba color) {
  constexpr int kSteps = kTextShades + 1;
  float pen = float(left);
  const Glyphs::Glyph* before = nullptr;
  for (size_t at = 0; at < utf8.size();) {
    const Glyphs::Glyph& g = glyphs_->Get(NextCharacter(utf8, at));
    if (before) pen += glyphs_->Kern(*before, g);
    const int32_t x0 = int32_t(std::lround(pen)) + g.left, y0 = baseline + g.top;
    for (int j = 0; j < g.height; ++j) {
      const int32_t y = y0 + j;
      if (y < 0 || y >= raster.height) continue;
      for (int i = 0; i < g.width; ++i) {
        const int32_t x = x0 + i;
        const uint8_t step = g.coverage[size_t(j) * size_t(g.width) + size_t(i)];
        if (step == 0 || x < 0 || x >= raster.width) continue;
        Rgba& pixel = raster.At(x, y);
        pixel = step == kSteps ? color : Mix(pixel, color, step * 256 / kSteps);
      }
    }
    pen += g.advance;
    before = &g;
  }
}

bool TextPainter::HasGlyph(char32_t c) { return stbtt_FindGlyphIndex(&Font(), int(c)) != 0; }

}  // namespace tolvane::form
