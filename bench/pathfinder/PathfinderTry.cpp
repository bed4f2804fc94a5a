// pathfinder-try: runs Crop or Outline on two paths given as SVG path data and prints the pieces.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "headless/pathfinder/BezierShape.h"
#include "headless/pathfinder/Crop.h"
#include "headless/pathfinder/Outline.h"
#include "headless/svg/PathShapes.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: pathfinder-try crop|outline TOP-PATH-DATA nonzero|evenodd UNDER-PATH-DATA nonzero|evenodd "
                 "[--unfilled-top]\n");
    return 2;
}

bool ReadRule(const char* text, pathfinder::FillRule& rule) {
    if (std::strcmp(text, "nonzero") == 0)
        rule = pathfinder::FillRule::kNonZero;
    else if (std::strcmp(text, "evenodd") == 0)
        rule = pathfinder::FillRule::kEvenOdd;
    else
        return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace pathfinder;
    if (argc < 6 || argc > 7) return Usage();
    const std::string operation = argv[1];
    FillRule topRule, underRule;
    if (!ReadRule(argv[3], topRule) || !ReadRule(argv[5], underRule)) return Usage();
    const bool unfilledTop = argc == 7 && std::strcmp(argv[6], "--unfilled-top") == 0;
    if (argc == 7 && !unfilledTop) return Usage();
    try {
        const BezierShape top = headless::svg::ShapeOfPathData(argv[2], topRule);
        const BezierShape under = headless::svg::ShapeOfPathData(argv[4], underRule);
        if (operation == "crop") {
            const CropResult result = Crop(top, under);
            if (result.status != PathfinderStatus::kOk) {
                std::fprintf(stderr, "pathfinder-try: crop failed: %s\n", Describe(result.status));
                return 1;
            }
            for (const CropPiece& p : result.pieces)
                std::printf("%s area=%.9g paint=%s d=\"%s\"\n", p.role == CropRole::kOverlap ? "overlap" : "top-only",
                            std::abs(SignedArea(p.shape)), p.role == CropRole::kOverlap ? "under's fill" : "none",
                            headless::svg::PathDataOfShape(p.shape).c_str());
        } else if (operation == "outline") {
            const OutlineResult result = Outline(top, under, {{}, !unfilledTop});
            if (result.status != PathfinderStatus::kOk) {
                std::fprintf(stderr, "pathfinder-try: outline failed: %s\n", Describe(result.status));
                return 1;
            }
            for (const OutlinePiece& p : result.pieces) {
                const BezierShape shape{{p.path}, FillRule::kNonZero};
                std::printf("%s path=%d %s area=%.9g d=\"%s\"\n", p.source == OutlineSource::kTop ? "top" : "under",
                            p.pathIndex, p.path.closed ? "closed" : "open", std::abs(SignedArea(shape)),
                            headless::svg::PathDataOfShape(shape).c_str());
            }
        } else {
            return Usage();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "pathfinder-try: %s\n", e.what());
        return 1;
    }
    return 0;
}
