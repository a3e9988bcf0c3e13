#include "FieldWriter.h"

#include <algorithm>
#include <climits>
#include <string_view>

namespace tolvane::testing {
namespace {

// Maps every byte to an allowed junk byte: 00 (zero fields and text ends),
// 78 and 9C (a zlib header in the prefix), 'L', 'S' and D1 (the first
// bytes of the session texts) are moved to their neighbour.
constexpr std::array<uint8_t, 256> MakeJunkByteTable() {
  std::array<uint8_t, 256> t{};
  for (int b = 0; b < 256; ++b) {
    const bool banned = b == 0x00 || b == 0x78 || b == 0x9C || b == 'L' || b == 'S' || b == 0xD1;
    t[b] = static_cast<uint8_t>(banned ? b ^ 1 : b);
  }
  return t;
}
constexpr std::array<uint8_t, 256> kJunkByte = MakeJunkByteTable();

constexpr std::string_view kJunkLetters = "abcdefghijklm0123456789";

}  // namespace

FieldWriter::FieldWriter(SaveBytes& out, const WriteOptions& options)
    : out_(out), options_(options), state_(options.junkSeed) {}

uint64_t FieldWriter::Next() {  // splitmix64
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

void FieldWriter::Text16(std::string_view text, uint8_t highByte) {
  // The reader takes a text as narrow only when it has two or more
  // characters and the second byte is 20 or more.
  const bool narrowReadable = text.size() >= 2 && static_cast<uint8_t>(text[1]) >= 20;
  if (options_.texts == TextWidth::Narrow && narrowReadable) {
    out_.Text16Narrow(text);
  } else {
    out_.Text16(text, highByte);
  }
}

void FieldWriter::Int32s(std::span<const int32_t> values) {
  for (int32_t v : values) out_.Int32(v);
}

void FieldWriter::Bools(std::span<const uint8_t> values) { out_.Raw(values); }

void FieldWriter::JunkBytes(int n) {
  if (n <= 0) return;
  auto& bytes = out_.Bytes();
  const size_t at = bytes.size();
  bytes.resize(at + size_t(n));
  uint8_t* p = bytes.data() + at;
  for (int i = 0; i < n; i += 8) {
    uint64_t r = Next();
    for (int k = 0; k < 8 && i + k < n; ++k, r >>= 8)
      p[i + k] = options_.compressibleJunk && (r & 0xFF) < 224 ? 1 : kJunkByte[r & 0xFF];
  }
}

void FieldWriter::JunkInt32(int n) { JunkBytes(4 * n); }

void FieldWriter::JunkText16(int n) {
  char text[64];
  for (int t = 0; t < n; ++t) {
    const int max = std::min<int>(options_.maxJunkTextLength, sizeof text);
    const int len = max <= 0 ? 0 : 1 + int(Next() % uint64_t(max));
    uint64_t r = Next();
    for (int i = 0; i < len; ++i) {
      if (i % 8 == 0 && i > 0) r = Next();
      text[i] = kJunkLetters[(r >> (8 * (i % 8))) % kJunkLetters.size()];
    }
    Text16(std::string_view(text, size_t(len)));
  }
}

int32_t FieldWriter::JunkCount() {
  JunkCounts mode = options_.counts;
  if (mode == JunkCounts::Mixed) {
    const uint64_t pick = Next() % 4;
    mode = pick < 2 ? JunkCounts::Positive : pick == 2 ? JunkCounts::Zero : JunkCounts::Negative;
  }
  int32_t count = 0;
  switch (mode) {
    case JunkCounts::Positive:
      count = options_.maxJunkListLength <= 0 ? 0 : 1 + int32_t(Next() % uint64_t(options_.maxJunkListLength));
      break;
    case JunkCounts::Negative: {
      const uint64_t r = Next();
      count = r % 4 == 0 ? INT32_MIN : -1 - int32_t((r >> 8) % 100000);
      break;
    }
    default:
      break;
  }
  out_.Int32(count);
  return count > 0 ? count : 0;
}

void FieldWriter::IndexBlock() {
  const int32_t n = JunkCount();
  JunkInt32(4);
  JunkInt32(n);
}

void FieldWriter::Int32List(int width) { JunkInt32(JunkCount() * width); }

void FieldWriter::Text16List(int width) { JunkText16(JunkCount() * width); }

}  // namespace tolvane::testing
