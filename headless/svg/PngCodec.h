// PNG in memory to 8-bit RGB or RGBA pixels and back, through libpng's simplified interface.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace headless::svg {

struct PixelImage {
    int width = 0;
    int height = 0;
    int channels = 0;  // 3 (RGB) or 4 (RGBA); rows top to bottom, no padding
    std::vector<std::uint8_t> pixels;
};

// Images larger than this many pixels are refused rather than allocated.
constexpr std::int64_t kMaxImagePixels = std::int64_t{1} << 26;

// Throws std::runtime_error with libpng's reason for data that is not a usable PNG.
PixelImage DecodePng(const std::vector<std::uint8_t>& data);
std::vector<std::uint8_t> EncodePng(const PixelImage& image);

}  // namespace headless::svg
