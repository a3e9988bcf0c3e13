// Reading a save file: find the zlib stream, inflate it and splice the body
// between the uncompressed prefix and the file's tail.
#pragma once

#include <cstdint>
#include <filesystem>
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
// The largest file read as a save: the compressed stream of the largest
// body (deflate adds a few bytes per block when nothing compresses) and
// ample room for the header before it and the tail after it. A larger file
// is refused by its size, before it is read.
inline constexpr int64_t kMaxFileLength = kMaxBodyLength + (int64_t(64) << 20);

// Offset of the first bytes 78 9C at `from` .. size - 4; none when there are
// no such bytes there, or only beyond the offsets a save's int32 can hold.
std::optional<int32_t> FindZlibHeader(std::span<const uint8_t> file, size_t from = 0);

// Builds the image from a whole save file held in memory. The compressed body
// starts at a pair 78 9C at offset 8 or more, after its two stored lengths:
// the first pair whose lengths are plausible (a packed length that fits the
// rest of the file, a body length within kMaxBodyLength) and whose stream
// inflates; when none is, the first pair at offset 8 or more, whose failure
// the message then tells. Throws SaveError with a message for the user that
// tells a file that is not a save, a save cut short and a damaged compressed
// body (with zlib's own text) apart.
SaveImage SpliceSave(std::span<const uint8_t> file);
// The same into `image`, whose buffer is reused: a reader of many saves keeps
// one image from save to save instead of mapping and faulting in a fresh
// body each time. On failure `image` holds nothing of use.
void SpliceSave(std::span<const uint8_t> file, SaveImage& image);

// Reads the whole file (opened for reading only). Only a regular file is
// opened: a folder, named pipe, socket or device is refused for what it is,
// before any read, and so is a file larger than kMaxFileLength. Throws
// SaveError with a message that names the file (as UTF-8 text) and, for a
// file that cannot be opened or read, the system's reason.
ByteBuffer ReadWholeFile(const std::filesystem::path& path);
// The same into `bytes`, whose buffer is reused (see SpliceSave).
void ReadWholeFile(const std::filesystem::path& path, ByteBuffer& bytes);

// Whether a file holds a saved game: a regular file no larger than
// kMaxFileLength in whose first bytes a compressed body starts (plausible
// stored lengths before a stream that begins to inflate cleanly). Reads only
// the file's head, so it is cheap for a file of any size. False for a file
// that cannot be read, and for the decompressed image of a save.
bool HoldsSavedGame(const std::filesystem::path& path);

// The file's last-write time as the file bar shows it ("%x %X"), "" when
// unknown.
std::string FileDateText(const std::filesystem::path& path);

}  // namespace tolvane
