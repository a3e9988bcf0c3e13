// The timelapse as an animated GIF, read back with giflib's reader: every
// frame composes to its frame picture (the world picture at its top left,
// the caption band with the save's own texts below), frames after the first
// hold only what changed, the colours stay exact with one table for all or
// with tables of their own, and only a frame that alone has too many colours
// is reduced.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "GifFrames.h"
#include "SaveWriter.h"
#include "analysis/SaveAnalyse.h"
#include "form/exports/TextRaster.h"
#include "form/exports/Timelapse.h"
#include "save/SaveError.h"
#include "save/SaveFile.h"

namespace tolvane::form::testing {
namespace {

using tolvane::testing::ExampleSave;
using tolvane::testing::GifMovie;
using tolvane::testing::ReadGif;
using tolvane::testing::SaveDescription;
using Frames = std::vector<std::shared_ptr<const WorldFrame>>;

std::shared_ptr<const WorldFrame> FrameOf(const SaveDescription& d) {
  const Analysis a = SaveAnalyse(SpliceSave(tolvane::testing::WriteSaveFile(d)), ScoreFactors{});
  return std::make_shared<const WorldFrame>(WorldFrameOf(a));
}

// Two pictures alike pixel for pixel, or where they first differ.
::testing::AssertionResult Same(const Raster& a, const Raster& b) {
  if (a.width != b.width || a.height != b.height)
    return ::testing::AssertionFailure() << a.width << " x " << a.height << " against " << b.width << " x " << b.height;
  for (int32_t y = 0; y < a.height; ++y)
    for (int32_t x = 0; x < a.width; ++x)
      if (!(a.At(x, y) == b.At(x, y))) return ::testing::AssertionFailure() << "first differs at " << x << ", " << y;
  return ::testing::AssertionSuccess();
}

// A picture at the top left of a canvas of the band's colour.
Raster OnCanvas(const Raster& picture, int32_t width, int32_t height) {
  Raster canvas(width, height);
  std::fill(canvas.pixels.begin(), canvas.pixels.end(), kTimelapseBand);
  for (int32_t y = 0; y < picture.height; ++y)
    for (int32_t x = 0; x < picture.width; ++x) canvas.At(x, y) = picture.At(x, y);
  return canvas;
}

Raster Crop(const Raster& r, int32_t left, int32_t top, int32_t width, int32_t height) {
  Raster part(width, height);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) part.At(x, y) = r.At(left + x, top + y);
  return part;
}

size_t ColorCount(const Raster& r) {
  std::set<std::tuple<uint8_t, uint8_t, uint8_t>> colors;
  for (const Rgba& p : r.pixels) colors.insert({p.r, p.g, p.b});
  return colors.size();
}

// A text as the band draws it: in the band's text colour on its background.
Raster TextPicture(const std::string& text, int pixels) {
  TextPainter painter(pixels);
  Raster r(painter.Width(text), painter.Ascent() + painter.Descent());
  std::fill(r.pixels.begin(), r.pixels.end(), kTimelapseBand);
  painter.Draw(r, 0, painter.Ascent(), text, kTimelapseText);
  return r;
}

// Whether `part` appears anywhere in `r` at or below row `top`.
bool Shows(const Raster& r, const Raster& part, int32_t top) {
  for (int32_t y = top; y + part.height <= r.height; ++y)
    for (int32_t x = 0; x + part.width <= r.width; ++x) {
      bool same = true;
      for (int32_t j = 0; j < part.height && same; ++j)
        for (int32_t i = 0; i < part.width && same; ++i) same = r.At(x + i, y + j) == part.At(i, j);
      if (same) return true;
    }
  return false;
}

// Every frame of the GIF is its picture on the canvas.
void ExpectComposesTo(const GifMovie& movie, const std::vector<Raster>& pictures) {
  ASSERT_EQ(movie.error, "");
  ASSERT_EQ(movie.frames.size(), pictures.size());
  for (size_t i = 0; i < pictures.size(); ++i) {
    SCOPED_TRACE("frame " + std::to_string(i));
    EXPECT_TRUE(Same(movie.frames[i].composed, OnCanvas(pictures[i], movie.width, movie.height)));
  }
}

// A hand-made world of varied ground: plot types, terrains and features by
// place, owners as `owner` gives them, a city of each owner's.
std::shared_ptr<const WorldFrame> HandFrame(int32_t width, int32_t height,
                                            const std::function<int(int32_t, int32_t)>& owner, int32_t turn) {
  WorldFrame f;
  f.gameName = "Hand Made";
  f.turn = turn;
  f.date = "1000AD";
  ShownWorld& w = f.world;
  w.width = width;
  w.height = height;
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      w.ground.push_back({.plotType = int8_t(1 + (x + y) % 2),
                          .terrain = int8_t((x + 2 * y) % 7),
                          .feature = int8_t(std::array{4, 1, 6}[size_t((x * 3 + y) % 3)]),
                          .resource = false});
      const int o = owner(x, y);
      w.owner.push_back(int8_t(o));
      if (o >= 0) {
        ++w.plotCount[size_t(o)];
        if (w.cityCount[size_t(o)] == 0) {
          w.cities.push_back({x, y, o});
          ++w.cityCount[size_t(o)];
        }
      }
    }
  for (int s = 0; s < kSlots; ++s)
    if (w.plotCount[size_t(s)] > 0)
      f.legend.push_back({s, "Player " + std::to_string(s + 1), w.plotCount[size_t(s)], 1});
  return std::make_shared<const WorldFrame>(std::move(f));
}

