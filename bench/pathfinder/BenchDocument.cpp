// Reading of the synthetic benchmark documents.
#include "bench/pathfinder/BenchDocument.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "bench/pathfinder/SvgPathData.h"

namespace pathfinder::bench {
namespace {

std::string Attribute(const std::string& element, const std::string& name) {
    const std::string key = " " + name + "=\"";
    const std::size_t at = element.find(key);
    if (at == std::string::npos) return {};
    const std::size_t from = at + key.size();
    return element.substr(from, element.find('"', from) - from);
}

}  // namespace

BenchDocument LoadBenchDocument(const std::string& file) {
    std::ifstream in(file);
    if (!in) throw std::runtime_error("cannot read " + file);
    std::stringstream text;
    text << in.rdbuf();
    const std::string svg = text.str();
    BenchDocument doc;
    for (std::size_t at = svg.find("<path"); at != std::string::npos; at = svg.find("<path", at + 1)) {
        const std::string element = svg.substr(at, svg.find('>', at) - at);
        const std::string d = Attribute(element, "d");
        const FillRule rule = Attribute(element, "fill-rule") == "evenodd" ? FillRule::kEvenOdd : FillRule::kNonZero;
        BezierShape shape = ParsePathData(d, rule);
        const std::string id = Attribute(element, "id");
        if (id == "region") {
            doc.region = std::move(shape);
            continue;
        }
        doc.ids.push_back(id);
        doc.closed.push_back(d.find_first_of("Zz") != std::string::npos);
        doc.shapes.push_back(std::move(shape));
    }
    return doc;
}

}  // namespace pathfinder::bench
