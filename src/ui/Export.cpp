// "Save File": the decompressed image and the map grid.
#include <string_view>

#include "save/FileWrite.h"
#include "save/SaveError.h"
#include "ui/Form.h"
#include "ui/exports/MapText.h"

namespace tolvane::ui {

std::string Form::MapText() const { return ui::MapText(model_); }

void Form::Button2Click(const std::string& imagePath) {
  const auto& bytes = image_.bytes;
  try {
    if (!imagePath.empty()) WriteBytes(imagePath, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  } catch (const SaveError& e) {
    AddMessage(e.what());
  }
  try {
    WriteBytes("map.txt", MapText());
  } catch (const SaveError& e) {
    AddMessage(e.what());
  }
}

}  // namespace tolvane::ui