TEST(Timelapse, EveryFrameComposesToItsPictureAndHoldsOnlyWhatChanged) {
  // A game of four saves: land changes hands, then only the turn, then
  // nothing; a frame without a map between them is left out.
  SaveDescription d = ExampleSave();
  const auto first = FrameOf(d);
  for (auto& p : d.plots)
    if (p.x >= 4 && p.x <= 7 && p.y >= 4 && p.y <= 6 && p.plotType != 3) p.owner = 2;
  d.elapsedTurns += 10;
  const auto conquered = FrameOf(d);
  d.elapsedTurns += 10;
  const auto later = FrameOf(d);
  const Frames frames = {first, conquered, std::make_shared<const WorldFrame>(), later, later};

  const struct {
    WorldLayers layers;
    int32_t scale;
    int32_t frameMs;
  } kCases[] = {
      {{}, 4, 700},
      {{.owners = false, .cities = true, .resources = true}, 1, 250},
      {{.owners = true, .cities = false, .resources = true}, 0, 1000},  // the map's default scale
  };
  for (const auto& c : kCases) {
    const int32_t scale = c.scale > 0 ? c.scale : DefaultWorldScale(first->world.width, first->world.height);
    SCOPED_TRACE("scale " + std::to_string(scale));
    const GifMovie movie =
        ReadGif(EncodeTimelapse(frames, {.layers = c.layers, .scale = c.scale, .frameMs = c.frameMs}));
    std::vector<Raster> pictures;
    for (const auto& f : {first, conquered, later, later}) pictures.push_back(DrawTimelapseFrame(*f, c.layers, scale));
    ExpectComposesTo(movie, pictures);
    ASSERT_EQ(movie.frames.size(), 4u);
    EXPECT_TRUE(movie.loops);
    EXPECT_TRUE(movie.globalTable);
    const int32_t mapWidth = first->world.width * scale, mapHeight = first->world.height * scale;
    for (size_t i = 0; i < movie.frames.size(); ++i) {
      const auto& f = movie.frames[i];
      EXPECT_EQ(f.delayCs, c.frameMs / 10);
      EXPECT_EQ(f.disposal, 1);  // left in place
      EXPECT_FALSE(f.ownTable);  // few colours: the global table serves all
      // The map at the top left, pixel for pixel the world picture.
      const WorldFrame& shown = i == 0 ? *first : i == 1 ? *conquered : *later;
      EXPECT_TRUE(Same(Crop(f.composed, 0, 0, mapWidth, mapHeight), DrawWorld(shown.world, c.layers, scale)));
    }
    EXPECT_EQ(movie.frames[0].width * movie.frames[0].height, movie.width * movie.height);
    // The conquest: a part of the map and the band.
    EXPECT_LT(movie.frames[1].width * movie.frames[1].height, movie.width * movie.height);
    // Only the turn: the band alone; nothing at all: one transparent pixel.
    EXPECT_GE(movie.frames[2].top, mapHeight);
    EXPECT_EQ(movie.frames[3].width * movie.frames[3].height, 1);
  }
}

TEST(Timelapse, TheBandShowsTheSavesCaptionAndPlayersInTheirLetters) {
  SaveDescription d = ExampleSave();
  d.gameName =
      "Saga of \xC6lfr\xED"
      "c";  // Latin-1 in the save
  d.slots[0].leaderName = "Ren\xE9 \xD8ster";
  d.elapsedTurns = 137;
  const auto frame = FrameOf(d);
  ASSERT_EQ(frame->legend.front().name, "René Øster");
  const Raster picture = DrawTimelapseFrame(*frame, {}, 8);
  const GifMovie movie = ReadGif(EncodeTimelapse({frame}, {.scale = 8}));
  ASSERT_EQ(movie.frames.size(), 1u);
  const int32_t band = frame->world.height * 8;
  for (const Raster* r : {&picture, &movie.frames[0].composed}) {
    EXPECT_TRUE(Shows(*r, TextPicture(FrameCaption(*frame), kTimelapseCaptionPixels), band));
    EXPECT_TRUE(Shows(*r, TextPicture("René Øster", kTimelapseLegendPixels), band));
    EXPECT_FALSE(Shows(*r, TextPicture("Saga of Ælfríc — turn 138", kTimelapseCaptionPixels), band));
  }
  EXPECT_NE(FrameCaption(*frame).find("Saga of Ælfríc — turn 137, "), std::string::npos);
  // Every character a save's text can hold has its own glyph.
  for (char32_t c = 0x20; c <= 0xFF; ++c)
    if (c < 0x7F || c >= 0xA0) {
      EXPECT_TRUE(TextPainter::HasGlyph(c)) << int(c);
    }
}

