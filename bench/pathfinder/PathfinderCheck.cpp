// pathfinder-check: runs Crop and Outline on every shape of the benchmark documents against the region and counts
// the shapes whose results break an invariant: the Crop pieces of each side do not add up to the area they split,
// or an Outline piece of a shape lies on the hidden side (inside the region) or a stretch outside is missing.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "bench/pathfinder/BenchDocument.h"
#include "headless/pathfinder/BezierShape.h"
#include "headless/pathfinder/Contact.h"
#include "headless/pathfinder/Crop.h"
#include "headless/pathfinder/Outline.h"
#include "headless/pathfinder/PathParams.h"

namespace {

using namespace pathfinder;

// Area sums may differ from the whole by this much, relative to the shape's box.
constexpr double kAreaRelative = 1e-6;
// Points this far from the region's outline are clearly on one side of it: source points outside must lie on a
// visible piece, and no point of a visible piece may lie inside (points).
constexpr double kSideMargin = 1e-3;
constexpr double kOnPiece = 1e-6;
constexpr int kSamplesPerSegment = 32;

double RoleArea(const CropResult& r, CropRole role) {
    double area = 0.0;
    for (const CropPiece& p : r.pieces)
        if (p.role == role) area += std::abs(SignedArea(p.shape));
    return area;
}

double BoxArea(const BezierShape& shape) {
    const Box b = ControlBounds(shape);
    return b.IsEmpty() ? 0.0 : (b.maxX - b.minX) * (b.maxY - b.minY);
}

double BoxDistance(const Box& b, Point q) {
    return std::hypot(std::max({b.minX - q.x, 0.0, q.x - b.maxX}), std::max({b.minY - q.y, 0.0, q.y - b.maxY}));
}

// Whether the curve passes within reach of q (to within a quarter of reach), by subdivision pruned by the control
// boxes.
bool CurveNear(const Cubic& c, Point q, double reach) {
    const Box b = c.ControlBounds();
    if (BoxDistance(b, q) > reach) return false;
    if (Distance(c.p0, q) <= reach || Distance(c.p3, q) <= reach) return true;
    if ((b.maxX - b.minX) + (b.maxY - b.minY) < reach / 4) return false;
    Cubic left, right;
    c.Split(0.5, left, right);
    return CurveNear(left, q, reach) || CurveNear(right, q, reach);
}

bool ShapeNear(const BezierShape& shape, Point q, double reach) {
    for (const BezierPath& path : shape.paths)
        for (std::size_t i = 0; i < SegmentCount(path); ++i)
            if (CurveNear(SegmentOf(path, i), q, reach)) return true;
    return false;
}

struct Counts {
    std::size_t closed = 0, open = 0, failures = 0;
    std::size_t topAreaOff = 0, shapeAreaOff = 0, wrongSide = 0, missing = 0;
    double worstTop = 0.0, worstShape = 0.0;
};

void Report(bool verbose, const char* what, const std::string& id, double value) {
    if (verbose) std::printf("  %s %s %.3g\n", id.c_str(), what, value);
}

void CheckCrop(const BezierShape& region, const BezierShape& shape, const std::string& id, bool verbose, Counts& c) {
    ++c.closed;
    const double allowed = kAreaRelative * std::max(BoxArea(shape), 1.0);
    const CropResult byRegion = Crop(region, shape);
    const CropResult byShape = Crop(shape, region);
    if (byRegion.status != PathfinderStatus::kOk || byShape.status != PathfinderStatus::kOk) {
        ++c.failures;
        return;
    }
    const double topOff = std::abs(RoleArea(byRegion, CropRole::kOverlap) + RoleArea(byRegion, CropRole::kTopOnly) -
                                   std::abs(SignedArea(region)));
    c.worstTop = std::max(c.worstTop, topOff);
    if (topOff > allowed) ++c.topAreaOff, Report(verbose, "region area off by", id, topOff);
    // A single path's fill is its enclosed area; compound shapes are checked by the region side only.
    if (shape.paths.size() != 1) return;
    const double shapeOff = std::abs(RoleArea(byShape, CropRole::kOverlap) + RoleArea(byShape, CropRole::kTopOnly) -
                                     std::abs(SignedArea(shape)));
    c.worstShape = std::max(c.worstShape, shapeOff);
    if (shapeOff > allowed) ++c.shapeAreaOff, Report(verbose, "shape area off by", id, shapeOff);
}

void CheckOutline(const BezierShape& region, const BezierShape& shape, const std::string& id, bool verbose, Counts& c) {
    ++c.open;
    const OutlineResult r = Outline(region, shape);
    if (r.status != PathfinderStatus::kOk) {
        ++c.failures;
        return;
    }
    BezierShape visible;
    bool wrong = false;
    for (const OutlinePiece& p : r.pieces) {
        if (p.source != OutlineSource::kUnder) continue;
        // Samples along the piece, not only its middle: a piece may run on past a crossing it should end at.
        const std::size_t n = SegmentCount(p.path);
        for (std::size_t k = 1; k < n * kSamplesPerSegment && !wrong; ++k) {
            const Point q = PointAt(p.path, static_cast<double>(k) / kSamplesPerSegment);
            wrong = IsInsideFill(region, q) && !ShapeNear(region, q, kSideMargin);
        }
        visible.paths.push_back(p.path);
    }
    if (wrong) ++c.wrongSide, Report(verbose, "has a piece inside the region", id, 0.0);
    // Every point of the shape clearly outside the region is drawn by some piece.
    for (const BezierPath& path : shape.paths) {
        const std::size_t n = SegmentCount(path);
        for (std::size_t k = 0; k <= n * kSamplesPerSegment; ++k) {
            const Point q = PointAt(path, static_cast<double>(k) / kSamplesPerSegment);
            if (IsInsideFill(region, q) || ShapeNear(region, q, kSideMargin)) continue;
            if (!ShapeNear(visible, q, kOnPiece)) {
                ++c.missing;
                Report(verbose, "misses a stretch outside the region at sample", id, static_cast<double>(k));
                return;
            }
        }
    }
}

int Usage() {
    std::fprintf(stderr, "usage: pathfinder-check BENCH-DATA-DIR [--only DOCUMENT] [--verbose]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argv[1][0] == '-') return Usage();
    const std::string dir = argv[1];
    std::vector<std::string> names = pathfinder::bench::kBenchDocuments;
    bool verbose = false;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc)
            names = {argv[++i]};
        else if (std::strcmp(argv[i], "--verbose") == 0)
            verbose = true;
        else
            return Usage();
    }
    std::size_t bad = 0;
    try {
        for (const std::string& name : names) {
            const bench::BenchDocument doc = bench::LoadBenchDocument(dir + "/" + name + ".svg");
            if (verbose) std::printf("%s:\n", name.c_str());
            Counts c;
            for (std::size_t i = 0; i < doc.shapes.size(); ++i) {
                if (doc.closed[i])
                    CheckCrop(doc.region, doc.shapes[i], doc.ids[i], verbose, c);
                else
                    CheckOutline(doc.region, doc.shapes[i], doc.ids[i], verbose, c);
            }
            std::printf(
                "%-18s crop: %zu shapes, region area off %zu (worst %.3g pt2), shape area off %zu (worst %.3g "
                "pt2); outline: %zu shapes, piece inside %zu, stretch missing %zu; failures %zu\n",
                name.c_str(), c.closed, c.topAreaOff, c.worstTop, c.shapeAreaOff, c.worstShape, c.open, c.wrongSide,
                c.missing, c.failures);
            bad += c.topAreaOff + c.shapeAreaOff + c.wrongSide + c.missing + c.failures;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "pathfinder-check: %s\n", e.what());
        return 1;
    }
    return bad == 0 ? 0 : 1;
}
