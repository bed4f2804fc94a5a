// Making layers, art, styles, gradients and rasters of the document from the resolved tree.
#include "headless/svg/DocumentImport.h"

#include <cmath>
#include <numbers>
#include <unordered_set>

#include "headless/document/SdkGeometry.h"
#include "headless/geometry/Tolerance.h"
#include "headless/svg/NumberFormat.h"
#include "headless/svg/SvgError.h"

namespace headless::svg {

namespace {

AIRealPoint ToArtwork(Point p) {
    return {p.x, -p.y};
}

AIRealRect ToArtworkRect(const Box& box) {
    if (box.IsEmpty()) return {};
    return {box.minX, -box.minY, box.maxX, -box.maxY};
}

// Anchors with their handles, in artwork coordinates.
std::vector<AIPathSegment> ToSegments(const Subpath& s) {
    std::vector<AIPathSegment> segments;
    const geometry::BezierPath path = PathOfSubpath(s);
    segments.reserve(path.anchors.size());
    for (const geometry::Anchor& a : path.anchors)
        segments.push_back({ToArtwork(a.p), ToArtwork(a.in), ToArtwork(a.out), 1});
    for (AIPathSegment& seg : segments) {
        // Smooth when the handles are on one line through the anchor, on opposite sides.
        const double ax = seg.in.h - seg.p.h, ay = seg.in.v - seg.p.v, bx = seg.out.h - seg.p.h,
                     by = seg.out.v - seg.p.v;
        const double cross = ax * by - ay * bx, dot = ax * bx + ay * by;
        const double scale = std::hypot(ax, ay) * std::hypot(bx, by);
        seg.corner = !(scale > 0 && std::fabs(cross) <= geometry::kParallelSine * scale && dot < 0);
    }
    return segments;
}

AIColor ThreeColor(Rgb c) {
    AIColor color{};
    color.kind = kThreeColor;
    color.c.rgb = {c.red / 255.0, c.green / 255.0, c.blue / 255.0};
    return color;
}

AIGradientStyle Placement(const GradientPlacement& g, bool radial, AIGradientHandle handle) {
    AIGradientStyle style{};
    style.gradient = handle;
    const Matrix toArtwork = kSvgToArtwork * g.toRoot;
    // With a similarity the gradient is described on the page itself and the matrix stays the identity;
    // otherwise origin, angle and length are in gradient space and the matrix carries them to the page.
    const bool onPage = toArtwork.IsSimilarity();
    const Matrix pointMap = onPage ? toArtwork : Matrix{};
    const Point origin = pointMap.Apply(g.start);
    style.gradientOrigin = {origin.x, origin.y};
    style.matrix = onPage ? AIRealMatrix{1, 0, 0, 1, 0, 0} : ToAIMatrix(toArtwork);
    auto degrees = [](double dx, double dy) { return std::atan2(dy, dx) * 180 / std::numbers::pi; };
    if (!radial) {
        const Point end = pointMap.Apply(g.end);
        style.gradientAngle = degrees(end.x - origin.x, end.y - origin.y);
        style.gradientLength = geometry::Distance(origin, end);
        return style;
    }
    const Point focus = pointMap.Apply(g.focus);
    style.gradientLength = g.radius * (onPage ? toArtwork.MeanScale() : 1);
    style.hiliteAngle = degrees(focus.x - origin.x, focus.y - origin.y);
    style.hiliteLength = style.gradientLength > 0 ? geometry::Distance(origin, focus) / style.gradientLength : 0;
    return style;
}

// About how many objects the nodes become (a compound path is itself and one member a subpath), so that the
// document's store sizes its table once.
std::size_t ObjectsOf(const std::vector<Node>& nodes) {
    std::size_t n = nodes.size();
    for (const Node& node : nodes)
        n += ObjectsOf(node.children) + (node.subpaths.size() > 1 ? node.subpaths.size() : 0);
    return n;
}

class Importer {
public:
    Importer(SvgTree& tree, Document& document, const ReadOptions& options, const std::string& file)
        : tree_(tree), doc_(document), file_(file), select_(options.select.begin(), options.select.end()) {}

