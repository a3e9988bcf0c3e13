// The host game's calendar: turn numbers to years, and the date texts.
#pragma once

#include <cstdint>
#include <string>

namespace tolvane {

// Turn limit of a game speed 0..3 (1200, 660, 460, 320); 0 for other speeds.
int32_t TurnLimit(int32_t speed);

// The year of a turn at a game speed; negative years are BC. A speed outside
// 0..3 gives -9999. Pure: it changes nothing.
int32_t Turn2Date(int32_t speed, int32_t turn, bool* wrapped = nullptr);

// "%5dBC" of the absolute year, "   1AD" for year 0, "%5dAD".
std::string DateTextPadded(int32_t year);
// "%dBC", "1AD", "%dAD".
std::string DateTextPlain(int32_t year);

}  // namespace tolvane
