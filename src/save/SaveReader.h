// The read cursor over a decompressed save. Every read is checked against the
// valid bytes: a read past the end throws SaveError naming the part of the
// save being read ("The save ends inside the team records."), so a walk reads
// in a straight line and a damaged file can never drive it out of bounds.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "save/SaveError.h"

namespace tolvane {

// The save is little-endian, and so is every machine the tool is built for:
// values are copied as they stand.
static_assert(std::endian::native == std::endian::little);

class SaveReader {
 public:
  explicit SaveReader(std::span<const uint8_t> bytes, size_t pos = 0)
      : data_(bytes.data()), size_(bytes.size()), pos_(pos) {}

  size_t Pos() const { return pos_; }
  void Seek(size_t pos) { pos_ = pos; }
  size_t Remaining() const { return pos_ <= size_ ? size_ - pos_ : 0; }

  // What is being read, for the message when the save ends early; set by
  // SectionScope.
  const char* Section() const { return section_; }

  int32_t ReadInt32() {
    int32_t v;
    std::memcpy(&v, Need(4), 4);
    return v;
  }
  int16_t ReadInt16() {
    int16_t v;
    std::memcpy(&v, Need(2), 2);
    return v;
  }
  uint8_t ReadByte() { return *Need(1); }
  // A flag byte, kept as its value 0..255; non-zero means true.
  int32_t ReadBool() { return *Need(1); }

  // A run of int32 or of flag bytes, read with one bounds check.
  void ReadInt32s(std::span<int32_t> values) {
    std::memcpy(values.data(), Need(int64_t(values.size()) * 4), values.size() * 4);
  }
  void ReadBools(std::span<int32_t> flags) {
    const uint8_t* p = Need(int64_t(flags.size()));
    for (size_t i = 0; i < flags.size(); ++i) flags[i] = p[i];
  }

  // int32 length, then 8-bit characters; a length outside 1..1023 gives the
  // empty text and leaves the characters unread.
  std::string ReadStr();
  // int32 character count, then 16-bit (or, by the width rule, 8-bit)
  // characters narrowed to their low byte; the same length rule.
  std::string ReadUStr();
  void SkipUStr();

  void SkipInt32(int64_t n = 1) { SkipBytes(n * 4); }
  void SkipInt16(int64_t n = 1) { SkipBytes(n * 2); }
  void SkipBool(int64_t n = 1) { SkipBytes(n); }
  void SkipBytes(int64_t n) {
    if (n > 0) Need(n);
  }

  // A count that precedes a list; a count of 0 or less means an empty list.
  int32_t ReadCount() { return ReadInt32(); }

  [[noreturn]] void Fail() const;

 private:
  friend class SectionScope;

  const uint8_t* Need(int64_t n) {
    if (n > int64_t(Remaining())) Fail();
    const uint8_t* p = data_ + pos_;
    pos_ += size_t(n);
    return p;
  }
  // The width and character count of a text at the cursor (count read already).
  std::string ReadText(int32_t n, int width);

  const uint8_t* data_;
  size_t size_;
  size_t pos_;
  const char* section_ = "save";
};

// Names the part of the save read while it lives ("city records" in "The
// save ends inside the city records."), and gives the reader back the name it
// had before when it ends, so a section that holds others needs no renaming
// after each of them.
class SectionScope {
 public:
  SectionScope(SaveReader& r, const char* what) : reader_(r), previous_(r.section_) { r.section_ = what; }
  ~SectionScope() { reader_.section_ = previous_; }
  SectionScope(const SectionScope&) = delete;
  SectionScope& operator=(const SectionScope&) = delete;

 private:
  SaveReader& reader_;
  const char* previous_;
};

// Offset of the first p >= start whose 16-bit characters at p, p+2, ... have
// the pattern's bytes as their low bytes; none when there is no such p (or
// start is past the end). An empty pattern matches at start.
std::optional<int64_t> FindUStr(std::span<const uint8_t> bytes, std::string_view pattern, int64_t start);

}  // namespace tolvane
