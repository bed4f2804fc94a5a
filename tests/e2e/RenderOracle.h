// The picture a clipping run should give, made from its input alone: the input drawn through a mask of the region
// (what the outside pass keeps) or of its complement (the inside pass). Both that picture and the run's result get
// a band along the region's outline painted over them, where strokes cut as lines overhang the cut by half their
// width, so that the two are compared outside it.
#pragma once

#include <string>
#include <vector>

namespace trimora::e2e {

struct OracleOptions {
    std::string regionId;
    bool keepInside = true;              // the outside pass keeps what lies inside the region
    double bandWidth = 12;               // across the outline, in user units
    std::vector<std::string> keptWhole;  // ids of objects the run leaves as they are, beside locked ones and guides
};

// Writes `expectedSvg`: the input without the region, every object the run may change drawn through the mask
// (locked objects and guides are left as they are), and the band on top. Throws std::runtime_error when the
// input cannot be read or has no such region.
void WriteOracle(const std::string& inputSvg, const OracleOptions& options, const std::string& expectedSvg);

// Writes `bandedSvg`: the run's result `resultSvg` with the band of the input's region on top.
void WriteBanded(const std::string& resultSvg, const std::string& inputSvg, const OracleOptions& options,
                 const std::string& bandedSvg);

}  // namespace trimora::e2e
