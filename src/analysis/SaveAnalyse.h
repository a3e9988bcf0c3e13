// The analysis pass: one walk over a decompressed save that yields the model.
#pragma once

#include "analysis/Model.h"
#include "save/SaveFile.h"

namespace tolvane {

// The game score's factors. They belong to the window's calculator and
// persist across loads; the pass uses them for every slot's score.
struct ScoreFactors {
  int32_t popCoeff = 5000;
  int32_t landCoeff = 2000;
  int32_t techCoeff = 2000;
  int32_t wonderCoeff = 1000;
  bool operator==(const ScoreFactors&) const = default;
};

// Where the scan for session messages runs: on a second thread beside the
// walk, for a single save read while a user waits; or on the caller's
// thread after the walk, for a reader of many saves whose threads already
// keep every core busy.
enum class SessionScanThread { Beside, Same };

// Walks the whole save and derives the statistics. Throws SaveError when
// the save ends before the walk does (the message names what was being read).
// A score with no value (CalcError) cannot arise here: the per-slot game
// score has no power.
Analysis SaveAnalyse(const SaveImage& save, const ScoreFactors& factors,
                     SessionScanThread scanThread = SessionScanThread::Beside);

// The game score of a slot from its counted values; 0 when it is dead.
int32_t PlayerGameScore(const Analysis& a, int slot, const ScoreFactors& f);

}  // namespace tolvane
