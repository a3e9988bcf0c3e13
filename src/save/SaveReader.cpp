#include "save/SaveReader.h"

#include <fmt/format.h>

namespace tolvane {

namespace {

constexpr int32_t kMaxTextLength = 1023;

// The result ends at the first zero byte; the characters after it are still consumed.
std::string untilZero(std::string s) {
  if (size_t z = s.find('\0'); z != std::string::npos) s.resize(z);
  return s;
}

}  // namespace

void SaveReader::fail() const { throw SaveError(fmt::format("The save ends inside the {}.", section_)); }

std::string SaveReader::readText(int32_t n, int width) {
  const uint8_t* p = need(int64_t(n) * width);
  std::string s(size_t(n), '\0');
  for (int32_t i = 0; i < n; ++i) s[size_t(i)] = char(p[size_t(i) * width]);
  return untilZero(std::move(s));
}

std::string SaveReader::readStr() {
  int32_t n = readInt32();
  if (n < 1 || n > kMaxTextLength) return {};
  return readText(n, 1);
}

namespace {
// A one-character text is always 16-bit; longer ones are 16-bit when the
// second byte (the high byte of the first character) is below 20.
int ustrWidth(int32_t n, const uint8_t* data, size_t pos, size_t size) {
  if (n == 1) return 2;
  if (pos + 1 >= size) return 2;  // the read that follows fails either way
  return data[pos + 1] < 20 ? 2 : 1;
}
}  // namespace

std::string SaveReader::readUStr() {
  int32_t n = readInt32();
  if (n < 1 || n > kMaxTextLength) return {};
  return readText(n, ustrWidth(n, data_, pos_, size_));
}

void SaveReader::skipUStr() {
  int32_t n = readInt32();
  if (n < 1 || n > kMaxTextLength) return;
  need(int64_t(n) * ustrWidth(n, data_, pos_, size_));
}

int64_t FindUStr(std::span<const uint8_t> bytes, std::string_view pattern, int64_t start) {
  const int64_t size = int64_t(bytes.size());
  if (start < 0) start = 0;
  if (start > size - 1) return 0;
  if (pattern.empty()) return start;
  const int64_t span = 2 * int64_t(pattern.size() - 1);  // from the first to the last compared byte
  const uint8_t first = uint8_t(pattern[0]);
  const uint8_t* data = bytes.data();
  int64_t p = start;
  while (p + span < size) {
    const void* hit = std::memchr(data + p, first, size_t(size - span - p));
    if (!hit) return 0;
    p = static_cast<const uint8_t*>(hit) - data;
    size_t j = 1;
    while (j < pattern.size() && data[p + 2 * int64_t(j)] == uint8_t(pattern[j])) ++j;
    if (j == pattern.size()) return p;
    ++p;
  }
  return 0;
}

}  // namespace tolvane
