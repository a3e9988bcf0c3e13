#include "save/FileWrite.h"

#include <fmt/format.h>

#include <cstdio>
#include <memory>

#include "save/SaveError.h"

namespace tolvane {

void WriteBytes(const std::string& path, std::string_view bytes) {
  std::unique_ptr<FILE, decltype(&std::fclose)> f(std::fopen(path.c_str(), "wb"), std::fclose);
  // An empty text may have no buffer at all: nothing to hand to fwrite then.
  if (!f || (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()))
    throw SaveError(fmt::format("Cannot write file \"{}\".", path));
}

}  // namespace tolvane
