#include "rules/GameCodes.h"

#include <array>

namespace tolvane {

namespace {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x008000;
constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kGrey = 0x808080;
constexpr uint32_t kOlive = 0x808000;
constexpr uint32_t kPurple = 0x800080;

constexpr std::array<std::string_view, 3> kSessionWords = {"Session", "\xD1\xE5\xF1\xF1\xE8\xFF",
                                                           "Lancement de la session"};

}  // namespace

namespace {

// The colour codes the replay and the player messages share.
uint32_t TextColor(int32_t colorCode) {
  switch (colorCode) {
    case 34:
      return kGrey;
    case 36:
      return kBlue;
    case 37:
      return kGreen;
    case 38:
      return kRed;
    default:
      return kBlack;
  }
}

}  // namespace

uint32_t ReplayLineColor(std::string_view text, int32_t colorCode) {
  return IsSessionText(text) ? kPurple : TextColor(colorCode);
}

// The player messages know two codes more: 8, a second red, and 33, olive.
uint32_t PlayerLogLineColor(int32_t messageType, int32_t colorCode) {
  if (messageType == kCombatMessage) return kPurple;
  if (messageType == kCityEventMessage) return kGreen;
  if (colorCode == 8) return kRed;
  if (colorCode == 33) return kOlive;
  return TextColor(colorCode);
}

std::span<const std::string_view> SessionWords() { return kSessionWords; }

bool IsSessionText(std::string_view text) {
  for (std::string_view word : kSessionWords)
    if (text.find(word) != std::string_view::npos) return true;
  return false;
}

}  // namespace tolvane
