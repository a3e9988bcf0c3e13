// The demo's 60 x 40 world: two continents and an island in a wrapping
// ocean, terrain by latitude, forests, jungles, resources, and the land that
// the cities' culture has claimed.
#include <algorithm>
#include <cmath>

#include "Demo.h"

namespace tolvane::demo {
namespace {

using testing::PlotDesc;

// Plot types and terrains as the save numbers them.
constexpr int16_t kPeak = 0, kHills = 1, kFlat = 2, kWater = 3;
constexpr int16_t kGrass = 0, kPlains = 1, kDesert = 2, kTundra = 3, kSnow = 4, kCoast = 5, kOcean = 6;
constexpr int16_t kIce = 0, kJungle = 1, kOasis = 2, kFloodPlains = 3, kForest = 4;
// Resources (BonusAbbrev rows).
enum Bonus : int16_t {
  kCopper = 2,
  kHorse = 3,
  kIron = 4,
  kMarble = 5,
  kStone = 7,
  kBanana = 9,
  kClam = 10,
  kCorn = 11,
  kCow = 12,
  kCrab = 13,
  kDeer = 14,
  kFish = 15,
  kPig = 16,
  kRice = 17,
  kSheep = 18,
  kWheat = 19,
  kDye = 20,
  kFur = 21,
  kGems = 22,
  kGold = 23,
  kIncense = 24,
  kIvory = 25,
  kSilk = 26,
  kSilver = 27,
  kSpices = 28,
  kSugar = 29,
  kWine = 30,
  kWhale = 31,
};

// A round lump of land; the continents are unions of lumps with noisy coasts.
struct Lump {
  double x, y, radius;
};
constexpr Lump kLumps[] = {
    // The western continent (y grows northward): Romans in the south, Germans in the middle, Greeks in the
    // north-west.
    {11, 11, 6.5},
    {6, 16, 4.5},
    {16, 18, 6.0},
    {19, 25, 6.0},
    {9, 29, 5.5},
    {14, 32, 4.5},
    // The eastern continent: Celts and Mongols in the south, Egyptians and Incas in the north.
    {37, 10, 6.0},
    {44, 12, 5.0},
    {51, 12, 6.0},
    {45, 20, 5.0},
    {38, 27, 6.0},
    {51, 28, 6.0},
    {56, 20, 3.5},
    // A barbarian island between them.
    {28, 19, 3.0},
};

// Smooth noise in -1..1 from a lattice of random values, for coasts,
// hills and forests that come in patches rather than single plots.
class ValueNoise {
 public:
  ValueNoise(Rng& rng, int spacing) : spacing_(spacing) {
    cols_ = kMapWidth / spacing + 2;
    rows_ = kMapHeight / spacing + 2;
    values_.resize(size_t(cols_ * rows_));
    for (double& v : values_) v = rng.Spread(1.0);
  }
  double At(int x, int y) const {
    const double fx = double(x) / spacing_, fy = double(y) / spacing_;
    const int x0 = int(fx), y0 = int(fy);
    const double tx = Smooth(fx - x0), ty = Smooth(fy - y0);
    const double top = Mix(Value(x0, y0), Value(x0 + 1, y0), tx);
    const double bottom = Mix(Value(x0, y0 + 1), Value(x0 + 1, y0 + 1), tx);
    return Mix(top, bottom, ty);
  }

 private:
  static double Smooth(double t) { return t * t * (3 - 2 * t); }
  static double Mix(double a, double b, double t) { return a + (b - a) * t; }
  double Value(int cx, int cy) const { return values_[size_t(cy * cols_ + cx)]; }

