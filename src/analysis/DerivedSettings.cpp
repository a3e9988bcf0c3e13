// The settings derived from values the walk has read: the restricted view,
// the difficulty coefficient and research percents, the speed of old saves
// renumbered, the current turn and its year, and the elapsed turns held
// within what the calendar and the histories know.
#include "analysis/Walk.h"
#include "rules/Calendar.h"
#include "rules/ResearchCost.h"
#include "rules/Scores.h"

namespace tolvane {

void DeriveSettings(Analysis& a) {
  a.restrictedView = !a.adminPassword.empty() && a.gameState <= 0;

  a.diffCoeff = DiffCoeffOf(a.difficulty);
  a.worldCostPercent = WorldCostPercent(a.worldSize);
  // The research cost takes the speed as stored, before any renumbering.
  a.speedCostPercent = SpeedCostPercent(a.storedGameSpeed);
  a.eraCostPercent = EraCostPercent(a.startEra);

  // Saves before version 102 number the speeds from 1.
  a.gameSpeed = a.saveVersion < 102 ? Wrap32(int64_t(a.storedGameSpeed) + 1) : a.storedGameSpeed;
  a.gameTurn = Wrap32(int64_t(a.storedElapsedTurns) + a.startTurn);
  a.gameDate = Turn2Date(a.gameSpeed, a.gameTurn);

  a.elapsedTurns = a.storedElapsedTurns;
  if (a.gameTurn < 0) a.elapsedTurns = 0;
  const int32_t limit = TurnLimit(a.gameSpeed);
  if (limit > 0 && a.gameTurn > limit) a.elapsedTurns = limit;
}

}  // namespace tolvane
