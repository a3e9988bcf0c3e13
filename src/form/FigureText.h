// The texts of the figures that several pages show, padded as the pages show
// them: one formatter for each, so that a page and whatever repeats its
// figure (the table of many saves, the comparison) say the same.
#pragma once

#include <cstdint>
#include <string>

namespace tolvane::form {

// "%4d/%3d": the current turn and the last turn, " 180/460".
std::string TurnText(int32_t turn, int32_t lastTurn);

// "%4d:%02d:%02d": a time in seconds as hours, minutes and seconds,
// "   9:41:17"; the hours may have any number of digits.
std::string TimeText(int32_t seconds);

}  // namespace tolvane::form