    void Run() {
        doc_.page.width = tree_.width;
        doc_.page.height = tree_.height;
        doc_.page.carried.attributes = tree_.rootAttributes;
        std::string store = std::string("<") + kPreambleElement + ">";
        for (const std::string& e : tree_.preamble)
            store += e;
        store += std::string("</") + kPreambleElement + "><" + kDefinitionsElement + ">";
        for (const std::string& e : tree_.definitions)
            store += e;
        store += std::string("</") + kDefinitionsElement + ">";
        doc_.page.carried.element = std::move(store);
        for (const GradientDefinition& definition : tree_.gradients) {
            Gradient g;
            g.type = definition.radial ? GradientType::kRadial : GradientType::kLinear;
            g.spreadMethod = definition.spreadMethod;
            g.carried.id = definition.id;
            // The writer measures such a gradient on the box again where the path kept its user space.
            if (definition.boundingBoxUnits) g.carried.attributes.Edit()["gradientUnits"] = "objectBoundingBox";
            for (const GradientStopValue& stop : definition.stops)
                g.stops.push_back({stop.offset, ThreeColor(stop.color), stop.opacity});
            gradients_.push_back(doc_.AddGradient(std::move(g)));
        }
        doc_.ReserveArt(ObjectsOf(tree_.nodes));
        // The first layer in the file is the bottom one.
        for (Node& node : tree_.nodes) {
            LayerId layer;
            Check(doc_.InsertLayer({}, kPlaceAboveAll, &layer), node);
            FillLayer(layer, node);
        }
        if (doc_.CountLayers() > 0) doc_.SetCurrentLayer(doc_.NthLayer(0));
        for (const std::string& id : select_)
            if (!found_.contains(id)) ThrowSvgError(file_, 0, "", "no object with id '" + id + "' to select");
    }

private:
    void Check(AIErr err, const Node& node) const {
        if (err)
            ThrowSvgError(file_, node.line, node.tag,
                          "the document refused the object (error " + std::to_string(err) + ")");
    }

    void FillLayer(LayerId id, Node& node) {
        Layer& layer = *doc_.FindLayer(id);
        layer.title = node.layer.title;
        layer.visible = node.layer.visible;
        layer.editable = node.layer.editable;
        layer.preview = node.layer.preview;
        layer.carried.attributes = node.kept;
        layer.carried.id = node.id;
        const ArtId group = layer.group;
        Art& art = *doc_.Find(group);
        art.carried.id = node.id;
        // A sublayer's flags are also its group's attributes, which is where the art walk looks.
        if (layer.parentLayer)
            doc_.SetUserAttr(group, kArtHidden | kArtLocked,
                             (layer.visible ? 0 : kArtHidden) | (layer.editable ? 0 : kArtLocked));
        MarkSelected(group, node);
        FillGroup(group, node);
    }

    void MarkSelected(ArtId id, const Node& node) {
        if (node.id.empty() || !select_.contains(node.id)) return;
        found_.insert(node.id);
        doc_.SetUserAttr(id, kArtSelected, kArtSelected);
    }

    // Each child's node is emptied once its object is made, so that the tree and the document are never held
    // whole at the same time.
    void FillGroup(ArtId group, Node& node) {
        for (Node& child : node.children) {
            AddNode(group, child);
            child = Node{};
        }
        // The clipping path goes in last, on top: it is the group's first child.
        if (node.clipped) {
            AIPathStyle style{};
            style.clip = 1;
            style.evenodd = node.clipEvenOdd;
            MakePath(group, node.clip, style, CarriedData{}, node);
            doc_.Find(group)->clipped = true;
        }
    }

