#include "form/exports/Timelapse.h"

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <climits>
#include <cstddef>
#include <cstring>
#include <exception>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <tuple>
#include <unordered_map>
#include <utility>

#include "form/PlayerColors.h"
#include "form/exports/TextRaster.h"
#include "save/SaveError.h"

#ifdef TOLVANE_HAVE_GIF
#include <gif_lib.h>
#endif

namespace tolvane::form {

namespace {

// The band below the map, in pixels.
constexpr int32_t kSide = 10;         // between the band's edges and its texts
constexpr int32_t kAboveCaption = 6;  // between the map and the caption
constexpr int32_t kBelowCaption = 4;  // between the caption and the legend
constexpr int32_t kLegendLineGap = 3;
constexpr int32_t kSwatchGap = 5;  // between a swatch and its player's name
constexpr int32_t kEntryGap = 18;  // between one legend entry and the next
constexpr int32_t kBelowBand = 8;  // below the last line

Rgba Color(Rgb c) { return {uint8_t(c >> 16 & 0xFF), uint8_t(c >> 8 & 0xFF), uint8_t(c & 0xFF), 255}; }

void FillRect(Raster& r, int32_t left, int32_t top, int32_t width, int32_t height, Rgba c) {
  const int32_t x0 = std::max(left, 0), x1 = std::min(left + width, r.width);
  const int32_t y0 = std::max(top, 0), y1 = std::min(top + height, r.height);
  for (int32_t y = y0; y < y1; ++y) std::fill(&r.At(x0, y), &r.At(x0, y) + std::max(0, x1 - x0), c);
}

// Where a frame's parts go.
struct FrameLayout {
  int32_t width = 0, height = 0;
  int32_t mapWidth = 0, mapHeight = 0;
  std::string caption;
  int32_t captionBaseline = 0;
  struct Entry {
    int32_t left = 0, baseline = 0;
    size_t player = 0;  // in the frame's legend
  };
  std::vector<Entry> entries;
};

// Lays out and draws frames; keeps the glyphs drawn from frame to frame.
class FramePainter {
 public:
  FrameLayout Layout(const WorldFrame& frame, int32_t scale) {
    FrameLayout l;
    l.mapWidth = frame.world.width * scale;
    l.mapHeight = frame.world.height * scale;
    l.caption = FrameCaption(frame);
    std::vector<int32_t> entryWidths;
    int32_t widest = caption_.Width(l.caption);
    for (const LegendPlayer& p : frame.legend) {
      entryWidths.push_back(Swatch() + kSwatchGap + legend_.Width(p.name));
      widest = std::max(widest, entryWidths.back());
    }
    l.width = std::max(l.mapWidth, widest + 2 * kSide);
    int32_t y = l.mapHeight + kAboveCaption;
    l.captionBaseline = y + caption_.Ascent();
    y += caption_.Ascent() + caption_.Descent() + kBelowCaption;
    int32_t x = kSide;
    for (size_t i = 0; i < entryWidths.size(); ++i) {
      if (x > kSide && x + entryWidths[i] > l.width - kSide) {
        x = kSide;
        y += legend_.LineHeight() + kLegendLineGap;
      }
      l.entries.push_back({x, y + legend_.Ascent(), i});
      x += entryWidths[i] + kEntryGap;
    }
    if (!l.entries.empty()) y += legend_.Ascent() + legend_.Descent();
    l.height = y + kBelowBand;
    return l;
  }

  // Draws the frame at the top left corner of `canvas` (at least as large
  // as the layout), the band's background everywhere else.
  void Draw(Raster& canvas, const WorldFrame& frame, const FrameLayout& l, const WorldLayers& layers, int32_t scale) {
    int32_t mapHeight = 0;
    if (l.mapWidth > 0 && l.mapHeight > 0) {
      const Raster map = DrawWorld(frame.world, layers, scale);
      for (int32_t y = 0; y < map.height; ++y) {
        std::memcpy(&canvas.At(0, y), &map.At(0, y), size_t(map.width) * sizeof(Rgba));
        std::fill(&canvas.At(0, y) + map.width, &canvas.At(0, y) + canvas.width, kTimelapseBand);
      }
      mapHeight = map.height;
    }
    std::fill(canvas.pixels.begin() + std::ptrdiff_t(mapHeight) * canvas.width, canvas.pixels.end(), kTimelapseBand);
    caption_.Draw(canvas, kSide, l.captionBaseline, l.caption, kTimelapseText);
    const int32_t swatch = Swatch();
    for (const FrameLayout::Entry& e : l.entries) {
      const LegendPlayer& p = frame.legend[e.player];
      const int32_t top = e.baseline - swatch;
      FillRect(canvas, e.left, top, swatch, swatch, kTimelapseText);
      FillRect(canvas, e.left + 1, top + 1, swatch - 2, swatch - 2, Color(kPlayerColors[size_t(p.slot)]));
      legend_.Draw(canvas, e.left + swatch + kSwatchGap, e.baseline, p.name, kTimelapseText);
    }
  }

