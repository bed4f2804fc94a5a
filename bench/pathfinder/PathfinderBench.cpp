// Crop and Outline of every shape of the synthetic benchmark documents against their region; prints shapes per
// second and how many segments the pieces keep compared with the input.
#include <chrono>
#include <cstdio>
#include <exception>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/pathfinder/SvgPathData.h"
#include "headless/pathfinder/Crop.h"
#include "headless/pathfinder/Cubic.h"
#include "headless/pathfinder/Outline.h"

namespace {

using namespace pathfinder;

struct Document {
    BezierShape region;
    std::vector<BezierShape> shapes;
    std::vector<bool> closed;
};

std::string Attribute(const std::string& element, const std::string& name) {
    const std::string key = " " + name + "=\"";
    const std::size_t at = element.find(key);
    if (at == std::string::npos) return {};
    const std::size_t from = at + key.size();
    return element.substr(from, element.find('"', from) - from);
}

Document Load(const std::string& file) {
    std::ifstream in(file);
    if (!in) throw std::runtime_error("cannot read " + file);
    std::stringstream text;
    text << in.rdbuf();
    const std::string svg = text.str();
    Document doc;
    for (std::size_t at = svg.find("<path"); at != std::string::npos; at = svg.find("<path", at + 1)) {
        const std::string element = svg.substr(at, svg.find('>', at) - at);
        const std::string d = Attribute(element, "d");
        const FillRule rule = Attribute(element, "fill-rule") == "evenodd" ? FillRule::kEvenOdd : FillRule::kNonZero;
        BezierShape shape = bench::ParsePathData(d, rule);
        if (Attribute(element, "id") == "region") {
            doc.region = std::move(shape);
            continue;
        }
        doc.closed.push_back(d.find_first_of("Zz") != std::string::npos);
        doc.shapes.push_back(std::move(shape));
    }
    return doc;
}

std::size_t Segments(const BezierShape& shape) {
    std::size_t n = 0;
    for (const BezierPath& p : shape.paths)
        n += SegmentCount(p);
    return n;
}

struct Tally {
    std::size_t failures = 0, pieces = 0, pieceSegments = 0, cutShapes = 0, cutInputSegments = 0;
};

// One pass over the document; the statistics count the pieces made from each shape, and a shape counts as cut
// when its pieces differ from it.
Tally RunOnce(const Document& doc, unsigned cropParts) {
    Tally t;
    for (std::size_t i = 0; i < doc.shapes.size(); ++i) {
        const BezierShape& shape = doc.shapes[i];
        std::size_t pieces = 0, segments = 0;
        if (doc.closed[i]) {
            const CropResult r = Crop(doc.region, shape, {{}, cropParts});
            if (r.status != PathfinderStatus::kOk) ++t.failures;
            for (const CropPiece& p : r.pieces)
                if (p.role == CropRole::kOverlap) ++pieces, segments += Segments(p.shape);
        } else {
            const OutlineResult r = Outline(doc.region, shape);
            if (r.status != PathfinderStatus::kOk) ++t.failures;
            for (const OutlinePiece& p : r.pieces)
                if (p.source == OutlineSource::kUnder) ++pieces, segments += SegmentCount(p.path);
        }
        const bool cut = !(pieces == 1 && segments == Segments(shape)) && pieces > 0;
        if (cut) {
            ++t.cutShapes;
            t.cutInputSegments += Segments(shape);
            t.pieces += pieces;
            t.pieceSegments += segments;
        }
    }
    return t;
}

void Measure(const std::string& name, const Document& doc, unsigned cropParts, const char* label) {
    RunOnce(doc, cropParts);  // warm up
    double best = 1e300;
    Tally tally;
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        tally = RunOnce(doc, cropParts);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        best = std::min(best, seconds);
    }
    const double inputMean = tally.cutShapes ? double(tally.cutInputSegments) / double(tally.cutShapes) : 0.0;
    const double outputMean = tally.pieces ? double(tally.pieceSegments) / double(tally.pieces) : 0.0;
    std::printf(
        "%-22s %-18s %9.0f shapes/s  cut shapes %zu: %.2f segments per piece vs %.2f per input shape "
        "(ratio %.2f)  failures %zu\n",
        name.c_str(), label, double(doc.shapes.size()) / best, tally.cutShapes, outputMean, inputMean,
        inputMean > 0 ? outputMean / inputMean : 0.0, tally.failures);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string dir = argc > 1 ? argv[1] : std::string(TRIMORA_SOURCE_DIR) + "/../shared/bench-data";
    try {
        for (const char* name : {"synth-1k-circle", "synth-1k-star", "synth-10k-circle", "synth-10k-star"}) {
            const Document doc = Load(dir + "/" + name + ".svg");
            Measure(name, doc, kCropOverlap | kCropTopOnly, "crop (both parts)");
            Measure(name, doc, kCropOverlap, "crop (overlap)");
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "pathfinder-bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