    ArtId NewArt(AIArtType type, ArtId parent, const Node& node) {
        ArtId id;
        Check(doc_.NewArt(type, kPlaceInsideOnTop, parent, &id), node);
        return id;
    }

    // A path, or a compound path of several subpaths whose members share the style.
    ArtId MakePath(ArtId parent, const std::vector<Subpath>& subpaths, const AIPathStyle& style, CarriedData keep,
                   const Node& node) {
        const SharedValue<AIPathStyle> shared = doc_.ShareStyle(style);
        if (subpaths.size() == 1) {
            const ArtId id = NewArt(kPathArt, parent, node);
            SetPath(*doc_.Find(id), subpaths[0], shared);
            doc_.Find(id)->carried = std::move(keep);
            return id;
        }
        const ArtId compound = NewArt(kCompoundPathArt, parent, node);
        doc_.Find(compound)->style = shared;
        doc_.Find(compound)->carried = std::move(keep);
        // Members in file order, the first subpath frontmost.
        for (auto it = subpaths.rbegin(); it != subpaths.rend(); ++it)
            SetPath(*doc_.Find(NewArt(kPathArt, compound, node)), *it, shared);
        return compound;
    }

    static void SetPath(Art& art, const Subpath& subpath, const SharedValue<AIPathStyle>& style) {
        art.segments = ToSegments(subpath);
        art.closed = subpath.closed;
        art.style = style;
    }

    AIPathStyle PathStyle(const Node& node, KeptAttributes& kept) const {
        const PathPaint& p = node.paint;
        AIPathStyle style{};
        auto paint = [&](const ResolvedPaint& paint, AIColor& color, const char* property) {
            switch (paint.kind) {
                case PaintKind::kNone:
                    color.kind = kNoneColor;
                    return false;
                case PaintKind::kColor:
                    color = ThreeColor(paint.color);
                    return true;
                case PaintKind::kGradient: {
                    const GradientId g = gradients_[static_cast<size_t>(paint.gradient->definition)];
                    color.kind = kGradient;
                    color.c.grad = Placement(*paint.gradient,
                                             tree_.gradients[static_cast<size_t>(paint.gradient->definition)].radial,
                                             doc_.GradientHandle(g));
                    return true;
                }
                case PaintKind::kOther:
                    color.kind = kPattern;
                    kept[property] = paint.text;
                    return true;
            }
            return false;
        };
        style.fillPaint = paint(p.fill, style.fill.color, "fill");
        style.strokePaint = paint(p.stroke, style.stroke.color, "stroke");
        style.stroke.width = p.strokeWidth;
        style.stroke.cap = p.cap == LineCap::kRound    ? kAIRoundCap
                           : p.cap == LineCap::kSquare ? kAIProjectingCap
                                                       : kAIButtCap;
        style.stroke.join = p.join == LineJoin::kRound   ? kAIRoundJoin
                            : p.join == LineJoin::kBevel ? kAIBevelJoin
                                                         : kAIMiterJoin;
        style.stroke.miterLimit = p.miterLimit;
        style.stroke.dash.offset = p.dashOffset;
        if (p.dashes.size() <= static_cast<size_t>(kMaxDashComponents)) {
            style.stroke.dash.length = static_cast<ASInt16>(p.dashes.size());
            for (size_t i = 0; i < p.dashes.size(); ++i)
                style.stroke.dash.array[i] = p.dashes[i];
        } else {
            // Longer patterns than the host holds are carried as written.
            std::string dashes;
            for (double d : p.dashes) {
                if (!dashes.empty()) dashes += ' ';
                AppendNumber(dashes, d);
            }
            kept["stroke-dasharray"] = dashes;
        }
        style.evenodd = p.evenOdd;
        style.resolution = 800;
        return style;
    }

