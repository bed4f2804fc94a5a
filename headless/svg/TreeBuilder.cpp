// The walk over the XML that makes the resolved tree. Each feature is resolved in its own module; this file decides
// what every element becomes and what of it is kept for writing back.
#include "headless/svg/TreeBuilder.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_map>

#include "headless/svg/ClipPaths.h"
#include "headless/svg/Css.h"
#include "headless/svg/Gradients.h"
#include "headless/svg/Images.h"
#include "headless/svg/NumberFormat.h"
#include "headless/svg/PathData.h"
#include "headless/svg/RawXml.h"
#include "headless/svg/Scanner.h"
#include "headless/svg/Shapes.h"
#include "headless/svg/SvgError.h"
#include "headless/svg/TextBounds.h"
#include "headless/svg/Transform.h"
#include "headless/svg/UseElements.h"

namespace headless::svg {

namespace {

// Page sizes beyond this many user units are refused as nonsense.
constexpr double kMaxPageSize = 1e7;
constexpr int kMaxUseExpansions = 100000;

bool IsTrue(pugi::xml_attribute a) {
    return std::strcmp(a.value(), "true") == 0;
}

// Elements that draw nothing by themselves but may be referred to.
bool IsDefinition(std::string_view name) {
    return name == "defs" || name == "symbol" || name == "clipPath" || name == "linearGradient" ||
           name == "radialGradient" || name == "pattern" || name == "marker" || name == "mask" || name == "filter";
}

// Elements outside the drawing: documentation, style sheets, scripts, other applications' data.
bool IsPreamble(std::string_view name) {
    return name == "title" || name == "desc" || name == "metadata" || name == "style" || name == "script" ||
           name.find(':') != std::string_view::npos;
}

bool IsGeometryAttribute(std::string_view name) {
    static constexpr std::string_view kNames[] = {"d",  "x", "y",  "width", "height", "rx", "ry",    "cx",
                                                  "cy", "r", "x1", "y1",    "x2",     "y2", "points"};
    return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames);
}

class Builder {
public:
    explicit Builder(const XmlSource& source) : source_(source), gradients_(source, elements_, tree_.gradients) {}

    SvgTree Build() {
        const pugi::xml_node root = source_.Root();
        Index(root);
        ReadRoot(root);
        ComputedStyle rootStyle = CascadeStyle(ComputedStyle{}, root, sheet_, viewport_);
        bool lastWasLoose = false;
        for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling()) {
            if (child.type() != pugi::node_element) continue;
            const std::string_view name = child.name();
            if (IsPreamble(name)) {
                tree_.preamble.push_back(SerializeElement(child));
                continue;
            }
            if (IsDefinition(name)) {
                KeepDefinition(child);
                continue;
            }
            std::optional<Node> node = BuildElement(child, rootStyle, Matrix{}, 0);
            if (!node) continue;
            if (name == "g") {
                MakeLayer(*node, child);
                tree_.nodes.push_back(std::move(*node));
                lastWasLoose = false;
                continue;
            }
            // Content outside any group: consecutive elements share a layer of their own, so stacking is kept.
            if (!lastWasLoose) {
                Node layer;
                layer.isLayer = true;
                layer.tag = "g";
                layer.layer.title = "Layer " + std::to_string(tree_.nodes.size() + 1);
                tree_.nodes.push_back(std::move(layer));
            }
            tree_.nodes.back().children.push_back(std::move(*node));
            lastWasLoose = true;
        }
        return std::move(tree_);
    }

private:
    void Index(pugi::xml_node root) {
        for (pugi::xml_node n = root; n;) {
            // A style sheet's content is text: elements inside one are no targets.
            const bool sheet = n.type() == pugi::node_element && std::string_view(n.name()) == "style";
            if (n.type() == pugi::node_element) {
                if (pugi::xml_attribute id = n.attribute("id")) elements_.emplace(id.value(), n);
                if (sheet) sheet_.Add(n.child_value());
            }
            if (n.first_child() && !sheet) {
                n = n.first_child();
                continue;
            }
            while (n && !n.next_sibling() && n != root)
                n = n.parent();
            if (!n || n == root) break;
            n = n.next_sibling();
        }
    }

