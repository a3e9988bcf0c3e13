// The game section at the start of the inflated body. Its first 133 bytes
// (with an empty GameText) have fixed offsets that the analysis reads
// directly: ElapsedTurns 8, StartTurn 12, EndTurn 20, play time 24, the
// maximal and initial score values 64 .. 92, Difficulty 105, VictoryType
// 121, GameState 125, and GameScore at 361.
#include "Sections.h"

namespace tolvane::testing {

void WriteReplayMessage(FieldWriter& w, const ReplayMsgDesc& m) {
  w.Int32(m.Turn);
  w.Int32(m.Info1);
  w.Int32(m.Info2);
  w.Int32(m.Info3);
  w.Int32(m.Info4);
  w.Text16(m.Text, m.TextHighByte);
  w.Int32(m.Color);
}

void WriteGameSection(FieldWriter& w, const SaveDescription& d) {
  w.JunkInt32(2);
  w.Int32(d.ElapsedTurns);
  w.Int32(d.StartTurn);
  // 21 values at offsets 16 .. 99.
  w.JunkInt32(1);
  w.Int32(d.EndTurn);
  w.Int32(d.PlayTimeQuarterSeconds);
  w.JunkInt32(9);
  w.Int32s(std::array{d.MaxPopScore, d.MaxLandScore, d.MaxTechScore, d.MaxWonderScore});
  w.Int32s(std::array{d.InitPop, d.InitLand, d.InitTech, d.InitWonder});
  w.JunkInt32(1);
  w.JunkBool(5);
  // 6 values at offsets 105 .. 128.
  w.Int32(d.Difficulty);
  w.JunkInt32(3);
  w.Int32(d.VictoryType);
  w.Int32(d.GameState);
  w.Text16(d.GameText);

  w.JunkInt32(3 * kSlots);
  w.Int32(d.GameScore);  // first value of the fourth block of 19
  w.JunkInt32(kSlots - 1);
  w.JunkInt32(3 * kSlots);
  w.JunkInt32(92);
  w.JunkInt32(68);
  w.JunkInt32(105);
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

  w.Int32(d.ReplayMsgCountOverride.value_or(static_cast<int32_t>(d.ReplayMsgs.size())));
  for (const ReplayMsgDesc& m : d.ReplayMsgs) WriteReplayMessage(w, m);
  w.JunkInt32(1);
}

}  // namespace tolvane::testing
