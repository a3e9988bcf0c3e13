// The six per-turn histories of every living player: score, economy,
// industry, agriculture, power and culture for turns 0..179. Each grows from
// the first city to today's value with some noise; wars raise the power of
// both sides and cost the losers gold, and culture is exactly what the
// cities' buildings yielded turn by turn.
#include <algorithm>
#include <cmath>

#include "Demo.h"

namespace tolvane::demo {
namespace {

enum History { kScore, kEconomy, kIndustry, kAgriculture, kPower, kCulture };

// How a civilization leans: commerce, production and military against its size.
struct Leaning {
  double economy, industry, power;
};
constexpr Leaning kLeanings[kPlayers + 1] = {
    {1.25, 1.05, 1.0},  // Romans
    {0.9, 1.15, 0.9},   // Germans
    {0.8, 0.95, 1.05},  // Celts
    {1.05, 1.0, 0.85},  // Egyptians
    {0.7, 1.3, 1.6},    // Mongols
    {1.3, 0.9, 0.7},    // Greeks
    {0.6, 0.8, 0.6},    // Incas
    {0.0, 0.6, 1.0},    // barbarians
};

// A smooth rise from `from` on `start` to `to` on the last turn.
double Rise(double from, double to, int32_t turn, int32_t start, double shape) {
  if (turn < start) return 0;
  const double x = double(turn - start) / double(kCurrentTurn - 1 - start);
  return from + (to - from) * std::pow(x, shape);
}

// 0 before `from`, 1 after `to`, linear between.
double Ramp(int32_t turn, int32_t from, int32_t to) {
  if (turn <= from) return 0;
  if (turn >= to) return 1;
  return double(turn - from) / double(to - from);
}

// Noise that drifts rather than jumps from turn to turn.
class Drift {
 public:
  Drift(Rng& rng, double amplitude) : rng_(rng), amplitude_(amplitude) {}
  double Next() {
    value_ = 0.65 * value_ + 0.35 * rng_.Spread(1.0);
    return 1.0 + amplitude_ * value_ * 2.2;
  }

 private:
  Rng& rng_;
  double amplitude_;
  double value_ = 0;
};

// Power grows ahead of a war and during it; a losing side loses some of it.
double WarPower(const Story& s, int team, int32_t turn) {
  double m = 1.0;
  for (const War& w : s.wars) {
    const bool attacker = w.attacker == team, defender = w.defender == team;
    if (!attacker && !defender) continue;
    const int32_t end = w.end < 0 ? kCurrentTurn + 20 : w.end;
    m += 0.35 * Ramp(turn, w.start - 14, w.start + 2) - 0.2 * Ramp(turn, end, end + 15);
    if (defender) m -= 0.25 * Ramp(turn, w.start + 4, std::min(end, w.start + 20));
  }
  return m;
}

// Turns on which a player ran a deficit: (slot, first turn, last turn, depth).
struct Deficit {
  int slot;
  int32_t from, to;
  int32_t depth;
};
constexpr Deficit kDeficits[] = {{2, 100, 106, 12}, {6, 71, 77, 7}, {0, 143, 146, 5}, {3, 147, 149, 3}};

}  // namespace

void DrawHistories(Story& s, Rng& rng) {
  for (int slot = 0; slot < kSlots; ++slot) {
    if (slot >= kPlayers && slot != kBarbarianSlot) continue;
    const CivSeed& civ = CivOfSlot(slot);
    testing::PlayerDesc& p = s.save.players[size_t(slot)];
    const Leaning& lean = kLeanings[slot == kBarbarianSlot ? kPlayers : slot];
    int32_t start = kCurrentTurn;
    for (const DemoCity& c : s.cities) {
      if (c.foundedBy == slot || c.owner == slot) start = std::min(start, c.founded);
    }
    const double people = p.playerPopulation;
    const double finals[] = {
        double(s.score[size_t(slot)]),
        people * 1.3 * lean.economy,
        people * 1.2 * lean.industry,
        people * 1.7 + 4,
        p.unitCount * 42.0 * lean.power / std::max(0.5, WarPower(s, civ.team, kCurrentTurn - 1)),
    };
    const double shapes[] = {1.5, 1.3, 1.35, 1.1, 1.55};
    Drift scoreNoise(rng, 0.012), economyNoise(rng, 0.05), industryNoise(rng, 0.03), farmNoise(rng, 0.02),
        powerNoise(rng, 0.025);
    Drift* noise[] = {&scoreNoise, &economyNoise, &industryNoise, &farmNoise, &powerNoise};
    for (auto& h : p.histories) h.clear();
    for (int32_t turn = 0; turn < kCurrentTurn; ++turn) {
      for (int h = kScore; h <= kPower; ++h) {
        const double from = h == kScore ? (slot == kBarbarianSlot ? 0 : 9) : h == kPower ? 12 : 2;
        double v = Rise(from, finals[h], turn, start, shapes[h]) * noise[h]->Next();
        if (h == kPower) v *= WarPower(s, civ.team, turn);
        if (h == kEconomy) {
          for (const Deficit& d : kDeficits) {
            if (d.slot == slot && turn >= d.from && turn <= d.to) v = -d.depth + rng.Range(0, d.depth / 2);
          }
        }
        if (turn == kCurrentTurn - 1 && h == kScore) v = finals[h];  // today's score as the pages recombine it
        p.histories[size_t(h)].push_back({turn, int32_t(std::lround(v))});
      }
      // Culture: what the buildings of the cities the player held yielded that turn.
      int32_t culture = 0;
      for (const DemoCity& c : s.cities) {
        const bool held = c.capturedTurn >= 0 && turn >= c.capturedTurn ? c.owner == slot : c.foundedBy == slot;
        if (!held || turn < c.founded) continue;
        for (const Building& b : c.built) {
          if (b.turn <= turn) culture += CultureRate(b.row);
        }
      }
      p.histories[kCulture].push_back({turn, culture});
    }
  }
}

}  // namespace tolvane::demo
