#include "save/SaveFile.h"

#include <fmt/format.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <exception>
#include <memory>
#include <system_error>

#ifdef TOLVANE_HAVE_LIBDEFLATE
#include <libdeflate.h>
#endif

#include "save/Platform.h"
#include "save/SaveError.h"
#include "save/Utf8Path.h"

namespace tolvane {

namespace {

// The two lengths stand in the eight bytes before the stream: the inflated
// body's, then the stream's.
constexpr size_t kLengthsSize = 8;

// The message for a file in which no compressed save body can be found.
constexpr const char* kNotASave = "This file is not a saved game: it holds no compressed save body.";

// Pairs whose lengths are plausible are inflated in turn to find the body; a
// genuine save's header holds at most a few such pairs by chance, and the
// limit keeps a file built of many of them from costing more than that.
constexpr int kMaxInflatedPairs = 64;

int32_t Int32At(std::span<const uint8_t> b, size_t off) {
  int32_t v;
  std::memcpy(&v, b.data() + off, 4);
  return v;
}

struct StoredLengths {
  int32_t body;
  int32_t packed;
};

StoredLengths LengthsBefore(std::span<const uint8_t> file, int32_t bodyOffset) {
  return {Int32At(file, size_t(bodyOffset) - kLengthsSize), Int32At(file, size_t(bodyOffset) - kLengthsSize + 4)};
}

// A packed length that fits the rest of the file and a body length within
// the cap.
bool PlausibleLengths(std::span<const uint8_t> file, int32_t bodyOffset) {
  const StoredLengths lengths = LengthsBefore(file, bodyOffset);
  return lengths.body >= 0 && lengths.body <= kMaxBodyLength && lengths.packed >= 0 &&
         int64_t(lengths.packed) <= int64_t(file.size()) - bodyOffset;
}

#ifdef TOLVANE_HAVE_LIBDEFLATE
// Inflates with libdeflate when the stream gives exactly `length` bytes, the
// usual case and the fast one.
bool InflateExact(std::span<const uint8_t> packed, uint8_t* out, size_t length) {
  std::unique_ptr<libdeflate_decompressor, decltype(&libdeflate_free_decompressor)> d(libdeflate_alloc_decompressor(),
                                                                                      libdeflate_free_decompressor);
  if (!d) return false;
  size_t actual = 0;
  return libdeflate_zlib_decompress(d.get(), packed.data(), packed.size(), out, length, &actual) ==
             LIBDEFLATE_SUCCESS &&
         actual == length;
}
#else
// Without libdeflate every stream takes zlib's way.
bool InflateExact(std::span<const uint8_t>, uint8_t*, size_t) { return false; }
#endif

// Inflates the whole stream with zlib, keeping the first `length` bytes in
// `out` and counting the rest, so that an error anywhere in the stream is
// reported with zlib's own text. Returns the stream's full output length.
int64_t InflateWithZlib(std::span<const uint8_t> packed, uint8_t* out, size_t length) {
  z_stream z{};
  if (inflateInit(&z) != Z_OK) throw SaveError("There is not enough memory to inflate the save.");
  std::unique_ptr<z_stream, decltype(&inflateEnd)> guard(&z, inflateEnd);
  z.next_in = const_cast<Bytef*>(packed.data());
  uint8_t scratch[64 * 1024];
  int64_t total = 0;
  size_t remainingInput = packed.size();
  for (;;) {
    // zlib takes at most 4 GiB of input or output per call.
    uInt in = uInt(std::min<size_t>(remainingInput, 1u << 30));
    z.avail_in = in;
    bool intoOut = size_t(total) < length;
    z.next_out = intoOut ? out + total : scratch;
    z.avail_out = intoOut ? uInt(std::min<size_t>(length - size_t(total), 1u << 30)) : uInt(sizeof scratch);
    uInt outBefore = z.avail_out;
    int rc = inflate(&z, Z_NO_FLUSH);
    remainingInput -= in - z.avail_in;
    total += outBefore - z.avail_out;
    if (rc == Z_STREAM_END) return total;
    // The input ended before the stream did: zlib has no more to give.
    if (rc == Z_BUF_ERROR && remainingInput == 0 && z.avail_in == 0)
      throw SaveError("The compressed body ends early: the save is cut short.");
    if (rc == Z_MEM_ERROR)
      throw SaveError(fmt::format("There is not enough memory to inflate the save (zlib: {}).", zError(rc)));
    if (rc != Z_OK && rc != Z_BUF_ERROR)
      throw SaveError(
          fmt::format("The compressed body is damaged (zlib: {}).", zError(rc == Z_NEED_DICT ? Z_DATA_ERROR : rc)));
  }
}

// Fills `image` (its buffer reused) with the body at the pair at
// `bodyOffset` (8 or more), or throws the message why that pair holds none.
void SpliceAt(std::span<const uint8_t> file, int32_t bodyOffset, SaveImage& image) {
  const auto [bodyLength, packedLength] = LengthsBefore(file, bodyOffset);
  // Lengths that no save can hold: the pair is a chance one in some other
  // kind of file.
  if (bodyLength < 0 || packedLength < 0 || uint64_t(packedLength) > compressBound(uLong(kMaxBodyLength)))
    throw SaveError(kNotASave);
  if (bodyLength > kMaxBodyLength)
    throw SaveError(fmt::format("The save announces {} bytes of data, more than any saved game holds.", bodyLength));
  const int64_t rest = int64_t(file.size()) - bodyOffset;
  if (packedLength > rest)
    throw SaveError(fmt::format(
        "The save is cut short: its compressed body needs {} bytes, but the file ends after {}.", packedLength, rest));

  const size_t tailOffset = size_t(bodyOffset) + size_t(packedLength);
  const size_t tailLength = file.size() - tailOffset;
  image.bodyOffset = bodyOffset;
  image.bodyLength = bodyLength;
  image.bytes.resize(size_t(bodyOffset) + size_t(bodyLength) + tailLength);
  uint8_t* body = image.bytes.data() + bodyOffset;
  const auto packed = file.subspan(size_t(bodyOffset), size_t(packedLength));
  if (!InflateExact(packed, body, size_t(bodyLength))) {
    int64_t produced = InflateWithZlib(packed, body, size_t(bodyLength));
    if (produced < bodyLength)
      throw SaveError(fmt::format("The save's body ends early: it holds {} of the {} bytes the save announces.",
                                  produced, bodyLength));
  }
  std::memcpy(image.bytes.data(), file.data(), size_t(bodyOffset) - 4);
  std::memcpy(image.bytes.data() + bodyOffset - 4, "BODY", 4);
  if (tailLength) std::memcpy(body + bodyLength, file.data() + tailOffset, tailLength);
}

}  // namespace

std::optional<int32_t> FindZlibHeader(std::span<const uint8_t> file, size_t from) {
  if (file.size() < 4) return std::nullopt;
  const uint8_t* data = file.data();
  const size_t last = file.size() - 4;  // the last candidate offset
  size_t i = from;
  while (i <= last) {
    const void* hit = std::memchr(data + i, 0x78, last - i + 1);
    if (!hit) return std::nullopt;
    i = size_t(static_cast<const uint8_t*>(hit) - data);
    if (data[i + 1] == 0x9C) return i > size_t(INT32_MAX) ? std::nullopt : std::optional<int32_t>(int32_t(i));
    ++i;
  }
  return std::nullopt;
}

SaveImage SpliceSave(std::span<const uint8_t> file) {
  SaveImage image;
  SpliceSave(file, image);
  return image;
}

void SpliceSave(std::span<const uint8_t> file, SaveImage& image) {
  if (file.empty()) throw SaveError("The file is empty.");
  // A pair in the first eight bytes has no room for the lengths before it.
  const std::optional<int32_t> first = FindZlibHeader(file, kLengthsSize);
  if (!first) throw SaveError(kNotASave);
  std::exception_ptr firstFailure;
  int inflated = 0;
  for (std::optional<int32_t> at = first; at && inflated < kMaxInflatedPairs;
       at = FindZlibHeader(file, size_t(*at) + 1)) {
    if (!PlausibleLengths(file, *at)) continue;
    ++inflated;
    try {
      SpliceAt(file, *at, image);
      return;
    } catch (const SaveError&) {
      if (at == first) firstFailure = std::current_exception();
    }
  }
  if (firstFailure) std::rethrow_exception(firstFailure);
  SpliceAt(file, *first, image);
}

namespace {

// What a path names when it is no regular file, or "" for a regular file or
// one that cannot be looked at (opening it then tells why).
std::string_view KindOfSpecialFile(const std::filesystem::path& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  switch (fs::status(path, error).type()) {
    case fs::file_type::directory:
      return "a folder";
    case fs::file_type::fifo:
      return "a named pipe (FIFO)";
    case fs::file_type::socket:
      return "a socket";
    case fs::file_type::block:
    case fs::file_type::character:
      return "a device";
    case fs::file_type::regular:
    case fs::file_type::not_found:
    case fs::file_type::none:
    case fs::file_type::unknown:
      return {};
    default:
      return "no regular file";
  }
}

// The system's text for an error number, e.g. "No such file or directory".
std::string Reason(int error) { return std::generic_category().message(error); }

SaveError TooLarge(const std::filesystem::path& path, uint64_t size) {
  return SaveError(fmt::format("\"{}\" is {} MB, too large to be a saved game.", Utf8FromPath(path), size >> 20),
                   fmt::format("It is {} MB, too large to be a saved game.", size >> 20));
}

SaveError NoSave(const std::filesystem::path& path, std::string_view kind) {
  return SaveError(fmt::format("\"{}\" is {}, not a saved game.", Utf8FromPath(path), kind),
                   fmt::format("It is {}, not a saved game.", kind));
}

// "Cannot open" or "Cannot read" the file, and the system's reason.
SaveError Failed(std::string_view what, const std::filesystem::path& path, int error) {
  return SaveError(fmt::format("{} \"{}\". {}.", what, Utf8FromPath(path), Reason(error)),
                   fmt::format("{} the file. {}.", what, Reason(error)));
}

}  // namespace

ByteBuffer ReadWholeFile(const std::filesystem::path& path) {
  ByteBuffer bytes;
  ReadWholeFile(path, bytes);
  return bytes;
}

void ReadWholeFile(const std::filesystem::path& path, ByteBuffer& bytes) {
  // Only a regular file is opened: a named pipe would block the reader until
  // some program writes to it, and a device may never end.
  if (const std::string_view kind = KindOfSpecialFile(path); !kind.empty()) throw NoSave(path, kind);
  std::error_code sizeError;
  const uintmax_t size = std::filesystem::file_size(path, sizeError);
  if (!sizeError && size > uintmax_t(kMaxFileLength)) throw TooLarge(path, size);
  std::unique_ptr<FILE, decltype(&std::fclose)> f(platform::OpenForReading(path), std::fclose);
  if (!f) throw Failed("Cannot open", path, errno);
  // Once more on the open file: the name may have changed hands meanwhile,
  // and on Windows a device name (CON, NUL) looks like no file at all.
  if (const std::string_view kind = platform::KindOfOpenFile(f.get()); !kind.empty()) throw NoSave(path, kind);
  bytes.resize(sizeError ? 0 : size_t(size));
  size_t got = bytes.empty() ? 0 : std::fread(bytes.data(), 1, bytes.size(), f.get());
  bytes.resize(got);
  // Read on to the end, whatever the size said: the file may have grown since.
  uint8_t more[1 << 16];
  for (size_t n; !std::ferror(f.get()) && (n = std::fread(more, 1, sizeof more, f.get())) > 0;) {
    if (bytes.size() + n > size_t(kMaxFileLength)) throw TooLarge(path, bytes.size() + n);
    bytes.insert(bytes.end(), more, more + n);
  }
  if (std::ferror(f.get())) throw Failed("Cannot read", path, errno);
}

namespace {

// A save's compressed body starts after its header, a few kilobytes; the
// head read to recognize a save leaves ample room beyond that.
constexpr size_t kRecognizedHead = size_t(16) << 20;
// The bytes of the body that must inflate cleanly: more than chance bytes
// after a stray pair 78 9C ever give.
constexpr size_t kRecognizedBody = 4096;

// Whether the stream at `bodyOffset` inflates its first bytes cleanly (of
// the stream, only what `head` holds is there).
bool BeginsToInflate(std::span<const uint8_t> head, int32_t bodyOffset) {
  const StoredLengths lengths = LengthsBefore(head, bodyOffset);
  const size_t wanted = std::min(size_t(lengths.body), kRecognizedBody);
  if (wanted == 0) return false;  // every save's body holds the game
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return false;
  std::unique_ptr<z_stream, decltype(&inflateEnd)> guard(&z, inflateEnd);
  uint8_t out[kRecognizedBody];
  z.next_in = const_cast<Bytef*>(head.data() + bodyOffset);
  z.avail_in = uInt(std::min(head.size() - size_t(bodyOffset), size_t(lengths.packed)));
  z.next_out = out;
  z.avail_out = uInt(wanted);
  int rc = Z_OK;
  while (rc == Z_OK && z.avail_out > 0 && z.avail_in > 0) rc = inflate(&z, Z_NO_FLUSH);
  return rc == Z_STREAM_END || ((rc == Z_OK || rc == Z_BUF_ERROR) && z.avail_out == 0);
}

}  // namespace

bool HoldsSavedGame(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  const uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > uintmax_t(kMaxFileLength)) return false;
  std::unique_ptr<FILE, decltype(&std::fclose)> f(platform::OpenForReading(path), std::fclose);
  if (!f) return false;
  std::vector<uint8_t> head(std::min(size_t(size), kRecognizedHead));
  head.resize(head.empty() ? 0 : std::fread(head.data(), 1, head.size(), f.get()));
  // The lengths are weighed against the whole file, of which only the head
  // was read.
  int tried = 0;
  for (std::optional<int32_t> at = FindZlibHeader(head, kLengthsSize); at && tried < kMaxInflatedPairs;
       at = FindZlibHeader(head, size_t(*at) + 1)) {
    const StoredLengths lengths = LengthsBefore(head, *at);
    if (lengths.body < 0 || lengths.body > kMaxBodyLength || lengths.packed < 0 ||
        uintmax_t(lengths.packed) > size - uintmax_t(*at))
      continue;
    ++tried;
    if (BeginsToInflate(head, *at)) return true;
  }
  return false;
}

std::string FileDateText(const std::filesystem::path& path) {
  std::error_code error;
  const auto written = std::filesystem::last_write_time(path, error);
  if (error) return {};
  const std::time_t t = std::chrono::system_clock::to_time_t(
      std::chrono::time_point_cast<std::chrono::system_clock::duration>(std::chrono::file_clock::to_sys(written)));
  std::tm tm{};
  if (!platform::LocalTime(t, tm)) return {};
  char text[64];
  size_t n = std::strftime(text, sizeof text, "%x %X", &tm);
  return std::string(text, n);
}

}  // namespace tolvane
