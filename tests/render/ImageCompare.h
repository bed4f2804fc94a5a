// Test utility shared by round-trip and end-to-end tests: render SVG files with rsvg-convert and compare the
// pictures pixel by pixel.
#pragma once

#include <string>

namespace trimora::test {

// For a drawing against its own round trip. Coordinates are written to 1e-4 and arcs become cubics within 3e-4 of
// their radius, so edges move by far less than a pixel: only antialiased edge pixels may change, by a few levels.
// 24 of 255 allows that and still catches any shape, colour or stacking change, which moves whole pixels by much
// more.
constexpr int kRoundTripTolerance = 24;

struct ImageDifference {
    bool sameSize = false;
    int width = 0;
    int height = 0;
    int maxChannelDelta = 0;   // the largest difference of one channel of one pixel, premultiplied, 0..255
    long differingPixels = 0;  // pixels with a channel differing by more than the tolerance
    std::string error;         // a render or decode failure; empty when the comparison ran
};

// Renders `svg` to `png` with rsvg-convert; returns an error text, empty on success.
std::string RenderSvg(const std::string& svg, const std::string& png);

// Compares two PNG files as premultiplied RGBA; a pixel differs when any channel differs by more than `tolerance`.
ImageDifference ComparePngFiles(const std::string& first, const std::string& second, int tolerance);

// Renders both SVG files beside `workDirectory` and compares them.
ImageDifference CompareRenderings(const std::string& firstSvg, const std::string& secondSvg,
                                  const std::string& workDirectory, int tolerance);

}  // namespace trimora::test
