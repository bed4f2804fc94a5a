// Stage three of the reader: the resolved tree into the host's document.
#pragma once

#include "headless/document/Document.h"
#include "headless/svg/SvgFile.h"
#include "headless/svg/SvgTree.h"

namespace headless::svg {

// Artwork y grows upwards: artwork (x, y) = SVG root user space (x, -y). The writer applies the same flip.
constexpr Matrix kSvgToArtwork{1, 0, 0, -1, 0, 0};

// The wrapper elements of the document-level store in PageInfo::carried.element.
constexpr const char* kPreambleElement = "preamble";
constexpr const char* kDefinitionsElement = "definitions";

// Fills the document from the tree, emptying the tree's art nodes as it goes.
void ImportSvgTree(SvgTree& tree, Document& document, const ReadOptions& options, const std::string& file);

}  // namespace headless::svg
