// One object of the art tree and the data each kind of object carries.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "headless/document/CarriedData.h"
#include "headless/document/Ids.h"
#include "headless/document/SharedValue.h"
#include "plugin/sdk/AIArt.h"
#include "plugin/sdk/AIPathStyle.h"
#include "plugin/sdk/AIRasterTypes.h"

namespace headless {

constexpr AIRealMatrix kIdentityMatrix{1, 0, 0, 1, 0, 0};

// Pixels of a raster. Image space has x = column and y = -row: with the identity matrix the pixels cover
// x in [0, width] and y in [-height, 0]. `matrix` maps image space to artwork.
struct RasterData {
    AIRasterRecord info{};
    AIRealMatrix matrix = kIdentityMatrix;
    std::vector<std::uint8_t> pixels;  // rows top to bottom, info.byteWidth bytes each
};

// What few kinds of object carry, kept out of the object record: paths and groups, nearly every object of a
// drawing, leave it empty. Placed art, text frames, symbols and unknown objects: their extent as the reader found
// it, and the matrix that places their own content on the page.
struct ArtDetails {
    AIRealRect extent{};
    AIRealMatrix matrix = kIdentityMatrix;
    std::string linkedFile;   // placed art
    std::string pluginGroup;  // plug-in art
};

// One object. Fields that only some kinds use are shared or kept out of line, so that a drawing of many paths
// costs little more than their segments.
struct Art {
    AIArtType type = kUnknownArt;
    std::int32_t userAttrs = 0;  // kArtSelected | kArtLocked | kArtHidden ...

    // Tree links; children run front (first) to back (last).
    ArtId parent;
    ArtId firstChild;
    ArtId lastChild;
    ArtId prev;
    ArtId next;
    // Position among siblings, increasing front to back: lets the selection be sorted by document order
    // without counting siblings.
    std::uint64_t orderKey = 0;

    LayerId ownerLayer;  // set on a layer's own group only
    ArtId editArt;       // plug-in art: a detached group owned by this object

    // Paths.
    std::vector<AIPathSegment> segments;
    bool closed = false;
    bool guide = false;

    bool clipped = false;  // groups: the first clipping path masks the rest

    // Paths and compound paths (a compound's members carry their own copy). Most drawings use a few styles for
    // many paths: objects with equal styles share one.
    SharedValue<AIPathStyle> style;

    // Rasters.
    std::shared_ptr<RasterData> raster;  // copied on duplicate, never shared between live objects

    // Placed art, text frames, symbols, unknown and plug-in objects.
    SharedValue<ArtDetails> details;

    CarriedData carried;

    bool IsContainer() const { return type == kGroupArt || type == kCompoundPathArt; }
};

struct Layer {
    std::string title;  // UTF-8
    bool visible = true;
    bool editable = true;
    bool preview = true;
    ArtId group;
    LayerId parentLayer;  // set for sublayers, whose group lies in the parent layer's tree
    CarriedData carried;
};

struct GradientStop {
    AIReal offset = 0;  // 0..1
    AIColor color{};
    AIReal opacity = 1;
};

enum class GradientType { kLinear, kRadial };

// A gradient of the document; where it lies on a shape is in the shape's AIGradientStyle.
struct Gradient {
    GradientType type = GradientType::kLinear;
    std::vector<GradientStop> stops;
    std::string spreadMethod;  // "pad" unless the file said otherwise
    CarriedData carried;
};

// An appearance that can be given to any path: its path style and the named values a file gave beside it.
struct ArtStyle {
    AIPathStyle style{};
    CarriedData carried;
};

}  // namespace headless
