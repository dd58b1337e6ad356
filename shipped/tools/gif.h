// Writes a palette image as a GIF89a file (LZW compressed), since Qt has no GIF writer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace shipped {

struct PaletteImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> palette;  // 0xRRGGBB, at most 256 entries
  std::vector<std::uint8_t> pixels;    // palette indices, row by row
};

std::vector<std::uint8_t> encodeGif(const PaletteImage& image);

}  // namespace shipped
