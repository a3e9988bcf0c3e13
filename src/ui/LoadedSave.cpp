#include "ui/LoadedSave.h"

namespace tolvane::ui {

LoadedSave LoadSave(const std::string& path, const ScoreFactors& factors) {
  LoadedSave save;
  save.path = path;
  save.image = SpliceSave(ReadWholeFile(path));
  save.analysis = SaveAnalyse(save.image, factors);
  save.fileDate = FileDateText(path);
  return save;
}

}  // namespace tolvane::ui
