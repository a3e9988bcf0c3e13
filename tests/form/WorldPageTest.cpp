// The "World" page: the map picture against a committed PNG, what it shows
// of each owner, its check boxes, legend, plot text and "Save Picture…".
#include <fmt/format.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "FormFixture.h"
#include "form/PlayerColors.h"
#include "form/exports/Png.h"
#include "form/exports/WorldFrame.h"
#include "form/exports/WorldRaster.h"
#include "save/SaveError.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>
#pragma GCC diagnostic pop

namespace tolvane::form::testing {
namespace {

namespace fs = std::filesystem;

using WorldRasterTest = FormTest;
using WorldPageTest = FormTest;

// Plot types and terrains as the save numbers them.
constexpr int16_t kPeak = 0, kHills = 1, kFlat = 2, kWater = 3;
constexpr int16_t kGrass = 0, kPlains = 1, kDesert = 2, kTundra = 3, kSnow = 4, kCoast = 5, kOcean = 6;

// SmallGame on a map of ocean, nobody's.
Analysis MapGame(int32_t width, int32_t height) {
  Analysis a = SmallGame();
  a.mapWidth = width;
  a.mapHeight = height;
  a.plots.assign(size_t(width) * size_t(height), Plot{.plotType = kWater, .terrain = kOcean});
  return a;
}

City MakeCity(const char* name, int32_t x, int32_t y, int32_t population, int32_t founded) {
  City c;
  c.name = name;
  c.x = x;
  c.y = y;
  c.population = population;
  c.foundedTurn = founded;
  return c;
}

// Eight plots across, four rows: every plot type, terrain and feature, a
// value outside each table, two owners side by side (a border between them
// and along the coast), a city, resources; a plot at every corner that
// tells north from south.
Analysis FixtureGame() {
  Analysis a = MapGame(8, 4);
  auto set = [&a](int32_t x, int32_t y, Plot p) { a.PlotAt(x, y) = p; };
  // The top row (y 3): water of three kinds, then a peak, hills and the
  // land of the cold.
  set(0, 3, {.plotType = kWater, .terrain = kOcean});
  set(1, 3, {.plotType = kWater, .terrain = kCoast, .bonus = 15});
  set(2, 3, {.plotType = kWater, .terrain = kOcean, .feature = 0});
  set(3, 3, {.plotType = kPeak, .terrain = kSnow});
  set(4, 3, {.plotType = kHills, .terrain = kTundra});
  set(5, 3, {.plotType = kFlat, .terrain = kTundra, .feature = 4});
  set(6, 3, {.plotType = kFlat, .terrain = kSnow});
  set(7, 3, {.plotType = kFlat, .terrain = kDesert, .feature = 2});
  // y 2: the warm land and its features, the peak and hills terrains.
  set(0, 2, {.plotType = kFlat, .terrain = kGrass});
  set(1, 2, {.plotType = kFlat, .terrain = kPlains, .bonus = 19});
  set(2, 2, {.plotType = kHills, .terrain = kGrass, .feature = 4});
  set(3, 2, {.plotType = kFlat, .terrain = kGrass, .feature = 1});
  set(4, 2, {.plotType = kFlat, .terrain = kDesert, .feature = 3});
  set(5, 2, {.plotType = kPeak, .terrain = 7});
  set(6, 2, {.plotType = kHills, .terrain = 8});
  set(7, 2, {.plotType = kFlat, .terrain = kPlains, .feature = 5});
  // y 1: Alice's land (a city on the hills) beside Bob's, his coast too.
  for (int32_t x = 0; x < 3; ++x) set(x, 1, {.plotType = kFlat, .terrain = kGrass, .owner = 0});
  set(1, 1, {.plotType = kHills, .terrain = kPlains, .bonus = 4, .owner = 0});
  set(3, 1, {.plotType = kFlat, .terrain = kPlains, .owner = 1});
  set(4, 1, {.plotType = kFlat, .terrain = kGrass, .feature = 4, .owner = 1});
  set(5, 1, {.plotType = kWater, .terrain = kCoast, .owner = 1});
  // y 0: values outside the tables, and an owner byte of nobody.
  set(0, 0, {.plotType = 7, .terrain = kGrass});
  set(1, 0, {.plotType = kFlat, .terrain = 12});
  set(2, 0, {.plotType = kWater, .terrain = 12});
  set(3, 0, {.plotType = kFlat, .terrain = kGrass, .feature = 9, .bonus = 40});
  set(4, 0, {.plotType = kFlat, .terrain = kPlains, .owner = 200});
  a.cities[0] = {MakeCity("Rome", 1, 1, 7, 0), MakeCity("Nowhere", 30, 1, 1, 5)};
  return a;
}

constexpr WorldLayers kAllLayers{.owners = true, .cities = true, .resources = true};
constexpr int32_t kFixtureScale = 8;
constexpr int32_t kPageScale = 16;  // the page's scale for a small map

Raster Draw(const Analysis& a, WorldLayers layers = kAllLayers, int32_t scale = kFixtureScale) {
  return DrawWorld(WorldAsShown(a), layers, scale);
}

// The pixels of a PNG file, or an empty raster.
Raster DecodePng(const std::string& bytes) {
  int width = 0, height = 0, channels = 0;
  stbi_uc* pixels = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()), int(bytes.size()), &width,
                                          &height, &channels, 4);
  if (!pixels) return {};
  Raster r(width, height);
  std::memcpy(r.pixels.data(), pixels, r.pixels.size() * sizeof(Rgba));
  stbi_image_free(pixels);
  return r;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The first pixel where two pictures differ, as "x, y", or "" when they are
// alike.
std::string FirstDifference(const Raster& a, const Raster& b) {
  if (a.width != b.width || a.height != b.height)
    return fmt::format("size {} x {} against {} x {}", a.width, a.height, b.width, b.height);
  for (int32_t y = 0; y < a.height; ++y)
    for (int32_t x = 0; x < a.width; ++x)
      if (!(a.At(x, y) == b.At(x, y))) return fmt::format("pixel {}, {}", x, y);
  return "";
}

Rgba ColorOf(Rgb c) { return {uint8_t(c >> 16), uint8_t(c >> 8 & 0xFF), uint8_t(c & 0xFF), 255}; }

// The top left pixel of plot (x, y) in a picture of the fixture.
Rgba PlotPixel(const Raster& r, int32_t x, int32_t y, int32_t dx = 0, int32_t dy = 0, int32_t height = 4) {
  return r.At(x * kFixtureScale + dx, (height - 1 - y) * kFixtureScale + dy);
}

// The committed picture of the fixture (tests/golden/world-fixture.png),
// pixel for pixel. TOLVANE_UPDATE_GOLDEN=1 (make golden) writes it anew.
TEST(WorldRaster, FixtureMatchesTheCommittedPicture) {
  const Raster picture = Draw(FixtureGame());
  ASSERT_EQ(picture.width, 8 * kFixtureScale);
  ASSERT_EQ(picture.height, 4 * kFixtureScale);
  const std::string path = std::string(TOLVANE_SOURCE_DIR) + "/tests/golden/world-fixture.png";
  if (std::getenv("TOLVANE_UPDATE_GOLDEN")) std::ofstream(path, std::ios::binary) << EncodePng(picture);
  const Raster committed = DecodePng(ReadAll(path));
  ASSERT_FALSE(committed.Empty()) << path;
  EXPECT_EQ(FirstDifference(picture, committed), "")
      << "The picture differs from " << path << "; after an intended change, run `make golden` and look at it.";
}

// What the committed picture shows, checked apart from it: north up, the
// borders in the owner's colour, the city's dot and ring, a value outside
// its table drawn like any other unknown value.
TEST(WorldRaster, NorthUpBordersCitiesAndUnknownValues) {
  const Analysis a = FixtureGame();
  const Raster r = Draw(a);
  // The ocean of (0, 3) lies top left, the unknown plot type of (0, 0)
  // bottom left.
  EXPECT_EQ(r.At(0, 0), PlotPixel(Draw(MapGame(8, 4)), 0, 3));
  Analysis unknown = a;
  unknown.PlotAt(0, 0).plotType = -5;
  EXPECT_EQ(FirstDifference(r, Draw(unknown)), "");
  // Where Alice's land meets Bob's, each draws its own edge; inside her
  // land no border.
  const int edge = std::max(1, (kFixtureScale + 4) / 8);
  EXPECT_EQ(PlotPixel(r, 2, 1, kFixtureScale - 1, 4), ColorOf(kPlayerColors[0]));
  EXPECT_EQ(PlotPixel(r, 3, 1, 0, 4), ColorOf(kPlayerColors[1]));
  EXPECT_NE(PlotPixel(r, 0, 1, kFixtureScale - 1, 4), ColorOf(kPlayerColors[0]));
  EXPECT_NE(PlotPixel(r, 3, 1, edge, 4), ColorOf(kPlayerColors[1]));
  // The city: its owner's colour in the middle, a light ring on red.
  EXPECT_EQ(PlotPixel(r, 1, 1, 4, 4), ColorOf(kPlayerColors[0]));
  EXPECT_EQ(PlotPixel(r, 1, 1, 4, 1), (Rgba{0xF7, 0xF7, 0xF7, 255}));
  // Without the owners, the owned plots show their ground alone.
  Analysis nobody = a;
  for (Plot& p : nobody.plots) p.owner = 255;
  EXPECT_EQ(FirstDifference(Draw(a, {.owners = false, .cities = false, .resources = true}),
                            Draw(nobody, {.owners = false, .cities = false, .resources = true})),
            "");
  EXPECT_NE(FirstDifference(Draw(a), Draw(nobody)), "");
}

// Across the wrapping edge of the map an owner meets its own land: no
// border there; without the wrap, the map's edge is no border either.
TEST(WorldRaster, BordersFollowTheWrap) {
  Analysis a = MapGame(4, 1);
  for (int32_t x : {0, 3}) a.PlotAt(x, 0) = {.plotType = kFlat, .terrain = kGrass, .owner = 0};
  const Rgba red = ColorOf(kPlayerColors[0]);
  a.wrapX = 1;
  Raster r = Draw(a);
  EXPECT_NE(r.At(0, 4), red);                      // west edge of (0, 0): its neighbour is (3, 0)
  EXPECT_EQ(r.At(kFixtureScale - 1, 4), red);      // east edge: the ocean of (1, 0)
  EXPECT_NE(r.At(4 * kFixtureScale - 1, 4), red);  // east edge of (3, 0): (0, 0) again
  a.wrapX = 0;
  r = Draw(a);
  EXPECT_NE(r.At(0, 4), red);
  EXPECT_EQ(r.At(3 * kFixtureScale, 4), red);  // west edge of (3, 0): the ocean of (2, 0)

  // North and south by their own wrap: the bottom plot (0, 0) of a column
  // meets the ocean of the top plot (0, 3) across the bottom edge only when
  // the map wraps north-south, whatever it does east-west.
  Analysis column = MapGame(1, 4);
  column.PlotAt(0, 0) = {.plotType = kFlat, .terrain = kGrass, .owner = 0};
  const int32_t bottom = 4 * kFixtureScale - 1, top = 3 * kFixtureScale;  // the pixel rows of (0, 0)'s edges
  for (const bool wrapY : {true, false}) {
    SCOPED_TRACE(wrapY ? "wraps north-south" : "wraps east-west");
    column.wrapY = wrapY;
    column.wrapX = !wrapY;
    r = Draw(column);
    EXPECT_EQ(r.At(4, top), red);  // the ocean of (0, 1)
    EXPECT_EQ(r.At(4, bottom) == red, wrapY);
  }
}

// Plots and cities of a player the first team has not met show as
// nobody's, with no city, in the picture, the legend and the plot text.
TEST_F(WorldPageTest, RestrictedViewHidesTheOwnersNotMet) {
  Analysis a = FixtureGame();
  a.cities[1] = {MakeCity("Bonn", 4, 1, 3, 20)};
  a.restrictedView = true;
  a.hasMet[0][1] = 0;  // Bob's team
  Show(a);
  Analysis unmet = a;
  unmet.restrictedView = false;
  for (Plot& p : unmet.plots)
    if (p.OwnerSlot() == 1) p.owner = 255;
  unmet.cities[1].clear();
  EXPECT_EQ(FirstDifference(form_.world.picture.Image(), Draw(unmet, {}, kPageScale)), "");
  EXPECT_EQ(form_.world.legend.RowCount(), 2);
  EXPECT_EQ(Row(form_.world.legend, 1), (std::vector<std::string>{" 1", "#FF0000", "Alice", "     3", "     1"}));
  EXPECT_EQ(form_.world.PlotText(4, 1), "x 4, y 1 — Flat, Grassland, Forest, no owner");
  // Once met, Bob shows with his land and city.
  a.hasMet[0][1] = 1;
  Show(a);
  EXPECT_EQ(Row(form_.world.legend, 2), (std::vector<std::string>{" 2", "#0000FF", "Bob", "     3", "     1"}));
  EXPECT_EQ(form_.world.PlotText(4, 1),
            "x 4, y 1 — Flat, Grassland, Forest, owner Bob — city Bonn of Bob, population 3, founded on turn 20 "
            "(3200BC)");
}

TEST_F(WorldPageTest, PlotTextNamesWhatThePlotHolds) {
  Show(FixtureGame());
  struct Case {
    int32_t x, y;
    const char* text;
  };
  for (const Case& c : {
           Case{1, 1,
                "x 1, y 1 — Hills, Plains, Iron, owner Alice — city Rome of Alice, population 7, founded on turn 0 "
                "(4000BC)"},
           {1, 3, "x 1, y 3 — Water, Coast, Fish, no owner"},
           {3, 0, "x 3, y 0 — Flat, Grassland, unknown (9), unknown (40), no owner"},
           {0, 0, "x 0, y 0 — unknown (7), Grassland, no owner"},
           {4, 0, "x 4, y 0 — Flat, Plains, no owner"},  // owner byte 200
           {8, 0, ""},
           {-1, 2, ""},
       })
    EXPECT_EQ(form_.world.PlotText(c.x, c.y), c.text) << c.x << ", " << c.y;
  form_.world.PointAt(5, 1);
  EXPECT_EQ(form_.world.plotText.Text(), "x 5, y 1 — Water, Coast, owner Bob");
  const uint64_t revision = form_.world.plotText.Revision();
  form_.world.PointAt(5, 1);  // the same plot again changes nothing
  EXPECT_EQ(form_.world.plotText.Revision(), revision);
  form_.world.PointAt(-1, -1);
  EXPECT_EQ(form_.world.plotText.Text(), "");
}

// Each check box draws the picture anew without its layer; the picture is
// drawn only when asked for, once per change.
TEST_F(WorldPageTest, CheckBoxesChooseTheLayers) {
  Show(FixtureGame());
  const Picture& picture = form_.world.picture;
  EXPECT_EQ(picture.Image().width, 8 * kPageScale);
  EXPECT_EQ(FirstDifference(picture.Image(), Draw(FixtureGame(), {}, kPageScale)), "");
  form_.world.showResources.Click();
  EXPECT_EQ(FirstDifference(picture.Image(), Draw(FixtureGame(), kAllLayers, kPageScale)), "");
  form_.world.showOwners.Click();
  form_.world.showCities.Click();
  const WorldLayers resourcesOnly{.owners = false, .cities = false, .resources = true};
  EXPECT_EQ(FirstDifference(picture.Image(), Draw(FixtureGame(), resourcesOnly, kPageScale)), "");
}

// A picture is drawn when first asked for after a change, and only then.
TEST(PictureControl, DrawsOnDemandOncePerChange) {
  ControlList list;
  Picture picture(list, {.name = "Picture"});
  EXPECT_TRUE(picture.Image().Empty());
  int drawn = 0;
  picture.SetPainter([&drawn] {
    ++drawn;
    return Raster(2, 1);
  });
  EXPECT_EQ(drawn, 0);
  EXPECT_EQ(picture.Image().width, 2);
  EXPECT_EQ(picture.Image().width, 2);
  EXPECT_EQ(drawn, 1);
  const uint64_t revision = picture.Revision();
  picture.SetPainter([] { return Raster(3, 1); });
  EXPECT_GT(picture.Revision(), revision);
  EXPECT_EQ(picture.Image().width, 3);
}

TEST_F(WorldPageTest, LegendListsThePlayersOnTheMap) {
  Analysis a = FixtureGame();
  a.cities[18] = {MakeCity("Camp", 6, 3, 1, 50)};  // a city but no land
  Show(a);
  const std::vector<std::vector<std::string>> rows(form_.world.legend.Rows().begin() + 1,
                                                   form_.world.legend.Rows().end());
  EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{{" 1", "#FF0000", "Alice", "     3", "     1"},
                                                         {" 2", "#0000FF", "Bob", "     3", "     0"},
                                                         {"19", "#000000", "Barbarians", "     0", "     1"}}));
}

