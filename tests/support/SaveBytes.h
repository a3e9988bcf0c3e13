// Little-endian byte encoder for save fixtures: the save's field kinds
// (int32, int16, byte, bool, text8, text16) appended to one byte vector.
// Reader tests build their inputs with it; the save writer builds whole
// saves on it.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace tolvane::testing {

class SaveBytes {
 public:
  SaveBytes() = default;
  explicit SaveBytes(size_t reserve) { bytes_.reserve(reserve); }

  SaveBytes& Int32(int32_t v);
  SaveBytes& Int16(int16_t v);
  SaveBytes& Byte(uint8_t v);
  SaveBytes& Bool(uint8_t v) { return Byte(v); }  // a flag is one byte; any non-zero value is true
  // int32 length, then the bytes as 8-bit characters.
  SaveBytes& Text8(std::string_view text);
  // int32 character count, then one 16-bit little-endian character per
  // byte of `text` (the byte is the low byte, `highByte` the high byte).
  SaveBytes& Text16(std::string_view text, uint8_t highByte = 0);
  // int32 character count, then the characters 8 bits wide: the narrow form
  // of a wide text, read as such when the second byte is 20 or more.
  SaveBytes& Text16Narrow(std::string_view text);
  SaveBytes& Raw(std::span<const uint8_t> bytes);
  SaveBytes& Raw(std::initializer_list<uint8_t> bytes) { return Raw(std::span<const uint8_t>(bytes)); }

  size_t Size() const { return bytes_.size(); }
  const std::vector<uint8_t>& Bytes() const { return bytes_; }
  std::vector<uint8_t>& Bytes() { return bytes_; }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

// Overwrites the int32 at `offset` (the vector must hold offset + 4 bytes).
void PutInt32(std::vector<uint8_t>& bytes, size_t offset, int32_t v);
// The little-endian int32 at `offset`.
int32_t GetInt32(std::span<const uint8_t> bytes, size_t offset);

}  // namespace tolvane::testing
