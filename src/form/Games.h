// The saves of a folder grouped into games and chained: the saves of one
// game (the same settings throughout, see SaveLineage.h) in turn order, and
// for each save whether it continues the one before it, and which earlier
// save it does continue, so that a save played on from a reload shows as a
// branch of its game. Works on the rows of the table alone, whatever their
// number, without loading a save again.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "form/SaveTable.h"

namespace tolvane::form {

// A save in its game.
struct ChainedSave {
  size_t row = 0;  // its index among the rows grouped
  // Whether it continues the save before it; none for the game's first.
  std::optional<bool> continuesPrevious;
  // The first evidence that it does not continue the save before it, or "".
  std::string evidence;
  // The latest earlier save of its game that it continues (its row); none
  // when it continues none.
  std::optional<size_t> continues;
};

struct Game {
  int number = 0;                  // 1, 2, ... in the order of each game's first file name
  std::vector<ChainedSave> saves;  // in turn order (ties: playing time, then file name)
  // Every save continues the one before it.
  bool Continuous() const;
  // The first save that does not continue the one before it; null when the
  // game is continuous.
  const ChainedSave* FirstBrokenLink() const;
};

// Groups the rows' saves into games, in the order of their numbers. Rows
// of saves that could not be loaded belong to no game.
std::vector<Game> GroupGames(const std::vector<SaveRow>& rows);

// Writes the game columns of each row of a game (its number, whether it
// continues the save before it, the file name of the save it continues,
// the evidence that it does not continue the save before it).
void FillGameColumns(std::vector<SaveRow>& rows, const std::vector<Game>& games);

// The line of the grouped view for a game: its name, first player, saves,
// turn span, and "continuous" or its first broken link.
std::string GameLine(const Game& game, const std::vector<SaveRow>& rows);

}  // namespace tolvane::form