// A timelapse's frame keeps the world apart from its analysis: drawn after
// the analysis is gone, it is the page's picture, under every layer.
TEST_F(WorldPageTest, FrameDrawsThePagesPictureWithoutTheAnalysis) {
  Analysis a = FixtureGame();
  a.gameName = "Gr\xFCne Insel";  // Latin-1
  a.gameTurn = 120;
  Show(a);
  WorldFrame frame;
  {
    const Analysis copy = a;
    frame = WorldFrameOf(copy);
  }
  for (const WorldLayers layers : {WorldLayers{}, WorldLayers{false, false, true}, WorldLayers{true, true, true}}) {
    if (form_.world.showOwners.Checked() != layers.owners) form_.world.showOwners.Click();
    if (form_.world.showCities.Checked() != layers.cities) form_.world.showCities.Click();
    if (form_.world.showResources.Checked() != layers.resources) form_.world.showResources.Click();
    EXPECT_EQ(RasterDigest(DrawWorld(frame.world, layers, form_.world.Scale())),
              RasterDigest(form_.world.picture.Image()));
  }
  for (const WorldCity& c : frame.world.cities) EXPECT_EQ(c.city, nullptr);
  EXPECT_EQ(frame.legend.size(), form_.world.legend.Rows().size() - 1);
  EXPECT_EQ(FrameCaption(frame), "Gr\u00FCne Insel \u2014 turn 120, " + frame.date);
}