 private:
  // A swatch's side: as tall as the letters above the baseline.
  int32_t Swatch() const { return legend_.Ascent() - 2; }

  TextPainter caption_{kTimelapseCaptionPixels};
  TextPainter legend_{kTimelapseLegendPixels};
};

// Refuses a scale outside 1 .. kMaxWorldScale, or a picture larger than a
// world picture may be.
void CheckScale(const ShownWorld& world, int32_t scale) {
  if (scale < 1 || scale > kMaxWorldScale || int64_t(world.width) * world.height * scale * scale > kMaxWorldPixels)
    throw SaveError(fmt::format("A picture of the {} x {} map at {} pixels a plot would be too large.", world.width,
                                world.height, scale));
}

}  // namespace

Raster DrawTimelapseFrame(const WorldFrame& frame, const WorldLayers& layers, int32_t scale) {
  CheckScale(frame.world, scale);
  FramePainter painter;
  const FrameLayout layout = painter.Layout(frame, scale);
  Raster r(layout.width, layout.height);
  painter.Draw(r, frame, layout, layers, scale);
  return r;
}

#ifndef TOLVANE_HAVE_GIF

bool CanEncodeTimelapse() { return false; }

std::vector<uint8_t> EncodeTimelapse(const std::vector<std::shared_ptr<const WorldFrame>>&, const TimelapseOptions&) {
  throw SaveError("This build cannot write a timelapse: it was built without the GIF library (giflib).");
}

#else

namespace {

// The largest side a GIF can store.
constexpr int32_t kMaxGifSide = 65535;
// Colours a colour table holds, one of them kept for the transparent pixels.
constexpr int kTableColors = 256;
constexpr int kOpaqueColors = kTableColors - 1;
// A GIF's signature and screen description, its global table right after
// them, and its last byte.
constexpr size_t kGlobalTable = 13;
constexpr size_t kHeaderBytes = kGlobalTable + 3 * kTableColors;
constexpr uint8_t kTrailer = 0x3B;
// The most memory the frames under way may take (their pictures and
// pixels' numbers).
constexpr size_t kFramesMemory = size_t(256) << 20;

// A pixel's colour as a key: its four bytes, the alpha's taken as opaque
// (as every pixel of a frame is), so never 0.
uint32_t Key(Rgba c) {
  c.a = 255;
  uint32_t key;
  std::memcpy(&key, &c, sizeof key);
  return key;
}
Rgba FromKey(uint32_t key) {
  uint8_t bytes[4];
  std::memcpy(bytes, &key, sizeof bytes);
  return {bytes[0], bytes[1], bytes[2], bytes[3]};
}

// Colours and their indices in a table: open addressing, for the lookup of
// every pixel.
class ColorIndex {
 public:
  int Find(uint32_t key) const {
    for (size_t at = Hash(key);; at = (at + 1) & kMask) {
      if (keys_[at] == key) return values_[at];
      if (keys_[at] == 0) return -1;
    }
  }
  void Add(uint32_t key, uint8_t value) {
    size_t at = Hash(key);
    while (keys_[at] != 0 && keys_[at] != key) at = (at + 1) & kMask;
    keys_[at] = key;
    values_[at] = value;
  }

