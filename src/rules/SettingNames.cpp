// Names of the game settings, difficulty levels, victories and slot kinds as
// the pages show them.
#include <array>
#include <cstddef>
#include <span>

#include "rules/GameCodes.h"
#include "rules/Tables.h"

namespace tolvane {

namespace {

constexpr std::string_view kUnknown = "Unknown";

constexpr std::array<std::string_view, kWorldSizes> kWorldSizeNames = {"Duel",     "Tiny",  "Small",
                                                                       "Standart", "Large", "Huge"};
constexpr std::array<std::string_view, 5> kClimateNames = {"Temperate", "Tropical", "Arid", "Rocky", "Cold"};
constexpr std::array<std::string_view, 3> kSeaLevelNames = {"Low", "Medium", "High"};
constexpr std::array<std::string_view, kEras> kStartEraNames = {"Ancient",    "Classical", "Medieval", "Renaissance",
                                                                "Industrial", "Modern",    "Future"};
constexpr std::array<std::string_view, kSpeeds> kGameSpeedNames = {"Marathon", "Epic", "Normal", "Quick"};
constexpr std::array<std::string_view, 9> kLevelNames = {"Settler", "Chieftain", "Warlord",  "Noble", "Prince",
                                                         "Monarch", "Emperor",   "Immortal", "Deity"};
constexpr std::array<std::string_view, 4> kSlotStatusNames = {"Open", "Computer", "Closed", "Human"};
static_assert(kSlotStatusNames[kSlotOpen] == "Open" && kSlotStatusNames[kSlotComputer] == "Computer" &&
              kSlotStatusNames[kSlotClosed] == "Closed" && kSlotStatusNames[kSlotHuman] == "Human");

std::string_view NameOr(std::span<const std::string_view> names, int32_t v, std::string_view fallback) {
  if (v < 0 || v >= static_cast<int32_t>(names.size())) return fallback;
  return names[static_cast<size_t>(v)];
}

}  // namespace

std::string_view WorldSizeName(int32_t v) { return NameOr(kWorldSizeNames, v, kUnknown); }
std::string_view ClimateName(int32_t v) { return NameOr(kClimateNames, v, kUnknown); }
std::string_view SeaLevelName(int32_t v) { return NameOr(kSeaLevelNames, v, kUnknown); }
std::string_view EraName(int32_t v) { return NameOr(kStartEraNames, v, kUnknown); }
std::string_view GameSpeedName(int32_t v) { return NameOr(kGameSpeedNames, v, kUnknown); }
std::string_view LevelString(int32_t level) { return NameOr(kLevelNames, level, kUnknown); }

// A finished game stores a loss as -1; kind 0 names no result of its own.
std::string_view VictoryTypeName(int32_t v) {
  if (v == -1) return kVictoryNames[0];
  if (v >= 1 && v < kVictories) return kVictoryNames[static_cast<size_t>(v)];
  return kUnknown;
}

std::string_view SlotStatusName(int32_t v) { return NameOr(kSlotStatusNames, v, "Closed"); }

std::span<const std::string_view> WorldSizeNames() { return kWorldSizeNames; }
std::span<const std::string_view> ClimateNames() { return kClimateNames; }
std::span<const std::string_view> SeaLevelNames() { return kSeaLevelNames; }
std::span<const std::string_view> StartEraNames() { return kStartEraNames; }
std::span<const std::string_view> GameSpeedNames() { return kGameSpeedNames; }
std::span<const std::string_view> LevelNames() { return kLevelNames; }
std::span<const std::string_view> SlotStatusNames() { return kSlotStatusNames; }

}  // namespace tolvane
