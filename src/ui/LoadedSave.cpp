#include "ui/LoadedSave.h"

#include "save/SaveError.h"

namespace tolvane::ui {

LoadedSave LoadSave(const std::string& path, const ScoreFactors& factors) {
  LoadedSave save;
  save.path = path;
  save.image = SpliceSave(ReadWholeFile(path));
  save.analysis = SaveAnalyse(save.image, factors);
  save.fileDate = FileDateText(path);
  return save;
}

LoadOutcome TryLoadSave(const std::string& path, const ScoreFactors& factors) {
  try {
    return {LoadSave(path, factors), {}};
  } catch (const SaveError& e) {
    return {std::nullopt, e.what()};
  }
}

}  // namespace tolvane::ui
