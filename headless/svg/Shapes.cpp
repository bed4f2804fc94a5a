// Shape outlines. Circles and ellipses are four quarter arcs with the usual 0.5523 handle factor.
#include "headless/svg/Shapes.h"

#include <algorithm>

#include "headless/svg/PathData.h"
#include "headless/svg/Scanner.h"

namespace headless::svg {

namespace {

constexpr double kKappa = 0.5522847498307936;

double Attribute(pugi::xml_node element, const char* name, const LengthContext& context, LengthAxis axis,
                 std::string& error, double fallback = 0) {
    const pugi::xml_attribute attribute = element.attribute(name);
    if (!attribute) return fallback;
    const auto value = ParseLength(attribute.value(), context, axis);
    if (!value) {
        error = std::string("bad length in ") + name + ": '" + attribute.value() + "'";
        return fallback;
    }
    return *value;
}

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
    std::string error;
    const double x = Attribute(e, "x", c, LengthAxis::kX, error);
    const double y = Attribute(e, "y", c, LengthAxis::kY, error);
    const double w = Attribute(e, "width", c, LengthAxis::kX, error);
    const double h = Attribute(e, "height", c, LengthAxis::kY, error);
    const bool hasRx = e.attribute("rx"), hasRy = e.attribute("ry");
    double rx = Attribute(e, "rx", c, LengthAxis::kX, error);
    double ry = Attribute(e, "ry", c, LengthAxis::kY, error);
    if (!error.empty()) return error;
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
    std::string error;
    if (name == "path") return ParsePathData(e.attribute("d").value(), out);
    if (name == "rect") return RectSubpaths(e, c, out);
    if (name == "polyline" || name == "polygon") return PointsSubpath(e, name == "polygon", out);
    if (name == "line") {
        const Point a{Attribute(e, "x1", c, LengthAxis::kX, error), Attribute(e, "y1", c, LengthAxis::kY, error)};
        const Point b{Attribute(e, "x2", c, LengthAxis::kX, error), Attribute(e, "y2", c, LengthAxis::kY, error)};
        if (!error.empty()) return error;
        Subpath s{{a}, false};
        AddLine(s, b);
        out.push_back(std::move(s));
        return {};
    }
    const double cx = Attribute(e, "cx", c, LengthAxis::kX, error);
    const double cy = Attribute(e, "cy", c, LengthAxis::kY, error);
    double rx, ry;
    if (name == "circle") {
        rx = ry = Attribute(e, "r", c, LengthAxis::kOther, error);
    } else {
        const bool hasRx = e.attribute("rx"), hasRy = e.attribute("ry");
        rx = Attribute(e, "rx", c, LengthAxis::kX, error);
        ry = Attribute(e, "ry", c, LengthAxis::kY, error);
        if (hasRx && !hasRy) ry = rx;
        if (hasRy && !hasRx) rx = ry;
    }
    if (!error.empty()) return error;
    if (rx < 0 || ry < 0) return "negative radius";
    if (rx > 0 && ry > 0) out.push_back(Ellipse(cx, cy, rx, ry));
    return {};
}

}  // namespace headless::svg
