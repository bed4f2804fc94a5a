// The synthetic benchmark documents: the region and every other path of an SVG file, read by a plain scan.
#pragma once

#include <string>
#include <vector>

#include "headless/pathfinder/BezierShape.h"

namespace pathfinder::bench {

struct BenchDocument {
    BezierShape region;
    std::vector<BezierShape> shapes;
    std::vector<std::string> ids;
    std::vector<bool> closed;
};

// The shared documents, in the order the tools run them.
inline const std::vector<std::string> kBenchDocuments = {"synth-1k-circle", "synth-1k-star", "synth-10k-circle",
                                                         "synth-10k-star"};

// Throws std::runtime_error when the file cannot be read or a path's data cannot be parsed.
BenchDocument LoadBenchDocument(const std::string& file);

}  // namespace pathfinder::bench
