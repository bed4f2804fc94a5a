// The synthetic benchmark documents, read with the host's own SVG reader: the region and every other path.
#pragma once

#include <string>
#include <vector>

#include "headless/pathfinder/BezierShape.h"

namespace pathfinder::bench {

struct BenchDocument {
    BezierShape region;
    std::vector<BezierShape> shapes;  // in the file's order
    std::vector<std::string> ids;
    std::vector<bool> closed;
};

// The shared documents, in the order the tools run them: the ones where a few shapes cross the region, then the
// ones where every shape does.
inline const std::vector<std::string> kBenchDocuments = {"synth-1k-circle",        "synth-1k-star",
                                                         "synth-10k-circle",       "synth-10k-star",
                                                         "synth-cross-10k-circle", "synth-cross-10k-star"};

// Throws std::runtime_error when the file cannot be read or holds no path with the id "region".
BenchDocument LoadBenchDocument(const std::string& file);

}  // namespace pathfinder::bench
