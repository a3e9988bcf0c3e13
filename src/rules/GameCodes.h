// Codes the host game writes into its saves: the kinds of player slots, the
// game options, the kinds and colours of messages, and the words that mark
// the start of a play session in the replay.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tolvane {

// Kinds of player slots (the slot table's status column); SlotStatusName
// gives their names.
inline constexpr int32_t kSlotOpen = 0;
inline constexpr int32_t kSlotComputer = 1;
inline constexpr int32_t kSlotClosed = 2;
inline constexpr int32_t kSlotHuman = 3;

// The game options, as indexes of the save's option flags and of
// kGameOptionNames.
enum GameOption : int {
  kOptionNoCityRazing,
  kOptionNoCityFlipping,
  kOptionFlippingAfterConquest,
  kOptionNoBarbarians,
  kOptionRagingBarbarians,
  kOptionAggressiveAI,
  kOptionRandomPersonalities,
  kOptionNoTechTrading,
  kOptionPermanentAlliances,
  kOptionAlwaysWar,
  kOptionAlwaysPeace,
  kOptionOneCityChallenge,
  kOptionNoChangingWarPeace,
  kOptionNewRandomSeed,
  kOptionLockMods,
  kOptionCompleteKills,
  kOptionNoVassalStates,
  kOptionNoGoodyHuts,
};

// Kinds of a player's messages that the player log can leave out.
inline constexpr int32_t kCityEventMessage = 3;
inline constexpr int32_t kCombatMessage = 5;

// The colour (0xRRGGBB) of a replay line: purple for a session start, else
// that of the message's colour code (grey, blue, green, red; black for the
// other codes).
uint32_t ReplayLineColor(std::string_view text, int32_t colorCode);

// The colour (0xRRGGBB) of a player's log line: purple for a combat, green
// for a city event, else that of the message's colour code (red, olive,
// grey, blue, green; black for the other codes).
uint32_t PlayerLogLineColor(int32_t messageType, int32_t colorCode);

// The words with which the replay marks the start of a play session: the
// game's English, Russian (Windows-1251) and French texts.
std::span<const std::string_view> SessionWords();

// Whether a text holds one of the session words (case-sensitive, anywhere).
bool IsSessionText(std::string_view text);

// The filler turn that marks no session: a session turn of this or more
// counts as none.
inline constexpr int32_t kNoSessionTurn = 9999;

}  // namespace tolvane
