#include "form/LoadedSave.h"

#include <fmt/format.h>

#include "save/SaveError.h"
#include "save/Utf8Path.h"

namespace tolvane::form {

LoadedSave LoadSave(const std::string& path, const ScoreFactors& factors) {
  LoadedSave save;
  save.path = path;
  const std::filesystem::path file = PathFromUtf8(path);
  // The file's own messages name it; what is wrong inside it is said after
  // its name.
  ByteBuffer bytes = ReadWholeFile(file);
  try {
    save.image = SpliceSave(bytes);
    ByteBuffer().swap(bytes);  // the image holds all that is needed now
    save.analysis = SaveAnalyse(save.image, factors);
  } catch (const SaveError& e) {
    throw SaveError(fmt::format("Cannot load \"{}\". {}", path, e.what()), e.what());
  }
  save.fileDate = FileDateText(file);
  return save;
}

Analysis AnalyseSave(const std::string& path, const ScoreFactors& factors, SaveBuffers& buffers,
                     SessionScanThread scanThread) {
  ReadWholeFile(PathFromUtf8(path), buffers.file);
  try {
    SpliceSave(buffers.file, buffers.image);
    return SaveAnalyse(buffers.image, factors, scanThread);
  } catch (const SaveError& e) {
    throw SaveError(fmt::format("Cannot load \"{}\". {}", path, e.what()), e.what());
  }
}

LoadOutcome TryLoadSave(const std::string& path, const ScoreFactors& factors) {
  try {
    return {LoadSave(path, factors), {}};
  } catch (const SaveError& e) {
    return {std::nullopt, e.what(), e.Reason()};
  }
}

}  // namespace tolvane::form
