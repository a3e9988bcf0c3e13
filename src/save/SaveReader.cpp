#include "save/SaveReader.h"

#include <fmt/format.h>

namespace tolvane {

namespace {

constexpr int32_t kMaxTextLength = 1023;

}  // namespace

void SaveReader::Fail() const { throw SaveError(fmt::format("The save ends inside the {}.", section_)); }

std::string SaveReader::ReadText(int32_t n, int width) {
  const uint8_t* p = Need(int64_t(n) * width);
  if (width == 1) {
    const void* zero = std::memchr(p, 0, size_t(n));
    return std::string(reinterpret_cast<const char*>(p),
                       zero ? size_t(static_cast<const uint8_t*>(zero) - p) : size_t(n));
  }
  char text[kMaxTextLength];  // the low bytes, up to the first zero
  size_t length = 0;
  while (length < size_t(n) && p[2 * length] != 0) {
    text[length] = char(p[2 * length]);
    ++length;
  }
  return std::string(text, length);
}

std::string SaveReader::ReadStr() {
  int32_t n = ReadInt32();
  if (n < 1 || n > kMaxTextLength) return {};
  return ReadText(n, 1);
}

namespace {
// A one-character text is always 16-bit; longer ones are 16-bit when the
// second byte (the high byte of the first character) is below 20.
int UstrWidth(int32_t n, const uint8_t* data, size_t pos, size_t size) {
  if (n == 1) return 2;
  if (pos + 1 >= size) return 2;  // the read that follows fails either way
  return data[pos + 1] < 20 ? 2 : 1;
}
}  // namespace

std::string SaveReader::ReadUStr() {
  int32_t n = ReadInt32();
  if (n < 1 || n > kMaxTextLength) return {};
  return ReadText(n, UstrWidth(n, data_, pos_, size_));
}

void SaveReader::SkipUStr() {
  int32_t n = ReadInt32();
  if (n < 1 || n > kMaxTextLength) return;
  Need(int64_t(n) * UstrWidth(n, data_, pos_, size_));
}

namespace {

// Whether the pattern's bytes stand at p, p + 2, p + 4, ...
bool MatchesAt(const uint8_t* data, int64_t p, std::string_view pattern) {
  for (size_t j = 1; j < pattern.size(); ++j)
    if (data[p + 2 * int64_t(j)] != uint8_t(pattern[j])) return false;
  return data[p] == uint8_t(pattern[0]);
}

}  // namespace

std::optional<int64_t> FindUStr(std::span<const uint8_t> bytes, std::string_view pattern, int64_t start) {
  const int64_t size = int64_t(bytes.size());
  if (start < 0) start = 0;
  if (start > size - 1) return std::nullopt;
  if (pattern.empty()) return start;
  const int64_t span = 2 * int64_t(pattern.size() - 1);  // from the first to the last compared byte
  const int64_t end = size - span;                       // candidates lie before this
  const uint8_t* data = bytes.data();
  int64_t p = start;
  // The first byte is found by memchr, which runs near memory speed; only
  // there is the rest compared.
  while (p < end) {
    const void* hit = std::memchr(data + p, uint8_t(pattern[0]), size_t(end - p));
    if (!hit) return std::nullopt;
    p = static_cast<const uint8_t*>(hit) - data;
    if (MatchesAt(data, p, pattern)) return p;
    ++p;
  }
  return std::nullopt;
}

}  // namespace tolvane
