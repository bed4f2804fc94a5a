// A small 16-colour image with the few drawing operations the dialog pictures need, written out as a 4-bit BMP.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <vector>

namespace trimora::tools {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

using Palette = std::array<Rgb, 16>;

// Pixel coordinates: x to the right, y downwards; the pixel (x, y) covers [x, x + 1) x [y, y + 1).
struct Point {
    double x;
    double y;
};

class IndexedImage {
public:
    IndexedImage(int width, int height, std::uint8_t background);

    int Width() const { return width_; }
    int Height() const { return height_; }
    std::uint8_t At(int x, int y) const;
    // Pixels outside the image are ignored, so shapes may run over the edge.
    void Set(int x, int y, std::uint8_t colour);

    // Fills the pixels whose centres lie inside the polygon (even-odd rule); the pixels of the filled area that
    // touch an unfilled neighbour take the edge colour, which gives the shape a one-pixel outline.
    void FillPolygon(std::span<const Point> polygon, std::uint8_t fill, std::uint8_t edge);
    // A one-pixel line along a cubic Bezier curve.
    void StrokeCubic(Point start, Point control1, Point control2, Point end, std::uint8_t colour);
    void StrokeLine(Point from, Point to, std::uint8_t colour);
    // The one-pixel border of the rectangle [left, right] x [top, bottom], inclusive; with a dash length, the
    // border is drawn in dashes of that many pixels separated by gaps of the gap length.
    void StrokeRect(int left, int top, int right, int bottom, std::uint8_t colour, int dash = 0, int gap = 0);
    // Copies the pixels of another image placed at (left, top) for which the predicate, given the pixel's
    // position in the source, holds.
    void Blit(const IndexedImage& source, int left, int top, const std::function<bool(int, int)>& take);

    // The image as a Windows bitmap file: 4 bits per pixel, 16-entry palette, uncompressed, bottom-up rows.
    std::vector<std::uint8_t> EncodeBmp(const Palette& palette) const;

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> pixels_;
};

void WriteFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
// An RGB PNG of the image, for looking at the pictures; throws std::runtime_error when writing fails.
void WritePng(const std::filesystem::path& path, const IndexedImage& image, const Palette& palette);

}  // namespace trimora::tools
