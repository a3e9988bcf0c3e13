#include "GifFrames.h"

#include <gif_lib.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace tolvane::testing {

namespace {

struct Source {
  const std::vector<uint8_t>* bytes;
  size_t at = 0;
};

int Read(GifFileType* gif, GifByteType* out, int length) {
  auto* source = static_cast<Source*>(gif->UserData);
  const size_t n = std::min(size_t(length), source->bytes->size() - source->at);
  std::memcpy(out, source->bytes->data() + source->at, n);
  source->at += n;
  return int(n);
}

}  // namespace

GifMovie ReadGif(const std::vector<uint8_t>& bytes) {
  GifMovie movie;
  Source source{&bytes};
  int error = 0;
  GifFileType* gif = DGifOpen(&source, &Read, &error);
  if (!gif) {
    movie.error = GifErrorString(error);
    return movie;
  }
  if (DGifSlurp(gif) != GIF_OK) {
    movie.error = GifErrorString(gif->Error);
    DGifCloseFile(gif, &error);
    return movie;
  }
  movie.width = gif->SWidth;
  movie.height = gif->SHeight;
  movie.globalTable = gif->SColorMap != nullptr;
  form::Raster canvas(movie.width, movie.height);
  for (int i = 0; i < gif->ImageCount; ++i) {
    const SavedImage& image = gif->SavedImages[i];
    for (int e = 0; e < image.ExtensionBlockCount; ++e) {
      const ExtensionBlock& block = image.ExtensionBlocks[e];
      if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
          std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0)
        movie.loops = true;
    }
    GifFrame frame;
    GraphicsControlBlock control{};
    if (DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK) {
      frame.delayCs = control.DelayTime;
      frame.disposal = control.DisposalMode;
      frame.transparent = control.TransparentColor;
    }
    const GifImageDesc& d = image.ImageDesc;
    frame.left = d.Left;
    frame.top = d.Top;
    frame.width = d.Width;
    frame.height = d.Height;
    frame.ownTable = d.ColorMap != nullptr;
    const ColorMapObject* table = d.ColorMap ? d.ColorMap : gif->SColorMap;
    frame.tableSize = table ? table->ColorCount : 0;
    for (int y = 0; y < d.Height; ++y)
      for (int x = 0; x < d.Width; ++x) {
        const int index = image.RasterBits[y * d.Width + x];
        if (index == frame.transparent || !table || index >= table->ColorCount) continue;
        const GifColorType c = table->Colors[index];
        if (d.Left + x < movie.width && d.Top + y < movie.height)
          canvas.At(d.Left + x, d.Top + y) = {c.Red, c.Green, c.Blue, 255};
      }
    frame.composed = canvas;
    movie.frames.push_back(std::move(frame));
  }
  DGifCloseFile(gif, &error);
  return movie;
}

GifMovie ReadGifFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return ReadGif(bytes);
}

}  // namespace tolvane::testing
