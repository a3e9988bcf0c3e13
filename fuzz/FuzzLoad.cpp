// Feeds arbitrary bytes to the whole load-and-analyse path, up to the pages
// the window fills from the analysis. The first byte
// picks what the rest is: a save file as it lies on disk (the container,
// inflation and the walk), or a decompressed image whose body offset follows
// in four bytes, so that mutations reach deep into the walk instead of
// breaking the compressed stream. Every input must end in a result or a
// clean SaveError, never in a crash.
#include <cstdint>
#include <cstring>
#include <span>

#include "analysis/SaveAnalyse.h"
#include "form/Form.h"
#include "form/exports/MapText.h"
#include "save/SaveError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tolvane;
  if (size < 1) return 0;
  std::span<const uint8_t> rest(data + 1, size - 1);
  try {
    SaveImage image;
    if (data[0] % 2 == 0) {
      image = SpliceSave(rest);
    } else {
      if (rest.size() < 4) return 0;
      uint32_t offset;
      std::memcpy(&offset, rest.data(), 4);
      image.bytes.assign(rest.begin() + 4, rest.end());
      image.bodyOffset = int32_t(offset % (image.bytes.size() + 1));
      image.bodyLength = int32_t(image.bytes.size()) - image.bodyOffset;
    }
    Analysis a = SaveAnalyse(image, ScoreFactors{});
    (void)tolvane::form::MapText(a);
    // The pages, and the selectors moved to the last player as a user
    // would. A fresh form for every input: a crash reproduces from its input
    // alone.
    form::Form form;
    form.Show(std::move(a), std::move(image));
    for (form::ComboBox* selector : {&form.player.playerSelector, &form.playerLog.playerSelector,
                                     &form.cities.playerSelector, &form.attitudes.leaderSelector})
      if (!selector->Items().empty()) selector->Select(int(selector->Items().size()) - 1);
    form.graph.showAi.Click();
    form.playerLog.showCombats.Click();
    // The map picture with every layer, and the plot text of its corners.
    form.world.showResources.Click();
    (void)form.world.picture.Image();
    for (int32_t x : {0, form.world.MapWidth() - 1})
      for (int32_t y : {0, form.world.MapHeight() - 1}) form.world.PointAt(x, y);
  } catch (const SaveError&) {
  }
  return 0;
}
