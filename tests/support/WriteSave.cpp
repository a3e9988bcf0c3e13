// Whole saves: the prefix, the inflated body and the container around the
// zlib stream.
#include <zlib.h>

#include <fstream>
#include <stdexcept>
#include <string>

#include "Sections.h"

namespace tolvane::testing {
namespace {

constexpr uint64_t kPrefixSeedSalt = 0x50524546ull;

// Offset of the first byte pair 78 9C in `bytes`, or -1.
int64_t FirstZlibPair(std::span<const uint8_t> bytes) {
  for (size_t i = 0; i + 1 < bytes.size(); ++i) {
    if (bytes[i] == 0x78 && bytes[i + 1] == 0x9C) return int64_t(i);
  }
  return -1;
}

// A generous guess of the body's size, so that writing appends to one
// reserved block.
size_t EstimateBodySize(const SaveDescription& d) {
  const size_t plots =
      d.plots.empty() ? size_t(std::max(0, d.mapWidth)) * size_t(std::max(0, d.mapHeight)) : d.plots.size();
  size_t n = (64 << 10) + plots * 800 + kTeams * 3815 + d.replay.size() * 64;
  for (const ReplayMessageDesc& m : d.replay) n += 2 * m.text.size();
  for (const PlayerDesc& p : d.players) {
    n += 16 << 10;
    n +=
        p.cities.size() * 6600 + size_t(std::max(0, p.unitCount)) * 640 + size_t(std::max(0, p.eventRecordCount)) * 200;
    for (const MessageDesc& m : p.messages) n += 64 + 2 * (m.text.size() + m.auxText1.size() + m.auxText2.size());
    for (const auto& h : p.histories) n += 8 * h.size();
  }
  return n;
}

template <typename Writer>
std::vector<uint8_t> WriteOne(const WriteOptions& options, Writer write) {
  SaveBytes out;
  FieldWriter w(out, options);
  write(w);
  return out.Take();
}

}  // namespace

std::vector<uint8_t> WritePrefix(const SaveDescription& d) {
  WriteOptions options = d.options;
  options.junkSeed ^= kPrefixSeedSalt;
  SaveBytes out(4096);
  FieldWriter w(out, options);
  WriteHeader(w, d);
  return out.Take();
}

std::vector<uint8_t> WriteBody(const SaveDescription& d, BodyLayout* layout) {
  SaveBytes out(EstimateBodySize(d));
  FieldWriter w(out, d.options);
  WriteGameSection(w, d);
  WriteMapSection(w, d, layout);
  if (layout) layout->teamSection = out.Size();
  for (const TeamDesc& t : d.teams) WriteTeamRecord(w, t);
  for (int slot = 0; slot < kSlots; ++slot) {
    if (layout) layout->playerRecords[slot] = out.Size();
    WritePlayerRecord(w, d, slot);
  }
  if (layout) layout->end = out.Size();
  return out.Take();
}

std::vector<uint8_t> Compress(std::span<const uint8_t> body, int level) {
  uLongf size = compressBound(uLong(body.size()));
  std::vector<uint8_t> packed(size);
  if (compress2(packed.data(), &size, body.data(), uLong(body.size()), level) != Z_OK) {
    throw std::runtime_error("compress2 failed");
  }
  packed.resize(size);
  // The level bits of the header are informational; the host game's saves
  // carry the default level's 78 9C, which is what the loader looks for.
  if (packed.size() < 2 || packed[0] != 0x78) throw std::runtime_error("unexpected zlib header");
  packed[1] = 0x9C;
  return packed;
}

std::vector<uint8_t> Inflate(std::span<const uint8_t> packed) {
  z_stream z{};
  if (inflateInit(&z) != Z_OK) throw std::runtime_error("inflateInit failed");
  std::vector<uint8_t> out(std::max<size_t>(packed.size() * 4, 1024));
  z.next_in = const_cast<Bytef*>(packed.data());
  z.avail_in = uInt(packed.size());
  int rc = Z_OK;
  while (rc == Z_OK) {
    if (z.total_out == out.size()) out.resize(out.size() * 2);
    z.next_out = out.data() + z.total_out;
    z.avail_out = uInt(out.size() - z.total_out);
    rc = inflate(&z, Z_NO_FLUSH);
  }
  const size_t total = z.total_out;
  inflateEnd(&z);
  if (rc != Z_STREAM_END) throw std::runtime_error("inflate failed");
  out.resize(total);
  return out;
}

std::vector<uint8_t> PackSave(std::span<const uint8_t> prefix, std::span<const uint8_t> body,
                              std::span<const uint8_t> tail, int level) {
  const std::vector<uint8_t> packed = Compress(body, level);
  SaveBytes out(prefix.size() + 8 + packed.size() + tail.size());
  out.Raw(prefix).Int32(int32_t(body.size())).Int32(int32_t(packed.size())).Raw(packed).Raw(tail);
  return out.Take();
}

std::vector<uint8_t> WriteSaveFile(const SaveDescription& d) {
  const std::vector<uint8_t> prefix = WritePrefix(d);
  const std::vector<uint8_t> body = WriteBody(d);
  const bool prefixHasPair = FirstZlibPair(prefix) >= 0;
  for (int level = d.compressionLevel; level <= 9; ++level) {
    std::vector<uint8_t> file = PackSave(prefix, body, d.tail, level);
    if (d.bodyLengthOverride) PutInt32(file, prefix.size(), *d.bodyLengthOverride);
    if (d.packedLengthOverride) PutInt32(file, prefix.size() + 4, *d.packedLengthOverride);
    // The two lengths are the only bytes before the stream the writer does
    // not choose; when they happen to hold 78 9C, another level (another
    // packed length) is tried, so that the file's first pair is the body's.
    if (prefixHasPair || FirstZlibPair(file) == int64_t(prefix.size() + 8)) return file;
    if (d.bodyLengthOverride || d.packedLengthOverride) break;
  }
  throw std::runtime_error("the save's lengths hold the bytes 78 9C; change the description slightly");
}

void WriteFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!f) throw std::runtime_error("cannot write " + path.string());
}

std::vector<uint8_t> WriteTeamRecord(const TeamDesc& team, const WriteOptions& options) {
  return WriteOne(options, [&](FieldWriter& w) { WriteTeamRecord(w, team); });
}

std::vector<uint8_t> WritePlotRecord(const PlotDesc& plot, const WriteOptions& options) {
  return WriteOne(options, [&](FieldWriter& w) { WritePlotRecord(w, plot); });
}

std::vector<uint8_t> WriteMapListRecord(const WriteOptions& options) {
  return WriteOne(options, [&](FieldWriter& w) { WriteMapListRecord(w); });
}

std::vector<uint8_t> WriteCityRecord(const CityDesc& city, int ownerSlot, const WriteOptions& options) {
  return WriteOne(options, [&](FieldWriter& w) { WriteCityRecord(w, city, ownerSlot); });
}

std::vector<uint8_t> WriteMessageRecord(const MessageDesc& message, const WriteOptions& options) {
  return WriteOne(options, [&](FieldWriter& w) { WriteMessageRecord(w, message); });
}

std::vector<uint8_t> WriteReplayMessage(const ReplayMessageDesc& message, const WriteOptions& options) {
  return WriteOne(options, [&](FieldWriter& w) { WriteReplayMessage(w, message); });
}

std::vector<uint8_t> WritePlayerRecord(const SaveDescription& d, int slot) {
  return WriteOne(d.options, [&](FieldWriter& w) { WritePlayerRecord(w, d, slot); });
}

}  // namespace tolvane::testing
