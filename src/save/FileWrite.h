// Writing a whole file at once, for the exports.
#pragma once

#include <filesystem>
#include <string_view>

#include "save/SaveFile.h"

namespace tolvane {

// Writes bytes to a file, replacing it as a whole: they go to a new file
// beside it, which is renamed over it only once every byte is on the disk,
// so that a failure leaves the file that was there as it was. A file that
// holds a saved game is never written over. (A device or named pipe, which
// cannot be replaced, is written into.) Throws SaveError naming the file and
// the reason ("Cannot write "map.txt". No space left on device.").
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);

// Throws SaveError naming the file when it holds a saved game, which
// Tolvane never writes over; does nothing otherwise.
void RefuseToWriteOverASave(const std::filesystem::path& path);

// Writes the decompressed image of a save (WriteBytes).
void WriteSaveImage(const std::filesystem::path& path, const SaveImage& image);

}  // namespace tolvane
