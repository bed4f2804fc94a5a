// PNG decoding and encoding; alpha is kept only when the file has it.
#include "headless/svg/PngCodec.h"

#include <png.h>

#include <stdexcept>

namespace headless::svg {

namespace {

constexpr std::int64_t kMaxDeflateRatio = 1032;

}  // namespace

PixelImage DecodePng(const std::vector<std::uint8_t>& data) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data.data(), data.size()))
        throw std::runtime_error(std::string("not a readable PNG: ") + image.message);
    PixelImage result;
    const bool hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    image.format = hasAlpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    result.width = static_cast<int>(image.width);
    result.height = static_cast<int>(image.height);
    result.channels = hasAlpha ? 4 : 3;
    if (image.width == 0 || image.height == 0 ||
        static_cast<std::int64_t>(image.width) * image.height > kMaxImagePixels) {
        png_image_free(&image);
        throw std::runtime_error("PNG of " + std::to_string(image.width) + " x " + std::to_string(image.height) +
                                 " pixels is too large");
    }
    // Deflate packs at most 1032 bytes into one, and a pixel takes at least one bit: data shorter than that
    // bound cannot hold the declared pixels, so a tiny file cannot make us allocate for a huge image.
    if (static_cast<std::int64_t>(image.width) * image.height / 8 > kMaxDeflateRatio * std::int64_t(data.size())) {
        png_image_free(&image);
        throw std::runtime_error("PNG data is too short for " + std::to_string(image.width) + " x " +
                                 std::to_string(image.height) + " pixels");
    }
    result.pixels.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, result.pixels.data(), 0, nullptr))
        throw std::runtime_error(std::string("broken PNG data: ") + image.message);
    return result;
}

std::vector<std::uint8_t> EncodePng(const PixelImage& pixels) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(pixels.width);
    image.height = static_cast<png_uint_32>(pixels.height);
    image.format = pixels.channels == 4 ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    const size_t expected = static_cast<size_t>(pixels.width) * pixels.height * pixels.channels;
    if ((pixels.channels != 3 && pixels.channels != 4) || pixels.pixels.size() != expected || pixels.width <= 0 ||
        pixels.height <= 0)
        throw std::runtime_error("pixel buffer does not match its size");
    png_alloc_size_t size = 0;
    if (!png_image_write_get_memory_size(image, size, 0, pixels.pixels.data(), 0, nullptr))
        throw std::runtime_error(std::string("cannot encode PNG: ") + image.message);
    std::vector<std::uint8_t> out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, pixels.pixels.data(), 0, nullptr))
        throw std::runtime_error(std::string("cannot encode PNG: ") + image.message);
    out.resize(size);
    return out;
}

}  // namespace headless::svg
