// Shape outlines. Circles and ellipses are four quarter arcs with the usual 0.5523 handle factor.
#include "headless/svg/Shapes.h"

#include <algorithm>

#include "headless/svg/Css.h"
#include "headless/svg/PathData.h"
#include "headless/svg/Scanner.h"

namespace headless::svg {

namespace {

constexpr double kKappa = 0.5522847498307936;

// A shape's lengths. Those that are also CSS properties may be given in the style attribute, which outranks the
// attribute of the same name. "auto" there means no size for a rect and a corner radius taken from the other one;
// other values that are no plain length (calc()) leave it to the attribute.
class ShapeLengths {
public:
    ShapeLengths(pugi::xml_node element, const LengthContext& context) : element_(element), context_(context) {
        const std::string_view style = element.attribute("style").value();
        if (style.empty()) return;
        for (auto& [name, value] : ParseDeclarations(style)) {
            const bool known = value == "auto" ? MayBeAuto(name)
                                               : IsGeometryProperty(name) &&
                                                     ParseLength(value, context, LengthAxis::kOther).has_value();
            if (known) styled_.emplace_back(std::move(name), std::move(value));
        }
    }

    bool Has(const char* name) const {
        const std::string* styled = Styled(name);
        return styled ? *styled != "auto" : static_cast<bool>(element_.attribute(name));
    }

    double Get(const char* name, LengthAxis axis, double fallback = 0) {
        if (const std::string* styled = Styled(name)) {
            if (*styled == "auto") return fallback;
            if (const auto value = ParseLength(*styled, context_, axis)) return *value;
        }
        const pugi::xml_attribute attribute = element_.attribute(name);
        if (!attribute) return fallback;
        const auto value = ParseLength(attribute.value(), context_, axis);
        if (!value) {
            error_ = std::string("bad length in ") + name + ": '" + attribute.value() + "'";
            return fallback;
        }
        return *value;
    }

    const std::string& Error() const { return error_; }

private:
    static bool IsGeometryProperty(std::string_view name) {
        return name == "x" || name == "y" || name == "width" || name == "height" || name == "rx" || name == "ry" ||
               name == "cx" || name == "cy" || name == "r";
    }

    static bool MayBeAuto(std::string_view name) {
        return name == "width" || name == "height" || name == "rx" || name == "ry";
    }

    const std::string* Styled(std::string_view name) const {
        for (auto it = styled_.rbegin(); it != styled_.rend(); ++it)
            if (it->first == name) return &it->second;
        return nullptr;
    }