 private:
  static constexpr size_t kSize = 1024, kMask = kSize - 1;  // never more than half full
  static size_t Hash(uint32_t key) { return size_t((key * 2654435761u) >> 22) & kMask; }
  std::array<uint32_t, kSize> keys_{};
  std::array<uint8_t, kSize> values_{};
};

// A colour table: its colours in index order and their indices.
struct Palette {
  std::vector<uint32_t> colors;
  ColorIndex index;
  void Add(uint32_t key) {
    index.Add(key, uint8_t(colors.size()));
    colors.push_back(key);
  }
};

// The changed part of a frame: the rectangle around every pixel that
// differs from what is shown.
struct Rect {
  int32_t left = 0, top = 0, width = 0, height = 0;
};

Rect ChangedRect(const Raster& shown, const Raster& next) {
  const size_t rowBytes = size_t(next.width) * sizeof(Rgba);
  int32_t top = 0, bottom = next.height - 1;
  while (top < next.height && std::memcmp(&shown.At(0, top), &next.At(0, top), rowBytes) == 0) ++top;
  if (top == next.height) return {};
  while (std::memcmp(&shown.At(0, bottom), &next.At(0, bottom), rowBytes) == 0) --bottom;
  int32_t left = next.width, right = -1;
  for (int32_t y = top; y <= bottom; ++y) {
    const Rgba* a = &shown.At(0, y);
    const Rgba* b = &next.At(0, y);
    if (std::memcmp(a, b, rowBytes) == 0) continue;
    // Only a change beyond the rectangle so far can widen it.
    int32_t l = 0;
    while (l < left && a[l] == b[l]) ++l;
    int32_t r = next.width - 1;
    while (r > right && a[r] == b[r]) --r;
    left = std::min(left, l);
    right = std::max(right, r);
  }
  return {left, top, right - left + 1, bottom - top + 1};
}

// A frame with more colours than a table holds: its colours reduced to
// kOpaqueColors by a median cut (each box split at the median pixel of its
// widest channel, the box with the widest channel first), each box's colour
// the mean of its pixels, each pixel the nearest of those colours. The
// same frame always comes out the same.
struct Reduction {
  std::vector<uint32_t> palette;
  std::unordered_map<uint32_t, uint8_t> nearest;
};

Reduction Reduce(const std::unordered_map<uint32_t, uint32_t>& counts) {
  struct Entry {
    Rgba c;
    uint32_t count;
  };
  std::vector<Entry> entries;
  entries.reserve(counts.size());
  for (const auto& [key, count] : counts) entries.push_back({FromKey(key), count});
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    return std::tie(a.c.r, a.c.g, a.c.b) < std::tie(b.c.r, b.c.g, b.c.b);
  });
  const auto channel = [](const Rgba& c, int ch) { return ch == 0 ? c.r : ch == 1 ? c.g : c.b; };
  struct Box {
    size_t begin, end;
    int widestChannel = 0, range = 0;
  };
  const auto measure = [&](Box& box) {
    box.range = -1;
    for (int ch = 0; ch < 3; ++ch) {
      int lo = 255, hi = 0;
      for (size_t i = box.begin; i < box.end; ++i) {
        lo = std::min<int>(lo, channel(entries[i].c, ch));
        hi = std::max<int>(hi, channel(entries[i].c, ch));
      }
      if (hi - lo > box.range) {
        box.range = hi - lo;
        box.widestChannel = ch;
      }
    }
  };
  std::vector<Box> boxes = {{0, entries.size()}};
  measure(boxes[0]);
  while (boxes.size() < size_t(kOpaqueColors)) {
    size_t pick = boxes.size();
    for (size_t b = 0; b < boxes.size(); ++b)
      if (boxes[b].end - boxes[b].begin > 1 && (pick == boxes.size() || boxes[b].range > boxes[pick].range)) pick = b;
    if (pick == boxes.size()) break;
    Box& box = boxes[pick];
    const int ch = box.widestChannel;
    std::stable_sort(entries.begin() + std::ptrdiff_t(box.begin), entries.begin() + std::ptrdiff_t(box.end),
                     [&](const Entry& a, const Entry& b) { return channel(a.c, ch) < channel(b.c, ch); });
    uint64_t total = 0, half = 0;
    for (size_t i = box.begin; i < box.end; ++i) total += entries[i].count;
    size_t split = box.begin + 1;
    for (size_t i = box.begin; i < box.end - 1; ++i) {
      half += entries[i].count;
      split = i + 1;
      if (2 * half >= total) break;
    }
    Box second{split, box.end};
    box.end = split;
    measure(box);
    measure(second);
    boxes.push_back(second);
  }
  Reduction reduction;
  for (const Box& box : boxes) {
    uint64_t sum[3] = {}, n = 0;
    for (size_t i = box.begin; i < box.end; ++i) {
      for (int ch = 0; ch < 3; ++ch) sum[ch] += uint64_t(channel(entries[i].c, ch)) * entries[i].count;
      n += entries[i].count;
    }
    const auto mean = [&](int ch) { return uint8_t((sum[ch] + n / 2) / n); };
    reduction.palette.push_back(Key({mean(0), mean(1), mean(2), 255}));
  }
  for (const Entry& e : entries) {
    int best = 0;
    int64_t bestDistance = INT64_MAX;
    for (size_t p = 0; p < reduction.palette.size(); ++p) {
      const Rgba c = FromKey(reduction.palette[p]);
      const int64_t dr = int(c.r) - e.c.r, dg = int(c.g) - e.c.g, db = int(c.b) - e.c.b;
      const int64_t distance = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
      if (distance < bestDistance) {
        bestDistance = distance;
        best = int(p);
      }
    }
    reduction.nearest.emplace(Key(e.c), uint8_t(best));
  }
  return reduction;
}

