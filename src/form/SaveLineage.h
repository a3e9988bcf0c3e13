// What decides a save's place in its game, taken once from a form that
// loaded it: the settings that stay the same throughout a game, the turns
// its sessions began, its turn and playing time, and its replay. The
// comparison of two saves and the grouping of many into games judge by the
// functions below alone, so that they cannot disagree.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::form {

class Form;

// The settings that make two saves saves of the same game, in the order
// the comparison names them.
inline constexpr std::array<std::string_view, 10> kSameGameSettings = {
    "Game Name", "Map Script", "World Size", "Map Size",     "Game Speed",
    "Starting",  "Era",        "Leader",     "Civilization", "Players"};

struct SaveLineage {
  // The settings' values as the Map and Base pages show them (without
  // their padding) and the number of players.
  std::array<std::string, kSameGameSettings.size()> settings;
  // The turns its sessions began, as the Reloads page lists them, ascending.
  std::vector<int32_t> sessionTurns;
  int32_t gameTurn = 0;
  int32_t playTime = 0;  // seconds
  // The lines of the Replay page: line i's turn, and where its text
  // (Latin-1) ends in one block of all the texts. A table keeps the lineage
  // of every save it lists, and a long game's replay has thousands of
  // lines: one block takes a third of the memory of a text per line.
  std::vector<int32_t> replayTurns;
  std::vector<uint32_t> replayEnds;
  std::string replayText;
  // A hash of each prefix of the replay: replayPrefix[n] stands for the
  // first n lines (so it holds one more entry than there are lines).
  std::vector<uint64_t> replayPrefix = {0};
  // Whether the Replay page shows the replay (the restricted view hides it,
  // and the evidence then names no line's text).
  bool replayShown = false;
  bool operator==(const SaveLineage&) const = default;

  size_t ReplayLines() const { return replayTurns.size(); }
  std::string_view ReplayLineText(size_t i) const {
    const size_t start = i == 0 ? 0 : replayEnds[i - 1];
    return std::string_view(replayText).substr(start, replayEnds[i] - start);
  }
  // Whether line i of this replay and line j of the other are alike.
  bool SameReplayLine(size_t i, const SaveLineage& other, size_t j) const {
    return replayTurns[i] == other.replayTurns[j] && ReplayLineText(i) == other.ReplayLineText(j);
  }
};

// The lineage of the save a form shows.
SaveLineage LineageOf(const Form& form);
// Adds a replay line after the others, with its prefix hash.
void AppendReplayLine(SaveLineage& lineage, int32_t turn, std::string_view text);

// Whether two saves are of the same game.
bool SameGame(const SaveLineage& a, const SaveLineage& b);
// The first setting in which two saves differ; kSameGameSettings.size()
// when there is none.
size_t FirstDifferingSetting(const SaveLineage& earlier, const SaveLineage& later);
// The evidence that two saves are of different games, or "" when they are
// of the same game.
std::string DifferentGameEvidence(const SaveLineage& earlier, const SaveLineage& later);

// The first evidence that `later` does not continue `earlier` (two saves of
// one game, `earlier` at the lower turn), or "" when it does.
std::string ContinuationEvidence(const SaveLineage& earlier, const SaveLineage& later);
// Whether `later` continues `earlier`: the same verdict as an empty
// ContinuationEvidence, reached without writing any text and, for the
// replay, by its prefix hashes before its lines.
bool Continues(const SaveLineage& earlier, const SaveLineage& later);

}  // namespace tolvane::form
