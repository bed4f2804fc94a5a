// Image resolution: data: URIs with base64 PNG become pixels placed by preserveAspectRatio; anything else is a
// link or is carried as it is.
#include "headless/svg/Images.h"

#include <algorithm>
#include <stdexcept>

#include "headless/svg/Base64.h"
#include "headless/svg/Gradients.h"

namespace headless::svg {

namespace {

// The pixel-to-viewport matrix of preserveAspectRatio (slice is placed like meet's opposite; its overflow is
// not clipped).
Matrix FitMatrix(std::string_view aspect, double x, double y, double w, double h, double pixelsW, double pixelsH) {
    const double sx = w / pixelsW, sy = h / pixelsH;
    if (aspect.find("none") != std::string_view::npos) return {sx, 0, 0, sy, x, y};
    const bool slice = aspect.find("slice") != std::string_view::npos;
    const double s = slice ? std::max(sx, sy) : std::min(sx, sy);
    double alignX = 0.5, alignY = 0.5;
    if (aspect.find("xMin") != std::string_view::npos) alignX = 0;
    if (aspect.find("xMax") != std::string_view::npos) alignX = 1;
    if (aspect.find("YMin") != std::string_view::npos) alignY = 0;
    if (aspect.find("YMax") != std::string_view::npos) alignY = 1;
    return {s, 0, 0, s, x + (w - pixelsW * s) * alignX, y + (h - pixelsH * s) * alignY};
}

}  // namespace

ImageContent ResolveImage(const XmlSource& source, pugi::xml_node image, const Matrix& ctm,
                          const LengthContext& viewport) {
    ImageContent result;
    auto length = [&](const char* name, LengthAxis axis) {
        const pugi::xml_attribute a = image.attribute(name);
        if (!a) return 0.0;
        const auto value = ParseLength(a.value(), viewport, axis);
        if (!value) source.Fail(image, std::string("bad ") + name + " '" + a.value() + "'");
        return *value;
    };
    const double x = length("x", LengthAxis::kX), y = length("y", LengthAxis::kY);
    const double w = length("width", LengthAxis::kX), h = length("height", LengthAxis::kY);
    if (w < 0 || h < 0) source.Fail(image, "negative width or height");
    Box viewportBox;
    viewportBox.Add(Point{x, y});
    viewportBox.Add(Point{x + w, y + h});
    result.bounds = TransformedBox(viewportBox, ctm);
    const std::string_view href = HrefAttribute(image).value();
    if (w == 0 || h == 0) {
        result.drawsNothing = true;
        return result;
    }
    if (!href.starts_with("data:")) {
        result.href = std::string(href);
        result.placement = ctm * Matrix::Translate(x, y);
        return result;
    }
    const size_t comma = href.find(',');
    const std::string_view header = href.substr(0, comma);
    if (comma == std::string_view::npos || header.find("image/png") == std::string_view::npos ||
        header.find(";base64") == std::string_view::npos) {
        result.drawsNothing = true;  // other formats are carried as they are
        return result;
    }
    const auto bytes = Base64Decode(href.substr(comma + 1));
    if (!bytes) source.Fail(image, "embedded image data is not valid base64");
    try {
        result.pixels = std::make_shared<PixelImage>(DecodePng(*bytes));
    } catch (const std::runtime_error& e) {
        source.Fail(image, e.what());
    }
    result.placement = ctm * FitMatrix(image.attribute("preserveAspectRatio").value(), x, y, w, h, result.pixels->width,
                                       result.pixels->height);
    return result;
}

}  // namespace headless::svg
