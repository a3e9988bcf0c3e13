#include "save/SaveFile.h"

#include <fmt/format.h>
#include <libdeflate.h>
#include <sys/stat.h>
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>

#include "save/SaveError.h"

namespace tolvane {

namespace {

int32_t Int32At(std::span<const uint8_t> b, size_t off) {
  int32_t v;
  std::memcpy(&v, b.data() + off, 4);
  return v;
}

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

// Inflates the whole stream with zlib, keeping the first `length` bytes in
// `out` and counting the rest, so that an error anywhere in the stream is
// reported with zlib's own text. Returns the stream's full output length.
int64_t InflateWithZlib(std::span<const uint8_t> packed, uint8_t* out, size_t length) {
  z_stream z{};
  if (inflateInit(&z) != Z_OK) throw SaveError("out of memory");
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
    if (rc == Z_BUF_ERROR && remainingInput == 0 && z.avail_in == 0) throw SaveError(zError(Z_BUF_ERROR));
    if (rc != Z_OK && rc != Z_BUF_ERROR) throw SaveError(zError(rc == Z_NEED_DICT ? Z_DATA_ERROR : rc));
  }
}

}  // namespace

std::optional<int32_t> FindZlibHeader(std::span<const uint8_t> file) {
  if (file.size() < 4) return std::nullopt;
  const uint8_t* data = file.data();
  const size_t last = file.size() - 4;  // the last candidate offset
  size_t i = 0;
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
  // The two lengths stand in the eight bytes before the stream.
  const std::optional<int32_t> header = FindZlibHeader(file);
  if (!header || *header < 8) throw SaveError("This file holds no compressed save body: it is not a saved game.");
  const int32_t bodyOffset = *header;
  const int32_t bodyLength = Int32At(file, size_t(bodyOffset) - 8);
  const int32_t packedLength = Int32At(file, size_t(bodyOffset) - 4);
  if (bodyLength < 0 || packedLength < 0 || int64_t(packedLength) > int64_t(file.size()) - bodyOffset)
    throw SaveError("The save's stored lengths are impossible: the file is damaged.");
  if (bodyLength > kMaxBodyLength)
    throw SaveError(fmt::format("The save announces {} bytes of data, more than any saved game holds.", bodyLength));

  const size_t tailOffset = size_t(bodyOffset) + size_t(packedLength);
  const size_t tailLength = file.size() - tailOffset;
  SaveImage image;
  image.bodyOffset = bodyOffset;
  image.bodyLength = bodyLength;
  image.bytes.resize(size_t(bodyOffset) + size_t(bodyLength) + tailLength);
  uint8_t* body = image.bytes.data() + bodyOffset;
  const auto packed = file.subspan(size_t(bodyOffset), size_t(packedLength));
  if (!InflateExact(packed, body, size_t(bodyLength))) {
    int64_t produced = InflateWithZlib(packed, body, size_t(bodyLength));
    if (produced < bodyLength)
      throw SaveError(
          fmt::format("The save's body is shorter than its stored length ({} of {} bytes): the file is damaged.",
                      produced, bodyLength));
  }
  std::memcpy(image.bytes.data(), file.data(), size_t(bodyOffset) - 4);
  std::memcpy(image.bytes.data() + bodyOffset - 4, "BODY", 4);
  if (tailLength) std::memcpy(body + bodyLength, file.data() + tailOffset, tailLength);
  return image;
}

namespace {

// What a path names when it is no regular file, or "" for a regular file or
// one that cannot be looked at (opening it then tells why).
std::string_view KindOfSpecialFile(const std::string& path) {
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

}  // namespace

ByteBuffer ReadWholeFile(const std::string& path) {
  // Only a regular file is opened: a named pipe would block the reader until
  // some program writes to it, and a device may never end.
  if (const std::string_view kind = KindOfSpecialFile(path); !kind.empty())
    throw SaveError(fmt::format("\"{}\" is {}, not a saved game.", path, kind));
  std::unique_ptr<FILE, decltype(&std::fclose)> f(std::fopen(path.c_str(), "rb"), std::fclose);
  struct stat st {};
  if (!f || fstat(fileno(f.get()), &st) != 0 || !S_ISREG(st.st_mode))
    throw SaveError(fmt::format("Cannot open file \"{}\". {}", path, std::strerror(f ? EISDIR : errno)));
  if (st.st_size > kMaxSaveFileLength)
    throw SaveError(
        fmt::format("\"{}\" holds {} bytes, more than any saved game: it is not read.", path, int64_t(st.st_size)));
  ByteBuffer bytes(size_t(st.st_size));
  size_t got = bytes.empty() ? 0 : std::fread(bytes.data(), 1, bytes.size(), f.get());
  bytes.resize(got);
  if (std::ferror(f.get())) throw SaveError(fmt::format("Cannot read file \"{}\".", path));
  return bytes;
}

std::string FileDateText(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return {};
  std::tm tm{};
  time_t t = st.st_mtime;
  if (!localtime_r(&t, &tm)) return {};
  char text[64];
  size_t n = std::strftime(text, sizeof text, "%x %X", &tm);
  return std::string(text, n);
}

}  // namespace tolvane
