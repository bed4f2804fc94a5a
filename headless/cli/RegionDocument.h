// The document a run works on: the SVG file read into the host with the clip region selected, as a person would
// select it, whether the region is an object of the file or path data given on the command line.
#pragma once

#include <string>

#include "headless/document/Document.h"

namespace headless::app {

struct RegionChoice {
    std::string id;        // an object of the file
    std::string pathData;  // or path data in the file's user units, added as a new top layer for the run
};

struct RegionInDocument {
    ArtId region;
    LayerId addedLayer;  // null when the region is the file's own
};

// Throws svg::SvgError naming the file, or CommandError for path data that does not read.
RegionInDocument ReadWithRegion(const std::string& file, const RegionChoice& choice, Document& document);

// The added layer leaves the document again unless the run kept the region in it.
void DropAddedRegionLayer(Document& document, const RegionInDocument& region);

}  // namespace headless::app
