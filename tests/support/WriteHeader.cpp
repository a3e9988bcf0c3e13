// The uncompressed prefix: save header, settings and the slot table, which
// the host game stores column by column (all 19 values of one field, then
// the next field).
#include <string>

#include "Sections.h"

namespace tolvane::testing {
namespace {

void SlotTexts(FieldWriter& w, const SaveDescription& d, std::string SlotDesc::*field) {
  for (const SlotDesc& s : d.LeaderInfo) w.Text16(s.*field);
}

void SlotInts(FieldWriter& w, const SaveDescription& d, int32_t SlotDesc::*field) {
  for (const SlotDesc& s : d.LeaderInfo) w.Int32(s.*field);
}

}  // namespace

void WriteHeader(FieldWriter& w, const SaveDescription& d) {
  w.Int32(d.SaveVersion);
  w.Text8(d.ModPath);
  w.Text8(d.ModChecksum);
  w.Int32(d.Flags);
  w.Text8(d.GameBuildVersion);
  w.Text8(d.DLLChecksum);
  w.Text8(d.ShaderChecksum);
  w.Text8(d.PythonChecksum);
  w.Text8(d.XMLChecksum);
  w.Int32(d.SaveFlag);
  w.Int32(d.GameType);
  w.Text16(d.GameName);
  w.Text16(d.GamePassword);
  w.Text16(d.AdminPassword);
  w.Text16(d.MapScript);
  w.JunkBool(1);
  w.Int32(d.WorldSize);
  w.Int32(d.Climate);
  w.Int32(d.SeaLevel);
  w.Int32(d.StartEra);
  w.Int32(d.GameSpeed);
  w.JunkInt32(1);
  w.Int32(d.Calendar);
  w.Int32(d.HeaderListCount);
  w.JunkInt32(1);
  w.JunkInt32(d.HeaderListCount);
  w.Int32(static_cast<int32_t>(d.VictoryFlags.size()));
  w.Bools(d.VictoryFlags);
  w.Bools(d.GameOptions);
  w.JunkBool(5);
  w.JunkBool(1);
  w.JunkInt32(5);

  SlotTexts(w, d, &SlotDesc::LeaderName);
  SlotTexts(w, d, &SlotDesc::CivDescription);
  SlotTexts(w, d, &SlotDesc::SlotText3);
  SlotTexts(w, d, &SlotDesc::CivAdjective);
  SlotTexts(w, d, &SlotDesc::Password);
  SlotTexts(w, d, &SlotDesc::SlotText6);
  SlotTexts(w, d, &SlotDesc::SlotText7);
  for (const SlotDesc& s : d.LeaderInfo) w.Bool(s.SlotFlag);
  SlotTexts(w, d, &SlotDesc::SlotText9);
  SlotInts(w, d, &SlotDesc::CivType);
  SlotInts(w, d, &SlotDesc::LeaderType);
  SlotInts(w, d, &SlotDesc::Team);
  SlotInts(w, d, &SlotDesc::Handicap);
  SlotInts(w, d, &SlotDesc::SlotValue14);
  SlotInts(w, d, &SlotDesc::SlotValue15);
  SlotInts(w, d, &SlotDesc::SlotStatus);
  w.JunkInt32(kSlots);
  w.JunkBool(kSlots);
  w.JunkBool(kSlots);

  // The rest of the prefix is not part of the walked header.
  w.JunkBytes(d.PrefixPadding);
  w.out().Raw(d.PrefixExtra);
}

}  // namespace tolvane::testing
