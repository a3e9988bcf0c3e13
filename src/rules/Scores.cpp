#include "rules/Scores.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "rules/Int32Math.h"

namespace tolvane {

namespace {

// The turn limit of a game that states none.
constexpr int32_t kDefaultTurnLimit = 1200;

// base to the power exp. A negative base has a power only for a whole
// exponent; a zero base with a negative exponent gives +infinity.
double Power(double base, double exp) {
  if (exp == 0.0) return 1.0;
  if (base < 0.0 && std::trunc(exp) != exp) throw CalcError();
  return std::pow(base, exp);
}

// Scores go to 32-bit fields through a 64-bit integer, keeping its low 32
// bits; a value beyond the 64-bit range (or none at all) is an error.
int32_t ToInt32(double whole, bool* wrapped) {
  if (!(whole >= -0x1p63 && whole < 0x1p63)) throw CalcError();
  const auto value = static_cast<int64_t>(whole);
  if (wrapped && !Fits32(value)) *wrapped = true;
  return Wrap32(value);
}

int32_t Truncate(double r, bool* wrapped) { return ToInt32(std::trunc(r), wrapped); }

// Halves go to the even neighbour, whatever the floating-point environment.
int32_t RoundHalfEven(double r, bool* wrapped) {
  double whole = std::floor(r);
  const double frac = r - whole;
  if (frac > 0.5 || (frac == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return ToInt32(whole, wrapped);
}

int32_t TurnLimitOrDefault(int32_t limit) { return limit <= 0 ? kDefaultTurnLimit : limit; }

constexpr std::array<double, 9> kDiffCoeffs = {0.4, 0.6, 0.8, 1.0, 1.2, 1.4, 1.6, 1.8, 2.0};

}  // namespace

int32_t GameScorePart(int32_t value, int32_t maximum, int32_t factor, bool* wrapped) {
  double r = 0.0;
  if (maximum > 0) r = static_cast<double>(value) / maximum;
  r = factor * r;
  return Truncate(r, wrapped);
}

// The expected value grows from `initial` at turn 0 to initial times the
// whole ratio maximum / initial at the turn limit; without an initial value
// it is a straight line from 0 to the maximum.
int32_t FinalScorePart(int32_t value, int32_t initial, int32_t maximum, int32_t factor, int32_t turn, int32_t limit,
                       double coefficient, bool* wrapped) {
  limit = TurnLimitOrDefault(limit);
  const double q = static_cast<double>(turn) / limit;
  double e;
  if (initial > 0) {
    const double ratio = std::trunc(static_cast<double>(maximum) / initial);
    e = initial * Power(ratio, q);
  } else {
    e = q * maximum;
  }
  double r = 0.0;
  if (e > 0.0) {
    const int64_t product = int64_t{factor} * value;
    if (wrapped && !Fits32(product)) *wrapped = true;
    r = Wrap32(product) / e;
  }
  r = r * coefficient;
  return Truncate(r, wrapped);
}

// The expected value grows from 1 at turn 0 to the maximum at the turn limit.
int32_t KavrelScorePart(int32_t factor, int32_t turn, double current, double maximum, int32_t limit, bool* wrapped) {
  limit = TurnLimitOrDefault(limit);
  const double d = Power(maximum, static_cast<double>(turn) / limit);
  const double r = d > 0.0 ? factor * current / d : -1.0;
  return RoundHalfEven(r, wrapped);
}

double DiffCoeffOf(int32_t level) {
  if (level < 0 || level >= static_cast<int32_t>(kDiffCoeffs.size())) return 1.0;
  return kDiffCoeffs[static_cast<size_t>(level)];
}

}  // namespace tolvane
