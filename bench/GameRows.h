// The rows of 1,000 saves read: 100 games of 10 saves, each save with a
// replay of a line a turn (up to 300 lines) and a reload in every game, as
// the grouping into games and the Saves page take them.
#pragma once

#include <string>
#include <vector>

#include "form/SaveTable.h"

namespace tolvane::bench {

inline std::vector<form::SaveRow> ThousandRows() {
  std::vector<form::SaveRow> rows;
  for (int game = 0; game < 100; ++game)
    for (int save = 0; save < 10; ++save) {
      form::SaveRow row;
      row.loaded = true;
      row.cells[form::kFileNameColumn] = "game-" + std::to_string(game) + "-save-" + std::to_string(save);
      form::SaveLineage lineage;
      for (size_t i = 0; i < lineage.settings.size(); ++i) lineage.settings[i] = "setting " + std::to_string(i);
      lineage.settings[0] = "Game " + std::to_string(game);
      lineage.gameTurn = 30 * (save + 1);
      lineage.playTime = 60 * lineage.gameTurn;
      lineage.replayShown = true;
      // The sixth save was played on from a reload at turn 140.
      const bool reloaded = save == 5;
      for (int32_t turn = 1; turn <= lineage.gameTurn; ++turn) {
        if (turn % 50 == 1 || (reloaded && turn == 141)) lineage.sessionTurns.push_back(turn);
        form::AppendReplayLine(lineage, turn,
                               (reloaded && turn > 140 ? "Another event of turn " : "An event of turn ") +
                                   std::to_string(turn) + " in game " + std::to_string(game));
      }
      row.lineage = std::move(lineage);
      rows.push_back(std::move(row));
    }
  return rows;
}

}  // namespace tolvane::bench
