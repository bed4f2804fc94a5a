// Drawing and encoding of the 16-colour dialog pictures.
#include "plugin/resources/tools/IndexedImage.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace trimora::tools {

namespace {

bool InsidePolygon(std::span<const Point> polygon, double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point& a = polygon[i];
        const Point& b = polygon[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
}

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu));
}

}  // namespace

IndexedImage::IndexedImage(int width, int height, std::uint8_t background)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), background) {}

std::uint8_t IndexedImage::At(int x, int y) const {
    return pixels_[static_cast<std::size_t>(y * width_ + x)];
}

void IndexedImage::Set(int x, int y, std::uint8_t colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y * width_ + x)] = colour;
}

void IndexedImage::FillPolygon(std::span<const Point> polygon, std::uint8_t fill, std::uint8_t edge) {
    std::vector<bool> mask(pixels_.size(), false);
    auto covered = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < width_ && y < height_ && mask[static_cast<std::size_t>(y * width_ + x)];
    };
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            mask[static_cast<std::size_t>(y * width_ + x)] = InsidePolygon(polygon, x + 0.5, y + 0.5);
        }
    }
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (!covered(x, y)) continue;
            const bool border = !covered(x - 1, y) || !covered(x + 1, y) || !covered(x, y - 1) || !covered(x, y + 1);
            Set(x, y, border ? edge : fill);
        }
    }
}

void IndexedImage::StrokeCubic(Point start, Point control1, Point control2, Point end, std::uint8_t colour) {
    constexpr int kSteps = 2000;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = static_cast<double>(i) / kSteps;
        const double u = 1.0 - t;
        const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
        const double x = a * start.x + b * control1.x + c * control2.x + d * end.x;
        const double y = a * start.y + b * control1.y + c * control2.y + d * end.y;
        Set(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)), colour);
    }
}

void IndexedImage::StrokeLine(Point from, Point to, std::uint8_t colour) {
    StrokeCubic(from, from, to, to, colour);
}

void IndexedImage::StrokeRect(int left, int top, int right, int bottom, std::uint8_t colour, int dash, int gap) {
    // Walk the border clockwise from the top-left corner so that the dashes run on around the corners.
    std::vector<std::pair<int, int>> border;
    for (int x = left; x < right; ++x)
        border.emplace_back(x, top);
    for (int y = top; y < bottom; ++y)
        border.emplace_back(right, y);
    for (int x = right; x > left; --x)
        border.emplace_back(x, bottom);
    for (int y = bottom; y > top; --y)
        border.emplace_back(left, y);
    for (std::size_t i = 0; i < border.size(); ++i) {
        const bool drawn = dash <= 0 || static_cast<int>(i) % (dash + gap) < dash;
        if (drawn) Set(border[i].first, border[i].second, colour);
    }
}

void IndexedImage::Blit(const IndexedImage& source, int left, int top, const std::function<bool(int, int)>& take) {
    for (int y = 0; y < source.height_; ++y) {
        for (int x = 0; x < source.width_; ++x) {
            if (take(x, y)) Set(left + x, top + y, source.At(x, y));
        }
    }
}

std::vector<std::uint8_t> IndexedImage::EncodeBmp(const Palette& palette) const {
    constexpr std::uint32_t kFileHeaderSize = 14;
    constexpr std::uint32_t kInfoHeaderSize = 40;
    constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch
    const std::uint32_t rowBytes = ((static_cast<std::uint32_t>(width_) * 4 + 31) / 32) * 4;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height_);
    const std::uint32_t pixelOffset =
        kFileHeaderSize + kInfoHeaderSize + 4 * static_cast<std::uint32_t>(palette.size());

    std::vector<std::uint8_t> out;
    out.reserve(pixelOffset + imageBytes);
    out.push_back('B');
    out.push_back('M');
    PutLittleEndian(out, pixelOffset + imageBytes, 4);
    PutLittleEndian(out, 0, 4);  // two reserved words
    PutLittleEndian(out, pixelOffset, 4);

    PutLittleEndian(out, kInfoHeaderSize, 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(width_), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(height_), 4);  // positive: rows stored bottom-up
    PutLittleEndian(out, 1, 2);                                    // planes
    PutLittleEndian(out, 4, 2);                                    // bits per pixel
    PutLittleEndian(out, 0, 4);                                    // BI_RGB, uncompressed
    PutLittleEndian(out, imageBytes, 4);
    PutLittleEndian(out, kPixelsPerMetre, 4);
    PutLittleEndian(out, kPixelsPerMetre, 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(palette.size()), 4);  // colours used
    PutLittleEndian(out, 0, 4);                                           // all colours important

    for (const Rgb& colour : palette) {
        out.push_back(colour.blue);
        out.push_back(colour.green);
        out.push_back(colour.red);
        out.push_back(0);
    }
    for (int y = height_ - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(rowBytes, 0);
        for (int x = 0; x < width_; ++x) {
            const auto shift = (x % 2 == 0) ? 4 : 0;  // the left pixel of a pair sits in the high nibble
            row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>((At(x, y) & 0x0Fu) << shift);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

void WriteFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) throw std::runtime_error("cannot write " + path.string());
}

void WritePng(const std::filesystem::path& path, const IndexedImage& image, const Palette& palette) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file) throw std::runtime_error("cannot open " + path.string());
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("cannot start a PNG for " + path.string());
    }
    std::vector<png_byte> row(static_cast<std::size_t>(image.Width()) * 3);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("cannot write " + path.string());
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.Width()), static_cast<png_uint_32>(image.Height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb& colour = palette[image.At(x, y) & 0x0Fu];
            row[static_cast<std::size_t>(x) * 3] = colour.red;
            row[static_cast<std::size_t>(x) * 3 + 1] = colour.green;
            row[static_cast<std::size_t>(x) * 3 + 2] = colour.blue;
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
}

}  // namespace trimora::tools
