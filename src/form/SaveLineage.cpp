#include "form/SaveLineage.h"

#include <fmt/format.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>

#include "form/Blanks.h"
#include "form/Form.h"
#include "form/Latin1.h"
#include "rules/GameCodes.h"

namespace tolvane::form {

namespace {

// FNV-1a over the bytes given, continuing from `hash`.
uint64_t Mixed(uint64_t hash, std::string_view bytes) {
  for (const char c : bytes) hash = (hash ^ uint8_t(c)) * 0x100000001B3ull;
  return hash;
}

uint64_t NextPrefix(uint64_t prefix, int32_t lineTurn, std::string_view text) {
  const uint32_t turn = uint32_t(lineTurn);
  const char turnBytes[4] = {char(turn), char(turn >> 8), char(turn >> 16), char(turn >> 24)};
  uint64_t hash = Mixed(prefix ^ 0xCBF29CE484222325ull, std::string_view(turnBytes, 4));
  hash = Mixed(hash, text);
  // The text's length closes the line, so that no two splits of the same
  // bytes into lines hash alike.
  return Mixed(hash, std::to_string(text.size()));
}

// Where the later save's sessions part from the earlier one's: a session
// the later save lacks, or one it has before the earlier save's turn.
struct SessionBreak {
  bool missingInLater = false;
  int32_t turn = 0;
};

std::optional<SessionBreak> FirstSessionBreak(const SaveLineage& earlier, const SaveLineage& later) {
  const std::vector<int32_t>&e = earlier.sessionTurns, &l = later.sessionTurns;
  for (size_t i = 0; i < std::max(e.size(), l.size()); ++i) {
    const bool hasE = i < e.size(), hasL = i < l.size();
    if (hasE && hasL && e[i] == l[i]) continue;
    if (hasE && (!hasL || e[i] < l[i])) return SessionBreak{true, e[i]};
    // A session of the later save that the earlier lacks: after the earlier
    // save's turn it is the continued game's own.
    if (l[i] < earlier.gameTurn) return SessionBreak{false, l[i]};
    break;
  }
  return std::nullopt;
}

}  // namespace

SaveLineage LineageOf(const Form& form) {
  const Edit* const edits[] = {&form.map.gameName, &form.map.mapScript, &form.map.worldSize,
                               &form.map.mapSize,  &form.map.gameSpeed, &form.map.startTurn,
                               &form.map.startEra, &form.base.leader,   &form.base.civilization};
  const Analysis& a = form.Model();
  SaveLineage lineage;
  for (size_t i = 0; i < std::size(edits); ++i) lineage.settings[i] = Trimmed(edits[i]->Text());
  lineage.settings.back() = std::to_string(a.playerCount);
  for (const int32_t turn : a.sessionTurns)
    if (turn < kNoSessionTurn) lineage.sessionTurns.push_back(turn);
  std::sort(lineage.sessionTurns.begin(), lineage.sessionTurns.end());
  lineage.gameTurn = a.gameTurn;
  lineage.playTime = a.playTime;
  // The messages the Replay page has a line for, in blocks of their exact
  // size: a table holds the lineages of all its saves.
  size_t lines = 0, textBytes = 0;
  for (const ReplayMessage& m : a.replay)
    if (!m.text.empty()) ++lines, textBytes += m.text.size();
  lineage.replayTurns.reserve(lines);
  lineage.replayEnds.reserve(lines);
  lineage.replayText.reserve(textBytes);
  lineage.replayPrefix.reserve(lines + 1);
  for (const ReplayMessage& m : a.replay)
    if (!m.text.empty()) AppendReplayLine(lineage, m.turn, m.text);
  lineage.replayShown = form.replay.ShowsReplay();
  return lineage;
}

void AppendReplayLine(SaveLineage& lineage, int32_t turn, std::string_view text) {
  if (lineage.replayText.size() + text.size() > UINT32_MAX) throw std::length_error("the replay is too long");
  lineage.replayTurns.push_back(turn);
  lineage.replayText += text;
  lineage.replayEnds.push_back(uint32_t(lineage.replayText.size()));
  lineage.replayPrefix.push_back(NextPrefix(lineage.replayPrefix.back(), turn, text));
}

size_t FirstDifferingSetting(const SaveLineage& earlier, const SaveLineage& later) {
  size_t i = 0;
  while (i < earlier.settings.size() && earlier.settings[i] == later.settings[i]) ++i;
  return i;
}

bool SameGame(const SaveLineage& a, const SaveLineage& b) { return a.settings == b.settings; }

std::string DifferentGameEvidence(const SaveLineage& earlier, const SaveLineage& later) {
  const size_t i = FirstDifferingSetting(earlier, later);
  if (i == kSameGameSettings.size()) return {};
  return fmt::format(
      "The saves are of different games: the {} differs, \"{}\" in the earlier save, \"{}\" in "
      "the later one.",
      kSameGameSettings[i], earlier.settings[i], later.settings[i]);
}

std::string ContinuationEvidence(const SaveLineage& earlier, const SaveLineage& later) {
  if (const auto broken = FirstSessionBreak(earlier, later)) {
    if (broken->missingInLater)
      return fmt::format("The later save has no session at turn {}, which the earlier save has.", broken->turn);
    return fmt::format(
        "The later save has a session at turn {}, before the earlier save's turn {}, which the earlier save does "
        "not have.",
        broken->turn, earlier.gameTurn);
  }
  const size_t earlierLines = earlier.ReplayLines(), laterLines = later.ReplayLines();
  for (size_t i = 0; i < earlierLines; ++i) {
    if (i < laterLines && earlier.SameReplayLine(i, later, i)) continue;
    if (!earlier.replayShown || !later.replayShown) return fmt::format("Replay line {} differs.", i + 1);
    const std::string inLater = i < laterLines ? fmt::format("turn {} \"{}\" in the later one", later.replayTurns[i],
                                                             Latin1ToUtf8(later.ReplayLineText(i)))
                                               : std::string("none in the later one");
    return fmt::format("Replay line {} differs: turn {} \"{}\" in the earlier save, {}.", i + 1, earlier.replayTurns[i],
                       Latin1ToUtf8(earlier.ReplayLineText(i)), inLater);
  }
  return {};
}

bool Continues(const SaveLineage& earlier, const SaveLineage& later) {
  if (FirstSessionBreak(earlier, later)) return false;
  const size_t n = earlier.ReplayLines();
  if (later.ReplayLines() < n || later.replayPrefix[n] != earlier.replayPrefix[n]) return false;
  // Equal hashes: the lines themselves decide.
  for (size_t i = 0; i < n; ++i)
    if (!earlier.SameReplayLine(i, later, i)) return false;
  return true;
}

}  // namespace tolvane::form
