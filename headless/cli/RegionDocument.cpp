// Path data is checked before the file is read, so that its mistakes are reported against the flag that gave it.
#include "headless/cli/RegionDocument.h"

#include <vector>

#include "headless/cli/HostSession.h"
#include "headless/svg/PathData.h"
#include "headless/svg/SvgFile.h"

namespace headless::app {

RegionInDocument ReadWithRegion(const std::string& file, const RegionChoice& choice, Document& document) {
    svg::ReadOptions options;
    if (!choice.pathData.empty()) {
        std::vector<svg::Subpath> subpaths;
        if (const std::string problem = svg::ParsePathData(choice.pathData, subpaths); !problem.empty())
            throw CommandError(kExitBadInput, "--region-path: " + problem);
        if (subpaths.empty()) throw CommandError(kExitBadInput, "--region-path: no path in the data");
        options.addedPath = choice.pathData;
    } else {
        options.select.push_back(choice.id);
    }
    svg::ReadSvgFile(file, document, options);
    RegionInDocument found;
    const std::vector<ArtId> selection = document.ListSelection();
    // The selection lists containers before their members: the region is the last entry.
    if (!selection.empty()) found.region = selection.back();
    if (!choice.pathData.empty()) found.addedLayer = document.LayerOfArt(found.region);
    return found;
}

void DropAddedRegionLayer(Document& document, const RegionInDocument& region) {
    if (!region.addedLayer || !document.FindLayer(region.addedLayer)) return;
    if (document.Contains(region.region)) return;
    document.DeleteLayer(region.addedLayer);
}

}  // namespace headless::app