    void AddNode(ArtId parent, Node& node) {
        ArtId id;
        switch (node.kind) {
            case NodeKind::kGroup:
                if (node.isLayer) {
                    LayerId sub;
                    Check(doc_.InsertSublayer(kPlaceInsideOnTop, parent, &sub), node);
                    FillLayer(sub, node);
                    return;
                }
                id = NewArt(kGroupArt, parent, node);
                doc_.Find(id)->carried = CarriedData{ShareKept(std::move(node.kept)), {}, node.id};
                FillGroup(id, node);
                break;
            case NodeKind::kPath: {
                KeptAttributes kept = std::move(node.kept);
                const AIPathStyle style = PathStyle(node, kept);
                id = MakePath(parent, node.subpaths, style, CarriedData{ShareKept(std::move(kept)), {}, node.id}, node);
                if (node.guide) SetGuide(id);
                break;
            }
            case NodeKind::kImage:
                id = node.pixels ? MakeRaster(parent, node) : Carried(kPlacedArt, parent, node);
                break;
            case NodeKind::kText:
                id = Carried(kTextFrameArt, parent, node);
                break;
            case NodeKind::kUse:
                id = Carried(kSymbolArt, parent, node);
                break;
            case NodeKind::kUnknown:
                id = Carried(kUnknownArt, parent, node);
                break;
        }
        const std::int32_t attrs = (node.hidden ? kArtHidden : 0) | (node.locked ? kArtLocked : 0);
        if (attrs) doc_.SetUserAttr(id, kArtHidden | kArtLocked, attrs);
        MarkSelected(id, node);
    }

    // Objects of a drawing mostly keep one of a few sets of attributes (a class name): alike sets are stored once.
    SharedValue<NamedValues> ShareKept(KeptAttributes&& kept) {
        if (kept.empty()) return {};
        return recentKept_.Share(std::move(kept));
    }

    void SetGuide(ArtId id) {
        Art& art = *doc_.Find(id);
        art.guide = true;
        for (ArtId c = art.firstChild; c; c = doc_.Find(c)->next)
            doc_.Find(c)->guide = true;
    }

    ArtId Carried(AIArtType type, ArtId parent, const Node& node) {
        const ArtId id = NewArt(type, parent, node);
        Art& art = *doc_.Find(id);
        ArtDetails& details = art.details.Edit();
        details.extent = ToArtworkRect(node.bounds);
        art.carried = CarriedData{{}, node.xml, node.id};
        if (type == kPlacedArt) {
            details.linkedFile = node.href;
            details.matrix = ToAIMatrix(kSvgToArtwork * node.placement);
        }
        return id;
    }

    ArtId MakeRaster(ArtId parent, const Node& node) {
        const ArtId id = NewArt(kRasterArt, parent, node);
        Art& art = *doc_.Find(id);
        const PixelImage& image = *node.pixels;
        auto raster = std::make_shared<RasterData>();
        raster->info.bounds = {0, 0, image.width, image.height};
        raster->info.byteWidth = image.width * image.channels;
        raster->info.colorSpace = image.channels == 4 ? kAlphaRGBColorSpace : kRGBColorSpace;
        raster->info.originalColorSpace = raster->info.colorSpace;
        raster->info.bitsPerPixel = static_cast<ASInt16>(8 * image.channels);
        // Image space (column, -row) to pixel space (column, row), then to the root and to artwork.
        raster->matrix = ToAIMatrix(kSvgToArtwork * node.placement * Matrix{1, 0, 0, -1, 0, 0});
        raster->pixels = image.pixels;
        art.raster = std::move(raster);
        art.carried = CarriedData{node.kept, {}, node.id};
        return id;
    }

    SvgTree& tree_;
    Document& doc_;
    const std::string& file_;
    std::unordered_set<std::string> select_;
    std::unordered_set<std::string> found_;
    std::vector<GradientId> gradients_;
    RecentValues<NamedValues> recentKept_;
};

}  // namespace

void ImportSvgTree(SvgTree& tree, Document& document, const ReadOptions& options, const std::string& file) {
    Importer(tree, document, options, file).Run();
}

}  // namespace headless::svg
