// The game section at the start of the inflated body. Its first 133 bytes
// (with an empty GameText) have fixed offsets that the analysis reads
// directly: ElapsedTurns 8, StartTurn 12, EndTurn 20, play time 24, the
// maximal and initial score values 64 .. 92, Difficulty 105, VictoryType
// 121, GameState 125, and GameScore at 361.
#include "Sections.h"

namespace tolvane::testing {

void WriteReplayMessage(FieldWriter& w, const ReplayMessageDesc& m) {
  w.Int32(m.turn);
  w.Int32(m.info1);
  w.Int32(m.info2);
  w.Int32(m.info3);
  w.Int32(m.info4);
  w.Text16(m.text, m.textHighByte);
  w.Int32(m.color);
}

void WriteGameSection(FieldWriter& w, const SaveDescription& d) {
  w.JunkInt32(2);
  w.Int32(d.elapsedTurns);
  w.Int32(d.startTurn);
  // 21 values at offsets 16 .. 99.
  w.JunkInt32(1);
  w.Int32(d.endTurn);
  w.Int32(d.playTimeQuarterSeconds);
  w.JunkInt32(9);
  w.Int32s(std::array{d.maxPopScore, d.maxLandScore, d.maxTechScore, d.maxWonderScore});
  w.Int32s(std::array{d.initPop, d.initLand, d.initTech, d.initWonder});
  w.JunkInt32(1);
  w.JunkBool(5);
  // 6 values at offsets 105 .. 128.
  w.Int32(d.difficulty);
  w.JunkInt32(3);
  w.Int32(d.victoryType);
  w.Int32(d.gameState);
  w.Text16(d.gameText);

  w.JunkInt32(3 * kSlots);
  w.Int32(d.gameScore);  // first value of the fourth block of 19
  w.JunkInt32(kSlots - 1);
  w.JunkInt32(3 * kSlots);
  w.JunkInt32(kUnits);
  w.JunkInt32(kUnitClasses);
  w.JunkInt32(kBuildingClasses);
  w.JunkInt32(11);
  w.JunkInt32(25);
  w.JunkInt32(10);
  w.JunkInt32(7);
  w.JunkBool(3);
  w.JunkBool(4);
  w.JunkBool(10);
  w.JunkInt32(7 * 2);
  w.JunkInt32(18 * 10);
  w.Text16List();
  w.Text16List();
  w.IndexBlock();
  for (int32_t n = w.JunkCount(); n > 0; --n) {
    w.JunkInt32(5);
    w.Int32List(3);
    w.Int32List(3);
  }
  w.JunkInt32(2);

  w.Int32(d.replayCountOverride.value_or(static_cast<int32_t>(d.replay.size())));
  for (const ReplayMessageDesc& m : d.replay) WriteReplayMessage(w, m);
  w.JunkInt32(1);
}

}  // namespace tolvane::testing
