// The image element: embedded PNG pixels or a linked file, and where the picture lies.
#pragma once

#include <pugixml.hpp>

#include <memory>
#include <string>

#include "headless/svg/Length.h"
#include "headless/svg/PngCodec.h"
#include "headless/svg/Subpath.h"
#include "headless/svg/XmlSource.h"

namespace headless::svg {

struct ImageContent {
    std::shared_ptr<PixelImage> pixels;  // embedded PNG; null for a linked file
    std::string href;                    // a linked file, as written
    bool drawsNothing = false;           // zero size, or embedded data that is not PNG: carried unchanged
    Matrix placement;                    // pixel space (column, row) to the root (embedded images)
    Box bounds;                          // the image's viewport in the root
};

// Throws SvgError for a negative size or broken embedded data.
ImageContent ResolveImage(const XmlSource& source, pugi::xml_node image, const Matrix& ctm,
                          const LengthContext& viewport);

}  // namespace headless::svg
