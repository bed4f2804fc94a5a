// Crop and Outline of every shape of the synthetic benchmark documents against their region; prints shapes per
// second for the full Crop (overlap and top-only pieces) and for the overlap alone, over all shapes and over the
// closed ones alone, how many segments the pieces keep compared with their sources, and the other engines' figures
// on the same document from the same run when node is installed.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "bench/pathfinder/BenchDocument.h"
#include "bench/peers/PeerEngines.h"
#include "headless/pathfinder/BezierShape.h"
#include "headless/pathfinder/Crop.h"
#include "headless/pathfinder/Outline.h"

namespace {

using namespace pathfinder;

using Document = bench::BenchDocument;

std::size_t Segments(const BezierShape& shape) {
    std::size_t n = 0;
    for (const BezierPath& p : shape.paths)
        n += SegmentCount(p);
    return n;
}

// Pieces of the shapes that were cut (their pieces differ from the shape) against the segments of those shapes.
struct CurveTally {
    std::size_t shapes = 0, inputSegments = 0, pieces = 0, pieceSegments = 0;

    static bool IsCut(std::size_t input, std::size_t pieceCount, std::size_t segments) {
        return pieceCount > 0 && !(pieceCount == 1 && segments == input);
    }
    void Add(std::size_t input, std::size_t pieceCount, std::size_t segments) {
        if (!IsCut(input, pieceCount, segments)) return;
        ++shapes;
        inputSegments += input;
        pieces += pieceCount;
        pieceSegments += segments;
    }
    double PerPiece() const { return pieces ? double(pieceSegments) / double(pieces) : 0.0; }
    double PerInput() const { return shapes ? double(inputSegments) / double(shapes) : 0.0; }
    double Ratio() const { return PerInput() > 0 ? PerPiece() / PerInput() : 0.0; }
};

struct Tally {
    std::size_t failures = 0;
    std::size_t closed = 0;
    double closedSeconds = 0.0;  // spent on the closed shapes alone
    CurveTally overlap;          // pieces of the lower shape, against the shape
    CurveTally topOnly;          // the region minus a cut shape, against the region and the shape together
};

Tally RunOnce(const Document& doc, unsigned cropParts) {
    Tally t;
    const std::size_t regionSegments = Segments(doc.region);
    for (std::size_t i = 0; i < doc.shapes.size(); ++i) {
        const BezierShape& shape = doc.shapes[i];
        std::size_t pieces = 0, segments = 0, topPieces = 0, topSegments = 0;
        if (doc.closed[i]) {
            const auto start = std::chrono::steady_clock::now();
            const CropResult r = Crop(doc.region, shape, {{}, cropParts});
            t.closedSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            ++t.closed;
            if (r.status != PathfinderStatus::kOk) ++t.failures;
            for (const CropPiece& p : r.pieces) {
                if (p.role == CropRole::kOverlap)
                    ++pieces, segments += Segments(p.shape);
                else
                    ++topPieces, topSegments += Segments(p.shape);
            }
            if (CurveTally::IsCut(Segments(shape), pieces, segments))
                t.topOnly.Add(regionSegments + Segments(shape), topPieces, topSegments);
        } else {
            const OutlineResult r = Outline(doc.region, shape);
            if (r.status != PathfinderStatus::kOk) ++t.failures;
            for (const OutlinePiece& p : r.pieces)
                if (p.source == OutlineSource::kUnder) ++pieces, segments += SegmentCount(p.path);
        }
        t.overlap.Add(Segments(shape), pieces, segments);
    }
    return t;
}

void Measure(const std::string& name, const Document& doc, unsigned cropParts, const char* label, int runs) {
    if (runs > 1) RunOnce(doc, cropParts);  // warm up
    double best = 1e300, bestClosed = 1e300;
    Tally tally;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        tally = RunOnce(doc, cropParts);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        best = std::min(best, seconds);
        bestClosed = std::min(bestClosed, tally.closedSeconds);
    }
    std::printf(
        "%-22s %-18s %7.0f shapes/s (closed %7.0f)  %.2f segments per piece (input %.2f, ratio %.2f, %zu "
        "shapes cut)",
        name.c_str(), label, double(doc.shapes.size()) / best, double(tally.closed) / bestClosed,
        tally.overlap.PerPiece(), tally.overlap.PerInput(), tally.overlap.Ratio(), tally.overlap.shapes);
    if (tally.topOnly.pieces)
        std::printf("  top-only %.2f per piece (region and shape %.2f, ratio %.2f)", tally.topOnly.PerPiece(),
                    tally.topOnly.PerInput(), tally.topOnly.Ratio());
    std::printf("  failures %zu\n", tally.failures);
}

// The other engines on the same file, from the shared script, when node is there to run it.
void PrintPeers(const std::string& file) {
    for (const peers::PeerFigure& peer : peers::RunPeers(file))
        std::printf("  peer: %s\n", peer.line.c_str());
}

int Usage() {
    std::fprintf(stderr,
                 "usage: bench_pathfinder BENCH-DATA-DIR [--only DOCUMENT] [--first N] [--runs N] [--full-only] "
                 "[--no-peers]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argv[1][0] == '-') return Usage();
    const std::string dir = argv[1];
    std::vector<std::string> names = pathfinder::bench::kBenchDocuments;
    int runs = 5;
    std::size_t first = 0;
    bool fullOnly = false, peers = true;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc)
            names = {argv[++i]};
        else if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--first") == 0 && i + 1 < argc)
            first = static_cast<std::size_t>(std::max(1, std::atoi(argv[++i])));
        else if (std::strcmp(argv[i], "--full-only") == 0)
            fullOnly = true;
        else if (std::strcmp(argv[i], "--no-peers") == 0)
            peers = false;
        else
            return Usage();
    }
    try {
        for (const std::string& name : names) {
            const std::string file = dir + "/" + name + ".svg";
            Document doc = bench::LoadBenchDocument(file);
            if (first > 0 && first < doc.shapes.size()) {
                doc.shapes.resize(first);
                doc.closed.resize(first);
                doc.ids.resize(first);
            }
            Measure(name, doc, kCropOverlap | kCropTopOnly, "crop (both parts)", runs);
            if (!fullOnly) Measure(name, doc, kCropOverlap, "crop (overlap)", runs);
            // The peers time every shape of the file; a subset is ours alone.
            if (peers && first == 0) PrintPeers(file);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_pathfinder: %s\n", e.what());
        return 1;
    }
    return 0;
}