    void ReadRoot(pugi::xml_node root) {
        for (pugi::xml_attribute a : root.attributes())
            tree_.rootAttributes[a.name()] = a.value();
        auto size = [&](const char* name) -> std::optional<double> {
            const pugi::xml_attribute a = root.attribute(name);
            if (!a || std::string_view(a.value()).ends_with("%")) return std::nullopt;
            const auto value = ParseLength(a.value(), viewport_, LengthAxis::kOther);
            if (!value) source_.Fail(root, std::string("bad ") + name + " '" + a.value() + "'");
            if (*value < 0 || *value > kMaxPageSize)
                source_.Fail(root,
                             std::string(name) + " " + a.value() + " is " + (*value < 0 ? "negative" : "too large"));
            return value;
        };
        const auto width = size("width"), height = size("height");
        double w = width.value_or(0), h = height.value_or(0);
        if (pugi::xml_attribute viewBox = root.attribute("viewBox")) {
            Scanner scan(viewBox.value());
            double box[4];
            for (double& v : box) {
                scan.SkipSeparator();
                if (!scan.ReadNumber(v)) source_.Fail(root, "bad viewBox '" + std::string(viewBox.value()) + "'");
            }
            if (box[2] <= 0 || box[3] <= 0) source_.Fail(root, "viewBox width and height must be positive");
            if (box[2] > kMaxPageSize || box[3] > kMaxPageSize) source_.Fail(root, "viewBox is too large");
            w = box[2];
            h = box[3];
        }
        if (w == 0) w = 100;
        if (h == 0) h = 100;
        tree_.width = w;
        tree_.height = h;
        viewport_.viewportWidth = w;
        viewport_.viewportHeight = h;
    }