  int spacing_, cols_, rows_;
  std::vector<double> values_;
};

bool IsLand(const PlotDesc& p) { return p.plotType != kWater; }

int16_t LandBonus(const PlotDesc& p, double latitude, Rng& rng) {
  if (!rng.Chance(0.11)) return -1;
  auto pick = [&rng](std::initializer_list<Bonus> choices) {
    return int16_t(*(choices.begin() + rng.Range(0, int(choices.size()) - 1)));
  };
  if (p.plotType == kPeak) return -1;
  if (p.plotType == kHills) return pick({kCopper, kIron, kGold, kSilver, kMarble, kStone, kSheep, kWine});
  if (p.feature == kJungle) return pick({kBanana, kGems, kSpices, kSugar});
  if (p.feature == kForest) return latitude > 0.65 ? pick({kDeer, kFur}) : pick({kDeer, kSilk, kDye});
  switch (p.terrain) {
    case kGrass:
      return pick({kCorn, kRice, kPig, kCow, kHorse, kDye, kSugar});
    case kPlains:
      return pick({kWheat, kCow, kHorse, kIvory, kStone, kCorn});
    case kDesert:
      return pick({kIncense, kGold, kStone, kCopper});
    case kTundra:
      return pick({kDeer, kFur, kIron});
    default:
      return -1;
  }
}

}  // namespace

void BuildMap(Story& s, Rng& rng) {
  SaveDescription& d = s.save;
  d.mapWidth = kMapWidth;
  d.mapHeight = kMapHeight;
  d.wrapX = 1;
  d.wrapY = 0;
  d.latitude1 = -90;
  d.latitude2 = 90;
  const ValueNoise coast(rng, 4), relief(rng, 3), woods(rng, 3), dryness(rng, 6);

  d.plots.assign(size_t(kMapWidth * kMapHeight), PlotDesc{});
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      PlotDesc& p = d.plots[size_t(y * kMapWidth + x)];
      p.x = int16_t(x);
      p.y = int16_t(y);
      p.owner = 255;
      double nearest = 1e9;
      for (const Lump& l : kLumps) nearest = std::min(nearest, std::hypot(x - l.x, y - l.y) / l.radius);
      const bool polar = y < 2 || y >= kMapHeight - 2;
      p.plotType = !polar && nearest + 0.35 * coast.At(x, y) < 1.0 ? kFlat : kWater;
    }
  }

  for (PlotDesc& p : d.plots) {
    const double latitude = std::abs(p.y - (kMapHeight - 1) / 2.0) / ((kMapHeight - 1) / 2.0);  // 0 equator, 1 pole
    if (!IsLand(p)) continue;
    const double r = relief.At(p.x, p.y) + rng.Spread(0.35);
    p.plotType = r > 0.78 ? kPeak : r > 0.38 ? kHills : kFlat;
    const double dry = dryness.At(p.x, p.y) + rng.Spread(0.2);
    if (latitude > 0.88) {
      p.terrain = rng.Chance(0.6) ? kSnow : kTundra;
    } else if (latitude > 0.72) {
      p.terrain = rng.Chance(0.65) ? kTundra : kPlains;
    } else if (latitude < 0.45 && dry > 0.6) {
      p.terrain = kDesert;
    } else {
      p.terrain = dry > 0.05 ? kPlains : kGrass;
    }
    if (p.plotType == kPeak) continue;
    const double w = woods.At(p.x, p.y) + rng.Spread(0.3);
    if (p.terrain == kDesert) {
      if (p.plotType == kFlat && rng.Chance(0.22))
        p.feature = kFloodPlains;
      else if (p.plotType == kFlat && rng.Chance(0.05))
        p.feature = kOasis;
    } else if (p.terrain == kGrass && latitude < 0.3 && w > 0.25) {
      p.feature = kJungle;
    } else if (p.terrain != kSnow && w > 0.3) {
      p.feature = kForest;
    }
    p.bonus = LandBonus(p, latitude, rng);
  }

  // Water next to land is coast, the rest ocean; ice near the poles.
  for (PlotDesc& p : d.plots) {
    if (IsLand(p)) continue;
    bool shore = false;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const int nx = (p.x + dx + kMapWidth) % kMapWidth, ny = p.y + dy;
        if (ny >= 0 && ny < kMapHeight && IsLand(d.plots[size_t(ny * kMapWidth + nx)])) shore = true;
      }
    }
    const double latitude = std::abs(p.y - (kMapHeight - 1) / 2.0) / ((kMapHeight - 1) / 2.0);
    p.terrain = shore ? kCoast : kOcean;
    if (latitude > 0.9 && rng.Chance(0.7)) p.feature = kIce;
    if (p.feature == kIce) continue;
    if (shore && rng.Chance(0.09)) p.bonus = std::array<int16_t, 3>{kFish, kClam, kCrab}[size_t(rng.Range(0, 2))];
    if (!shore && rng.Chance(0.015)) p.bonus = kWhale;
  }
}

// Culture spreads a city's borders: the radius grows with its culture level.
void MarkOwnership(Story& s) {
  SaveDescription& d = s.save;
  auto reach = [](int32_t points) {  // squared radius of the borders at the Normal speed's culture levels
    if (points < 10) return 2;
    if (points < 100) return 5;
    if (points < 500) return 8;
    if (points < 5000) return 10;
    return 17;
  };
  for (PlotDesc& p : d.plots) {
    int best = -1;
    double bestPull = -1e9;
    for (size_t c = 0; c < s.cities.size(); ++c) {
      const DemoCity& city = s.cities[c];
      const int dx = p.x - city.x, dy = p.y - city.y;
      const int dist2 = dx * dx + dy * dy;
      if (dist2 > reach(city.culturePoints)) continue;
      const double pull = std::log10(1.0 + city.culturePoints) - 0.6 * dist2;
      if (pull > bestPull) {
        bestPull = pull;
        best = int(c);
      }
    }
    p.owner = best < 0 ? 255 : uint8_t(s.cities[size_t(best)].owner);
  }
  testing::CountPlots(d);
}

}  // namespace tolvane::demo
