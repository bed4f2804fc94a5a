// Writing layers and art back: modelled objects from the document, carried objects as they came, and only the
// definitions that something written refers to. Ids are kept, and made unique where copies share one.
#include "headless/svg/SvgWriter.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>
#include <map>
#include <numbers>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include <pugixml.hpp>

#include "headless/document/SdkGeometry.h"
#include "headless/geometry/Tolerance.h"
#include "headless/svg/Base64.h"
#include "headless/svg/Color.h"
#include "headless/svg/Css.h"
#include "headless/svg/DocumentImport.h"
#include "headless/svg/IndentedXml.h"
#include "headless/svg/NumberFormat.h"
#include "headless/svg/PathData.h"
#include "headless/svg/PngCodec.h"
#include "headless/svg/RawXml.h"
#include "headless/svg/RoundingCompare.h"
#include "headless/svg/Style.h"
#include "headless/svg/SvgError.h"
#include "headless/svg/Transform.h"

namespace headless::svg {

namespace {

constexpr const char* kNamespaces[][2] = {
    {"xmlns", "http://www.w3.org/2000/svg"},
    {"xmlns:xlink", "http://www.w3.org/1999/xlink"},
    {"xmlns:inkscape", "http://www.inkscape.org/namespaces/inkscape"},
    {"xmlns:sodipodi", "http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd"},
    {"xmlns:trimora", "https://zavik.example/trimora"},
};

Rgb ToRgb(const AIColor& color) {
    auto channel = [](double v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    switch (color.kind) {
        case kThreeColor:
            return {channel(color.c.rgb.red), channel(color.c.rgb.green), channel(color.c.rgb.blue)};
        case kGrayColor: {
            const std::uint8_t v = channel(1 - color.c.g.gray);  // gray is ink coverage
            return {v, v, v};
        }
        case kFourColor: {
            const auto& f = color.c.f;
            return {channel((1 - f.cyan) * (1 - f.black)), channel((1 - f.magenta) * (1 - f.black)),
                    channel((1 - f.yellow) * (1 - f.black))};
        }
        default:
            return {};
    }
}

// "id-placed" for a gradient read as "id"; a name this writer made ("id-placed", "id-placed-2") is kept as it is, so
// that names do not grow with every round trip.
std::string PlacedGradientName(const std::string& id) {
    if (id.empty()) return "gradient";
    constexpr std::string_view kSuffix = "-placed";
    std::string_view name = id;
    if (const size_t dash = name.rfind('-'); dash != std::string_view::npos && dash + 1 < name.size() &&
                                             name.find_first_not_of("0123456789", dash + 1) == std::string_view::npos)
        name = name.substr(0, dash);
    return name.ends_with(kSuffix) ? id : id + std::string(kSuffix);
}

Subpath ToSubpath(const std::vector<AIPathSegment>& segments, bool closed) {
    Subpath s{{}, closed};
    if (segments.empty()) return s;
    auto root = [](AIRealPoint p) { return Point{p.h, -p.v}; };
    s.points.push_back(root(segments[0].p));
    for (size_t i = 1; i < segments.size(); ++i)
        s.points.insert(s.points.end(), {root(segments[i - 1].out), root(segments[i].in), root(segments[i].p)});
    if (closed && segments.size() > 1)
        s.points.insert(s.points.end(), {root(segments.back().out), root(segments[0].in), root(segments[0].p)});
    return s;
}

// The namespace prefixes of the element and attribute names under a node.
struct PrefixWalker : pugi::xml_tree_walker {
    bool for_each(pugi::xml_node& node) override {
        Add(node);
        return true;
    }
    void Add(pugi::xml_node node) {
        AddName(node.name());
        for (const pugi::xml_attribute a : node.attributes())
            AddName(a.name());
    }
    void AddName(std::string_view name) {
        if (const std::size_t colon = name.find(':'); colon != std::string_view::npos)
            prefixes.insert(name.substr(0, colon));
    }
    std::unordered_set<std::string_view> prefixes;  // views into the document's names
};

class Writer {
public:
    // With the style sheets the written file holds, computed properties are written to outrank their rules.
    explicit Writer(const Document& doc, const StyleSheet* sheets = nullptr) : doc_(doc), sheets_(sheets) {}

    void Build() {
        pugi::xml_node svg = out_.append_child("svg");
        for (const auto& [name, value] : *doc_.page.carried.attributes)
            svg.append_attribute(name.c_str()).set_value(value.c_str());
        // Whitespace inside kept text is content.
        store_.load_string(doc_.page.carried.element.c_str(), pugi::parse_default | pugi::parse_ws_pcdata);
        for (pugi::xml_node e : store_.child(kDefinitionsElement).children()) {
            if (const char* id = e.attribute("id").value(); *id) {
                definitions_.emplace(id, e);
                usedIds_.insert(id);
            }
            IndexNestedIds(e);
        }
        for (pugi::xml_node e : store_.child(kPreambleElement).children())
            svg.append_copy(e);
        defs_ = svg.append_child("defs");
        for (int i = doc_.CountLayers() - 1; i >= 0; --i)
            WriteLayer(svg, doc_.NthLayer(i));
        AddReferencedDefinitions(svg);
        if (!defs_.first_child()) svg.remove_child(defs_);
        if (!sheets_) CollectStyleSheets(svg);
        DeclareNamespaces(svg);
    }

    void Save(const TextSink& sink) { SaveIndented(out_, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", sink); }

    // What the written file's style sheets hold; empty when it has none.
    const StyleSheet& WrittenStyleSheets() const { return written_; }

private:
    std::string UniqueId(const std::string& wanted) {
        if (usedIds_.insert(wanted).second) return wanted;
        for (int n = 2;; ++n) {
            std::string candidate = wanted + "-" + std::to_string(n);
            if (usedIds_.insert(candidate).second) return candidate;
        }
    }

    void SetId(pugi::xml_node e, const std::string& id) {
        if (!id.empty()) e.append_attribute("id").set_value(UniqueId(id).c_str());
    }

    static void SetKept(pugi::xml_node e, const std::map<std::string, std::string>& kept) {
        for (const auto& [name, value] : kept)
            if (!e.attribute(name.c_str())) e.append_attribute(name.c_str()).set_value(value.c_str());
    }

    static void SetNumber(pugi::xml_node e, const char* name, double value) {
        e.append_attribute(name).set_value(FormatNumber(value).c_str());
    }

    void WriteLayer(pugi::xml_node parent, LayerId id) {
        const Layer& layer = *doc_.FindLayer(id);
        pugi::xml_node g = parent.append_child("g");
        SetId(g, layer.carried.id);
        g.append_attribute("inkscape:groupmode").set_value("layer");
        g.append_attribute("inkscape:label").set_value(layer.title.c_str());
        if (!layer.visible) g.append_attribute("display").set_value("none");
        if (!layer.editable) {
            g.append_attribute("sodipodi:insensitive").set_value("true");
        }
        if (!layer.preview) {
            g.append_attribute("trimora:view").set_value("outline");
        }
        const std::size_t computed = ComputedCount(g);
        SetKept(g, layer.carried.attributes);
        WriteGroupContent(g, layer.group);
        RankAboveStyleSheets(g, computed);
    }

    void WriteGroupContent(pugi::xml_node g, ArtId groupId) {
        const Art& group = *doc_.Find(groupId);
        ArtId mask;
        if (group.clipped) {
            for (ArtId c = group.firstChild; c && !mask; c = doc_.Find(c)->next) {
                const Art& a = *doc_.Find(c);
                const bool isClip =
                    (a.type == kPathArt && a.style->clip) ||
                    (a.type == kCompoundPathArt && a.firstChild && doc_.Find(a.firstChild)->style->clip);
                if (isClip) mask = c;
            }
            if (mask) WriteClipPath(g, mask);
        }
        // Back to front: the last child is the bottom one.
        for (ArtId c = group.lastChild; c; c = doc_.Find(c)->prev)
            if (c != mask) WriteArt(g, c);
    }

    void WriteClipPath(pugi::xml_node g, ArtId mask) {
        pugi::xml_node clip = defs_.append_child("clipPath");
        clip.append_attribute("id");
        clip.append_attribute("clipPathUnits").set_value("userSpaceOnUse");
        pugi::xml_node path = clip.append_child("path");
        AIPathStyle style{};
        path.append_attribute("d").set_value(PathData(mask, style).c_str());
        path.append_attribute("clip-rule").set_value(style.evenodd ? "evenodd" : "nonzero");
        RankAboveStyleSheets(path, ComputedCount(path));
        std::string id = "clip" + std::to_string(++clipCount_);
        if (KeptDefinitionSays(id, SerializeElement(clip)))
            definitions_.erase(id);  // this takes its place
        else
            id = UniqueId(id);
        clip.attribute("id").set_value(id.c_str());
        g.append_attribute("clip-path").set_value(("url(#" + id + ")").c_str());
    }

    // The path data of a path or compound path in the user space `toLocal` leads to, and the style of the path
    // or of the compound's first member.
    std::string PathData(ArtId id, AIPathStyle& style, const Matrix& toLocal = {}, Box* localBox = nullptr) const {
        const Art& art = *doc_.Find(id);
        std::string d;
        auto append = [&](const Art& path) {
            const Subpath s = ToSubpath(path.segments, path.closed);
            const Subpath local = toLocal.IsIdentity() ? s : Transformed(s, toLocal);
            AppendPathData(d, local);
            if (localBox) localBox->Add(CurveBounds({local}));
        };
        if (art.type == kPathArt) {
            style = art.style;
            append(art);
            return d;
        }
        style = art.firstChild ? doc_.Find(art.firstChild)->style : art.style;
        for (ArtId c = art.firstChild; c; c = doc_.Find(c)->next)
            if (doc_.Find(c)->type == kPathArt) append(*doc_.Find(c));
        return d;
    }

    // A path that kept its user space is written in it (see the reader): the inverse of its transform.
    static Matrix KeptUserSpace(const Art& art) {
        Matrix m, inverse;
        const auto it = art.carried.attributes->find("transform");
        if (it == art.carried.attributes->end() || !ParseTransform(it->second, m).empty() || !m.Invert(inverse))
            return {};
        return inverse;
    }

    void WriteArt(pugi::xml_node parent, ArtId id) {
        const Art& art = *doc_.Find(id);
        if (doc_.IsLayerGroup(id)) {
            WriteLayer(parent, doc_.LayerOfArt(id));
            return;
        }
        pugi::xml_node e;
        if (!art.carried.element.empty()) {
            e = WriteCarried(parent, art);
        } else if (art.type == kGroupArt) {
            e = parent.append_child("g");
            SetId(e, art.carried.id);
            WriteGroupContent(e, id);
        } else if (art.type == kPathArt || art.type == kCompoundPathArt) {
            e = WritePath(parent, id);
        } else if (art.type == kRasterArt && art.raster) {
            e = WriteRaster(parent, art);
        } else {
            return;  // nothing the file could show
        }
        if (art.carried.element.empty()) {
            if (art.userAttrs & kArtHidden) e.append_attribute("display").set_value("none");
            if (art.userAttrs & kArtLocked) {
                e.append_attribute("sodipodi:insensitive").set_value("true");
            }
            const std::size_t computed = ComputedCount(e);
            SetKept(e, art.carried.attributes);
            RankAboveStyleSheets(e, computed);
        }
    }

    // The attributes written so far are the element's computed properties; the kept ones follow them.
    std::size_t ComputedCount(pugi::xml_node e) const {
        return sheets_ ? static_cast<std::size_t>(std::distance(e.attributes_begin(), e.attributes_end())) : 0;
    }

    void CollectStyleSheets(pugi::xml_node svg) {
        for (pugi::xml_node n = svg; n;) {
            if (std::string_view(n.name()) == "style") written_.Add(n.child_value());
            if (n.first_child()) {
                n = n.first_child();
                continue;
            }
            while (n && n != svg && !n.next_sibling())
                n = n.parent();
            n = n && n != svg ? n.next_sibling() : pugi::xml_node();
        }
    }

    // A style sheet rule outranks attributes: the computed properties of an element that a rule of the written
    // file's sheets matches go into its style attribute, which outranks the rule, so that they are read back.
    void RankAboveStyleSheets(pugi::xml_node e, std::size_t computed) const {
        if (sheets_) RankAboveStyleSheet(e, computed, *sheets_);
    }

    static void RankAboveStyleSheet(pugi::xml_node e, std::size_t computed, const StyleSheet& sheet) {
        const Declarations matched = sheet.Match(e);
        if (matched.empty()) return;
        auto sets = [&](std::string_view name) {
            return std::any_of(matched.begin(), matched.end(), [&](const auto& d) { return d.first == name; });
        };
        Declarations moved;
        pugi::xml_attribute a = e.first_attribute();
        for (std::size_t i = 0; i < computed && a; ++i) {
            const pugi::xml_attribute next = a.next_attribute();
            const std::string_view name = a.name();
            if (name != "transform" && !IsShownOrClipped(name) && IsWrittenProperty(name) && sets(name)) {
                moved.emplace_back(a.name(), a.value());
                e.remove_attribute(a);
            }
            a = next;
        }
        // Display and clip are never kept on these elements, and are written only when they are not the default,
        // which a rule could otherwise set.
        for (const auto& [name, fallback] : {std::pair{"display", "inline"}, std::pair{"clip-path", "none"}}) {
            if (!sets(name)) continue;
            const pugi::xml_attribute written = e.attribute(name);
            moved.emplace_back(name, written ? written.value() : fallback);
            e.remove_attribute(written);
        }
        if (moved.empty()) return;
        pugi::xml_attribute style = e.attribute("style");
        if (!style) style = e.append_attribute("style");
        Declarations declarations = ParseDeclarations(style.value());
        declarations.insert(declarations.end(), moved.begin(), moved.end());
        style.set_value(FormatDeclarations(declarations).c_str());
    }

    static bool IsShownOrClipped(std::string_view name) { return name == "display" || name == "clip-path"; }

    pugi::xml_node WriteCarried(pugi::xml_node parent, const Art& art) {
        pugi::xml_document fragment;
        fragment.load_buffer(art.carried.element.data(), art.carried.element.size(),
                             pugi::parse_default | pugi::parse_ws_pcdata);
        pugi::xml_node e = parent.append_copy(fragment.first_child());
        // A copy made by the run keeps the id only once.
        if (pugi::xml_attribute id = e.attribute("id")) id.set_value(UniqueId(id.value()).c_str());
        return e;
    }

    void SetPaint(pugi::xml_node e, const char* name, bool painted, const AIColor& color, const Art& art,
                  const Matrix& toLocal, const Box& localBox) {
        std::string value = "none";
        if (painted) {
            if (color.kind == kGradient) {
                value = "url(#" + GradientId(color.c.grad, toLocal, localBox) + ")";
            } else if (color.kind == kPattern) {
                const auto it = art.carried.attributes->find(name);
                value = it != art.carried.attributes->end() ? it->second : "none";
            } else if (color.kind != kNoneColor) {
                value = FormatColor(ToRgb(color));
            }
        }
        e.append_attribute(name).set_value(value.c_str());
    }

    pugi::xml_node WritePath(pugi::xml_node parent, ArtId id) {
        const Art& art = *doc_.Find(id);
        pugi::xml_node e = parent.append_child("path");
        SetId(e, art.carried.id);
        AIPathStyle style{};
        const Matrix toLocal = KeptUserSpace(art);
        Box localBox;
        e.append_attribute("d").set_value(PathData(id, style, toLocal, &localBox).c_str());
        SetPaint(e, "fill", style.fillPaint, style.fill.color, art, toLocal, localBox);
        e.append_attribute("fill-rule").set_value(style.evenodd ? "evenodd" : "nonzero");
        SetPaint(e, "stroke", style.strokePaint, style.stroke.color, art, toLocal, localBox);
        if (style.strokePaint) {
            const AIStrokeStyle& s = style.stroke;
            SetNumber(e, "stroke-width", s.width);
            e.append_attribute("stroke-linecap")
                .set_value(s.cap == kAIRoundCap        ? "round"
                           : s.cap == kAIProjectingCap ? "square"
                                                       : "butt");
            e.append_attribute("stroke-linejoin")
                .set_value(s.join == kAIRoundJoin   ? "round"
                           : s.join == kAIBevelJoin ? "bevel"
                                                    : "miter");
            SetNumber(e, "stroke-miterlimit", s.miterLimit);
            if (s.dash.length > 0) {
                std::string dashes;
                for (int i = 0; i < s.dash.length && i < kMaxDashComponents; ++i) {
                    if (i > 0) dashes += ' ';
                    AppendNumber(dashes, s.dash.array[i]);
                }
                e.append_attribute("stroke-dasharray").set_value(dashes.c_str());
                SetNumber(e, "stroke-dashoffset", s.dash.offset);
            } else if (!art.carried.attributes->contains("stroke-dasharray")) {
                e.append_attribute("stroke-dasharray").set_value("none");
            }
        }
        if (art.guide || (art.type == kCompoundPathArt && art.firstChild && doc_.Find(art.firstChild)->guide)) {
            e.append_attribute("trimora:guide").set_value("true");
        }
        return e;
    }

    pugi::xml_node WriteRaster(pugi::xml_node parent, const Art& art) {
        const RasterData& raster = *art.raster;
        const AIRect& b = raster.info.bounds;
        const long long wideWidth = static_cast<long long>(b.right) - b.left;
        const long long wideHeight = static_cast<long long>(b.bottom) - b.top;
        const int width = static_cast<int>(std::clamp<long long>(wideWidth, -1, INT_MAX));
        const int height = static_cast<int>(std::clamp<long long>(wideHeight, -1, INT_MAX));
        const int channels = raster.info.bitsPerPixel / 8;
        // The record is checked against the pixels before any is read: a record larger than its buffer would
        // send the copy past the end.
        const bool knownLayout = channels == 1 || channels == 3 || channels == 4;
        if (!knownLayout || width < 0 || height < 0 || raster.info.byteWidth < 0 ||
            static_cast<size_t>(raster.info.byteWidth) < static_cast<size_t>(width) * channels ||
            raster.pixels.size() < static_cast<size_t>(height) * static_cast<size_t>(raster.info.byteWidth))
            ThrowSvgError("", 0, "image", "raster pixels do not match its record");
        PixelImage image{width, height, channels == 4 ? 4 : 3, {}};
        image.pixels.reserve(static_cast<size_t>(width) * height * image.channels);
        for (int row = 0; row < height; ++row) {
            const std::uint8_t* line = raster.pixels.data() + static_cast<size_t>(row) * raster.info.byteWidth;
            for (int col = 0; col < width; ++col) {
                const std::uint8_t* px = line + static_cast<size_t>(col) * channels;
                for (int ch = 0; ch < image.channels; ++ch)
                    image.pixels.push_back(channels == 1 ? px[0] : px[ch]);
            }
        }
        pugi::xml_node e = parent.append_child("image");
        SetId(e, art.carried.id);
        SetNumber(e, "width", width);
        SetNumber(e, "height", height);
        e.append_attribute("preserveAspectRatio").set_value("none");
        // Pixel (column, row) is image space (column, -row); the matrix takes that to artwork, the flip to SVG.
        const Matrix toRoot = kSvgToArtwork * ToMatrix(raster.matrix) * Matrix{1, 0, 0, -1, 0, 0};
        if (!toRoot.IsIdentity()) e.append_attribute("transform").set_value(FormatMatrix(toRoot).c_str());
        e.append_attribute("xlink:href").set_value(("data:image/png;base64," + Base64Encode(EncodePng(image))).c_str());
        return e;
    }

    // A gradient read in bounding-box units on a path that kept its user space is written in those units again,
    // measured on the box of the path as written: the matrix from that box to the gradient's own space.
    static std::optional<Matrix> BoxUnits(const Gradient& gradient, const Matrix& toLocal, const Box& localBox,
                                          const Matrix& toRoot) {
        const auto units = gradient.carried.attributes->find("gradientUnits");
        if (toLocal.IsIdentity() || units == gradient.carried.attributes->end() || units->second != "objectBoundingBox")
            return std::nullopt;
        Matrix fromBox;
        const Matrix toBox{localBox.Width(), 0, 0, localBox.Height(), localBox.minX, localBox.minY};
        if (!toBox.Invert(fromBox)) return std::nullopt;
        const Matrix m = fromBox * toRoot;
        // An unchanged path gives the gradient's own transform back, usually the identity, up to round-off that
        // must not be written as a transform the file never had.
        constexpr double kSlack = geometry::kIdentitySlack;
        const bool identity = std::fabs(m.a - 1) < kSlack && std::fabs(m.b) < kSlack && std::fabs(m.c) < kSlack &&
                              std::fabs(m.d - 1) < kSlack && std::fabs(m.tx) < kSlack && std::fabs(m.ty) < kSlack;
        return identity ? Matrix{} : m;
    }

    // One definition per gradient and placement; shapes with the same placement share it.
    std::string GradientId(const AIGradientStyle& style, const Matrix& toLocal, const Box& localBox) {
        const headless::GradientId id = doc_.GradientOf(style.gradient);
        const Gradient* gradient = doc_.FindGradient(id);
        if (!gradient) ThrowSvgError("", 0, "", "a path refers to a gradient the document does not hold");
        const bool radial = gradient->type == GradientType::kRadial;
        const Matrix toRoot = toLocal * kSvgToArtwork * ToMatrix(style.matrix);
        const double angle = (radial ? style.hiliteAngle : style.gradientAngle) * std::numbers::pi / 180;
        const double reach = radial ? style.hiliteLength * style.gradientLength : style.gradientLength;
        Point origin{style.gradientOrigin.h, style.gradientOrigin.v};
        Point other{origin.x + reach * std::cos(angle), origin.y + reach * std::sin(angle)};
        double radius = style.gradientLength;
        const std::optional<Matrix> inBox = BoxUnits(*gradient, toLocal, localBox, toRoot);
        // A similarity is written out in user space or in the box, whichever the gradient is written in, so that
        // the writing does not hang on how the document holds it; anything else keeps the gradient's own space.
        const Matrix written = inBox.value_or(toRoot);
        const bool direct = written.IsSimilarity();
        if (direct) {
            origin = written.Apply(origin);
            other = written.Apply(other);
            radius *= written.MeanScale();
        }
        const bool transformed = !direct && !written.IsIdentity();
        const std::string transform = transformed ? FormatMatrix(written) : std::string();
        if (transformed) {
            // The transform is written rounded: the ends are placed against it as written, or reading the file
            // back would land them a rounding of the transform, times their distance, away.
            Matrix rounded, undo;
            if (ParseTransform(transform, rounded).empty() && rounded.Invert(undo)) {
                const Matrix correction = undo * written;
                const Point o = correction.Apply(origin), t = correction.Apply(other);
                const double r = radius * correction.MeanScale();
                if (std::isfinite(o.x) && std::isfinite(o.y) && std::isfinite(t.x) && std::isfinite(t.y) &&
                    std::isfinite(r)) {
                    origin = o;
                    other = t;
                    radius = r;
                }
            }
        }
        pugi::xml_node e = defs_.append_child(radial ? "radialGradient" : "linearGradient");
        e.append_attribute("id");
        e.append_attribute("gradientUnits").set_value(inBox ? "objectBoundingBox" : "userSpaceOnUse");
        SetNumber(e, radial ? "cx" : "x1", origin.x);
        SetNumber(e, radial ? "cy" : "y1", origin.y);
        if (radial) {
            SetNumber(e, "r", radius);
            SetNumber(e, "fx", other.x);
            SetNumber(e, "fy", other.y);
        } else {
            SetNumber(e, "x2", other.x);
            SetNumber(e, "y2", other.y);
        }
        if (transformed) e.append_attribute("gradientTransform").set_value(transform.c_str());
        if (!gradient->spreadMethod.empty() && gradient->spreadMethod != "pad")
            e.append_attribute("spreadMethod").set_value(gradient->spreadMethod.c_str());
        for (const GradientStop& stop : gradient->stops) {
            pugi::xml_node s = e.append_child("stop");
            SetNumber(s, "offset", stop.offset);
            s.append_attribute("stop-color").set_value(FormatColor(ToRgb(stop.color)).c_str());
            if (stop.opacity != 1) SetNumber(s, "stop-opacity", stop.opacity);
        }
        std::string key = SerializeElement(e);
        if (auto it = gradientByKey_.find(key); it != gradientByKey_.end()) {
            defs_.remove_child(e);
            return it->second;
        }
        std::string name = PlacedGradientName(gradient->carried.id);
        if (KeptDefinitionSays(name, key))
            definitions_.erase(name);  // this takes its place
        else
            name = UniqueId(name);
        e.attribute("id").set_value(name.c_str());
        gradientByKey_.emplace(std::move(key), name);
        return name;
    }

    // Paint, clipping and use references may name an element inside a kept definition (a gradient in a nested
    // defs, a shape inside a symbol); such a reference keeps the whole definition around it.
    void IndexNestedIds(pugi::xml_node definition) {
        for (pugi::xml_node e = definition.first_child(); e;) {
            if (e.type() == pugi::node_element) {
                if (const char* id = e.attribute("id").value(); *id) {
                    usedIds_.insert(id);
                    enclosingDefinition_.emplace(id, definition);
                }
                if (e.first_child()) {
                    e = e.first_child();
                    continue;
                }
            }
            while (!e.next_sibling() && e.parent() != definition)
                e = e.parent();
            e = e.next_sibling();
        }
    }

    // True when the file held a definition `id` that, apart from its id and the rounding of its numbers, is
    // `text`: a gradient or clipping path this writer made before, unchanged since.
    bool KeptDefinitionSays(const std::string& id, const std::string& text) const {
        const auto it = definitions_.find(id);
        if (it == definitions_.end()) return false;
        pugi::xml_document copy;
        pugi::xml_node e = copy.append_copy(it->second);
        e.attribute("id").set_value("");
        return DifferenceBeyondRounding(SerializeElement(e), text).empty();
    }

    // Kept definitions go in only when something written refers to them, directly or through another one.
    void AddReferencedDefinitions(pugi::xml_node svg) {
        // Nothing kept to refer to, so no need to print the document to look.
        if (definitions_.empty() && enclosingDefinition_.empty()) return;
        std::vector<std::string> pending;
        CollectReferences(SerializeElement(svg), pending);
        std::unordered_set<const void*> added;
        while (!pending.empty()) {
            const std::string id = std::move(pending.back());
            pending.pop_back();
            pugi::xml_node definition;
            if (const auto it = definitions_.find(id); it != definitions_.end())
                definition = it->second;
            else if (const auto outer = enclosingDefinition_.find(id); outer != enclosingDefinition_.end())
                definition = outer->second;
            if (!definition || !added.insert(definition.internal_object()).second) continue;
            pugi::xml_node copy = defs_.append_copy(definition);
            CollectReferences(SerializeElement(copy), pending);
        }
    }

    // The root's attributes come out in name order, declarations included, so that writing what was read from
    // a written file gives the same text. A prefix is declared when an element or attribute name written uses it;
    // the names are walked rather than the document printed once more.
    static void DeclareNamespaces(pugi::xml_node svg) {
        PrefixWalker names;
        names.Add(svg);
        svg.traverse(names);
        std::map<std::string, std::string> attributes;
        for (pugi::xml_attribute a : svg.attributes())
            attributes.emplace(a.name(), a.value());
        for (const auto& [attribute, uri] : kNamespaces) {
            const std::string_view name(attribute);
            if (name == "xmlns" || names.prefixes.contains(name.substr(6))) attributes.emplace(attribute, uri);
        }
        svg.remove_attributes();
        for (const auto& [name, value] : attributes)
            svg.append_attribute(name.c_str()).set_value(value.c_str());
    }

    const Document& doc_;
    pugi::xml_document out_;
    pugi::xml_document store_;
    pugi::xml_node defs_;
    std::unordered_map<std::string, pugi::xml_node> definitions_;
    std::unordered_map<std::string, pugi::xml_node> enclosingDefinition_;  // nested id -> its kept definition
    std::unordered_set<std::string> usedIds_;
    const StyleSheet* sheets_;
    StyleSheet written_;
    std::unordered_map<std::string, std::string> gradientByKey_;
    int clipCount_ = 0;
};

}  // namespace

void WriteDocumentSvg(const Document& document, const TextSink& sink) {
    Writer plain(document);
    plain.Build();
    if (plain.WrittenStyleSheets().Empty()) return plain.Save(sink);
    // Written again knowing the sheets; what it writes differently is only style attributes, not sheets.
    Writer again(document, &plain.WrittenStyleSheets());
    again.Build();
    again.Save(sink);
}

std::string DocumentToSvg(const Document& document) {
    std::string text;
    WriteDocumentSvg(document, [&text](std::string_view piece) { text.append(piece); });
    return text;
}

}  // namespace headless::svg