// A GIF being written into memory; closed (and freed) in any case.
class GifWriter {
 public:
  GifWriter() {
    int error = 0;
    gif_ = EGifOpen(&bytes_, &Append, &error);
    if (!gif_) Fail(error);
  }
  ~GifWriter() {
    if (gif_) EGifCloseFile(gif_, nullptr);
  }
  GifWriter(const GifWriter&) = delete;
  GifWriter& operator=(const GifWriter&) = delete;

  GifFileType* File() const { return gif_; }
  void Check(int result) const {
    if (result != GIF_OK) Fail(gif_->Error);
  }
  // Writes the end of the file; the bytes written.
  std::vector<uint8_t> Close() {
    int error = 0;
    const int result = EGifCloseFile(gif_, &error);
    gif_ = nullptr;
    if (result != GIF_OK) Fail(error);
    return std::move(bytes_);
  }

 private:
  static int Append(GifFileType* gif, const GifByteType* data, int length) {
    auto* bytes = static_cast<std::vector<uint8_t>*>(gif->UserData);
    bytes->insert(bytes->end(), data, data + length);
    return length;
  }
  [[noreturn]] static void Fail(int error) {
    const char* reason = GifErrorString(error);
    throw SaveError(fmt::format("The timelapse could not be encoded: {}.", reason ? reason : "unknown error"));
  }

  std::vector<uint8_t> bytes_;
  GifFileType* gif_ = nullptr;
};

// A colour table for giflib: the colours given, padded to a power of two.
struct ColorMap {
  explicit ColorMap(const std::vector<uint32_t>& colors, int size) {
    std::vector<GifColorType> entries(size_t(size), GifColorType{0, 0, 0});
    for (size_t i = 0; i < colors.size(); ++i) {
      const Rgba c = FromKey(colors[i]);
      entries[i] = {c.r, c.g, c.b};
    }
    map = GifMakeMapObject(size, entries.data());
    if (!map) throw std::bad_alloc();
  }
  ~ColorMap() { GifFreeMapObject(map); }
  ColorMap(const ColorMap&) = delete;
  ColorMap& operator=(const ColorMap&) = delete;
  ColorMapObject* map = nullptr;
};

int TableSize(size_t colors) {
  int size = 2;
  while (size_t(size) < colors) size *= 2;
  return size;
}

}  // namespace

