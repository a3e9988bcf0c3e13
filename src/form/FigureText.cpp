#include "form/FigureText.h"

#include <fmt/printf.h>

namespace tolvane::form {

std::string TurnText(int32_t turn, int32_t lastTurn) { return fmt::sprintf("%4d/%3d", turn, lastTurn); }

std::string TimeText(int32_t seconds) {
  return fmt::sprintf("%4d:%02.2d:%02.2d", seconds / 3600, seconds / 60 % 60, seconds % 60);
}

}  // namespace tolvane::form
