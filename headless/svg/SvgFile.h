// Reading an SVG file into the host's document and writing a document back as SVG.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "headless/document/Document.h"

namespace headless::svg {

// How gradients of the document are named in path styles. The default packs the document's gradient id into the
// handle; a host that hands out its own handles passes its encoding.
struct GradientHandles {
    std::function<AIGradientHandle(GradientId)> toHandle;
    std::function<GradientId(const Document&, AIGradientHandle)> toId;
};
GradientHandles DocumentGradientHandles();

struct ReadOptions {
    std::vector<std::string> select;  // ids of the objects to select
    GradientHandles gradients = DocumentGradientHandles();
};

// Fills an empty document. Throws SvgError naming the file, line, element and fault; the document is then
// partly filled and should be dropped.
void ReadSvgFile(const std::string& path, Document& document, const ReadOptions& options = {});
void ReadSvgText(const std::string& name, std::string text, Document& document, const ReadOptions& options = {});

// Writes to a temporary file beside `path` and renames it into place; throws SvgError and leaves nothing
// behind when that fails.
void WriteSvgFile(const Document& document, const std::string& path,
                  const GradientHandles& gradients = DocumentGradientHandles());
std::string WriteSvgText(const Document& document, const GradientHandles& gradients = DocumentGradientHandles());

}  // namespace headless::svg
