// The uncompressed prefix: save header, settings and the slot table, which
// the host game stores column by column (all 19 values of one field, then
// the next field).
#include <string>

#include "Sections.h"

namespace tolvane::testing {
namespace {

void SlotTexts(FieldWriter& w, const SaveDescription& d, std::string SlotDesc::*field) {
  for (const SlotDesc& s : d.slots) w.Text16(s.*field);
}

void SlotInts(FieldWriter& w, const SaveDescription& d, int32_t SlotDesc::*field) {
  for (const SlotDesc& s : d.slots) w.Int32(s.*field);
}

}  // namespace

void WriteHeader(FieldWriter& w, const SaveDescription& d) {
  w.Int32(d.saveVersion);
  w.Text8(d.modPath);
  w.Text8(d.modChecksum);
  w.Int32(d.flags);
  w.Text8(d.gameBuildVersion);
  w.Text8(d.dllChecksum);
  w.Text8(d.shaderChecksum);
  w.Text8(d.pythonChecksum);
  w.Text8(d.xmlChecksum);
  w.Int32(d.saveFlag);
  w.Int32(d.gameType);
  w.Text16(d.gameName);
  w.Text16(d.gamePassword);
  w.Text16(d.adminPassword);
  w.Text16(d.mapScript);
  w.JunkBool(1);
  w.Int32(d.worldSize);
  w.Int32(d.climate);
  w.Int32(d.seaLevel);
  w.Int32(d.startEra);
  w.Int32(d.gameSpeed);
  w.JunkInt32(1);
  w.Int32(d.calendar);
  w.Int32(d.headerListCount);
  w.JunkInt32(1);
  w.JunkInt32(d.headerListCount);
  w.Int32(static_cast<int32_t>(d.victoryFlags.size()));
  w.Bools(d.victoryFlags);
  w.Bools(d.gameOptions);
  w.JunkBool(5);
  w.JunkBool(1);
  w.JunkInt32(5);

  SlotTexts(w, d, &SlotDesc::leaderName);
  SlotTexts(w, d, &SlotDesc::civDescription);
  SlotTexts(w, d, &SlotDesc::slotText3);
  SlotTexts(w, d, &SlotDesc::civAdjective);
  SlotTexts(w, d, &SlotDesc::password);
  SlotTexts(w, d, &SlotDesc::slotText6);
  SlotTexts(w, d, &SlotDesc::slotText7);
  for (const SlotDesc& s : d.slots) w.Bool(s.slotFlag);
  SlotTexts(w, d, &SlotDesc::slotText9);
  SlotInts(w, d, &SlotDesc::civType);
  SlotInts(w, d, &SlotDesc::leaderType);
  SlotInts(w, d, &SlotDesc::team);
  SlotInts(w, d, &SlotDesc::handicap);
  SlotInts(w, d, &SlotDesc::slotValue14);
  SlotInts(w, d, &SlotDesc::slotValue15);
  SlotInts(w, d, &SlotDesc::slotStatus);
  w.JunkInt32(kSlots);
  w.JunkBool(kSlots);
  w.JunkBool(kSlots);

  // The rest of the prefix is not part of the walked header.
  w.JunkBytes(d.prefixPadding);
  w.Out().Raw(d.prefixExtra);
}

}  // namespace tolvane::testing
