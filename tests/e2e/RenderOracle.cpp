// The oracle is built on the XML of the input, never through the host's reader, so that it shares nothing with
// the code under test but the renderer.
#include "tests/e2e/RenderOracle.h"

#include <pugixml.hpp>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace trimora::e2e {

namespace {

constexpr const char* kMaskId = "e2e-oracle-kept";
constexpr const char* kFar = "-100000";
constexpr const char* kFarSize = "200000";

bool IsTrue(const pugi::xml_attribute& a) {
    const std::string v = a.value();
    return v == "true" || v == "1";
}

// Objects the run does not change.
bool LeftWhole(const pugi::xml_node& node, const OracleOptions& options) {
    return IsTrue(node.attribute("sodipodi:insensitive")) || IsTrue(node.attribute("trimora:guide")) ||
           std::ranges::find(options.keptWhole, node.attribute("id").value()) != options.keptWhole.end();
}

bool HoldsLeftWhole(const pugi::xml_node& node, const OracleOptions& options) {
    for (const pugi::xml_node& child : node.children()) {
        if (child.type() != pugi::node_element) continue;
        if (LeftWhole(child, options) || HoldsLeftWhole(child, options)) return true;
    }
    return false;
}

bool IsDrawn(const pugi::xml_node& node) {
    const std::string name = node.name();
    return node.type() == pugi::node_element && name != "defs" && name != "title" && name != "desc" &&
           name != "metadata" && name != "style" && name.find(':') == std::string::npos;
}

// Puts every changeable object under the mask, splitting containers that hold something left whole.
void MaskChangeable(pugi::xml_node parent, const OracleOptions& options) {
    std::vector<pugi::xml_node> children;
    for (pugi::xml_node child : parent.children())
        if (IsDrawn(child)) children.push_back(child);
    for (pugi::xml_node child : children) {
        if (LeftWhole(child, options)) continue;
        if (HoldsLeftWhole(child, options)) {
            MaskChangeable(child, options);
            continue;
        }
        pugi::xml_node wrapper = parent.insert_child_before("g", child);
        wrapper.append_attribute("mask") = (std::string("url(#") + kMaskId + ")").c_str();
        wrapper.append_move(child);
    }
}

// The region as a bare shape in the root's user space: the transforms of its ancestors come first.
pugi::xml_node CopyRegion(pugi::xml_node region, pugi::xml_node into, const std::string& style) {
    std::string transform;
    for (pugi::xml_node up = region; up && std::string(up.name()) != "svg"; up = up.parent()) {
        const std::string t = up.attribute("transform").value();
        if (!t.empty()) transform = t + " " + transform;
    }
    pugi::xml_node copy = into.append_copy(region);
    for (const char* name : {"id", "style", "class", "fill", "stroke", "stroke-width", "opacity", "fill-opacity",
                             "stroke-opacity", "transform", "clip-path", "mask", "filter"})
        copy.remove_attribute(name);
    copy.append_attribute("style") = style.c_str();
    if (!transform.empty()) copy.append_attribute("transform") = transform.c_str();
    return copy;
}

pugi::xml_node FindRegion(pugi::xml_document& doc, const std::string& id) {
    const pugi::xpath_node found = doc.select_node(("//*[@id='" + id + "']").c_str());
    if (!found) throw std::runtime_error("no object with id '" + id + "'");
    return found.node();
}

void Save(const pugi::xml_document& doc, const std::string& path) {
    if (!doc.save_file(path.c_str())) throw std::runtime_error("cannot write " + path);
}

void Load(pugi::xml_document& doc, const std::string& path) {
    if (!doc.load_file(path.c_str())) throw std::runtime_error("cannot read " + path);
}

void AddBand(pugi::xml_node root, pugi::xml_node region, const OracleOptions& options) {
    CopyRegion(region, root,
               "fill:none;stroke:#000;stroke-linejoin:round;stroke-width:" + std::to_string(options.bandWidth));
}

}  // namespace

void WriteOracle(const std::string& inputSvg, const OracleOptions& options, const std::string& expectedSvg) {
    pugi::xml_document doc;
    Load(doc, inputSvg);
    pugi::xml_node root = doc.child("svg");
    pugi::xml_node region = FindRegion(doc, options.regionId);

    pugi::xml_node defs = root.prepend_child("defs");
    pugi::xml_node mask = defs.append_child("mask");
    mask.append_attribute("id") = kMaskId;
    mask.append_attribute("maskUnits") = "userSpaceOnUse";
    pugi::xml_node all = mask.append_child("rect");
    for (pugi::xml_node n : {mask, all}) {
        n.append_attribute("x") = kFar;
        n.append_attribute("y") = kFar;
        n.append_attribute("width") = kFarSize;
        n.append_attribute("height") = kFarSize;
    }
    all.append_attribute("fill") = options.keepInside ? "#000" : "#fff";
    CopyRegion(region, mask, options.keepInside ? "fill:#fff;stroke:none" : "fill:#000;stroke:none");

    MaskChangeable(root, options);
    AddBand(root, region, options);
    region.parent().remove_child(region);
    Save(doc, expectedSvg);
}

void WriteBanded(const std::string& resultSvg, const std::string& inputSvg, const OracleOptions& options,
                 const std::string& bandedSvg) {
    pugi::xml_document input, result;
    Load(input, inputSvg);
    Load(result, resultSvg);
    AddBand(result.child("svg"), FindRegion(input, options.regionId), options);
    Save(result, bandedSvg);
}

}  // namespace trimora::e2e
