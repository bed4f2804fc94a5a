// The reader's stages run in order, and the writer's output put in place atomically.
#include "headless/svg/SvgFile.h"

#include <iostream>

#include "headless/svg/AtomicFile.h"
#include "headless/svg/DocumentImport.h"
#include "headless/svg/SvgError.h"
#include "headless/svg/SvgWriter.h"
#include "headless/svg/TreeBuilder.h"
#include "headless/svg/XmlSource.h"

namespace headless::svg {

namespace {

// An id the file does not use, so that the added objects neither clash with nor shadow the file's own.
std::string UnusedId(pugi::xml_node root, const std::string& wanted) {
    std::string id = wanted;
    for (int n = 2; root.find_node([&id](pugi::xml_node node) { return id == node.attribute("id").value(); }); ++n)
        id = wanted + "-" + std::to_string(n);
    return id;
}

// The file's tree, with the added path (selected) when the options ask for one.
SvgTree BuildTree(const XmlSource& source, ReadOptions& options) {
    if (options.addedPath.empty()) return BuildSvgTree(source);
    pugi::xml_node root = source.Root();
    pugi::xml_node layer = root.append_child("g");
    layer.append_attribute("id") = UnusedId(root, "trimora-region-layer").c_str();
    layer.append_attribute("inkscape:label") = "trimora region";
    pugi::xml_node path = layer.append_child("path");
    const std::string pathId = UnusedId(root, "trimora-region");
    path.append_attribute("id") = pathId.c_str();
    path.append_attribute("d") = options.addedPath.c_str();
    path.append_attribute("style") = "fill:none;stroke:#d40000;stroke-width:1";
    options.select.push_back(pathId);
    return BuildSvgTree(source);
}

void ImportTree(SvgTree& tree, const std::string& name, Document& document, const ReadOptions& options) {
    ImportSvgTree(tree, document, options, name);
    for (const std::string& warning : tree.warnings) {
        if (options.warning)
            options.warning(warning);
        else
            std::cerr << "warning: " << warning << "\n";
    }
}

}  // namespace

// The parsed file is freed before the document is filled: holding both set the peak memory of reading.
void ReadSvgFile(const std::string& path, Document& document, const ReadOptions& options) {
    ReadOptions used = options;
    SvgTree tree = BuildTree(XmlSource(path), used);
    ImportTree(tree, path, document, used);
}

void ReadSvgText(const std::string& name, std::string text, Document& document, const ReadOptions& options) {
    ReadOptions used = options;
    SvgTree tree = BuildTree(XmlSource(name, std::move(text)), used);
    ImportTree(tree, name, document, used);
}

std::string WriteSvgText(const Document& document) {
    return DocumentToSvg(document);
}

void WriteSvgFile(const Document& document, const std::string& path) {
    AtomicFile file(path);
    WriteDocumentSvg(document, [&file](std::string_view piece) { file.Write(piece); });
    file.Commit();
}

}  // namespace headless::svg