class WorldPictureFileTest : public FormTest {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tolvane-world-" + std::to_string(getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const char* name) const { return (dir_ / name).string(); }
  fs::path dir_;
};

// "Save Picture…" writes the page's picture; tolvane-report may ask for
// another scale. No picture for a save that is not available or has no map.
TEST_F(WorldPictureFileTest, SavePictureWritesThePngOfThePage) {
  Show(FixtureGame());
  ASSERT_TRUE(form_.world.SavePicture(Path("world.png")));
  EXPECT_EQ(FirstDifference(DecodePng(ReadAll(Path("world.png"))), form_.world.picture.Image()), "");
  ASSERT_TRUE(form_.world.SavePicture(Path("small.png"), 2));
  const Raster small = DecodePng(ReadAll(Path("small.png")));
  EXPECT_EQ(small.width, 16);
  EXPECT_EQ(small.height, 8);
  EXPECT_THROW(form_.world.SavePicture(Path("big.png"), kMaxWorldScale + 1), SaveError);
  EXPECT_THROW(form_.world.SavePicture(Path("no such folder/world.png")), SaveError);
  EXPECT_TRUE(form_.Messages().empty());

  Analysis locked = FixtureGame();
  locked.slots[0].password = "secret";
  Show(locked);
  EXPECT_FALSE(form_.world.Visible());
  EXPECT_TRUE(form_.world.picture.Image().Empty());
  EXPECT_FALSE(form_.world.SavePicture(Path("locked.png")));
  EXPECT_FALSE(fs::exists(Path("locked.png")));
  ASSERT_EQ(form_.Messages().size(), 1u);
  EXPECT_EQ(form_.Messages().back(),
            "The map is not shown for a save whose first slot has a password: no picture written.");
  Show(MapGame(0, 0));
  EXPECT_FALSE(form_.world.SavePicture(Path("none.png")));
  EXPECT_EQ(form_.Messages().back(), "The save holds no map: no picture written.");
}

// The picture's size: 16 pixels a plot for small maps, about 2,000 pixels
// on the longer side for large ones.
TEST(WorldRaster, DefaultScaleKeepsThePictureNearTwoThousandPixels) {
  struct Case {
    int32_t width, height, scale;
  };
  for (const Case& c : {Case{60, 40, 16}, {124, 68, 16}, {200, 100, 10}, {500, 500, 4}, {0, 0, 16}, {2000, 1, 1}})
    EXPECT_EQ(DefaultWorldScale(c.width, c.height), c.scale) << c.width << " x " << c.height;
}

}  // namespace
}  // namespace tolvane::form::testing
