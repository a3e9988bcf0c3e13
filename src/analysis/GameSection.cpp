// The game section: the game-wide state at the start of the body, with the
// start turn and the replay.
#include <algorithm>

#include "analysis/Walk.h"
#include "rules/Calendar.h"
#include "rules/TextKeys.h"

namespace tolvane {

namespace {

// The current turn, the renumbered speed of old saves and the date; the
// elapsed turns are held within what the calendar and the histories know.
void deriveTurnAndDate(Analysis& a) {
  a.GameTurn = Wrap32(int64_t(a.ElapsedTurns) + a.StartTurn);
  if (a.SaveVersion < 102) a.GameSpeed = Wrap32(int64_t(a.GameSpeed) + 1);
  a.GameDate = Turn2Date(a.GameSpeed, a.GameTurn);
  if (a.GameTurn < 0) a.ElapsedTurns = 0;
  const int32_t limit = TurnLimit(a.GameSpeed);
  if (limit > 0 && a.GameTurn > limit) a.ElapsedTurns = limit;
}

void readReplay(SaveReader& r, Analysis& a) {
  r.section("replay");
  const int32_t count = r.readCount();
  // A replay message takes at least 28 bytes; a count beyond what the save
  // holds is not reserved for.
  a.ReplayMsgs.reserve(size_t(std::clamp<int64_t>(count, 0, std::min<int64_t>(kMaxReplayMsgs, r.remaining() / 28))));
  TReplayMsgRec m;
  for (int32_t i = 0; i < count; ++i) {
    m.Turn = r.readInt32();
    m.Info1 = r.readInt32();
    m.Info2 = r.readInt32();
    m.Info3 = r.readInt32();
    m.Info4 = r.readInt32();
    m.Text = r.readUStr();
    CutMacrosInPlace(m.Text);
    m.Color = r.readInt32();
    if (i < kMaxReplayMsgs) a.ReplayMsgs.push_back(m);
  }
}

}  // namespace

void ReadGameSection(SaveReader& r, Analysis& a) {
  r.section("game settings");
  r.skipInt32(3);  // the third is ElapsedTurns, taken from its offset
  a.StartTurn = r.readInt32();
  r.skipInt32(21);
  r.skipBool(5);
  r.skipInt32(6);
  r.skipUStr();
  deriveTurnAndDate(a);
  r.skipInt32(7 * kSlots);  // rows 8 to 14: seven values per slot
  r.skipInt32(92);
  r.skipInt32(68);
  r.skipInt32(105);
  r.skipInt32(11);
  r.skipInt32(25);
  r.skipInt32(10);
  r.skipInt32(7);
  r.skipBool(3);
  r.skipBool(4);
  r.skipBool(10);
  r.skipInt32(7 * 2);
  r.skipInt32(18 * 10);
  SkipUStrList(r);
  SkipUStrList(r);
  SkipIndexBlock(r);
  for (int32_t i = 0, n = r.readCount(); i < n; ++i) {
    r.skipInt32(5);
    SkipInt32List(r, 3);
    SkipInt32List(r, 3);
  }
  r.skipInt32(2);
  readReplay(r, a);
  r.skipInt32();
}

}  // namespace tolvane
