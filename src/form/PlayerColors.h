// The colour of each slot's player wherever the window tells the players
// apart: its line on the Graph page, its land and its cities on the World
// page. A player has one colour everywhere.
#pragma once

#include <array>

#include "form/Controls.h"
#include "rules/Limits.h"

namespace tolvane::form {

inline constexpr std::array<Rgb, kSlots> kPlayerColors = {
    0xFF0000, 0x0000FF, 0x00FF00, 0xFFFF00, 0xFF8000, 0x00FFFF, 0x8000FF, 0x808000, 0xFFFFFF, 0xFF00FF,
    0x004000, 0x80FF80, 0xFFFF80, 0x808040, 0x400040, 0x80FFFF, 0x004040, 0xFF8040, 0x000000};

}  // namespace tolvane::form
