// The resolved SVG tree: what the reader makes of a file before it becomes a document. Styles are cascaded, units
// and `use` resolved, shapes turned into cubic subpaths, transforms applied: every coordinate is in the root's
// user space (y down).
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "headless/document/SharedValue.h"
#include "headless/svg/Color.h"
#include "headless/svg/PngCodec.h"
#include "headless/svg/Style.h"
#include "headless/svg/Subpath.h"

namespace headless::svg {

using KeptAttributes = std::map<std::string, std::string>;

struct GradientStopValue {
    double offset = 0;
    Rgb color;
    double opacity = 1;
};

// A gradient element with its href chain resolved (stops and attributes inherited).
struct GradientDefinition {
    std::string id;
    bool radial = false;
    std::vector<GradientStopValue> stops;
    std::string spreadMethod = "pad";
    bool boundingBoxUnits = true;  // gradientUnits="objectBoundingBox", the default
};

// Where a gradient lies: its vector in gradient space and the matrix from there to the root's user space
// (gradientTransform, the bounding box for objectBoundingBox units, and the element's transforms).
struct GradientPlacement {
    int definition = -1;  // index into SvgTree::gradients
    Matrix toRoot;
    Point start;  // linear: (x1, y1); radial: centre
    Point end;    // linear: (x2, y2)
    Point focus;  // radial
    double radius = 0;
};

enum class PaintKind { kNone, kColor, kGradient, kOther };

struct ResolvedPaint {
    PaintKind kind = PaintKind::kNone;
    Rgb color;
    SharedValue<GradientPlacement> gradient;  // kGradient; out of line, as few paints are gradients
    std::string text;                         // kOther: the value as written (a pattern or other paint server)
};

struct PathPaint {
    ResolvedPaint fill;
    ResolvedPaint stroke;
    double strokeWidth = 1;  // scaled into root units
    LineCap cap = LineCap::kButt;
    LineJoin join = LineJoin::kMiter;
    double miterLimit = 4;
    std::vector<double> dashes;  // scaled into root units
    double dashOffset = 0;
    bool evenOdd = false;
};

enum class NodeKind { kGroup, kPath, kText, kImage, kUse, kUnknown };

struct LayerInfo {
    std::string title;
    bool visible = true;
    bool editable = true;
    bool preview = true;
};

struct Node {
    NodeKind kind = NodeKind::kGroup;
    std::string tag;  // element name as written
    int line = 0;
    std::string id;
    KeptAttributes kept;  // attributes written back unchanged
    bool hidden = false;
    bool locked = false;
    bool selected = false;

    // Groups. A layer group carries `layer`; a clip group its clipping subpaths.
    std::vector<Node> children;
    bool isLayer = false;
    LayerInfo layer;
    bool clipped = false;
    std::vector<Subpath> clip;
    bool clipEvenOdd = false;

    // Paths.
    std::vector<Subpath> subpaths;
    PathPaint paint;
    bool guide = false;

    // Images: embedded pixels, or the linked file; `placement` maps pixel space (column, row) to root space.
    std::shared_ptr<PixelImage> pixels;
    std::string href;
    Matrix placement;

    // Text, use and unknown elements: the element as XML with its transform made absolute, and its bounds.
    std::string xml;
    Box bounds;
};

struct SvgTree {
    KeptAttributes rootAttributes;  // the root element's attributes, namespaces included
    double width = 0;               // the page in user units
    double height = 0;
    std::vector<Node> nodes;  // the root's children, back to front as in the file
    std::vector<GradientDefinition> gradients;
    // Elements outside the art (title, metadata, style sheets) and definitions that kept attributes or carried
    // elements may refer to, as XML.
    std::vector<std::string> preamble;
    std::vector<std::string> definitions;
    // What the reader kept without understanding it, as "file:line: <element>: what" texts.
    std::vector<std::string> warnings;
};

}  // namespace headless::svg
