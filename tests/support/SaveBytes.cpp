#include "SaveBytes.h"

#include <cstring>

namespace tolvane::testing {

SaveBytes& SaveBytes::Int32(int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  const uint8_t b[4] = {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)};
  bytes_.insert(bytes_.end(), b, b + 4);
  return *this;
}

SaveBytes& SaveBytes::Int16(int16_t v) {
  const auto u = static_cast<uint16_t>(v);
  bytes_.push_back(uint8_t(u));
  bytes_.push_back(uint8_t(u >> 8));
  return *this;
}

SaveBytes& SaveBytes::Byte(uint8_t v) {
  bytes_.push_back(v);
  return *this;
}

SaveBytes& SaveBytes::Text8(std::string_view text) {
  Int32(static_cast<int32_t>(text.size()));
  bytes_.insert(bytes_.end(), text.begin(), text.end());
  return *this;
}

SaveBytes& SaveBytes::Text16(std::string_view text, uint8_t highByte) {
  Int32(static_cast<int32_t>(text.size()));
  const size_t at = bytes_.size();
  bytes_.resize(at + 2 * text.size());
  uint8_t* out = bytes_.data() + at;
  for (char c : text) {
    *out++ = static_cast<uint8_t>(c);
    *out++ = highByte;
  }
  return *this;
}

SaveBytes& SaveBytes::Text16Narrow(std::string_view text) { return Text8(text); }

SaveBytes& SaveBytes::Raw(std::span<const uint8_t> bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  return *this;
}

void PutInt32(std::vector<uint8_t>& bytes, size_t offset, int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i) bytes.at(offset + i) = uint8_t(u >> (8 * i));
}

int32_t GetInt32(std::span<const uint8_t> bytes, size_t offset) {
  uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= uint32_t(bytes[offset + i]) << (8 * i);
  return static_cast<int32_t>(u);
}

}  // namespace tolvane::testing
