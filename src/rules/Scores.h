// The three calculators of the window as pure functions: the game score,
// the Kavrel score and the length of anarchy.
#pragma once

#include <cstdint>
#include <stdexcept>

namespace tolvane {

// A calculation that has no value, such as a negative base raised to a
// fractional power. Its message is shown to the user.
class CalcError : public std::runtime_error {
 public:
  CalcError() : std::runtime_error("Invalid floating point operation") {}
};

// The calculators compute as the game does, in 32-bit registers: a step
// whose value leaves the 32-bit range wraps around. Where `wrapped` is given,
// such a step sets it to true (and leaves it as it is otherwise), so that a
// calculator can refuse to show a wrapped number.

// One part of the game score: factor * value / maximum, truncated; 0 when
// the maximum is 0 or less.
int32_t GameScorePart(int32_t value, int32_t maximum, int32_t factor, bool* wrapped = nullptr);

// One part of the final score against the expected value at the turn.
// Throws CalcError where the power has no value.
int32_t FinalScorePart(int32_t value, int32_t initial, int32_t maximum, int32_t factor, int32_t turn, int32_t limit,
                       double coefficient, bool* wrapped = nullptr);

// One component of the Kavrel score, rounded half to even. Throws CalcError
// where the power has no value.
int32_t KavrelScorePart(int32_t factor, int32_t turn, double current, double maximum, int32_t limit,
                        bool* wrapped = nullptr);

// The difficulty coefficient of a level 0..8; 1.0 outside.
double DiffCoeffOf(int32_t level);

// Anarchy length in turns. The three indexes are the selected items of the
// world size, game speed and starting era lists; -1 for no item.
int32_t AnarchyLength(int32_t civics, int32_t cities, int32_t worldSizeItem, int32_t gameSpeedItem,
                      int32_t startEraItem);

// The three constant attitude terms of leader 1 toward leader 2.
int32_t BaseAttitude(int32_t leaderPersonality);
int32_t HandicapAttitude(int32_t handicap);
int32_t AggressiveAIAttitude(bool aggressiveAIOption, int32_t slotStatus);

}  // namespace tolvane
