// `--preview`: the drawing before and after the run side by side, the region's outline drawn over both, as PNG.
#pragma once

#include <string>

#include "headless/cli/RegionDocument.h"

namespace headless::app {

// Space between the two pictures, in pixels.
constexpr int kPreviewGap = 16;

// The file read again with nothing but its region, stroked so that it shows over any drawing: the same page and
// the same user space as the file, so that it lies exactly over both pictures. Throws svg::SvgError.
std::string RegionOutlineSvg(const std::string& file, const RegionChoice& region);

// Renders both documents at the page's size (width and height in pixels, rounded up), each on white with the
// outline over it, and writes the PNG whole. Throws CommandError when a document cannot be rendered and
// svg::FileWriteError when the file cannot be written.
void WritePreview(const std::string& beforeSvg, const std::string& afterSvg, const std::string& outlineSvg,
                  double pageWidth, double pageHeight, const std::string& pngPath);

}  // namespace headless::app