TEST(Timelapse, FramesOfManyColoursTogetherTakeTablesOfTheirOwnAndStayExact) {
  // Each frame all the land of another player: few colours each, too many
  // together for one table.
  Frames frames;
  std::vector<Raster> pictures;
  std::set<std::tuple<uint8_t, uint8_t, uint8_t>> all;
  for (int slot = 0; slot < 6; ++slot) {
    frames.push_back(HandFrame(
        20, 12, [slot](int32_t, int32_t) { return slot; }, 10 * slot));
    pictures.push_back(DrawTimelapseFrame(*frames.back(), {}, 16));
    ASSERT_LE(ColorCount(pictures.back()), 255u);
    for (const Rgba& p : pictures.back().pixels) all.insert({p.r, p.g, p.b});
  }
  ASSERT_GT(all.size(), 256u);
  const GifMovie movie = ReadGif(EncodeTimelapse(frames, {.scale = 16}));
  ExpectComposesTo(movie, pictures);
  size_t own = 0;
  for (const auto& f : movie.frames) own += f.ownTable;
  EXPECT_GT(own, 0u);
}

TEST(Timelapse, OnlyAFrameOfTooManyColoursAloneIsReducedAndTheNextIsExactWhereItChanges) {
  // Eighteen players in bands over varied ground: far more than 256 colours.
  const auto crowded = HandFrame(
      36, 20, [](int32_t x, int32_t) { return x / 2; }, 50);
  // Then slot 0 takes a corner.
  const auto taken = HandFrame(
      36, 20, [](int32_t x, int32_t y) { return x < 6 && y < 4 ? 0 : x / 2; }, 51);
  const Raster before = DrawTimelapseFrame(*crowded, {}, 16), after = DrawTimelapseFrame(*taken, {}, 16);
  ASSERT_GT(ColorCount(before), 256u);
  const std::vector<uint8_t> gif = EncodeTimelapse({crowded, taken}, {.scale = 16});
  EXPECT_EQ(gif, EncodeTimelapse({crowded, taken}, {.scale = 16, .threads = 1}));  // the same on any thread count
  const GifMovie movie = ReadGif(gif);
  ASSERT_EQ(movie.error, "");
  ASSERT_EQ(movie.frames.size(), 2u);
  const Raster& reduced = movie.frames[0].composed;
  EXPECT_TRUE(movie.frames[0].ownTable);
  EXPECT_LE(ColorCount(reduced), 256u);
  EXPECT_FALSE(Same(reduced, before));
  // Each pixel near its colour: on average a few steps off in each channel.
  int64_t error = 0;
  for (size_t i = 0; i < before.pixels.size(); ++i)
    error += std::abs(before.pixels[i].r - reduced.pixels[i].r) + std::abs(before.pixels[i].g - reduced.pixels[i].g) +
             std::abs(before.pixels[i].b - reduced.pixels[i].b);
  EXPECT_LT(double(error) / double(before.pixels.size()), 12.0);
  // The next frame: exact wherever the picture changed, the reduced colours
  // left where it did not.
  const Raster& next = movie.frames[1].composed;
  for (int32_t y = 0; y < after.height; ++y)
    for (int32_t x = 0; x < after.width; ++x) {
      const Rgba expected = before.At(x, y) == after.At(x, y) ? reduced.At(x, y) : after.At(x, y);
      ASSERT_TRUE(next.At(x, y) == expected) << x << ", " << y;
    }
}

TEST(Timelapse, WithoutAMapThereIsNoTimelapse) {
  EXPECT_THROW(EncodeTimelapse({}, {}), SaveError);
  EXPECT_THROW(EncodeTimelapse({std::make_shared<const WorldFrame>()}, {}), SaveError);
  const auto frame = FrameOf(ExampleSave());
  EXPECT_THROW(EncodeTimelapse({frame}, {.scale = kMaxWorldScale + 1}), SaveError);
  // A frame without a map is the band alone.
  WorldFrame empty;
  empty.turn = 3;
  empty.date = "3960BC";
  const Raster band = DrawTimelapseFrame(empty, {}, 4);
  EXPECT_GT(band.width, 0);
  EXPECT_TRUE(Shows(band, TextPicture("turn 3, 3960BC", kTimelapseCaptionPixels), 0));
}

}  // namespace
}  // namespace tolvane::form::testing
