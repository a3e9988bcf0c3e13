// The save writer's cursor: appends the save's fields to a SaveBytes and
// produces the seeded junk for every field and list the analysis skips.
// Section writers use it one line per layout row, mirroring the walk.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "SaveBytes.h"
#include "SaveWriter.h"

namespace tolvane::testing {

class FieldWriter {
 public:
  FieldWriter(SaveBytes& out, const WriteOptions& options);

  // Described values.
  void Int32(int32_t v) { out_.Int32(v); }
  void Int16(int16_t v) { out_.Int16(v); }
  void Byte(uint8_t v) { out_.Byte(v); }
  void Bool(uint8_t v) { out_.Byte(v); }
  void Text8(std::string_view text) { out_.Text8(text); }
  // A wide text in the configured width.
  void Text16(std::string_view text, uint8_t highByte = 0);
  void Int32s(std::span<const int32_t> values);
  void Bools(std::span<const uint8_t> values);

  // Junk for skipped fields: non-zero, never the bytes 00, 78, 9C, 'L', 'S'
  // or D1, so junk can neither form a zlib header nor start a session text.
  void JunkInt32(int n);
  void JunkInt16(int n) { JunkBytes(2 * n); }
  void JunkBytes(int n);
  void JunkBool(int n) { JunkBytes(n); }
  void JunkText16(int n = 1);  // n skipped texts of letters a..m and digits

  // Skipped lists: each writes a junk count (see JunkCounts) and that many
  // junk elements.
  int32_t JunkCount();             // writes the count; returns how many elements follow
  void IndexBlock();               // int32 N, 4 x int32, N x int32
  void Int32List(int width = 1);   // count N, then N groups of `width` int32
  void Text16List(int width = 1);  // count N, then N groups of `width` texts

  // Raw 64 random bits from the junk stream (for values the caller shapes).
  uint64_t Next();
  const WriteOptions& Options() const { return options_; }
  SaveBytes& Out() { return out_; }

 private:
  SaveBytes& out_;
  const WriteOptions& options_;
  uint64_t state_;
};

}  // namespace tolvane::testing