    void KeepDefinition(pugi::xml_node element) {
        if (std::string_view(element.name()) == "defs") {
            for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
                if (child.type() != pugi::node_element) continue;
                if (std::string_view(child.name()) == "style")
                    tree_.preamble.push_back(SerializeElement(child));
                else
                    tree_.definitions.push_back(SerializeElement(child));
            }
            return;
        }
        tree_.definitions.push_back(SerializeElement(element));
    }

    Matrix OwnTransform(pugi::xml_node e) const {
        Matrix m;
        if (pugi::xml_attribute t = e.attribute("transform")) {
            if (std::string error = ParseTransform(t.value(), m); !error.empty())
                source_.Fail(e, "bad transform: " + error);
        }
        return m;
    }

    template <typename Drop>
    KeptAttributes Keep(pugi::xml_node e, Drop drop) const {
        KeptAttributes kept;
        for (pugi::xml_attribute a : e.attributes()) {
            const std::string_view name = a.name();
            if (name == "id" || name == "transform") continue;
            if (name == "style") {
                Declarations declarations = ParseDeclarations(a.value());
                std::erase_if(declarations, [&](const auto& d) { return drop(d.first); });
                if (!declarations.empty()) kept["style"] = FormatDeclarations(declarations);
            } else if (!drop(name)) {
                kept[a.name()] = a.value();
            }
        }
        return kept;
    }

    Node Start(NodeKind kind, pugi::xml_node e, const ComputedStyle& style) const {
        Node node;
        node.kind = kind;
        node.tag = e.name();
        node.line = source_.LineOf(e);
        node.id = e.attribute("id").value();
        node.hidden = style.displayNone;
        node.locked = IsTrue(e.attribute("sodipodi:insensitive"));
        return node;
    }

    std::optional<Node> BuildElement(pugi::xml_node e, const ComputedStyle& parentStyle, const Matrix& parentCtm,
                                     int depth) {
        if (depth > kMaxNestingDepth) source_.Fail(e, "elements nested too deeply");
        const std::string_view name = e.name();
        if (IsDefinition(name)) {
            KeepDefinition(e);
            return std::nullopt;
        }
        if (name == "style") {
            // Kept once, where the drawing holds it, not again for each use that draws its parent, nor when a
            // carried element, written whole with its sheets, is only measured.
            if (activeUses_.empty() && measuring_ == 0) tree_.preamble.push_back(SerializeElement(e));
            return std::nullopt;
        }
        const ComputedStyle style = CascadeStyle(parentStyle, e, sheet_, viewport_);
        const Matrix ctm = parentCtm * OwnTransform(e);
        if (!ctm.IsFinite()) source_.Fail(e, "transform out of range");
        if (IsPreamble(name)) {
            // Documentation and other applications' data inside the drawing are not kept, unless something may
            // refer to them by their id: a use of one must still find it in the written file.
            if (!*e.attribute("id").value()) return std::nullopt;
            return Carried(NodeKind::kUnknown, e, style, ctm, Box{});
        }
        Node node;
        if (name == "g") {
            node = BuildGroup(e, style, ctm, depth);
        } else if (IsShapeElement(name)) {
            node = BuildPath(e, style, ctm);
        } else if (name == "image") {
            node = BuildImage(e, style, ctm);
        } else if (name == "use") {
            node = BuildUse(e, style, ctm, depth);
        } else if (name == "text") {
            node =
                Carried(NodeKind::kText, e, style, ctm, TransformedBox(EstimateTextBounds(e, style, viewport_), ctm));
        } else {
            node = BuildUnknown(e, style, ctm, depth);
        }
        // Carried elements keep their clip-path attribute; the others become clip groups.
        if (!style.clipPath.empty() && node.xml.empty()) ApplyClip(node, e, style, ctm);
        return node;
    }

    Node BuildGroup(pugi::xml_node e, const ComputedStyle& style, const Matrix& ctm, int depth) {
        Node node = Start(NodeKind::kGroup, e, style);
        const bool layer = std::string_view(e.attribute("inkscape:groupmode").value()) == "layer";
        node.kept = Keep(e, [layer](std::string_view n) {
            return n == "clip-path" || n == "display" || n == "sodipodi:insensitive" ||
                   (layer && (n == "inkscape:groupmode" || n == "inkscape:label" || n == "trimora:view"));
        });
        // A large group's children are sized once rather than grown, which would briefly hold them twice.
        std::size_t elements = 0;
        for (pugi::xml_node child = e.first_child(); child; child = child.next_sibling())
            elements += child.type() == pugi::node_element;
        node.children.reserve(elements);
        for (pugi::xml_node child = e.first_child(); child; child = child.next_sibling()) {
            if (child.type() != pugi::node_element) continue;
            if (std::optional<Node> built = BuildElement(child, style, ctm, depth + 1)) {
                if (std::string_view(child.attribute("inkscape:groupmode").value()) == "layer")
                    MakeLayer(*built, child);
                node.children.push_back(std::move(*built));
            }
        }
        return node;
    }

    void MakeLayer(Node& node, pugi::xml_node e) {
        if (node.kind != NodeKind::kGroup) return;  // a layer clipped through its element is wrapped: leave it
        node.isLayer = true;
        node.kept.erase("inkscape:groupmode");
        node.kept.erase("inkscape:label");
        node.kept.erase("trimora:view");
        const char* label = e.attribute("inkscape:label").value();
        node.layer.title = *label             ? label
                           : !node.id.empty() ? node.id
                                              : "Layer " + std::to_string(tree_.nodes.size() + 1);
        node.layer.visible = !node.hidden;
        node.layer.editable = !node.locked;
        node.layer.preview = std::string_view(e.attribute("trimora:view").value()) != "outline";
        node.hidden = node.locked = false;
    }

    Node BuildPath(pugi::xml_node e, const ComputedStyle& style, const Matrix& ctm) {
        std::vector<Subpath> local;
        if (std::string error = ShapeSubpaths(e, viewport_, local); !error.empty()) source_.Fail(e, error);
        for (Subpath& s : local)
            SnapEndToStart(s);
        if (local.empty()) return Carried(NodeKind::kUnknown, e, style, ctm, Box{});  // draws nothing
        Node node = Start(NodeKind::kPath, e, style);
        node.kept = Keep(e, [](std::string_view n) {
            return IsWrittenProperty(n) || IsGeometryAttribute(n) || n == "trimora:guide" ||
                   n == "sodipodi:insensitive";
        });
        node.guide = IsTrue(e.attribute("trimora:guide"));
        node.subpaths.reserve(local.size());
        for (const Subpath& s : local)
            node.subpaths.push_back(Transformed(s, ctm));
        if (!IsFinite(local) || !IsFinite(node.subpaths)) source_.Fail(e, "coordinates out of range");
        const Box localBox = CurveBounds(local);
        PathPaint& paint = node.paint;
        paint.fill = ResolvePaint(style.fill, "fill", e, localBox, ctm);
        paint.stroke = ResolvePaint(style.stroke, "stroke", e, localBox, ctm);
        // Effects drawn in the element's own user space (filters, masks, markers, and strokes under a skew or an
        // uneven scale) would change if the transform were baked into them: such a path keeps its user space as
        // a kept transform, while its coordinates are still on the page.
        const auto& kept = node.kept;
        auto keptStyleHas = [&](std::string_view name) {
            const auto it = kept.find("style");
            return it != kept.end() && it->second.find(name) != std::string::npos;
        };
        bool userSpaceEffects = false;
        for (const char* name : {"filter", "mask", "marker-start", "marker-mid", "marker-end", "marker"})
            userSpaceEffects = userSpaceEffects || kept.contains(name) || keptStyleHas(name);
        // So does a gradient in bounding-box units under a rotation or skew: renderers measure the box in the
        // element's user space, some (through cairo's extents) as the axis-aligned box of the device-space box,
        // and only the same box in the same space puts the written gradient where the read one was.
        // A pattern or other paint server carried as written is drawn in the user space of the path too.
        const bool turned = ctm.b != 0 || ctm.c != 0;
        const bool boxGradient = UsesBoundingBoxGradient(paint.fill) || UsesBoundingBoxGradient(paint.stroke);
        const bool carriedPaint = paint.fill.kind == PaintKind::kOther || paint.stroke.kind == PaintKind::kOther;
        const bool keepUserSpace =
            !ctm.IsIdentity() && (userSpaceEffects || carriedPaint || (turned && boxGradient) ||
                                  (paint.stroke.kind != PaintKind::kNone && !ctm.IsSimilarity()));
        if (keepUserSpace) {
            // A scale so small that its written digits are zero leaves a transform that cannot be undone, so the
            // coordinates could not be written under it; such a path draws nothing and is carried as it came.
            std::string transform = FormatMatrix(ctm);
            Matrix written, undo;
            if (!ParseTransform(transform, written).empty() || !written.Invert(undo))
                return Carried(NodeKind::kUnknown, e, style, ctm, Box{});
            node.kept["transform"] = std::move(transform);
        }
        // Otherwise stroke lengths follow the baked transform, which is exact for similarities.
        const double scale = keepUserSpace ? 1 : ctm.MeanScale();
        paint.strokeWidth = style.strokeWidth * scale;
        paint.cap = style.cap;
        paint.join = style.join;
        paint.miterLimit = style.miterLimit;
        for (double d : style.dashes)
            paint.dashes.push_back(d * scale);
        paint.dashOffset = style.dashOffset * scale;
        double strokeLengths = paint.strokeWidth + std::fabs(paint.dashOffset);
        for (double d : paint.dashes)
            strokeLengths += d;
        if (!std::isfinite(strokeLengths)) source_.Fail(e, "stroke lengths out of range");
        paint.evenOdd = style.fillEvenOdd;
        return node;
    }

    bool UsesBoundingBoxGradient(const ResolvedPaint& paint) const {
        return paint.kind == PaintKind::kGradient &&
               tree_.gradients[static_cast<size_t>(paint.gradient->definition)].boundingBoxUnits;
    }

    ResolvedPaint ResolvePaint(const Paint& paint, const char* property, pugi::xml_node e, const Box& localBox,
                               const Matrix& ctm) {
        ResolvedPaint result;
        if (paint.type == PaintType::kNone) return result;
        if (paint.type == PaintType::kColor) {
            result.kind = PaintKind::kColor;
            result.color = paint.color;
            return result;
        }
        auto fallback = [&] {
            ResolvedPaint f;
            if (!paint.fallbackNone) {
                f.kind = PaintKind::kColor;
                f.color = paint.color;
            }
            return f;
        };
        const auto it = elements_.find(paint.reference);
        if (it == elements_.end()) {
            if (!paint.fallbackNone) return fallback();
            source_.Fail(e, std::string(property) + " refers to missing paint server '#" + paint.reference + "'");
        }
        if (!IsGradientElement(it->second)) {
            result.kind = PaintKind::kOther;
            result.text = "url(#" + paint.reference + ")";
            if (!paint.fallbackNone) result.text += " " + FormatColor(paint.color);
            return result;
        }
        if (!gradients_.Place(it->second, localBox, ctm, viewport_, result.gradient.Edit())) return fallback();
        if (tree_.gradients[result.gradient->definition].stops.empty()) return ResolvedPaint{};
        result.kind = PaintKind::kGradient;
        return result;
    }

    Node BuildImage(pugi::xml_node e, const ComputedStyle& style, const Matrix& ctm) {
        ImageContent content = ResolveImage(source_, e, ctm, viewport_);
        if (content.drawsNothing) return Carried(NodeKind::kUnknown, e, style, ctm, content.bounds);
        if (!content.pixels) {
            Node node = Carried(NodeKind::kImage, e, style, ctm, content.bounds);
            node.href = content.href;
            node.placement = content.placement;
            return node;
        }
        Node node = Start(NodeKind::kImage, e, style);
        node.kept = Keep(e, [](std::string_view n) {
            return IsGeometryAttribute(n) || n == "href" || n == "xlink:href" || n == "preserveAspectRatio" ||
                   n == "clip-path" || n == "display" || n == "sodipodi:insensitive";
        });
        node.pixels = std::move(content.pixels);
        node.placement = content.placement;
        node.bounds = content.bounds;
        return node;
    }

    Node BuildUse(pugi::xml_node e, const ComputedStyle& style, const Matrix& ctm, int depth) {
        const pugi::xml_node target = UseTarget(source_, e, elements_);
        if (!target) return ExternalUse(e, style, ctm);
        if (std::find(activeUses_.begin(), activeUses_.end(), target) != activeUses_.end())
            source_.Fail(e, "use references form a cycle");
        // Uses of uses multiply; a file that expands beyond this is refused.
        if (++useExpansions_ > kMaxUseExpansions) source_.Fail(e, "use references expand too far");
        activeUses_.push_back(target);
        const Matrix contentCtm = ctm * UseContentMatrix(e, target, viewport_);
        Box bounds;
        if (std::string_view(target.name()) == "symbol") {
            const ComputedStyle symbolStyle = CascadeStyle(style, target, sheet_, viewport_);
            for (pugi::xml_node child = target.first_child(); child; child = child.next_sibling())
                if (child.type() == pugi::node_element)
                    if (std::optional<Node> built = BuildElement(child, symbolStyle, contentCtm, depth + 1))
                        bounds.Add(BoundsOf(*built));
        } else if (std::optional<Node> built = BuildElement(target, style, contentCtm, depth + 1)) {
            bounds = BoundsOf(*built);
        }
        activeUses_.pop_back();
        return Carried(NodeKind::kUse, e, style, WrittenUseMatrix(ctm, target, contentCtm), bounds);
    }

    // A use draws its target in the target's own user space. A target drawn in place is written with its
    // coordinates on the page (baked, or carried with an absolute transform), so the written use has to undo the
    // transforms of the target's ancestors. Only groups are taken apart: a target inside any other element
    // (definitions, a nested svg, a text) is written as it came, within it, and needs nothing.
    Matrix WrittenUseMatrix(const Matrix& ctm, pugi::xml_node target, const Matrix& contentCtm) const {
        std::vector<pugi::xml_node> ancestors;
        for (pugi::xml_node n = target; n && n != source_.Root(); n = n.parent()) {
            if (IsDefinition(n.name())) return ctm;
            if (n == target) continue;
            if (std::string_view(n.name()) != "g") return ctm;
            ancestors.push_back(n);
        }
        if (ancestors.empty()) return ctm;
        Matrix placed;  // the target's parent's user space on the page
        for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it)
            placed = placed * OwnTransform(*it);
        Matrix fromPage, fromContent;
        if (!placed.Invert(fromPage) || !ctm.Invert(fromContent)) return ctm;
        // ctm * offset * fromPage * offset⁻¹, where offset (the use's x and y) is ctm⁻¹ * contentCtm.
        const Matrix offset = fromContent * contentCtm;
        Matrix undoOffset;
        if (!offset.Invert(undoOffset)) return ctm;
        const Matrix written = contentCtm * fromPage * undoOffset;
        return written.IsFinite() ? written : ctm;
    }

    // A use of an element in another file is carried as it is. With a width and a height its extent is known and
    // it is placed art; otherwise it is unknown content without bounds.
    Node ExternalUse(pugi::xml_node e, const ComputedStyle& style, const Matrix& ctm) {
        const std::string href = HrefAttribute(e).value();
        Warn(e, "refers to '" + href + "' in another file; carried unchanged, its content unknown");
        const auto length = [&](const char* name, LengthAxis axis) {
            return ParseLength(e.attribute(name).value(), viewport_, axis);
        };
        const auto w = length("width", LengthAxis::kX), h = length("height", LengthAxis::kY);
        if (!w || !h || *w <= 0 || *h <= 0) return Carried(NodeKind::kUnknown, e, style, ctm, Box{});
        const double x = length("x", LengthAxis::kX).value_or(0), y = length("y", LengthAxis::kY).value_or(0);
        Node node = Carried(NodeKind::kImage, e, style, ctm, TransformedBox(Box{x, y, x + *w, y + *h}, ctm));
        node.href = href;
        node.placement = ctm * Matrix::Translate(x, y);
        return node;
    }

    void Warn(pugi::xml_node e, std::string_view what) {
        tree_.warnings.push_back(FormatSvgError(source_.Path(), source_.LineOf(e), e.name(), what));
    }

    Node BuildUnknown(pugi::xml_node e, const ComputedStyle& style, const Matrix& ctm, int depth) {
        // The element's own box if it has one, else what its children draw.
        Box bounds;
        const auto x = ParseLength(e.attribute("x").value(), viewport_, LengthAxis::kX);
        const auto w = ParseLength(e.attribute("width").value(), viewport_, LengthAxis::kX);
        const auto h = ParseLength(e.attribute("height").value(), viewport_, LengthAxis::kY);
        if (w && h) {
            const double left = x.value_or(0);
            const double top = ParseLength(e.attribute("y").value(), viewport_, LengthAxis::kY).value_or(0);
            bounds = TransformedBox(Box{left, top, left + *w, top + *h}, ctm);
        } else {
            ++measuring_;
            for (pugi::xml_node child = e.first_child(); child; child = child.next_sibling())
                if (child.type() == pugi::node_element && !IsPreamble(child.name()))
                    if (std::optional<Node> built = BuildElement(child, style, ctm, depth + 1))
                        bounds.Add(BoundsOf(*built));
            --measuring_;
        }
        return Carried(NodeKind::kUnknown, e, style, ctm, bounds);
    }

    // An element written back as it came, its transform made absolute.
    Node Carried(NodeKind kind, pugi::xml_node e, const ComputedStyle& style, const Matrix& ctm, const Box& bounds) {
        Node node = Start(kind, e, style);
        node.xml = SerializeElement(e, ctm);
        node.bounds = bounds;
        return node;
    }

    void ApplyClip(Node& node, pugi::xml_node e, const ComputedStyle& style, const Matrix& ctm) {
        const auto it = elements_.find(style.clipPath);
        if (it == elements_.end()) source_.Fail(e, "clip-path refers to missing element '#" + style.clipPath + "'");
        if (std::string_view(it->second.name()) != "clipPath")
            source_.Fail(e, "clip-path refers to a <" + std::string(it->second.name()) + ">, not a <clipPath>");
        Matrix toLocal;
        if (!ctm.Invert(toLocal)) toLocal = Matrix{};
        const Box localBox = TransformedBox(BoundsOf(node), toLocal);
        ClipGeometry clip = ResolveClipPath(source_, it->second, sheet_, elements_, localBox, ctm, viewport_);
        if (!IsFinite(clip.subpaths)) source_.Fail(e, "clip-path coordinates out of range");
        if (node.kind != NodeKind::kGroup || node.clipped) {
            // A clipped shape or image becomes a clip group holding it.
            Node group;
            group.kind = NodeKind::kGroup;
            group.tag = "g";
            group.line = node.line;
            group.hidden = node.hidden;
            node.hidden = false;
            group.children.push_back(std::move(node));
            node = std::move(group);
        }
        node.clipped = true;
        node.clip = std::move(clip.subpaths);
        node.clipEvenOdd = clip.evenOdd;
    }

    static Box BoundsOf(const Node& node) {
        switch (node.kind) {
            case NodeKind::kPath:
                return CurveBounds(node.subpaths);
            case NodeKind::kGroup: {
                if (node.clipped) return CurveBounds(node.clip);
                Box box;
                for (const Node& child : node.children)
                    box.Add(BoundsOf(child));
                return box;
            }
            default:
                return node.bounds;
        }
    }

    const XmlSource& source_;
    SvgTree tree_;
    std::unordered_map<std::string, pugi::xml_node> elements_;
    StyleSheet sheet_;
    LengthContext viewport_;
    GradientTable gradients_;
    std::vector<pugi::xml_node> activeUses_;
    int measuring_ = 0;  // inside a carried element whose children are built only for their bounds
    int useExpansions_ = 0;
};

}  // namespace

SvgTree BuildSvgTree(const XmlSource& source) {
    return Builder(source).Build();
}

}  // namespace headless::svg