namespace {

// A pixel left as it was.
constexpr uint8_t kClear = kOpaqueColors;

// One frame on its way into the GIF.
struct FrameWork {
  Raster picture;  // the whole canvas
  Rect rect;       // the part written
  // Per pixel of the rectangle: its colour's number in `colors`, or kClear
  // where the pixel shows what was there.
  std::vector<uint8_t> indices;
  std::vector<uint32_t> colors;  // the changed pixels' colours, in order of appearance
  bool tooMany = false;          // more colours than a table holds: `indices` not filled
  // Decided frame after frame, in order:
  bool ownTable = false;           // a table of its own, not the global one
  std::vector<uint32_t> table;     // that table
  std::array<uint8_t, 256> lut{};  // a number in `indices` -> its index in the table used
  int transparent = kClear;
  std::vector<uint8_t> block;  // its graphic control extension and image, as written
};

// Whether four pixels in a row are alike.
bool SameFour(const Rgba* a, const Rgba* b) {
  uint64_t a0, a1, b0, b1;
  std::memcpy(&a0, a, 8);
  std::memcpy(&a1, a + 2, 8);
  std::memcpy(&b0, b, 8);
  std::memcpy(&b1, b + 2, 8);
  return ((a0 ^ b0) | (a1 ^ b1)) == 0;
}

// The changed rectangle of a frame against what is shown before it (none
// for the first frame: all of it), its colours and their numbers.
void IndexFrame(FrameWork& w, const Raster* shown) {
  const Raster& next = w.picture;
  w.rect = shown ? ChangedRect(*shown, next) : Rect{0, 0, next.width, next.height};
  w.colors.clear();
  w.tooMany = false;
  if (w.rect.width == 0) {  // nothing changed: one transparent pixel keeps the frame's time
    w.rect = {0, 0, 1, 1};
    w.indices.assign(1, kClear);
    return;
  }
  w.indices.resize(size_t(w.rect.width) * size_t(w.rect.height));
  ColorIndex numbers;
  uint8_t* out = w.indices.data();
  for (int32_t y = w.rect.top; y < w.rect.top + w.rect.height; ++y) {
    const Rgba* b = &next.At(w.rect.left, y);
    const Rgba* a = shown ? &shown->At(w.rect.left, y) : nullptr;
    uint32_t lastKey = 0;
    uint8_t lastNumber = 0;
    for (int32_t x = 0; x < w.rect.width; ++x, ++out) {
      if (a && a[x] == b[x]) {
        // Most of a row stays as it was: skip it four pixels at a time.
        int32_t same = x + 1;
        while (same + 4 <= w.rect.width && SameFour(a + same, b + same)) same += 4;
        while (same < w.rect.width && a[same] == b[same]) ++same;
        std::memset(out, kClear, size_t(same - x));
        out += same - x - 1;
        x = same - 1;
        continue;
      }
      const uint32_t key = Key(b[x]);
      if (key != lastKey) {
        int number = numbers.Find(key);
        if (number < 0) {
          if (w.colors.size() == size_t(kOpaqueColors)) {
            w.tooMany = true;
            return;
          }
          number = int(w.colors.size());
          numbers.Add(key, uint8_t(number));
          w.colors.push_back(key);
        }
        lastKey = key;
        lastNumber = uint8_t(number);
      }
      *out = lastNumber;
    }
  }
}

// A frame with too many colours: reduced (Reduce), its pixels numbered by
// their nearest colour. `shown` as for IndexFrame.
void ReduceFrame(FrameWork& w, const Raster* shown) {
  const Raster& next = w.picture;
  const auto changed = [&](int32_t x, int32_t y) { return !shown || !(shown->At(x, y) == next.At(x, y)); };
  std::unordered_map<uint32_t, uint32_t> counts;
  for (int32_t y = w.rect.top; y < w.rect.top + w.rect.height; ++y) {
    uint32_t lastKey = 0, run = 0;  // the pixels of a run counted at once
    for (int32_t x = w.rect.left; x < w.rect.left + w.rect.width; ++x) {
      if (!changed(x, y)) continue;
      const uint32_t key = Key(next.At(x, y));
      if (key != lastKey) {
        if (run > 0) counts[lastKey] += run;
        lastKey = key;
        run = 0;
      }
      ++run;
    }
    if (run > 0) counts[lastKey] += run;
  }
  const Reduction reduction = Reduce(counts);
  uint8_t* out = w.indices.data();
  for (int32_t y = w.rect.top; y < w.rect.top + w.rect.height; ++y) {
    uint32_t lastKey = 0;
    uint8_t lastIndex = 0;
    for (int32_t x = w.rect.left; x < w.rect.left + w.rect.width; ++x, ++out) {
      if (!changed(x, y)) {
        *out = kClear;
        continue;
      }
      const uint32_t key = Key(next.At(x, y));
      if (key != lastKey) {
        lastKey = key;
        lastIndex = reduction.nearest.at(key);
      }
      *out = lastIndex;
    }
  }
  w.ownTable = true;
  w.table = reduction.palette;
  for (int i = 0; i < 256; ++i) w.lut[size_t(i)] = uint8_t(i);
  w.transparent = kClear;
}

// The frame's graphic control extension and image as a GIF holds them,
// written by giflib into a GIF of its own whose frame is then taken out, so
// that frames are written on several threads at once.
void WriteBlock(FrameWork& w, int32_t width, int32_t height, int delay) {
  for (uint8_t& i : w.indices) i = w.lut[i];
  GifWriter gif;
  EGifSetGifVersion(gif.File(), true);
  {
    const ColorMap global({}, kTableColors);
    gif.Check(EGifPutScreenDesc(gif.File(), width, height, 8, 0, global.map));
  }
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;
  control.UserInputFlag = false;
  control.DelayTime = delay;
  control.TransparentColor = w.transparent;
  GifByteType extension[4];
  const size_t extensionLength = EGifGCBToExtension(&control, extension);
  gif.Check(EGifPutExtension(gif.File(), GRAPHICS_EXT_FUNC_CODE, int(extensionLength), extension));
  std::optional<ColorMap> table;
  if (w.ownTable) table.emplace(w.table, TableSize(w.table.size() + 1));
  gif.Check(EGifPutImageDesc(gif.File(), w.rect.left, w.rect.top, w.rect.width, w.rect.height, false,
                             table ? table->map : nullptr));
  for (int32_t y = 0; y < w.rect.height; ++y)
    gif.Check(EGifPutLine(gif.File(), w.indices.data() + size_t(y) * size_t(w.rect.width), w.rect.width));
  std::vector<uint8_t> bytes = gif.Close();
  // Without the signature, the screen's description and its table before
  // the frame, and the trailer after it.
  if (bytes.size() < kHeaderBytes + 1 || bytes.back() != kTrailer)
    throw std::logic_error("giflib wrote a frame not as expected");
  w.block.assign(bytes.begin() + std::ptrdiff_t(kHeaderBytes), bytes.end() - 1);
  std::vector<uint8_t>().swap(w.indices);
}

// Runs work(i, thread) for i in [0, n) on `threads` threads (this one among
// them); the first exception thrown is thrown again here.
template <class Work>
void ForEach(size_t n, unsigned threads, const Work& work) {
  std::atomic<size_t> next{0};
  std::exception_ptr failure;
  std::mutex failureMutex;
  const auto run = [&](unsigned thread) {
    try {
      for (size_t i; (i = next++) < n;) work(i, thread);
    } catch (...) {
      const std::lock_guard<std::mutex> lock(failureMutex);
      if (!failure) failure = std::current_exception();
      next = n;
    }
  };
  std::vector<std::thread> pool;
  for (unsigned t = 1; t < threads && t < n; ++t) pool.emplace_back(run, t);
  run(0);
  for (std::thread& t : pool) t.join();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace

bool CanEncodeTimelapse() { return true; }

std::vector<uint8_t> EncodeTimelapse(const std::vector<std::shared_ptr<const WorldFrame>>& frames,
                                     const TimelapseOptions& options) {
  std::vector<const WorldFrame*> shown;
  for (const auto& frame : frames)
    if (frame && frame->world.width > 0 && frame->world.height > 0) shown.push_back(frame.get());
  if (shown.empty()) throw SaveError("None of the saves has a map to show: no timelapse written.");
  const int32_t scale =
      options.scale > 0 ? options.scale : DefaultWorldScale(shown.front()->world.width, shown.front()->world.height);
  const unsigned threads =
      options.threads > 0 ? options.threads : std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
  std::vector<FramePainter> painters(threads);
  std::vector<FrameLayout> layouts;
  int32_t width = 0, height = 0;
  for (const WorldFrame* frame : shown) {
    CheckScale(frame->world, scale);
    layouts.push_back(painters[0].Layout(*frame, scale));
    width = std::max(width, layouts.back().width);
    height = std::max(height, layouts.back().height);
  }
  if (width > kMaxGifSide || height > kMaxGifSide || int64_t(width) * height > 2 * kMaxWorldPixels)
    throw SaveError(fmt::format("A timelapse of {} x {} pixels would be too large.", width, height));
  const int delay = std::clamp((options.frameMs + 5) / 10, 1, 65535);

  // The screen with its global table, which is written empty and filled in
  // once every frame is written, and "repeat for ever".
  std::vector<uint8_t> bytes;
  {
    GifWriter gif;
    EGifSetGifVersion(gif.File(), true);
    {
      const ColorMap placeholder({}, kTableColors);
      gif.Check(EGifPutScreenDesc(gif.File(), width, height, 8, 0, placeholder.map));
    }
    gif.Check(EGifPutExtensionLeader(gif.File(), APPLICATION_EXT_FUNC_CODE));
    gif.Check(EGifPutExtensionBlock(gif.File(), 11, "NETSCAPE2.0"));
    const uint8_t loop[3] = {1, 0, 0};
    gif.Check(EGifPutExtensionBlock(gif.File(), 3, loop));
    gif.Check(EGifPutExtensionTrailer(gif.File()));
    bytes = gif.Close();
  }
  if (bytes.size() < kHeaderBytes + 1 || bytes.back() != kTrailer || (bytes[10] & 0x87) != 0x87)
    throw std::logic_error("giflib wrote the screen not as expected");
  bytes.pop_back();

  // The frames a few at a time: their pictures drawn and compared with the
  // picture before on every thread, their tables chosen in order, then
  // written on every thread again. A frame is compared with the picture
  // before it, not with what a reduced frame left: the pixels of a reduced
  // frame keep their nearest colours until a later frame changes them.
  Palette global;
  Raster before;  // the last picture of the frames before
  // Two frames a thread at a time, fewer where the pictures are so large
  // that they would take more than kFramesMemory together.
  const size_t frameBytes = size_t(width) * size_t(height) * (sizeof(Rgba) + 1);
  const size_t window = std::clamp<size_t>(kFramesMemory / frameBytes, 1, 2 * size_t(threads));
  std::vector<FrameWork> works;
  for (size_t begin = 0; begin < shown.size(); begin += window) {
    const size_t n = std::min(window, shown.size() - begin);
    works.resize(n);
    ForEach(n, threads, [&](size_t i, unsigned thread) {
      Raster& picture = works[i].picture;
      if (picture.width != width || picture.height != height) picture = Raster(width, height);
      painters[thread].Draw(picture, *shown[begin + i], layouts[begin + i], options.layers, scale);
    });
    ForEach(n, threads, [&](size_t i, unsigned) {
      const Raster* previous = i > 0 ? &works[i - 1].picture : begin > 0 ? &before : nullptr;
      FrameWork& w = works[i];
      w.ownTable = false;
      w.transparent = kClear;
      IndexFrame(w, previous);
      if (w.tooMany) ReduceFrame(w, previous);
    });
    for (FrameWork& w : works) {
      if (w.tooMany) continue;
      size_t fresh = 0;
      for (uint32_t key : w.colors) fresh += global.index.Find(key) < 0;
      if (global.colors.size() + fresh <= size_t(kOpaqueColors)) {
        for (size_t c = 0; c < w.colors.size(); ++c) {
          int at = global.index.Find(w.colors[c]);
          if (at < 0) {
            at = int(global.colors.size());
            global.Add(w.colors[c]);
          }
          w.lut[c] = uint8_t(at);
        }
        w.lut[kClear] = kClear;
      } else {
        w.ownTable = true;
        w.table = w.colors;
        for (size_t c = 0; c < w.colors.size(); ++c) w.lut[c] = uint8_t(c);
        w.transparent = int(w.colors.size());
        w.lut[kClear] = uint8_t(w.transparent);
      }
    }
    ForEach(n, threads, [&](size_t i, unsigned) { WriteBlock(works[i], width, height, delay); });
    for (FrameWork& w : works) {
      bytes.insert(bytes.end(), w.block.begin(), w.block.end());
      std::vector<uint8_t>().swap(w.block);
    }
    std::swap(before, works[n - 1].picture);
  }
  bytes.push_back(kTrailer);

  for (size_t i = 0; i < global.colors.size(); ++i) {
    const Rgba c = FromKey(global.colors[i]);
    bytes[kGlobalTable + 3 * i] = c.r;
    bytes[kGlobalTable + 3 * i + 1] = c.g;
    bytes[kGlobalTable + 3 * i + 2] = c.b;
  }
  return bytes;
}

#endif

}  // namespace tolvane::form
