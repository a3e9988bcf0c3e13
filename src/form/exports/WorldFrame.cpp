#include "form/exports/WorldFrame.h"

#include <fmt/format.h>

#include "form/Latin1.h"
#include "rules/Calendar.h"

namespace tolvane::form {

std::string WorldPlayerName(const Analysis& a, int slot) {
  const std::string& name = a.slots[size_t(slot)].leaderName;
  return name.empty() ? fmt::format("slot {}", slot + 1) : Latin1ToUtf8(name);
}

std::vector<LegendPlayer> WorldLegend(const Analysis& a, const ShownWorld& world) {
  std::vector<LegendPlayer> legend;
  for (int s = 0; s < kSlots; ++s) {
    const int32_t plots = world.plotCount[size_t(s)], cities = world.cityCount[size_t(s)];
    if (plots > 0 || cities > 0) legend.push_back({s, WorldPlayerName(a, s), plots, cities});
  }
  return legend;
}

WorldFrame WorldFrameOf(const Analysis& a) {
  WorldFrame frame;
  frame.world = WorldAsShown(a);
  for (WorldCity& city : frame.world.cities) city.city = nullptr;  // the frame outlives the analysis
  frame.gameName = Latin1ToUtf8(a.gameName);
  frame.turn = a.gameTurn;
  frame.date = DateTextPlain(a.gameDate);
  frame.legend = WorldLegend(a, frame.world);
  return frame;
}

std::string FrameCaption(const WorldFrame& frame) {
  const std::string when = fmt::format("turn {}, {}", frame.turn, frame.date);
  return frame.gameName.empty() ? when : frame.gameName + " — " + when;
}

}  // namespace tolvane::form
