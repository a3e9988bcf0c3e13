// A save read from its file and analysed, ready for a form to show. Reading
// touches no form, so that a window can read on a worker thread and show on
// its own.
#pragma once

#include <optional>
#include <string>

#include "analysis/Model.h"
#include "analysis/SaveAnalyse.h"
#include "save/SaveFile.h"

namespace tolvane::form {

struct LoadedSave {
  std::string path;      // as the user gave it (UTF-8)
  std::string fileDate;  // the file's last-write time, as the file bar shows it
  Analysis analysis;
  SaveImage image;
};

// Reads, inflates and analyses the save at `path` (UTF-8 text), scoring
// every player with the game score's factors. Throws SaveError with a
// message for the user that names the file.
LoadedSave LoadSave(const std::string& path, const ScoreFactors& factors);

// What a reader of many saves keeps from one save to the next: the file's
// bytes and the decompressed image, their buffers reused so that each save
// costs no fresh allocation of its size.
struct SaveBuffers {
  ByteBuffer file;
  SaveImage image;
};

// Reads, inflates and analyses the save at `path` as LoadSave does (the same
// messages), the file and its image into `buffers`; the analysis needs
// neither afterwards. The session scan runs on `scanThread`.
Analysis AnalyseSave(const std::string& path, const ScoreFactors& factors, SaveBuffers& buffers,
                     SessionScanThread scanThread);

// The same, the failure as its message: a save, or else why there is none
// (the message, and the reason without the file's name).
struct LoadOutcome {
  std::optional<LoadedSave> save;
  std::string error;
  std::string reason;
};
LoadOutcome TryLoadSave(const std::string& path, const ScoreFactors& factors);

}  // namespace tolvane::form
