// Reading a save file: find the zlib stream, inflate it and splice the body
// between the uncompressed prefix and the file's tail.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace tolvane {

// Bytes that are not zeroed when the buffer grows: the inflated body is
// written over them at once, and zeroing 15 MB first would cost as much as a
// tenth of the inflation.
// NOLINTBEGIN(readability-identifier-naming): the standard allocator's names
template <typename T>
struct DefaultInitAllocator : std::allocator<T> {
  template <typename U>
  struct rebind {
    using other = DefaultInitAllocator<U>;
  };
  using std::allocator<T>::allocator;
  template <typename U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <typename U, typename... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};
// NOLINTEND(readability-identifier-naming)
using ByteBuffer = std::vector<uint8_t, DefaultInitAllocator<uint8_t>>;

// The decompressed image of a save: the file's prefix, the four bytes
// "BODY" over the packed length, the inflated body at BodyOffset, the tail.
struct SaveImage {
  ByteBuffer bytes;  // every byte is valid (Bytes.size() is the save's length)
  int32_t bodyOffset = -1;
  int32_t bodyLength = 0;
  std::span<const uint8_t> Body() const { return {bytes.data() + bodyOffset, size_t(bodyLength)}; }
};

// The largest inflated body a save may announce.
inline constexpr int64_t kMaxBodyLength = int64_t(512) << 20;
// The largest file read as a save: its compressed body with room to spare.
// A larger file is refused before anything is read.
inline constexpr int64_t kMaxSaveFileLength = 2 * kMaxBodyLength;

// Offset of the first bytes 78 9C at 0 .. size - 4; none when there are no
// such bytes there, or only beyond the offsets a save's int32 can hold.
std::optional<int32_t> FindZlibHeader(std::span<const uint8_t> file);

// Builds the image from a whole save file held in memory. Throws SaveError
// with a message for the user (zlib's own text for a damaged stream).
SaveImage SpliceSave(std::span<const uint8_t> file);

// Reads the whole file (opened for reading only). Throws SaveError, also for
// a file larger than kMaxSaveFileLength.
ByteBuffer ReadWholeFile(const std::string& path);

// The file's last-write time in the user's locale format, "" when unknown.
std::string FileDateText(const std::string& path);

}  // namespace tolvane
