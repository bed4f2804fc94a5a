// Reading of the synthetic benchmark documents into the host's document, and the paths out of it as shapes.
#include "bench/pathfinder/BenchDocument.h"

#include <algorithm>
#include <stdexcept>

#include "headless/document/Document.h"
#include "headless/suites/ArtShapes.h"
#include "headless/svg/SvgFile.h"

namespace pathfinder::bench {

BenchDocument LoadBenchDocument(const std::string& file) {
    headless::Document document;
    headless::svg::ReadSvgFile(file, document);
    BenchDocument doc;
    bool haveRegion = false;
    // Layers and their art come front to back; the file lists them back to front.
    for (int layer = document.CountLayers() - 1; layer >= 0; --layer) {
        std::vector<headless::ArtId> art;
        if (document.ListLayerArt(document.NthLayer(layer), &art) != kNoErr) throw std::runtime_error("bad layer");
        std::reverse(art.begin(), art.end());
        for (const headless::ArtId id : art) {
            const headless::Art& a = *document.Find(id);
            const headless::Art* parent = document.Find(a.parent);
            const bool member = parent && parent->type == kCompoundPathArt;
            if ((a.type != kPathArt && a.type != kCompoundPathArt) || member) continue;
            BezierShape shape;
            if (headless::ShapeOfArt(document, id, &shape) != kNoErr) throw std::runtime_error("unreadable shape");
            if (a.carried.id == "region") {
                doc.region = std::move(shape);
                haveRegion = true;
                continue;
            }
            doc.ids.push_back(a.carried.id);
            doc.closed.push_back(
                std::all_of(shape.paths.begin(), shape.paths.end(), [](const BezierPath& p) { return p.closed; }));
            doc.shapes.push_back(std::move(shape));
        }
    }
    if (!haveRegion) throw std::runtime_error(file + ": no path with the id \"region\"");
    return doc;
}

}  // namespace pathfinder::bench