    pugi::xml_node element_;
    const LengthContext& context_;
    Declarations styled_;
    std::string error_;
};

void AddLine(Subpath& s, Point to) {
    const Point from = s.points.back();
    s.points.insert(s.points.end(), {from, to, to});
}

void AddCorner(Subpath& s, Point control1, Point control2, Point to) {
    s.points.insert(s.points.end(), {control1, control2, to});
}

Subpath Ellipse(double cx, double cy, double rx, double ry) {
    const double kx = rx * kKappa, ky = ry * kKappa;
    Subpath s{{{cx + rx, cy}}, true};
    AddCorner(s, {cx + rx, cy + ky}, {cx + kx, cy + ry}, {cx, cy + ry});
    AddCorner(s, {cx - kx, cy + ry}, {cx - rx, cy + ky}, {cx - rx, cy});
    AddCorner(s, {cx - rx, cy - ky}, {cx - kx, cy - ry}, {cx, cy - ry});
    AddCorner(s, {cx + kx, cy - ry}, {cx + rx, cy - ky}, {cx + rx, cy});
    return s;
}

std::string RectSubpaths(pugi::xml_node e, const LengthContext& c, std::vector<Subpath>& out) {
    ShapeLengths lengths(e, c);
    const double x = lengths.Get("x", LengthAxis::kX);
    const double y = lengths.Get("y", LengthAxis::kY);
    const double w = lengths.Get("width", LengthAxis::kX);
    const double h = lengths.Get("height", LengthAxis::kY);
    const bool hasRx = lengths.Has("rx"), hasRy = lengths.Has("ry");
    double rx = lengths.Get("rx", LengthAxis::kX);
    double ry = lengths.Get("ry", LengthAxis::kY);
    if (!lengths.Error().empty()) return lengths.Error();
    if (w < 0 || h < 0) return "negative width or height";
    if (rx < 0 || ry < 0) return "negative corner radius";
    if (w == 0 || h == 0) return {};
    if (hasRx && !hasRy) ry = rx;
    if (hasRy && !hasRx) rx = ry;
    rx = std::min(rx, w / 2);
    ry = std::min(ry, h / 2);
    if (rx == 0 || ry == 0) {
        Subpath s{{{x, y}}, true};
        AddLine(s, {x + w, y});
        AddLine(s, {x + w, y + h});
        AddLine(s, {x, y + h});
        out.push_back(std::move(s));
        return {};
    }
    const double kx = rx * kKappa, ky = ry * kKappa;
    Subpath s{{{x + rx, y}}, true};
    AddLine(s, {x + w - rx, y});
    AddCorner(s, {x + w - rx + kx, y}, {x + w, y + ry - ky}, {x + w, y + ry});
    AddLine(s, {x + w, y + h - ry});
    AddCorner(s, {x + w, y + h - ry + ky}, {x + w - rx + kx, y + h}, {x + w - rx, y + h});
    AddLine(s, {x + rx, y + h});
    AddCorner(s, {x + rx - kx, y + h}, {x, y + h - ry + ky}, {x, y + h - ry});
    AddLine(s, {x, y + ry});
    AddCorner(s, {x, y + ry - ky}, {x + rx - kx, y}, {x + rx, y});
    out.push_back(std::move(s));
    return {};
}

std::string PointsSubpath(pugi::xml_node e, bool closed, std::vector<Subpath>& out) {
    Scanner scan(e.attribute("points").value());
    Subpath s{{}, closed};
    scan.SkipSpaces();
    while (!scan.AtEnd()) {
        Point p;
        if (!scan.ReadNumber(p.x)) return "bad number in points at character " + std::to_string(scan.Position() + 1);
        scan.SkipSeparator();
        // An odd number of coordinates: the last one is dropped, as SVG says.
        if (scan.AtEnd() || !scan.ReadNumber(p.y)) break;
        scan.SkipSeparator();
        if (s.points.empty())
            s.points.push_back(p);
        else
            AddLine(s, p);
    }
    if (s.points.size() > 1) out.push_back(std::move(s));
    return {};
}

}  // namespace

bool IsShapeElement(std::string_view name) {
    return name == "path" || name == "rect" || name == "circle" || name == "ellipse" || name == "line" ||
           name == "polyline" || name == "polygon";
}

std::string ShapeSubpaths(pugi::xml_node e, const LengthContext& c, std::vector<Subpath>& out) {
    const std::string_view name = e.name();
    if (name == "path") return ParsePathData(e.attribute("d").value(), out);
    if (name == "rect") return RectSubpaths(e, c, out);
    if (name == "polyline" || name == "polygon") return PointsSubpath(e, name == "polygon", out);
    ShapeLengths lengths(e, c);
    if (name == "line") {
        const Point a{lengths.Get("x1", LengthAxis::kX), lengths.Get("y1", LengthAxis::kY)};
        const Point b{lengths.Get("x2", LengthAxis::kX), lengths.Get("y2", LengthAxis::kY)};
        if (!lengths.Error().empty()) return lengths.Error();
        Subpath s{{a}, false};
        AddLine(s, b);
        out.push_back(std::move(s));
        return {};
    }
    const double cx = lengths.Get("cx", LengthAxis::kX);
    const double cy = lengths.Get("cy", LengthAxis::kY);
    double rx, ry;
    if (name == "circle") {
        rx = ry = lengths.Get("r", LengthAxis::kOther);
    } else {
        const bool hasRx = lengths.Has("rx"), hasRy = lengths.Has("ry");
        rx = lengths.Get("rx", LengthAxis::kX);
        ry = lengths.Get("ry", LengthAxis::kY);
        if (hasRx && !hasRy) ry = rx;
        if (hasRy && !hasRx) rx = ry;
    }
    if (!lengths.Error().empty()) return lengths.Error();
    if (rx < 0 || ry < 0) return "negative radius";
    if (rx > 0 && ry > 0) out.push_back(Ellipse(cx, cy, rx, ry));
    return {};
}

}  // namespace headless::svg
